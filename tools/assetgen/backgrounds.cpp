// The pictures of the Background menu. The board is 704x468: a smaller picture is repeated, so the
// small ones are made from noise that wraps and must tile without a seam; a larger one is cut.
// All of them stay dark and quiet, because the ivory tiles have to stand out on top.
//
// The menu sorts the captions without regard to case, and a fresh installation shows the fourth
// one, so "Jade Felt" keeps its place as the fourth name whenever a picture is added.
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

#include "art_kit.h"
#include "assetgen.h"
#include "image_files.h"

namespace assetgen {

namespace {

using art::Mix;
using art::Shade;
using art::TileableNoise;
constexpr double Pi = std::numbers::pi;

// Fills every pixel from a function of its position.
QImage PerPixel(int w, int h, const std::function<QColor(int, int)>& colourAt) {
  QImage image(w, h, QImage::Format_RGB32);
  art::ShadePixels(image, [&](int x, int y, QColor) { return colourAt(x, y); });
  return image;
}

// A grain of +-amount around zero, different for every pixel; white noise tiles by nature.
double Grain(ArtNoise& noise, double amount) {
  return (noise.Unit() * 2 - 1) * amount;
}

QImage JadeFelt(int w, int h) {
  const TileableNoise mottle(11, 8, 5, 4), fibres(12, 176, 117, 1);
  ArtNoise grain(13);
  const QColor felt(36, 104, 80);
  return PerPixel(w, h, [&](int x, int y) {
    const double u = double(x) / w, v = double(y) / h;
    const double dx = (u - 0.5) * 2, dy = (v - 0.5) * 2;
    const double light = 1.07 - 0.14 * (dx * dx + dy * dy); // a lamp above the middle
    const double f = light + 0.12 * (mottle.At(u, v) - 0.5) + 0.07 * (fibres.At(u, v) - 0.5) +
                     Grain(grain, 0.025);
    return Shade(felt, f);
  });
}

QImage Clouds(int w, int h) {
  const TileableNoise clouds(21, 5, 3, 7), detail(22, 40, 27, 2);
  ArtNoise stars(23);
  const QColor skyTop(26, 34, 70), skyLow(84, 68, 102);
  const QColor cloudHigh(112, 112, 146), cloudLow(164, 134, 156);
  return PerPixel(w, h, [&](int x, int y) {
    const double u = double(x) / w, v = double(y) / h;
    // Stretched sideways, as clouds lie near the horizon.
    const double n = clouds.At(u, v * 0.8 + 0.1) + 0.05 * (detail.At(u, v) - 0.5);
    const double cover = art::SmoothStep(0.47, 0.74, n);
    QColor sky = Mix(skyTop, skyLow, v * v);
    // A few faint early stars high up, where no cloud hides them.
    const double star = stars.Unit();
    if (star < 0.0008 * (1 - v)) sky = Mix(sky, QColor(220, 220, 240), 0.3 + 300 * star);
    const QColor cloud = Shade(Mix(cloudHigh, cloudLow, v), 0.85 + 0.3 * cover);
    return Mix(sky, cloud, cover * (0.35 + 0.3 * v));
  });
}

QImage Walnut(int w, int h) {
  constexpr int PlankHeight = 100;
  const TileableNoise warp(31, 3, 12, 3), streaks(32, 16, 400, 2);
  ArtNoise grain(33);
  const QColor dark(58, 36, 22), light(110, 72, 44), seam(28, 17, 11);
  return PerPixel(w, h, [&](int x, int y) {
    const int plank = y / PlankHeight, inPlank = y % PlankHeight;
    const int joint = (plank * 277 + 150) % w; // staggered ends, as a floor is laid
    if (inPlank == 0 || x == joint) return seam;
    const double u = double(x) / w, v = double(y) / h;
    const double rings = std::sin(2 * Pi * (inPlank * 0.05 + 1.6 * warp.At(u, v) + plank * 0.37));
    const double figure = std::pow(0.5 + 0.5 * rings, 4);
    const double tone = 0.92 + 0.08 * ((plank * 5) % 3) / 2.0;
    const double t = 0.32 + 0.3 * figure + 0.45 * (streaks.At(u, v) - 0.5) + Grain(grain, 0.03);
    QColor c = Shade(Mix(dark, light, t), tone);
    if (inPlank == 1 || x == joint + 1) c = Shade(c, 1.18); // the worn edge catches the light
    return c;
  });
}

QImage RedLacquer(int w, int h) {
  const TileableNoise depth(41, 6, 4, 4);
  ArtNoise grain(42);
  const QColor lacquer(92, 24, 22), ink(60, 14, 14);
  return PerPixel(w, h, [&](int x, int y) {
    const double u = double(x) / w, v = double(y) / h;
    const double band = (x * 0.55 + y - 0.55 * w * 0.5 - h * 0.45) / 230.0;
    const double sheen = 0.2 * std::exp(-band * band);
    const double f = 0.86 + sheen + 0.1 * (depth.At(u, v) - 0.5) + Grain(grain, 0.015);
    return Mix(Shade(lacquer, f), ink, 0.3 * art::FanArcs(x, y, 36));
  });
}

QImage Slate(int w, int h) {
  const TileableNoise stone(51, 4, 4, 4), strata(52, 2, 8, 3);
  ArtNoise grain(53);
  const QColor slate(60, 67, 78);
  return PerPixel(w, h, [&](int x, int y) {
    const double u = double(x) / w, v = double(y) / h;
    const double n = 0.6 * stone.At(u, v) + 0.4 * strata.At(u, v);
    return Shade(slate, 0.88 + 0.24 * n + Grain(grain, 0.03));
  });
}

QImage IndigoSilk(int w, int h) {
  const TileableNoise cloud(61, 3, 3, 3), slubs(62, 3, 48, 1);
  const QColor indigo(40, 46, 94);
  constexpr int Lattice = 48; // divides the tile, so the damask diamonds meet across its edges
  const auto nearLine = [](int t) {
    const int d = std::min(t, Lattice - t);
    return 1 - art::SmoothStep(0, 2.5, d);
  };
  return PerPixel(w, h, [&](int x, int y) {
    const double u = double(x) / w, v = double(y) / h;
    const int a = (x + y) % Lattice, b = (x - y + 4 * Lattice) % Lattice;
    const double centre = std::abs(a - Lattice / 2) + std::abs(b - Lattice / 2);
    const double damask =
        std::max(nearLine(a), nearLine(b)) * 0.6 + (1 - art::SmoothStep(2, 6, centre));
    const double weave = ((x ^ y) & 1) ? 0.025 : -0.025;
    const double f = 0.93 + weave + 0.12 * damask + 0.12 * (cloud.At(u, v) - 0.5) +
                     0.08 * (slubs.At(u, v) - 0.5);
    return Shade(indigo, f);
  });
}

// Paints a stroke at every place it shows when the tile repeats, so fibres cross the edges.
void StrokeWrapped(QPainter& p, const QPainterPath& path, int w, int h) {
  for (int j = -1; j <= 1; ++j)
    for (int i = -1; i <= 1; ++i) p.drawPath(path.translated(i * w, j * h));
}

QImage BambooPaper(int w, int h) {
  const TileableNoise mottle(71, 4, 4, 5);
  ArtNoise grain(72), fibres(73);
  const QColor paper(132, 110, 76);
  QImage image = PerPixel(w, h, [&](int x, int y) {
    const double u = double(x) / w, v = double(y) / h;
    const double chain = (x % 32 == 16) ? -0.035 : 0; // the mould's wires leave faint lines
    return Shade(paper, 0.9 + 0.18 * (mottle.At(u, v) - 0.5) + chain + Grain(grain, 0.02));
  });
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < 90; ++i) {
    const double x = fibres.Unit() * w, y = fibres.Unit() * h;
    const double angle = (fibres.Unit() - 0.5) * 1.2 + (i % 5 == 0 ? Pi / 2 : 0);
    const double length = 6 + fibres.Unit() * 26, bend = (fibres.Unit() - 0.5) * 8;
    const double cx = std::cos(angle), sy = std::sin(angle);
    QPainterPath path({x, y});
    path.quadTo(x + cx * length / 2 - sy * bend, y + sy * length / 2 + cx * bend, x + cx * length,
                y + sy * length);
    const bool pale = fibres.Unit() < 0.6;
    p.setPen(
        QPen(pale ? QColor(176, 154, 112, 70) : QColor(92, 72, 46, 60), 0.6 + fibres.Unit() * 0.7));
    StrokeWrapped(p, path, w, h);
  }
  return image;
}

enum class Format { Jpeg, Bmp };

struct BackgroundPicture {
  const char* caption;
  Format format;
  int width, height;
  QImage (*paint)(int, int);
};

// Full pictures are at least 704x468; the others are seamless tiles that the program repeats.
const BackgroundPicture Backgrounds[] = {
    {"Bamboo Paper", Format::Bmp, 128, 128, BambooPaper},
    {"Clouds", Format::Jpeg, 704, 468, Clouds},
    {"Indigo Silk", Format::Jpeg, 96, 96, IndigoSilk},
    {"Jade Felt", Format::Jpeg, 704, 468, JadeFelt}, // the default: fourth in sorted order
    {"Red Lacquer", Format::Bmp, 704, 468, RedLacquer},
    {"Slate", Format::Bmp, 64, 64, Slate},
    {"Walnut", Format::Jpeg, 800, 600, Walnut},
};

} // namespace

void MakeBackgrounds(const fs::path& out) {
  const fs::path folder = out / "Backgrounds";
  for (const BackgroundPicture& b : Backgrounds) {
    const QImage image = b.paint(b.width, b.height);
    const std::string name = b.caption;
    if (b.format == Format::Jpeg)
      SaveJpeg(image, folder / (name + ".jpg"), 92);
    else
      SaveBmp(image, folder / (name + ".bmp"));
  }
}

} // namespace assetgen

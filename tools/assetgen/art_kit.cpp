#include "art_kit.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

#include "assetgen.h"

namespace assetgen::art {

TileableNoise::TileableNoise(std::uint32_t seed, int cellsX, int cellsY, int octaves) {
  ArtNoise noise(seed);
  double weight = 1, total = 0;
  for (int i = 0; i < octaves; ++i) {
    Octave o{cellsX << i, cellsY << i, {}};
    o.values.resize(static_cast<std::size_t>(o.cellsX) * o.cellsY);
    for (double& v : o.values) v = noise.Unit() * weight;
    octaves_.push_back(std::move(o));
    total += weight;
    weight *= 0.5;
  }
  norm_ = total > 0 ? 1 / total : 1;
}

double TileableNoise::Sample(const Octave& o, double u, double v) {
  const double x = u * o.cellsX, y = v * o.cellsY;
  const double fx = std::floor(x), fy = std::floor(y);
  const auto wrap = [](int i, int n) { return ((i % n) + n) % n; };
  const int x0 = wrap(static_cast<int>(fx), o.cellsX), x1 = wrap(x0 + 1, o.cellsX);
  const int y0 = wrap(static_cast<int>(fy), o.cellsY), y1 = wrap(y0 + 1, o.cellsY);
  // Quintic easing hides the lattice: no creases where the cells meet.
  const auto ease = [](double t) { return t * t * t * (t * (t * 6 - 15) + 10); };
  const double tx = ease(x - fx), ty = ease(y - fy);
  const auto at = [&](int i, int j) {
    return o.values[static_cast<std::size_t>(j) * o.cellsX + i];
  };
  const double top = at(x0, y0) + (at(x1, y0) - at(x0, y0)) * tx;
  const double bottom = at(x0, y1) + (at(x1, y1) - at(x0, y1)) * tx;
  return top + (bottom - top) * ty;
}

double TileableNoise::At(double u, double v) const {
  double sum = 0;
  for (const Octave& o : octaves_) sum += Sample(o, u, v);
  return std::min(sum * norm_, 0.999999);
}

double SmoothStep(double edge0, double edge1, double x) {
  const double t = Clamp01((x - edge0) / (edge1 - edge0));
  return t * t * (3 - 2 * t);
}

QColor Mix(const QColor& a, const QColor& b, double t) {
  t = Clamp01(t);
  const auto lerp = [t](int p, int q) { return static_cast<int>(std::lround(p + (q - p) * t)); };
  return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                lerp(a.alpha(), b.alpha()));
}

QColor Shade(const QColor& c, double factor) {
  const auto scale = [factor](int v) {
    return std::clamp(static_cast<int>(std::lround(v * factor)), 0, 255);
  };
  return QColor(scale(c.red()), scale(c.green()), scale(c.blue()), c.alpha());
}

double FanArcs(double x, double y, double radius) {
  const double rowStep = radius / 2;
  for (int row = static_cast<int>(std::floor(y / rowStep)) + 2; row >= 0; --row) {
    const double shift = (row % 2) ? radius : 0;
    const double cx = std::round((x - shift) / (2 * radius)) * 2 * radius + shift;
    const double distance = std::hypot(x - cx, y - row * rowStep);
    if (distance >= radius) continue;
    const double ring = distance / (radius / 4);
    return SmoothStep(0.7, 0.95, ring - std::floor(ring));
  }
  return 0;
}

QImage Canvas(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

QImage KeyOut(const QImage& art, QColor key) {
  const QImage straight = art.convertToFormat(QImage::Format_ARGB32);
  QImage out(art.size(), QImage::Format_RGB32);
  const QRgb keyRgb = key.rgb() & 0xFFFFFF;
  for (int y = 0; y < art.height(); ++y) {
    const QRgb* in = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
    QRgb* row = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < art.width(); ++x) {
      QRgb colour = in[x] & 0xFFFFFF;
      if (qAlpha(in[x]) < 128)
        colour = keyRgb;
      else if (colour == keyRgb)
        colour ^= 0x000001; // one step of blue nobody can see
      row[x] = 0xFF000000u | colour;
    }
  }
  return out;
}

QFont PixelFont(const char* family, int pixelSize, bool bold) {
  QFont font(family);
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

void ShadePixels(QImage& image, const std::function<QColor(int, int, QColor)>& shade) {
  for (int y = 0; y < image.height(); ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) row[x] = shade(x, y, QColor(row[x])).rgb();
  }
}

} // namespace assetgen::art

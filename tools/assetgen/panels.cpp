// The splash, the side panels, the dialog backgrounds, the Slider trays, the pause plaque and
// the hand cursors.
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <functional>

#include "art_kit.h"
#include "assetgen.h"
#include "picture_parts.h"

namespace assetgen::pics {

namespace {

using art::Mix;
using art::Shade;

QImage Opaque(int w, int h, const QColor& fill) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(fill);
  return image;
}

using art::ShadePixels;

QPainterPath TextPath(const QString& text, const QFont& font, QPointF centre) {
  QPainterPath path;
  path.addText(0, 0, font, text);
  path.translate(centre - path.boundingRect().center());
  return path;
}

// Gold lettering with a dark shadow; large lettering also gets a thin dark outline.
void GoldText(QPainter& p, const QPainterPath& text, double outline) {
  const QRectF r = text.boundingRect();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 8, 4, 170));
  p.drawPath(text.translated(0.8, 1));
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, QColor(255, 236, 160));
  g.setColorAt(1, tone::Gold);
  if (outline > 0)
    p.setPen(QPen(QColor(70, 20, 10), outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(g);
  p.drawPath(text);
}

// Wood for trays and plaques: streaks along x and a little grain.
QImage WoodBoard(int w, int h, std::uint32_t seed) {
  const art::TileableNoise streaks(seed, 6, 60, 3);
  ArtNoise grain(seed + 1);
  QImage image = Opaque(w, h, tone::Walnut);
  ShadePixels(image, [&](int x, int y, QColor) {
    const double n = streaks.At(double(x) / w, double(y) / h);
    return Shade(Mix(tone::WalnutDark, tone::Walnut, 0.3 + 0.9 * n), 0.97 + grain.Unit() * 0.06);
  });
  return image;
}

// A raised frame: light on the upper left, dark on the lower right, as if lit from the window.
void Bevel(QPainter& p, const QRect& r, int width) {
  for (int i = 0; i < width; ++i) {
    const double t = double(i) / width;
    p.setPen(QColor(255, 230, 190, static_cast<int>(90 * (1 - t))));
    p.drawLine(r.left() + i, r.top() + i, r.right() - i, r.top() + i);
    p.drawLine(r.left() + i, r.top() + i, r.left() + i, r.bottom() - i);
    p.setPen(QColor(0, 0, 0, static_cast<int>(110 * (1 - t))));
    p.drawLine(r.left() + i, r.bottom() - i, r.right() - i, r.bottom() - i);
    p.drawLine(r.right() - i, r.top() + i, r.right() - i, r.bottom() - i);
  }
}

// The felt floor of a tray, with grooves where the 32-pixel cells meet.
void FeltFloor(QImage& image, const QRect& floor) {
  const art::TileableNoise mottle(91, 4, 4, 3);
  ArtNoise grain(92);
  ShadePixels(image, [&](int x, int y, QColor c) {
    if (!floor.contains(x, y)) return c;
    const int cx = (x - floor.left()) % 32, cy = (y - floor.top()) % 32;
    const double n = mottle.At(double(x) / image.width(), double(y) / image.height());
    double f = 0.92 + 0.12 * n + grain.Unit() * 0.04;
    if (cx == 0 || cy == 0)
      f *= 0.7; // the groove
    else if (cx == 1 || cy == 1)
      f *= 1.12; // its lit lip
    const int fromEdge = std::min(x - floor.left(), y - floor.top());
    if (fromEdge < 6) f *= 0.75 + 0.04 * fromEdge; // the frame's shadow on the felt
    return Shade(tone::Jade, f);
  });
}

QImage Tray(int w, int h, const QRect& floor, std::uint32_t seed) {
  QImage image = WoodBoard(w, h, seed);
  FeltFloor(image, floor);
  QPainter p(&image);
  Bevel(p, QRect(0, 0, w, h), 4);
  p.setPen(QColor(20, 12, 8));
  p.drawRect(floor.adjusted(-1, -1, 0, 0));
  return image;
}

} // namespace

QImage Splash() {
  QImage image = Opaque(261, 156, tone::Crimson);
  ShadePixels(image, [](int x, int y, QColor) {
    const QColor top(58, 6, 16);
    const QColor c = Mix(top, tone::Crimson, art::SmoothStep(0, 124, y));
    return y < 124 ? Mix(c, QColor(30, 0, 6), 0.25 * art::FanArcs(x, y, 22)) : c;
  });
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(tone::Gold, 1.5));
  p.drawRect(QRectF(3.5, 3.5, 254, 149));
  p.setPen(QPen(QColor(232, 186, 80, 120), 1));
  p.drawRect(QRectF(6.5, 6.5, 248, 143));
  GoldText(p, TextPath("Pelmar", art::PixelFont("DejaVu Serif", 40), {130.5, 34}), 1.2);
  p.setPen(tone::Cream);
  p.setFont(art::PixelFont("DejaVu Serif", 11, false));
  p.drawText(QRectF(0, 54, 261, 16), Qt::AlignCenter, "six games, one set of tiles");
  // The seven small tiles fanned out like a hand of cards, the joker in the middle.
  static const int Order[] = {0, 1, 2, Joker, 3, 4, 5};
  for (int i = 0; i < 7; ++i) {
    const double offset = i - 3;
    p.save();
    p.translate(130.5 + offset * 25, 98 + offset * offset * 1.6);
    p.rotate(offset * 5);
    const bool joker = Order[i] == Joker;
    DrawTile(p, QRectF(-11, -13, 23, 23), 4, joker ? QColor(255, 242, 196) : tone::IvoryTop,
             joker ? QColor(238, 204, 122) : tone::IvoryBottom);
    DrawKindSymbol(p, QRectF(-9, -11, 19, 19), Order[i]);
    p.restore();
  }
  return image;
}

QImage HallPanel() {
  QImage image = Opaque(92, 472, tone::Plum);
  const art::TileableNoise silk(81, 2, 10, 4);
  ShadePixels(image, [&](int x, int y, QColor) {
    const QColor c = Mix(tone::Plum, tone::PlumDeep, double(y) / 472);
    const double dx = (x - 46) / 50.0, dy = (y - 400) / 90.0;
    const double glow = 0.22 * std::exp(-(dx * dx + dy * dy)); // a soft light for the picture
    return Shade(c, 0.94 + glow + 0.12 * (silk.At(x / 92.0, y / 472.0) - 0.5));
  });
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(tone::Gold, 1));
  p.drawRect(QRectF(2.5, 2.5, 87, 467));
  p.setPen(QPen(QColor(232, 186, 80, 90), 1));
  p.drawRect(QRectF(5.5, 5.5, 81, 461));
  p.setPen(Qt::NoPen);
  p.setBrush(tone::Gold);
  for (int i = -1; i <= 1; ++i) {
    const QPointF c(46 + 10 * i, 12);
    p.drawPolygon(
        QPolygonF({c + QPointF(0, -3), c + QPointF(3, 0), c + QPointF(0, 3), c + QPointF(-3, 0)}));
  }
  return image;
}

QImage Nuages() {
  QImage image = Opaque(640, 400, Qt::white);
  const art::TileableNoise clouds(101, 5, 3, 6);
  ShadePixels(image, [&](int x, int y, QColor) {
    const double u = x / 640.0, v = y / 400.0;
    const QColor sky = Mix(QColor(178, 206, 236), QColor(228, 236, 248), v);
    const double cover = art::SmoothStep(0.42, 0.74, clouds.At(u, v));
    return Mix(sky, QColor(252, 252, 254), cover * 0.85);
  });
  return image;
}

QImage Violet() {
  QImage image = Opaque(200, 400, Qt::white);
  const art::TileableNoise swirl(111, 3, 6, 4);
  ShadePixels(image, [&](int x, int y, QColor) {
    const double u = x / 200.0, v = y / 400.0;
    const QColor c = Mix(QColor(200, 180, 226), QColor(156, 130, 196), v);
    const double sheen = std::sin(x * 0.03 + y * 0.018 + 5 * swirl.At(u, v));
    return Shade(c, 0.98 + 0.045 * sheen);
  });
  return image;
}

QImage ScorePanel() {
  QImage image = WoodBoard(105, 65, 121);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  Bevel(p, QRect(0, 0, 105, 65), 3);
  GoldText(p, TextPath("SCORE", art::PixelFont("DejaVu Serif", 11), {52.5, 12}), 0);
  // The window in which the program writes the score, in a light colour.
  const QRectF window(9.5, 22.5, 86, 34);
  QLinearGradient g(window.topLeft(), window.bottomLeft());
  g.setColorAt(0, QColor(14, 10, 8));
  g.setColorAt(1, QColor(40, 28, 22));
  p.setBrush(g);
  p.setPen(QPen(tone::GoldDark, 1));
  p.drawRoundedRect(window, 4, 4);
  return image;
}

QImage SliderGrid() {
  return Tray(320, 320, QRect(16, 16, 288, 288), 131);
}

QImage NextTilesGrid() {
  QImage image = Tray(64, 144, QRect(16, 30, 32, 96), 141);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  GoldText(p, TextPath("NEXT", art::PixelFont("DejaVu Serif", 11), {32, 16}), 0);
  return image;
}

QImage PausePlaque() {
  QImage art = art::Canvas(156, 61);
  QPainter p(&art);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF plaque(1.5, 1.5, 153, 58);
  QLinearGradient g(plaque.topLeft(), plaque.bottomLeft());
  g.setColorAt(0, QColor(120, 58, 108));
  g.setColorAt(1, QColor(58, 24, 58));
  p.setBrush(g);
  p.setPen(QPen(tone::Gold, 2.5));
  p.drawRoundedRect(plaque, 16, 16);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(232, 186, 80, 110), 1));
  p.drawRoundedRect(plaque.adjusted(4, 4, -4, -4), 12, 12);
  p.setPen(QPen(tone::GoldDark, 1.2));
  p.setBrush(tone::Gold);
  p.drawEllipse(QPointF(31, 30.5), 18, 18);
  p.setPen(Qt::NoPen);
  p.setBrush(tone::Plum);
  p.drawRoundedRect(QRectF(23.5, 21, 5.5, 19), 1.5, 1.5);
  p.drawRoundedRect(QRectF(33, 21, 5.5, 19), 1.5, 1.5);
  const QPainterPath word = TextPath("Paused", art::PixelFont("DejaVu Serif", 22), {100, 30.5});
  p.setBrush(QColor(20, 4, 16, 200));
  p.drawPath(word.translated(1, 1.2));
  p.setBrush(tone::Cream);
  p.drawPath(word);
  p.end();
  return art::KeyOut(art, Qt::black);
}

QImage HandCursor(bool pressed) {
  // Pressed, the pointing finger bends and the hand leans in by two pixels.
  const double lift = pressed ? 2 : 0;
  QPainterPath hand;
  hand.setFillRule(Qt::WindingFill);
  hand.addRoundedRect(QRectF(10, 1 + 2 * lift, 6, 17 - 2 * lift), 3, 3);
  hand.addRoundedRect(QRectF(15.5, 9 + lift, 5.5, 10), 2.7, 2.7);
  hand.addRoundedRect(QRectF(20.5, 10 + lift, 5, 10), 2.5, 2.5);
  hand.addRoundedRect(QRectF(25, 12 + lift, 4.5, 9), 2.2, 2.2);
  hand.addRoundedRect(QRectF(9, 15 + lift, 20.5, 12), 5, 5);
  QPainterPath thumb;
  thumb.addRoundedRect(QRectF(-2.5, -6.5, 5, 12), 2.5, 2.5);
  hand.addPath(QTransform().translate(8, 20 + lift).rotate(-40).map(thumb));
  hand = hand.simplified();
  QImage image = art::Canvas(32, 32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(40, 28, 28), 1.3));
  p.setBrush(QColor(255, 250, 238));
  p.drawPath(hand);
  p.setPen(QPen(QColor(150, 120, 110), 0.9));
  const QPointF gaps[] = {{15.8, 11}, {20.8, 12}, {25.2, 13.5}}; // between the knuckles
  for (const QPointF& g : gaps) p.drawLine(g + QPointF(0, lift), g + QPointF(0, lift + 4));
  p.setPen(QPen(QColor(90, 10, 20), 1));
  p.setBrush(tone::Crimson.lighter(140));
  p.drawRoundedRect(QRectF(11.5, 26 + lift, 16, 5 - lift), 1.5, 1.5);
  return image;
}

} // namespace assetgen::pics

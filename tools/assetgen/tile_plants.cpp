// The drawn tile pictures: the four flowers, the four seasons and the bird of bamboo one.
// Everything keeps clear of the top-right corner, where the flowers and seasons carry their
// number.
#include "tile_art.h"

#include <QPainter>

#include <array>
#include <cmath>
#include <initializer_list>
#include <numbers>

namespace assetgen {

namespace {

QColor Colour(QRgb rgb) {
  return QColor::fromRgba(rgb);
}

QPointF Polar(QPointF centre, double r, double degrees) {
  const double a = degrees * std::numbers::pi / 180;
  return centre + QPointF(std::cos(a), std::sin(a)) * r;
}

// A leaf or feather shape between two points: `width` across at its widest, curved sideways
// by `bend` pixels.
QPainterPath Lens(QPointF from, QPointF to, double width, double bend = 0) {
  const QPointF d = to - from;
  const double length = std::hypot(d.x(), d.y());
  const QPointF n(-d.y() / length, d.x() / length);
  const QPointF mid = (from + to) / 2;
  QPainterPath path(from);
  path.quadTo(mid + n * (width + bend), to);
  path.quadTo(mid + n * (-width + bend), from);
  return path;
}

QPainterPath Polygon(std::initializer_list<QPointF> corners) {
  QPainterPath path;
  path.addPolygon(QPolygonF(QList<QPointF>(corners)));
  path.closeSubpath();
  return path;
}

QPainterPath Line(QPointF from, QPointF to) {
  QPainterPath path(from);
  path.lineTo(to);
  return path;
}

void Stroke(QPainter& p, const QPainterPath& path, QRgb colour, double width) {
  p.strokePath(path, QPen(Colour(colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

// Five round petals about a yellow heart.
void Blossom(QPainter& p, QPointF c, double r, double turn, const TileStyle& s) {
  QPainterPath petals;
  for (int i = 0; i < 5; ++i)
    petals.addPath(Disc(Polar(c, r * 0.55, turn - 90 + 72 * i), r * 0.48));
  FillShape(p, petals.simplified(), s.pink, s);
  p.fillPath(Disc(c, r * 0.28), Colour(s.yellow));
}

// ---- Flowers ----

void PaintPlum(QPainter& p, const TileStyle& s) {
  QPainterPath branch(QPointF(31, 47));
  branch.cubicTo(28, 38, 24, 31, 18, 27);
  branch.cubicTo(12, 23, 11, 16, 8, 9);
  QPainterPath twig(QPointF(21, 30));
  twig.cubicTo(26, 27, 28, 22, 32, 19);
  Stroke(p, branch, s.brown, 2.6);
  Stroke(p, twig, s.brown, 1.5);
  Blossom(p, QPointF(14, 20), 6.2, 10, s);
  Blossom(p, QPointF(28, 33), 5.6, -8, s);
  Blossom(p, QPointF(30, 19), 4.6, 20, s);
  Blossom(p, QPointF(9, 34), 4.4, 0, s);
  for (QPointF bud : {QPointF(8, 8.5), QPointF(33.5, 43), QPointF(21, 11)})
    FillShape(p, Disc(bud, 1.7), s.red, s);
}

void PaintOrchid(QPainter& p, const TileStyle& s) {
  const QPointF base(20, 46);
  const std::array<QPainterPath, 5> leaves = {
      Lens(base, QPointF(3.5, 17), 2.6, 4), Lens(base, QPointF(35, 24), 2.4, -4),
      Lens(base, QPointF(7, 38), 2.0, 2.5), Lens(base, QPointF(30, 39), 2.0, -2),
      Lens(base, QPointF(18, 28), 2.0, 1)};
  for (const QPainterPath& leaf : leaves) FillShape(p, leaf, s.leaf, s);
  QPainterPath stems(base);
  stems.quadTo(21, 30, 25, 16);
  stems.moveTo(base);
  stems.quadTo(16, 30, 12, 22);
  Stroke(p, stems, s.green, 1.0);
  for (auto [c, r] : {std::pair{QPointF(25, 15), 6.5}, std::pair{QPointF(12, 21), 5.4}}) {
    QPainterPath petals;
    for (int i = 0; i < 5; ++i) petals.addPath(Lens(c, Polar(c, r, -90 + 72 * i + 36), r * 0.5, 0));
    FillShape(p, petals.simplified(), s.violet, s);
    p.fillPath(Disc(c, r * 0.22), Colour(s.yellow));
  }
}

void PaintChrysanthemum(QPainter& p, const TileStyle& s) {
  const QPointF c(20, 21);
  QPainterPath stem(QPointF(20, 28));
  stem.quadTo(22, 38, 20, 47);
  Stroke(p, stem, s.green, 2.0);
  FillShape(p, Lens(QPointF(20.5, 39), QPointF(8, 35), 4.5, -1), s.leaf, s);
  FillShape(p, Lens(QPointF(21, 44), QPointF(33, 40), 4.0, 1), s.leaf, s);
  QPainterPath outer;
  for (int i = 0; i < 16; ++i) outer.addPath(Lens(c, Polar(c, 11.5, 22.5 * i), 2.8));
  FillShape(p, outer.simplified(), s.orange, s);
  QPainterPath inner;
  for (int i = 0; i < 12; ++i) inner.addPath(Lens(c, Polar(c, 7.5, 30 * i + 15), 2.6));
  p.fillPath(inner.simplified(), Colour(s.yellow));
  p.fillPath(Disc(c, 2.4), Colour(s.brown));
}

void PaintBambooPlant(QPainter& p, const TileStyle& s) {
  struct Culm {
    double x, top;
  };
  for (Culm culm : {Culm{14, 7}, Culm{25, 15}}) {
    QPainterPath cane;
    cane.addRoundedRect(QRectF(culm.x - 1.7, culm.top, 3.4, 47 - culm.top), 1.2, 1.2);
    FillShape(p, cane, s.green, s);
    p.setPen(QPen(Colour(s.green).darker(170), 0.9));
    for (double y = 47 - 8.5; y > culm.top + 2; y -= 8.5)
      p.drawLine(QPointF(culm.x - 1.7, y), QPointF(culm.x + 1.7, y));
  }
  struct Leaf {
    double x, y, angle, length;
  };
  static constexpr std::array<Leaf, 7> leaves = {{{14, 12.5, 215, 11},
                                                  {14, 21, 200, 12},
                                                  {14, 29.5, 330, 11},
                                                  {25, 23.5, 320, 11},
                                                  {25, 32, 25, 10},
                                                  {25, 32, 160, 9},
                                                  {14, 38, 195, 10}}};
  for (const Leaf& leaf : leaves) {
    const QPointF from(leaf.x, leaf.y);
    FillShape(p, Lens(from, Polar(from, leaf.length, leaf.angle), 2.4, 0.8), s.leaf, s);
  }
}

// ---- Seasons ----

void PaintSpring(QPainter& p, const TileStyle& s) {
  QPainterPath ground;
  ground.moveTo(4, 47);
  ground.quadTo(20, 36, 36, 47);
  ground.closeSubpath();
  FillShape(p, ground, s.brown, s);
  QPainterPath stem(QPointF(20, 42));
  stem.cubicTo(19, 34, 22, 28, 20, 19);
  Stroke(p, stem, s.green, 2.0);
  FillShape(p, Lens(QPointF(20, 33), QPointF(5, 25), 6.0, 1.5), s.leaf, s);
  FillShape(p, Lens(QPointF(20.5, 28), QPointF(34, 21), 5.4, -1.5), s.leaf, s);
  // A pink bud opening at the top.
  QPainterPath bud(QPointF(20, 21));
  bud.cubicTo(13, 19, 14, 11, 16, 8);
  bud.lineTo(18, 12);
  bud.lineTo(20, 6.5);
  bud.lineTo(22, 12);
  bud.lineTo(24, 8);
  bud.cubicTo(26, 11, 27, 19, 20, 21);
  FillShape(p, bud, s.pink, s);
}

void PaintSummer(QPainter& p, const TileStyle& s) {
  const QPointF c(18, 20);
  QPainterPath rays;
  for (int i = 0; i < 12; ++i) {
    const double a = 30 * i;
    rays.addPath(Polygon({Polar(c, 8.2, a - 11), Polar(c, 14, a), Polar(c, 8.2, a + 11)}));
  }
  FillShape(p, rays.simplified(), s.orange, s);
  FillShape(p, Disc(c, 7.4), s.red, s);
  p.fillPath(Disc(c, 5.2), Colour(s.yellow));
  for (double y : {38.0, 44.0}) {
    QPainterPath wave(QPointF(4, y));
    for (double x = 4; x < 36; x += 8) {
      wave.quadTo(x + 2, y - 3, x + 4, y);
      wave.quadTo(x + 6, y + 3, x + 8, y);
    }
    Stroke(p, wave, s.sky, 2.0);
  }
}

void PaintAutumn(QPainter& p, const TileStyle& s) {
  const QPointF c(20, 28);
  // Polar outline of half a maple leaf, from the top tip round to the stem: (degrees from up,
  // radius). The other half is its mirror image.
  static constexpr std::array<std::pair<double, double>, 14> half = {{{0, 16},
                                                                      {9, 10},
                                                                      {15, 11},
                                                                      {24, 6},
                                                                      {38, 10.5},
                                                                      {46, 11},
                                                                      {58, 15},
                                                                      {70, 10},
                                                                      {78, 10.5},
                                                                      {92, 5.5},
                                                                      {106, 9},
                                                                      {118, 11},
                                                                      {134, 6},
                                                                      {170, 3.5}}};
  auto at = [&](double degrees, double r) { return Polar(c, r, degrees - 90); };
  QPolygonF outline;
  for (const auto& [a, r] : half) outline << at(a, r);
  for (auto it = half.rbegin(); it != half.rend(); ++it)
    if (it->first > 0) outline << at(-it->first, it->second);
  QPainterPath leaf;
  leaf.addPolygon(outline);
  leaf.closeSubpath();
  QPainterPath stem(c);
  stem.quadTo(c + QPointF(1, 9), c + QPointF(4, 17));
  Stroke(p, stem, s.brown, 1.6);
  FillShape(p, leaf, s.orange, s);
  QPainterPath veins;
  for (double a : {0.0, 58.0, -58.0, 118.0, -118.0}) {
    veins.moveTo(c);
    veins.lineTo(at(a, a == 0 ? 12.5 : std::abs(a) < 90 ? 11.5 : 8));
  }
  p.setPen(QPen(Colour(s.red), 0.9, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(veins);
}

void PaintWinter(QPainter& p, const TileStyle& s) {
  const QPointF c(20, 27);
  QPainterPath flake;
  for (int arm = 0; arm < 6; ++arm) {
    const double a = 60 * arm - 90;
    flake.moveTo(c);
    flake.lineTo(Polar(c, 15, a));
    for (auto [along, length] : {std::pair{6.5, 5.0}, std::pair{10.5, 3.8}}) {
      const QPointF root = Polar(c, along, a);
      flake.moveTo(Polar(root, length, a - 45));
      flake.lineTo(root);
      flake.lineTo(Polar(root, length, a + 45));
    }
  }
  QPainterPathStroker stroker(QPen(Qt::black, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  FillShape(p, stroker.createStroke(flake).united(Disc(c, 3.4)).simplified(), s.sky, s);
  Cut(p, Disc(c, 1.4));
}

// The number of a flower or season in the top-right corner.
void DrawCornerNumber(QPainter& p, int number, QRgb colour, const TileStyle& style) {
  const QPainterPath glyph = DigitGlyphs().Outline(static_cast<char32_t>(U'0' + number));
  const QRectF ink = glyph.boundingRect();
  const double scale = style.numberHeight / ink.height();
  QTransform t;
  t.translate(FaceWidth - 3.5 - ink.width() * scale, 3.5);
  t.scale(scale, scale);
  t.translate(-ink.left(), -ink.top());
  FillShape(p, t.map(glyph), colour, style);
}

} // namespace

void PaintFlower(QPainter& p, Plant plant, const TileStyle& style) {
  switch (plant) {
  case Plant::Plum:
    PaintPlum(p, style);
    break;
  case Plant::Orchid:
    PaintOrchid(p, style);
    break;
  case Plant::Chrysanthemum:
    PaintChrysanthemum(p, style);
    break;
  case Plant::Bamboo:
    PaintBambooPlant(p, style);
    break;
  }
  DrawCornerNumber(p, static_cast<int>(plant) + 1, style.red, style);
}

void PaintSeason(QPainter& p, Season season, const TileStyle& style) {
  switch (season) {
  case Season::Spring:
    PaintSpring(p, style);
    break;
  case Season::Summer:
    PaintSummer(p, style);
    break;
  case Season::Autumn:
    PaintAutumn(p, style);
    break;
  case Season::Winter:
    PaintWinter(p, style);
    break;
  }
  DrawCornerNumber(p, static_cast<int>(season) + 1, style.blue, style);
}

void PaintBird(QPainter& p, const TileStyle& s) {
  Stroke(p, Line({6, 44}, {34, 41}), s.brown, 2.2); // the perch
  // A long tail sweeping down to the left, each feather with an eye.
  const QPointF root(16, 31);
  struct Feather {
    QPointF tip;
    QRgb TileStyle::*colour;
  };
  for (Feather f : {Feather{{3, 40}, &TileStyle::blue}, Feather{{5, 47.5}, &TileStyle::green},
                    Feather{{12, 48.5}, &TileStyle::blue}}) {
    FillShape(p, Lens(root, f.tip, 3.2, 0.5), s.*f.colour, s);
    FillShape(p, Disc(root + (f.tip - root) * 0.82, 1.5), s.red, s);
  }
  // Body, neck and head in one piece.
  QPainterPath body;
  body.addEllipse(QPointF(0, 0), 10, 7);
  body = QTransform().translate(20.5, 28).rotate(-32).map(body);
  body = body.united(Disc(QPointF(28.5, 15.5), 5.2));
  body = body.united(Polygon({{23.5, 17}, {32.5, 18}, {29, 27}, {20, 24}})).simplified();
  // The crest first, so that the head covers its roots.
  for (QPointF tip : {QPointF(22.5, 6.5), QPointF(25.5, 4.5), QPointF(29, 5)})
    FillShape(p, Lens(QPointF(27.5, 12.5), tip, 1.4), s.red, s);
  FillShape(p, body, s.green, s);
  const QPainterPath wing = Lens(QPointF(12.5, 28), QPointF(27.5, 27.5), 4.4, 2.6);
  FillShape(p, wing, s.blue, s);
  QPainterPath quills(QPointF(15, 29.5));
  quills.lineTo(23, 30);
  quills.moveTo(17.5, 32);
  quills.lineTo(23.5, 31.5);
  p.setPen(QPen(Colour(s.blue).lighter(150), 0.8, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(quills);
  FillShape(p, Polygon({{33, 13.5}, {38, 16.5}, {32.5, 18}}), s.orange, s); // the beak
  Cut(p, Disc(QPointF(29.5, 14.5), 1.8));
  p.fillPath(Disc(QPointF(29.9, 14.5), 0.9), Colour(s.ink));
  Stroke(p, Line({19, 34}, {18, 42.5}), s.brown, 1.2);
  Stroke(p, Line({23.5, 33}, {24, 42}), s.brown, 1.2);
}

} // namespace assetgen

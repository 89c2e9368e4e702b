// The small tiles of the grid games, their emblems, the letter tiles of the games panel, the
// layout chooser's miniature tile and the digits that rise from the falling-columns pit.
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "art_kit.h"
#include "picture_parts.h"

namespace assetgen::pics {

namespace {

constexpr double Pi = std::numbers::pi;

// Colours that differ in hue and in shape, so no two kinds are mistaken at a glance.
struct KindLook {
  QColor light, dark, line;
};
const KindLook Kinds[] = {
    {{242, 100, 84}, {170, 28, 30}, {108, 16, 18}},  // sun
    {{132, 200, 96}, {42, 124, 52}, {24, 78, 32}},   // bamboo
    {{120, 178, 244}, {32, 84, 176}, {20, 50, 112}}, // drop
    {{255, 224, 96}, {222, 150, 30}, {148, 90, 10}}, // star
    {{214, 130, 220}, {132, 50, 150}, {84, 24, 96}}, // blossom
    {{104, 220, 206}, {18, 124, 124}, {10, 74, 76}}, // gem
};

QLinearGradient Vertical(const QRectF& b, const KindLook& k) {
  QLinearGradient g(b.topLeft(), b.bottomLeft());
  g.setColorAt(0, k.light);
  g.setColorAt(1, k.dark);
  return g;
}

// Maps unit coordinates of the emblem box to pixels.
struct Unit {
  QRectF b;
  QPointF operator()(double x, double y) const {
    return {b.left() + x * b.width(), b.top() + y * b.height()};
  }
  double operator()(double d) const { return d * b.width(); }
};

void Sun(QPainter& p, const Unit& u, const KindLook& k) {
  const QPointF c = u(0.5, 0.5);
  QRadialGradient g(u(0.38, 0.38), u(0.5));
  g.setColorAt(0, k.light);
  g.setColorAt(1, k.dark);
  p.setBrush(g);
  p.drawEllipse(c, u(0.37), u(0.37));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 226, 200, 190), u(0.05)));
  p.drawEllipse(c, u(0.22), u(0.22));
}

void Bamboo(QPainter& p, const Unit& u, const KindLook& k) {
  for (double x : {0.3, 0.56}) {
    const QRectF stalk(u(x, 0.12), u(x + 0.15, 0.88));
    p.setBrush(Vertical(stalk, k));
    p.drawRoundedRect(stalk, u(0.05), u(0.05));
    for (double y : {0.38, 0.62}) p.drawLine(u(x, y), u(x + 0.15, y));
  }
  QPainterPath leaf(u(0.71, 0.3));
  leaf.quadTo(u(0.9, 0.12), u(0.95, 0.2));
  leaf.quadTo(u(0.86, 0.34), u(0.71, 0.3));
  p.setBrush(k.light);
  p.drawPath(leaf);
}

void Drop(QPainter& p, const Unit& u, const KindLook& k) {
  QPainterPath drop(u(0.5, 0.08));
  drop.cubicTo(u(0.6, 0.28), u(0.78, 0.42), u(0.78, 0.62));
  drop.arcTo(QRectF(u(0.22, 0.34), u(0.78, 0.9)), 0, -180);
  drop.cubicTo(u(0.22, 0.42), u(0.4, 0.28), u(0.5, 0.08));
  p.setBrush(Vertical(drop.boundingRect(), k));
  p.drawPath(drop);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 170));
  p.drawEllipse(QRectF(u(0.34, 0.52), u(0.44, 0.7)));
}

void Star(QPainter& p, const Unit& u, const KindLook& k) {
  QPolygonF star;
  for (int i = 0; i < 10; ++i) {
    const double r = (i % 2) ? 0.19 : 0.44, a = -Pi / 2 + i * Pi / 5;
    star << u(0.5 + r * std::cos(a), 0.54 + r * std::sin(a));
  }
  p.setBrush(Vertical(star.boundingRect(), k));
  p.drawPolygon(star);
}

void Blossom(QPainter& p, const Unit& u, const KindLook& k) {
  QRadialGradient g(u(0.5, 0.5), u(0.42));
  g.setColorAt(0.2, k.light);
  g.setColorAt(1, k.dark);
  p.setBrush(g);
  for (int i = 0; i < 5; ++i) {
    const double a = -Pi / 2 + i * 2 * Pi / 5;
    p.drawEllipse(u(0.5 + 0.21 * std::cos(a), 0.52 + 0.21 * std::sin(a)), u(0.17), u(0.17));
  }
  p.setBrush(QColor(255, 214, 80));
  p.drawEllipse(u(0.5, 0.52), u(0.1), u(0.1));
}

void Gem(QPainter& p, const Unit& u, const KindLook& k) {
  const QPolygonF gem({u(0.5, 0.08), u(0.86, 0.5), u(0.5, 0.92), u(0.14, 0.5)});
  p.setBrush(Vertical(gem.boundingRect(), k));
  p.drawPolygon(gem);
  p.setBrush(QColor(255, 255, 255, 90));
  p.drawPolygon(QPolygonF({u(0.5, 0.2), u(0.7, 0.5), u(0.5, 0.5), u(0.3, 0.5)}));
}

// The joker stands for every kind: a pinwheel in all their colours.
void Pinwheel(QPainter& p, const Unit& u) {
  const QRectF disc(u(0.1, 0.1), u(0.9, 0.9));
  for (int i = 0; i < KindCount; ++i) {
    p.setBrush(Kinds[i].light);
    p.drawPie(disc, (90 - 60 * i) * 16, -60 * 16);
  }
  p.setBrush(QColor(255, 250, 236));
  p.drawEllipse(u(0.5, 0.5), u(0.13), u(0.13));
}

using EmblemPainter = void (*)(QPainter&, const Unit&, const KindLook&);
const EmblemPainter Emblems[] = {Sun, Bamboo, Drop, Star, Blossom, Gem};

QPolygonF Body(const QRectF& f, double depth) {
  return QPolygonF(
      {f.topLeft(), f.topRight(), f.bottomRight(), QPointF(f.right() - depth, f.bottom() + depth),
       QPointF(f.left() - depth, f.bottom() + depth), QPointF(f.left() - depth, f.top() + depth)});
}

} // namespace

void DrawKindSymbol(QPainter& p, const QRectF& box, int kind) {
  p.save();
  const Unit u{box};
  p.setPen(QPen(kind == Joker ? tone::Outline : Kinds[kind].line, std::max(0.5, u(0.04))));
  if (kind == Joker)
    Pinwheel(p, u);
  else
    Emblems[kind](p, u, Kinds[kind]);
  p.restore();
}

void DrawTile(QPainter& p, const QRectF& f, double depth, const QColor& faceTop,
              const QColor& faceBottom) {
  p.save();
  const double line = std::max(0.6, f.width() / 32);
  QLinearGradient back(f.left() - depth, 0, f.right(), 0);
  back.setColorAt(0, tone::AmberDark);
  back.setColorAt(1, tone::Amber);
  p.setPen(Qt::NoPen);
  p.setBrush(back);
  p.drawPolygon(Body(f, depth));
  p.setBrush(tone::EdgeLight);
  p.drawPolygon(Body(f, depth * 0.45));
  QLinearGradient face(f.topLeft(), f.bottomLeft());
  face.setColorAt(0, faceTop);
  face.setColorAt(1, faceBottom);
  p.setBrush(face);
  p.setPen(QPen(QColor(176, 150, 112), line * 0.8));
  p.drawRoundedRect(f, line * 2, line * 2);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(tone::Outline, line));
  p.drawPolygon(Body(f, depth));
  p.restore();
}

QImage SmallTile(int kind) {
  QImage art = art::Canvas(38, 38);
  QPainter p(&art);
  p.setRenderHint(QPainter::Antialiasing);
  if (kind == Joker)
    DrawTile(p, QRectF(6.5, 0.5, 31, 31), 6, {255, 242, 196}, {238, 204, 122});
  else
    DrawTile(p, QRectF(6.5, 0.5, 31, 31), 6, tone::IvoryTop, tone::IvoryBottom);
  DrawKindSymbol(p, QRectF(9, 3, 26, 26), kind);
  p.end();
  return art::KeyOut(art, Qt::black);
}

QImage LetterLogo(int index) {
  // The logos chase each other round the panel; along the top, where they read from left to
  // right, the last image leads the way, so the name is spelt backwards here.
  static const char Letters[] = "RAMLEP";
  static const int Hues[] = {0, 3, 1, 2, 4, 5};
  QImage art = art::Canvas(38, 40);
  QPainter p(&art);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF face(6.5, 0.5, 31, 33);
  DrawTile(p, face, 6, tone::IvoryTop, tone::IvoryBottom);
  QPainterPath letter;
  letter.addText(0, 0, art::PixelFont("DejaVu Serif", 27), QString(QChar(Letters[index])));
  const QRectF r = letter.boundingRect();
  letter.translate(face.center() - r.center());
  const KindLook& k = Kinds[Hues[index]];
  p.setPen(QPen(k.line, 1.2));
  p.setBrush(Vertical(letter.boundingRect(), k));
  p.drawPath(letter);
  p.end();
  return art::KeyOut(art, QColor(128, 0, 128));
}

QImage MiniatureTile() {
  // Thirteen pixels leave no room for anti-aliasing: every pixel is placed.
  QImage image(13, 15, QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter p(&image);
  p.setPen(Qt::NoPen);
  p.setBrush(tone::AmberDark);
  p.drawPolygon(QPolygon({{3, 0}, {13, 0}, {13, 12}, {10, 15}, {0, 15}, {0, 3}}));
  p.setBrush(tone::Amber);
  p.drawPolygon(QPolygon({{3, 0}, {13, 0}, {13, 12}, {11, 14}, {1, 14}, {1, 2}}));
  p.fillRect(2, 1, 10, 12, tone::EdgeLight);
  p.fillRect(3, 0, 10, 12, QColor(184, 156, 116)); // a rim, so touching tiles stay apart
  p.fillRect(3, 1, 9, 11, tone::IvoryBottom);
  p.fillRect(3, 1, 8, 9, tone::IvoryTop);
  return image;
}

QImage DigitStrip() {
  QImage art = art::Canvas(200, 22);
  QPainter p(&art);
  p.setRenderHint(QPainter::Antialiasing);
  const QFont font = art::PixelFont("DejaVu Sans", 21);
  for (int d = 0; d < 10; ++d) {
    QPainterPath digit;
    digit.addText(0, 0, font, QString::number(d));
    digit.translate(QRectF(20 * d, 0, 20, 22).center() - digit.boundingRect().center());
    QLinearGradient g(0, 2, 0, 20);
    g.setColorAt(0, QColor(255, 240, 150));
    g.setColorAt(1, QColor(232, 142, 36));
    p.setPen(QPen(QColor(124, 36, 10), 2.2));
    p.setBrush(g);
    p.drawPath(digit);
  }
  p.end();
  return art::KeyOut(art, Qt::black);
}

} // namespace assetgen::pics

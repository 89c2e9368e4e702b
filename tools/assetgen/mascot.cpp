// The panda of the hall-of-fame panel, whose face follows the player's progress.
//
// Some pictures are loaded by drawing a second picture over a first. Each such second picture
// is a whole picture whose figure covers all of the first one's, so the result is the same
// whether the loader draws it with its key colour or without.
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

#include "art_kit.h"
#include "picture_parts.h"

namespace assetgen::pics {

namespace {

constexpr int Width = 92, Height = 166;
constexpr double Pi = std::numbers::pi;

const QColor Fur(255, 255, 252), FurShade(214, 214, 224), Black(44, 40, 50), Ink(28, 24, 32);
const QColor Blush(255, 150, 160, 130), MouthRed(150, 40, 52), Tongue(246, 128, 140);

enum class Mood { Content, Delighted, Worried, Focused, Cheer, Surprised, Serene };
enum class Prop { Tile, SmallTiles, Fan, Teacup, Column, Orchid };

struct Outfit {
  QColor scarf;
  Prop prop;
  bool crown; // orchids on the head
};

// Where the paws hold: a tall column close in, a little pile from below, the rest at its sides.
struct Hold {
  double spread, y;
};
Hold PawsFor(Prop prop) {
  if (prop == Prop::Column) return {11, 118};
  if (prop == Prop::SmallTiles) return {12, 121};
  return {15, 118};
}

QPen InkPen(double width) {
  return QPen(Ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void FurBrush(QPainter& p, const QRectF& r) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0.3, Fur);
  g.setColorAt(1, FurShade);
  p.setBrush(g);
}

void Orchid(QPainter& p, QPointF c, double size) {
  p.setPen(QPen(QColor(150, 50, 130), 0.8));
  p.setBrush(QColor(240, 164, 214));
  for (int i = 0; i < 5; ++i) {
    const double a = -Pi / 2 + i * 2 * Pi / 5;
    p.drawEllipse(c + QPointF(std::cos(a), std::sin(a)) * size * 0.55, size * 0.45, size * 0.45);
  }
  p.setBrush(QColor(176, 60, 150));
  p.drawEllipse(c + QPointF(0, size * 0.15), size * 0.3, size * 0.35);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 226, 110));
  p.drawEllipse(c, size * 0.14, size * 0.14);
}

void Body(QPainter& p, const Outfit& o) {
  const QRectF body(13, 76, 66, 76);
  FurBrush(p, body);
  p.setPen(InkPen(1.5));
  p.drawEllipse(body);
  // The feet, soles towards us, as a panda sits.
  for (double x : {27.0, 65.0}) {
    p.setBrush(Black);
    p.drawEllipse(QPointF(x, 150), 14, 11);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 122, 132));
    p.drawEllipse(QPointF(x, 152), 7, 6);
    for (int t = -1; t <= 1; ++t) p.drawEllipse(QPointF(x + 5 * t, 143.5), 2, 2);
    p.setPen(InkPen(1.5));
  }
  // The scarf and its knot.
  QLinearGradient g(0, 70, 0, 84);
  g.setColorAt(0, o.scarf.lighter(125));
  g.setColorAt(1, o.scarf.darker(125));
  p.setBrush(g);
  p.setPen(QPen(o.scarf.darker(200), 1.2));
  p.drawRoundedRect(QRectF(20, 70, 52, 12), 6, 6);
  p.drawEllipse(QPointF(59, 80), 5.5, 5);
  // Arms, bowed round whatever the panda holds.
  const Hold hold = PawsFor(o.prop);
  for (double side : {-1.0, 1.0}) {
    QPainterPath arm(QPointF(46 + 26 * side, 89));
    arm.quadTo(46 + 31 * side, 108, 46 + hold.spread * side, hold.y);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Ink, 15, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(arm);
    p.setPen(QPen(Black, 12, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(arm);
  }
}

void SmallTileAt(QPainter& p, QRectF face, int kind) {
  DrawTile(p, face, 3, tone::IvoryTop, tone::IvoryBottom);
  DrawKindSymbol(p, face.adjusted(1.5, 1.5, -1.5, -1.5), kind);
}

void PropInHands(QPainter& p, Prop prop) {
  switch (prop) {
  case Prop::Tile:
    DrawTile(p, QRectF(35.5, 93, 23, 29), 4, tone::IvoryTop, tone::IvoryBottom);
    DrawKindSymbol(p, QRectF(37.5, 97, 19, 19), 0);
    break;
  case Prop::SmallTiles:
    SmallTileAt(p, QRectF(32, 100, 15, 15), 2);
    SmallTileAt(p, QRectF(48, 100, 15, 15), 1);
    SmallTileAt(p, QRectF(40, 85, 15, 15), 0);
    break;
  case Prop::Column:
    for (int k = 0; k < 3; ++k) SmallTileAt(p, QRectF(40, 84 + 14 * k, 14, 14), (k + 3) % 6);
    break;
  case Prop::Fan: {
    const QRectF disc(16, 92, 60, 60);
    p.setPen(QPen(QColor(120, 70, 40), 1));
    p.setBrush(tone::Cream);
    p.drawPie(disc, 25 * 16, 130 * 16);
    p.setBrush(QColor(60, 150, 140, 150)); // a wave painted across the paper
    p.drawChord(QRectF(26, 102, 40, 40), 40 * 16, 100 * 16);
    for (int i = 0; i <= 8; ++i) {
      const double a = (25 + i * 130.0 / 8) * Pi / 180;
      p.drawLine(QPointF(46, 122), QPointF(46 + 30 * std::cos(a), 122 - 30 * std::sin(a)));
    }
    break;
  }
  case Prop::Teacup: {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 162, 196, 210), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (double x : {40.0, 51.0}) {
      QPainterPath steam(QPointF(x, 100));
      steam.cubicTo(x - 4, 95, x + 4, 92, x, 86);
      p.drawPath(steam);
    }
    QPainterPath cup(QPointF(30, 102));
    cup.lineTo(62, 102);
    cup.cubicTo(62, 116, 56, 125, 46, 125);
    cup.cubicTo(36, 125, 30, 116, 30, 102);
    QLinearGradient glaze(30, 0, 62, 0);
    glaze.setColorAt(0, QColor(150, 200, 186));
    glaze.setColorAt(0.4, QColor(196, 232, 218));
    glaze.setColorAt(1, QColor(120, 176, 162));
    p.setPen(QPen(QColor(50, 96, 86), 1.2));
    p.setBrush(glaze);
    p.drawPath(cup);
    p.setBrush(QColor(160, 110, 40));
    p.drawEllipse(QRectF(30.5, 99.5, 31, 5));
    break;
  }
  case Prop::Orchid:
    p.setPen(QPen(QColor(60, 120, 50), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(46, 126), QPointF(49, 96));
    Orchid(p, {49, 94}, 9);
    Orchid(p, {39, 106}, 7);
    Orchid(p, {56, 108}, 6.5);
    break;
  }
  p.setPen(InkPen(1.2));
  p.setBrush(Black);
  const Hold hold = PawsFor(prop);
  p.drawEllipse(QPointF(46 - hold.spread, hold.y), 6.5, 6.5);
  p.drawEllipse(QPointF(46 + hold.spread, hold.y), 6.5, 6.5);
}

void Head(QPainter& p, const Outfit& o) {
  p.setPen(InkPen(1.5));
  for (double x : {20.0, 72.0}) {
    p.setBrush(Black);
    p.drawEllipse(QPointF(x, 23), 11, 11);
    p.setBrush(QColor(92, 80, 96));
    p.drawEllipse(QPointF(x + (x < 46 ? 1.5 : -1.5), 24), 5, 5);
  }
  const QRectF head(13, 17, 66, 58);
  FurBrush(p, head);
  p.drawEllipse(head);
  p.setPen(Qt::NoPen);
  p.setBrush(Black);
  for (double side : {-1.0, 1.0}) {
    p.save();
    p.translate(46 + 13.5 * side, 48);
    p.rotate(-30 * side);
    p.drawEllipse(QPointF(0, 0), 8.5, 11);
    p.restore();
  }
  if (o.crown) {
    p.setPen(QPen(QColor(70, 130, 60), 1));
    p.setBrush(QColor(100, 168, 80));
    p.drawEllipse(QRectF(27, 14, 14, 6));
    p.drawEllipse(QRectF(51, 14, 14, 6));
    Orchid(p, {35, 17}, 6);
    Orchid(p, {57, 17}, 6);
    Orchid(p, {46, 13}, 7.5);
  }
}

void OpenEyes(QPainter& p, double whiteRadius, double pupilRadius, double lookUp) {
  for (double x : {33.5, 58.5}) {
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(x, 46), whiteRadius, whiteRadius);
    p.setBrush(Ink);
    p.drawEllipse(QPointF(x + 0.3, 46.4 - lookUp), pupilRadius, pupilRadius);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(x - 0.9, 45 - lookUp), 0.9, 0.9);
  }
}

void ArcEyes(QPainter& p, double bend) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
  for (double x : {33.5, 58.5}) {
    QPainterPath arc(QPointF(x - 4, 47.5));
    arc.quadTo(x, 47.5 - bend, x + 4, 47.5);
    p.drawPath(arc);
  }
}

void CatMouth(QPainter& p) {
  p.setBrush(Qt::NoBrush);
  p.setPen(InkPen(1.4));
  QPainterPath mouth(QPointF(40.5, 60));
  mouth.quadTo(43.25, 64.5, 46, 60.5);
  mouth.quadTo(48.75, 64.5, 51.5, 60);
  p.drawPath(mouth);
}

void OpenMouth(QPainter& p, double width, double depth) {
  QPainterPath mouth(QPointF(46 - width, 61));
  mouth.quadTo(46, 61 + 2 * depth, 46 + width, 61);
  mouth.closeSubpath();
  p.setPen(InkPen(1.3));
  p.setBrush(MouthRed);
  p.drawPath(mouth);
  p.save();
  p.setClipPath(mouth);
  p.setPen(Qt::NoPen);
  p.setBrush(Tongue);
  p.drawEllipse(QPointF(46, 61 + depth), width * 0.55, depth * 0.45);
  p.restore();
}

void Face(QPainter& p, Mood mood) {
  p.setPen(Qt::NoPen);
  p.setBrush(Blush);
  p.drawEllipse(QPointF(23, 60), 5, 3);
  p.drawEllipse(QPointF(69, 60), 5, 3);
  switch (mood) {
  case Mood::Content:
  case Mood::Focused:
    OpenEyes(p, 3.8, 2.5, 0);
    break;
  case Mood::Delighted:
  case Mood::Cheer:
    ArcEyes(p, 8);
    break;
  case Mood::Worried:
    OpenEyes(p, 3.8, 2.2, 0.8);
    break;
  case Mood::Surprised:
    OpenEyes(p, 4.6, 1.8, 0);
    break;
  case Mood::Serene:
    ArcEyes(p, -4);
    break;
  }
  p.setPen(InkPen(1.2));
  p.setBrush(Ink);
  p.drawPolygon(QPolygonF({{42.5, 55.5}, {49.5, 55.5}, {46, 59}}));
  switch (mood) {
  case Mood::Content:
  case Mood::Serene:
    CatMouth(p);
    break;
  case Mood::Focused:
    p.setPen(InkPen(1));
    p.setBrush(Tongue);
    p.drawEllipse(QPointF(49.5, 63.5), 2.6, 3);
    CatMouth(p);
    break;
  case Mood::Delighted:
    OpenMouth(p, 6, 6);
    break;
  case Mood::Cheer:
    OpenMouth(p, 7.5, 8);
    break;
  case Mood::Surprised:
    p.setPen(InkPen(1.2));
    p.setBrush(MouthRed);
    p.drawEllipse(QPointF(46, 64.5), 2.6, 3.3);
    break;
  case Mood::Worried: {
    p.setBrush(Qt::NoBrush);
    p.setPen(InkPen(1.4));
    QPainterPath mouth(QPointF(41, 64.5));
    mouth.cubicTo(43, 61.5, 45, 65.5, 46, 63.5);
    mouth.cubicTo(47, 61.5, 49, 65.5, 51, 63);
    p.drawPath(mouth);
    // Brows raised in the middle: the classic look of worry.
    p.setPen(InkPen(1.8));
    p.drawLine(QPointF(26, 36.5), QPointF(35.5, 31.5));
    p.drawLine(QPointF(66, 36.5), QPointF(56.5, 31.5));
    break;
  }
  }
}

void Sparkle(QPainter& p, QPointF c, double r) {
  QPainterPath star(c + QPointF(0, -r));
  for (int i = 1; i <= 4; ++i) {
    const double a = -Pi / 2 + i * Pi / 2;
    star.quadTo(c, c + QPointF(std::cos(a), std::sin(a)) * r);
  }
  p.setPen(QPen(tone::GoldDark, 0.8));
  p.setBrush(QColor(255, 226, 100));
  p.drawPath(star);
}

// What floats round the figure; only ever added to the calm picture, never taken from it.
void Extras(QPainter& p, Mood mood) {
  if (mood == Mood::Delighted || mood == Mood::Cheer) {
    Sparkle(p, {8, 52}, 6);
    Sparkle(p, {85, 56}, 5);
    Sparkle(p, {9, 88}, 4);
    if (mood == Mood::Cheer) Sparkle(p, {84, 92}, 5);
  } else if (mood == Mood::Worried) {
    QPainterPath drop(QPointF(83, 34));
    drop.cubicTo(86, 40, 88, 43, 85.5, 46);
    drop.cubicTo(83.5, 48, 79.5, 47, 79.5, 43.5);
    drop.cubicTo(79.5, 41, 81.5, 38, 83, 34);
    p.setPen(QPen(QColor(40, 100, 170), 1));
    p.setBrush(QColor(160, 210, 250));
    p.drawPath(drop);
  } else if (mood == Mood::Surprised) {
    p.setPen(QPen(QColor(120, 20, 20), 1));
    p.setBrush(QColor(236, 70, 60));
    p.drawRoundedRect(QRectF(81, 40, 5, 12), 2, 2);
    p.drawEllipse(QPointF(83.5, 56), 2.6, 2.6);
  }
}

// A pale rim round the whole figure, like a sticker: it keeps the dark fur apart from any
// background, and it makes a clean hard edge for the key colour.
QImage WithRim(const QImage& figure, const QColor& rim, int radius) {
  QImage out = art::Canvas(figure.width(), figure.height());
  const auto solid = [&](int x, int y) {
    return x >= 0 && y >= 0 && x < figure.width() && y < figure.height() &&
           qAlpha(figure.pixel(x, y)) >= 128;
  };
  for (int y = 0; y < figure.height(); ++y)
    for (int x = 0; x < figure.width(); ++x) {
      bool near = false;
      for (int dy = -radius; dy <= radius && !near; ++dy)
        for (int dx = -radius; dx <= radius && !near; ++dx)
          near = dx * dx + dy * dy <= radius * radius + 1 && solid(x + dx, y + dy);
      if (near) out.setPixel(x, y, rim.rgba());
    }
  QPainter p(&out);
  p.drawImage(0, 0, figure);
  return out;
}

QImage Panda(const Outfit& outfit, Mood mood, const QColor& key) {
  QImage figure = art::Canvas(Width, Height);
  QPainter p(&figure);
  p.setRenderHint(QPainter::Antialiasing);
  Body(p, outfit);
  PropInHands(p, outfit.prop);
  Head(p, outfit);
  Face(p, mood);
  Extras(p, mood);
  p.end();
  return art::KeyOut(WithRim(figure, tone::Cream, 2), key);
}

struct Picture {
  const char* file;
  Outfit outfit;
  Mood mood;
  QColor key;
};

} // namespace

std::vector<MascotFile> MascotPictures() {
  const QColor Green(132, 255, 132), OrchidKey(124, 65, 123), Hashira(125, 64, 124);
  const Outfit welcome{{196, 52, 52}, Prop::Tile, false};
  const Outfit clicks{{56, 110, 196}, Prop::SmallTiles, false};
  const Outfit rivers{{40, 146, 118}, Prop::Fan, false};
  const Outfit solitaire{{222, 166, 48}, Prop::Teacup, false};
  const Outfit falling{{132, 72, 176}, Prop::Column, false};
  const QColor lilac(214, 128, 188);
  const Picture pictures[] = {
      {"hof_welcome_content.bmp", welcome, Mood::Content, Green},
      {"hof_welcome_delighted.bmp", welcome, Mood::Delighted, Green},
      {"hof_welcome_worried.bmp", welcome, Mood::Worried, Green},
      {"hof_clicks_content.bmp", clicks, Mood::Content, Green},
      {"hof_clicks_delighted.bmp", clicks, Mood::Delighted, Green},
      {"hof_clicks_worried.bmp", clicks, Mood::Worried, Green},
      {"hof_rivers_content.bmp", rivers, Mood::Content, Green},
      {"hof_rivers_delighted.bmp", rivers, Mood::Delighted, Green},
      {"hof_rivers_worried.bmp", rivers, Mood::Worried, Green},
      {"hof_solitaire_content.bmp", solitaire, Mood::Content, Green},
      {"hof_solitaire_delighted.bmp", solitaire, Mood::Delighted, Green},
      {"hof_solitaire_worried.bmp", solitaire, Mood::Worried, Green},
      {"hof_orchid_other.bmp", {lilac, Prop::Orchid, true}, Mood::Content, OrchidKey},
      {"hof_orchid_clicks.bmp", {lilac, Prop::SmallTiles, true}, Mood::Delighted, OrchidKey},
      {"hof_orchid_solitaire.bmp", {lilac, Prop::Teacup, true}, Mood::Serene, {124, 66, 123}},
      {"hof_orchid_rivers.bmp", {lilac, Prop::Fan, true}, Mood::Delighted, OrchidKey},
      {"hof_hashira_focused.bmp", falling, Mood::Focused, Hashira},
      {"hof_hashira_cheer.bmp", falling, Mood::Cheer, Hashira},
      {"hof_hashira_surprised.bmp", falling, Mood::Surprised, Hashira},
  };
  std::vector<MascotFile> files;
  for (const Picture& m : pictures)
    files.push_back({m.file, m.key, Panda(m.outfit, m.mood, m.key)});
  return files;
}

} // namespace assetgen::pics

// The toolbar's own pictures, shown when the desktop has no icon theme. One 24x24 drawing per
// button in one manner: bold shapes in the program's warm palette, each edged with the same dark
// line so that they read on a light or a dark toolbar alike.
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

#include "art_kit.h"
#include "picture_parts.h"

namespace assetgen::pics {

namespace {

constexpr int IconSize = 24;
constexpr double EdgeWidth = 1.2;

// A filled shape edged with the shared dark line.
void Shape(QPainter& p, const QPainterPath& path, const QBrush& fill) {
  p.setPen(QPen(tone::Outline, EdgeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(fill);
  p.drawPath(path);
}

// A line of some thickness as a shape of its own, so it gets the same edge as everything else.
QPainterPath Thick(const QPainterPath& line, double width) {
  QPainterPathStroker stroker;
  stroker.setWidth(width);
  stroker.setCapStyle(Qt::RoundCap);
  stroker.setJoinStyle(Qt::RoundJoin);
  return stroker.createStroke(line);
}

// Parts drawn in different directions would cancel where they overlap if merely added together.
QPainterPath Union(std::initializer_list<QPainterPath> parts) {
  QPainterPath whole;
  for (const QPainterPath& part : parts) whole = whole.united(part);
  return whole;
}

QPainterPath Polygon(std::initializer_list<QPointF> points) {
  QPainterPath path;
  path.addPolygon(QPolygonF(points));
  path.closeSubpath();
  return path;
}

// An arrow along `line` whose head, a triangle of `headLength`, points the way the line ends.
QPainterPath Arrow(const QPainterPath& line, double width, double headLength, double headWidth) {
  const QPointF tip = line.pointAtPercent(1);
  const double angle = line.angleAtPercent(1);
  // The shaft stops inside the head so that its round cap does not poke through the tip.
  QPainterPath shaft;
  const double stop = 1 - headLength * 0.7 / line.length();
  shaft.moveTo(line.pointAtPercent(0));
  for (int i = 1; i <= 24; ++i) shaft.lineTo(line.pointAtPercent(stop * i / 24));
  QTransform head;
  head.translate(tip.x(), tip.y());
  head.rotate(-angle);
  return Union(
      {Thick(shaft, width),
       head.map(Polygon({{0, 0}, {-headLength, -headWidth / 2}, {-headLength, headWidth / 2}}))});
}

QRadialGradient Disc(const QPointF& centre, double radius, const QColor& colour) {
  QRadialGradient g(centre - QPointF(radius / 3, radius / 3), radius * 1.4);
  g.setColorAt(0, colour.lighter(135));
  g.setColorAt(1, colour);
  return g;
}

QPainterPath Circle(const QPointF& centre, double radius) {
  QPainterPath path;
  path.addEllipse(centre, radius, radius);
  return path;
}

const QPointF Middle(12, 12);
constexpr double DiscRadius = 10;

// A small tile seen as every tile of the game is seen: its face, and its body to the lower left.
void Tile(QPainter& p, const QRectF& face) {
  const double depth = 2;
  QPainterPath front;
  front.addRect(face);
  Shape(p,
        Union({Polygon({face.topLeft(), face.topLeft() + QPointF(-depth, depth),
                        face.bottomLeft() + QPointF(-depth, depth),
                        face.bottomRight() + QPointF(-depth, depth), face.bottomRight()}),
               front}),
        tone::Amber);
  QLinearGradient ivory(face.topLeft(), face.bottomLeft());
  ivory.setColorAt(0, tone::IvoryTop);
  ivory.setColorAt(1, tone::IvoryBottom);
  QPainterPath rounded;
  rounded.addRoundedRect(face, 1.2, 1.2);
  Shape(p, rounded, ivory);
}

void New(QPainter& p) {
  Tile(p, QRectF(6.5, 2.5, 12, 15));
  // The dot of the first circle on the face, so the tile reads as a tile and not a page.
  Shape(p, Circle({12.5, 10}, 3), tone::Crimson.lighter(150));
  Shape(p, Circle({17.5, 17.5}, 5.5), Disc({17.5, 17.5}, 5.5, tone::Jade));
  QPainterPath plus;
  plus.moveTo(17.5, 14.5);
  plus.lineTo(17.5, 20.5);
  plus.moveTo(14.5, 17.5);
  plus.lineTo(20.5, 17.5);
  p.setPen(QPen(tone::Cream, 2, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(plus);
}

void Back(QPainter& p) {
  QPainterPath line;
  line.moveTo(18, 20);
  line.cubicTo(22.5, 14, 19, 7.5, 12, 7.5);
  line.lineTo(9, 7.5);
  QPainterPath arrow = Arrow(line, 4, 8, 12);
  Shape(p, arrow, tone::Amber);
}

void Hint(QPainter& p) {
  QPainterPath rays;
  for (const QLineF& ray : {QLineF(2.5, 9, 4.5, 9), QLineF(19.5, 9, 21.5, 9),
                            QLineF(4.5, 2.5, 6, 4), QLineF(19.5, 2.5, 18, 4)}) {
    rays.moveTo(ray.p1());
    rays.lineTo(ray.p2());
  }
  p.setPen(QPen(tone::GoldDark, 1.5, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(rays);
  QPainterPath neck;
  neck.addRect(QRectF(9, 13, 6, 4));
  Shape(p, Union({Circle({12, 9.5}, 6.8), neck}), Disc({12, 9.5}, 6.8, tone::Gold));
  QPainterPath base;
  base.addRoundedRect(QRectF(8.5, 16.5, 7, 5), 1.5, 1.5);
  Shape(p, base, QColor(150, 146, 140));
  p.setPen(QPen(tone::Outline, 0.9));
  p.drawLine(QPointF(9, 19), QPointF(15, 19));
}

void Shuffle(QPainter& p) {
  QPainterPath down;
  down.moveTo(3, 7);
  down.cubicTo(10, 7, 12, 17, 21, 17);
  QPainterPath up;
  up.moveTo(3, 17);
  up.cubicTo(10, 17, 12, 7, 21, 7);
  Shape(p, Arrow(down, 3, 5.5, 8), tone::Jade);
  Shape(p, Arrow(up, 3, 5.5, 8), tone::Amber);
}

void PlayDisc(QPainter& p) {
  Shape(p, Circle(Middle, DiscRadius), Disc(Middle, DiscRadius, tone::Gold));
}

void Pause(QPainter& p) {
  PlayDisc(p);
  QPainterPath bars;
  bars.addRoundedRect(QRectF(7.8, 6.5, 3.2, 11), 0.8, 0.8);
  bars.addRoundedRect(QRectF(13, 6.5, 3.2, 11), 0.8, 0.8);
  Shape(p, bars, tone::Plum);
}

void Play(QPainter& p) {
  PlayDisc(p);
  Shape(p, Polygon({{9, 6.5}, {9, 17.5}, {17.5, 12}}), tone::Plum);
}

void Music(QPainter& p) {
  QPainterPath notes = Polygon({{9, 5}, {20.8, 2.5}, {20.8, 6}, {9, 8.5}});
  for (const QPointF& head : {QPointF(7, 18.5), QPointF(17, 16)}) {
    QPainterPath oval, stem;
    oval.addEllipse(QPointF(0, 0), 3.6, 2.6);
    stem.addRect(QRectF(head.x() + 2, head.y() - 13.5, 1.8, 13.5));
    notes = Union({notes, QTransform().translate(head.x(), head.y()).rotate(-22).map(oval), stem});
  }
  Shape(p, notes, tone::Plum);
}

void Layout(QPainter& p) {
  Tile(p, QRectF(3.5, 11.5, 8, 10));
  Tile(p, QRectF(13.5, 11.5, 8, 10));
  Tile(p, QRectF(8.5, 2.5, 8, 10));
}

// The marks of Help and About: a cream sign on a coloured disc.
void SignDisc(QPainter& p, const QColor& colour, const QPainterPath& sign) {
  Shape(p, Circle(Middle, DiscRadius), Disc(Middle, DiscRadius, colour));
  p.setPen(Qt::NoPen);
  p.setBrush(tone::Cream);
  p.drawPath(sign);
}

void Help(QPainter& p) {
  QPainterPath hook;
  hook.moveTo(8.6, 9.2);
  hook.cubicTo(8.6, 4.6, 15.4, 4.6, 15.4, 8.8);
  hook.cubicTo(15.4, 11.6, 12, 11.4, 12, 14.4);
  SignDisc(p, tone::Jade, Union({Thick(hook, 2.8), Circle({12, 18}, 1.7)}));
}

void About(QPainter& p) {
  QPainterPath stem, foot, serif;
  stem.addRoundedRect(QRectF(10.6, 9.8, 2.8, 8.6), 0.8, 0.8);
  foot.addRoundedRect(QRectF(9.2, 16.6, 5.6, 1.8), 0.6, 0.6);
  serif.addRoundedRect(QRectF(9.8, 9.8, 3.6, 1.6), 0.6, 0.6);
  SignDisc(p, tone::Plum.lighter(150), Union({Circle({12, 6.8}, 1.8), stem, foot, serif}));
}

void Hall(QPainter& p) {
  QPainterPath handles;
  handles.addEllipse(QPointF(6, 7.5), 3.6, 3.8);
  handles.addEllipse(QPointF(18, 7.5), 3.6, 3.8);
  p.setPen(QPen(tone::GoldDark, 1.8));
  p.setBrush(Qt::NoBrush);
  p.drawPath(handles);
  QPainterPath cup;
  cup.moveTo(5.5, 2.5);
  cup.lineTo(18.5, 2.5);
  cup.cubicTo(18.5, 10, 16, 13.5, 13.2, 14.2);
  cup.lineTo(13.2, 17);
  cup.lineTo(10.8, 17);
  cup.lineTo(10.8, 14.2);
  cup.cubicTo(8, 13.5, 5.5, 10, 5.5, 2.5);
  cup.closeSubpath();
  QLinearGradient gold(5, 0, 19, 0);
  gold.setColorAt(0, tone::Gold.lighter(125));
  gold.setColorAt(1, tone::Gold.darker(115));
  Shape(p, cup, gold);
  QPainterPath base;
  base.addRoundedRect(QRectF(7, 17, 10, 4.5), 1, 1);
  Shape(p, base, tone::Walnut);
}

void Exit(QPainter& p) {
  QPainterPath frame;
  frame.addRect(QRectF(3.5, 2.5, 11, 19));
  Shape(p, frame, tone::WalnutDark);
  // The door stands open towards the player: its leaf is a narrowing shape on the hinge side.
  Shape(p, Polygon({{3.5, 2.5}, {10, 4.5}, {10, 23}, {3.5, 21.5}}), tone::Walnut.lighter(120));
  QPainterPath line;
  line.moveTo(10.5, 12);
  line.lineTo(22, 12);
  Shape(p, Arrow(line, 3.2, 6, 9), tone::Crimson.lighter(130));
}

struct IconPainter {
  const char* file;
  void (*paint)(QPainter&);
};
const IconPainter Icons[] = {
    {"tool_new.png", New},         {"tool_back.png", Back},     {"tool_hint.png", Hint},
    {"tool_shuffle.png", Shuffle}, {"tool_pause.png", Pause},   {"tool_play.png", Play},
    {"tool_music.png", Music},     {"tool_layout.png", Layout}, {"tool_help.png", Help},
    {"tool_about.png", About},     {"tool_hall.png", Hall},     {"tool_exit.png", Exit},
};

} // namespace

std::vector<ToolbarIcon> ToolbarIcons() {
  std::vector<ToolbarIcon> icons;
  for (const IconPainter& icon : Icons)
    for (int density : {1, 2}) {
      QImage image = art::Canvas(IconSize * density, IconSize * density);
      QPainter p(&image);
      p.setRenderHint(QPainter::Antialiasing);
      p.scale(density, density);
      icon.paint(p);
      p.end();
      std::string file = icon.file;
      if (density == 2) file.insert(file.size() - 4, "@2x"); // Qt's name for the denser picture
      icons.push_back({file, image});
    }
  return icons;
}

} // namespace assetgen::pics

// The 42 tile pictures: characters, bamboos and dots, winds and dragons. Flowers, seasons and the
// bird of bamboo one are in tile_plants.cpp.
#include "tile_art.h"

#include <QFont>
#include <QFontInfo>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <numbers>
#include <vector>

namespace assetgen {

void ArtFailure(const QString& why) {
  std::cerr << "assetgen: tilesets: " << why.toStdString() << "\n";
  std::exit(1);
}

GlyphSource::GlyphSource(const QString& family, int weight) : family_(family) {
  QFont font(family);
  font.setPixelSize(100);
  font.setWeight(static_cast<QFont::Weight>(weight));
  const QFontInfo info(font);
  if (info.family() != family)
    ArtFailure("the font \"" + family + "\" is not installed; the system offers \"" +
               info.family() + "\" instead");
  raw_ = QRawFont::fromFont(font);
  if (!raw_.isValid() || raw_.familyName() != family)
    ArtFailure("cannot open the outlines of the font \"" + family + "\"");
}

QPainterPath GlyphSource::Outline(char32_t character) const {
  const QString text = QString::fromUcs4(&character, 1);
  const QList<quint32> glyphs = raw_.glyphIndexesForString(text);
  if (!raw_.supportsCharacter(character) || glyphs.size() != 1 || glyphs[0] == 0)
    ArtFailure("the font \"" + family_ + "\" has no glyph for \"" + text + "\"");
  QPainterPath path = raw_.pathForGlyph(glyphs[0]);
  if (path.isEmpty()) ArtFailure("the glyph for \"" + text + "\" in \"" + family_ + "\" is empty");
  return path;
}

const GlyphSource& HanGlyphs() {
  static const GlyphSource glyphs("WenQuanYi Micro Hei", QFont::Normal);
  return glyphs;
}

const GlyphSource& DigitGlyphs() {
  static const GlyphSource glyphs("DejaVu Sans", QFont::Bold);
  return glyphs;
}

QPainterPath Disc(QPointF centre, double r) {
  QPainterPath path;
  path.addEllipse(centre, r, r);
  return path;
}

void Cut(QPainter& p, const QPainterPath& shape) {
  p.setCompositionMode(QPainter::CompositionMode_DestinationOut);
  p.fillPath(shape, Qt::black);
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void FillShape(QPainter& p, const QPainterPath& shape, QRgb colour, const TileStyle& style) {
  if (qAlpha(style.contour) != 0)
    p.strokePath(shape, QPen(QColor::fromRgba(style.contour), 1.4, Qt::SolidLine, Qt::RoundCap,
                             Qt::RoundJoin));
  p.fillPath(shape, QColor::fromRgba(colour));
}

namespace {

// Ink of the glyph centred in `box` at `em` pixels to the em, stretched across by `stretch`, and
// shrunk when it would not fit.
QPainterPath PlaceGlyph(const QPainterPath& glyph, const QRectF& box, double em, double stretch) {
  const QRectF ink = glyph.boundingRect();
  double sy = em / 100.0, sx = sy * stretch;
  const double fit = std::min(
      {1.0, box.width() / (ink.width() * sx + 0.01), box.height() / (ink.height() * sy + 0.01)});
  sx *= fit;
  sy *= fit;
  QTransform t;
  t.translate(box.center().x(), box.center().y());
  t.scale(sx, sy);
  t.translate(-ink.center().x(), -ink.center().y());
  return t.map(glyph);
}

void DrawHan(QPainter& p, char32_t character, const QRectF& box, double em, double stretch,
             QRgb colour, const TileStyle& style) {
  // The extra stroke must stay inside the box too.
  const double margin = style.bold / 2;
  const QPainterPath placed =
      PlaceGlyph(HanGlyphs().Outline(character), box.adjusted(margin, margin, -margin, -margin),
                 em * style.characterScale, stretch);
  if (style.bold > 0)
    p.strokePath(placed, QPen(QColor::fromRgba(colour), style.bold, Qt::SolidLine, Qt::RoundCap,
                              Qt::RoundJoin));
  p.fillPath(placed, QColor::fromRgba(colour));
}

QPainterPath Ring(QPointF centre, double r, double width) {
  QPainterPath ring = Disc(centre, r + width / 2);
  return ring.subtracted(Disc(centre, r - width / 2));
}

// ---- Characters ----

constexpr std::array<char32_t, 9> Numerals = {U'一', U'二', U'三', U'四', U'五',
                                              U'六', U'七', U'八', U'九'};

void PaintCrak(QPainter& p, int rank, const TileStyle& style) {
  DrawHan(p, Numerals[rank - 1], QRectF(3.5, 3, 33, 17), 23, 1.35, style.ink, style);
  DrawHan(p, U'萬', QRectF(3.5, 20.5, 33, 27), 29, 1.0, style.red, style);
}

// ---- Dots ----

enum Ink { Green, Blue, Red };

QRgb InkColour(Ink ink, const TileStyle& style) {
  switch (ink) {
  case Green:
    return style.green;
  case Blue:
    return style.blue;
  default:
    return style.red;
  }
}

// A painted coin: a disc with a light ring and a light eye cut into it.
void Coin(QPainter& p, QPointF c, double r, QRgb colour, const TileStyle& style) {
  FillShape(p, Disc(c, r), colour, style);
  Cut(p, Ring(c, r * 0.62, std::max(1.0, r * 0.2)));
  Cut(p, Disc(c, std::max(0.8, r * 0.17)));
}

// The one of dots: one large ornamented coin.
void BigCoin(QPainter& p, const TileStyle& style) {
  const QPointF c(20, 25);
  FillShape(p, Disc(c, 16.5), style.green, style);
  Cut(p, Ring(c, 13.3, 1.4));
  p.fillPath(Disc(c, 11.6), QColor::fromRgba(style.red));
  for (int i = 0; i < 8; ++i) {
    const double a = i * std::numbers::pi / 4;
    Cut(p, Disc(c + QPointF(std::cos(a), std::sin(a)) * 8.4, 2.1));
  }
  Cut(p, Ring(c, 4.6, 1.2));
  p.fillPath(Disc(c, 2.6), QColor::fromRgba(style.blue));
}

struct CoinSpot {
  double x, y;
  Ink ink;
};

struct DotPattern {
  double radius;
  std::vector<CoinSpot> coins;
};

// The traditional arrangements of two to nine, in face pixels, row by row.
// clang-format off
const std::array<DotPattern, 8> DotPatterns = {{
    {9.6, {{20, 13.5, Green},
           {20, 36.5, Blue}}},
    {7.6, {{10.5, 10.5, Blue},
                           {20, 25, Red},
                                          {29.5, 39.5, Green}}},
    {8.0, {{11.5, 14, Blue},  {28.5, 14, Green},
           {11.5, 36, Green}, {28.5, 36, Blue}}},
    {7.0, {{10.5, 10.5, Blue},  {29.5, 10.5, Green},
                     {20, 25, Red},
           {10.5, 39.5, Green}, {29.5, 39.5, Blue}}},
    {6.6, {{12, 9.5, Green}, {28, 9.5, Green},
           {12, 26.5, Red},  {28, 26.5, Red},
           {12, 40.5, Red},  {28, 40.5, Red}}},
    {5.8, {{9, 8, Green}, {20, 12, Green}, {31, 16, Green},
           {12.5, 28.5, Red}, {27.5, 28.5, Red},
           {12.5, 41, Red},   {27.5, 41, Red}}},
    {5.6, {{12.5, 8.5, Blue},  {27.5, 8.5, Blue},
           {12.5, 19.5, Blue}, {27.5, 19.5, Blue},
           {12.5, 30.5, Blue}, {27.5, 30.5, Blue},
           {12.5, 41.5, Blue}, {27.5, 41.5, Blue}}},
    {5.8, {{9, 10, Blue},  {20, 10, Blue},  {31, 10, Blue},
           {9, 25, Red},   {20, 25, Red},   {31, 25, Red},
           {9, 40, Green}, {20, 40, Green}, {31, 40, Green}}},
}};
// clang-format on

void PaintDots(QPainter& p, int rank, const TileStyle& style) {
  if (rank == 1) return BigCoin(p, style);
  const DotPattern& pattern = DotPatterns[rank - 2];
  for (const CoinSpot& s : pattern.coins)
    Coin(p, QPointF(s.x, s.y), pattern.radius, InkColour(s.ink, style), style);
}

// ---- Bamboos ----

// One cane: a little narrower between its three knots, with a light streak along it.
void Stick(QPainter& p, QPointF centre, double length, double angle, QRgb colour,
           const TileStyle& style) {
  constexpr double width = 6.4, knot = 2.2;
  const double h = length / 2, w = width / 2;
  p.save();
  p.translate(centre);
  p.rotate(angle);
  QPainterPath cane;
  cane.addRoundedRect(QRectF(-w * 0.8, -h, width * 0.8, length), 1.5, 1.5);
  QPainterPath knots;
  for (double y : {-h + knot / 2, 0.0, h - knot / 2})
    knots.addRoundedRect(QRectF(-w, y - knot / 2, width, knot), 0.8, 0.8);
  FillShape(p, cane.united(knots), colour, style);
  p.fillPath(knots, QColor::fromRgba(colour).darker(140));
  const QColor light = QColor::fromRgba(colour).lighter(170);
  p.setPen(QPen(light, 1.1, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(QPointF(-w * 0.3, -h + knot + 0.8), QPointF(-w * 0.3, -knot / 2 - 0.8));
  p.drawLine(QPointF(-w * 0.3, knot / 2 + 0.8), QPointF(-w * 0.3, h - knot - 0.8));
  p.restore();
}

struct StickSpot {
  double x, y, angle;
  Ink ink;
};

struct BambooPattern {
  double length;
  std::vector<StickSpot> sticks;
};

// Two to nine, row by row; the eight leans its inner canes into an M over a W.
// clang-format off
const std::array<BambooPattern, 8> BambooPatterns = {{
    {19, {{20, 13.5, 0, Blue},
          {20, 36.5, 0, Green}}},
    {19, {          {20, 13.5, 0, Blue},
          {12, 36.5, 0, Green}, {28, 36.5, 0, Green}}},
    {19, {{12, 13.5, 0, Blue},  {28, 13.5, 0, Green},
          {12, 36.5, 0, Green}, {28, 36.5, 0, Blue}}},
    {19, {{10, 13.5, 0, Green}, {30, 13.5, 0, Blue},
                     {20, 25, 0, Red},
          {10, 36.5, 0, Blue},  {30, 36.5, 0, Green}}},
    {19, {{9, 13.5, 0, Green}, {20, 13.5, 0, Green}, {31, 13.5, 0, Green},
          {9, 36.5, 0, Blue},  {20, 36.5, 0, Blue},  {31, 36.5, 0, Blue}}},
    {13.5, {            {20, 9.5, 0, Red},
            {9, 25, 0, Green},   {20, 25, 0, Green},   {31, 25, 0, Green},
            {9, 40.5, 0, Green}, {20, 40.5, 0, Green}, {31, 40.5, 0, Green}}},
    {19, {{5.5, 13.5, 0, Green}, {16, 13.5, -20, Green},
                                   {24, 13.5, 20, Green}, {34.5, 13.5, 0, Green},
          {5.5, 36.5, 0, Blue},  {16, 36.5, 20, Blue},
                                   {24, 36.5, -20, Blue}, {34.5, 36.5, 0, Blue}}},
    {13.5, {{9, 9.5, 0, Green},  {20, 9.5, 0, Red},  {31, 9.5, 0, Blue},
            {9, 25, 0, Green},   {20, 25, 0, Red},   {31, 25, 0, Blue},
            {9, 40.5, 0, Green}, {20, 40.5, 0, Red}, {31, 40.5, 0, Blue}}},
}};
// clang-format on

void PaintBamboo(QPainter& p, int rank, const TileStyle& style) {
  if (rank == 1) return PaintBird(p, style);
  const BambooPattern& pattern = BambooPatterns[rank - 2];
  for (const StickSpot& s : pattern.sticks)
    Stick(p, QPointF(s.x, s.y), pattern.length, s.angle, InkColour(s.ink, style), style);
}

// ---- Honours ----

const QRectF HonourBox(3.5, 4, 33, 42);

void PaintWhiteDragon(QPainter& p, const TileStyle& style) {
  const QColor blue = QColor::fromRgba(style.blue);
  QPainterPath frame;
  frame.addRect(QRectF(5, 5.5, 30, 39));
  QPainterPath inner;
  inner.addRect(QRectF(9.5, 10, 21, 30));
  p.strokePath(frame, QPen(blue, 3.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.strokePath(inner, QPen(blue, 1.3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  // Small squares in the corners, as on the carved frames.
  for (QPointF corner : {QPointF(9.5, 10), QPointF(30.5, 10), QPointF(9.5, 40), QPointF(30.5, 40)})
    p.fillRect(QRectF(corner - QPointF(1.6, 1.6), QSizeF(3.2, 3.2)), blue);
}

constexpr std::array<char32_t, 4> Winds = {U'北', U'南', U'東', U'西'};

void PaintDragon(QPainter& p, int which, const TileStyle& style) {
  if (which == 1) DrawHan(p, U'中', HonourBox, 36, 1.0, style.red, style);
  if (which == 2) DrawHan(p, U'發', HonourBox, 36, 1.0, style.green, style);
  if (which == 3) PaintWhiteDragon(p, style);
}

void PaintWind(QPainter& p, int which, const TileStyle& style) {
  DrawHan(p, Winds[which - 1], HonourBox, 34, 1.0, style.ink, style);
}

// Flowers and seasons in the order of their pictures, which is not their traditional numbering.
void PaintFlowerPicture(QPainter& p, int which, const TileStyle& style) {
  static constexpr std::array<Plant, 4> order = {Plant::Bamboo, Plant::Plum, Plant::Chrysanthemum,
                                                 Plant::Orchid};
  PaintFlower(p, order[which - 1], style);
}

void PaintSeasonPicture(QPainter& p, int which, const TileStyle& style) {
  static constexpr std::array<Season, 4> order = {Season::Winter, Season::Spring, Season::Summer,
                                                  Season::Autumn};
  PaintSeason(p, order[which - 1], style);
}

// The game's picture numbers: a run of pictures per kind, each painter given 1.. within its run.
struct PictureRun {
  int first, last;
  void (*paint)(QPainter&, int, const TileStyle&);
};

constexpr std::array<PictureRun, 7> PictureRuns = {{{1, 9, PaintCrak},
                                                    {10, 18, PaintBamboo},
                                                    {19, 27, PaintDots},
                                                    {28, 31, PaintFlowerPicture},
                                                    {32, 35, PaintSeasonPicture},
                                                    {36, 38, PaintDragon},
                                                    {39, 42, PaintWind}}};

} // namespace

QImage PaintTilePicture(int picture, const TileStyle& style) {
  const auto run = std::find_if(PictureRuns.begin(), PictureRuns.end(), [&](const PictureRun& r) {
    return picture >= r.first && picture <= r.last;
  });
  if (run == PictureRuns.end()) ArtFailure("there is no tile picture " + QString::number(picture));
  QImage image(FaceWidth, FaceHeight, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  run->paint(p, picture - run->first + 1, style);
  return image;
}

} // namespace assetgen

#pragma once

#include <QImage>
#include <QPainterPath>
#include <QRawFont>
#include <QRgb>

#include <cstdint>

class QPainter;

namespace assetgen {

// The look of one tileset: colours of the tile and of its ink, and how large the symbols are.
struct TileStyle {
  const char* name; // the file name without ".bmp", which is also the menu caption

  // The tile body.
  QRgb faceTop, faceBottom; // vertical gradient of the face
  QRgb faceRim;             // a line round the face, so that touching tiles stay apart
  QRgb sideNear, sideFar;   // the face layer and the back layer as seen on the 3-D edge
  QRgb selected, hint;      // face backgrounds of a selected tile and of a hinted one
  int grain;                // amplitude of the face texture, 0 for a flat face

  // The ink.
  QRgb ink, red, green, blue;
  QRgb brown, pink, violet, yellow, orange, leaf, sky;
  QRgb contour;          // a thin line round coloured shapes; fully transparent for none
  double characterScale; // size of the characters: 1 keeps the traditional proportions
  double bold;           // extra stroke width of characters, in pixels
  double numberHeight;   // of the small numbers on flowers and seasons, in pixels
};

constexpr int FaceWidth = 40, FaceHeight = 50;
constexpr int EdgeDepth = 6;
constexpr int BodyWidth = FaceWidth + EdgeDepth, BodyHeight = FaceHeight + EdgeDepth;

// Picture p (1..42, the game's picture numbers) painted with anti-aliasing on a transparent
// 40x50 image.
QImage PaintTilePicture(int picture, const TileStyle& style);

// Stops assetgen with a message: a tileset that quietly came out wrong is worse than none.
[[noreturn]] void ArtFailure(const QString& why);

// Outlines of characters taken from one named font, checked to really come from it: a font
// that lacks a glyph would otherwise leave a box that looks like a picture.
class GlyphSource {
public:
  GlyphSource(const QString& family, int weight);
  // The outline at a size of 100 pixels to the em, origin on the baseline.
  QPainterPath Outline(char32_t character) const;

private:
  QString family_;
  QRawFont raw_;
};

const GlyphSource& HanGlyphs();   // the Chinese characters
const GlyphSource& DigitGlyphs(); // the small numbers of flowers and seasons

// Shared drawing helpers of the picture painters.
QPainterPath Disc(QPointF centre, double r);
// Fills a shape, with the style's contour round it when it has one.
void FillShape(QPainter& p, const QPainterPath& shape, QRgb colour, const TileStyle& style);
// Cuts a shape out of what was painted, so that the face shows through it.
void Cut(QPainter& p, const QPainterPath& shape);

// Flowers and seasons in their traditional order, which gives the number in their corner.
enum class Plant { Plum, Orchid, Chrysanthemum, Bamboo };
enum class Season { Spring, Summer, Autumn, Winter };
void PaintFlower(QPainter& p, Plant plant, const TileStyle& style);
void PaintSeason(QPainter& p, Season season, const TileStyle& style);
void PaintBird(QPainter& p, const TileStyle& style);

} // namespace assetgen

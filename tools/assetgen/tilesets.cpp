// The tileset bitmaps: 42 pictures with their masks, the tile body with its 3-D edge, the face
// backgrounds of marked tiles and the body's outline mask, in the fixed layout the game cuts
// them from.
#include <QImage>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "assetgen.h"
#include "engine/tiles.h"
#include "image_files.h"
#include "tile_art.h"

namespace assetgen {

namespace {

// The layout of a tileset bitmap.
constexpr int CellPitchX = 41, CellPitchY = 51; // face boxes with a one-pixel gutter
constexpr int BodyRowTop = 256;                 // the tile body and the face backgrounds
constexpr int MaskOffset = 312;                 // masks sit this far below their pictures
constexpr int SelectedFaceX = 52, HintFaceX = 98, OutlineMaskX = 138;
constexpr int TilesetWidth = 9 * CellPitchX, TilesetHeight = MaskOffset + 5 * CellPitchY;

// Anti-aliased picture pixels at least this opaque become part of the picture, carrying the
// face colour they were blended with; fainter ones are left to the face.
constexpr int OpaqueFrom = 88;

constexpr QRgb Black = 0xFF000000, White = 0xFFFFFFFF;

// Ivory is the default entry of the game's menu, which is the second file in sorted order.
// clang-format off
const std::array<TileStyle, 4> Styles = {{
    // Low vision: black on white, strong colours with a contour, larger and heavier characters.
    {.name = "High Contrast",
     .faceTop = 0xFFFFFFFF, .faceBottom = 0xFFFFFFFF, .faceRim = 0xFF000000,
     .sideNear = 0xFFA8A8A8, .sideFar = 0xFF0040B0, .selected = 0xFFFFE100, .hint = 0xFF7FE0FF,
     .grain = 0,
     .ink = 0xFF000000, .red = 0xFFD40000, .green = 0xFF007A1F, .blue = 0xFF0038C8,
     .brown = 0xFF6B3A10, .pink = 0xFFE0207A, .violet = 0xFF7A1FD0, .yellow = 0xFFF5B800,
     .orange = 0xFFF06000, .leaf = 0xFF00701C, .sky = 0xFF0060E0,
     .contour = 0xFF000000, .characterScale = 1.18, .bold = 0.9, .numberHeight = 10},
    // Classic: ivory faces on a green back.
    {.name = "Ivory",
     .faceTop = 0xFFFBF6E6, .faceBottom = 0xFFEDE1C2, .faceRim = 0xFFB3A07A,
     .sideNear = 0xFFE0D0A8, .sideFar = 0xFF2F7D5B, .selected = 0xFFFFD27A, .hint = 0xFFB6E3A8,
     .grain = 5,
     .ink = 0xFF1B1B2F, .red = 0xFFC8201E, .green = 0xFF1E7B3A, .blue = 0xFF1F4F9E,
     .brown = 0xFF7A4B2A, .pink = 0xFFE2557F, .violet = 0xFF8B4DB8, .yellow = 0xFFF2C230,
     .orange = 0xFFE8742A, .leaf = 0xFF3E8E3A, .sky = 0xFF2F7FC9,
     .contour = 0x00000000, .characterScale = 1.0, .bold = 0.25, .numberHeight = 7.5},
    // Pale celadon faces on a rosewood back.
    {.name = "Jade",
     .faceTop = 0xFFE8F4EA, .faceBottom = 0xFFC3DEC9, .faceRim = 0xFF7FA88C,
     .sideNear = 0xFFBED8C4, .sideFar = 0xFF7A4A2A, .selected = 0xFFF7D488, .hint = 0xFFA9D4F0,
     .grain = 4,
     .ink = 0xFF16302A, .red = 0xFFB3261E, .green = 0xFF17693F, .blue = 0xFF1D4E89,
     .brown = 0xFF6E4426, .pink = 0xFFD94C78, .violet = 0xFF7E45AE, .yellow = 0xFFE9B722,
     .orange = 0xFFDF6A22, .leaf = 0xFF2F7F3A, .sky = 0xFF2A72B8,
     .contour = 0x00000000, .characterScale = 1.0, .bold = 0.25, .numberHeight = 7.5},
    // Dark slate faces with light ink, easy on the eyes in a dim room.
    {.name = "Night",
     .faceTop = 0xFF3A404B, .faceBottom = 0xFF292E37, .faceRim = 0xFF15181D,
     .sideNear = 0xFF59606C, .sideFar = 0xFF9B3B46, .selected = 0xFF7A6420, .hint = 0xFF1F5A4A,
     .grain = 3,
     .ink = 0xFFECE6D6, .red = 0xFFFF6B5E, .green = 0xFF57D184, .blue = 0xFF6CA8FF,
     .brown = 0xFFC08A5A, .pink = 0xFFFF8FB3, .violet = 0xFFC49BFF, .yellow = 0xFFFFD95A,
     .orange = 0xFFFF9F43, .leaf = 0xFF5CC46A, .sky = 0xFF7CC4FF,
     .contour = 0x00000000, .characterScale = 1.0, .bold = 0.15, .numberHeight = 7.5},
}};
// clang-format on

QRgb Mix(QRgb a, QRgb b, double t) {
  auto channel = [t](int x, int y) { return static_cast<int>(x + (y - x) * t + 0.5); };
  return qRgb(channel(qRed(a), qRed(b)), channel(qGreen(a), qGreen(b)),
              channel(qBlue(a), qBlue(b)));
}

QRgb Shade(QRgb c, double factor) {
  return Mix(Black, c, factor);
}

QRgb Grain(QRgb c, ArtNoise& noise, int amplitude) {
  if (amplitude == 0) return c;
  const int d = static_cast<int>(noise.Next() % (2 * amplitude + 1)) - amplitude;
  auto add = [d](int v) { return std::clamp(v + d, 0, 255); };
  return qRgb(add(qRed(c)), add(qGreen(c)), add(qBlue(c)));
}

// A 40x50 face: a gentle gradient from `top` to `bottom` with a rim round it.
QImage PaintFace(QRgb top, QRgb bottom, const TileStyle& style, std::uint32_t seed) {
  QImage face(FaceWidth, FaceHeight, QImage::Format_RGB32);
  ArtNoise noise(seed);
  for (int y = 0; y < FaceHeight; ++y) {
    const QRgb row = Mix(top, bottom, y / double(FaceHeight - 1));
    for (int x = 0; x < FaceWidth; ++x) {
      const bool rim = x == 0 || y == 0 || x == FaceWidth - 1 || y == FaceHeight - 1;
      face.setPixel(x, y, rim ? style.faceRim : Grain(row, noise, style.grain));
    }
  }
  return face;
}

// How deep into the tile a body pixel lies: 0 on the face, 1..6 on the edge (1..3 the face
// layer, 4..6 the back), -1 outside. The edge is the face shifted down and to the left.
struct BodyPixel {
  int depth = -1;
  bool leftSide = false;
};

BodyPixel Classify(int x, int y) {
  for (int d = 0; d <= EdgeDepth; ++d) {
    const int fx = x + d, fy = y - d;
    if (fx >= EdgeDepth && fx < BodyWidth && fy >= 0 && fy < FaceHeight)
      return {d, fx == EdgeDepth && fy < FaceHeight - 1};
  }
  return {};
}

QImage PaintBody(const TileStyle& style, const QImage& face) {
  QImage body(BodyWidth, BodyHeight, QImage::Format_RGB32);
  for (int y = 0; y < BodyHeight; ++y) {
    for (int x = 0; x < BodyWidth; ++x) {
      const BodyPixel at = Classify(x, y);
      QRgb colour = Black;
      if (at.depth == 0)
        colour = face.pixel(x - EdgeDepth, y);
      else if (at.depth > 0) {
        colour = at.depth <= EdgeDepth / 2 ? style.sideNear : style.sideFar;
        // Light from above and to the right: the left side lies in shade.
        if (at.leftSide) colour = Shade(colour, 0.82);
        if (at.depth == EdgeDepth) colour = Shade(colour, 0.8); // the outer rim of the back
      }
      body.setPixel(x, y, colour);
    }
  }
  return body;
}

QImage OutlineMask() {
  QImage mask(BodyWidth, BodyHeight, QImage::Format_RGB32);
  for (int y = 0; y < BodyHeight; ++y)
    for (int x = 0; x < BodyWidth; ++x)
      mask.setPixel(x, y, Classify(x, y).depth < 0 ? White : Black);
  return mask;
}

void Place(QImage& target, const QImage& part, int left, int top) {
  for (int y = 0; y < part.height(); ++y)
    for (int x = 0; x < part.width(); ++x) target.setPixel(left + x, top + y, part.pixel(x, y));
}

// Splits an anti-aliased picture, laid on the blank face, into what the game ORs onto the face
// and the mask it ANDs first: the picture is black wherever the mask lets the face show.
void PlacePicture(QImage& tileset, const QImage& art, const QImage& face, int left, int top) {
  for (int y = 0; y < FaceHeight; ++y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(art.constScanLine(y));
    for (int x = 0; x < FaceWidth; ++x) {
      const QRgb paint = row[x]; // premultiplied
      const int alpha = qAlpha(paint);
      QRgb picture = Black, mask = White;
      if (alpha >= OpaqueFrom) {
        const QRgb under = face.pixel(x, y);
        auto over = [alpha](int p, int u) { return p + (u * (255 - alpha) + 127) / 255; };
        picture = qRgb(over(qRed(paint), qRed(under)), over(qGreen(paint), qGreen(under)),
                       over(qBlue(paint), qBlue(under)));
        mask = Black;
      }
      tileset.setPixel(left + x, top + y, picture);
      tileset.setPixel(left + x, top + MaskOffset + y, mask);
    }
  }
}

QImage MakeTileset(const TileStyle& style, std::uint32_t seed) {
  QImage tileset(TilesetWidth, TilesetHeight, QImage::Format_RGB32);
  tileset.fill(Black);
  for (int y = MaskOffset; y < TilesetHeight; ++y)
    for (int x = 0; x < TilesetWidth; ++x) tileset.setPixel(x, y, White);

  const QImage face = PaintFace(style.faceTop, style.faceBottom, style, seed);
  Place(tileset, PaintBody(style, face), 0, BodyRowTop);
  Place(tileset, PaintFace(Mix(style.selected, White, 0.3), style.selected, style, seed),
        SelectedFaceX, BodyRowTop);
  Place(tileset, PaintFace(Mix(style.hint, White, 0.3), style.hint, style, seed), HintFaceX,
        BodyRowTop);
  Place(tileset, OutlineMask(), OutlineMaskX, BodyRowTop);

  for (int p = 1; p <= engine::PictureCount; ++p) {
    const int col = engine::FaceCell[p].x / FaceWidth, row = engine::FaceCell[p].y / FaceHeight;
    PlacePicture(tileset, PaintTilePicture(p, style), face, CellPitchX * col + 1,
                 CellPitchY * row + 1);
  }
  return tileset;
}

} // namespace

void MakeTilesets(const fs::path& out) {
  std::uint32_t seed = 0x5EED71E5u;
  for (const TileStyle& style : Styles)
    SaveBmp(MakeTileset(style, seed++), out / "Tilesets" / (std::string(style.name) + ".bmp"));
}

} // namespace assetgen

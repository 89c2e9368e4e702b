#pragma once

#include <array>
#include <cstdint>

#include "platform/bitmap.h"

namespace render {

// Shadows are a 50 % dither of grey drawn with black as the transparent colour: the board shows
// through every other pixel, and the pieces of neighbouring tiles interlock instead of doubling.
constexpr std::uint32_t ShadowGrey = platform::Rgb(128, 128, 128);
constexpr std::uint32_t ShadowKey = platform::Rgb(0, 0, 0);

// V0..V5 are the vertical 10x20 pieces (V0 and V1 share a picture), H the horizontal 20x10 one.
enum ShadowPiece : std::uint8_t { V0, V1, V2, V3, V4, V5, H, ShadowPieceCount };

enum class Parity : std::uint8_t { Even, Odd };
enum class Triangle : std::uint8_t { Whole, UpperRight, LowerLeft };

// Which pixels (c, r) of a piece are grey: only rows r < greyRows, only those whose c + r has the
// given parity, and for the corner pieces only one side of the diagonal c = r.
struct ShadowPieceShape {
  int width, height;
  int greyRows;
  Parity parity;
  Triangle triangle;
};

extern const std::array<ShadowPieceShape, ShadowPieceCount> ShadowPieceShapes;

bool IsShadowGrey(const ShadowPieceShape& shape, int c, int r);

using ShadowPieceSet = std::array<platform::Bitmap, ShadowPieceCount>;

// Grey where IsShadowGrey holds, the key colour elsewhere.
platform::Bitmap BuildShadowPiece(const ShadowPieceShape& shape);
ShadowPieceSet BuildShadowPieces();

// White in every pixel: XOR-ed onto a face, it inverts the face's colours.
platform::Bitmap BuildFilledPicture();

// A piece placed relative to the top-left corner of the shaded tile's face.
struct PlacedPiece {
  ShadowPiece piece;
  int x, y;
};

// A tile one layer up at (x + dx, y + dy) casts these pieces onto the tile anchored at (x, y).
// Casts from two columns to the left only count from column 2 on: column 1 has nothing there.
struct ShadowCast {
  int dx, dy;
  bool fromTwoColumnsLeft;
  int pieceCount;
  std::array<PlacedPiece, 3> pieces;
};

// In the order they are drawn.
extern const std::array<ShadowCast, 16> ShadowCasts;

} // namespace render

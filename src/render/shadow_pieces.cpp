#include "render/shadow_pieces.h"

namespace render {

const std::array<ShadowPieceShape, ShadowPieceCount> ShadowPieceShapes{{
    {10, 20, 10, Parity::Even, Triangle::Whole},      // V0
    {10, 20, 10, Parity::Even, Triangle::Whole},      // V1
    {10, 20, 20, Parity::Odd, Triangle::Whole},       // V2
    {10, 20, 10, Parity::Even, Triangle::UpperRight}, // V3
    {10, 20, 10, Parity::Even, Triangle::LowerLeft},  // V4
    {10, 20, 15, Parity::Odd, Triangle::Whole},       // V5
    {20, 10, 10, Parity::Even, Triangle::Whole},      // H
}};

bool IsShadowGrey(const ShadowPieceShape& shape, int c, int r) {
  if (c < 0 || r < 0 || c >= shape.width || r >= shape.greyRows) return false;
  if ((c + r) % 2 != (shape.parity == Parity::Odd ? 1 : 0)) return false;
  switch (shape.triangle) {
  case Triangle::UpperRight:
    return c >= r;
  case Triangle::LowerLeft:
    return c <= r;
  case Triangle::Whole:
    break;
  }
  return true;
}

platform::Bitmap BuildShadowPiece(const ShadowPieceShape& shape) {
  platform::Bitmap piece(shape.width, shape.height, ShadowKey);
  for (int r = 0; r < shape.height; ++r)
    for (int c = 0; c < shape.width; ++c)
      if (IsShadowGrey(shape, c, r)) piece.SetPixel(c, r, ShadowGrey);
  return piece;
}

ShadowPieceSet BuildShadowPieces() {
  ShadowPieceSet pieces;
  for (int i = 0; i < ShadowPieceCount; ++i) pieces[i] = BuildShadowPiece(ShadowPieceShapes[i]);
  return pieces;
}

platform::Bitmap BuildFilledPicture() {
  return platform::Bitmap(40, 50, platform::Rgb(255, 255, 255));
}

const std::array<ShadowCast, 16> ShadowCasts{{
    {+1, -2, false, 2, {{{V3, 20, 0}, {V1, 30, 0}}}},
    {0, -2, false, 3, {{{V3, 0, 0}, {H, 10, 0}, {V1, 30, 0}}}},
    {-1, -2, false, 2, {{{H, 0, 0}, {V4, 20, 0}}}},
    {-2, -2, true, 1, {{{V4, 0, 0}}}},
    {+1, -1, false, 2, {{{V3, 20, 25}, {V1, 30, 25}}}},
    {0, -1, false, 3, {{{V3, 0, 25}, {H, 10, 25}, {V1, 30, 25}}}},
    {-1, -1, false, 2, {{{H, 0, 25}, {V4, 20, 25}}}},
    {-2, -1, true, 1, {{{V4, 0, 25}}}},
    {-2, +1, true, 2, {{{V4, 0, 25}, {V5, 0, 35}}}},
    {-2, 0, true, 3, {{{V4, 0, 0}, {V2, 0, 10}, {V2, 0, 30}}}},
    {-2, -1, true, 3, {{{V1, 0, 0}, {V2, 0, 10}, {V3, 0, 25}}}},
    {-2, -2, true, 1, {{{V3, 0, 0}}}},
    {-1, +1, false, 2, {{{V4, 20, 25}, {V5, 20, 35}}}},
    {-1, 0, false, 3, {{{V4, 20, 0}, {V2, 20, 10}, {V2, 20, 30}}}},
    {-1, -1, false, 3, {{{V1, 20, 0}, {V2, 20, 10}, {V3, 20, 25}}}},
    {-1, -2, false, 1, {{{V3, 20, 0}}}},
}};

} // namespace render

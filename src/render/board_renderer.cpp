#include "render/board_renderer.h"

#include <array>
#include <optional>
#include <span>

#include "render/clipped_canvas.h"

namespace render {

using engine::Position;
using platform::Bitmap;
using platform::RasterOp;
using platform::Rect;

namespace {

// One block copy of the tile body: `part` is in the tileset for the outline mask, or relative to
// the tile's sheet cell; (dx, dy) is where it lands relative to the face's top-left corner.
enum class From : std::uint8_t { Tileset, Cell };
struct BodyStep {
  From from;
  Rect part;
  int dx, dy;
  RasterOp op;
};

constexpr BodyStep FullBody[] = {
    {From::Tileset, OutlineMaskRect, -EdgeSize, 0, RasterOp::And},
    {From::Cell, {0, 0, TileWidth, TileHeight}, -EdgeSize, 0, RasterOp::Or},
};

// The tile half a column right and one row down was drawn first (columns go right to left), and
// a full bottom edge would cut into its top: the edge stops after 21 pixels of face, closed by
// the rounded corner.
constexpr BodyStep ShortBody[] = {
    {From::Tileset, {138, 256, 184, 306}, -EdgeSize, 0, RasterOp::And},
    {From::Cell, {0, 0, TileWidth, FaceHeight}, -EdgeSize, 0, RasterOp::Or},
    {From::Cell, {0, FaceHeight, 21, TileHeight}, -EdgeSize, FaceHeight, RasterOp::Copy},
    {From::Tileset, {178, 306, 184, 312}, 15, FaceHeight, RasterOp::And},
    {From::Cell, {FaceWidth, FaceHeight, TileWidth, TileHeight}, 15, FaceHeight, RasterOp::Or},
};

struct PenColourOf {
  int mode;
  std::uint32_t colour;
};
constexpr PenColourOf RectangleColours[] = {
    {HighlightRed, platform::Rgb(255, 0, 0)},
    {HighlightGreen, platform::Rgb(0, 128, 0)},
    {HighlightBlue, platform::Rgb(0, 0, 255)},
};

// Board entries 1..154 are drawn; 155 marks a position still waiting for its tile.
bool HoldsTile(std::uint8_t value) {
  return value != 0 && value < engine::Undealt;
}

Rect ToBoardPixels(const Rect& r) {
  return {r.left - RefreshShiftX, r.top - RefreshShiftY, r.right - RefreshShiftX,
          r.bottom - RefreshShiftY};
}

// Whether a tile body whose face corner is (cx, cy) in CoordX space meets `r`.
bool BodyMeets(const Rect& r, int cx, int cy) {
  return cx - EdgeSize < r.right && cx + FaceWidth > r.left && cy < r.bottom &&
         cy + TileHeight > r.top;
}

// A layout being drawn shows every tile alike. Elsewhere only real tile numbers have a picture.
std::optional<SheetCell> SheetCellOf(TileFaces faces, int value) {
  if (faces == TileFaces::AllBlank) return SheetCell{0, 0};
  if (value < 1 || value > engine::MaxTiles) return std::nullopt;
  return TileCell(engine::FaceOf[value]);
}

Rect MaskBox(const Rect& face) {
  return {face.left, face.top + MaskOffsetY, face.right, face.bottom + MaskOffsetY};
}

} // namespace

// The board's drawing never leaves the refresh area.
class BoardRenderer::Canvas : public ClippedCanvas {
public:
  using ClippedCanvas::ClippedCanvas;
};

BoardRenderer::BoardRenderer(engine::GameState& state, BoardPictures& pictures, BoardView& view)
    : state_(state), pictures_(pictures), view_(view) {}

void BoardRenderer::Redraw() {
  view_.RefreshHallPanel();
  if (EndOfBoard()) return;

  BoardPictures& p = pictures_;
  const Rect area = platform::Intersect(IsWholeBoard(p.DirtyRect) ? p.WorkBitmap.Bounds()
                                                                  : ToBoardPixels(p.DirtyRect),
                                        p.WorkBitmap.Bounds());
  platform::Blit(p.WorkBitmap, area.left, area.top, p.BackgroundBitmap, area);

  switch (view_.Look().content) {
  case BoardContent::StackedBoard:
    DrawStackedBoard();
    break;
  case BoardContent::OwnField:
    view_.DrawOwnField(p.WorkBitmap, area);
    break;
  case BoardContent::Background:
    break;
  }

  platform::Blit(p.Game, area.left, area.top, p.WorkBitmap, area);
  const Rect shown = platform::Intersect(area, p.Game.Bounds());
  if (!shown.Empty()) view_.Show(shown);
}

// A board with no tile left ends the game at its next redraw. The result window then owns the
// board area, so a finished board is never drawn; and GameOver runs once, or every later redraw
// of the finished board would open the result window again.
bool BoardRenderer::EndOfBoard() {
  engine::Board& board = state_.board;
  // A board of no tiles at all was never played: it finishes nothing.
  if (board.TilesLeft == 0 && board.TileCount > 0 && view_.Look().endsWhenCleared &&
      state_.scoring.GameScore > 0)
    board.GameFinished = true;
  if (!board.GameFinished) return false;
  if (!board.GameOverShown) view_.GameOver();
  return true;
}

void BoardRenderer::FullRedraw() {
  pictures_.DirtyRect = WholeBoard;
  Redraw();
}

void BoardRenderer::RedrawArea(Rect area) {
  pictures_.DirtyRect = area;
  Redraw();
  pictures_.DirtyRect = WholeBoard;
}

void BoardRenderer::RedrawTile(int tile) {
  if (tile < 1 || tile > engine::MaxTiles) return;
  RedrawArea(TileArea(state_.board.TilePos[tile]));
}

void BoardRenderer::HLRedrawTile(int tile) {
  if (tile < 1 || tile > engine::MaxTiles) return;
  RedrawArea(FaceArea(state_.board.TilePos[tile]));
}

// Shadows fall on the neighbours' faces, up to 10 pixels beyond the body.
Rect BoardRenderer::TileArea(const Position& pos) const {
  const int cx = engine::CoordX(state_.board, pos.x, pos.z);
  const int cy = engine::CoordY(state_.board, pos.y, pos.z);
  if (state_.options.Shadows) return {cx - 16, cy - 10, cx + 50, cy + 66};
  return {cx - EdgeSize, cy, cx + FaceWidth, cy + TileHeight};
}

Rect BoardRenderer::FaceArea(const Position& pos) const {
  const int cx = engine::CoordX(state_.board, pos.x, pos.z);
  const int cy = engine::CoordY(state_.board, pos.y, pos.z);
  return {cx, cy, cx + FaceWidth, cy + FaceHeight};
}

// Layers bottom up so upper tiles cover lower ones; columns right to left so a tile covers the
// edge of its right-hand neighbour.
void BoardRenderer::DrawStackedBoard() {
  const engine::TileGrid& grid = state_.board.BoardGrid;
  for (int z = 1; z <= engine::GridLayers; ++z)
    for (int x = engine::GridWidth; x >= 1; --x)
      for (int y = 1; y <= engine::GridHeight; ++y) {
        const std::uint8_t value = grid(x, y, z);
        if (HoldsTile(value) || IsEditorCursor(x, y, z)) ShowIt(x - 1, y - 1, value, z - 1);
      }
}

void BoardRenderer::ShowIt(int x0, int y0, int value, int z0) {
  const engine::Board& board = state_.board;
  const int a = engine::CoordX(board, x0, z0), b = engine::CoordY(board, y0, z0);
  const Rect& dirty = pictures_.DirtyRect;
  const bool whole = IsWholeBoard(dirty);
  if (!whole && !BodyMeets(dirty, a + RefreshShiftX, b + RefreshShiftY)) return;
  const TileFaces faces = Faces();
  const std::optional<SheetCell> sheetCell = SheetCellOf(faces, value);
  if (!sheetCell) return;

  const Canvas canvas(pictures_.WorkBitmap,
                      whole ? pictures_.WorkBitmap.Bounds() : ToBoardPixels(dirty));
  const Position cell{x0 + 1, y0 + 1, z0 + 1};
  DrawBody(canvas, cell, a, b, *sheetCell);
  const bool faceDown =
      faces == TileFaces::AllBlank || (faces == TileFaces::BacksButPicks && !IsPick(value));
  if (faceDown)
    DrawBlankFace(canvas, cell, value, a, b);
  else
    DrawMarks(canvas, value, a, b);
  if (state_.options.Shadows && cell.z < engine::GridLayers && cell.y >= 2)
    DrawShadows(canvas, cell, a, b);
}

void BoardRenderer::DrawBody(const Canvas& canvas, const Position& cell, int a, int b,
                             SheetCell sheetCell) const {
  const bool neighbourBelow = HoldsTile(state_.board.BoardGrid(cell.x + 1, cell.y + 2, cell.z)) ||
                              IsEditorCursor(cell.x + 1, cell.y + 2, cell.z);
  const std::span<const BodyStep> steps =
      neighbourBelow ? std::span<const BodyStep>(ShortBody) : std::span<const BodyStep>(FullBody);
  for (const BodyStep& step : steps) {
    if (step.from == From::Tileset) {
      canvas.Blit(a + step.dx, b + step.dy, pictures_.TilesetBitmap, step.part, step.op);
    } else {
      const Rect part{sheetCell.x + step.part.left, sheetCell.y + step.part.top,
                      sheetCell.x + step.part.right, sheetCell.y + step.part.bottom};
      canvas.Blit(a + step.dx, b + step.dy, pictures_.TileSheet, part, step.op);
    }
  }
}

void BoardRenderer::DrawBlankFace(const Canvas& canvas, const Position& cell, int value, int a,
                                  int b) const {
  const Bitmap& tileset = pictures_.TilesetBitmap;
  const TileFaces faces = Faces();
  const bool cursor = faces == TileFaces::AllBlank && IsEditorCursor(cell.x, cell.y, cell.z);
  canvas.Blit(a, b, tileset, cursor ? SelectedFaceRect : BlankFaceRect, RasterOp::Copy);
  if (faces != TileFaces::BacksButPicks || !IsHover(value)) return;
  if (state_.options.HighlightMode == HighlightColoredTile)
    canvas.Blit(a, b, tileset, HintFaceRect, RasterOp::Copy);
  else if (!pictures_.PathFound)
    DrawPointerFrame(canvas, a, b);
}

void BoardRenderer::DrawMarks(const Canvas& canvas, int value, int a, int b) const {
  if (pictures_.PathFound) return;
  if (IsMarked(value)) {
    if (state_.options.Invert) {
      canvas.Blit(a, b, pictures_.Filled, pictures_.Filled.Bounds(), RasterOp::Xor);
    } else {
      const Bitmap& tileset = pictures_.TilesetBitmap;
      const Rect face = FaceBox(engine::FaceOf[value]);
      canvas.Blit(a, b, tileset, IsPick(value) ? SelectedFaceRect : HintFaceRect, RasterOp::Copy);
      canvas.Blit(a, b, tileset, MaskBox(face), RasterOp::And);
      canvas.Blit(a, b, tileset, face, RasterOp::Or);
    }
  }
  if (IsHover(value) && state_.options.HighlightMode != HighlightColoredTile)
    DrawPointerFrame(canvas, a, b);
}

// The 3-pixel pen runs centred along the outline from (a+1, b+1) to (a+38, b+48), so it covers
// exactly the outer three pixels of the face: a face refresh wipes it completely.
void BoardRenderer::DrawPointerFrame(const Canvas& canvas, int a, int b) const {
  canvas.Frame({a, b, a + FaceWidth, b + FaceHeight}, pictures_.PenColour, PenWidth);
}

void BoardRenderer::DrawShadows(const Canvas& canvas, const Position& cell, int a, int b) const {
  const engine::TileGrid& grid = state_.board.BoardGrid;
  for (const ShadowCast& cast : ShadowCasts) {
    if (cast.fromTwoColumnsLeft && cell.x < 2) continue;
    if (!HoldsTile(grid(cell.x + cast.dx, cell.y + cast.dy, cell.z + 1))) continue;
    for (int i = 0; i < cast.pieceCount; ++i) {
      const PlacedPiece& placed = cast.pieces[i];
      const Bitmap& piece = pictures_.ShadowPieces[placed.piece];
      canvas.DrawTransparent(a + placed.x, b + placed.y, piece, piece.Bounds(), ShadowKey);
    }
  }
}

bool BoardRenderer::IsEditorCursor(int x, int y, int z) const {
  const Position& cursor = pictures_.EditorCursor;
  return cursor != NoEditorCursor && cursor == Position{x - 1, y - 1, z - 1};
}

bool BoardRenderer::IsPick(int value) const {
  return value != 0 && (value == state_.board.FirstPick || value == state_.board.SecondPick);
}

bool BoardRenderer::IsHover(int value) const {
  return value != 0 && value == state_.pointer.HoverTile;
}

// A hint above 255 stands for none; it can never equal a tile number, so it marks nothing.
bool BoardRenderer::IsMarked(int value) const {
  const engine::Board& board = state_.board;
  const bool hinted = value != 0 && (value == board.HintA || value == board.HintB);
  return IsPick(value) || hinted ||
         (IsHover(value) && state_.options.HighlightMode == HighlightColoredTile);
}

void BoardRenderer::ShowFond() {
  BoardPictures& p = pictures_;
  platform::Blit(p.WorkBitmap, 0, 0, p.BackgroundBitmap, p.BackgroundBitmap.Bounds());
  platform::Blit(p.Game, 0, 0, p.BackgroundBitmap, p.BackgroundBitmap.Bounds());
  view_.Show(p.Game.Bounds());
}

// The menu's check marks are HighlightMode itself, so the checked rectangle entry is the mode.
void BoardRenderer::ColorHighlight() {
  for (const PenColourOf& entry : RectangleColours)
    if (entry.mode == state_.options.HighlightMode) pictures_.PenColour = entry.colour;
}

void BoardRenderer::ChooseHighlight(int mode) {
  const int old = state_.pointer.HoverTile;
  state_.pointer.HoverTile = 0;
  if (old != 0) RedrawTile(old);
  state_.options.HighlightMode = mode;
}

void BoardRenderer::Highlight1Click() {
  ChooseHighlight(HighlightNone);
}

void BoardRenderer::Highlight2Click(RectangleEntry entry) {
  ChooseHighlight(static_cast<int>(entry));
  ColorHighlight();
}

void BoardRenderer::Highlight3Click() {
  ChooseHighlight(HighlightColoredTile);
}

void BoardRenderer::InvertClick() {
  state_.options.Invert = !state_.options.Invert;
}

} // namespace render

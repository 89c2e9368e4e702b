#pragma once

#include <cstdint>

#include "engine/board.h"
#include "engine/game_state.h"
#include "platform/bitmap.h"
#include "render/shadow_pieces.h"
#include "render/tile_sheet.h"

namespace render {

constexpr int BoardWidth = 704, BoardHeight = 468;

// Refresh rectangles live in CoordX/CoordY space: this far right of and below the board pixel
// they denote.
constexpr int RefreshShiftX = 26, RefreshShiftY = 19;

// The resting value of DirtyRect: redraw the whole board. Only its bottom is looked at.
constexpr platform::Rect WholeBoard{-1, -1, -1, -1};
inline bool IsWholeBoard(const platform::Rect& r) {
  return r.bottom == -1;
}

// The value of HighlightMode for each entry of the Highlight menu.
enum HighlightChoice : int {
  HighlightNone = 0,
  HighlightRed = 1,
  HighlightColoredTile = 2,
  HighlightGreen = 3,
  HighlightBlue = 4,
};
enum class RectangleEntry : int {
  Red = HighlightRed,
  Green = HighlightGreen,
  Blue = HighlightBlue
};

constexpr int PenWidth = 3;

// Zero-based like the cell it names; no cell while the editor has no cursor on the board.
constexpr engine::Position NoEditorCursor{-1, -1, -1};

// What a redraw puts on the background: the stacked board, a game's own field, or nothing.
enum class BoardContent : std::uint8_t { Background, StackedBoard, OwnField };

// How the stacked board shows its tiles: their faces, their backs except the picks (the player
// turns tiles up), or every tile alike and blank (a layout being drawn).
enum class TileFaces : std::uint8_t { Shown, BacksButPicks, AllBlank };

// How the screen in front of the player is drawn.
struct BoardLook {
  BoardContent content = BoardContent::Background;
  TileFaces faces = TileFaces::Shown;
  // A board without tiles ends the game at its next redraw.
  bool endsWhenCleared = false;
};

// The window side of the board picture, which the GUI implements.
class BoardView {
public:
  virtual ~BoardView() = default;
  // `changed` of Game holds a new picture; the window shows it before returning.
  virtual void Show(platform::Rect changed) = 0;
  // How the current screen is drawn.
  virtual BoardLook Look() const = 0;
  // Runs first in every redraw: the hall of fame panel re-renders itself here while its refresh
  // flag is set.
  virtual void RefreshHallPanel() {}
  // A game with its own field composes it into the work bitmap, inside `area`.
  virtual void DrawOwnField(platform::Bitmap& /*work*/, platform::Rect /*area*/) {}
  // A finished board: the result is recorded and shown, and the games panel returns.
  virtual void GameOver() = 0;
};

// The pictures the board is composed from and the drawing state kept between redraws.
struct BoardPictures {
  platform::Bitmap BackgroundBitmap{BoardWidth, BoardHeight};
  platform::Bitmap WorkBitmap{BoardWidth, BoardHeight};
  platform::Bitmap Game{BoardWidth, BoardHeight};
  platform::Bitmap TilesetBitmap{TileSheetWidth, TileSheetHeight};
  platform::Bitmap TileSheet{TileSheetWidth, TileSheetHeight};
  platform::Rect DirtyRect = WholeBoard;
  std::uint32_t PenColour = platform::Rgb(0, 0, 0);
  ShadowPieceSet ShadowPieces = BuildShadowPieces();
  platform::Bitmap Filled = BuildFilledPicture();
  bool PathFound = false; // while set, no tile is marked
  engine::Position EditorCursor = NoEditorCursor;
};

// Draws the stacked board of Solitaire, Rivers, Memory and the layout editor.
class BoardRenderer {
public:
  BoardRenderer(engine::GameState& state, BoardPictures& pictures, BoardView& view);

  // Refreshes the board inside DirtyRect, or whole, and shows it. A finished board is handed
  // to GameOver instead.
  void Redraw();
  void FullRedraw();
  // The tile's body, with room for the shadows it casts when they are on.
  void RedrawTile(int tile);
  // Only the tile's face: enough for the pointer highlight.
  void HLRedrawTile(int tile);
  // Refreshes a refresh rectangle of the board, as DirtyRect.
  void RedrawArea(platform::Rect area);
  // Draws one board cell, given zero-based, into WorkBitmap; value 0 is the editor cursor's
  // empty cell.
  void ShowIt(int x0, int y0, int value, int z0);
  // The clean background over the whole board, for screens without tiles.
  void ShowFond();

  // Highlight menu.
  void ColorHighlight();
  void Highlight1Click();
  void Highlight2Click(RectangleEntry entry);
  void Highlight3Click();
  void InvertClick();

  // Refresh rectangles, in CoordX/CoordY space, of a tile anchored at `pos`.
  platform::Rect TileArea(const engine::Position& pos) const;
  platform::Rect FaceArea(const engine::Position& pos) const;

private:
  class Canvas;

  bool EndOfBoard();
  void DrawStackedBoard();
  void ChooseHighlight(int mode);
  TileFaces Faces() const { return view_.Look().faces; }

  void DrawBody(const Canvas& canvas, const engine::Position& cell, int a, int b,
                SheetCell sheetCell) const;
  void DrawBlankFace(const Canvas& canvas, const engine::Position& cell, int value, int a,
                     int b) const;
  void DrawMarks(const Canvas& canvas, int value, int a, int b) const;
  void DrawPointerFrame(const Canvas& canvas, int a, int b) const;
  void DrawShadows(const Canvas& canvas, const engine::Position& cell, int a, int b) const;

  bool IsEditorCursor(int x, int y, int z) const;
  bool IsPick(int value) const;
  bool IsHover(int value) const;
  bool IsMarked(int value) const;

  engine::GameState& state_;
  BoardPictures& pictures_;
  BoardView& view_;
};

} // namespace render

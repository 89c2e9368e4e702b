#include "render/board_renderer.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "engine/tiles.h"
#include "render/shadow_pieces.h"
#include "render/tile_sheet.h"
#include "support/test_platform.h"

namespace {

using engine::Position;
using platform::Bitmap;
using platform::Rect;
using platform::Rgb;
using render::BoardRenderer;

// Every colour of the synthetic tileset is distinct, so a pixel tells where it was copied from.
constexpr std::uint32_t Backdrop = Rgb(10, 60, 110);
constexpr std::uint32_t FaceColour = Rgb(230, 220, 200);
constexpr std::uint32_t SelectedColour = Rgb(250, 240, 90);
constexpr std::uint32_t HintColour = Rgb(120, 230, 250);
constexpr std::uint32_t White = Rgb(255, 255, 255);
// The edge changes colour with every column of the body, so a part copied from the wrong
// column shows.
const auto EdgeColour = [](int column) { return Rgb(90, 40 + column, 20); };
const auto PictureColour = [](int picture) { return Rgb(200, 4 * picture, 60); };
// Where each picture is opaque, relative to its face; elsewhere the face background shows.
constexpr Rect Ink{10, 10, 30, 20};

Rect Offset(const Rect& r, int dx, int dy) {
  return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

// Pixel by pixel: `got` holds `inside` within `area` and `outside` everywhere else.
::testing::AssertionResult Composed(const Bitmap& got, const Bitmap& inside, const Bitmap& outside,
                                    const Rect& area) {
  for (int y = 0; y < got.Height(); ++y)
    for (int x = 0; x < got.Width(); ++x) {
      const bool in = x >= area.left && x < area.right && y >= area.top && y < area.bottom;
      if (got.Pixel(x, y) != (in ? inside : outside).Pixel(x, y))
        return ::testing::AssertionFailure() << "differs at " << x << "," << y;
    }
  return ::testing::AssertionSuccess();
}

Bitmap SyntheticTileset() {
  Bitmap tileset(369, 567, Rgb(77, 77, 77));
  for (int r = 0; r < render::TileHeight; ++r)
    for (int c = 0; c < render::TileWidth; ++c)
      tileset.SetPixel(c, 256 + r, c < 6 || r >= 50 ? EdgeColour(c) : FaceColour);
  platform::FillRect(tileset, render::SelectedFaceRect, SelectedColour);
  platform::FillRect(tileset, render::HintFaceRect, HintColour);
  platform::FillRect(tileset, render::OutlineMaskRect, Rgb(0, 0, 0));
  for (int p = 1; p <= engine::PictureCount; ++p) {
    const Rect face = render::FaceBox(p);
    const Rect mask = Offset(face, 0, render::MaskOffsetY);
    platform::FillRect(tileset, face, Rgb(0, 0, 0));
    platform::FillRect(tileset, Offset(Ink, face.left, face.top), PictureColour(p));
    platform::FillRect(tileset, mask, White);
    platform::FillRect(tileset, Offset(Ink, mask.left, mask.top), Rgb(0, 0, 0));
  }
  return tileset;
}

// Shows how each screen looks by the game of its mode: Memory turns its tiles down, the editor
// draws every tile blank and never ends, Clicks and Slider have fields of their own.
class RecordingView final : public render::BoardView {
public:
  explicit RecordingView(const engine::GameState& state) : state_(state) {}
  void Show(Rect changed) override { shown.push_back(changed); }
  render::BoardLook Look() const override {
    using render::BoardContent, render::TileFaces;
    switch (state_.board.GameMode) {
    case engine::ModeSolitaire:
    case engine::ModeTwoPlayers:
    case engine::ModeRivers:
      return {BoardContent::StackedBoard, TileFaces::Shown, true};
    case engine::ModeMemory:
      return {BoardContent::StackedBoard, TileFaces::BacksButPicks, true};
    case engine::ModeEditor:
      return {BoardContent::StackedBoard, TileFaces::AllBlank, false};
    case engine::ModeClicks:
    case engine::ModeSlider:
      return {BoardContent::OwnField, TileFaces::Shown, true};
    default:
      return {};
    }
  }
  void RefreshHallPanel() override { ++hallRefreshes; }
  void DrawOwnField(Bitmap&, Rect area) override {
    ownBoards.push_back({state_.board.GameMode, area});
  }
  void GameOver() override { ++gameOvers; }
  std::vector<Rect> shown;
  int hallRefreshes = 0, gameOvers = 0;
  std::vector<std::pair<int, Rect>> ownBoards;

private:
  const engine::GameState& state_;
};

class BoardRendererTest : public ::testing::Test {
protected:
  BoardRendererTest() {
    pictures->TilesetBitmap = SyntheticTileset();
    render::ComposeTileSheet(pictures->TilesetBitmap, pictures->TileSheet);
    pictures->BackgroundBitmap.Fill(Backdrop);
    board().GameMode = engine::ModeSolitaire;
    state->options.Shadows = false;
  }

  engine::Board& board() { return state->board; }
  void Place(int tile, Position pos) {
    board().BoardGrid.Set(pos, static_cast<std::uint8_t>(tile));
    board().TilePos[tile] = pos;
  }
  // The face's top-left corner in the board picture.
  int FaceX(const Position& p) const { return 20 * p.x + 6 * p.z + state->board.BoardLeft - 46; }
  int FaceY(const Position& p) const { return 25 * p.y - 6 * p.z + state->board.BoardTop - 59; }
  std::uint32_t Work(int x, int y) const { return pictures->WorkBitmap.Pixel(x, y) & RgbOnly; }
  std::uint32_t FaceAt(const Position& p, int dx, int dy) const {
    return Work(FaceX(p) + dx, FaceY(p) + dy);
  }

  static constexpr std::uint32_t RgbOnly = platform::kRgbMask;
  std::unique_ptr<engine::GameState> state = std::make_unique<engine::GameState>();
  testing_support::RecordingServices services{*state};
  RecordingView view{*state};
  std::unique_ptr<render::BoardPictures> pictures = std::make_unique<render::BoardPictures>();
  BoardRenderer renderer{*state, *pictures, view};
};

std::uint32_t C(std::uint32_t colour) {
  return colour & platform::kRgbMask;
}

// Tile 1 at (5, 4, 1); a tile or the editor cursor half a column right and one row down
// shortens its bottom edge.
TEST_F(BoardRendererTest, BottomEdgeStopsShortOnlyBeforeTheLowerRightNeighbour) {
  struct Case {
    const char* name;
    int mode;
    bool neighbourTile, cursorThere;
    bool shortEdge;
    std::uint32_t past; // what shows beyond the body's own bottom edge
  };
  const Case cases[] = {
      {"alone", engine::ModeSolitaire, false, false, false, Backdrop},
      {"neighbour", engine::ModeSolitaire, true, false, true, FaceColour},
      {"editor cursor", engine::ModeEditor, false, true, true, SelectedColour},
  };
  const Position tile{5, 4, 1}, below{6, 6, 1};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    board().BoardGrid.Clear();
    board().GameMode = static_cast<std::uint8_t>(c.mode);
    Place(1, tile);
    if (c.neighbourTile) Place(2, below);
    pictures->EditorCursor = c.cursorThere ? Position{5, 5, 0} : render::NoEditorCursor;
    renderer.FullRedraw();

    const int row = 53; // inside the bottom edge
    EXPECT_EQ(FaceAt(tile, -6, row), C(EdgeColour(0)));
    EXPECT_EQ(FaceAt(tile, 14, row), C(EdgeColour(20)));
    EXPECT_EQ(FaceAt(tile, 15, row), C(EdgeColour(c.shortEdge ? 40 : 21)));
    EXPECT_EQ(FaceAt(tile, 20, row), C(EdgeColour(c.shortEdge ? 45 : 26)));
    // Past the short edge the neighbour's face shows; a full edge runs to the face's end.
    EXPECT_EQ(FaceAt(tile, 25, row), C(c.shortEdge ? c.past : EdgeColour(31)));
    EXPECT_EQ(FaceAt(tile, 39, row), C(c.shortEdge ? c.past : EdgeColour(45)));
    EXPECT_EQ(FaceAt(tile, 40, row), C(c.past));
  }
}

TEST_F(BoardRendererTest, FaceMarksFollowPicksHintsPointerAndOptions) {
  constexpr int tile = 37; // picture 10
  const std::uint32_t ink = C(PictureColour(engine::FaceOf[tile]));
  const std::uint32_t inverted = C(FaceColour ^ White), invertedInk = C(ink ^ White);
  struct Marking {
    int mode = engine::ModeSolitaire;
    int first = 0, second = 0, hintA = 0, hintB = 0, hover = 0;
    bool invert = false, pathFound = false, cursor = false;
  };
  struct Case {
    const char* name;
    Marking m;
    std::uint32_t background, picture;
  };
  using engine::ModeEditor, engine::ModeMemory;
  const Case cases[] = {
      {"plain", {}, FaceColour, ink},
      {"first pick", {.first = tile}, SelectedColour, ink},
      {"second pick", {.second = tile}, SelectedColour, ink},
      {"hint A", {.hintA = tile}, HintColour, ink},
      {"hint B", {.hintB = tile}, HintColour, ink},
      {"hint above 255", {.hintA = 256 + tile}, FaceColour, ink},
      {"coloured pointer", {.hover = tile}, HintColour, ink},
      {"inverted pick", {.first = tile, .invert = true}, inverted, invertedInk},
      {"inverted hint", {.hintB = tile, .invert = true}, inverted, invertedInk},
      {"path found", {.first = tile, .hintA = tile, .pathFound = true}, FaceColour, ink},
      {"memory face down", {.mode = ModeMemory, .hintA = tile}, FaceColour, FaceColour},
      {"memory picked", {.mode = ModeMemory, .second = tile}, SelectedColour, ink},
      {"memory coloured pointer", {.mode = ModeMemory, .hover = tile}, HintColour, HintColour},
      {"editor", {.mode = ModeEditor, .first = tile}, FaceColour, FaceColour},
      {"editor cursor", {.mode = ModeEditor, .cursor = true}, SelectedColour, SelectedColour},
  };
  const Position pos{7, 6, 2};
  Place(tile, pos);
  state->options.HighlightMode = render::HighlightColoredTile;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Marking& m = c.m;
    board().GameMode = static_cast<std::uint8_t>(m.mode);
    board().FirstPick = m.first, board().SecondPick = m.second;
    board().HintA = m.hintA, board().HintB = m.hintB;
    state->pointer.HoverTile = m.hover;
    state->options.Invert = m.invert;
    pictures->PathFound = m.pathFound;
    pictures->EditorCursor = m.cursor ? Position{6, 5, 1} : render::NoEditorCursor;
    renderer.FullRedraw();
    EXPECT_EQ(FaceAt(pos, 0, 0), C(c.background));
    EXPECT_EQ(FaceAt(pos, 39, 49), C(c.background));
    EXPECT_EQ(FaceAt(pos, Ink.left, Ink.top), C(c.picture));
    EXPECT_EQ(FaceAt(pos, Ink.right - 1, Ink.bottom - 1), C(c.picture));
  }
}

// Only the editor, which shows every tile alike, can draw an entry that is not a tile number;
// positions still waiting for their tile are never drawn.
TEST_F(BoardRendererTest, EntriesWithoutAPictureAreNotDrawn) {
  struct Case {
    int mode, value;
    bool drawn;
  };
  const Case cases[] = {
      {engine::ModeSolitaire, 144, true},
      {engine::ModeSolitaire, 150, false},
      {engine::ModeEditor, 150, true},
      {engine::ModeSolitaire, engine::Undealt, false},
      {engine::ModeEditor, engine::Undealt, false},
  };
  const Position pos{8, 8, 2};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    board().GameMode = static_cast<std::uint8_t>(c.mode);
    board().BoardGrid.Set(pos, static_cast<std::uint8_t>(c.value));
    renderer.FullRedraw();
    EXPECT_EQ(FaceAt(pos, 0, 0), C(c.drawn ? FaceColour : Backdrop));
  }

  // Slot 0 is scratch and slots past the last tile do not exist: nothing to refresh.
  view.shown.clear();
  for (int slot : {0, engine::MaxTiles + 1, -1}) {
    renderer.RedrawTile(slot);
    renderer.HLRedrawTile(slot);
  }
  EXPECT_TRUE(view.shown.empty());
}

TEST_F(BoardRendererTest, PointerRectangleIsThreePixelsOfTheFaceInTheChosenColour) {
  struct Case {
    const char* name;
    int mode;
    render::RectangleEntry entry;
    bool pathFound;
    std::uint32_t colour;
    bool framed;
  };
  const Case cases[] = {
      {"red", engine::ModeSolitaire, render::RectangleEntry::Red, false, Rgb(255, 0, 0), true},
      {"green", engine::ModeRivers, render::RectangleEntry::Green, false, Rgb(0, 128, 0), true},
      {"blue", engine::ModeSolitaire, render::RectangleEntry::Blue, false, Rgb(0, 0, 255), true},
      {"face down", engine::ModeMemory, render::RectangleEntry::Green, false, Rgb(0, 128, 0), true},
      {"path found", engine::ModeRivers, render::RectangleEntry::Red, true, Rgb(255, 0, 0), false},
      {"face down, path found", engine::ModeMemory, render::RectangleEntry::Blue, true,
       Rgb(0, 0, 255), false},
  };
  const Position pos{9, 7, 3};
  Place(12, pos);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    board().GameMode = static_cast<std::uint8_t>(c.mode);
    renderer.Highlight2Click(c.entry);
    state->pointer.HoverTile = 12;
    pictures->PathFound = c.pathFound;
    renderer.FullRedraw();
    EXPECT_EQ(state->options.HighlightMode, static_cast<int>(c.entry));
    for (int dy = 0; dy < render::FaceHeight; ++dy)
      for (int dx = 0; dx < render::FaceWidth; ++dx) {
        const bool inFrame = dx < 3 || dy < 3 || dx >= 37 || dy >= 47;
        ASSERT_EQ(FaceAt(pos, dx, dy) == C(c.colour), c.framed && inFrame) << dx << "," << dy;
      }
    EXPECT_EQ(FaceAt(pos, -1, 0), C(EdgeColour(5)));
  }
}

// The grey pixels of each piece, written out independently of the renderer's table.
struct PieceShape {
  int width, height;
  bool (*grey)(int c, int r);
};
const PieceShape Pieces[render::ShadowPieceCount] = {
    {10, 20, [](int c, int r) { return r < 10 && (c + r) % 2 == 0; }},
    {10, 20, [](int c, int r) { return r < 10 && (c + r) % 2 == 0; }},
    {10, 20, [](int c, int r) { return (c + r) % 2 == 1; }},
    {10, 20, [](int c, int r) { return r < 10 && c >= r && (c + r) % 2 == 0; }},
    {10, 20, [](int c, int r) { return r < 10 && c <= r && (c + r) % 2 == 0; }},
    {10, 20, [](int c, int r) { return r < 15 && (c + r) % 2 == 1; }},
    {20, 10, [](int c, int r) { return (c + r) % 2 == 0; }},
};

TEST(ShadowPieces, AreExactDithersOfGreyOverTheKeyColour) {
  const render::ShadowPieceSet built = render::BuildShadowPieces();
  for (int i = 0; i < render::ShadowPieceCount; ++i) {
    SCOPED_TRACE(i);
    const PieceShape& want = Pieces[i];
    ASSERT_EQ(built[i].Width(), want.width);
    ASSERT_EQ(built[i].Height(), want.height);
    for (int r = 0; r < want.height; ++r)
      for (int c = 0; c < want.width; ++c)
        ASSERT_EQ(built[i].Pixel(c, r), want.grey(c, r) ? render::ShadowGrey : render::ShadowKey)
            << c << "," << r;
  }
}

TEST_F(BoardRendererTest, HigherTilesCastTheirShadowPiecesOntoTheTileBelow) {
  using enum render::ShadowPiece;
  struct Placed {
    render::ShadowPiece piece;
    int x, y;
  };
  struct Case {
    const char* name;
    Position lower, caster;
    std::vector<Placed> pieces;
  };
  const Case cases[] = {
      {"right above", {6, 6, 1}, {6, 4, 2}, {{V3, 0, 0}, {H, 10, 0}, {V1, 30, 0}}},
      {"on layer 4", {6, 6, 4}, {6, 4, 5}, {{V3, 0, 0}, {H, 10, 0}, {V1, 30, 0}}},
      {"two columns left", {6, 6, 1}, {4, 6, 2}, {{V4, 0, 0}, {V2, 0, 10}, {V2, 0, 30}}},
      {"left and a row down", {6, 6, 1}, {5, 7, 2}, {{V4, 20, 25}, {V5, 20, 35}}},
      {"right and a row up", {6, 6, 1}, {7, 5, 2}, {{V3, 20, 25}, {V1, 30, 25}}},
      {"left and a row up (two rows of the table)",
       {6, 6, 1},
       {5, 5, 2},
       {{H, 0, 25}, {V4, 20, 25}, {V1, 20, 0}, {V2, 20, 10}, {V3, 20, 25}}},
      {"layer 5 gets none", {6, 6, 5}, {6, 4, 6}, {}},
      {"row 1 gets none", {6, 1, 1}, {6, 0, 2}, {}},
      {"column 1 looks no further left", {1, 6, 1}, {-1, 6, 2}, {}},
      {"column 2 looks into column 0",
       {2, 6, 1},
       {0, 6, 2},
       {{V4, 0, 0}, {V2, 0, 10}, {V2, 0, 30}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    board().BoardGrid.Clear();
    Place(1, c.lower);
    board().BoardGrid.Set(c.caster, 2);
    state->options.Shadows = false;
    renderer.FullRedraw();
    const Bitmap unshaded = pictures->WorkBitmap;
    state->options.Shadows = true;
    renderer.FullRedraw();

    const bool casterDrawn = engine::TileGrid::InAnchorBox(c.caster.x, c.caster.y, c.caster.z);
    const Rect casterBody{FaceX(c.caster) - 6, FaceY(c.caster), FaceX(c.caster) + 40,
                          FaceY(c.caster) + 56};
    std::set<std::pair<int, int>> expected;
    for (const Placed& p : c.pieces)
      for (int r = 0; r < Pieces[p.piece].height; ++r)
        for (int col = 0; col < Pieces[p.piece].width; ++col) {
          const int x = FaceX(c.lower) + p.x + col, y = FaceY(c.lower) + p.y + r;
          const bool covered = casterDrawn && x >= casterBody.left && x < casterBody.right &&
                               y >= casterBody.top && y < casterBody.bottom;
          if (Pieces[p.piece].grey(col, r) && !covered) expected.insert({x, y});
        }
    std::set<std::pair<int, int>> changed;
    for (int y = 0; y < render::BoardHeight; ++y)
      for (int x = 0; x < render::BoardWidth; ++x)
        if (Work(x, y) != (unshaded.Pixel(x, y) & RgbOnly)) {
          changed.insert({x, y});
          ASSERT_EQ(Work(x, y), C(render::ShadowGrey)) << x << "," << y;
        }
    EXPECT_EQ(changed, expected);
  }
}

// Hit-testing and drawing scan the board in the same order, so the tile the pointer finds is
// the one whose pixels show there.
TEST_F(BoardRendererTest, TileUnderThePointerIsTheTileDrawnThereOnEveryLayer) {
  const std::vector<std::pair<int, Position>> tiles = {
      {1, {5, 5, 1}},   {60, {7, 5, 1}},  {90, {5, 7, 1}},  {111, {6, 6, 2}},
      {114, {5, 5, 3}}, {120, {6, 4, 4}}, {140, {5, 6, 5}},
  };
  std::vector<Bitmap> alone;
  for (const auto& [tile, pos] : tiles) {
    board().BoardGrid.Clear();
    Place(tile, pos);
    renderer.FullRedraw();
    alone.push_back(pictures->WorkBitmap);
  }
  board().BoardGrid.Clear();
  for (const auto& [tile, pos] : tiles) Place(tile, pos);
  renderer.FullRedraw();

  std::set<int> hitTiles;
  for (int y = 0; y < 200; ++y)
    for (int x = 50; x < 250; ++x) {
      const int hit = engine::WhatTileThere(board(), x - board().BoardLeft, y - board().BoardTop);
      std::uint32_t want = C(Backdrop);
      for (std::size_t i = 0; i < tiles.size(); ++i)
        if (tiles[i].first == hit) want = alone[i].Pixel(x, y) & RgbOnly;
      ASSERT_EQ(Work(x, y), want) << x << "," << y << " tile " << hit;
      hitTiles.insert(hit);
    }
  EXPECT_EQ(hitTiles.size(), tiles.size() + 1);
}

TEST_F(BoardRendererTest, PartialRedrawTouchesOnlyItsRectangle) {
  struct Case {
    const char* name;
    bool shadows, faceOnly;
    Rect aroundFace; // the refreshed pixels, relative to the face's corner
  };
  const Case cases[] = {
      {"tile", false, false, {-6, 0, 40, 56}},
      {"tile with shadows", true, false, {-16, -10, 50, 66}},
      {"face", true, true, {0, 0, 40, 50}},
  };
  const Position target{6, 6, 1};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    board().BoardGrid.Clear();
    board().FirstPick = 0;
    state->options.Shadows = c.shadows;
    Place(5, target);
    Place(6, {8, 6, 1});
    Place(7, {7, 4, 2});
    Place(8, {5, 8, 1});
    renderer.FullRedraw();
    const Bitmap workBefore = pictures->WorkBitmap, gameBefore = pictures->Game;

    board().FirstPick = 5;
    board().BoardGrid.Set(7, 4, 2, 0); // gone without a redraw: only a full one shows it
    view.shown.clear();
    c.faceOnly ? renderer.HLRedrawTile(5) : renderer.RedrawTile(5);
    EXPECT_TRUE(render::IsWholeBoard(pictures->DirtyRect));
    const Rect area = Offset(c.aroundFace, FaceX(target), FaceY(target));
    ASSERT_EQ(view.shown, std::vector<Rect>{area});
    const Bitmap workPartial = pictures->WorkBitmap, gamePartial = pictures->Game;

    renderer.FullRedraw();
    EXPECT_TRUE(Composed(workPartial, pictures->WorkBitmap, workBefore, area));
    EXPECT_TRUE(Composed(gamePartial, pictures->Game, gameBefore, area));
  }
}

TEST_F(BoardRendererTest, ScreensWithoutTilesShowOnlyTheBackground) {
  Place(3, {4, 4, 1});
  for (int mode : {0, 7, 9, 10, 11, 12, 5, 6}) {
    SCOPED_TRACE(mode);
    board().GameMode = static_cast<std::uint8_t>(mode);
    pictures->WorkBitmap.Fill(White);
    view.ownBoards.clear();
    renderer.FullRedraw();
    const Rect all{0, 0, render::BoardWidth, render::BoardHeight};
    EXPECT_EQ(view.shown.back(), all);
    const Bitmap& clean = pictures->BackgroundBitmap;
    EXPECT_TRUE(Composed(pictures->WorkBitmap, clean, clean, all));
    EXPECT_TRUE(Composed(pictures->Game, clean, clean, all));
    const bool ownBoard = mode == 5 || mode == 6;
    ASSERT_EQ(view.ownBoards.size(), ownBoard ? 1u : 0u);
    if (ownBoard) {
      EXPECT_EQ(view.ownBoards[0], std::make_pair(mode, all));
    }
  }
  EXPECT_EQ(view.hallRefreshes, 8);
}

TEST_F(BoardRendererTest, FinishedBoardCallsGameOverOnceAndDrawsNothing) {
  struct Case {
    const char* name;
    int mode, tilesLeft, score;
    bool finished;
  };
  const Case cases[] = {
      {"solitaire emptied", engine::ModeSolitaire, 0, 95, true},
      {"rivers emptied", engine::ModeRivers, 0, 1, true},
      {"tiles left", engine::ModeSolitaire, 2, 95, false},
      {"clock not started", engine::ModeSolitaire, 0, 0, false},
      {"editor", engine::ModeEditor, 0, 95, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    board().GameMode = static_cast<std::uint8_t>(c.mode);
    board().TilesLeft = c.tilesLeft;
    board().GameFinished = board().GameOverShown = false;
    state->scoring.GameScore = c.score;
    view.gameOvers = 0;
    view.shown.clear();
    pictures->Game.Fill(White);
    renderer.FullRedraw();
    EXPECT_EQ(board().GameFinished, c.finished);
    EXPECT_EQ(view.gameOvers, c.finished ? 1 : 0);
    EXPECT_EQ(view.shown.empty(), c.finished);
    EXPECT_EQ(pictures->Game.Pixel(0, 0) & RgbOnly, C(c.finished ? White : Backdrop));

    // Once the result is shown, later redraws neither draw nor show it again.
    board().GameOverShown = true;
    renderer.FullRedraw();
    EXPECT_EQ(view.gameOvers, c.finished ? 1 : 0);
  }
}

TEST_F(BoardRendererTest, HighlightMenuClearsThePointerMarkAndSetsTheColour) {
  const Position pos{10, 8, 1};
  Place(20, pos);
  renderer.Highlight2Click(render::RectangleEntry::Red);
  state->pointer.HoverTile = 20;
  renderer.FullRedraw();
  ASSERT_EQ(FaceAt(pos, 1, 1), C(Rgb(255, 0, 0)));

  using Click = std::function<void(BoardRenderer&)>;
  const std::pair<Click, int> clicks[] = {
      {[](BoardRenderer& r) { r.Highlight3Click(); }, render::HighlightColoredTile},
      {[](BoardRenderer& r) { r.Highlight1Click(); }, render::HighlightNone},
      {[](BoardRenderer& r) { r.Highlight2Click(render::RectangleEntry::Blue); },
       render::HighlightBlue},
  };
  for (const auto& [click, mode] : clicks) {
    SCOPED_TRACE(mode);
    state->pointer.HoverTile = 20;
    renderer.FullRedraw();
    click(renderer);
    EXPECT_EQ(state->options.HighlightMode, mode);
    EXPECT_EQ(state->pointer.HoverTile, 0);
    EXPECT_EQ(FaceAt(pos, 1, 1), C(FaceColour)); // the old mark is wiped at once
  }
  // Choosing a mode without a rectangle keeps the last rectangle colour.
  renderer.Highlight1Click();
  renderer.ColorHighlight();
  EXPECT_EQ(pictures->PenColour, Rgb(0, 0, 255));
}

} // namespace

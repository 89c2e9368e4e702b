#include <gtest/gtest.h>

#include <memory>

#include "games/solitaire/solitaire_game.h"
#include "render/pointer_tracking.h"
#include "support/test_platform.h"

namespace {

using namespace engine;
using render::CursorShape;

// Three tiles in a row on the bottom layer: 1 and 3 free at the ends, 2 blocked between them;
// tile 4 lies alone further right.
struct RecordingPanel final : render::CurrentTileView {
  void ShowCurrentTile(int tile) override { shown.push_back(tile); }
  std::vector<int> shown;
};

// Solitaire's own rules; Memory and Rivers follow every tile; the other screens ignore the pointer.
render::PointerRules RulesOf(int mode, GameState& state, play::Host& host) {
  if (mode == ModeSolitaire) return solitaire::SolitaireGame(state, host).traits().pointer;
  if (mode == ModeMemory || mode == ModeRivers) return {.tracksTiles = true};
  return {};
}

struct Scene {
  std::unique_ptr<GameState> state = std::make_unique<GameState>();
  testing_support::RecordingServices services{*state};
  CursorShape cursor = CursorShape::Arrow;
  RecordingPanel panel;
  render::PointerRules rules;

  explicit Scene(int mode = ModeSolitaire) : rules(RulesOf(mode, *state, services)) {
    Board& b = state->board;
    b.GameMode = static_cast<std::uint8_t>(mode);
    const Position places[] = {{}, {10, 10, 1}, {12, 10, 1}, {14, 10, 1}, {20, 10, 1}};
    for (int t = 1; t <= 4; ++t) {
      b.BoardGrid.Set(places[t], static_cast<std::uint8_t>(t));
      b.TilePos[t] = places[t];
    }
  }
  // A board picture pixel in the middle of tile t's face.
  void MoveOnto(int t) {
    const Position& p = state->board.TilePos[t];
    MoveTo(20 * p.x + 6 * p.z - 46 + 20 + state->board.BoardLeft,
           25 * p.y - 6 * p.z - 59 + 25 + state->board.BoardTop);
  }
  void MoveTo(int X, int Y) { render::FormMouseMove(*state, rules, services, panel, cursor, X, Y); }
  int Hover() const { return state->pointer.HoverTile; }
};

TEST(PointerTracking, HighlightFollowsThePointerAndRedrawsOnlyChangedFaces) {
  Scene s;
  s.MoveOnto(1);
  EXPECT_EQ(s.Hover(), 1);
  EXPECT_EQ(s.services.highlightRedraws, (std::vector<int>{1}));
  s.MoveOnto(1); // within the same tile: nothing to redraw
  EXPECT_EQ(s.services.highlightRedraws.size(), 1u);
  s.MoveOnto(3); // to another tile: the old face and the new one
  EXPECT_EQ(s.Hover(), 3);
  EXPECT_EQ(s.services.highlightRedraws, (std::vector<int>{1, 1, 3}));
  s.MoveTo(600, 400); // off every tile
  EXPECT_EQ(s.Hover(), 0);
  EXPECT_EQ(s.services.highlightRedraws.back(), 3);
}

TEST(PointerTracking, OnlyPossibleMovesSkipsBlockedTilesExceptInMemory) {
  for (int mode : {ModeSolitaire, ModeMemory}) {
    Scene s(mode);
    s.state->options.OnlyPossible = true;
    s.MoveOnto(1);
    s.MoveOnto(2); // blocked on both sides
    EXPECT_EQ(s.Hover(), mode == ModeMemory ? 2 : 0) << "mode " << mode;
    EXPECT_EQ(s.state->pointer.PointedTile, mode == ModeMemory ? 2 : 0);
  }
  Scene vertical;
  vertical.state->options.OnlyPossible = true;
  vertical.state->options.Vertical = true; // nothing above or below: free under this rule
  vertical.MoveOnto(2);
  EXPECT_EQ(vertical.Hover(), 2);
}

TEST(PointerTracking, PositionsJustOutsideTheOriginStillHitTest) {
  struct Case {
    int dx, dy;
    int hover; // 0: the position is ignored
  } cases[] = {{-19, 30, 9}, {-20, 30, 0}, {30, -24, 8}, {30, -25, 0}};
  for (const Case& c : cases) {
    Scene s;
    s.state->board.BoardGrid.Set(1, 2, 1, 9); // reaches left of the origin
    s.state->board.TilePos[9] = {1, 2, 1};
    s.state->board.BoardGrid.Set(3, 1, 1, 8); // reaches above it
    s.state->board.TilePos[8] = {3, 1, 1};
    s.state->pointer.PointedTile = 5; // an ignored position leaves this as it was
    s.MoveTo(s.state->board.BoardLeft + c.dx, s.state->board.BoardTop + c.dy);
    EXPECT_EQ(s.Hover(), c.hover) << c.dx << "," << c.dy;
    EXPECT_EQ(s.state->pointer.PointedTile, c.hover ? c.hover : 5) << c.dx << "," << c.dy;
  }
}

TEST(PointerTracking, CursorFollowsCoolMouseAndTheButton) {
  Scene s;
  s.MoveOnto(1);
  EXPECT_EQ(s.cursor, CursorShape::Hand);
  render::HandDown(s.state->options, s.cursor);
  EXPECT_EQ(s.cursor, CursorShape::PressedHand);
  s.MoveOnto(3); // from one tile to the next the pressed hand stays
  EXPECT_EQ(s.cursor, CursorShape::PressedHand);
  render::HandUp(s.cursor);
  EXPECT_EQ(s.cursor, CursorShape::Hand);
  s.MoveTo(600, 400);
  EXPECT_EQ(s.cursor, CursorShape::Arrow);

  Scene plain;
  plain.state->options.CoolMouse = false;
  plain.MoveOnto(1);
  EXPECT_EQ(plain.cursor, CursorShape::Arrow);
  plain.cursor = CursorShape::Hand;
  plain.state->options.AnimateCursor = false;
  render::HandDown(plain.state->options, plain.cursor);
  EXPECT_EQ(plain.cursor, CursorShape::Hand);
}

TEST(PointerTracking, IgnoredOnScreensWithoutABoardAndWithoutHighlight) {
  for (int mode : {ModeNone, ModeHashira, ModeGamesPanel, ModePaused, ModeGameOver}) {
    Scene s(mode);
    s.MoveOnto(1);
    EXPECT_EQ(s.Hover(), 0) << "mode " << mode;
    EXPECT_EQ(s.cursor, CursorShape::Arrow) << "mode " << mode;
  }
  // Highlight "None": Solitaire still changes the cursor, Memory ignores the pointer entirely.
  Scene solitaire, memory(ModeMemory);
  for (Scene* s : {&solitaire, &memory}) {
    s->state->options.HighlightMode = 0;
    s->MoveOnto(1);
    EXPECT_EQ(s->Hover(), 0);
  }
  EXPECT_EQ(solitaire.cursor, CursorShape::Hand);
  EXPECT_EQ(memory.cursor, CursorShape::Arrow);
}

} // namespace

namespace {

TEST(PointerTracking, ShowCurrentTileFollowsEveryMoveInSolitaireOnly) {
  for (int mode : {ModeSolitaire, ModeRivers}) {
    Scene s(mode);
    s.state->options.ShowTile = true;
    s.MoveOnto(1);
    s.MoveOnto(1); // the spot is drawn again even for the same tile
    s.MoveTo(600, 400);
    const std::vector<int> expected =
        mode == ModeSolitaire ? std::vector<int>{1, 1, 0} : std::vector<int>{};
    EXPECT_EQ(s.panel.shown, expected) << "mode " << mode;
  }
  Scene off;
  off.MoveOnto(1);
  EXPECT_TRUE(off.panel.shown.empty());
}

} // namespace

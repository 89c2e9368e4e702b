#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "engine/game_state.h"
#include "games/hashira/hashira_test_pit.h"
#include "games/hashira/pit_drawing.h"

namespace {

using namespace hashira_testing;
using platform::Bitmap;
using platform::Rgb;

constexpr std::uint32_t Untouched = Rgb(1, 2, 3);

std::uint32_t KindColour(int kind) {
  return Rgb(40 * (kind + 1), 200, 0);
}
std::uint32_t DigitColour(int digit) {
  return Rgb(0, 20 * (digit + 1), 250);
}

// Plain tiles with a black (transparent) corner, and digits in colours of their own.
ColumnsPictures PlainPictures() {
  ColumnsPictures p;
  for (int k = 0; k < KindCount; ++k) {
    Bitmap tile(38, 38, KindColour(k));
    tile.SetPixel(0, 0, Rgb(0, 0, 0));
    p.Clicko[k] = Sprite(tile);
  }
  Bitmap strip(200, 22);
  for (int d = 0; d < 10; ++d)
    platform::FillRect(strip, {20 * d, 0, 20 * d + 20, 22}, DigitColour(d));
  p.Digitaux = DigitSprites(strip);
  return p;
}

// The board pixel at the middle of a block's face.
std::uint32_t Face(const Bitmap& work, int x, int y) {
  return work.Pixel(PitLeft + x - 4 + 22, PitTop + 16 + y + 16);
}

TEST(HashiraDrawing, BlocksOverlapFromTheRightAndFromTheTopAndStayInThePit) {
  ColumnsGame game;
  Rest(game, {{32, 352, 1}, {0, 352, 0}, {0, 320, 2}, {160, 352, 5}});
  Falling(game, 64, -20, {3, 4, 4});
  Bitmap work(704, 468, Untouched);
  DrawPit(work, game, PlainPictures(), true, work.Bounds());
  const int bottomRowTop = PitTop + 16 + 352;
  // The left column covers the right one's edge; the lower row covers the upper one's edge.
  EXPECT_EQ(work.Pixel(PitLeft + 32 - 4 + 2, bottomRowTop + 10), KindColour(0));
  EXPECT_EQ(work.Pixel(PitLeft + 10, bottomRowTop + 2), KindColour(0));
  EXPECT_EQ(work.Pixel(PitLeft + 160 - 4, bottomRowTop), Rgb(0, 0, 0)) << "black is left out";
  // Only the lowest rows of the entering column reach into the pit.
  EXPECT_EQ(work.Pixel(PitLeft + 64 + 10, PitRect.top + 5), KindColour(4));
  for (int x = 0; x < 704; ++x)
    ASSERT_EQ(work.Pixel(x, PitRect.top - 1), Untouched) << "drawn above the pit at " << x;
}

TEST(HashiraDrawing, MarkedBlocksBlinkAndThePointsWaveWhileTheChainResolves) {
  ColumnsGame game;
  Rest(game, {{0, 352, 0}});
  game.ColumnBlocks[1].state = Marked;
  game.ColumnPhase = ShowingMarked;
  game.LastPoints = 1500; // " 1500": the places 2 to 5
  game.HashiraTicks = 7;
  struct Case {
    int phaseTicks;
    bool animateChain;
    bool blockShown, pointsShown;
  } cases[] = {{4, true, true, true}, {5, true, false, true}, {4, false, true, false}};
  for (const Case& c : cases) {
    game.PhaseTicks = c.phaseTicks;
    Bitmap work(704, 468, Untouched);
    DrawPit(work, game, PlainPictures(), c.animateChain, work.Bounds());
    EXPECT_EQ(Face(work, 0, 352) == KindColour(0), c.blockShown) << c.phaseTicks;
    const std::pair<int, int> places[] = {{2, 1}, {3, 5}, {5, 0}};
    for (const auto& [p, digit] : places) {
      const int x = PitLeft + 30 + 19 * p;
      const int y =
          static_cast<int>(25 * std::cos(0.25 * 7 + 0.5 * p)) + PitTop + 4 * c.phaseTicks + 100;
      EXPECT_EQ(work.Pixel(x + 15, y + 11) == DigitColour(digit), c.pointsShown) << p;
    }
    EXPECT_NE(work.Pixel(PitLeft + 30 + 19 + 10, PitTop + 4 * c.phaseTicks + 100), DigitColour(1))
        << "the first place stays blank";
  }
}

// A step redraws only the part of the pit that changed; the picture must come out the same as
// the whole pit drawn anew, through a fall, a chain's blinking and points, and the gaps filling.
TEST(HashiraDrawing, RedrawingWhatChangedGivesTheWholePitsPicture) {
  for (bool animateChain : {true, false}) {
    auto state = std::make_unique<engine::GameState>();
    state->options.AnimateChain = animateChain;
    ColumnsGame game;
    Rest(game,
         {{64, 352, 0}, {96, 352, 1}, {128, 352, 1}, {96, 320, 2}, {128, 320, 2}, {160, 352, 2}});
    Falling(game, 64, -20, {1, 0, 0});
    const ColumnsPictures pictures = PlainPictures();
    Bitmap shown(704, 468, Untouched), whole(704, 468, Untouched);
    DrawPit(shown, game, pictures, animateChain, shown.Bounds());
    PitPicture picture = PitShown(game, animateChain);
    for (int step = 0; step < 600; ++step) {
      DoColumns(game, *state);
      const PitPicture now = PitShown(game, animateChain);
      DrawPit(shown, game, pictures, animateChain, PitChanges(picture, now));
      picture = now;
      DrawPit(whole, game, pictures, animateChain, whole.Bounds());
      ASSERT_TRUE(platform::ChangedArea(shown, whole, whole.Bounds()).Empty())
          << "step " << step << (animateChain ? " animated" : "");
    }
    EXPECT_EQ(state->scoring.GameScore, 3000) << "the chain ran its course";
  }
}

} // namespace

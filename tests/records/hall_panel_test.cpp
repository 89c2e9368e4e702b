#include <gtest/gtest.h>

#include "records/hall_panel.h"
#include "render/tile_sheet.h"
#include "support/mode_table.h"
#include "support/test_platform.h"

namespace {

// The traits of the game of a mode; none on the screens between games and in the editor.
struct GameOf {
  explicit GameOf(int mode)
      : traits(testing_support::ExpectedTraits(mode)),
        game(mode >= engine::ModeSolitaire && mode <= engine::ModeHashira) {}
  const play::Traits* operator()() const { return game ? &traits : nullptr; }
  play::Traits traits;
  bool game;
};

using platform::Rgb;

struct Printed {
  int x, y;
  std::string text;
  platform::Font font;
  std::uint32_t colour;
};

class FakePainter final : public platform::TextPainter {
public:
  void DrawText(platform::Bitmap&, int x, int y, std::string_view text, const platform::Font& font,
                std::uint32_t colour) override {
    printed.push_back({x, y, std::string(text), font, colour});
  }
  int TextWidth(std::string_view text, const platform::Font&) override {
    return 7 * static_cast<int>(text.size());
  }
  std::vector<Printed> printed;
};

TEST(HallPanelTest, ShiftMakesRoomForWhatThePanelShows) {
  struct Case {
    bool girls, tile;
    int mode;
    int shift;
  } cases[] = {
      {true, false, engine::ModeSolitaire, 90},    {true, true, engine::ModeSolitaire, 10},
      {true, true, engine::ModeRivers, 90},        {true, false, engine::ModeTwoPlayers, 20},
      {false, false, engine::ModeTwoPlayers, 20},  {false, true, engine::ModeRivers, 10},
      {false, false, engine::ModeGamesPanel, -20}, {true, false, engine::ModePaused, 90},
  };
  for (const Case& c : cases) {
    engine::Options o;
    o.ShowGirls = c.girls;
    o.ShowTile = c.tile;
    EXPECT_EQ(records::PanelShift(o, GameOf(c.mode)()), c.shift) << c.girls << c.tile << c.mode;
  }
}

TEST(HallPanelTest, MascotFollowsProgress) {
  struct Case {
    int mode;
    int movesLeft, tilesLeft, seconds, penalty;
    int picture;
  } cases[] = {
      {engine::ModeSolitaire, 2, 0, 0, 0, 11}, {engine::ModeSolitaire, 3, 0, 0, 0, 9},
      {engine::ModeSolitaire, 7, 0, 0, 0, 9},  {engine::ModeSolitaire, 8, 0, 0, 0, 10},
      {engine::ModeRivers, 0, 0, 100, 20, 7},  {engine::ModeRivers, 0, 0, 100, 21, 6},
      {engine::ModeRivers, 0, 0, 240, 0, 6},   {engine::ModeRivers, 0, 0, 241, 0, 8},
      {engine::ModeMemory, 0, 0, 60, 0, 7},    {engine::ModeMemory, 0, 0, 61, 0, 6},
      {engine::ModeMemory, 0, 0, 100, 21, 8},  {engine::ModeClicks, 6, 0, 0, 0, 5},
      {engine::ModeClicks, 7, 0, 0, 0, 3},     {engine::ModeClicks, 24, 0, 0, 0, 3},
      {engine::ModeClicks, 25, 0, 0, 0, 4},    {engine::ModeSlider, 0, 29, 0, 0, 10},
      {engine::ModeSlider, 0, 30, 0, 0, 9},    {engine::ModeSlider, 0, 60, 0, 0, 9},
      {engine::ModeSlider, 0, 61, 0, 0, 11},   {engine::ModeGamesPanel, 0, 0, 0, 0, 1},
      {engine::ModeEditor, 0, 0, 0, 0, 1},
  };
  for (const Case& c : cases) {
    engine::GameState state;
    state.board.MovesLeft = c.movesLeft;
    state.board.TilesLeft = c.tilesLeft;
    state.scoring.GameScore = c.seconds;
    state.scoring.PenaltySeconds = c.penalty;
    const std::uint32_t seed = state.rng.RandSeed;
    EXPECT_EQ(records::GirlsIndex(GameOf(c.mode)(), state, false, state.rng), c.picture) << c.mode;
    EXPECT_EQ(state.rng.RandSeed, seed) << "only Hashira draws";
  }
}

TEST(HallPanelTest, HashiraDrawsAFaceEachTimeAndOrchidReplacesTheChoice) {
  engine::GameState state;
  state.rng.RandSeed = 12345;
  engine::Generator expected{12345};
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(records::GirlsIndex(GameOf(engine::ModeHashira)(), state, false, state.rng),
              16 + expected.Random(3));

  const std::pair<int, int> orchid[] = {{engine::ModeClicks, 13},     {engine::ModeHashira, 13},
                                        {engine::ModeSolitaire, 14},  {engine::ModeSlider, 14},
                                        {engine::ModeRivers, 15},     {engine::ModeMemory, 15},
                                        {engine::ModeGamesPanel, 12}, {engine::ModeNone, 12}};
  const std::uint32_t seed = state.rng.RandSeed;
  for (auto [mode, picture] : orchid)
    EXPECT_EQ(records::GirlsIndex(GameOf(mode)(), state, true, state.rng), picture) << mode;
  EXPECT_EQ(state.rng.RandSeed, seed);
}

class ComposeTest : public ::testing::Test {
protected:
  ComposeTest() {
    pictures_.HofPic.Fill(Rgb(10, 20, 30));
    for (int i = 0; i < records::GirlsCount; ++i) {
      pictures_.Girls[i] =
          platform::Bitmap(records::GirlsWidth, records::GirlsHeight, records::GirlsFiles[i].key);
      pictures_.Girls[i].SetPixel(40, 80, Rgb(i, i, i));
    }
  }
  records::HallPictures pictures_;
  records::HallOfFame hall_;
  platform::Bitmap save_{records::PanelWidth, records::PanelHeight};
  FakePainter painter_;
};

TEST_F(ComposeTest, TitleAndRowsMoveWithTheShift) {
  hall_.AddHall(1, 125, 0, "Ann", "07/12/26");
  hall_.AddHall(1, 300, 0, "Bob", "07/12/26");
  records::ComposePanel(save_, pictures_, hall_, {-20, -1, 1, 2}, painter_);
  ASSERT_EQ(painter_.printed.size(), 6u);
  EXPECT_EQ(painter_.printed[0].text, "HALL OF");
  EXPECT_EQ(std::pair(painter_.printed[0].x, painter_.printed[0].y), std::pair(21, 70));
  EXPECT_EQ(painter_.printed[0].font.family, "Comic Sans MS");
  EXPECT_EQ(painter_.printed[0].colour, Rgb(255, 255, 0));
  EXPECT_EQ(std::pair(painter_.printed[1].x, painter_.printed[1].y), std::pair(31, 90));
  const Printed& name1 = painter_.printed[2];
  EXPECT_EQ(name1.text, "Ann     ");
  EXPECT_EQ(std::pair(name1.x, name1.y), std::pair(15, 27 + 81 + 20));
  EXPECT_TRUE(name1.font.bold);
  EXPECT_FALSE(name1.font.italic);
  EXPECT_EQ(name1.font.family, "Verdana");
  EXPECT_EQ(name1.colour, Rgb(255, 255, 255));
  EXPECT_EQ(painter_.printed[3].text, "02:05");
  EXPECT_EQ(std::pair(painter_.printed[3].x, painter_.printed[3].y), std::pair(32, 27 + 94 + 20));
  EXPECT_EQ(painter_.printed[3].colour, Rgb(0, 255, 255));
  EXPECT_TRUE(painter_.printed[4].font.italic) << "the last entry made";
  EXPECT_EQ(save_.Pixel(0, 0), Rgb(10, 20, 30));
}

TEST_F(ComposeTest, MascotInsteadOfTitleAndScoresAlignRight) {
  hall_.AddHall(1040, 123, 2, "Gus", "07/12/26");
  hall_.AddHall(1040, 5, 1, "Hal", "07/12/26");
  records::ComposePanel(save_, pictures_, hall_, {90, 17, 1040, 0}, painter_);
  ASSERT_EQ(painter_.printed.size(), 4u) << "no title";
  EXPECT_EQ(painter_.printed[0].y, 27 + 81 - 90);
  EXPECT_EQ(painter_.printed[1].text, " 12300");
  EXPECT_EQ(painter_.printed[3].text, "    500");
  EXPECT_EQ(save_.Pixel(40, 302 + 80), Rgb(17, 17, 17));
  EXPECT_EQ(save_.Pixel(0, 302), Rgb(10, 20, 30)) << "the key colour stays transparent";
}

TEST(PanelScoreTest, BlanksByDigitCount) {
  struct Case {
    int value;
    const char* text;
  } cases[] = {{5, "        5"}, {42, "      42"},  {420, "    420"},
               {4200, "  4200"}, {12345, " 12345"}, {999900, "999900"}};
  for (const Case& c : cases) {
    records::HallOfFame hall;
    hall.SetEntry(1030, 1,
                  records::FormatEntry("A       ", c.value > 9999 ? 9999 : c.value, 0, "07/12/26"));
    if (c.value > 9999) continue; // Slider stores at most 9999; larger ones come from Hashira
    records::HallPictures pictures;
    platform::Bitmap save(records::PanelWidth, records::PanelHeight);
    FakePainter painter;
    records::ComposePanel(save, pictures, hall, {-20, -1, 1030, 0}, painter);
    EXPECT_EQ(painter.printed.back().text, c.text);
  }
}

TEST(CurrentTileTest, CoveredOrNoTileWipesTheSpot) {
  engine::GameState state;
  render::BoardPictures boardPictures;
  boardPictures.TilesetBitmap.Fill(Rgb(255, 255, 255));
  boardPictures.TileSheet.Fill(Rgb(0, 0, 200));
  platform::Bitmap hofPic(records::PanelWidth, records::PanelHeight, Rgb(1, 2, 3));
  platform::Bitmap save(records::PanelWidth, records::PanelHeight, Rgb(0, 0, 0));

  engine::Board& b = state.board;
  b.TilePos[5] = {4, 4, 1};
  b.BoardGrid.Set(4, 4, 1, 5);
  records::ShowCurrentTile(save, hofPic, b, boardPictures, 5);
  EXPECT_EQ(save.Pixel(24, 390), Rgb(0, 0, 200)) << "the tile, masked in";
  EXPECT_EQ(save.Pixel(23, 390), Rgb(0, 0, 0));

  b.BoardGrid.Set(4, 4, 2, 9);
  records::ShowCurrentTile(save, hofPic, b, boardPictures, 5);
  EXPECT_EQ(save.Pixel(24, 390), Rgb(1, 2, 3)) << "covered: wiped";
  EXPECT_EQ(save.Pixel(69, 445), Rgb(1, 2, 3));
  EXPECT_EQ(save.Pixel(70, 445), Rgb(0, 0, 0));

  save.Fill(Rgb(0, 0, 0));
  records::ShowCurrentTile(save, hofPic, b, boardPictures, 0);
  EXPECT_EQ(save.Pixel(24, 390), Rgb(1, 2, 3));
}

} // namespace

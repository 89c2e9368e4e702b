#include <gtest/gtest.h>

#include "records/game_over.h"
#include "records/hall_of_fame.h"

namespace {

using records::HallOfFame;

constexpr int Arena = 1; // a layout table
constexpr int Clicks = 1020, Slider = 1030, Hashira = 1040, Rivers = 1000;

// Fills ranks 1..n of a table with results added in the given order.
void Fill(HallOfFame& hall, int slot, std::initializer_list<int> results) {
  for (int r : results) hall.AddHall(slot, r, 0, "Filler", "01/02/03");
}

std::vector<int> MainValues(const HallOfFame& hall, int slot) {
  std::vector<int> values;
  for (int rank = 1; rank <= records::HallRanks; ++rank)
    values.push_back(records::MainValue(hall.Entry(slot, rank)).value_or(-1));
  return values;
}

TEST(HallEntryTest, ParsesValuesAndTreatsDamageAsEmpty) {
  struct Case {
    const char* entry;
    int main; // -1 for empty
    int second;
    const char* date;
  } cases[] = {
      {"-------- 0000    0 00/00/00", -1, 0, ""},
      {"-------- 0000    0", -1, 0, ""},
      {"Ann       125   40 07/12/26", 125, 40, "07/12/26"},
      {"Ann         0    0 07/12/26", 0, 0, "07/12/26"}, // a cleared Clicks board
      {"Ann      9999 9999 07/12/2026", 9999, 9999, "07/12/20"},
      {"Ann      12345    0 07/12/26", -1, 0, " 07/12/2"}, // a fifth digit shifts the columns
      {"Ann      12a4    0 07/12/26", -1, 0, "07/12/26"},
      {"Ann      1 24    0 07/12/26", -1, 0, "07/12/26"},
      {"Ann      12  ", -1, 0, ""}, // a blank after the digits
      {"Ann       125  x 4", 125, 0, ""},
      {"Ann       125", 125, 0, ""},
      {"Ann", -1, 0, ""},
      {"", -1, 0, ""},
      {"------------------", -1, 0, ""}, // what a padded empty value turns into
      {"Ann      \x01\xff\x80\x02", -1, 0, ""},
  };
  for (const Case& c : cases) {
    const std::optional<int> main = records::MainValue(c.entry);
    EXPECT_EQ(main.value_or(-1), c.main) << c.entry;
    EXPECT_EQ(records::IsEmptyEntry(c.entry), c.main < 0) << c.entry;
    EXPECT_EQ(records::SecondValue(c.entry), c.second) << c.entry;
    EXPECT_EQ(records::EntryDate(c.entry), c.date) << c.entry;
  }
}

TEST(HallEntryTest, PadsShortValuesInFront) {
  EXPECT_EQ(records::PadEntry(""), "------------------");
  EXPECT_EQ(records::PadEntry("0000    0"), "---------0000    0");
  EXPECT_EQ(records::PadEntry("-------- 0000    0"), "-------- 0000    0");
  EXPECT_EQ(records::PadEntry("Ann       125   40 07/12/26"), "Ann       125   40 07/12/26");
}

TEST(HallEntryTest, NamesTakeEightColumns) {
  struct Case {
    const char* typed;
    const char* field;
  } cases[] = {
      {"Alexandrina!", "Alexandr"},
      {"", "-       "},
      {" Bob", "-Bob    "},
      {"Bob", "Bob     "},
      {"Jo Ann", "Jo Ann  "},
      {"12345678", "12345678"},
      {"  two", "- two   "},
      {"Zo\xc3\xab", "Zo\xc3\xab    "},
      // Eight bytes would split the last character: it is left out whole.
      {"abcdefg\xc3\xab", "abcdefg "},
  };
  for (const Case& c : cases) EXPECT_EQ(records::NameField(c.typed), c.field) << c.typed;
}

TEST(HallEntryTest, FormatsFixedColumnsAndClipsToFourDigits) {
  EXPECT_EQ(records::FormatEntry("Ann     ", 125, 40, "07/12/26"), "Ann       125   40 07/12/26");
  EXPECT_EQ(records::FormatEntry("Ann     ", 0, 0, "07/12/26"), "Ann         0    0 07/12/26");
  EXPECT_EQ(records::FormatEntry("Ann     ", 123456, 10000, "07/12/26"),
            "Ann      9999 9999 07/12/26");
  EXPECT_EQ(records::FormatEntry("Ann     ", -5, -1, "07/12/26"), "Ann         0    0 07/12/26");
}

TEST(HallEntryTest, ShortDateHasEightCharactersInTheUsersOrder) {
  struct Case {
    const char* pattern;
    const char* text;
  } cases[] = {
      {"M/d/yy", "12/07/26"},
      {"dd/MM/yyyy", "07/12/26"},
      {"dd.MM.yy", "07.12.26"},
      {"yyyy-MM-dd", "26-12-07"},
      {"d. M. yyyy", "07.12.26"},
      {"y/M/d", "26/12/07"},
      {"dd MMM yyyy", "07/12/26"}, // month names do not fit
      {"", "07/12/26"},
      {"dddd, d/M/yy", "07/12/26"},
      {"d/M", "07/12/26"}, // no year
  };
  for (const Case& c : cases)
    EXPECT_EQ(records::ShortDateText(2026, 12, 7, c.pattern), c.text) << c.pattern;
}

TEST(HallOfFameTest, QualifiesOnlyByBeatingTheTenth) {
  struct Case {
    int slot;
    std::initializer_list<int> table;
    int result;
    bool qualifies;
  } cases[] = {
      {Arena, {}, 5000, true},
      {Arena, {100, 200, 300, 400, 500, 600, 700, 800, 900}, 5000, true}, // rank 10 empty
      {Arena, {100, 200, 300, 400, 500, 600, 700, 800, 900, 1000}, 1000, false},
      {Arena, {100, 200, 300, 400, 500, 600, 700, 800, 900, 1000}, 999, true},
      {Arena, {100, 200, 300, 400, 500, 600, 700, 800, 900, 1000}, 1001, false},
      {Clicks, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 0, false},
      {Clicks, {0, 0, 0, 0, 0, 0, 0, 0, 0, 5}, 0, true},
      {Slider, {10, 20, 30, 40, 50, 60, 70, 80, 90, 100}, 10, false},
      {Slider, {10, 20, 30, 40, 50, 60, 70, 80, 90, 100}, 11, true},
      {Hashira, {10, 20, 30, 40, 50, 60, 70, 80, 90, 100}, 10, false},
      {1005, {}, 10, false}, // not a table
      {0, {}, 10, false},
  };
  for (const Case& c : cases) {
    HallOfFame hall;
    Fill(hall, c.slot, c.table);
    EXPECT_EQ(hall.Qualifies(c.slot, c.result), c.qualifies) << c.slot << " " << c.result;
  }
}

TEST(HallOfFameTest, InsertsAboveEqualResultsAndDropsTheTenth) {
  struct Case {
    int slot;
    std::initializer_list<int> table;
    int result;
    int rank;
    std::vector<int> after;
  } cases[] = {
      {Arena, {}, 300, 1, {300, -1, -1, -1, -1, -1, -1, -1, -1, -1}},
      {Arena, {100, 300}, 200, 2, {100, 200, 300, -1, -1, -1, -1, -1, -1, -1}},
      {Arena, {100, 300}, 300, 2, {100, 300, 300, -1, -1, -1, -1, -1, -1, -1}},
      {Arena, {100, 300}, 400, 3, {100, 300, 400, -1, -1, -1, -1, -1, -1, -1}},
      {Arena, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 5, 5, {1, 2, 3, 4, 5, 5, 6, 7, 8, 9}},
      {Arena, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 9, 9, {1, 2, 3, 4, 5, 6, 7, 8, 9, 9}},
      // Not reached through the game (it does not qualify) but safe: it takes the last rank.
      {Arena, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 50, 10, {1, 2, 3, 4, 5, 6, 7, 8, 9, 50}},
      {Slider, {90, 50, 10}, 50, 2, {90, 50, 50, 10, -1, -1, -1, -1, -1, -1}},
      {Slider, {90, 50, 10}, 95, 1, {95, 90, 50, 10, -1, -1, -1, -1, -1, -1}},
      {Slider, {}, 123456, 1, {9999, -1, -1, -1, -1, -1, -1, -1, -1, -1}},
      {Clicks, {0, 4}, 0, 1, {0, 0, 4, -1, -1, -1, -1, -1, -1, -1}},
  };
  for (const Case& c : cases) {
    HallOfFame hall;
    for (int r : c.table) hall.AddHall(c.slot, r, 0, "Filler", "01/02/03");
    EXPECT_EQ(hall.AddHall(c.slot, c.result, 7, "New", "07/12/26"), c.rank) << c.result;
    EXPECT_EQ(MainValues(hall, c.slot), c.after) << c.result;
    EXPECT_EQ(records::EntryName(hall.Entry(c.slot, c.rank)), "New     ");
    EXPECT_EQ(records::SecondValue(hall.Entry(c.slot, c.rank)), 7);
  }
}

TEST(HallOfFameTest, ResetEmptiesOneTableWithoutDates) {
  HallOfFame hall;
  Fill(hall, Arena, {10, 20});
  Fill(hall, 2, {30});
  hall.Reset(Arena);
  for (int rank = 1; rank <= records::HallRanks; ++rank)
    EXPECT_EQ(hall.Entry(Arena, rank), "-------- 0000    0");
  EXPECT_EQ(records::MainValue(hall.Entry(2, 1)), 30);
}

class GameOverTest : public ::testing::Test {
protected:
  records::GameOverOutcome Finish(int slot, int score, int penalty, int tilesLeft = 0) {
    state_.layouts.LayoutIndex = slot;
    state_.scoring.GameScore = score;
    state_.scoring.PenaltySeconds = penalty;
    state_.board.TilesLeft = tilesLeft;
    return records::PrepareGameOver(state_, hall_, 3);
  }
  engine::GameState state_;
  records::HallState hall_;
};

TEST_F(GameOverTest, MessagesAndHallLinePerTable) {
  struct Case {
    int slot, score, penalty, tilesLeft;
    bool enableHall;
    const char* heading;
    const char* subheading;
    const char* endMessage;
    bool hallLine;
    int result;
  } cases[] = {
      {Arena, 100, 25, 0, true, "Congratulations !", "You finished the board...",
       "Your final time is 02:05", true, 125},
      {Arena, 100, 25, 0, false, "Congratulations !", "You finished the board...",
       "Your final time is 02:05", false, 125},
      {Rivers, 59, 0, 0, true, "Congratulations !", "You finished the board...",
       "Your final time is 00:59", true, 59},
      {Clicks, 17, 0, 17, true, "Congratulations !", "You finished the board...",
       "Your final score is 17", true, 17},
      {Clicks, 17, 0, 0, true, "Congratulations !", "You finished the board...",
       "You reached the top ! Great !", true, 0},
      {Slider, 0, 0, 40, true, "   Game Over !", "", "Your final score is 0", false, 0},
      {Slider, 42, 0, 40, true, "   Game Over !", "", "Your final score is 42", true, 42},
      {Hashira, 12345, 0, 0, true, "   Game Over !", "", "Your final score is 12345", true, 123},
      // Below 100 points Hashira stores 0, which never enters.
      {Hashira, 99, 0, 0, true, "   Game Over !", "", "Your final score is 99", false, 0},
  };
  for (const Case& c : cases) {
    hall_ = {};
    state_.options.EnableHall = c.enableHall;
    const records::GameOverOutcome o = Finish(c.slot, c.score, c.penalty, c.tilesLeft);
    EXPECT_EQ(o.window.caption, "Board finished !");
    EXPECT_EQ(o.window.heading, c.heading) << c.slot;
    EXPECT_EQ(o.window.subheading, c.subheading) << c.slot;
    EXPECT_EQ(o.window.endMessage, c.endMessage) << c.slot;
    EXPECT_EQ(o.window.hallLine, c.hallLine ? "And you enter the Hall of Fame !" : "") << c.slot;
    EXPECT_EQ(o.qualifies, c.hallLine) << c.slot;
    EXPECT_EQ(o.result, c.result) << c.slot;
  }
}

TEST_F(GameOverTest, PictureIsOneOfFourFromTheProgramsGenerator) {
  for (std::uint32_t seed : {0u, 1u, 77u, 0xFFFFFFFFu}) {
    state_.rng.RandSeed = seed;
    engine::Generator expected{seed};
    const int k = expected.Random(4);
    EXPECT_EQ(Finish(Arena, 10, 0).picture, 3 * k + 1);
    EXPECT_EQ(state_.rng.RandSeed, expected.RandSeed) << "exactly one draw";
  }
}

TEST_F(GameOverTest, AddHallEntersResultWithPenaltyOrLevel) {
  hall_.CurrentPlayerName = "Alexandrina!";
  records::AddHall(state_, hall_, Finish(Arena, 100, 25), "07/12/26");
  EXPECT_EQ(state_.LastHallRank, 1);
  EXPECT_EQ(hall_.tables.Entry(Arena, 1), "Alexandr  125   25 07/12/26");
  records::AddHall(state_, hall_, Finish(Hashira, 12399, 0), "07/12/26");
  EXPECT_EQ(hall_.tables.Entry(Hashira, 1), "Alexandr  123    3 07/12/26");
}

TEST(PlayerNameTest, OrchidTranquilAndTheEntryJustMade) {
  records::HallState hall;
  hall.tables.AddHall(Arena, 100, 0, "Player1", "07/12/26");

  // Not right after an entry: only the name changes, the alternative pictures go on at once.
  records::NameChange c = records::PlayerNameChange(hall, Arena, 1, "Orchid");
  EXPECT_EQ(c.altGirls, true);
  EXPECT_TRUE(c.rerenderPanel);
  EXPECT_FALSE(c.regenerateRows);
  EXPECT_TRUE(hall.AltGirls);
  EXPECT_EQ(hall.CurrentPlayerName, "Orchid");
  EXPECT_EQ(records::EntryName(hall.tables.Entry(Arena, 1)), "Player1 ");

  c = records::PlayerNameChange(hall, Arena, 1, "orchid");
  EXPECT_FALSE(c.altGirls.has_value());
  c = records::PlayerNameChange(hall, Arena, 1, "");
  EXPECT_EQ(hall.CurrentPlayerName, "-");
  c = records::PlayerNameChange(hall, Arena, 1, " Al");
  EXPECT_EQ(hall.CurrentPlayerName, "-Al");

  hall.HallJustEntered = true;
  c = records::PlayerNameChange(hall, Arena, 1, "Tranquil");
  EXPECT_EQ(c.altGirls, false);
  EXPECT_FALSE(hall.AltGirls);
  EXPECT_TRUE(c.regenerateRows);
  EXPECT_EQ(hall.tables.Entry(Arena, 1), "Tranquil  100    0 07/12/26");

  c = records::PlayerNameChange(hall, Arena, 1, "Tranquil");
  EXPECT_FALSE(c.regenerateRows) << "nothing changed";
  EXPECT_TRUE(c.rerenderPanel);

  c = records::PlayerNameChange(hall, Arena, 1, "");
  EXPECT_EQ(hall.tables.Entry(Arena, 1), "-         100    0 07/12/26");
}

} // namespace

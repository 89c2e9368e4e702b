#include "tool_commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "engine/board.h"
#include "engine/deal.h"
#include "engine/free_rule.h"
#include "engine/layout_file.h"
#include "engine/random.h"
#include "support/test_platform.h"

namespace {

namespace fs = std::filesystem;
using engine::Position;
using testing_support::BuiltLayout;
using testing_support::ReadText;
using testing_support::TestLayout;

struct ToolRun {
  int status;
  std::string out, err;
};

ToolRun Tool(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  int status = tool::RunTool(args, out, err);
  return {status, out.str(), err.str()};
}

engine::LayoutGrid CellsOf(const std::string& path) {
  std::string text = ReadText(path);
  bool shp = path.size() > 4 && path.substr(path.size() - 4) == ".shp";
  return (shp ? engine::ParseShp(text) : engine::ParseLay(text)).cells;
}

// The positions of "t x y z" lines, index t - 1; fails unless t counts up from 1.
std::vector<Position> DealtPositions(const std::string& out) {
  std::vector<Position> dealt;
  std::istringstream lines(out);
  int t = 0;
  Position p;
  while (lines >> t >> p.x >> p.y >> p.z) {
    EXPECT_EQ(t, static_cast<int>(dealt.size()) + 1);
    dealt.push_back(p);
  }
  EXPECT_TRUE(lines.eof()) << "unreadable deal output";
  return dealt;
}

TEST(PelmarTool, UsageErrorsExitWithTwo) {
  const std::string eight = TestLayout("eight.lay");
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"frobnicate"},
      {"deal", eight},
      {"deal", eight, "--seed"},
      {"deal", eight, "--seed", "0"},
      {"deal", eight, "--seed", "-5"},
      {"deal", eight, "--seed", "abc"},
      {"deal", eight, "--seed", "12x"},
      {"deal", eight, "--seed", "2147483648"},
      {"deal", eight, "--seed", "1", "--vertical"},
      {"deal", "--seed", "1"},
      {"moves", eight, eight, "--seed", "1"},
      {"moves", eight, "--seed", "1", "--fast"},
      {"solve", eight},
      {"solve", eight, "--seed", "1", "--budget-ms", "0"},
      {"solve", eight, "--seed", "1", "--budget-ms"},
      {"solve-stats", eight, "--from", "1"},
      {"solve-stats", eight, "--count", "5"},
      {"solve-stats", eight, "--from", "2147483647", "--count", "2"},
      {"solve-stats", eight, "--from", "1", "--count", "1000001"},
      {"solve-stats", eight, "--from", "1", "--count", "2", "--moves"},
      {"check"},
      {"convert", eight},
      {"convert", eight, "out.txt"},
      {"convert", eight, "out.lay", "--map"},
      {"convert", eight, "out.lay", "--map", "A", "--map", "B"},
      {"rivers", "--seed", "1"},
      {"rivers", "--variant", "medium", "--seed", "1"},
      {"rivers", "--variant", "easy", "--seed", "0"},
      {"memory", "--variant", "hard"},
      {"memory", "--variant", "easy", "--seed", "1", "--moves"},
      {"hashira"},
      {"hashira", "--seed", "1"},
      {"hashira", "--ticks", "5"},
      {"hashira", "--seed", "-1", "--ticks", "5"},
      {"hashira", "--seed", "4294967296", "--ticks", "5"},
      {"hashira", "--seed", "1", "--ticks", "5", "--speed", "4"},
      {"hashira", "--seed", "1", "--ticks", "5", "--start-level", "11"},
      {"hashira", "--seed", "1", "--ticks", "5", "--key", "0:left"},
      {"hashira", "--seed", "1", "--ticks", "5", "--key", "3:jump"},
      {"hashira", "--seed", "1", "--ticks", "5", "--key", "left"},
      {"hashira", "--seed", "1", "--ticks", "5", "--fast"},
  };
  for (const auto& args : cases) {
    std::string line;
    for (const std::string& a : args) line += a + " ";
    ToolRun r = Tool(args);
    EXPECT_EQ(r.status, tool::UsageError) << line;
    EXPECT_NE(r.err.find("usage: pelmar-tool deal"), std::string::npos) << line << r.err;
    EXPECT_EQ(r.out, "") << line;
  }
}

TEST(PelmarTool, DealPlacesEveryTileOnItsOwnLayoutPosition) {
  for (const std::string& layout : {TestLayout("eight.lay"), TestLayout("stacked.lay"),
                                    TestLayout("shape.shp"), BuiltLayout("Traditional")}) {
    const engine::LayoutGrid cells = CellsOf(layout);
    for (bool winnable : {false, true}) {
      std::vector<std::string> args = {"deal", layout, "--seed", "4242"};
      if (winnable) args.push_back("--winnable");
      ToolRun r = Tool(args);
      ASSERT_EQ(r.status, tool::Success) << layout << r.err;
      std::vector<Position> dealt = DealtPositions(r.out);
      EXPECT_EQ(static_cast<int>(dealt.size()), cells.Positions()) << layout;
      std::set<std::tuple<int, int, int>> distinct;
      for (const Position& p : dealt) {
        EXPECT_EQ(cells(p.x, p.y, p.z), 1) << layout << " " << p.x << "," << p.y << "," << p.z;
        distinct.insert({p.x, p.y, p.z});
      }
      EXPECT_EQ(distinct.size(), dealt.size()) << layout << " winnable " << winnable;
    }
  }
}

TEST(PelmarTool, DealDependsOnSeedAndKind) {
  const std::string traditional = BuiltLayout("Traditional");
  auto deal = [&](const std::string& seed, bool winnable) {
    std::vector<std::string> args = {"deal", traditional, "--seed", seed};
    if (winnable) args.push_back("--winnable");
    return Tool(args).out;
  };
  EXPECT_EQ(deal("1", false), deal("1", false));
  EXPECT_EQ(deal("2147483647", true), deal("2147483647", true));
  EXPECT_NE(deal("1", false), deal("2", false));
  EXPECT_NE(deal("1", true), deal("2", true));
  EXPECT_NE(deal("1", false), deal("1", true));
}

// Worked out from the generator's definition, not from the program: RandSeed starts at the game
// number, each draw does RandSeed = RandSeed * 134775813 + 1 (mod 2^32) and returns
// (RandSeed * n) >> 32; tile t takes the first x = Random(34) + 1, y = Random(20) + 1,
// z = Random(5) + 1 that is a free layout position. A change to either breaks old game numbers.
TEST(PelmarTool, DealOfGameNumberOneIsPinned) {
  ToolRun r = Tool({"deal", TestLayout("eight.lay"), "--seed", "1"});
  ASSERT_EQ(r.status, tool::Success) << r.err;
  EXPECT_EQ(r.out, "1 7 5 1\n"
                   "2 9 5 1\n"
                   "3 9 3 1\n"
                   "4 5 5 1\n"
                   "5 3 5 1\n"
                   "6 3 3 1\n"
                   "7 7 3 1\n"
                   "8 5 3 1\n");
}

// Worked out from the same definitions: Rivers and Memory draw a column, then a row, of their
// rectangle for each slot in turn until the cell is empty; Rivers' count takes every pair of a
// group that is uncovered and joined by a path of at most three segments.
TEST(PelmarTool, RiversAndMemoryDealsAndCountsArePinned) {
  struct Case {
    std::vector<std::string> args;
    std::string start;
  } cases[] = {
      {{"rivers", "--variant", "easy", "--seed", "1"}, "1 4 15 1\n2 8 7 1\n3 22 7 1\n4 8 9 1\n"},
      {{"memory", "--variant", "easy", "--seed", "1"}, "1 10 13 1\n2 12 9 1\n3 20 9 1\n"},
      {{"rivers", "--variant", "easy", "--seed", "1", "--moves"},
       "free 24\nmoves 15\nlist 2 4 5 6 7 9 10 13 15 21 22 23 24 26 27 49 50 52 66 67 69 72 74 "
       "76\n"},
      {{"rivers", "--variant", "hard", "--seed", "7", "--moves"},
       "free 23\nmoves 12\nlist 83 84 85 86 87 88 91 92 97 100 105 108 114 116 117 120 123 124 "
       "126 127 141 143 144\n"},
  };
  for (const Case& c : cases) {
    ToolRun r = Tool(c.args);
    ASSERT_EQ(r.status, tool::Success) << r.err;
    EXPECT_TRUE(r.out.starts_with(c.start)) << r.out;
  }
  const ToolRun hard = Tool({"rivers", "--variant", "hard", "--seed", "1"});
  const std::vector<Position> dealt = DealtPositions(hard.out);
  ASSERT_EQ(dealt.size(), 144u);
  EXPECT_EQ(dealt[72], (Position{6, 7, 2})) << "slot 73 opens the second layer";
}

TEST(PelmarTool, MovesAgreeWithTheDeal) {
  for (std::string seed : {"1", "77", "123456789"}) {
    for (bool winnable : {false, true}) {
      std::vector<std::string> args = {BuiltLayout("Traditional"), "--seed", seed};
      if (winnable) args.push_back("--winnable");
      args.insert(args.begin(), "deal");
      std::vector<Position> dealt = DealtPositions(Tool(args).out);
      args[0] = "moves";
      ToolRun r = Tool(args);
      ASSERT_EQ(r.status, tool::Success) << r.err;

      std::istringstream in(r.out);
      std::string word;
      int freeCount = -1, moves = -1;
      in >> word >> freeCount;
      EXPECT_EQ(word, "free");
      in >> word >> moves;
      EXPECT_EQ(word, "moves");
      in >> word;
      EXPECT_EQ(word, "list");
      std::vector<int> list;
      for (int t; in >> t;) list.push_back(t);
      EXPECT_EQ(static_cast<int>(list.size()), freeCount) << r.out;
      EXPECT_TRUE(std::is_sorted(list.begin(), list.end())) << r.out;

      // The free tiles and moves of the dealt board, counted here on their own.
      engine::TileGrid grid;
      for (std::size_t t = 0; t < dealt.size(); ++t)
        grid.Set(dealt[t], static_cast<std::uint8_t>(t + 1));
      std::vector<int> expected;
      int perGroup[36] = {}, expectedMoves = 0;
      for (std::size_t t = 0; t < dealt.size(); ++t)
        if (engine::IsPositionFree(grid, dealt[t])) {
          expected.push_back(static_cast<int>(t + 1));
          if (perGroup[engine::TileGroup(static_cast<int>(t + 1))]++ > 0) ++expectedMoves;
        }
      EXPECT_EQ(list, expected) << "seed " << seed;
      EXPECT_EQ(moves, expectedMoves) << "seed " << seed;
    }
  }
}

// The pairs of "solve --moves", played on the board "deal" prints by the game's rule.
TEST(PelmarTool, SolvedPairsClearTheDealtBoard) {
  const std::string traditional = BuiltLayout("Traditional");
  struct Case {
    std::string seed;
    bool winnable;
    std::string answer;
  } cases[] = {{"77", true, "winnable"}, {"3", false, "winnable"}, {"218", false, "not winnable"}};
  for (const Case& c : cases) {
    std::vector<std::string> args = {"deal", traditional, "--seed", c.seed};
    if (c.winnable) args.push_back("--winnable");
    std::vector<Position> dealt = DealtPositions(Tool(args).out);
    args[0] = "solve";
    // Far more time than these deals need, even in a sanitizer build.
    args.insert(args.end(), {"--moves", "--budget-ms", "600000"});
    ToolRun r = Tool(args);
    ASSERT_EQ(r.status, tool::Success) << r.err;
    std::istringstream in(r.out);
    std::string answer, word, unit;
    std::getline(in, answer);
    EXPECT_EQ(answer, c.answer) << c.seed;
    long long nodes = -1;
    double ms = -1;
    in >> word >> nodes >> word >> ms >> unit;
    EXPECT_GT(nodes, 0) << r.out;
    EXPECT_GE(ms, 0) << r.out;

    auto board = std::make_unique<engine::Board>();
    board->GameMode = engine::ModeSolitaire;
    for (std::size_t t = 0; t < dealt.size(); ++t)
      engine::Place(*board, static_cast<int>(t + 1), dealt[t]);
    int pairs = 0;
    for (int a, b; in >> a >> b; ++pairs) {
      ASSERT_EQ(engine::TileGroup(a), engine::TileGroup(b)) << c.seed;
      ASSERT_TRUE(engine::Dispo(*board, a) && engine::Dispo(*board, b)) << c.seed << " " << a;
      for (int t : {a, b}) {
        board->BoardGrid.Set(board->TilePos[t], 0);
        board->TilePos[t] = {};
      }
    }
    EXPECT_EQ(pairs, answer == "winnable" ? 72 : 0) << c.seed;
  }

  ToolRun stats = Tool({"solve-stats", traditional, "--from", "1", "--count", "5", "--winnable"});
  ASSERT_EQ(stats.status, tool::Success) << stats.err;
  EXPECT_NE(stats.out.find("deals 5\nwinnable 5 (100.0%)\nnot winnable 0\nunknown 0\n"),
            std::string::npos)
      << stats.out;
}

TEST(PelmarTool, CheckNamesEveryInvalidFile) {
  testing_support::TempFolder tmp;
  std::string shortLine = tmp.Write("short.lay", "Pelmar 6.0\r\nS\r\n0101\r\n");
  std::string other =
      tmp.Write("other.lay", "Other 1.0\r\nS\r\n" + std::string(3400, '1') + "\r\n");
  std::string absent = (tmp.path() / "absent.lay").string();
  const std::vector<std::string> good = {TestLayout("eight.lay"),      TestLayout("shape.shp"),
                                         TestLayout("eight.txt"),      BuiltLayout("Traditional"),
                                         TestLayout("pyramid.layout"), TestLayout("twins.map")};

  std::vector<std::string> args = {"check"};
  args.insert(args.end(), good.begin(), good.end());
  ToolRun ok = Tool(args);
  EXPECT_EQ(ok.status, tool::Success) << ok.err;
  EXPECT_EQ(ok.err, "");
  for (const std::string& path : good) EXPECT_NE(ok.out.find(path + ": \""), std::string::npos);

  for (const std::string& bad : {shortLine, other, absent}) {
    std::vector<std::string> mixed = args;
    mixed.insert(mixed.begin() + 2, bad);
    ToolRun r = Tool(mixed);
    EXPECT_EQ(r.status, tool::InvalidInput) << bad;
    EXPECT_NE(r.err.find(bad + ": "), std::string::npos) << r.err;
    EXPECT_NE(r.out.find(bad + ": invalid: "), std::string::npos) << r.out;
    for (const std::string& path : good) EXPECT_NE(r.out.find(path + ": \""), std::string::npos);
  }
}

TEST(PelmarTool, ConvertWritesALayoutTheGameAccepts) {
  testing_support::TempFolder tmp;
  struct Case {
    std::string in, name;
    engine::LayoutGrid cells;
  } cases[] = {
      {TestLayout("shape.shp"), TestLayout("shape.shp"), CellsOf(TestLayout("shape.shp"))},
      {TestLayout("eight.txt"), "Eight Drawn", CellsOf(TestLayout("eight.lay"))},
  };
  for (const Case& c : cases) {
    std::string out = (tmp.path() / "converted.lay").string();
    ToolRun r = Tool({"convert", c.in, out});
    ASSERT_EQ(r.status, tool::Success) << c.in << r.err;
    EXPECT_EQ(Tool({"check", out}).status, tool::Success) << c.in;
    engine::ParsedLayout back = engine::ParseLay(ReadText(out));
    EXPECT_TRUE(back.cells == c.cells) << c.in;
    EXPECT_EQ(back.name, c.name);
  }
}

// A map file is checked map by map, and convert takes the map asked for, else the first.
TEST(PelmarTool, MapFilesAreCheckedAndConvertedMapByMap) {
  testing_support::TempFolder tmp;
  const std::string twins = TestLayout("twins.map");
  const std::string half =
      tmp.Write("half.map", "<mahjongg><map name='Good'><row left='0' right='6' y='0'/></map>"
                            "<map name='Bad'><tile x='0.5' y='0'/></map></mahjongg>");
  ToolRun check = Tool({"check", twins, half});
  EXPECT_EQ(check.status, tool::InvalidInput);
  EXPECT_EQ(check.out, twins + ": \"Bridge & Tower\", 12 positions, 8 free\n" + twins +
                           ": \"Plain\", 4 positions, 2 free\n" + half +
                           ": \"Good\", 4 positions, 2 free\n" + half +
                           ": invalid: map \"Bad\", line 1: x=\"0.5\" falls between two of our "
                           "half-tile cells\n");

  const std::string out = (tmp.path() / "out.lay").string();
  for (auto [map, name, positions] :
       {std::tuple<std::string, std::string, int>{"", "Bridge & Tower", 12},
        {"Plain", "Plain", 4}}) {
    std::vector<std::string> args = {"convert", twins, out};
    if (!map.empty()) args.insert(args.begin() + 1, {"--map", map});
    ASSERT_EQ(Tool(args).status, tool::Success) << map;
    engine::ParsedLayout back = engine::ParseLay(ReadText(out));
    EXPECT_EQ(back.name, name);
    EXPECT_EQ(back.cells.Positions(), positions);
  }
  ToolRun missing = Tool({"convert", twins, out, "--map", "Castle"});
  EXPECT_EQ(missing.status, tool::InvalidInput);
  EXPECT_EQ(missing.err, twins + ": it holds no map named \"Castle\" (its maps: \"Bridge & "
                                 "Tower\", \"Plain\")\n");
}

TEST(PelmarTool, ConvertRefusesBrokenInputAndWritesNothing) {
  testing_support::TempFolder tmp;
  std::vector<std::string> broken = {
      tmp.Write("short.shp", "0000A0302\r\n"),
      tmp.Write("bad.txt", "name: Bad\nlayer 1\nXX\n"),
      tmp.Write("bad.lay", "Pelmar 6.0\r\nBad\r\n" + std::string(3400, '2') + "\r\n"),
      tmp.Write("far.layout", "kmahjongg-layout-v1.1\nw40\nh2\nd1\n" + std::string(36, '.') +
                                  "12..\n" + std::string(36, '.') + "43..\n"),
      (tmp.path() / "absent.txt").string(),
  };
  for (const std::string& in : broken) {
    std::string out = (tmp.path() / "Layouts" / "out.lay").string();
    ToolRun r = Tool({"convert", in, out});
    EXPECT_EQ(r.status, tool::InvalidInput) << in;
    EXPECT_NE(r.err.find(in + ": "), std::string::npos) << r.err;
    EXPECT_TRUE(fs::is_empty(tmp.path() / "Layouts")) << in;
  }
}

} // namespace

namespace {

TEST(PelmarTool, FieldGamesRefuseBadArguments) {
  const std::vector<std::vector<std::string>> cases = {
      {"clicks", "--seed", "1"},
      {"clicks", "--kinds", "7", "--seed", "1"},
      {"clicks", "--kinds", "4"},
      {"clicks", "--kinds", "4", "--seed", "4294967296"},
      {"clicks", "--kinds", "4", "--seed", "1", "--click", "1,2"},
      {"clicks", "--kinds", "4", "--seed", "1", "--click", "20,5"},
      {"clicks", "--kinds", "4", "--seed", "1", "--click", "2,14"},
      {"clicks", "--kinds", "4", "--seed", "1", "--click", "2;3"},
      {"clicks", "--kinds", "4", "--seed", "1", "--jokers"},
      {"slider", "--seed", "-1"},
      {"slider", "--seed", "1", "--click", "0,1"},
      {"slider", "--seed", "1", "--click", "10,9"},
      {"slider", "--seed", "1", "--click"},
      {"slider", "--seed", "1", "--kinds", "4"},
  };
  for (const auto& args : cases) {
    std::string line;
    for (const std::string& a : args) line += a + " ";
    ToolRun r = Tool(args);
    EXPECT_EQ(r.status, tool::UsageError) << line;
    EXPECT_NE(r.err.find("usage: pelmar-tool deal"), std::string::npos) << line << r.err;
    EXPECT_EQ(r.out, "") << line;
  }
}

// Worked out from the rules, not from the program: five times a column, a row and (with
// jokers) one of seven kinds, then three next kinds; a click on an empty cell with nothing
// selected answers "noway".
TEST(PelmarTool, SliderOfSeedOneIsPinned) {
  ToolRun r = Tool({"slider", "--seed", "1", "--jokers", "--click", "3,3"});
  ASSERT_EQ(r.status, tool::Success) << r.err;
  EXPECT_EQ(r.out, "noway 3,3\n"
                   "000000030\n"
                   "000000000\n"
                   "000000000\n"
                   "030000000\n"
                   "100000000\n"
                   "000000000\n"
                   "003000000\n"
                   "200000000\n"
                   "000000000\n"
                   "next 7 3 6\n"
                   "score 0\n"
                   "finished 0\n");
}

TEST(PelmarTool, ClicksPrintsTheFieldAfterItsClicks) {
  ToolRun r = Tool({"clicks", "--kinds", "4", "--seed", "1", "--click", "2,2", "--click", "2,13"});
  ASSERT_EQ(r.status, tool::Success) << r.err;
  std::istringstream lines(r.out);
  std::string line;
  std::getline(lines, line);
  EXPECT_EQ(line, "noway 2,2"); // a lone tile of the top row
  for (int row = 0; row < 12; ++row) {
    std::getline(lines, line);
    EXPECT_EQ(line.size(), 18u);
    EXPECT_EQ(line.find_first_not_of("01234"), std::string::npos) << line;
  }
  EXPECT_EQ(line, "222414223322314234");
  std::getline(lines, line);
  EXPECT_EQ(line, "tiles 214");
  std::getline(lines, line);
  EXPECT_EQ(line, "groups 43");
}

struct HashiraOutcome {
  std::vector<std::string> head;        // score, removed, level, finished
  std::vector<std::vector<int>> blocks; // kind x y state
};

HashiraOutcome Hashira(std::vector<std::string> args) {
  args.insert(args.begin(), "hashira");
  const ToolRun r = Tool(args);
  EXPECT_EQ(r.status, tool::Success) << r.err;
  HashiraOutcome outcome;
  std::istringstream lines(r.out);
  std::string line;
  for (int i = 0; i < 4 && std::getline(lines, line); ++i) outcome.head.push_back(line);
  std::vector<int> b(4);
  while (lines >> b[0] >> b[1] >> b[2] >> b[3]) outcome.blocks.push_back(b);
  EXPECT_TRUE(lines.eof()) << r.out;
  return outcome;
}

TEST(PelmarTool, HashiraSeedsTheGeneratorAndActsOnEachKeyBeforeItsStep) {
  engine::Generator rng{7};
  std::vector<int> kinds;
  for (int k = 0; k < 3; ++k) kinds.push_back(rng.Random(6));
  struct Case {
    std::vector<std::string> keys;
    int ticks;
    int x, topY;
  } cases[] = {
      {{}, 1, 64, -95},
      {{"1:left"}, 1, 32, -95},
      {{"1:right", "2:right"}, 2, 128, -95}, // each press moves once
      {{"1:left", "1:left"}, 1, 64, -95},    // pressed twice before one step: no move
      {{"1:down", "2:release"}, 2, 64, -87}, // 8 pixels, then 0.4 again
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"--seed", "7",       "--speed",
                                     "1",      "--ticks", std::to_string(c.ticks)};
    for (const std::string& k : c.keys) args.insert(args.end(), {"--key", k});
    const HashiraOutcome o = Hashira(args);
    EXPECT_EQ(o.head, (std::vector<std::string>{"score 0", "removed 0", "level 1", "finished 0"}));
    ASSERT_EQ(o.blocks.size(), 3u);
    for (int k = 0; k < 3; ++k)
      EXPECT_EQ(o.blocks[k], (std::vector<int>{kinds[k], c.x, c.topY + 32 * k, 1}))
          << c.keys.size() << " keys, block " << k;
  }
}

TEST(PelmarTool, HashiraStopsAtTheEndOfTheGame) {
  const HashiraOutcome o = Hashira({"--seed", "3", "--start-level", "5", "--ticks", "100000"});
  ASSERT_EQ(o.head.size(), 4u);
  EXPECT_EQ(o.head[3], "finished 1");
  EXPECT_EQ(o.head[1].substr(0, 8), "removed ");
  EXPECT_GE(std::stoi(o.head[1].substr(8)), 120) << "counted from the start level";
  bool entryTaken = false;
  for (const auto& b : o.blocks) entryTaken = entryTaken || (b[1] == 64 && b[2] == 0);
  EXPECT_TRUE(entryTaken);
}

} // namespace

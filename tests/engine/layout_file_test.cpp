#include "engine/layout_file.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "support/test_platform.h"

namespace {

using engine::LayoutGrid;
using engine::ParsedLayout;
using engine::Position;
using Outcome = ParsedLayout::Outcome;

// The character of a position in line 3, computed here rather than taken from the reader.
int CellIndex(int x, int y, int z) {
  return (z - 1) * 680 + (y - 1) * 34 + (x - 1);
}

// The first n cells of the anchor box on odd columns and rows, layer by layer.
std::vector<Position> Positions(int n) {
  std::vector<Position> list;
  for (int z = 1; z <= 5; ++z)
    for (int y = 1; y <= 20; y += 2)
      for (int x = 1; x <= 34; x += 2)
        if (static_cast<int>(list.size()) < n) list.push_back({x, y, z});
  return list;
}

std::string Line3(const std::vector<Position>& positions) {
  std::string cells(3400, '0');
  for (const Position& p : positions) cells[CellIndex(p.x, p.y, p.z)] = '1';
  return cells;
}

std::string Lay(const std::string& header, const std::string& name, const std::string& cells,
                const std::string& eol = "\r\n") {
  return header + eol + name + eol + cells + eol;
}

::testing::AssertionResult HasExactly(const LayoutGrid& grid, const std::vector<Position>& want) {
  std::string expected = Line3(want);
  for (int i = 0; i < 3400; ++i)
    if (grid.cells[i] != expected[i] - '0')
      return ::testing::AssertionFailure() << "cell " << i << " is " << int(grid.cells[i]);
  return ::testing::AssertionSuccess();
}

TEST(ParseLay, AcceptsWellFormedFiles) {
  const std::vector<Position> p144 = Positions(144), p8 = Positions(8), p140 = Positions(140);
  struct Case {
    std::string label, text, name;
    std::vector<Position> cells;
  } cases[] = {
      {"full header, CR LF", Lay("Pelmar 3.0", "Big", Line3(p144)), "Big", p144},
      // A small-layout header on a full layout is read without complaint.
      {"small header on 144", Lay("Pelmar 6.0", "Big", Line3(p144)), "Big", p144},
      {"small header, LF", Lay("Pelmar 6.0", "Eight", Line3(p8), "\n"), "Eight", p8},
      {"full header on 8", Lay("Pelmar 3.0", "Eight", Line3(p8)), "Eight", p8},
      {"140 positions", Lay("Pelmar 6.0", "Almost", Line3(p140)), "Almost", p140},
      {"no final newline", "Pelmar 6.0\r\nEight\r\n" + Line3(p8), "Eight", p8},
      {"name of 200 with tab", Lay("Pelmar 6.0", "a\t" + std::string(198, 'n'), Line3(p8)),
       "a\t" + std::string(198, 'n'), p8},
      {"empty name", Lay("Pelmar 6.0", "", Line3(p8)), "", p8},
  };
  for (const Case& c : cases) {
    ParsedLayout parsed = engine::ParseLay(c.text);
    ASSERT_EQ(parsed.outcome, Outcome::Ok) << c.label << ": " << parsed.fault;
    EXPECT_EQ(parsed.name, c.name) << c.label;
    EXPECT_TRUE(HasExactly(parsed.cells, c.cells)) << c.label;
    EXPECT_TRUE(parsed.warnings.empty()) << c.label << ": " << parsed.warnings.front();
  }
}

TEST(ParseLay, ReadsTheTestLayoutAtItsCells) {
  ParsedLayout parsed =
      engine::ParseLay(testing_support::ReadText(testing_support::TestLayout("eight.lay")));
  ASSERT_EQ(parsed.outcome, Outcome::Ok) << parsed.fault;
  EXPECT_EQ(parsed.name, "Eight");
  EXPECT_TRUE(HasExactly(
      parsed.cells,
      {{3, 3, 1}, {5, 3, 1}, {7, 3, 1}, {9, 3, 1}, {3, 5, 1}, {5, 5, 1}, {7, 5, 1}, {9, 5, 1}}));
}

TEST(ParseLay, OtherVersionKeepsItsHeader) {
  for (std::string header : {"Some Other Game 2.0", "pelmar 6.0", "Pelmar 7.0"}) {
    ParsedLayout parsed = engine::ParseLay(Lay(header, "X", Line3(Positions(8))));
    EXPECT_EQ(parsed.outcome, Outcome::WrongHeader) << header;
    EXPECT_EQ(parsed.header, header);
  }
}

TEST(ParseLay, RefusesBrokenFilesWithAReason) {
  const std::string good = Line3(Positions(8));
  std::string two = good, ex = good;
  two[100] = '2';
  ex[3399] = 'x';
  struct Case {
    std::string label, text, faultMentions;
  } cases[] = {
      {"empty file", "", "empty"},
      {"binary junk", std::string("\0\x01\x02\xff\xfe junk\r\n", 13), "not a layout"},
      {"archive", std::string("PK\x03\x04\x14\0\x08\0", 8), "not a layout"},
      {"overlong line 1", std::string(81, 'P') + "\r\nX\r\n" + good, "not a layout"},
      {"header only", "Pelmar 6.0\r\n", "line 2"},
      {"no line 3", "Pelmar 6.0\r\nName\r\n", "line 3"},
      {"line 3 of 3399", Lay("Pelmar 6.0", "X", good.substr(1)), "3399"},
      {"line 3 of 3401", Lay("Pelmar 6.0", "X", good + "0"), "3401"},
      {"a 2 in line 3", Lay("Pelmar 6.0", "X", two), "\"2\" at character 101"},
      {"an x in line 3", Lay("Pelmar 6.0", "X", ex), "\"x\" at character 3400"},
      {"145 positions", Lay("Pelmar 3.0", "X", Line3(Positions(145))), "145"},
      {"no positions", Lay("Pelmar 6.0", "X", std::string(3400, '0')), "no tile positions"},
      {"name of 201", Lay("Pelmar 6.0", std::string(201, 'n'), good), "longer than 200"},
      {"name with a control", Lay("Pelmar 6.0", "Na\x01me", good), "control characters"},
      {"name with DEL", Lay("Pelmar 6.0", "Na\x7Fme", good), "control characters"},
  };
  for (const Case& c : cases) {
    ParsedLayout parsed = engine::ParseLay(c.text);
    EXPECT_EQ(parsed.outcome, Outcome::Broken) << c.label;
    EXPECT_NE(parsed.fault.find(c.faultMentions), std::string::npos)
        << c.label << ": \"" << parsed.fault << "\"";
  }
}

// A picture's first line ("\x89PNG") is no version header of ours: the player must hear that the
// file is no layout at all, not that it belongs to another version.
TEST(ParseLay, PictureFileIsNotTakenForAnotherVersion) {
  ParsedLayout parsed = engine::ParseLay(std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
  EXPECT_EQ(parsed.outcome, Outcome::Broken) << "taken for header \"" << parsed.header << "\"";
}

TEST(CheckPositionCount, WarnsOfCountsThatCannotEndWell) {
  struct Case {
    int n;
    std::string warning; // empty: no warning
  } cases[] = {{1, "odd"},   {2, "multiple of 4"},   {4, ""},  {5, "odd"}, {6, "multiple of 4"},
               {143, "odd"}, {142, "multiple of 4"}, {144, ""}};
  for (const Case& c : cases) {
    ParsedLayout parsed = engine::ParseLay(Lay("Pelmar 6.0", "X", Line3(Positions(c.n))));
    ASSERT_EQ(parsed.outcome, Outcome::Ok) << c.n;
    if (c.warning.empty()) {
      EXPECT_TRUE(parsed.warnings.empty()) << c.n;
    } else {
      ASSERT_EQ(parsed.warnings.size(), 1u) << c.n;
      EXPECT_NE(parsed.warnings[0].find(c.warning), std::string::npos) << parsed.warnings[0];
      EXPECT_NE(parsed.warnings[0].find(std::to_string(c.n)), std::string::npos);
    }
  }
}

TEST(FormatLay, HeaderFollowsTheCountAndTheTextIsExact) {
  struct Case {
    int n;
    std::string header;
  } cases[] = {{144, "Pelmar 3.0"}, {143, "Pelmar 6.0"}, {140, "Pelmar 6.0"}, {2, "Pelmar 6.0"}};
  for (const Case& c : cases) {
    ParsedLayout parsed = engine::ParseLay(Lay("Pelmar 6.0", "Same", Line3(Positions(c.n))));
    ASSERT_EQ(parsed.outcome, Outcome::Ok);
    EXPECT_EQ(engine::FormatLay(parsed.cells, parsed.name),
              Lay(c.header, "Same", Line3(Positions(c.n))))
        << c.n;
  }
  ParsedLayout eight =
      engine::ParseLay(testing_support::ReadText(testing_support::TestLayout("eight.lay")));
  EXPECT_EQ(engine::FormatLay(eight.cells, "Eight"),
            testing_support::ReadText(testing_support::TestLayout("eight.lay")));
}

TEST(FormatLay, RoundTripKeepsCellsAndName) {
  std::mt19937 draw(7);
  for (int n : {1, 2, 37, 100, 143, 144}) {
    LayoutGrid cells;
    while (cells.Positions() < n) cells.cells[draw() % 3400] = 1;
    std::string name = "Round " + std::to_string(n) + " \xE2\x80\x9Cquoted\xE2\x80\x9D";
    ParsedLayout back = engine::ParseLay(engine::FormatLay(cells, name));
    ASSERT_EQ(back.outcome, Outcome::Ok) << n << ": " << back.fault;
    EXPECT_TRUE(back.cells == cells) << n;
    EXPECT_EQ(back.name, name);
  }
}

// A .shp line: three free characters, then X, Y and Z in two upper-case hex digits each.
std::string ShpLine(const std::string& prefix, int x, int y, int z) {
  const char* digits = "0123456789ABCDEF";
  std::string line = prefix;
  for (int v : {x - 2, y - 2, z - 1}) line += {digits[v / 16], digits[v % 16]};
  return line;
}

// n distinct positions on the bottom layer; a .shp cannot reach row or column 1.
std::vector<std::string> ShpLines(int n = 144) {
  std::vector<std::string> lines;
  for (int y = 3; y <= 19; y += 2)
    for (int x = 3; x <= 33; x += 2)
      if (static_cast<int>(lines.size()) < n) lines.push_back(ShpLine("T00", x, y, 1));
  return lines;
}

std::string Join(const std::vector<std::string>& lines, const std::string& eol = "\r\n") {
  std::string text;
  for (const std::string& l : lines) text += l + eol;
  return text;
}

TEST(ParseShp, ReadsEachLineAsOnePosition) {
  struct Case {
    std::string label, line;
    Position marked; // {0,0,0}: the line is refused
  } cases[] = {
      {"digits", "0000A0302", {12, 5, 3}},
      {"any first three", "ZZ#0A0302", {12, 5, 3}},
      {"blank first three", "   0A0302", {12, 5, 3}},
      {"text after 9", "0010A0302 whatever; 999999", {12, 5, 3}},
      {"largest X, Y, Z", "000201204", {34, 20, 5}},
      {"smallest", "000000000", {2, 2, 1}},
      {"lower case", "0000a0302", {}},
      {"not hex", "0000G0302", {}},
      {"space in a number", "000 A0302", {}},
      {"X 0x21", "000210000", {}},
      {"Y 0x13", "000001300", {}},
      {"Z 0x05", "000000005", {}},
      {"short line", "0000A030", {}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> lines = ShpLines();
    lines[49] = c.line;
    ParsedLayout parsed = engine::ParseShp(Join(lines));
    if (c.marked.OnBoard()) {
      ASSERT_EQ(parsed.outcome, Outcome::Ok) << c.label << ": " << parsed.fault;
      EXPECT_EQ(parsed.cells.cells[CellIndex(c.marked.x, c.marked.y, c.marked.z)], 1) << c.label;
      EXPECT_EQ(parsed.cells.Positions(), 144) << c.label;
    } else {
      EXPECT_EQ(parsed.outcome, Outcome::Broken) << c.label;
      EXPECT_NE(parsed.fault.find("line 50"), std::string::npos) << c.label << ": " << parsed.fault;
    }
  }
}

TEST(ParseShp, CountsOnlyTheFirst144Lines) {
  std::vector<std::string> lines = ShpLines();
  std::string text = Join(lines);

  ParsedLayout lf = engine::ParseShp(Join(lines, "\n"));
  ASSERT_EQ(lf.outcome, Outcome::Ok) << lf.fault;
  EXPECT_EQ(lf.cells.Positions(), 144);

  ParsedLayout unended = engine::ParseShp(text.substr(0, text.size() - 2));
  EXPECT_EQ(unended.outcome, Outcome::Ok) << unended.fault;
  EXPECT_TRUE(unended.cells == lf.cells);

  ParsedLayout extra = engine::ParseShp(text + "garbage\r\n" + ShpLine("000", 30, 19, 5) + "\r\n");
  EXPECT_EQ(extra.outcome, Outcome::Ok) << extra.fault;
  EXPECT_TRUE(extra.cells == lf.cells);

  lines[10] = lines[0];
  lines[20] = lines[0];
  ParsedLayout dup = engine::ParseShp(Join(lines));
  ASSERT_EQ(dup.outcome, Outcome::Ok) << dup.fault;
  EXPECT_EQ(dup.cells.Positions(), 142);
  EXPECT_FALSE(dup.warnings.empty()); // 142 is not a multiple of 4

  for (std::string shortText : {Join(ShpLines(143)), std::string(), text.substr(0, 100)}) {
    ParsedLayout parsed = engine::ParseShp(shortText);
    EXPECT_EQ(parsed.outcome, Outcome::Broken);
    EXPECT_NE(parsed.fault.find("144 are needed"), std::string::npos) << parsed.fault;
  }
}

TEST(ParseShp, ReadsTheTestShape) {
  ParsedLayout parsed =
      engine::ParseShp(testing_support::ReadText(testing_support::TestLayout("shape.shp")));
  ASSERT_EQ(parsed.outcome, Outcome::Ok) << parsed.fault;
  EXPECT_EQ(parsed.cells.Positions(), 144);
  EXPECT_EQ(parsed.cells.cells[CellIndex(5, 3, 1)], 1);   // its first line, "00103 01 00"
  EXPECT_EQ(parsed.cells.cells[CellIndex(23, 15, 2)], 1); // on top of the lower layer
}

} // namespace

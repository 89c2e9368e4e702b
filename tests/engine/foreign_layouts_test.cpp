#include "engine/foreign_layouts.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "engine/layout_reader.h"
#include "support/test_platform.h"

namespace {

using engine::ParsedLayout;
using testing_support::ReadText;
using testing_support::TestLayout;
using Outcome = ParsedLayout::Outcome;
using Cells = std::set<std::tuple<int, int, int>>;

Cells CellsOf(const ParsedLayout& parsed) {
  Cells cells;
  for (int z = 1; z <= 5; ++z)
    for (int y = 1; y <= 20; ++y)
      for (int x = 1; x <= 34; ++x)
        if (parsed.cells(x, y, z)) cells.insert({x, y, z});
  return cells;
}

// Tiles side by side on a layer, in our coordinates.
Cells Row(int fromX, int toX, int y, int z) {
  Cells cells;
  for (int x = fromX; x <= toX; x += 2) cells.insert({x, y, z});
  return cells;
}

Cells Join(std::initializer_list<Cells> parts) {
  Cells all;
  for (const Cells& part : parts) all.insert(part.begin(), part.end());
  return all;
}

// Our hand-written files, with the cells worked out from the drawing: a tile starting at
// column c, row r of layer l lands at (c + 2, r + 2, l + 1).
TEST(ForeignLayouts, ReadsOurHandWrittenFilesAtTheirCells) {
  struct Expected {
    std::string name;
    Cells cells;
    std::size_t warnings;
  };
  struct Case {
    std::string file;
    std::vector<Expected> layouts;
  } cases[] = {
      {"pyramid.layout",
       {{"pyramid",
         Join(
             {Row(2, 8, 2, 1), Row(2, 8, 4, 1), Row(2, 8, 6, 1), Row(3, 5, 3, 2), Row(3, 5, 5, 2)}),
         0}}},
      // Version 1.0 fixes the grid at 32 x 16 x 5; five tiles leave an odd one out.
      {"bar.layout", {{"bar", Join({Row(12, 18, 6, 1), {{15, 6, 2}}}), 1}}},
      {"twins.map",
       {{"Bridge & Tower",
         Join(
             {Row(2, 8, 2, 1), Row(2, 8, 6, 1), {{12, 2, 1}, {12, 4, 1}, {12, 6, 1}}, {{5, 4, 2}}}),
         0},
        {"Plain", Row(4, 10, 4, 1), 0}}},
  };
  for (const Case& c : cases) {
    const engine::LayoutFileRead read = engine::ReadLayoutFile(TestLayout(c.file));
    ASSERT_EQ(read.readError, "") << c.file;
    ASSERT_EQ(read.layouts.size(), c.layouts.size()) << c.file;
    for (std::size_t i = 0; i < c.layouts.size(); ++i) {
      const ParsedLayout& got = read.layouts[i];
      ASSERT_EQ(got.outcome, Outcome::Ok) << c.file << ": " << got.fault;
      EXPECT_EQ(got.name, c.layouts[i].name) << c.file;
      EXPECT_EQ(CellsOf(got), c.layouts[i].cells) << c.file << " " << got.name;
      EXPECT_EQ(got.warnings.size(), c.layouts[i].warnings) << c.file << " " << got.name;
    }
  }
}

std::string Grid(const std::string& dimensions, const std::vector<std::string>& rows) {
  std::string text = "kmahjongg-layout-v1.1\n" + dimensions;
  for (const std::string& row : rows) text += row + "\n";
  return text;
}

std::string Map(const std::string& body) {
  return "<mahjongg><map name=\"M\">" + body + "</map></mahjongg>";
}

// A row of 17 tiles on each of five layers' eight rows: far more than 144.
std::string CrowdedMap() {
  std::string body;
  for (int z = 0; z < 5; ++z)
    for (int y = 0; y <= 14; y += 2)
      body += "<row left=\"0\" right=\"32\" y=\"" + std::to_string(y) + "\" z=\"" +
              std::to_string(z) + "\"/>";
  return Map(body);
}

std::string Nested(int depth) {
  std::string open, close;
  for (int i = 0; i < depth; ++i) {
    open += "<layer>";
    close += "</layer>";
  }
  return Map(open + close);
}

TEST(ForeignLayouts, RefusesWhatDoesNotFitOurBoardWithAReason) {
  const std::string d2 = "w4\nh2\nd1\n";
  struct Case {
    std::string label, path, text, fault;
  } cases[] = {
      {"other version", "a.layout", "kmahjongg-layout-v2.0\n", "first line"},
      {"strange character", "a.layout", Grid(d2, {"12x.", "43.."}), "line 5, column 3"},
      {"quarter without its tile", "a.layout", Grid(d2, {".2..", "...."}), "not drawn whole"},
      {"tile missing a quarter", "a.layout", Grid(d2, {"12..", "4..."}), "not drawn whole"},
      {"tile beyond column 32", "a.layout",
       Grid("w36\nh2\nd1\n", {std::string(33, '.') + "12.", std::string(33, '.') + "43."}),
       "column 34: the tile there lies outside our board"},
      {"row of the wrong width", "a.layout", Grid(d2, {"12...", "43.."}), "the grid is 4 wide"},
      {"grid cut short", "a.layout", Grid(d2, {"12.."}), "after 1 of its 2 rows"},
      {"absurd size", "a.layout", Grid("w99999\n", {}), "out of range"},
      {"half a cell", "a.map", Map("<tile x=\"3.5\" y=\"0\"/>"), "falls between two"},
      {"outside", "a.map", Map("<tile x=\"33\" y=\"0\"/>"), "outside our board"},
      {"negative", "a.map", Map("<tile x=\"0\" y=\"-2\"/>"), "outside our board"},
      {"layer six", "a.map", Map("<layer z=\"5\"><tile x=\"0\" y=\"0\"/></layer>"), "outside"},
      {"long row", "a.map", Map("<row left=\"0\" right=\"2000000\" y=\"0\"/>"), "outside"},
      {"row of half a tile", "a.map", Map("<row left=\"0\" right=\"3\" y=\"0\"/>"), "whole tiles"},
      {"not a number", "a.map", Map("<tile x=\"two\" y=\"0\"/>"), "x=\"two\" is not a number"},
      {"unknown element", "a.map", Map("<block/>"), "<block> is not a <tile>"},
      {"unknown attribute", "a.map", Map("<tile x=\"0\" y=\"0\" w=\"1\"/>"), "\"w\""},
      {"missing attribute", "a.map", Map("<column x=\"0\" top=\"0\"/>"), "has no bottom"},
      {"more than 144", "a.map", CrowdedMap(), "at most 144"},
      {"no map", "a.map", "<mahjongg/>", "no <map>"},
      {"other root", "a.map", "<html><map/></html>", "<html>"},
      {"unclosed", "a.map", "<mahjongg>\n<map>", "line 2: the file ends before </map>"},
      {"crossed tags", "a.map", "<mahjongg><map></mahjongg></map>", "closes <map>"},
      {"too deep", "a.map", Nested(20), "nested too deeply"},
      {"unknown entity", "a.map", "<mahjongg><map name=\"&nbsp;\"/></mahjongg>", "&nbsp;"},
      {"own definitions", "a.map", "<!DOCTYPE m [<!ENTITY e \"x\">]><mahjongg/>", "definitions"},
      {"twice the same", "a.map", "<mahjongg><map name=\"a\" name=\"b\"/></mahjongg>", "twice"},
      {"not a layout at all", "notes.dat", "Dear diary", "not a layout file"},
  };
  for (const Case& c : cases) {
    const std::vector<ParsedLayout> layouts = engine::ParseLayoutText(c.text, c.path);
    ASSERT_EQ(layouts.size(), 1u) << c.label;
    EXPECT_EQ(layouts[0].outcome, Outcome::Broken) << c.label;
    EXPECT_NE(layouts[0].fault.find(c.fault), std::string::npos)
        << c.label << ": " << layouts[0].fault;
  }
}

// The first line decides where there is a header; our own .lay files keep our wrong-header
// answer; the extension decides the rest.
TEST(ParseLayoutText, TellsTheFormatByHeaderThenByExtension) {
  const std::string grid = Grid("w2\nh2\nd1\n", {"12", "43"});
  const std::string map = "<?xml version='1.0'?>\n<!-- maps --><mahjongg><map name='&#x41;&#98;'>"
                          "<![CDATA[ignored]]><tile x='0' y='0'/></map></mahjongg>";
  struct Case {
    std::string label, path, text;
    Outcome outcome;
    std::string name;
  } cases[] = {
      {"grid under any name", "/d/Ring.txt", grid, Outcome::Ok, "Ring"},
      {"map under any name", "/d/maps.dat", map, Outcome::Ok, "Ab"},
      {"grid header in a .lay file", "/d/Ring.lay", grid, Outcome::WrongHeader, ""},
      {"broken .layout", "/d/Ring.layout", "junk", Outcome::Broken, ""},
      {"broken .map", "/d/Ring.map", "junk", Outcome::Broken, ""},
      {"our header in a .layout file", "/d/x.layout",
       "Pelmar 6.0\r\nMine\r\n" + std::string(3399, '0') + "1\r\n", Outcome::Ok, "Mine"},
  };
  for (const Case& c : cases) {
    const std::vector<ParsedLayout> layouts = engine::ParseLayoutText(c.text, c.path);
    ASSERT_EQ(layouts.size(), 1u) << c.label;
    EXPECT_EQ(layouts[0].outcome, c.outcome) << c.label << ": " << layouts[0].fault;
    if (c.outcome == Outcome::Ok) {
      EXPECT_EQ(layouts[0].name, c.name) << c.label;
    }
  }
  EXPECT_EQ(engine::ParseLayoutText(ReadText(TestLayout("shape.shp")), "/d/shape.shp")[0].name,
            "/d/shape.shp");
}

} // namespace

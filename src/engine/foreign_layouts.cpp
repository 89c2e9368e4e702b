#include "engine/foreign_layouts.h"

#include <algorithm>
#include <charconv>
#include <initializer_list>
#include <optional>
#include <string>

#include "engine/xml_elements.h"

namespace engine {

namespace {

// Where a tile may start in a foreign file: the cells of a .shp position.
constexpr int MaxColumn = GridWidth - 2, MaxRow = GridHeight - 2, MaxLayer = GridLayers - 1;
constexpr int Offset = 2;
const std::string BoardExtent =
    "our board takes tiles starting in columns 0-32 and rows 0-18 of layers 0-4";

ParsedLayout Broken(std::string fault) {
  ParsedLayout parsed;
  parsed.fault = std::move(fault);
  return parsed;
}

// Marks a foreign tile on our grid; false when it lies outside.
bool Place(ParsedLayout& parsed, int column, int row, int layer, int& repeated) {
  if (column < 0 || column > MaxColumn || row < 0 || row > MaxRow || layer < 0 || layer > MaxLayer)
    return false;
  const int x = column + Offset, y = row + Offset, z = layer + 1;
  if (parsed.cells(x, y, z)) ++repeated;
  parsed.cells.Set(x, y, z, 1);
  return true;
}

void Finish(ParsedLayout& parsed, int repeated) {
  parsed.outcome = ParsedLayout::Outcome::Ok;
  if (repeated > 0)
    parsed.warnings.push_back(std::to_string(repeated) +
                              " tile position(s) are named more than once and count once");
  CheckPositionCount(parsed);
}

// ---- the quarter-grid text format ----

struct GridLine {
  std::string_view text;
  int number;
};

std::string_view TrimRight(std::string_view s) {
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
    s.remove_suffix(1);
  return s;
}

// A dimension line of version 1.1, such as "w32"; false when the line is not one.
bool Dimension(std::string_view line, char letter, int& value) {
  if (line.size() < 2 || line.size() > 6 || line[0] != letter) return false;
  int v = 0;
  auto [end, ec] = std::from_chars(line.data() + 1, line.data() + line.size(), v);
  if (ec != std::errc() || end != line.data() + line.size()) return false;
  value = v;
  return true;
}

std::string At(const GridLine& line, int column) {
  return "line " + std::to_string(line.number) + ", column " + std::to_string(column + 1);
}

} // namespace

ParsedLayout ParseQuarterGrid(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  std::vector<GridLine> lines;
  for (int number = 1; !text.empty(); ++number) {
    const std::size_t end = text.find('\n');
    lines.push_back({TrimRight(text.substr(0, end)), number});
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  if (lines.empty()) return Broken("the file is empty");
  const std::string_view header = lines[0].text;
  if (header != QuarterGridHeaderV10 && header != QuarterGridHeaderV11)
    return Broken("its first line is not \"" + std::string(QuarterGridHeaderV10) + "\" or \"" +
                  std::string(QuarterGridHeaderV11) + "\"");

  int width = 32, height = 16, depth = 5;
  std::vector<GridLine> rows;
  bool extra = false;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const GridLine& line = lines[i];
    if (line.text.empty() || line.text[0] == '#') continue;
    if (header == QuarterGridHeaderV11 && rows.empty() &&
        (Dimension(line.text, 'w', width) || Dimension(line.text, 'h', height) ||
         Dimension(line.text, 'd', depth))) {
      if (width < 2 || height < 2 || depth < 1 || width > 1000 || height > 1000 || depth > 100)
        return Broken("line " + std::to_string(line.number) + ": the grid size \"" +
                      std::string(line.text) + "\" is out of range");
      continue;
    }
    if (static_cast<int>(rows.size()) == height * depth) {
      extra = true;
      break;
    }
    if (static_cast<int>(line.text.size()) != width)
      return Broken("line " + std::to_string(line.number) + " has " +
                    std::to_string(line.text.size()) + " characters; the grid is " +
                    std::to_string(width) + " wide");
    rows.push_back(line);
  }
  if (static_cast<int>(rows.size()) < height * depth)
    return Broken("the grid ends after " + std::to_string(rows.size()) + " of its " +
                  std::to_string(height * depth) + " rows (" + std::to_string(depth) +
                  " layers of " + std::to_string(height) + ")");

  ParsedLayout parsed;
  int repeated = 0;
  const auto cell = [&](int layer, int row, int column) {
    return row < 0 || row >= height || column < 0 || column >= width
               ? '.'
               : rows[static_cast<std::size_t>(layer * height + row)].text[column];
  };
  for (int layer = 0; layer < depth; ++layer)
    for (int row = 0; row < height; ++row)
      for (int column = 0; column < width; ++column) {
        const GridLine& line = rows[static_cast<std::size_t>(layer * height + row)];
        // Each quarter must sit where its tile's other quarters say it does.
        bool whole = true;
        switch (cell(layer, row, column)) {
        case '.':
          continue;
        case '1':
          whole = cell(layer, row, column + 1) == '2' && cell(layer, row + 1, column) == '4' &&
                  cell(layer, row + 1, column + 1) == '3';
          break;
        case '2':
          whole = cell(layer, row, column - 1) == '1';
          break;
        case '3':
          whole = cell(layer, row, column - 1) == '4' && cell(layer, row - 1, column) == '2';
          break;
        case '4':
          whole = cell(layer, row - 1, column) == '1';
          break;
        default:
          return Broken(At(line, column) + ": \"" + std::string(1, line.text[column]) +
                        "\" is not a tile quarter (1 to 4) or \".\"");
        }
        if (!whole)
          return Broken(At(line, column) + ": a tile is not drawn whole (\"12\" over \"43\")");
        if (cell(layer, row, column) == '1' && !Place(parsed, column, row, layer, repeated))
          return Broken(At(line, column) + ": the tile there lies outside our board; " +
                        BoardExtent);
      }
  Finish(parsed, repeated);
  if (extra) parsed.warnings.push_back("lines after the last layer are ignored");
  return parsed;
}

namespace {

// ---- the XML map format ----

class MapReader {
public:
  MapReader(ParsedLayout& parsed, const std::string& where) : parsed_(parsed), where_(where) {}

  bool Children(const XmlElement& parent, int layer) {
    for (const XmlElement& child : parent.children)
      if (!Element(child, layer)) return false;
    return true;
  }

  int repeated = 0;

private:
  bool Fail(const XmlElement& e, const std::string& why) {
    parsed_.fault = where_ + ", line " + std::to_string(e.line) + ": " + why;
    return false;
  }

  // A coordinate in half tiles; "4" and "4.0" are a cell, "4.5" lies between two.
  std::optional<int> Number(const XmlElement& e, std::string_view attribute) {
    const std::string* text = e.Attribute(attribute);
    if (!text) {
      Fail(e, "<" + e.name + "> has no " + std::string(attribute));
      return std::nullopt;
    }
    const std::string quoted = std::string(attribute) + "=\"" + *text + "\"";
    std::string_view s = *text;
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    const std::size_t dot = s.find('.');
    std::string_view whole = s.substr(0, dot), fraction;
    if (dot != std::string_view::npos) fraction = s.substr(dot + 1);
    int value = 0;
    auto [end, ec] = std::from_chars(whole.data(), whole.data() + whole.size(), value);
    const bool digitsOnly = fraction.find_first_not_of("0123456789") == std::string_view::npos;
    if (whole.empty() || end != whole.data() + whole.size() || !digitsOnly ||
        (dot != std::string_view::npos && fraction.empty())) {
      Fail(e, quoted + " is not a number");
      return std::nullopt;
    }
    if (ec == std::errc::result_out_of_range || value < -1000 || value > 1000) {
      Fail(e, quoted + " lies outside our board; " + BoardExtent);
      return std::nullopt;
    }
    if (fraction.find_first_not_of('0') != std::string_view::npos) {
      Fail(e, quoted + " falls between two of our half-tile cells");
      return std::nullopt;
    }
    return value;
  }

  // The layer of an element: its own "z" or "layer", else the enclosing one's.
  std::optional<int> Layer(const XmlElement& e, int inherited) {
    if (e.Attribute("z") && e.Attribute("layer")) {
      Fail(e, "<" + e.name + "> names its layer twice");
      return std::nullopt;
    }
    if (e.Attribute("z")) return Number(e, "z");
    if (e.Attribute("layer")) return Number(e, "layer");
    return inherited;
  }

  bool OnlyAttributes(const XmlElement& e, std::initializer_list<std::string_view> known) {
    for (const auto& [key, value] : e.attributes)
      if (key != "z" && key != "layer" && std::find(known.begin(), known.end(), key) == known.end())
        return Fail(e, "<" + e.name + "> has an attribute \"" + key + "\" that we do not read");
    return true;
  }

  // Tiles every 2 cells from `first` to `last` along x (a row) or y (a column).
  bool Line(const XmlElement& e, int first, int last, int other, int layer, bool across) {
    if (last < first || (last - first) % 2 != 0)
      return Fail(e, "<" + e.name + "> does not run over whole tiles from " +
                         std::to_string(first) + " to " + std::to_string(last));
    const auto place = [&](int along) {
      return across ? Place(parsed_, along, other, layer, repeated)
                    : Place(parsed_, other, along, layer, repeated);
    };
    // Both ends inside means every tile between is, so a long line costs nothing to refuse.
    if (!place(first) || !place(last))
      return Fail(e, "<" + e.name + "> lies outside our board; " + BoardExtent);
    for (int along = first + 2; along < last; along += 2) place(along);
    return true;
  }

  bool Element(const XmlElement& e, int inherited) {
    std::optional<int> layer = Layer(e, inherited);
    if (!layer) return false;
    if (e.name == "layer") return OnlyAttributes(e, {}) && Children(e, *layer);
    if (!e.children.empty()) return Fail(e, "<" + e.name + "> cannot hold other elements");
    if (e.name == "tile") {
      std::optional<int> x, y;
      if (!OnlyAttributes(e, {"x", "y"}) || !(x = Number(e, "x")) || !(y = Number(e, "y")))
        return false;
      if (!Place(parsed_, *x, *y, *layer, repeated))
        return Fail(e, "the tile lies outside our board; " + BoardExtent);
      return true;
    }
    if (e.name == "row") {
      std::optional<int> left, right, y;
      return OnlyAttributes(e, {"left", "right", "y"}) && (left = Number(e, "left")) &&
             (right = Number(e, "right")) && (y = Number(e, "y")) &&
             Line(e, *left, *right, *y, *layer, true);
    }
    if (e.name == "column") {
      std::optional<int> x, top, bottom;
      return OnlyAttributes(e, {"x", "top", "bottom"}) && (x = Number(e, "x")) &&
             (top = Number(e, "top")) && (bottom = Number(e, "bottom")) &&
             Line(e, *top, *bottom, *x, *layer, false);
    }
    return Fail(e, "<" + e.name + "> is not a <tile>, <row>, <column> or <layer>");
  }

  ParsedLayout& parsed_;
  const std::string& where_;
};

} // namespace

std::vector<ParsedLayout> ParseLayoutMaps(std::string_view text) {
  const XmlDocument doc = ReadXml(text);
  if (!doc.ok) return {Broken("it is not a readable layout map: " + doc.fault)};
  if (doc.root.name != "mahjongg")
    return {Broken("it is not a layout map: its outer element is <" + doc.root.name +
                   ">, not <mahjongg>")};
  std::vector<ParsedLayout> maps;
  for (const XmlElement& map : doc.root.children) {
    if (map.name != "map") continue;
    ParsedLayout parsed;
    const std::string* name = map.Attribute("name");
    parsed.name = name && !name->empty() ? *name : "Map " + std::to_string(maps.size() + 1);
    const std::string where = "map \"" + parsed.name + "\"";
    MapReader reader(parsed, where);
    if (reader.Children(map, 0)) {
      Finish(parsed, reader.repeated);
      if (parsed.outcome != ParsedLayout::Outcome::Ok) parsed.fault = where + ": " + parsed.fault;
    } else {
      parsed.cells = {};
    }
    maps.push_back(std::move(parsed));
  }
  if (maps.empty()) return {Broken("it holds no <map>")};
  return maps;
}

} // namespace engine

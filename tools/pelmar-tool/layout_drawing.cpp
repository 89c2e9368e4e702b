#include "layout_drawing.h"

#include <string>

namespace tool {

using engine::ParsedLayout;

namespace {

ParsedLayout Broken(int lineNumber, const std::string& fault) {
  ParsedLayout parsed;
  parsed.fault = "line " + std::to_string(lineNumber) + ": " + fault;
  return parsed;
}

} // namespace

ParsedLayout ParseLayoutDrawing(std::string_view text) {
  ParsedLayout parsed;
  int lineNumber = 0, layer = 0, row = 0;
  bool named = false;
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    if (line.starts_with("name: ")) {
      parsed.name = line.substr(6);
      named = true;
    } else if (line.starts_with("layer ")) {
      if (layer != 0 && row != engine::GridHeight)
        return Broken(lineNumber, "layer " + std::to_string(layer) + " has " + std::to_string(row) +
                                      " rows instead of 20");
      std::string number(line.substr(6));
      if (number.size() != 1 || number[0] < '1' || number[0] > '5')
        return Broken(lineNumber, "layers are numbered 1 to 5");
      layer = number[0] - '0';
      row = 0;
    } else {
      if (layer == 0) return Broken(lineNumber, "a row before the first \"layer N\" line");
      if (row == engine::GridHeight) return Broken(lineNumber, "more than 20 rows in a layer");
      if (line.size() != engine::GridWidth)
        return Broken(lineNumber,
                      "a row has " + std::to_string(line.size()) + " characters instead of 34");
      ++row;
      for (int x = 1; x <= engine::GridWidth; ++x) {
        char c = line[x - 1];
        if (c != 'X' && c != '.') return Broken(lineNumber, "only \"X\" and \".\" may draw a row");
        parsed.cells.Set(x, row, layer, c == 'X');
      }
    }
  }
  if (layer != 0 && row != engine::GridHeight)
    return Broken(lineNumber, "the last layer has " + std::to_string(row) + " rows instead of 20");
  if (!named) return Broken(lineNumber, "the drawing has no \"name: \" line");
  parsed.outcome = ParsedLayout::Outcome::Ok;
  engine::CheckPositionCount(parsed);
  return parsed;
}

} // namespace tool

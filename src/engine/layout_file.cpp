#include "engine/layout_file.h"

#include <algorithm>

namespace engine {

namespace {

constexpr std::size_t MaxNameLength = 200;
constexpr std::size_t ShpLines = 144;

// Splits into lines ended by LF or CR LF; a last line without an ending counts too.
std::vector<std::string_view> SplitLines(std::string_view text, std::size_t wanted) {
  std::vector<std::string_view> lines;
  while (!text.empty() && lines.size() < wanted) {
    std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

// Text a player could have typed: no control characters, and well-formed UTF-8.
bool IsPlainText(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    auto u = static_cast<unsigned char>(s[i]);
    if ((u < 0x20 && u != '\t') || u == 0x7F) return false;
    int continuation = u < 0x80           ? 0
                       : (u >> 5) == 0x6  ? 1
                       : (u >> 4) == 0xE  ? 2
                       : (u >> 3) == 0x1E ? 3
                                          : -1;
    if (continuation < 0 || i + continuation >= s.size()) return false;
    for (int k = 1; k <= continuation; ++k)
      if ((static_cast<unsigned char>(s[i + k]) >> 6) != 0x2) return false;
    i += 1 + continuation;
  }
  return true;
}

std::string Quoted(char c) {
  auto u = static_cast<unsigned char>(c);
  if (u >= 0x20 && u < 0x7F) return std::string("\"") + c + "\"";
  static const char* digits = "0123456789ABCDEF";
  return std::string("byte 0x") + digits[u >> 4] + digits[u & 15];
}

} // namespace

void CheckPositionCount(ParsedLayout& parsed) {
  int n = parsed.cells.Positions();
  if (n == 0) {
    parsed.outcome = ParsedLayout::Outcome::Broken;
    parsed.fault = "it has no tile positions";
  } else if (n > MaxTiles) {
    parsed.outcome = ParsedLayout::Outcome::Broken;
    parsed.fault = "it has " + std::to_string(n) + " tile positions; at most 144 are allowed";
  } else if (n % 2 != 0) {
    parsed.warnings.push_back("it has an odd number of positions (" + std::to_string(n) +
                              "), so its last tile can never be removed");
  } else if (n % 4 != 0) {
    parsed.warnings.push_back("its " + std::to_string(n) +
                              " positions are not a multiple of 4, so the last group is short");
  }
}

namespace {

ParsedLayout Broken(std::string fault) {
  ParsedLayout parsed;
  parsed.fault = std::move(fault);
  return parsed;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

} // namespace

ParsedLayout ParseLay(std::string_view text) {
  std::vector<std::string_view> lines = SplitLines(text, 4);
  if (lines.empty()) return Broken("the file is empty");
  std::string_view header = lines[0];
  if (header != LayHeaderFull && header != LayHeaderSmall) {
    if (header.empty() || header.size() > 80 || !IsPlainText(header))
      return Broken("it is not a layout file (line 1 is not a version header)");
    ParsedLayout wrong;
    wrong.outcome = ParsedLayout::Outcome::WrongHeader;
    wrong.header = header;
    return wrong;
  }
  if (lines.size() < 2) return Broken("line 2 (the layout name) is missing");
  std::string_view name = lines[1];
  if (name.size() > MaxNameLength)
    return Broken("line 2 (the layout name) is longer than " + std::to_string(MaxNameLength) +
                  " characters");
  if (!IsPlainText(name)) return Broken("line 2 (the layout name) holds control characters");
  if (lines.size() < 3) return Broken("line 3 (the tile positions) is missing");
  std::string_view cells = lines[2];
  if (cells.size() != LayoutCellCount)
    return Broken("line 3 has " + std::to_string(cells.size()) + " characters instead of " +
                  std::to_string(LayoutCellCount));

  ParsedLayout parsed;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (cells[i] != '0' && cells[i] != '1')
      return Broken("line 3 holds " + Quoted(cells[i]) + " at character " + std::to_string(i + 1) +
                    "; only 0 and 1 are allowed");
    parsed.cells.cells[i] = static_cast<std::uint8_t>(cells[i] - '0');
  }
  parsed.outcome = ParsedLayout::Outcome::Ok;
  parsed.name = name;
  if (lines.size() > 3 && !lines[3].empty())
    parsed.warnings.push_back("text after line 3 is ignored");
  CheckPositionCount(parsed);
  return parsed;
}

ParsedLayout ParseShp(std::string_view text) {
  std::vector<std::string_view> lines = SplitLines(text, ShpLines);
  if (lines.size() < ShpLines)
    return Broken("it has " + std::to_string(lines.size()) + " lines; 144 are needed");
  ParsedLayout parsed;
  for (std::size_t i = 0; i < ShpLines; ++i) {
    std::string_view line = lines[i];
    std::string where = "line " + std::to_string(i + 1);
    if (line.size() < 9) return Broken(where + " is shorter than 9 characters");
    int value[3];
    for (int f = 0; f < 3; ++f) {
      char hi = line[3 + 2 * f], lo = line[4 + 2 * f];
      int h = HexDigit(hi), l = HexDigit(lo);
      if (h < 0 || l < 0)
        return Broken(where + ": characters " + std::to_string(4 + 2 * f) + " and " +
                      std::to_string(5 + 2 * f) +
                      " are not a two-digit hexadecimal number (0-9, A-F)");
      value[f] = h * 16 + l;
    }
    int x = value[0] + 2, y = value[1] + 2, z = value[2] + 1;
    if (!TileGrid::InAnchorBox(x, y, z))
      return Broken(where + ": the position " + std::string(line.substr(3, 6)) +
                    " is outside the board (X 00-20, Y 00-12, Z 00-04)");
    parsed.cells.Set(x, y, z, 1);
  }
  parsed.outcome = ParsedLayout::Outcome::Ok;
  CheckPositionCount(parsed);
  return parsed;
}

std::string FormatLay(const LayoutGrid& cells, const std::string& name) {
  std::string text;
  text.reserve(LayoutCellCount + name.size() + 20);
  text += cells.Positions() >= MaxTiles ? LayHeaderFull : LayHeaderSmall;
  text += "\r\n";
  text += name;
  text += "\r\n";
  for (std::uint8_t c : cells.cells) text += static_cast<char>('0' + c);
  text += "\r\n";
  return text;
}

} // namespace engine

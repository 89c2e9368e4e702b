#include "engine/layout_reader.h"

#include "engine/foreign_layouts.h"
#include "platform/files.h"

namespace engine {

namespace {

enum class Format { Lay, Shp, QuarterGrid, Maps, Unknown };

std::string_view FirstLine(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  std::string_view line = text.substr(0, text.find('\n'));
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

// A header decides where there is one; a .lay file with a header of any other program still
// reads as ours, so that it meets our wrong-header answer. A .shp file has no header at all.
Format FormatOf(std::string_view text, std::string_view path) {
  if (path.ends_with(".shp")) return Format::Shp;
  const std::string_view first = FirstLine(text);
  if (first == LayHeaderFull || first == LayHeaderSmall || path.ends_with(".lay"))
    return Format::Lay;
  if (first.starts_with("kmahjongg-layout-v")) return Format::QuarterGrid;
  if (first.find_first_not_of(" \t") != std::string_view::npos &&
      first[first.find_first_not_of(" \t")] == '<')
    return Format::Maps;
  if (path.ends_with(QuarterGridExtension)) return Format::QuarterGrid;
  if (path.ends_with(MapFileExtension)) return Format::Maps;
  return Format::Unknown;
}

} // namespace

bool IsForeignLayoutFile(std::string_view fileName) {
  return fileName.ends_with(QuarterGridExtension) || fileName.ends_with(MapFileExtension);
}

std::string NameFromFileName(const std::string& path) {
  std::string name = platform::FileNameOf(path);
  const std::size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.erase(dot);
  return name;
}

std::vector<ParsedLayout> ParseLayoutText(std::string_view text, const std::string& path) {
  switch (FormatOf(text, path)) {
  case Format::Lay:
    return {ParseLay(text)};
  case Format::Shp: {
    ParsedLayout parsed = ParseShp(text);
    parsed.name = path;
    return {parsed};
  }
  case Format::QuarterGrid: {
    ParsedLayout parsed = ParseQuarterGrid(text);
    parsed.name = NameFromFileName(path);
    return {parsed};
  }
  case Format::Maps:
    return ParseLayoutMaps(text);
  case Format::Unknown:
    break;
  }
  ParsedLayout unknown;
  unknown.fault = "it is not a layout file of a kind we read";
  return {unknown};
}

LayoutFileRead ReadLayoutFile(const std::string& path) {
  LayoutFileRead read;
  platform::FileRead file = platform::ReadWholeFile(path, MaxLayoutFileBytes);
  if (file.ok)
    read.layouts = ParseLayoutText(file.bytes, path);
  else
    read.readError = file.error;
  return read;
}

const ParsedLayout* FindMap(const std::vector<ParsedLayout>& layouts, std::string_view map) {
  if (map.empty()) return layouts.empty() ? nullptr : &layouts.front();
  for (const ParsedLayout& layout : layouts)
    if (layout.name == map) return &layout;
  return nullptr;
}

std::string FaultOf(const ParsedLayout& parsed) {
  if (parsed.outcome == ParsedLayout::Outcome::WrongHeader)
    return "its version header \"" + parsed.header + "\" is not \"" + std::string(LayHeaderFull) +
           "\" or \"" + std::string(LayHeaderSmall) + "\"";
  return parsed.fault;
}

} // namespace engine

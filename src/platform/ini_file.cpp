#include "platform/ini_file.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "platform/files.h"

namespace platform {

namespace {

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

std::string_view Trimmed(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

} // namespace

IniFile IniFile::Parse(std::string_view text) {
  IniFile ini;
  Section* current = nullptr;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    const std::string_view line = Trimmed(text.substr(0, end));
    text.remove_prefix(std::min(end + 1, text.size()));
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      current = &ini.SectionFor(Trimmed(line.substr(1, line.size() - 2)));
      continue;
    }
    const std::size_t equals = line.find('=');
    if (!current || equals == std::string_view::npos || equals == 0) continue;
    const std::string_view key = Trimmed(line.substr(0, equals));
    const std::string_view value = Trimmed(line.substr(equals + 1));
    if (key.empty() || value.size() > MaxValueLength) continue;
    // The first occurrence of a key wins, as a reader that stops at the first match would see.
    const auto known = std::find_if(current->entries.begin(), current->entries.end(),
                                    [key](const Entry& e) { return SameName(e.key, key); });
    if (known == current->entries.end())
      current->entries.push_back({std::string(key), std::string(value)});
  }
  return ini;
}

IniFile IniFile::Load(const std::string& path) {
  const FileRead file = ReadWholeFile(path, MaxFileBytes);
  if (file.ok) return Parse(file.bytes);
  IniFile empty;
  if (!file.missing) empty.readError_ = file.error;
  return empty;
}

const IniFile::Section* IniFile::FindSection(std::string_view name) const {
  const auto it = std::find_if(sections_.begin(), sections_.end(),
                               [name](const Section& s) { return SameName(s.name, name); });
  return it == sections_.end() ? nullptr : &*it;
}

IniFile::Section& IniFile::SectionFor(std::string_view name) {
  if (const Section* s = FindSection(name)) return const_cast<Section&>(*s);
  sections_.push_back({std::string(name), {}});
  return sections_.back();
}

const std::string* IniFile::Find(std::string_view section, std::string_view key) const {
  const Section* s = FindSection(section);
  if (!s) return nullptr;
  for (const Entry& e : s->entries)
    if (SameName(e.key, key)) return &e.value;
  return nullptr;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
  const std::string* value = Find(section, key);
  return value ? *value : std::string(fallback);
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int fallback) const {
  const std::string* value = Find(section, key);
  if (!value || value->empty()) return fallback;
  const char* first = value->data();
  const char* last = first + value->size();
  if (*first == '+') ++first;
  int number = 0;
  const auto [end, error] = std::from_chars(first, last, number);
  return error == std::errc{} && end == last ? number : fallback;
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
  return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

bool IniFile::HasKey(std::string_view section, std::string_view key) const {
  return Find(section, key) != nullptr;
}

bool IniFile::HasSection(std::string_view section) const {
  return FindSection(section) != nullptr;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  // A line break inside a value would start a line of its own when read back.
  std::string clean(value.substr(0, value.find_first_of("\r\n")));
  Section& s = SectionFor(section);
  for (Entry& e : s.entries)
    if (SameName(e.key, key)) {
      e.value = std::move(clean);
      return;
    }
  s.entries.push_back({std::string(key), std::move(clean)});
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void IniFile::EraseSection(std::string_view section) {
  std::erase_if(sections_, [section](const Section& s) { return SameName(s.name, section); });
}

std::string IniFile::Format() const {
  std::string text;
  for (const Section& s : sections_) {
    if (!text.empty()) text += '\n';
    text += '[' + s.name + "]\n";
    for (const Entry& e : s.entries) text += e.key + '=' + e.value + '\n';
  }
  return text;
}

std::string IniFile::Save(const std::string& path) const {
  return WriteFileAtomically(path, Format());
}

} // namespace platform

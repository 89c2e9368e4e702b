#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// A settings file of "[Section]" headers and "key=value" lines, held in memory. Section and key
// names match without regard to case; values are read without their surrounding blanks. Anything
// that is not a header or a key line (junk, binary bytes, a value too long to be ours) is skipped,
// so a damaged file reads as the defaults where it is damaged and as itself elsewhere.
class IniFile {
public:
  // Files larger than this are not ours: they read as empty.
  static constexpr std::size_t MaxFileBytes = 4u << 20;
  // A value longer than this reads as missing.
  static constexpr std::size_t MaxValueLength = 4096;

  static IniFile Parse(std::string_view text);
  // A missing file gives an empty file. So does one that is there but cannot be read (no right
  // to read it, larger than MaxFileBytes, a folder), and ReadError then says why: such a file may
  // hold what the player wants kept, so it must not be written over.
  static IniFile Load(const std::string& path);
  // Why the file could not be loaded; empty when it was read or is not there at all.
  const std::string& ReadError() const { return readError_; }

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
  // A value that is not a whole decimal number within range gives the fallback.
  int ReadInteger(std::string_view section, std::string_view key, int fallback) const;
  // Read as a number: any non-zero value is true.
  bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;
  bool HasKey(std::string_view section, std::string_view key) const;
  bool HasSection(std::string_view section) const;

  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int value);
  void WriteBool(std::string_view section, std::string_view key, bool value);
  void EraseSection(std::string_view section);

  // Sections and keys in the order they were first read or written.
  std::string Format() const;
  // Replaces the file atomically; an empty string or the reason it failed.
  std::string Save(const std::string& path) const;

private:
  struct Entry {
    std::string key, value;
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
  };
  const Section* FindSection(std::string_view name) const;
  Section& SectionFor(std::string_view name);
  const std::string* Find(std::string_view section, std::string_view key) const;

  std::vector<Section> sections_;
  std::string readError_;
};

} // namespace platform

// Feeds arbitrary bytes to the INI reader and reads every settings key from them: the values must
// be ones the program can use, and what the close writes must read back as itself.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/ini_file.h"
#include "shell/settings.h"

namespace {

struct Read {
  engine::Options options;
  shell::SettingsValues values;
};

Read ReadFrom(const platform::IniFile& file) {
  Read r;
  shell::ReadSettings(file, 1024, r.options, r.values);
  return r;
}

void CheckUsable(const Read& r) {
  using shell::RadioGroup;
  for (RadioGroup g : {RadioGroup::Highlight, RadioGroup::FallSpeed, RadioGroup::Favorites})
    if (!shell::IsRadioChoice(g, shell::RadioValue(g, r.options))) std::abort();
  if (r.values.LaunchCount < 1 || r.values.StartLevel < 1 || r.values.StartLevel > 10) std::abort();
  if (r.values.ColorBackground < 0 || r.values.ColorBackground > 0xFFFFFF) std::abort();
}

// Written and read again, the settings must come back; only this start's count moves on.
void CheckRoundTrip(const Read& first) {
  const Read second = ReadFrom(
      platform::IniFile::Parse(shell::WriteSettings(first.options, first.values).Format()));
  shell::SettingsValues expected = first.values;
  expected.LaunchCount = first.values.LaunchCount == INT32_MAX ? 1 : first.values.LaunchCount + 1;
  expected.WPos = expected.HPos = 0;
  expected.AltGirls = false; // the close leaves Orchid to the file it replaces
  if (!(second.values == expected)) std::abort();
  for (const shell::Command& c : shell::Commands())
    if (shell::IsCheckable(c) &&
        shell::IsChecked(c, first.options) != shell::IsChecked(c, second.options))
      std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const platform::IniFile file =
      platform::IniFile::Parse(std::string_view(reinterpret_cast<const char*>(data), size));
  // What the writer makes of any file must parse back to the same file.
  if (platform::IniFile::Parse(file.Format()).Format() != file.Format()) std::abort();
  const Read first = ReadFrom(file);
  CheckUsable(first);
  // A value holding a line break or over-long is cut or dropped when written; once written, the
  // settings are a fixed point.
  const Read normalised = ReadFrom(
      platform::IniFile::Parse(shell::WriteSettings(first.options, first.values).Format()));
  CheckUsable(normalised);
  CheckRoundTrip(normalised);
  return 0;
}

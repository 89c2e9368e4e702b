#pragma once

#include <climits>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "shell/commands.h"

namespace shell {

// What the settings file keeps besides the check marks of the options. Reading fills every
// field; the defaults of a fresh installation live in the key table.
struct SettingsValues {
  int LaunchCount = 0; // starts so far, this one included
  std::string CurrentPlayerName;
  int ColorBackground = 0; // red in the low byte, then green, then blue
  int BackgroundIndex = 0; // checked entry of the Background menu, 0 for none
  int LayoutIndex = 0;
  int LastBoard = 0;
  int MidiNumber = 0;
  int TilesetIndex = 0; // checked entry of the Tileset menu, 0 for none
  std::string LastLoadedTileset;
  std::string LastLoadedBackground;
  int StartLevel = 0; // Hashira
  bool PreviewBack = false;
  int GameNumber = 0;
  int XPos = 0, YPos = 0, WPos = 0, HPos = 0; // the window
  int PreviousRes = 0;                        // the screen width when the window last closed
  bool AltGirls = false;

  bool operator==(const SettingsValues&) const = default;
};

enum class SettingKind { Int, Bool, String, Colour };

// Keys whose value is not simply a field.
enum class SettingRole {
  Version,  // the title of the version that wrote the file
  Launches, // the starts before this one; LaunchCount once read
};

// Where a key's value lives: a check mark through the command table, a radio group's value, a
// field of SettingsValues, or a role of its own.
using SettingBinding =
    std::variant<CommandId, RadioGroup, int SettingsValues::*, bool SettingsValues::*,
                 std::string SettingsValues::*, SettingRole>;

enum class SettingUse { ReadWrite, WriteOnly, ReadOnly };

struct Setting {
  std::string_view key;
  SettingKind kind;
  SettingBinding binding;
  int number = 0;             // the default of an int, bool or colour key
  std::string_view text = {}; // the default of a string key
  // Stored numbers outside this range are damage and read as the default.
  int lowest = INT_MIN;
  int highest = INT_MAX;
  SettingUse use = SettingUse::ReadWrite;
  bool defaultIsScreenWidth = false;
  // A file written by another version of the program forgets this value.
  bool forgottenOnNewVersion = false;
};

// The keys of the file's one section in the order the close writes them.
std::span<const Setting> SettingKeys();
// The key that the close leaves as it is: the hall of fame window writes it.
const Setting& OrchidSetting();

} // namespace shell

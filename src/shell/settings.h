#pragma once

#include <string>
#include <string_view>

#include "engine/options.h"
#include "platform/ini_file.h"
#include "shell/settings_keys.h"

namespace shell {

// The title of this version, stored with the settings.
constexpr std::string_view ApplicationTitle = "Pelmar 7.77";
constexpr std::string_view SettingsFileName = "Pelmar.ini";
constexpr std::string_view SettingsSection = "Pelmar";

// Every key of the file, each missing or damaged one as its default. A file written by another
// version keeps its options but forgets the stored tileset and background choices. Counts this
// start in LaunchCount.
void ReadSettings(const platform::IniFile& file, int screenWidth, engine::Options& options,
                  SettingsValues& values);

// Every key the close writes, in the order of the key table.
platform::IniFile WriteSettings(const engine::Options& options, const SettingsValues& values);

// Pelmar.ini: read once at start, written whole at close, and its Orchid key written at once
// when the hall of fame window switches the pictures. A file that is there but could not be
// read is never written over: it may hold the player's name and every option, which the
// defaults would replace. A file that was read, junk and all, is replaced as usual.
class SettingsFile {
public:
  explicit SettingsFile(std::string path) : path_(std::move(path)) {}

  // Every key as ReadSettings does. Returns the message for the player when the file is there
  // but could not be read ("Unable to read ..."), else empty.
  std::string Read(int screenWidth, engine::Options& options, SettingsValues& values);
  // Replaces the file with the settings, keeping the stored Orchid key as it is. Nothing is
  // written over a file that could not be read at start, without a word (Read told the player),
  // nor over one that cannot be read now. Returns empty or the message for the player.
  std::string Save(const engine::Options& options, const SettingsValues& values) const;
  // Stores the Orchid key at once, keeping the rest of the file; answers as Save.
  std::string SaveOrchid(bool altGirls) const;

private:
  std::string path_;
  bool unreadable_ = false;
};

// The message for a settings or hall of fame file that could not be written.
std::string UnableToWriteMessage(std::string_view file);
// The message for a settings or hall of fame file that is there but could not be read.
std::string UnableToReadMessage(std::string_view file, std::string_view reason);

// What the statistics button of the about window says about LaunchCount.
std::string LaunchCountText(int launchCount);

} // namespace shell

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

// Replaces the file at path with the settings, keeping the stored Orchid key as it is.
// Returns an empty string or the reason the file could not be written.
std::string SaveSettings(const std::string& path, const engine::Options& options,
                         const SettingsValues& values);

// Stores the Orchid key at once, keeping the rest of the file; the same result as SaveSettings.
std::string SaveOrchid(const std::string& path, bool altGirls);

// The message for a settings or hall of fame file that could not be written.
std::string UnableToWriteMessage(std::string_view file);
// The message for a settings or hall of fame file that is there but could not be read.
std::string UnableToReadMessage(std::string_view file, std::string_view reason);

// What the statistics button of the about window says about LaunchCount.
std::string LaunchCountText(int launchCount);

} // namespace shell

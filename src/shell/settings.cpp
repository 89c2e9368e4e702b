#include "shell/settings.h"

#include <type_traits>

namespace shell {

namespace {

int ReadNumber(const platform::IniFile& file, const Setting& s, int byDefault) {
  if (s.kind == SettingKind::Bool)
    return file.ReadBool(SettingsSection, s.key, byDefault != 0) ? 1 : 0;
  const int value = file.ReadInteger(SettingsSection, s.key, byDefault);
  return value < s.lowest || value > s.highest ? byDefault : value;
}

// The key's value as the file holds it: what the table binds it to is the caller's business.
struct StoredValue {
  int number = 0;
  std::string text;
};

StoredValue Read(const platform::IniFile& file, const Setting& s, int screenWidth) {
  const int byDefault = s.defaultIsScreenWidth ? screenWidth : s.number;
  if (s.kind == SettingKind::String) return {0, file.ReadString(SettingsSection, s.key, s.text)};
  return {ReadNumber(file, s, byDefault), {}};
}

StoredValue Default(const Setting& s, int screenWidth) {
  return Read(platform::IniFile{}, s, screenWidth);
}

void Store(const Setting& s, const StoredValue& value, engine::Options& options,
           SettingsValues& values) {
  std::visit(
      [&](auto binding) {
        using B = decltype(binding);
        if constexpr (std::is_same_v<B, CommandId>) {
          if (const Command* c = FindCommand(binding); c && c->option)
            options.*c->option = value.number != 0;
        } else if constexpr (std::is_same_v<B, RadioGroup>) {
          // A value that no entry of the group stands for would leave every entry unchecked.
          SetRadioValue(binding, options,
                        IsRadioChoice(binding, value.number) ? value.number : s.number);
        } else if constexpr (std::is_same_v<B, int SettingsValues::*>) {
          values.*binding = value.number;
        } else if constexpr (std::is_same_v<B, bool SettingsValues::*>) {
          values.*binding = value.number != 0;
        } else if constexpr (std::is_same_v<B, std::string SettingsValues::*>) {
          values.*binding = value.text;
        } else if (binding == SettingRole::Launches) {
          values.LaunchCount = value.number + 1;
        }
      },
      s.binding);
}

void Write(const Setting& s, const engine::Options& options, const SettingsValues& values,
           platform::IniFile& file) {
  const auto number = [&](int n) {
    if (s.kind == SettingKind::Bool)
      file.WriteBool(SettingsSection, s.key, n != 0);
    else
      file.WriteInteger(SettingsSection, s.key, n);
  };
  std::visit(
      [&](auto binding) {
        using B = decltype(binding);
        if constexpr (std::is_same_v<B, CommandId>) {
          const Command* c = FindCommand(binding);
          number(c && IsChecked(*c, options) ? 1 : 0);
        } else if constexpr (std::is_same_v<B, RadioGroup>) {
          number(RadioValue(binding, options));
        } else if constexpr (std::is_same_v<B, int SettingsValues::*>) {
          number(values.*binding);
        } else if constexpr (std::is_same_v<B, bool SettingsValues::*>) {
          number(values.*binding ? 1 : 0);
        } else if constexpr (std::is_same_v<B, std::string SettingsValues::*>) {
          file.WriteString(SettingsSection, s.key, values.*binding);
        } else if (binding == SettingRole::Version) {
          file.WriteString(SettingsSection, s.key, ApplicationTitle);
        } else if (binding == SettingRole::Launches) {
          number(values.LaunchCount);
        }
      },
      s.binding);
}

// A file without the key counts as written by this version.
bool WrittenByAnotherVersion(const platform::IniFile& file) {
  for (const Setting& s : SettingKeys())
    if (s.binding == SettingBinding{SettingRole::Version})
      return file.HasKey(SettingsSection, s.key) &&
             file.ReadString(SettingsSection, s.key, "") != ApplicationTitle;
  return false;
}

} // namespace

void ReadSettings(const platform::IniFile& file, int screenWidth, engine::Options& options,
                  SettingsValues& values) {
  const bool newVersion = WrittenByAnotherVersion(file);
  for (const Setting& s : SettingKeys()) {
    if (s.use == SettingUse::WriteOnly) continue;
    const bool forget = newVersion && s.forgottenOnNewVersion;
    Store(s, forget ? Default(s, screenWidth) : Read(file, s, screenWidth), options, values);
  }
  Store(OrchidSetting(), Read(file, OrchidSetting(), screenWidth), options, values);
}

platform::IniFile WriteSettings(const engine::Options& options, const SettingsValues& values) {
  platform::IniFile file;
  for (const Setting& s : SettingKeys())
    if (s.use != SettingUse::ReadOnly) Write(s, options, values, file);
  return file;
}

std::string SettingsFile::Read(int screenWidth, engine::Options& options, SettingsValues& values) {
  const platform::IniFile file = platform::IniFile::Load(path_);
  ReadSettings(file, screenWidth, options, values);
  unreadable_ = !file.ReadError().empty();
  return unreadable_ ? UnableToReadMessage(path_, file.ReadError()) : std::string();
}

std::string SettingsFile::Save(const engine::Options& options, const SettingsValues& values) const {
  if (unreadable_) return {};
  const platform::IniFile stored = platform::IniFile::Load(path_);
  if (!stored.ReadError().empty()) return UnableToReadMessage(path_, stored.ReadError());
  platform::IniFile file = WriteSettings(options, values);
  const std::string_view orchid = OrchidSetting().key;
  if (stored.HasKey(SettingsSection, orchid))
    file.WriteString(SettingsSection, orchid, stored.ReadString(SettingsSection, orchid, ""));
  return file.Save(path_).empty() ? std::string() : UnableToWriteMessage(path_);
}

std::string SettingsFile::SaveOrchid(bool altGirls) const {
  // The rest of the file is kept as it is read now, so a file unreadable at start is no matter.
  platform::IniFile file = platform::IniFile::Load(path_);
  if (!file.ReadError().empty()) return UnableToReadMessage(path_, file.ReadError());
  file.WriteBool(SettingsSection, OrchidSetting().key, altGirls);
  return file.Save(path_).empty() ? std::string() : UnableToWriteMessage(path_);
}

std::string UnableToWriteMessage(std::string_view file) {
  return "Unable to write to " + std::string(file);
}

std::string UnableToReadMessage(std::string_view file, std::string_view reason) {
  return "Unable to read " + std::string(file) + " (" + std::string(reason) +
         "). The file is left as it is, and nothing is saved into it this time.";
}

std::string LaunchCountText(int launchCount) {
  if (launchCount == 1) return "You launched Pelmar for the first time ! ;-)";
  if (launchCount == 2) return "You launched Pelmar twice ! ;-)";
  return "You launched Pelmar " + std::to_string(launchCount) + " times ! ;-)";
}

} // namespace shell

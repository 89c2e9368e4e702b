#include "shell/settings_keys.h"

#include <array>

#include "shell/games_panel.h"

namespace shell {

namespace {

using K = SettingKind;
using V = SettingsValues;
using C = CommandId;

constexpr Setting Mark(std::string_view key, CommandId command, bool byDefault) {
  return Setting{.key = key, .kind = K::Bool, .binding = command, .number = byDefault ? 1 : 0};
}

constexpr Setting Choice(std::string_view key, SettingKind kind, RadioGroup group, int byDefault) {
  return Setting{.key = key, .kind = kind, .binding = group, .number = byDefault};
}

constexpr Setting Number(std::string_view key, int V::*field, int byDefault,
                         SettingKind kind = K::Int) {
  return Setting{.key = key, .kind = kind, .binding = field, .number = byDefault};
}

constexpr Setting Flag(std::string_view key, bool V::*field, bool byDefault) {
  return Setting{.key = key, .kind = K::Bool, .binding = field, .number = byDefault ? 1 : 0};
}

constexpr Setting Text(std::string_view key, std::string V::*field, std::string_view byDefault) {
  return Setting{.key = key, .kind = K::String, .binding = field, .text = byDefault};
}

constexpr Setting Within(Setting s, int lowest, int highest) {
  s.lowest = lowest;
  s.highest = highest;
  return s;
}

constexpr Setting Forgotten(Setting s) {
  s.forgottenOnNewVersion = true;
  return s;
}

constexpr Setting Use(Setting s, SettingUse use) {
  s.use = use;
  return s;
}

constexpr Setting ScreenWidthByDefault(Setting s) {
  s.defaultIsScreenWidth = true;
  return s;
}

const std::array Keys{
    Setting{.key = "CurrentVersion", .kind = K::String, .binding = SettingRole::Version},
    // A count so high that one more start would overflow is no count of ours.
    Within(Setting{.key = "Launches", .kind = K::Int, .binding = SettingRole::Launches}, 0,
           INT_MAX - 1),
    Choice("Highlight", K::Int, RadioGroup::Highlight, 3),
    Mark("Invert", C::Invert, false),
    Mark("ShowMoves", C::ShowMoves, true),
    Mark("PlayMusic", C::PlayMusic, true),
    Mark("PlaySounds", C::PlaySounds, true),
    Text("CurrentPlayer1", &V::CurrentPlayerName, "Player1"),
    Within(Number("ColorBackground", &V::ColorBackground, 8421376, K::Colour), 0, 0xFFFFFF),
    Forgotten(Number("Background", &V::BackgroundIndex, 6)),
    Number("BoardNumber", &V::LayoutIndex, -1),
    Number("LastBoard", &V::LastBoard, 1),
    Number("MidiNumber", &V::MidiNumber, -1),
    Forgotten(Number("Tileset", &V::TilesetIndex, 3)),
    Mark("SetRes800", C::SetRes800, false),
    Forgotten(Text("LastLoadedTileset", &V::LastLoadedTileset, "")),
    Forgotten(Text("LastLoadedBackground", &V::LastLoadedBackground, "")),
    Mark("StartDirectly", C::StartDirectly, false),
    Mark("StartMusic", C::StartMusic, true),
    Mark("ShowHallOfFame", C::ShowHallOfFame, true),
    Choice("ShowFave", K::Bool, RadioGroup::Favorites, 0),
    Mark("ShowNext", C::ShowNext, true),
    Mark("ShowToolbar", C::ShowToolbar, true),
    Mark("ShowStatus", C::ShowStatusBar, true),
    Mark("ShowGirls", C::ShowGirls, true),
    Mark("CoolMenu", C::CoolMenu, true),
    Mark("CoolMouse", C::CoolMouse, true),
    Mark("CoolStatus", C::CoolStatus, true),
    Mark("CoolToolbar", C::CoolToolbar, true),
    Mark("Gradient", C::Gradient, true),
    Mark("TileRivers", C::AnimateTileRivers, true),
    Mark("ShowTime", C::ShowTime, true),
    Mark("FlatButtons", C::FlatButtons, true),
    Mark("EnableHall", C::EnableHall, true),
    Mark("Shadows", C::Shadows, true),
    Mark("Vertical", C::Vertical, false),
    Mark("Winnable", C::Winnable, false),
    Mark("Shuffable", C::Shuffable, true),
    Mark("JokerAllow", C::JokerAllow, true),
    Mark("Animate", C::AnimateBoard, false),
    Mark("AnimateTiles", C::AnimateTiles, true),
    Mark("AnimatePause", C::AnimatePause, false),
    Mark("AnimateClicks", C::AnimateClicks, false),
    Mark("AnimateSlider", C::AnimateSlider, true),
    Mark("AnimateNext", C::AnimateNext, false),
    Mark("AnimateChain", C::AnimateChain, true),
    Mark("AnimateCursor", C::AnimateCursor, true),
    // A level the menu does not offer would start Hashira with a count it can never reach.
    Within(Number("StartLevel", &V::StartLevel, 1), 1, HighestStartLevel),
    Mark("PauseFocus", C::PauseFocus, true),
    Mark("ShowTile", C::ShowTile, false),
    Mark("WelcomePause", C::WelcomePause, false),
    Mark("OnlyPossible", C::OnlyPossible, false),
    Mark("HighlightSlider", C::HighlightSlider, false),
    Mark("RandomMusic", C::RandomMusic, false),
    Flag("PreviewBack", &V::PreviewBack, false),
    Mark("ShowRomanized", C::ShowRomanized, false),
    Mark("EnableMOD", C::EnableMOD, false),
    Choice("SpeedFall", K::Int, RadioGroup::FallSpeed, 3),
    Number("RandomSeed", &V::GameNumber, 0),
    Number("XPos", &V::XPos, 0),
    Number("YPos", &V::YPos, 0),
    Use(Number("WPos", &V::WPos, 0), SettingUse::WriteOnly),
    Use(Number("HPos", &V::HPos, 0), SettingUse::WriteOnly),
    ScreenWidthByDefault(Number("PreviousRes", &V::PreviousRes, 0)),
};

constexpr Setting Orchid = Use(Flag("Orchid", &V::AltGirls, false), SettingUse::ReadOnly);

} // namespace

std::span<const Setting> SettingKeys() {
  return Keys;
}

const Setting& OrchidSetting() {
  return Orchid;
}

} // namespace shell

#include "shell/settings.h"

#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/test_platform.h"

namespace {

using platform::IniFile;
using shell::Command;
using shell::CommandId;
using shell::Setting;
using shell::SettingsValues;

constexpr int ScreenWidth = 1280;

struct Loaded {
  engine::Options options;
  SettingsValues values;
};

Loaded Read(const IniFile& file) {
  Loaded loaded;
  shell::ReadSettings(file, ScreenWidth, loaded.options, loaded.values);
  return loaded;
}

Loaded ReadText(const std::string& text) {
  return Read(IniFile::Parse(text));
}

// The marks of every checkable menu entry, to compare two sets of options as the player sees them.
std::vector<bool> Marks(const engine::Options& options) {
  std::vector<bool> marks;
  for (const Command& c : shell::Commands())
    if (shell::IsCheckable(c)) marks.push_back(shell::IsChecked(c, options));
  return marks;
}

std::vector<std::string> KeysOf(const std::string& text) {
  std::vector<std::string> keys;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);)
    if (const auto equals = line.find('='); equals != std::string::npos)
      keys.push_back(line.substr(0, equals));
  return keys;
}

std::vector<std::string> WrittenKeys() {
  std::vector<std::string> keys;
  for (const Setting& s : shell::SettingKeys())
    if (s.use != shell::SettingUse::ReadOnly) keys.emplace_back(s.key);
  return keys;
}

TEST(SettingsTest, AMissingFileGivesAFreshInstallation) {
  const Loaded fresh = Read(IniFile{});
  EXPECT_EQ(Marks(fresh.options), Marks(engine::Options{})) << "the file's defaults are the menus'";
  struct Case {
    const char* what;
    int actual, expected;
  } cases[] = {
      {"Green Rectangle", fresh.options.HighlightMode, 3},
      {"shadows", fresh.options.Shadows, true},
      {"music", fresh.options.PlayMusic, true},
      {"fall speed", fresh.options.SpeedFall, 3},
      {"all layouts", fresh.options.ShowFave, false},
      {"tileset entry", fresh.values.TilesetIndex, 3},
      {"background entry", fresh.values.BackgroundIndex, 6},
      {"solid colour", fresh.values.ColorBackground, 0x808000},
      {"layout", fresh.values.LayoutIndex, -1},
      {"last board", fresh.values.LastBoard, 1},
      {"music entry", fresh.values.MidiNumber, -1},
      {"start level", fresh.values.StartLevel, 1},
      {"game number", fresh.values.GameNumber, 0},
      {"first launch", fresh.values.LaunchCount, 1},
      {"screen width", fresh.values.PreviousRes, ScreenWidth},
      {"orchid", fresh.values.AltGirls, false},
  };
  for (const Case& c : cases) EXPECT_EQ(c.actual, c.expected) << c.what;
  EXPECT_EQ(fresh.values.CurrentPlayerName, "Player1");
  EXPECT_EQ(fresh.values.LastLoadedTileset, "");
}

TEST(SettingsTest, KeysAreUniqueAndEveryOptionHasOne) {
  std::set<std::string> keys;
  std::set<CommandId> marks;
  std::set<shell::RadioGroup> groups;
  for (const Setting& s : shell::SettingKeys()) {
    std::string lower(s.key);
    for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    EXPECT_TRUE(keys.insert(lower).second) << s.key;
    if (const auto* id = std::get_if<CommandId>(&s.binding)) {
      const Command* command = shell::FindCommand(*id);
      ASSERT_NE(command, nullptr) << s.key;
      EXPECT_NE(command->option, nullptr) << s.key << " binds a check mark";
      EXPECT_EQ(s.kind, shell::SettingKind::Bool) << s.key;
      marks.insert(*id);
    }
    if (const auto* group = std::get_if<shell::RadioGroup>(&s.binding)) groups.insert(*group);
  }
  EXPECT_FALSE(keys.count("orchid")) << "the close does not write it";
  for (const Command& c : shell::Commands()) {
    const bool kept = c.option ? marks.count(c.id) > 0 : !c.radio || groups.count(c.radio->group);
    EXPECT_TRUE(kept) << c.caption << " is not kept";
  }
}

// Every option the other way round and every value changed: all of it must come back.
TEST(SettingsTest, ARoundTripKeepsEveryKey) {
  Loaded changed = Read(IniFile{});
  for (const Command& c : shell::Commands()) {
    if (c.option) shell::ApplyMark(c, changed.options);
    if (c.radio && !shell::IsChecked(c, Read(IniFile{}).options))
      shell::SetRadioValue(c.radio->group, changed.options, c.radio->value);
  }
  SettingsValues& v = changed.values;
  v = {7,
       "Anna Lee",
       0x123456,
       0,
       12,
       1005,
       4,
       0,
       "/home/a/My Tiles.bmp",
       "/home/a/sky.jpg",
       9,
       true,
       123456789,
       -30,
       40,
       800,
       600,
       1920,
       false};
  const Loaded back = ReadText(shell::WriteSettings(changed.options, v).Format());
  EXPECT_EQ(Marks(back.options), Marks(changed.options));
  EXPECT_NE(Marks(back.options), Marks(engine::Options{}));
  SettingsValues expected = v;
  expected.LaunchCount = v.LaunchCount + 1;
  expected.WPos = expected.HPos = 0; // written for other programs, never read
  EXPECT_EQ(back.values, expected);
}

// The file of a fresh installation, written by hand from the key table: names, order, defaults.
TEST(SettingsTest, TheCloseWritesEveryKeyInTableOrder) {
  const Loaded fresh = Read(IniFile{});
  const std::string text = shell::WriteSettings(fresh.options, fresh.values).Format();
  EXPECT_EQ(text,
            testing_support::ReadText(std::string(PELMAR_TEST_DATA) + "/ini/fresh_install.ini"));
  EXPECT_EQ(KeysOf(text), WrittenKeys());

  // A hand-reordered file with keys of its own is rewritten in order, and Orchid survives.
  testing_support::TempFolder tmp;
  const std::string path =
      tmp.Write("Pelmar.ini", "junk\n[Pelmar]\nShadows=0\nOrchid=1\nCurrentVersion=Old\n");
  ASSERT_EQ(shell::SettingsFile(path).Save(fresh.options, fresh.values), "");
  std::vector<std::string> keys = WrittenKeys();
  keys.push_back("Orchid");
  EXPECT_EQ(KeysOf(testing_support::ReadText(path)), keys);
  EXPECT_TRUE(Read(IniFile::Load(path)).values.AltGirls);
}

TEST(SettingsTest, AnotherVersionForgetsOnlyTheTilesetAndBackgroundChoices) {
  const std::string stored = "Background=2\nTileset=5\nLastLoadedTileset=/t.bmp\n"
                             "LastLoadedBackground=/b.jpg\nShadows=0\nBoardNumber=4\n";
  struct Case {
    std::string versionLine;
    bool forgets;
  } cases[] = {
      {"", false},
      {"CurrentVersion=Pelmar 7.77\n", false},
      {"CurrentVersion=Pelmar 7.76\n", true},
      {"CurrentVersion=\n", true},
  };
  for (const Case& c : cases) {
    const Loaded loaded = ReadText("[Pelmar]\n" + c.versionLine + stored);
    EXPECT_EQ(loaded.values.BackgroundIndex, c.forgets ? 6 : 2) << c.versionLine;
    EXPECT_EQ(loaded.values.TilesetIndex, c.forgets ? 3 : 5) << c.versionLine;
    EXPECT_EQ(loaded.values.LastLoadedTileset, c.forgets ? "" : "/t.bmp") << c.versionLine;
    EXPECT_EQ(loaded.values.LastLoadedBackground, c.forgets ? "" : "/b.jpg") << c.versionLine;
    EXPECT_FALSE(loaded.options.Shadows) << "options are kept: " << c.versionLine;
    EXPECT_EQ(loaded.values.LayoutIndex, 4) << c.versionLine;
  }
}

TEST(SettingsTest, ABrokenFileStartsWithDefaultsWhereBroken) {
  std::string text = "[Pelmar]\n"
                     "Highlight=abc\n"          // not a number
                     "Tileset=4x\n"             // trailing junk
                     "Background=2\n"           // fine
                     "\x01\x02\xff\xfe\n"       // binary bytes
                     "this is no setting\n"     // junk line
                     "MidiNumber=99999999999\n" // beyond an int
                     "StartLevel=0\n"           // no level of the menu
                     "SpeedFall=0\n"            // columns that never fall
                     "ColorBackground=-1\n"     // no colour
                     "Shadows=no\n"             // a mark that is not a number
                     "Invert=7\n"               // any number but 0 is checked
                     "LastBoard=12\n";          // fine
  text += "CurrentPlayer1=" + std::string(2 << 20, 'x') + "\n";
  text += "XPos=-20\n";
  const Loaded loaded = ReadText(text);
  struct Case {
    const char* what;
    int actual, expected;
  } cases[] = {
      {"Highlight", loaded.options.HighlightMode, 3},
      {"Tileset", loaded.values.TilesetIndex, 3},
      {"Background", loaded.values.BackgroundIndex, 2},
      {"MidiNumber", loaded.values.MidiNumber, -1},
      {"StartLevel", loaded.values.StartLevel, 1},
      {"SpeedFall", loaded.options.SpeedFall, 3},
      {"ColorBackground", loaded.values.ColorBackground, 8421376},
      {"Shadows", loaded.options.Shadows, true},
      {"Invert", loaded.options.Invert, true},
      {"LastBoard", loaded.values.LastBoard, 12},
      {"XPos", loaded.values.XPos, -20},
      {"ShowMoves (missing)", loaded.options.ShowMoves, true},
  };
  for (const Case& c : cases) EXPECT_EQ(c.actual, c.expected) << c.what;
  EXPECT_EQ(loaded.values.CurrentPlayerName, "Player1") << "a 2 MB name is no name of ours";
}

// An older version's file with Windows line ends, edited by hand and damaged.
TEST(SettingsTest, AnOlderDamagedFileKeepsWhatItCan) {
  const Loaded loaded = Read(IniFile::Load(std::string(PELMAR_TEST_DATA) + "/ini/damaged.ini"));
  struct Case {
    const char* what;
    int actual, expected;
  } cases[] = {
      {"launches", loaded.values.LaunchCount, 42},
      {"highlight beyond the menu", loaded.options.HighlightMode, 3},
      {"tileset of another version", loaded.values.TilesetIndex, 3},
      {"background of another version", loaded.values.BackgroundIndex, 6},
      {"favourites", loaded.options.ShowFave, true},
      {"fall speed", loaded.options.SpeedFall, 2},
      {"start level beyond the menu", loaded.values.StartLevel, 1},
      {"orchid", loaded.values.AltGirls, true},
      {"shadows of another section", loaded.options.Shadows, true},
  };
  for (const Case& c : cases) EXPECT_EQ(c.actual, c.expected) << c.what;
  EXPECT_EQ(loaded.values.CurrentPlayerName, "Anna Lee");
}

TEST(SettingsTest, ValuesThatNoMenuEntryOffersReadAsTheDefault) {
  struct Case {
    std::string line;
    int engine::Options::*field;
    int expected;
  } cases[] = {
      {"Highlight=4", &engine::Options::HighlightMode, 4},
      {"Highlight=0", &engine::Options::HighlightMode, 0},
      {"Highlight=5", &engine::Options::HighlightMode, 3},
      {"Highlight=-1", &engine::Options::HighlightMode, 3},
      {"SpeedFall=1", &engine::Options::SpeedFall, 1},
      {"SpeedFall=4", &engine::Options::SpeedFall, 3},
      {"SpeedFall=-2", &engine::Options::SpeedFall, 3},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ReadText("[Pelmar]\n" + c.line + "\n").options.*c.field, c.expected) << c.line;
  EXPECT_EQ(ReadText("[Pelmar]\nStartLevel=10\n").values.StartLevel, 10);
  EXPECT_EQ(ReadText("[Pelmar]\nStartLevel=11\n").values.StartLevel, 1);
  EXPECT_TRUE(ReadText("[Pelmar]\nShowFave=2\n").options.ShowFave);
}

TEST(SettingsTest, EveryStartThatClosesIsCounted) {
  struct Case {
    std::string stored;
    int launchCount;
  } cases[] = {
      {"", 1},
      {"Launches=0\n", 1},
      {"Launches=41\n", 42},
      {"Launches=-5\n", 1},
      {"Launches=2147483647\n", 1}, // one more would overflow
      {"Launches=2147483646\n", INT_MAX},
  };
  for (const Case& c : cases) {
    const Loaded loaded = ReadText("[Pelmar]\n" + c.stored);
    EXPECT_EQ(loaded.values.LaunchCount, c.launchCount) << c.stored;
    const IniFile written = shell::WriteSettings(loaded.options, loaded.values);
    EXPECT_EQ(written.ReadInteger("Pelmar", "Launches", 0), c.launchCount) << c.stored;
  }
}

TEST(SettingsTest, AnUnwritableFolderIsReportedAndNothingIsHalfWritten) {
  testing_support::TempFolder tmp;
  const std::string notAFolder = tmp.Write("plain", "a file");
  const Loaded fresh = Read(IniFile{});
  for (const std::string& path :
       {(tmp.path() / "missing" / "Pelmar.ini").string(), notAFolder + "/Pelmar.ini"}) {
    EXPECT_NE(shell::SettingsFile(path).Save(fresh.options, fresh.values), "") << path;
    EXPECT_NE(shell::SettingsFile(path).SaveOrchid(true), "") << path;
    EXPECT_FALSE(std::filesystem::exists(path));
  }
  EXPECT_EQ(shell::UnableToWriteMessage("/games/Pelmar.ini"),
            "Unable to write to /games/Pelmar.ini");
}

// Tests run as root, who may read anything: a file padded past the reading limit stands for
// one the player may not read. It holds the player's name and options all the same.
TEST(SettingsTest, AFileThatCannotBeReadIsReportedAndNeverWrittenOver) {
  testing_support::TempFolder tmp;
  const std::string path = tmp.Write("Pelmar.ini", "[Pelmar]\nCurrentPlayer1=Mia\nShadows=0\n");
  std::filesystem::resize_file(path, IniFile::MaxFileBytes + 1);
  const std::string before = testing_support::ReadText(path);
  shell::SettingsFile file(path);
  Loaded loaded;
  const std::string told = file.Read(ScreenWidth, loaded.options, loaded.values);
  EXPECT_EQ(told.rfind("Unable to read " + path + " (", 0), 0u) << told;
  EXPECT_EQ(loaded.values, Read(IniFile{}).values) << "the session runs on the defaults";
  EXPECT_EQ(file.Save(loaded.options, loaded.values), "") << "told once, when it was read";
  EXPECT_NE(file.SaveOrchid(true), "") << "the player asked for this one";
  EXPECT_EQ(testing_support::ReadText(path), before);

  // A file that becomes readable again is still not replaced by the defaults at close.
  std::filesystem::resize_file(path, 100);
  const std::string readable = testing_support::ReadText(path);
  EXPECT_EQ(file.Save(loaded.options, loaded.values), "");
  EXPECT_EQ(testing_support::ReadText(path), readable);
}

TEST(SettingsTest, OrchidIsStoredAtOnceAndKeepsTheRest) {
  testing_support::TempFolder tmp;
  const std::string path = (tmp.path() / "Pelmar.ini").string();
  Loaded loaded = Read(IniFile{});
  loaded.options.Shadows = false;
  loaded.values.CurrentPlayerName = "Mia";
  ASSERT_EQ(shell::SettingsFile(path).Save(loaded.options, loaded.values), "");
  ASSERT_EQ(shell::SettingsFile(path).SaveOrchid(true), "");
  const Loaded back = Read(IniFile::Load(path));
  EXPECT_TRUE(back.values.AltGirls);
  EXPECT_FALSE(back.options.Shadows);
  EXPECT_EQ(back.values.CurrentPlayerName, "Mia");

  // The close leaves the key as the hall of fame window wrote it, whatever it holds in memory.
  ASSERT_EQ(shell::SettingsFile(path).Save(back.options, Read(IniFile{}).values), "");
  EXPECT_TRUE(Read(IniFile::Load(path)).values.AltGirls);
  ASSERT_EQ(shell::SettingsFile(path).SaveOrchid(false), "");
  EXPECT_FALSE(Read(IniFile::Load(path)).values.AltGirls);
}

TEST(SettingsTest, TheStatisticsButtonCountsTheLaunches) {
  struct Case {
    int count;
    std::string text;
  } cases[] = {
      {1, "You launched Pelmar for the first time ! ;-)"},
      {2, "You launched Pelmar twice ! ;-)"},
      {3, "You launched Pelmar 3 times ! ;-)"},
      {1234, "You launched Pelmar 1234 times ! ;-)"},
  };
  for (const Case& c : cases) EXPECT_EQ(shell::LaunchCountText(c.count), c.text);
}

} // namespace

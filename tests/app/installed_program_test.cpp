#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "app/pelmar.h"
#include "support/fake_audio.h"
#include "support/fake_window.h"
#include "support/test_platform.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ReadText;

// Every file below a folder with its bytes, so that any write there shows.
std::map<std::string, std::string> FilesBelow(const fs::path& root) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(root))
    if (entry.is_regular_file()) files[entry.path().string()] = ReadText(entry.path());
  return files;
}

// Installed, the program reads the shipped data and the player's own files together, and writes
// only in the player's folders: the settings in the config folder, the rest in the data folder.
TEST(InstalledProgramTest, ReadsTheShippedDataAndWritesOnlyInThePlayersFolders) {
  testing_support::ProgramFolder shipped;
  testing_support::TempFolder home;
  platform::ProgramFolders folders;
  folders.shipped = shipped.Path();
  folders.config = (home.path() / ".config/pelmar/").string();
  folders.player = (home.path() / ".local/share/pelmar/").string();
  home.Write(".local/share/pelmar/Layouts/Mine.lay",
             ReadText(testing_support::BuiltLayout("Arena")));
  const auto before = FilesBelow(shipped.Folder().path());

  testing_support::FakeAudio audio;
  testing_support::TestDesktop desktop;
  TPelmar pelmar(folders, audio, desktop);
  testing_support::FakeWindow window(pelmar);
  ASSERT_TRUE(pelmar.Init(window));
  pelmar.ShowMainWindow();
  const std::vector<std::string>& names = pelmar.State().layouts.LayoutNames;
  EXPECT_NE(std::find(names.begin(), names.end(), "Mine"), names.end());
  EXPECT_NE(std::find(names.begin(), names.end(), "Traditional"), names.end());
  pelmar.OnCommand(static_cast<int>(shell::CommandId::ShowMoves));
  window.Close();
  ASSERT_TRUE(window.closed);

  EXPECT_TRUE(window.scriptedUi.messages.empty()) << window.scriptedUi.messages[0];
  EXPECT_NE(ReadText(folders.config + "Pelmar.ini").find("\nShowMoves=0"), std::string::npos);
  EXPECT_TRUE(fs::exists(folders.player + "Hallfame.ini"));
  EXPECT_FALSE(fs::exists(folders.config + "Hallfame.ini"));
  for (std::string_view kind : platform::DataKinds)
    EXPECT_TRUE(fs::is_directory(folders.player + std::string(kind))) << kind;
  EXPECT_TRUE(FilesBelow(shipped.Folder().path()) == before) << "a shipped file was written";
}

} // namespace

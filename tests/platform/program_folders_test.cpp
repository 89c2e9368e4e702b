#include "platform/program_folders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include <sys/stat.h>

#include "support/test_platform.h"

namespace {

namespace fs = std::filesystem;
using testing_support::TempFolder;

TEST(ProgramFolders, TheFolderRule) {
  TempFolder tmp;
  const std::string root = tmp.path().string() + "/";
  for (const char* folder :
       {"build/Layouts", "build/Musics", "copy/Layouts", "copy/Musics", "half/Layouts", "usr/bin"})
    fs::create_directories(root + folder);
  const std::string installed = root + "usr/bin/../share/pelmar";
  struct Case {
    std::string label, program;
    bool writable;
    std::string configHome, dataHome;
    std::string shipped, config, player;
  } cases[] = {
      {"a build folder", "build", true, "", "", "build/", "build/", "build/"},
      {"installed, XDG variables unset", "usr/bin", false, "", "", "usr/share/pelmar/",
       "home/.config/pelmar/", "home/.local/share/pelmar/"},
      {"installed where root may write", "usr/bin", true, "", "", "usr/share/pelmar/",
       "home/.config/pelmar/", "home/.local/share/pelmar/"},
      {"installed, XDG variables set", "usr/bin", false, "cfg", "data/", "usr/share/pelmar/",
       "cfg/pelmar/", "data/pelmar/"},
      {"a copy on a read-only disk", "copy", false, "", "", "copy/", "home/.config/pelmar/",
       "home/.local/share/pelmar/"},
      {"a folder without music", "half", true, "", "", "usr/share/pelmar/", "home/.config/pelmar/",
       "home/.local/share/pelmar/"},
  };
  for (const Case& c : cases) {
    platform::Environment env;
    env.home = root + "home";
    env.configHome = c.configHome.empty() ? "" : root + c.configHome;
    env.dataHome = c.dataHome.empty() ? "" : root + c.dataHome;
    env.mayWrite = [&c](const std::string&) { return c.writable; };
    const platform::ProgramFolders f =
        platform::FindProgramFolders(root + c.program, installed, env);
    EXPECT_EQ(f.shipped, root + c.shipped) << c.label;
    EXPECT_EQ(f.config, root + c.config) << c.label;
    EXPECT_EQ(f.player, root + c.player) << c.label;
  }
}

// Relative XDG paths are not to be used; without HOME the account's home stands in.
TEST(ProgramFolders, EnvironmentTakesOnlyAbsoluteXdgFolders) {
  struct Saved {
    const char* name;
    std::optional<std::string> value;
  } saved[] = {{"HOME", {}}, {"XDG_CONFIG_HOME", {}}, {"XDG_DATA_HOME", {}}};
  for (Saved& s : saved)
    if (const char* v = std::getenv(s.name)) s.value = v;
  ::unsetenv("HOME");
  ::setenv("XDG_CONFIG_HOME", "relative/config", 1);
  ::setenv("XDG_DATA_HOME", "/absolute/data", 1);
  const platform::Environment env = platform::Environment::OfProcess();
  for (const Saved& s : saved) s.value ? ::setenv(s.name, s.value->c_str(), 1) : ::unsetenv(s.name);
  EXPECT_FALSE(env.home.empty());
  EXPECT_EQ(env.configHome, "");
  EXPECT_EQ(env.dataHome, "/absolute/data");
}

TEST(ProgramFolders, PlayerFoldersAreMadePrivateOnlyWhenInstalled) {
  TempFolder tmp;
  const std::string root = tmp.path().string() + "/";
  platform::MakePlayerFolders(platform::ProgramFolders(root + "portable/"));
  EXPECT_FALSE(fs::exists(root + "portable"));

  platform::ProgramFolders installed;
  installed.shipped = root + "share/pelmar/";
  installed.config = root + "home/.config/pelmar/";
  installed.player = root + "home/.local/share/pelmar/";
  platform::MakePlayerFolders(installed);
  EXPECT_TRUE(fs::is_directory(installed.config));
  for (std::string_view kind : platform::DataKinds)
    EXPECT_TRUE(fs::is_directory(installed.player + std::string(kind))) << kind;
  struct stat made {};
  ASSERT_EQ(::stat((root + "home/.local").c_str(), &made), 0);
  EXPECT_EQ(made.st_mode & 0777, 0700u);
  EXPECT_FALSE(fs::exists(installed.shipped));
}

} // namespace

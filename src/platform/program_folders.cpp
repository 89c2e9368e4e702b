#include "platform/program_folders.h"

#include <cstdlib>
#include <filesystem>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/files.h"

namespace platform {

namespace fs = std::filesystem;

namespace {

// The folders a start cannot do without: a program folder without them is not a copy of ours.
constexpr std::string_view RequiredData[] = {"Layouts", "Musics"};

std::string WithSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

// "/usr/bin/../share/pelmar" reads as "/usr/share/pelmar/" in the messages that name it.
std::string Normal(const std::string& folder) {
  return WithSlash(fs::path(folder).lexically_normal().string());
}

bool HoldsData(const std::string& folder) {
  for (std::string_view kind : RequiredData)
    if (!FolderExists(folder + std::string(kind))) return false;
  return true;
}

std::string AbsoluteOrEmpty(const char* value) {
  return value && value[0] == '/' ? value : "";
}

// Each missing folder of the path is made private to the player, as the XDG folders are meant
// to be; the folders that exist keep their permissions.
bool MakeFolders(const std::string& path) {
  fs::path made;
  for (const fs::path& part : fs::path(path)) {
    made /= part;
    if (part.empty() || FolderExists(made.string())) continue;
    if (::mkdir(made.c_str(), 0700) != 0 && !FolderExists(made.string())) return false;
  }
  return true;
}

} // namespace

DataFolder::DataFolder(std::string ownFolder, std::string shippedFolder)
    : own(WithSlash(std::move(ownFolder))), shipped(WithSlash(std::move(shippedFolder))) {}

std::vector<std::string> DataFolder::Listed() const {
  if (own == shipped) return {own};
  return {own, shipped};
}

std::string DataFolder::Find(const std::string& fileName) const {
  return FileExists(own + fileName) ? own + fileName : shipped + fileName;
}

std::string DataFolder::FindFirst(std::initializer_list<std::string> fileNames) const {
  for (const std::string& folder : Listed())
    for (const std::string& name : fileNames)
      if (FileExists(folder + name)) return folder + name;
  return {};
}

DataFolder ProgramFolders::Data(std::string_view kind) const {
  return {player + std::string(kind), shipped + std::string(kind)};
}

Environment Environment::OfProcess() {
  Environment env;
  const char* home = std::getenv("HOME");
  if (home && home[0] != '\0') {
    env.home = home;
  } else if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir) {
    env.home = entry->pw_dir;
  }
  env.configHome = AbsoluteOrEmpty(std::getenv("XDG_CONFIG_HOME"));
  env.dataHome = AbsoluteOrEmpty(std::getenv("XDG_DATA_HOME"));
  env.mayWrite = [](const std::string& folder) { return ::access(folder.c_str(), W_OK) == 0; };
  return env;
}

ProgramFolders FindProgramFolders(const std::string& programFolder,
                                  const std::string& installedData, const Environment& env) {
  const std::string program = Normal(programFolder);
  const bool holdsData = HoldsData(program);
  if (holdsData && env.mayWrite(program)) return ProgramFolders(program);
  ProgramFolders folders;
  folders.shipped = holdsData ? program : Normal(installedData);
  const std::string home = WithSlash(env.home);
  const auto under = [&](const std::string& xdg, const char* byDefault) {
    return Normal((xdg.empty() ? home + byDefault : WithSlash(xdg)) + "pelmar");
  };
  folders.config = under(env.configHome, ".config/");
  folders.player = under(env.dataHome, ".local/share/");
  return folders;
}

void MakePlayerFolders(const ProgramFolders& folders) {
  if (folders.Portable()) return;
  MakeFolders(folders.config);
  if (!MakeFolders(folders.player)) return;
  for (std::string_view kind : DataKinds) MakeFolder(folders.player + std::string(kind));
}

} // namespace platform

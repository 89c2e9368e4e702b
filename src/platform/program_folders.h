#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// One kind of data (layouts, tilesets, backgrounds, tracks) as the program reads it: the
// player's own folder over the one shipped with the program, so that a player's file wins over
// a shipped file of the same name. In a portable program folder the two are one.
struct DataFolder {
  DataFolder(std::string own, std::string shipped);
  // A folder that is both: the program reads and writes its files there.
  DataFolder(std::string folder) : DataFolder(folder, folder) {}

  std::string own;     // ends with '/': where the player's files of this kind go
  std::string shipped; // ends with '/'

  // The folders to list, the player's first; one when both are the same.
  std::vector<std::string> Listed() const;
  // Where the file of that name is read from: the player's own when there is one, else the
  // shipped one, whether or not it exists (so a message can name it).
  std::string Find(const std::string& fileName) const;
  // The first of the names that the player's folder holds, else the first that the shipped one
  // holds: a player's "Clouds.bmp" wins over a shipped "Clouds.jpg". Empty when none exists.
  std::string FindFirst(std::initializer_list<std::string> fileNames) const;
};

// Where the program reads its data and keeps each player's files; every folder ends with '/'.
struct ProgramFolders {
  ProgramFolders() = default;
  // A portable program folder: everything is read and written there.
  ProgramFolders(const std::string& programFolder)
      : shipped(programFolder), player(programFolder), config(programFolder) {}

  std::string shipped; // Layouts/, Tilesets/, Backgrounds/, Musics/ and the help documents
  std::string player;  // Hallfame.ini, Favelay.ini and the player's own data folders
  std::string config;  // Pelmar.ini

  bool Portable() const { return player == shipped; }
  // "Layouts", "Tilesets", "Backgrounds" or "Musics".
  DataFolder Data(std::string_view kind) const;
};

// The data folders a player may add files of their own to.
inline constexpr std::string_view DataKinds[] = {"Layouts", "Tilesets", "Backgrounds", "Musics"};

// What the folder rule takes from the process's environment: $HOME, $XDG_CONFIG_HOME and
// $XDG_DATA_HOME, empty when not set (an XDG variable counts only when it holds an absolute
// path), and whether the process may write into a folder.
struct Environment {
  std::string home, configHome, dataHome;
  std::function<bool(const std::string& folder)> mayWrite;
  static Environment OfProcess();
};

// A program folder that holds the data and can be written is portable, as the build folder and
// a copied folder are. Otherwise each player's files go under the XDG folders ("pelmar" in
// $XDG_CONFIG_HOME for the settings, in $XDG_DATA_HOME for the rest, by default ~/.config and
// ~/.local/share), and the shipped data is read from the program folder when it holds the data
// (a read-only copy), else from `installedData`.
ProgramFolders FindProgramFolders(const std::string& programFolder,
                                  const std::string& installedData, const Environment& env);

// Makes the folders that the player's files go to, so that the first save finds them. A folder
// that cannot be made is left to the save, which tells the player.
void MakePlayerFolders(const ProgramFolders& folders);

} // namespace platform

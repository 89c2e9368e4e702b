#include "app/command_line.h"

#include "shell/settings.h"

namespace app {

namespace {

constexpr const char* Help =
    "Usage: pelmar [OPTION]...\n"
    "Six tile games played with one 144-tile mahjong set: Solitaire (alone or for two\n"
    "players), Rivers, Memory, Clicks, Slider and Hashira.\n"
    "\n"
    "  -h, --help     print this help and exit\n"
    "  -v, --version  print the version and exit\n"
    "The window system's own options (-display, -platform, -style ...) are passed on to it.\n"
    "\n"
    "Files: when the program's folder holds Layouts/ and Musics/ and can be written, the\n"
    "program reads and writes everything there (a portable folder). Otherwise it reads the\n"
    "data installed with it (share/pelmar/) and keeps each player's files at home:\n"
    "  $XDG_CONFIG_HOME/pelmar/Pelmar.ini (~/.config/pelmar/)            the settings\n"
    "  $XDG_DATA_HOME/pelmar/ (~/.local/share/pelmar/)                   Hallfame.ini,\n"
    "      Favelay.ini and the player's own Layouts/, Tilesets/, Backgrounds/ and Musics/,\n"
    "      listed with the installed ones; a file of the same name wins.\n"
    "\n"
    "SIGTERM, SIGINT and SIGHUP close the program as its close box does, saving the settings\n"
    "and the hall of fame.\n";

} // namespace

std::optional<int> AnswerCommandLine(const std::vector<std::string>& args, std::ostream& out) {
  for (const std::string& arg : args) {
    if (arg == "--help" || arg == "-h") {
      out << Help;
      return 0;
    }
    if (arg == "--version" || arg == "-v") {
      out << shell::ApplicationTitle << "\n";
      return 0;
    }
  }
  return std::nullopt;
}

} // namespace app

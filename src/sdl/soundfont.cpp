#include "sdl/soundfont.h"

#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace sdl {

namespace {

// Debian's General MIDI soundfonts. The small one first: every track change loads the
// soundfont on the window's thread, 0.1 s for it against 0.4 s for the large one, which a
// player notices as a stall. The distribution's "default-GM" link may point at any of them;
// naming the files keeps the choice ours.
constexpr const char* DebianSoundFonts[] = {
    "/usr/share/sounds/sf2/TimGM6mb.sf2",
    "/usr/share/sounds/sf2/FluidR3_GM.sf2",
    "/usr/share/sounds/sf3/default-GM.sf3",
    "/usr/share/sounds/sf2/default-GM.sf2",
};

bool IsFile(const std::string& path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

} // namespace

std::string ChooseSoundFont(const char* playerSoundFonts) {
  if (playerSoundFonts) {
    // The synthesiser refuses the whole list for one missing file: keep those that exist.
    std::istringstream list(playerSoundFonts);
    std::string path, existing;
    while (std::getline(list, path, ';'))
      if (IsFile(path)) existing += (existing.empty() ? "" : ";") + path;
    if (!existing.empty()) return existing;
  }
  for (const char* path : DebianSoundFonts)
    if (IsFile(path)) return path;
  return {};
}

std::string FindSoundFont() {
  return ChooseSoundFont(std::getenv("SDL_SOUNDFONTS"));
}

} // namespace sdl

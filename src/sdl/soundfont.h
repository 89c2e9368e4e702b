#pragma once

#include <string>

namespace sdl {

// The General MIDI soundfont for MIDI music: the player's own list in SDL_SOUNDFONTS (paths
// separated by ';') when one of them exists, else the first Debian soundfont installed. Empty
// when there is none; MIDI tracks then play nothing.
std::string FindSoundFont();

// The same choice from a given SDL_SOUNDFONTS value (null when unset).
std::string ChooseSoundFont(const char* playerSoundFonts);

} // namespace sdl

#pragma once

#include <string>

#include "render/board_renderer.h"
#include "shell/idle_animations.h"

namespace app {

// Reads a tileset bitmap and composes every finished tile from it. On failure the pictures stay
// as they were and the reason is returned for the player.
std::string LoadTileset(const std::string& path, render::BoardPictures& pictures);

// Reads a background picture (JPEG when the name says ".jpg", else BMP) and lays it over the
// board background. On failure the background stays as it was and the reason is returned.
std::string LoadBackground(const std::string& path, render::BoardPictures& pictures);

// The built-in pause picture and games-panel logos. A picture that cannot be read stays empty,
// and its animation then draws nothing.
shell::IdlePictures LoadIdlePictures();

} // namespace app

#pragma once

#include <array>

#include "platform/bitmap.h"
#include "render/board_renderer.h"

namespace shell {

constexpr int PausePictureWidth = 156, PausePictureHeight = 61;
constexpr int LogoWidth = 38, LogoHeight = 40;
constexpr int LogoCount = 6;
// Eleven steps between two logos keep them apart on their common path.
constexpr int LogoSpacing = 11;
constexpr std::uint32_t PausePictureKey = platform::Rgb(0, 0, 0);
constexpr std::uint32_t LogoKey = platform::Rgb(128, 0, 128);

struct IdlePictures {
  platform::Bitmap pause;                          // PausePictureWidth x PausePictureHeight
  std::array<platform::Bitmap, LogoCount> logos{}; // LogoWidth x LogoHeight each
};

struct Point {
  int x, y;
  friend bool operator==(const Point&, const Point&) = default;
};

// Where the pause picture stands at step t: a Lissajous figure around (280, 205).
Point PausePicturePosition(int t);
// Where logo i stands at step t: one ellipse around (320, 220), the logos following each other.
Point LogoPosition(int t, int logo);

// The next animation step. After about eight months of idling the counter starts again from 0
// instead of overflowing; the figure jumps once.
int NextAnimationStep(int step);

// One frame of the pause screen: the picture leaves its place and moves one step on. Only the
// visible board (Game) changes; AnimationStep grows by one.
void AnimatePauseScreen(int& AnimationStep, render::BoardPictures& pictures,
                        const IdlePictures& idle, render::BoardView& view);
// One frame behind the games panel: every logo is erased, then drawn one step further on.
void AnimateGamesPanel(int& AnimationStep, render::BoardPictures& pictures,
                       const IdlePictures& idle, render::BoardView& view);

} // namespace shell

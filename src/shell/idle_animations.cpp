#include "shell/idle_animations.h"

#include <cmath>
#include <limits>

namespace shell {

namespace {

using platform::Rect;

Rect At(Point p, int width, int height) {
  return {p.x, p.y, p.x + width, p.y + height};
}

// A rectangle of one picture copied to the same place of another, then shown if on the board.
void CopyAndShow(platform::Bitmap& to, const platform::Bitmap& from, Rect r,
                 render::BoardView* view) {
  platform::Blit(to, r.left, r.top, from, r);
  if (!view) return;
  const Rect shown = platform::Intersect(r, to.Bounds());
  if (!shown.Empty()) view->Show(shown);
}

int Truncated(double v) {
  return static_cast<int>(std::trunc(v));
}

} // namespace

int NextAnimationStep(int step) {
  return step == std::numeric_limits<int>::max() ? 0 : step + 1;
}

Point PausePicturePosition(int t) {
  return {280 + Truncated(200 * std::sin(-0.01 * t)), 205 + Truncated(190 * std::cos(0.005 * t))};
}

Point LogoPosition(int t, int logo) {
  const int s = t + LogoSpacing * logo;
  return {320 + Truncated(400 * std::sin(-0.01 * s)), 220 + Truncated(220 * std::cos(0.01 * s))};
}

void AnimatePauseScreen(int& AnimationStep, render::BoardPictures& pictures,
                        const IdlePictures& idle, render::BoardView& view) {
  const Rect old = At(PausePicturePosition(AnimationStep), PausePictureWidth, PausePictureHeight);
  CopyAndShow(pictures.Game, pictures.BackgroundBitmap, old, &view);
  AnimationStep = NextAnimationStep(AnimationStep);
  const Point now = PausePicturePosition(AnimationStep);
  platform::DrawTransparent(pictures.Game, now.x, now.y, idle.pause, idle.pause.Bounds(),
                            PausePictureKey);
  const Rect shown =
      platform::Intersect(At(now, PausePictureWidth, PausePictureHeight), pictures.Game.Bounds());
  if (!shown.Empty()) view.Show(shown);
}

void AnimateGamesPanel(int& AnimationStep, render::BoardPictures& pictures,
                       const IdlePictures& idle, render::BoardView& view) {
  for (int i = 0; i < LogoCount; ++i) {
    const Rect old = At(LogoPosition(AnimationStep, i), LogoWidth, LogoHeight);
    CopyAndShow(pictures.WorkBitmap, pictures.BackgroundBitmap, old, nullptr);
    CopyAndShow(pictures.Game, pictures.WorkBitmap, old, &view);
  }
  AnimationStep = NextAnimationStep(AnimationStep);
  for (int i = 0; i < LogoCount; ++i) {
    const Point now = LogoPosition(AnimationStep, i);
    const platform::Bitmap& logo = idle.logos[LogoCount - 1 - i];
    platform::DrawTransparent(pictures.WorkBitmap, now.x, now.y, logo, logo.Bounds(), LogoKey);
    CopyAndShow(pictures.Game, pictures.WorkBitmap, At(now, LogoWidth, LogoHeight), &view);
  }
}

} // namespace shell

#include "render/backgrounds.h"

#include <cstdlib>

#include "platform/files.h"
#include "platform/picture_file.h"

namespace render {

namespace {

constexpr int Bands = 256;

// Settings keep red in the low byte; our pixels keep it in the third.
std::uint32_t PixelOf(std::uint32_t stored) {
  return platform::Rgb(stored & 0xFF, (stored >> 8) & 0xFF, (stored >> 16) & 0xFF);
}
std::uint32_t StoredOf(std::uint32_t rgb) {
  return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
}
std::uint32_t RgbOf(std::uint32_t stored) {
  return StoredOf(stored); // the swap of red and blue is its own inverse
}

} // namespace

int MulDiv(int a, int b, int c) {
  const long long n = static_cast<long long>(a) * b;
  long long q = n / c;
  const long long r = n % c;
  if (2 * std::llabs(r) >= std::llabs(c)) q += ((n < 0) != (c < 0)) ? -1 : 1;
  return static_cast<int>(q);
}

void TileBackground(platform::Bitmap& background, const platform::Bitmap& picture) {
  const int w = picture.Width(), h = picture.Height();
  if (picture.Empty()) return;
  if (w >= background.Width() && h >= background.Height()) {
    platform::Blit(background, 0, 0, picture, picture.Bounds());
    return;
  }
  for (int y = 0; y < background.Height(); y += h)
    for (int x = 0; x < background.Width(); x += w)
      platform::Blit(background, x, y, picture, picture.Bounds());
}

void PaintSolidBackground(platform::Bitmap& background, std::uint32_t colour, bool gradient) {
  const int height = background.Height();
  const int red = colour & 0xFF, green = (colour >> 8) & 0xFF, blue = (colour >> 16) & 0xFF;
  for (int i = 0; i < Bands; ++i) {
    std::uint32_t band = colour;
    if (gradient) {
      const auto shade = [i](int c) { return c + MulDiv(i, -c, Bands - 2); };
      band = static_cast<std::uint32_t>(shade(red) | shade(green) << 8 | shade(blue) << 16);
    }
    const int top = MulDiv(i, height, Bands - 1), bottom = MulDiv(i + 1, height, Bands - 1);
    platform::FillRect(background, {0, top, background.Width(), bottom}, PixelOf(band));
  }
}

Backgrounds::Backgrounds(engine::GameState& state, engine::GameServices& services,
                         BoardPictures& pictures)
    : state_(state), services_(services), pictures_(pictures) {}

platform::DataFolder Backgrounds::Folder() const {
  return state_.layouts.Folders.Data("Backgrounds");
}

void Backgrounds::LoadBackgroundClick(int index) {
  std::string path;
  if (index == PictureMenu::FromDisk) {
    const auto chosen =
        ChooseFromDisk(menu,
                       {"Please choose a Background bitmap file",
                        "Background files (*.bmp; *.jpg)|*.bmp;*.jpg", Folder().own},
                       services_.ui(), state_.board.GameMode == engine::ModeNone);
    if (!chosen) return;
    path = *chosen;
  } else {
    const int entry = index - FirstBackgroundEntry;
    if (entry < 0 || entry >= static_cast<int>(menu.captions.size())) return;
    const std::string& caption = menu.captions[entry];
    path = Folder().FindFirst({caption + ".jpg", caption + ".bmp"});
    if (path.empty()) return LoadBackgroundClick(PictureMenu::FromDisk);
  }
  const int before = menu.checked;
  menu.checked = index;
  if (!NouveauFond(path)) menu.checked = before;
}

bool Backgrounds::NouveauFond(const std::string& path) {
  if (!platform::FileExists(path)) {
    LoadBackgroundClick(PictureMenu::FromDisk);
    return menu.checked == PictureMenu::FromDisk;
  }
  // The name decides the decoder, as the player named the file.
  const bool jpeg = path.find(".jpg") != std::string::npos;
  const platform::DecodedPicture picture = platform::ReadPictureFile(path, jpeg);
  if (!picture.ok) {
    services_.ui().ShowMessage("Unable to load the background \"" + path + "\": " + picture.error +
                               ".");
    return false;
  }
  TileBackground(pictures_.BackgroundBitmap, picture.bitmap);
  if (state_.board.GameMode != engine::ModeNone) services_.FullRedraw();
  return true;
}

void Backgrounds::None1Click(bool askColour) {
  menu.checked = SolidBackgroundIndex;
  if (askColour && state_.board.GameMode != engine::ModeNone)
    if (const auto chosen = services_.ui().AskColour(RgbOf(ColorBackground)))
      ColorBackground = StoredOf(*chosen);
  PaintSolidBackground(pictures_.BackgroundBitmap, ColorBackground, state_.options.Gradient);
  if (state_.board.GameMode != engine::ModeNone) services_.FullRedraw();
}

void Backgrounds::CoolBackgroundClick() {
  state_.options.Gradient = !state_.options.Gradient;
  if (menu.checked == SolidBackgroundIndex) None1Click(false);
}

} // namespace render

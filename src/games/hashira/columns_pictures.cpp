#include "games/hashira/columns_pictures.h"

#include <string>

namespace hashira {

std::array<Sprite, 10> DigitSprites(const platform::Bitmap& strip) {
  std::array<Sprite, 10> digits;
  for (int d = 0; d < 10; ++d) {
    platform::Bitmap digit(DigitWidth, DigitHeight);
    platform::Blit(digit, 0, 0, strip, {DigitWidth * d, 0, DigitWidth * (d + 1), DigitHeight});
    digits[d] = Sprite(digit);
  }
  return digits;
}

ColumnsPictures LoadColumnsPictures(platform::Desktop& desktop) {
  ColumnsPictures pictures;
  for (int kind = 0; kind < KindCount; ++kind)
    pictures.Clicko[kind] =
        Sprite(platform::BuiltinPicture(desktop, "small_tile" + std::to_string(kind + 1) + ".bmp"));
  pictures.Digitaux = DigitSprites(platform::BuiltinPicture(desktop, "digits.bmp"));
  pictures.Violet = platform::BuiltinPicture(desktop, "violet.jpg");
  return pictures;
}

} // namespace hashira

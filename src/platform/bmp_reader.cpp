#include "platform/bmp_reader.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <string>

namespace platform {

namespace {

// Little-endian reads that never look past the end of the bytes.
class Reader {
public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}
  bool Has(std::uint64_t offset, std::uint64_t count) const {
    return offset <= bytes_.size() && count <= bytes_.size() - offset;
  }
  std::uint32_t U8(std::uint64_t at) const { return static_cast<unsigned char>(bytes_[at]); }
  std::uint32_t U16(std::uint64_t at) const { return U8(at) | U8(at + 1) << 8; }
  std::uint32_t U32(std::uint64_t at) const { return U16(at) | U16(at + 2) << 16; }
  std::int32_t I32(std::uint64_t at) const { return static_cast<std::int32_t>(U32(at)); }

private:
  std::string_view bytes_;
};

DecodedPicture Refuse(std::string error) {
  DecodedPicture picture;
  picture.error = std::move(error);
  return picture;
}

// One colour channel described by a bit mask, scaled to 0..255.
struct Channel {
  std::uint32_t mask = 0;
  int shift = 0, bits = 0;
  explicit Channel(std::uint32_t m) : mask(m) {
    if (m == 0) return;
    shift = std::countr_zero(m);
    bits = std::popcount(m);
  }
  int Of(std::uint32_t v) const {
    if (bits == 0) return 0;
    std::uint32_t value = (v & mask) >> shift;
    std::uint32_t max = bits >= 32 ? 0xFFFFFFFFu : (1u << bits) - 1;
    return static_cast<int>((static_cast<std::uint64_t>(value) * 255 + max / 2) / max);
  }
};

constexpr std::uint32_t BI_RGB = 0, BI_BITFIELDS = 3;

} // namespace

DecodedPicture DecodeBmp(std::string_view bytes) {
  Reader in(bytes);
  if (!in.Has(0, 18) || bytes[0] != 'B' || bytes[1] != 'M')
    return Refuse("it is not a BMP picture");
  const std::uint64_t pixelOffset = in.U32(10);
  const std::uint32_t headerSize = in.U32(14);
  const bool core = headerSize == 12;
  if (!core && headerSize < 40) return Refuse("its header is of an unknown kind");
  if (!in.Has(14, headerSize)) return Refuse("the file is cut short in its header");

  std::int64_t width, height;
  std::uint32_t bpp, compression = BI_RGB, paletteSize = 0;
  if (core) {
    width = in.U16(18);
    height = in.U16(20);
    bpp = in.U16(24);
  } else {
    width = in.I32(18);
    height = in.I32(22);
    bpp = in.U16(28);
    compression = in.U32(30);
    paletteSize = in.U32(46);
  }
  const bool topDown = height < 0;
  if (topDown) height = -height;
  if (width <= 0 || height <= 0) return Refuse("its size is empty");
  if (width > MaxPictureSide || height > MaxPictureSide)
    return Refuse("it is larger than " + std::to_string(MaxPictureSide) + " pixels on a side");

  std::uint32_t masks[3] = {0x00FF0000, 0x0000FF00, 0x000000FF};
  if (bpp == 16) {
    masks[0] = 0x7C00;
    masks[1] = 0x03E0;
    masks[2] = 0x001F;
  }
  if (compression == BI_BITFIELDS && (bpp == 16 || bpp == 32)) {
    // The masks follow a plain 40-byte header, or sit inside the larger ones.
    if (!in.Has(54, 12)) return Refuse("the file is cut short in its colour masks");
    for (int i = 0; i < 3; ++i) masks[i] = in.U32(54 + 4 * i);
  } else if (compression != BI_RGB) {
    return Refuse("compressed BMP pictures are not supported");
  }
  static constexpr std::array supported = {1u, 4u, 8u, 16u, 24u, 32u};
  if (std::find(supported.begin(), supported.end(), bpp) == supported.end())
    return Refuse("it has " + std::to_string(bpp) + " bits per pixel, which is not supported");

  // The palette of the small depths.
  std::array<std::uint32_t, 256> palette;
  palette.fill(Rgb(0, 0, 0));
  if (bpp <= 8) {
    const std::uint32_t maxEntries = 1u << bpp;
    const std::uint32_t entries =
        paletteSize == 0 || paletteSize > maxEntries ? maxEntries : paletteSize;
    const std::uint32_t entrySize = core ? 3 : 4;
    const std::uint64_t paletteAt = 14 + static_cast<std::uint64_t>(headerSize) +
                                    (compression == BI_BITFIELDS && headerSize == 40 ? 12 : 0);
    if (!in.Has(paletteAt, static_cast<std::uint64_t>(entries) * entrySize))
      return Refuse("the file is cut short in its palette");
    for (std::uint32_t i = 0; i < entries; ++i) {
      std::uint64_t at = paletteAt + i * entrySize;
      palette[i] = Rgb(static_cast<int>(in.U8(at + 2)), static_cast<int>(in.U8(at + 1)),
                       static_cast<int>(in.U8(at)));
    }
  }

  const std::uint64_t stride = (static_cast<std::uint64_t>(width) * bpp + 31) / 32 * 4;
  if (!in.Has(pixelOffset, stride * static_cast<std::uint64_t>(height)))
    return Refuse("the file is cut short in its pixels");

  const Channel red(masks[0]), green(masks[1]), blue(masks[2]);
  DecodedPicture picture;
  picture.bitmap = Bitmap(static_cast<int>(width), static_cast<int>(height));
  std::uint32_t* out = picture.bitmap.Pixels();
  for (std::int64_t row = 0; row < height; ++row) {
    const std::uint64_t line = pixelOffset + stride * static_cast<std::uint64_t>(row);
    std::uint32_t* target = out + (topDown ? row : height - 1 - row) * width;
    for (std::int64_t x = 0; x < width; ++x) {
      std::uint32_t colour;
      switch (bpp) {
      case 1:
        colour = palette[(in.U8(line + x / 8) >> (7 - x % 8)) & 1];
        break;
      case 4:
        colour = palette[(in.U8(line + x / 2) >> (x % 2 ? 0 : 4)) & 15];
        break;
      case 8:
        colour = palette[in.U8(line + x)];
        break;
      case 16: {
        std::uint32_t v = in.U16(line + 2 * x);
        colour = Rgb(red.Of(v), green.Of(v), blue.Of(v));
        break;
      }
      case 24:
        colour =
            Rgb(static_cast<int>(in.U8(line + 3 * x + 2)),
                static_cast<int>(in.U8(line + 3 * x + 1)), static_cast<int>(in.U8(line + 3 * x)));
        break;
      default: {
        std::uint32_t v = in.U32(line + 4 * x);
        colour = Rgb(red.Of(v), green.Of(v), blue.Of(v));
      }
      }
      target[x] = colour;
    }
  }
  picture.ok = true;
  return picture;
}

} // namespace platform

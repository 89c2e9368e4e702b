#include "platform/rtf_text.h"

namespace platform::rtf {

namespace {

// Code page 1252 where it differs from Latin-1; 0 marks the five bytes it leaves undefined.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

constexpr int MaxUnbrokenLength = 64;
constexpr char32_t ZeroWidthSpace = 0x200B;

} // namespace

char32_t FromCp1252(unsigned char byte) {
  if (byte >= 0x80 && byte < 0xA0) return Cp1252High[byte - 0x80];
  return byte;
}

bool Printable(char32_t c) {
  return c == '\t' || c == '\n' || (c >= 0x20 && c != 0x7F && (c < 0x80 || c >= 0xA0));
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

void AppendBreakable(std::string& out, char32_t c, int& unbroken) {
  if (c == ' ' || c == '\t' || c == '\n' || c == ZeroWidthSpace) {
    unbroken = 0;
  } else if (++unbroken > MaxUnbrokenLength) {
    AppendUtf8(out, ZeroWidthSpace);
    unbroken = 1;
  }
  AppendUtf8(out, c);
}

} // namespace platform::rtf

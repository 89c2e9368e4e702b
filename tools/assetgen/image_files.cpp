#include "image_files.h"

#include <QImage>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "platform/files.h"

namespace assetgen {

namespace {

[[noreturn]] void Fail(const std::filesystem::path& path, const std::string& why) {
  std::cerr << "assetgen: cannot write " << path.string() << ": " << why << "\n";
  std::exit(1);
}

} // namespace

void Put16(std::string& s, unsigned v) {
  s += static_cast<char>(v & 0xFF);
  s += static_cast<char>((v >> 8) & 0xFF);
}

void Put32(std::string& s, unsigned v) {
  Put16(s, v & 0xFFFF);
  Put16(s, v >> 16);
}

void SaveBytes(std::string_view bytes, const std::filesystem::path& path) {
  std::error_code ec;
  std::filesystem::create_directories(path.parent_path(), ec);
  std::string failure = platform::WriteFileAtomically(path.string(), bytes);
  if (!failure.empty()) Fail(path, failure);
}

void SaveBmp(const QImage& source, const std::filesystem::path& path) {
  QImage image = source.convertToFormat(QImage::Format_RGB32);
  const unsigned w = image.width(), h = image.height();
  const unsigned rowBytes = (w * 3 + 3) & ~3u;
  std::string bmp;
  bmp.reserve(54 + rowBytes * h);
  bmp += "BM";
  Put32(bmp, 54 + rowBytes * h); // file size
  Put32(bmp, 0);                 // reserved
  Put32(bmp, 54);                // offset of the pixels
  Put32(bmp, 40);                // info header size
  Put32(bmp, w);
  Put32(bmp, h); // positive: bottom-up rows
  Put16(bmp, 1); // planes
  Put16(bmp, 24);
  Put32(bmp, 0); // no compression
  Put32(bmp, rowBytes * h);
  Put32(bmp, 2835); // 72 dpi
  Put32(bmp, 2835);
  Put32(bmp, 0);
  Put32(bmp, 0);
  for (int y = static_cast<int>(h) - 1; y >= 0; --y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (unsigned x = 0; x < w; ++x) {
      bmp += static_cast<char>(qBlue(row[x]));
      bmp += static_cast<char>(qGreen(row[x]));
      bmp += static_cast<char>(qRed(row[x]));
    }
    bmp.append(rowBytes - w * 3, '\0');
  }
  SaveBytes(bmp, path);
}

namespace {

struct JpegError {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

void JpegErrorExit(j_common_ptr info) {
  auto* error = reinterpret_cast<JpegError*>(info->err);
  std::longjmp(error->jump, 1);
}

// Plain C on purpose: nothing with a destructor may live between setjmp and the encoder.
bool EncodeJpeg(const unsigned char* rgb, int width, int height, int stride, int quality,
                unsigned char** buffer, unsigned long* size) {
  jpeg_compress_struct info;
  JpegError error;
  info.err = jpeg_std_error(&error.manager);
  error.manager.error_exit = JpegErrorExit;
  if (setjmp(error.jump)) {
    jpeg_destroy_compress(&info);
    return false;
  }
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, buffer, size);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(rgb + static_cast<std::size_t>(info.next_scanline) * stride);
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return true;
}

} // namespace

void SaveJpeg(const QImage& source, const std::filesystem::path& path, int quality) {
  QImage image = source.convertToFormat(QImage::Format_RGB888);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  bool ok = EncodeJpeg(image.constBits(), image.width(), image.height(),
                       static_cast<int>(image.bytesPerLine()), quality, &buffer, &size);
  std::string bytes = ok ? std::string(reinterpret_cast<const char*>(buffer), size) : std::string();
  std::free(buffer);
  if (!ok) Fail(path, "the JPEG encoder failed");
  SaveBytes(bytes, path);
}

} // namespace assetgen

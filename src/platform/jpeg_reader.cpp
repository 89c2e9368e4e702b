#include "platform/jpeg_reader.h"

#include <csetjmp>
#include <cstdio>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace platform {

namespace {

// libjpeg's own handler ends the process; ours jumps back with the message instead.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void ErrorExit(j_common_ptr info) {
  auto* errors = reinterpret_cast<ErrorManager*>(info->err);
  (*info->err->format_message)(info, errors->message);
  std::longjmp(errors->jump, 1);
}

// Warnings (a file cut inside its data, corrupt entropy codes) still decode to something; we
// count them and refuse the picture.
void CountWarning(j_common_ptr info, int level) {
  if (level < 0) ++info->err->num_warnings;
}

enum class Outcome { Ok, Failed, TooLarge, Damaged };

// Plain C on purpose: nothing with a destructor may live between setjmp and the decoder. The
// rows land in `rgb`, which the caller sized from the header through `prepare`.
Outcome Decode(const unsigned char* data, unsigned long size, int (*prepare)(void*, int, int),
               void* context, unsigned char* (*row)(void*, int), char* message) {
  jpeg_decompress_struct info;
  ErrorManager errors;
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = ErrorExit;
  errors.base.emit_message = CountWarning;
  errors.message[0] = '\0';
  if (setjmp(errors.jump)) {
    std::snprintf(message, JMSG_LENGTH_MAX, "%s", errors.message);
    jpeg_destroy_decompress(&info);
    return Outcome::Failed;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data, size);
  jpeg_read_header(&info, TRUE);
  if (info.image_width > static_cast<JDIMENSION>(MaxPictureSide) ||
      info.image_height > static_cast<JDIMENSION>(MaxPictureSide)) {
    jpeg_destroy_decompress(&info);
    return Outcome::TooLarge;
  }
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  if (!prepare(context, static_cast<int>(info.output_width),
               static_cast<int>(info.output_height))) {
    jpeg_destroy_decompress(&info);
    return Outcome::TooLarge;
  }
  while (info.output_scanline < info.output_height) {
    JSAMPROW target = row(context, static_cast<int>(info.output_scanline));
    jpeg_read_scanlines(&info, &target, 1);
  }
  jpeg_finish_decompress(&info);
  bool damaged = errors.base.num_warnings > 0;
  jpeg_destroy_decompress(&info);
  return damaged ? Outcome::Damaged : Outcome::Ok;
}

struct Rows {
  int width = 0, height = 0;
  std::vector<unsigned char> rgb;
};

int PrepareRows(void* context, int width, int height) {
  auto* rows = static_cast<Rows*>(context);
  if (width < 1 || height < 1) return 0;
  rows->width = width;
  rows->height = height;
  rows->rgb.assign(static_cast<std::size_t>(width) * height * 3, 0);
  return 1;
}

unsigned char* RowAt(void* context, int y) {
  auto* rows = static_cast<Rows*>(context);
  return rows->rgb.data() + static_cast<std::size_t>(y) * rows->width * 3;
}

} // namespace

DecodedPicture DecodeJpeg(std::string_view bytes) {
  DecodedPicture picture;
  if (bytes.size() < 4) {
    picture.error = "it is not a JPEG picture";
    return picture;
  }
  Rows rows;
  char message[JMSG_LENGTH_MAX] = {};
  Outcome outcome = Decode(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(),
                           PrepareRows, &rows, RowAt, message);
  switch (outcome) {
  case Outcome::Failed:
    picture.error = std::string("it cannot be decoded (") + message + ")";
    return picture;
  case Outcome::TooLarge:
    picture.error = "it is larger than " + std::to_string(MaxPictureSide) + " pixels on a side";
    return picture;
  case Outcome::Damaged:
    picture.error = "it is damaged or cut short";
    return picture;
  case Outcome::Ok:
    break;
  }
  picture.bitmap = Bitmap(rows.width, rows.height);
  std::uint32_t* out = picture.bitmap.Pixels();
  for (std::size_t i = 0; i < static_cast<std::size_t>(rows.width) * rows.height; ++i)
    out[i] = Rgb(rows.rgb[3 * i], rows.rgb[3 * i + 1], rows.rgb[3 * i + 2]);
  picture.ok = true;
  return picture;
}

} // namespace platform

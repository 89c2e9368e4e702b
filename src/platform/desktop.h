#pragma once

#include <string>

#include "platform/bitmap.h"
#include "platform/clock.h"
#include "platform/text.h"

namespace platform {

struct LocalDate {
  int year = 0, month = 0, day = 0;
};

// What the desktop offers the program beside its window: the files built into the program, the
// lettering of text onto our bitmaps, the time and the user's calendar.
class Desktop {
public:
  virtual ~Desktop() = default;
  // The bytes of a picture or sound built into the program (a file name of the generated
  // builtin/ folder, such as "pause.bmp"); empty when there is no such file.
  virtual std::string ReadBuiltin(const std::string& name) = 0;
  virtual TextPainter& Painter() = 0;
  // The time: tick counts for the game clocks, the time of day for the seeds.
  virtual Clock& Time() = 0;
  // Today in the user's time zone.
  virtual LocalDate TodayLocal() = 0;
  // The user's short date pattern in the letters d, M and y ("M/d/yy", "dd.MM.yyyy" ...).
  virtual std::string ShortDatePattern() = 0;
};

// A picture built into the program, a JPEG by its ".jpg" name and a Windows bitmap otherwise;
// an empty bitmap when it is missing or cannot be decoded.
Bitmap BuiltinPicture(Desktop& desktop, const std::string& name);

} // namespace platform

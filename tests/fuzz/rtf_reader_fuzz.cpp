// Feeds arbitrary bytes to the RTF reader: it must read within its bounds and hand the view only
// what the view can take (fonts that exist, sizes in range, no empty run).
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/rtf_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const platform::RichText text =
      platform::ReadRtf(std::string_view(reinterpret_cast<const char*>(data), size));
  if (text.paragraphs.size() > platform::MaxRtfParagraphs) std::abort();
  for (const platform::Paragraph& p : text.paragraphs)
    for (const platform::TextRun& run : p.runs) {
      if (run.text.empty()) std::abort();
      if (run.format.font >= static_cast<int>(text.fonts.size())) std::abort();
      if (run.format.halfPoints < 1 || run.format.halfPoints > 400) std::abort();
    }
  return 0;
}

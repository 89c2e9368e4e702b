// Feeds arbitrary bytes to both layout readers and checks what an accepted layout promises.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/layout_file.h"

namespace {

void CheckAccepted(const engine::ParsedLayout& parsed) {
  if (parsed.outcome != engine::ParsedLayout::Outcome::Ok) return;
  int n = parsed.cells.Positions();
  if (n < 1 || n > engine::MaxTiles) std::abort();
  for (std::uint8_t c : parsed.cells.cells)
    if (c > 1) std::abort();
  // What the writer makes of an accepted layout must read back to the same cells.
  engine::ParsedLayout again = engine::ParseLay(engine::FormatLay(parsed.cells, "fuzz"));
  if (again.outcome != engine::ParsedLayout::Outcome::Ok || !(again.cells == parsed.cells))
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  CheckAccepted(engine::ParseLay(text));
  CheckAccepted(engine::ParseShp(text));
  return 0;
}

#include "engine/random.h"

#include <cstdio>
#include <cstdlib>

namespace engine {

void Generator::Randomize(platform::Clock& clock) {
  platform::TimeOfDay t = clock.NowUtc();
  RandSeed =
      static_cast<std::uint32_t>(((t.hour * 60 + t.minute) * 60 + t.second) * 1000 + t.millisecond);
}

void DrawLimit::DrawingNeverEnds(const char* loop) {
  std::fprintf(stderr, "Pelmar: %s found nothing in %ld draws; the board is broken\n", loop,
               MaxDraws);
  std::abort();
}

} // namespace engine

#include "engine/random.h"

namespace engine {

void Generator::Randomize(platform::Clock& clock) {
  platform::TimeOfDay t = clock.NowUtc();
  RandSeed =
      static_cast<std::uint32_t>(((t.hour * 60 + t.minute) * 60 + t.second) * 1000 + t.millisecond);
}

} // namespace engine

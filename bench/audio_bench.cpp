// The cost of music and the delay of sound effects, on SDL's dummy driver, which takes
// samples at a sound card's pace without a sound card.
#include <SDL_mixer.h>
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>
#include <thread>

#include "sdl/sdl_audio.h"

namespace {

using Clock = std::chrono::steady_clock;

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::unique_ptr<sdl::SdlAudio> OpenDummy(const char* soundFont) {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  if (soundFont)
    setenv("SDL_SOUNDFONTS", soundFont, 1);
  else
    unsetenv("SDL_SOUNDFONTS");
  return sdl::SdlAudio::Open();
}

double ProcessCpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// When the mixer first produced a sound after a click.
std::atomic<Clock::rep> firstSound{0};

void NoteFirstSound(void*, Uint8* stream, int length) {
  const auto* samples = reinterpret_cast<const Sint16*>(stream);
  for (int i = 0; i < length / 2; ++i)
    if (samples[i] != 0) {
      Clock::rep none = 0;
      firstSound.compare_exchange_strong(none, Clock::now().time_since_epoch().count());
      return;
    }
}

// From PlayEffect to the mixed buffer that carries its first samples; the device plays that
// buffer within one more buffer period (512 frames, 11.6 ms).
void BM_ClickToEffect(benchmark::State& state) {
  auto audio = OpenDummy(nullptr);
  audio->LoadEffect("select", ReadFile(PELMAR_BUILD_DIR "/builtin/select.wav"));
  Mix_SetPostMix(NoteFirstSound, nullptr);
  double worst = 0;
  for (auto _ : state) {
    std::this_thread::sleep_for(std::chrono::milliseconds(37)); // clicks land anywhere
    firstSound = 0;
    const Clock::time_point click = Clock::now();
    audio->PlayEffect("select");
    while (firstSound == 0) std::this_thread::yield();
    const double seconds =
        std::chrono::duration<double>(Clock::duration(firstSound.load()) - click.time_since_epoch())
            .count();
    worst = std::max(worst, seconds * 1000);
    state.SetIterationTime(seconds);
  }
  Mix_SetPostMix(nullptr, nullptr);
  state.counters["worst_ms"] = worst;
}
BENCHMARK(BM_ClickToEffect)->UseManualTime()->Iterations(50)->Unit(benchmark::kMillisecond);

const char* const SoundFonts[] = {"/usr/share/sounds/sf2/FluidR3_GM.sf2",
                                  "/usr/share/sounds/sf2/TimGM6mb.sf2"};

// Share of one core that playing a track takes, over ten seconds of music.
void BM_MusicCpu(benchmark::State& state) {
  auto audio = OpenDummy(SoundFonts[state.range(0)]);
  state.SetLabel(audio->SoundFont());
  for (auto _ : state) {
    audio->PlayMusic(PELMAR_BUILD_DIR "/Musics/Morning.mid", true);
    const double cpu = ProcessCpuSeconds();
    const Clock::time_point start = Clock::now();
    std::this_thread::sleep_for(std::chrono::seconds(10));
    const double wall = std::chrono::duration<double>(Clock::now() - start).count();
    state.counters["core_percent"] = 100 * (ProcessCpuSeconds() - cpu) / wall;
    audio->StopMusic();
  }
}
BENCHMARK(BM_MusicCpu)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond);

// Choosing a track: loading the file and the soundfont, on the window's thread.
void BM_StartTrack(benchmark::State& state) {
  auto audio = OpenDummy(SoundFonts[state.range(0)]);
  state.SetLabel(audio->SoundFont());
  for (auto _ : state) audio->PlayMusic(PELMAR_BUILD_DIR "/Musics/Night.mid", false);
  audio->StopMusic();
}
BENCHMARK(BM_StartTrack)->Arg(0)->Arg(1)->Iterations(10)->Unit(benchmark::kMillisecond);

} // namespace

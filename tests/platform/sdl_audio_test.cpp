#include "sdl/sdl_audio.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

#include "sdl/soundfont.h"
#include "shell/sound_effects.h"
#include "support/test_platform.h"

namespace {

using testing_support::TempFolder;

constexpr std::size_t BytesPerSecond = 44100 * 2 * 2; // 16-bit stereo
// The mixer has at most two buffers in flight when a change is asked for.
constexpr std::size_t InFlight = 2 * 512 * 2 * 2;

std::string Builtin(const std::string& file) {
  return testing_support::ReadText(std::string(PELMAR_BUILD_DIR) + "/builtin/" + file);
}

// One note of half a second on a piano, the smallest track that plays and ends.
std::string ShortMidi() {
  const std::string track = {0x00, char(0xC0), 0x00,        // piano
                             0x00, char(0x90), 60,   100,   // note on
                             0x60, char(0x80), 60,   0,     // 96 ticks later: off
                             0x00, char(0xFF), 0x2F, 0x00}; // end of track
  std::string midi = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96};
  midi += {'M', 'T', 'r', 'k', 0, 0, 0, char(track.size())};
  return midi + track;
}

// A four-channel module: one looping square-wave sample sounding on the first row.
std::string SquareModule() {
  std::string mod(20, '\0');       // title
  std::string sample(30, '\0');    // sample 1: name, then big-endian fields
  sample[22] = 0, sample[23] = 32; // length: 32 words
  sample[25] = 64;                 // volume
  sample[26] = 0, sample[27] = 0;  // loop start
  sample[28] = 0, sample[29] = 32; // loop length: the whole sample
  mod += sample;
  for (int i = 1; i < 31; ++i) mod += std::string(30, '\0');
  mod += {1, 127};               // one position in the song
  mod += std::string(128, '\0'); // it plays pattern 0
  mod += "M.K.";
  std::string pattern(64 * 4 * 4, '\0');
  pattern[0] = 0x01, pattern[1] = char(0xAC); // sample 1 at period 428
  pattern[2] = 0x10;
  mod += pattern;
  for (int i = 0; i < 64; ++i) mod += char(i < 32 ? 100 : -100);
  return mod;
}

// Audio on SDL's disk driver: what the mixer would play goes to a file, a little faster than
// a sound card would take it.
class SdlAudioTest : public ::testing::Test {
protected:
  void SetUp() override {
    output = (folder.path() / "out.raw").string();
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", "2", 1);
    audio = sdl::SdlAudio::Open();
    ASSERT_TRUE(audio);
    ASSERT_EQ(audio->DriverName(), "disk");
  }
  void TearDown() override {
    audio.reset();
    unsetenv("SDL_AUDIODRIVER");
    unsetenv("SDL_DISKAUDIOFILE");
    unsetenv("SDL_DISKAUDIODELAY");
  }

  std::size_t Written() const {
    std::error_code ec;
    const auto size = std::filesystem::file_size(output, ec);
    return ec ? 0 : static_cast<std::size_t>(size);
  }
  // Waits until the device has taken `bytes` more; a guard against a hang, not a timing.
  std::size_t WaitFor(std::size_t bytes) const {
    const std::size_t target = Written() + bytes;
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (Written() < target && std::chrono::steady_clock::now() < giveUp)
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return Written();
  }
  bool WaitUntil(const std::function<bool()>& done) const {
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!done())
      if (std::chrono::steady_clock::now() > giveUp)
        return false;
      else
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return true;
  }
  // The loudest sample written between two byte offsets.
  int Peak(std::size_t from, std::size_t to) const {
    std::ifstream in(output, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(from & ~std::size_t{3}));
    std::vector<std::int16_t> samples((to - from) / 2);
    in.read(reinterpret_cast<char*>(samples.data()),
            static_cast<std::streamsize>(samples.size() * 2));
    samples.resize(static_cast<std::size_t>(in.gcount()) / 2);
    int peak = 0;
    for (std::int16_t s : samples) peak = std::max(peak, std::abs(int{s}));
    return peak;
  }
  void NeedSoundFont() {
    if (audio->SoundFont().empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
  }

  TempFolder folder;
  std::string output;
  std::unique_ptr<sdl::SdlAudio> audio;
};

constexpr int Audible = 200;

TEST_F(SdlAudioTest, MidiTrackSoundsAndPausingSilencesIt) {
  NeedSoundFont();
  ASSERT_TRUE(audio->PlayMusic(std::string(PELMAR_BUILD_DIR) + "/Musics/Night.mid", false));
  const std::size_t start = Written();
  const std::size_t played = WaitFor(2 * BytesPerSecond);
  EXPECT_GT(Peak(start, played), Audible);
  EXPECT_TRUE(audio->MusicPlaying());

  audio->TogglePause();
  EXPECT_TRUE(audio->MusicPaused());
  const std::size_t pausedAt = Written() + InFlight;
  const std::size_t later = WaitFor(BytesPerSecond);
  EXPECT_EQ(Peak(pausedAt, later), 0);
  EXPECT_FALSE(audio->TakeTrackEnded());

  audio->TogglePause();
  const std::size_t resumedAt = Written() + InFlight;
  EXPECT_GT(Peak(resumedAt, WaitFor(BytesPerSecond)), Audible);
}

TEST_F(SdlAudioTest, TrackThatEndsIsReportedOnceAndPlaysAgain) {
  NeedSoundFont();
  const std::string track = folder.Write("short.mid", ShortMidi());
  ASSERT_TRUE(audio->PlayMusic(track, false));
  ASSERT_TRUE(WaitUntil([&] { return audio->TakeTrackEnded(); }));
  EXPECT_FALSE(audio->TakeTrackEnded());
  EXPECT_FALSE(audio->MusicPlaying());

  const std::size_t silentFrom = Written() + InFlight;
  EXPECT_EQ(Peak(silentFrom, WaitFor(BytesPerSecond / 2)), 0);
  audio->RestartMusic();
  EXPECT_TRUE(audio->MusicPlaying());
  const std::size_t restart = Written();
  EXPECT_GT(Peak(restart, WaitFor(BytesPerSecond / 2)), Audible);
}

TEST_F(SdlAudioTest, StoppingIsNotAnEnd) {
  NeedSoundFont();
  ASSERT_TRUE(audio->PlayMusic(folder.Write("short.mid", ShortMidi()), false));
  audio->StopMusic();
  WaitFor(BytesPerSecond);
  EXPECT_FALSE(audio->TakeTrackEnded());
  EXPECT_FALSE(audio->MusicPlaying());
}

TEST_F(SdlAudioTest, EffectsSoundOnlyWithPlaySoundsChecked) {
  ASSERT_TRUE(shell::LoadSoundEffects(*audio, Builtin));
  engine::Options options;
  options.PlaySounds = false;
  const std::size_t quietFrom = Written();
  shell::PlayWave(*audio, options, play::Sound::Done);
  EXPECT_EQ(Peak(quietFrom, WaitFor(BytesPerSecond / 2)), 0);

  options.PlaySounds = true;
  const std::size_t from = Written();
  shell::PlayWave(*audio, options, play::Sound::Done);
  EXPECT_GT(Peak(from, WaitFor(BytesPerSecond / 2)), Audible);
}

TEST_F(SdlAudioTest, DamagedFilesPlayNothing) {
  EXPECT_FALSE(audio->LoadEffect("select", "RIFF\x10\0\0\0WAVEjunk"));
  audio->PlayEffect("select");
  EXPECT_FALSE(audio->PlayMusic((folder.path() / "missing.mid").string(), false));
  EXPECT_FALSE(audio->MusicPlaying());
  audio->TogglePause();
  audio->RestartMusic();
  EXPECT_FALSE(audio->MusicPlaying());
  EXPECT_FALSE(audio->TakeTrackEnded());

  // A huge file is refused by its size, before the mixer reads it whole.
  const std::string huge = folder.Write("huge.mid", ShortMidi());
  std::filesystem::resize_file(huge, std::uintmax_t{2} << 30);
  testing::internal::CaptureStderr();
  EXPECT_FALSE(audio->PlayMusic(huge, false));
  EXPECT_NE(testing::internal::GetCapturedStderr().find("larger than"), std::string::npos);
  EXPECT_FALSE(audio->MusicPlaying());

  // The synthesiser takes a damaged MIDI file without a word: it is silent and ends at once.
  const std::string nightHead = Builtin("../Musics/Night.mid").substr(0, 20);
  for (const std::string& bytes : {std::string("MThd garbage"), nightHead}) {
    const std::size_t from = Written();
    if (!audio->PlayMusic(folder.Write("bad.mid", bytes), false)) continue;
    EXPECT_TRUE(WaitUntil([&] { return audio->TakeTrackEnded(); }));
    EXPECT_LT(Peak(from, Written()), Audible); // dither at most
  }
}

TEST_F(SdlAudioTest, ModTrackLoopsWithoutEnding) {
  if (!audio->TrackerAvailable()) GTEST_SKIP() << "no tracker decoder in this SDL2_mixer";
  ASSERT_TRUE(audio->PlayMusic(folder.Write("square.mod", SquareModule()), true));
  const std::size_t start = Written();
  EXPECT_GT(Peak(start, WaitFor(BytesPerSecond)), Audible);
  EXPECT_FALSE(audio->TakeTrackEnded());
}

TEST(SoundFontTest, PlayersOwnSoundFontsComeFirstWhenTheyExist) {
  TempFolder folder;
  const std::string mine = folder.Write("mine.sf2", "sf"), other = folder.Write("b.sf2", "sf");
  const std::string debian = sdl::ChooseSoundFont(nullptr);
  struct Case {
    std::string setting, expected;
  } cases[] = {
      {mine, mine},
      {"/missing.sf2;" + mine + ";" + other, mine + ";" + other},
      {"/missing.sf2", debian},
      {"", debian},
  };
  for (const Case& c : cases)
    EXPECT_EQ(sdl::ChooseSoundFont(c.setting.c_str()), c.expected) << c.setting;
}

TEST(OpenAudioTest, WithoutADeviceTheProgramRunsSilently) {
  // A driver that cannot open here stands for a machine without sound.
  setenv("SDL_AUDIODRIVER", "nosuchdriver", 1);
  auto audio = sdl::OpenAudio();
  unsetenv("SDL_AUDIODRIVER");
  ASSERT_TRUE(audio);
  EXPECT_FALSE(audio->MusicPlaying());
  audio->TogglePause();
  EXPECT_FALSE(audio->TakeTrackEnded());
}

} // namespace

#include "shell/music.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/silent_audio.h"
#include "shell/sound_effects.h"
#include "support/fake_audio.h"
#include "support/test_platform.h"

namespace {

using testing_support::FakeAudio;
using testing_support::ScriptedUi;
using testing_support::TempFolder;
using Names = std::vector<std::string>;

class RecordingView final : public shell::MusicView {
public:
  void CheckMusicEntry(int midiNumber) override { checked.push_back(midiNumber); }
  void EnableMusicButton(bool enabled) override { buttonEnabled = enabled; }
  std::vector<int> checked;
  bool buttonEnabled = false;
};

// A music folder with the given files, and the music rules working on it.
class MusicTest : public ::testing::Test {
protected:
  void Files(std::initializer_list<const char*> names) {
    std::filesystem::create_directories(musicFolder());
    for (const char* name : names) folder.Write(std::string("Musics/") + name, "tune");
  }
  std::string Path(const std::string& file) const { return (musicFolder() / file).string(); }
  std::filesystem::path musicFolder() const { return folder.path() / "Musics"; }
  bool Discover(int stored = 1) { return music.Discover(stored); }
  // The draws a copy of the program's generator makes from here.
  std::vector<int> NextDraws(int count, int n) const {
    engine::Generator copy = rng;
    std::vector<int> draws;
    for (int i = 0; i < count; ++i) draws.push_back(copy.Random(n) + 1);
    return draws;
  }

  TempFolder folder;
  shell::MusicState state;
  engine::Options options;
  engine::Generator rng{12345};
  FakeAudio audio;
  ScriptedUi ui;
  RecordingView view;
  shell::Music music{state, options, rng, audio, ui, view, musicFolder().string()};
};

TEST_F(MusicTest, FolderScanListsMidiOrAlsoModWithThePlayerReady) {
  Files({"Night.mid", "aria.mid", "Kites.MID", "Dance.mod", "Beat.med", "notes.txt", "x.midi"});
  std::filesystem::create_directories(musicFolder() / "Inner.mid");
  struct Case {
    bool playerReady;
    Names tracks;
  } cases[] = {
      {false, {"aria", "Night"}},
      {true, {"aria", "Beat", "Dance", "Night"}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(shell::ScanMusic(musicFolder().string(), c.playerReady), c.tracks) << c.playerReady;
}

TEST(MusicStartTest, StoredTrackOrNightLimitedToTheList) {
  struct Case {
    Names tracks;
    int stored, expected;
  } cases[] = {
      {{"Kites", "Night", "Rain"}, -1, 2}, // no stored number: "Night"
      {{"Kites", "Rain"}, -1, 1},          // no "Night": limited to the list
      {{"Night", "Night"}, -1, 2},         // ".mid" and ".mod" of one name: the last
      {{"Kites", "Night", "Rain"}, 3, 3},  {{"Kites", "Night", "Rain"}, 9, 3},
      {{"Kites", "Night", "Rain"}, 0, 1},
  };
  for (const Case& c : cases)
    EXPECT_EQ(shell::StartMidiNumber(c.tracks, c.stored), c.expected) << c.stored;
}

TEST_F(MusicTest, ModPlayerIsReadyOnlyWhenEnabledAndTheDecoderIsPresent) {
  Files({"Night.mid", "Dance.mod"});
  struct Case {
    bool enabled, decoder, ready;
    int count;
  } cases[] = {{false, false, false, 1},
               {false, true, false, 1},
               {true, false, false, 1},
               {true, true, true, 2}};
  for (const Case& c : cases) {
    options.EnableMOD = c.enabled;
    audio.tracker = c.decoder;
    EXPECT_TRUE(Discover(-1));
    EXPECT_EQ(state.ModPlayerReady, c.ready);
    EXPECT_EQ(state.MusicCount, c.count);
    EXPECT_EQ(state.Tracks[state.MidiNumber - 1], "Night");
  }
}

TEST_F(MusicTest, AnEmptyFolderCannotStart) {
  EXPECT_FALSE(Discover(-1));
  EXPECT_EQ(state.MusicCount, 0);
}

TEST_F(MusicTest, CallMusicStartsTheTrackPausedWithoutAutomaticStart) {
  Files({"Kites.mid", "Night.mid"});
  struct Case {
    bool play, autoStart;
    FakeAudio::State expected;
    bool button;
  } cases[] = {{true, true, FakeAudio::State::Playing, true},
               {true, false, FakeAudio::State::Paused, true},
               {false, true, FakeAudio::State::Stopped, false}};
  for (const Case& c : cases) {
    audio = FakeAudio{};
    options.PlayMusic = c.play;
    options.StartMusic = c.autoStart;
    Discover(-1);
    music.CallMusic();
    EXPECT_EQ(audio.state, c.expected);
    EXPECT_EQ(view.buttonEnabled, c.button);
    if (c.play) {
      EXPECT_EQ(audio.starts.back(), (FakeAudio::Start{Path("Night.mid"), false}));
    }
  }
}

TEST_F(MusicTest, ChoosingATrackPlaysItByItsKind) {
  Files({"Aria.mid", "Dance.mod", "Gone.mid"});
  options.EnableMOD = true;
  Discover();
  std::filesystem::remove(musicFolder() / "Gone.mid");

  music.LoadMidiClick(2); // MOD: loops by itself
  EXPECT_EQ(audio.starts.back(), (FakeAudio::Start{Path("Dance.mod"), true}));
  EXPECT_TRUE(state.CurrentIsMod);

  music.LoadMidiClick(1);
  EXPECT_EQ(audio.starts.back(), (FakeAudio::Start{Path("Aria.mid"), false}));
  EXPECT_FALSE(state.CurrentIsMod);

  // A file gone since start-up: the mark moves, the music goes on.
  music.LoadMidiClick(3);
  EXPECT_EQ(state.MidiNumber, 3);
  EXPECT_EQ(view.checked, (std::vector<int>{2, 1, 3}));
  EXPECT_EQ(audio.starts.size(), 2u);
  EXPECT_EQ(audio.state, FakeAudio::State::Playing);
}

TEST_F(MusicTest, ModTrackWithoutThePlayerStopsTheMusicAndPlaysNothing) {
  Files({"Aria.mid", "Dance.mod"});
  Discover();
  state.Tracks.push_back("Dance"); // listed before a restart without the player
  state.MusicCount = 2;
  music.LoadMidiClick(1);
  music.LoadMidiClick(2);
  EXPECT_EQ(audio.starts.size(), 1u);
  EXPECT_EQ(audio.state, FakeAudio::State::Stopped);
  EXPECT_FALSE(state.CurrentIsMod);
  EXPECT_EQ(state.MidiNumber, 2);
}

TEST_F(MusicTest, UnplayableModTrackIsNotCurrent) {
  Files({"Dance.mod"});
  options.EnableMOD = true;
  Discover();
  audio.playable = false;
  music.LoadMidiClick(1);
  EXPECT_FALSE(state.CurrentIsMod);
  music.SetMusicClick(); // the pause toggle of nothing playing: nothing happens
  EXPECT_EQ(audio.state, FakeAudio::State::Stopped);
}

TEST_F(MusicTest, RandomModeDrawsAnotherTrackForAModTrack) {
  Files({"A.mod", "B.mod", "C.mid", "D.mid"});
  options.EnableMOD = true;
  options.RandomMusic = true;
  Discover();
  const std::vector<int> draws = NextDraws(64, 4);
  const auto firstMidi = std::find_if(draws.begin(), draws.end(), [](int t) { return t > 2; });
  music.LoadMidiClick(1);
  EXPECT_EQ(state.MidiNumber, *firstMidi);
  EXPECT_EQ(audio.starts.size(), 1u);
  EXPECT_FALSE(audio.starts.back().loop);
  EXPECT_EQ(view.checked, (std::vector<int>{*firstMidi}));
}

TEST_F(MusicTest, RandomModeOverModTracksOnlyStopsAfterABoundedNumberOfDraws) {
  Files({"A.mod", "B.mod", "C.mod"});
  options.EnableMOD = true;
  options.RandomMusic = true;
  Discover();
  const int limit = shell::RandomDrawsPerTrack * 3;
  const std::vector<int> draws = NextDraws(limit, 3);
  engine::Generator expected = rng;
  for (int i = 0; i < limit; ++i) expected.Random(3);

  music.LoadMidiClick(2);
  EXPECT_EQ(rng.RandSeed, expected.RandSeed);
  EXPECT_EQ(state.MidiNumber, draws.back());
  EXPECT_EQ(audio.starts.size(), 1u);
  EXPECT_TRUE(state.CurrentIsMod);
}

TEST_F(MusicTest, AnEndedTrackRepeatsOrARandomOneFollows) {
  Files({"A.mid", "B.mid", "C.mid"});
  Discover(2);
  music.CallMusic();

  music.MediaNotify(); // still playing
  EXPECT_EQ(audio.restarts, 0);
  audio.EndTrack();
  music.MediaNotify();
  EXPECT_EQ(audio.restarts, 1);
  EXPECT_EQ(audio.state, FakeAudio::State::Playing);
  EXPECT_EQ(audio.starts.size(), 1u);

  options.RandomMusic = true;
  const int next = NextDraws(1, 3)[0];
  audio.EndTrack();
  music.MediaNotify();
  music.MediaNotify(); // an end is handled once
  EXPECT_EQ(audio.starts.size(), 2u);
  EXPECT_EQ(state.MidiNumber, next);
  EXPECT_EQ(audio.LastPath(), Path(state.Tracks[next - 1] + ".mid"));
}

TEST_F(MusicTest, PlayMusicAndRandomMusicCommands) {
  Files({"A.mid", "B.mid", "C.mid"});
  Discover(3);
  music.CallMusic();

  music.PlayMusicClick();
  EXPECT_FALSE(options.PlayMusic);
  EXPECT_FALSE(view.buttonEnabled);
  EXPECT_EQ(audio.state, FakeAudio::State::Stopped);
  music.LoadMidiClick(1); // chosen while off: marked, not played
  EXPECT_EQ(audio.starts.size(), 1u);

  music.PlayMusicClick();
  EXPECT_TRUE(view.buttonEnabled);
  EXPECT_EQ(audio.LastPath(), Path("A.mid"));

  const int drawn = NextDraws(1, 3)[0];
  music.RandomMusicClick();
  EXPECT_TRUE(options.RandomMusic);
  EXPECT_EQ(state.MidiNumber, drawn);
  const std::uint32_t seed = rng.RandSeed;
  music.RandomMusicClick(); // switching off draws nothing
  EXPECT_FALSE(options.RandomMusic);
  EXPECT_EQ(rng.RandSeed, seed);
}

TEST_F(MusicTest, MusicButtonPausesMidiAndStopsAndRestartsMod) {
  Files({"A.mid", "B.mod"});
  options.EnableMOD = true;
  Discover(1);
  music.CallMusic();
  music.SetMusicClick();
  EXPECT_EQ(audio.state, FakeAudio::State::Paused);
  music.SetMusicClick();
  EXPECT_EQ(audio.state, FakeAudio::State::Playing);

  music.LoadMidiClick(2);
  music.SetMusicClick();
  EXPECT_EQ(audio.state, FakeAudio::State::Stopped);
  music.SetMusicClick();
  EXPECT_EQ(audio.state, FakeAudio::State::Playing);
  EXPECT_EQ(audio.restarts, 1);
}

TEST_F(MusicTest, EnableModChangesOnlyTheSettingAndSaysSo) {
  Files({"A.mid"});
  struct Case {
    bool before, decoder, after;
    const char* message;
  } cases[] = {
      {true, true, false, "MOD music disabled. You need to restart before changes are applied."},
      {true, false, false, "MOD music disabled. You need to restart before changes are applied."},
      {false, true, true, "MOD music enabled. You need to restart before changes are applied."},
      {false, false, false,
       "Can't find needed external library (the MOD decoder of SDL2_mixer). Please install "
       "libsdl2-mixer-2.0-0 and retry."},
  };
  for (const Case& c : cases) {
    options.EnableMOD = c.before;
    audio.tracker = c.decoder;
    Discover();
    const bool readyBefore = state.ModPlayerReady;
    ui.messages.clear();
    music.EnableMODClick();
    EXPECT_EQ(options.EnableMOD, c.after);
    EXPECT_EQ(ui.messages, Names{c.message});
    EXPECT_EQ(state.ModPlayerReady, readyBefore);
  }
}

TEST_F(MusicTest, WithoutASoundDeviceEveryCommandKeepsItsState) {
  Files({"A.mid", "B.mid"});
  platform::SilentAudio silent;
  shell::Music quiet{state, options, rng, silent, ui, view, musicFolder().string()};
  quiet.Discover(2);
  quiet.CallMusic();
  EXPECT_TRUE(silent.MusicPlaying());
  quiet.SetMusicClick();
  EXPECT_TRUE(silent.MusicPaused());
  quiet.SetMusicClick();
  quiet.MediaNotify();
  EXPECT_TRUE(silent.MusicPlaying());
  quiet.PlayMusicClick();
  EXPECT_FALSE(silent.MusicPlaying());
  quiet.PlayMusicClick();
  EXPECT_TRUE(silent.MusicPlaying());
  EXPECT_FALSE(silent.TrackerAvailable());
}

TEST(SoundEffectsTest, EffectsPlayOnlyWithPlaySoundsChecked) {
  FakeAudio audio;
  EXPECT_TRUE(
      shell::LoadSoundEffects(audio, [](const std::string& file) { return "RIFF" + file; }));
  EXPECT_EQ(audio.effects["noway"], "RIFFnoway.wav");
  engine::Options options;
  for (play::Sound s : {play::Sound::Select, play::Sound::Done, play::Sound::NoWay})
    shell::PlayWave(audio, options, s);
  options.PlaySounds = false;
  shell::PlayWave(audio, options, play::Sound::Done);
  EXPECT_EQ(audio.played, (Names{"select", "done", "noway"}));
}

TEST(SoundEffectsTest, AMissingEffectIsReportedAndTheOthersStillLoad) {
  FakeAudio audio;
  EXPECT_FALSE(shell::LoadSoundEffects(
      audio, [](const std::string& file) { return file == "done.wav" ? "" : "RIFF"; }));
  EXPECT_EQ(audio.effects.size(), 2u);
}

} // namespace

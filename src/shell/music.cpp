#include "shell/music.h"

#include <algorithm>

#include "shell/data_folders.h"

namespace shell {

namespace {

constexpr const char* ModDisabled =
    "MOD music disabled. You need to restart before changes are applied.";
constexpr const char* ModEnabled =
    "MOD music enabled. You need to restart before changes are applied.";
constexpr const char* ModDecoderMissing =
    "Can't find needed external library (the MOD decoder of SDL2_mixer). Please install "
    "libsdl2-mixer-2.0-0 and retry.";

bool Exists(const std::filesystem::path& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

} // namespace

std::vector<std::string> ScanMusic(const platform::DataFolder& musicFolder, bool modPlayerReady) {
  return ScanCaptionsWithExtension(musicFolder, modPlayerReady ? ".m?d" : ".mid");
}

int StartMidiNumber(const std::vector<std::string>& tracks, int storedMidiNumber) {
  int number = storedMidiNumber;
  if (number == -1) {
    // The last entry of that caption, as the menu would find it walking down.
    const auto night = std::find(tracks.rbegin(), tracks.rend(), "Night");
    if (night != tracks.rend()) number = static_cast<int>(tracks.rend() - night);
  }
  return std::clamp(number, 1, std::max(1, static_cast<int>(tracks.size())));
}

Music::Music(MusicState& state, engine::Options& options, engine::Generator& rng,
             platform::Audio& audio, platform::Ui& ui, MusicView& view,
             platform::DataFolder musicFolder)
    : state_(state), options_(options), rng_(rng), audio_(audio), ui_(ui), view_(view),
      musicFolder_(std::move(musicFolder)) {}

bool Music::Discover(int storedMidiNumber) {
  state_.ModPlayerReady = options_.EnableMOD && audio_.TrackerAvailable();
  state_.Tracks = ScanMusic(musicFolder_, state_.ModPlayerReady);
  state_.MusicCount = static_cast<int>(state_.Tracks.size());
  state_.MidiNumber = StartMidiNumber(state_.Tracks, storedMidiNumber);
  return state_.MusicCount > 0;
}

void Music::CallMusic() {
  view_.EnableMusicButton(options_.PlayMusic);
  if (!options_.PlayMusic) return;
  LoadMidiClick(state_.MidiNumber);
  if (!options_.StartMusic) audio_.TogglePause();
}

std::filesystem::path Music::TrackPath(int track, const char* extension) const {
  return musicFolder_.Find(state_.Tracks[track - 1] + extension);
}

int Music::RandomTrack() {
  return rng_.Random(state_.MusicCount) + 1;
}

void Music::LoadMidiClick(int track) {
  if (track < 1 || track > state_.MusicCount) return;
  std::filesystem::path path = TrackPath(track, ".mid");
  // MOD tracks never play in random mode: another track is drawn instead, a bounded number
  // of times, after which the last one drawn stands.
  const int drawLimit = RandomDrawsPerTrack * state_.MusicCount;
  for (int draws = 0; !Exists(path); ++draws) {
    path = TrackPath(track, ".mod");
    if (!Exists(path) || !options_.RandomMusic || draws == drawLimit) break;
    track = RandomTrack();
    path = TrackPath(track, ".mid");
  }
  state_.MidiNumber = track;
  view_.CheckMusicEntry(track);
  SelectedMusic(path);
}

void Music::SelectedMusic(const std::filesystem::path& path) {
  if (!Exists(path) || !options_.PlayMusic) return;
  audio_.StopMusic();
  // MIDI tracks end and are repeated or followed by MediaNotify; a MOD track loops by itself.
  if (path.filename().string().find(".mid") != std::string::npos) {
    audio_.PlayMusic(path.string(), false);
    state_.CurrentIsMod = false;
  } else if (state_.ModPlayerReady) {
    state_.CurrentIsMod = audio_.PlayMusic(path.string(), true);
  } else {
    state_.CurrentIsMod = false;
  }
}

void Music::MediaNotify() {
  if (!audio_.TakeTrackEnded()) return;
  if (options_.RandomMusic)
    LoadMidiClick(RandomTrack());
  else
    audio_.RestartMusic();
}

void Music::PlayMusicClick() {
  options_.PlayMusic = !options_.PlayMusic;
  view_.EnableMusicButton(options_.PlayMusic);
  if (options_.PlayMusic)
    LoadMidiClick(state_.MidiNumber);
  else
    audio_.StopMusic();
}

void Music::RandomMusicClick() {
  options_.RandomMusic = !options_.RandomMusic;
  if (options_.RandomMusic && state_.MusicCount > 0) LoadMidiClick(RandomTrack());
}

void Music::SetMusicClick() {
  if (!state_.CurrentIsMod)
    audio_.TogglePause();
  else if (audio_.MusicPlaying())
    audio_.StopMusic();
  else
    audio_.RestartMusic();
}

void Music::EnableMODClick() {
  if (options_.EnableMOD) {
    options_.EnableMOD = false;
    ui_.ShowMessage(ModDisabled);
  } else if (audio_.TrackerAvailable()) {
    options_.EnableMOD = true;
    ui_.ShowMessage(ModEnabled);
  } else {
    ui_.ShowMessage(ModDecoderMissing);
  }
}

void Music::Close() {
  audio_.StopMusic();
}

} // namespace shell

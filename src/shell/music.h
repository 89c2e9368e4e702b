#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "engine/options.h"
#include "engine/random.h"
#include "platform/audio.h"
#include "platform/program_folders.h"
#include "platform/ui.h"

namespace shell {

// The music tracks and which one is current.
struct MusicState {
  std::vector<std::string> Tracks; // the captions of the Music menu's track entries, in order
  int MusicCount = 0;
  int MidiNumber = 1; // the current track, 1..MusicCount
  bool ModPlayerReady = false;
  bool CurrentIsMod = false;
};

// What the window shows of the music; the application object passes it on.
class MusicView {
public:
  virtual ~MusicView() = default;
  // The check mark of the Music menu moves to track `midiNumber`.
  virtual void CheckMusicEntry(int midiNumber) = 0;
  // The "Music" toolbar button follows "Play music".
  virtual void EnableMusicButton(bool enabled) = 0;
};

// In random mode a MOD track drawn is passed over for another draw. A collection of MOD
// tracks only would draw for ever, so after this many draws per track the last one drawn
// is taken as it is.
constexpr int RandomDrawsPerTrack = 16;

// The tracks of the music folder: ".mid" files, or ".m?d" with the MOD player ready.
std::vector<std::string> ScanMusic(const platform::DataFolder& musicFolder, bool modPlayerReady);

// The track to start with: a stored number, or the track captioned "Night" when none was
// stored (-1), limited to the list.
int StartMidiNumber(const std::vector<std::string>& tracks, int storedMidiNumber);

class Music {
public:
  Music(MusicState& state, engine::Options& options, engine::Generator& rng, platform::Audio& audio,
        platform::Ui& ui, MusicView& view, platform::DataFolder musicFolder);

  // Start-up, before the Music menu is built: binds the MOD player (the tracker decoder
  // present and "Enable MOD digital music player" checked) and lists the tracks. False when
  // the folder holds no track; the program cannot start then.
  bool Discover(int storedMidiNumber);
  // The end of start-up: music starts when "Play music" is checked, paused at once unless
  // "Run music automatically at startup" is checked.
  void CallMusic();
  // Track `track` (1..MusicCount) of the Music menu was chosen.
  void LoadMidiClick(int track);
  // Starts the track file at `path`.
  void SelectedMusic(const std::filesystem::path& path);
  // Every tick of the 50 ms clock while "Play music" is checked: a track that ended plays
  // again, or a random one follows in random mode.
  void MediaNotify();

  void PlayMusicClick();   // "Play music"
  void RandomMusicClick(); // "Random Music"
  void SetMusicClick();    // the "Music" button: pause and resume
  void EnableMODClick();   // "Enable MOD digital music player"

  // Program close: the music stops before the device goes.
  void Close();

private:
  std::filesystem::path TrackPath(int track, const char* extension) const;
  int RandomTrack();

  MusicState& state_;
  engine::Options& options_;
  engine::Generator& rng_;
  platform::Audio& audio_;
  platform::Ui& ui_;
  MusicView& view_;
  platform::DataFolder musicFolder_;
};

} // namespace shell

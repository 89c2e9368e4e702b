#pragma once

#include <cstdint>
#include <string>

namespace platform {

// Sound effects and one stream of music. Every call returns at once: playing happens on the
// audio device's own thread, and without a device the calls keep their state and stay silent.
class Audio {
public:
  virtual ~Audio() = default;

  // Keeps the WAVE file `bytes` under `name` for PlayEffect; false when they are not a sound
  // this device can play (the name then plays nothing).
  virtual bool LoadEffect(const std::string& name, const std::string& bytes) = 0;
  // Starts the effect `name`, cutting off an effect still playing. An unknown name is ignored.
  virtual void PlayEffect(const std::string& name) = 0;

  // Music files are kilobytes to a few megabytes. A track is read whole before it plays, on the
  // window's thread, so a larger file is refused unread: it would hold the window for seconds.
  static constexpr std::uintmax_t MaxTrackBytes = 16u << 20;

  // Stops the current track and starts the file at `path` from its beginning; with `loop` it
  // repeats by itself and never ends. False when the file cannot be played (nothing plays then),
  // among them a file larger than MaxTrackBytes.
  virtual bool PlayMusic(const std::string& path, bool loop) = 0;
  // Plays the current track again from its beginning.
  virtual void RestartMusic() = 0;
  virtual void StopMusic() = 0;
  // Playing becomes paused and paused resumes; otherwise nothing happens.
  virtual void TogglePause() = 0;
  // Sounding now: started, not paused, not stopped and not run to its end.
  virtual bool MusicPlaying() = 0;
  virtual bool MusicPaused() = 0;
  // True once after the current track has run to its end; stopping is not an end.
  virtual bool TakeTrackEnded() = 0;

  // Whether tracker modules (".mod") can be played on this installation.
  virtual bool TrackerAvailable() = 0;
};

} // namespace platform

#pragma once

#include <string>

#include "platform/audio.h"

namespace platform {

// Audio without a device: keeps what a player would see (which track is current, playing or
// paused) so every music command still works, and never makes a sound. A track never ends.
class SilentAudio final : public Audio {
public:
  explicit SilentAudio(bool trackerAvailable = false) : trackerAvailable_(trackerAvailable) {}

  bool LoadEffect(const std::string& name, const std::string& bytes) override;
  void PlayEffect(const std::string&) override {}
  bool PlayMusic(const std::string& path, bool loop) override;
  void RestartMusic() override;
  void StopMusic() override;
  void TogglePause() override;
  bool MusicPlaying() override { return state_ == State::Playing; }
  bool MusicPaused() override { return state_ == State::Paused; }
  bool TakeTrackEnded() override { return false; }
  bool TrackerAvailable() override { return trackerAvailable_; }

private:
  enum class State { Stopped, Playing, Paused };
  bool trackerAvailable_;
  State state_ = State::Stopped;
  bool haveTrack_ = false;
};

} // namespace platform

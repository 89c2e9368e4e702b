#include "platform/silent_audio.h"

#include <filesystem>

namespace platform {

bool SilentAudio::LoadEffect(const std::string&, const std::string& bytes) {
  return !bytes.empty();
}

bool SilentAudio::PlayMusic(const std::string& path, bool) {
  std::error_code ec;
  haveTrack_ = std::filesystem::is_regular_file(path, ec);
  state_ = haveTrack_ ? State::Playing : State::Stopped;
  return haveTrack_;
}

void SilentAudio::RestartMusic() {
  if (haveTrack_) state_ = State::Playing;
}

void SilentAudio::StopMusic() {
  state_ = State::Stopped;
}

void SilentAudio::TogglePause() {
  if (state_ == State::Playing)
    state_ = State::Paused;
  else if (state_ == State::Paused)
    state_ = State::Playing;
}

} // namespace platform

#include "platform/deferred_audio.h"

#include "platform/silent_audio.h"

namespace platform {

Audio& DeferredAudio::Device() {
  if (!device_) {
    device_ = open_ ? open_() : nullptr;
    if (!device_) device_ = std::make_unique<SilentAudio>();
    for (const auto& [name, bytes] : effects_) device_->LoadEffect(name, bytes);
    effects_.clear();
  }
  return *device_;
}

bool DeferredAudio::LoadEffect(const std::string& name, const std::string& bytes) {
  if (device_) return device_->LoadEffect(name, bytes);
  effects_[name] = bytes;
  return true;
}

void DeferredAudio::PlayEffect(const std::string& name) {
  Device().PlayEffect(name);
}

bool DeferredAudio::PlayMusic(const std::string& path, bool loop) {
  return Device().PlayMusic(path, loop);
}

// Nothing has played before the device opens: what acts on the current track does nothing.
void DeferredAudio::RestartMusic() {
  if (device_) device_->RestartMusic();
}

void DeferredAudio::StopMusic() {
  if (device_) device_->StopMusic();
}

void DeferredAudio::TogglePause() {
  if (device_) device_->TogglePause();
}

bool DeferredAudio::MusicPlaying() {
  return device_ && device_->MusicPlaying();
}

bool DeferredAudio::MusicPaused() {
  return device_ && device_->MusicPaused();
}

bool DeferredAudio::TakeTrackEnded() {
  return device_ && device_->TakeTrackEnded();
}

bool DeferredAudio::TrackerAvailable() {
  return Device().TrackerAvailable();
}

} // namespace platform

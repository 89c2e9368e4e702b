#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/audio.h"

namespace platform {

// Opens the sound device only when something is to be heard. Until then the program neither
// pays for the audio libraries nor wakes the device's thread a hundred times a second, so a
// player who keeps the music off has an idle program that is really idle.
class DeferredAudio final : public Audio {
public:
  using Opener = std::function<std::unique_ptr<Audio>()>;
  explicit DeferredAudio(Opener open) : open_(std::move(open)) {}

  bool LoadEffect(const std::string& name, const std::string& bytes) override;
  void PlayEffect(const std::string& name) override;
  bool PlayMusic(const std::string& path, bool loop) override;
  void RestartMusic() override;
  void StopMusic() override;
  void TogglePause() override;
  bool MusicPlaying() override;
  bool MusicPaused() override;
  bool TakeTrackEnded() override;
  bool TrackerAvailable() override;

  bool Opened() const { return device_ != nullptr; }

private:
  Audio& Device();

  Opener open_;
  std::unique_ptr<Audio> device_;
  std::map<std::string, std::string> effects_; // kept until the device opens
};

} // namespace platform

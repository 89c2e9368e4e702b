#pragma once

#include <map>
#include <memory>
#include <string>

#include "platform/audio.h"

struct Mix_Chunk;
struct _Mix_Music;

namespace sdl {
using namespace platform;

// Sound through SDL2_mixer: effects on one channel of their own, so a new one cuts off the
// last; MIDI music through FluidSynth with a General MIDI soundfont; tracker modules through
// the mixer's tracker decoder.
class SdlAudio final : public Audio {
public:
  // The sound device, or SDL's silent driver when there is no device (a server, CI): the
  // mixer then runs at the device's pace and nothing is heard. Null when SDL's audio cannot
  // start at all.
  static std::unique_ptr<SdlAudio> Open();
  ~SdlAudio() override;
  SdlAudio(const SdlAudio&) = delete;
  SdlAudio& operator=(const SdlAudio&) = delete;

  bool LoadEffect(const std::string& name, const std::string& bytes) override;
  void PlayEffect(const std::string& name) override;
  bool PlayMusic(const std::string& path, bool loop) override;
  void RestartMusic() override;
  void StopMusic() override;
  void TogglePause() override;
  bool MusicPlaying() override;
  bool MusicPaused() override;
  bool TakeTrackEnded() override;
  bool TrackerAvailable() override { return trackerAvailable_; }

  // The soundfont MIDI tracks play with; empty when none was found.
  const std::string& SoundFont() const { return soundFont_; }
  // The name of the SDL driver that opened ("dummy" when nothing is heard).
  std::string DriverName() const;

private:
  SdlAudio(bool trackerAvailable, std::string soundFont);
  bool StartCurrent();
  void HaltMusic();

  bool trackerAvailable_;
  std::string soundFont_;
  std::map<std::string, Mix_Chunk*> effects_;
  _Mix_Music* music_ = nullptr;
  bool loop_ = false;
  bool started_ = false; // playing or paused, not stopped and not yet reported as ended
  bool paused_ = false;
};

// The device's audio, or silent audio that keeps the music state when none can start.
std::unique_ptr<Audio> OpenAudio();

} // namespace sdl

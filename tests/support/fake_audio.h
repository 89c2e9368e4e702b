#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/audio.h"

namespace testing_support {

// Audio that plays nothing and keeps a record: effects started, every track started and how,
// and a track end that a test can make happen.
class FakeAudio final : public platform::Audio {
public:
  enum class State { Stopped, Playing, Paused };
  struct Start {
    std::string path;
    bool loop;
    bool operator==(const Start&) const = default;
  };

  bool LoadEffect(const std::string& name, const std::string& bytes) override {
    if (bytes.empty()) return false;
    effects[name] = bytes;
    return true;
  }
  void PlayEffect(const std::string& name) override {
    if (effects.count(name)) played.push_back(name);
  }
  bool PlayMusic(const std::string& path, bool loop) override {
    starts.push_back({path, loop});
    state = playable ? State::Playing : State::Stopped;
    ended = false;
    return playable;
  }
  void RestartMusic() override {
    ++restarts;
    if (!starts.empty() && playable) state = State::Playing;
    ended = false;
  }
  void StopMusic() override {
    ++stops;
    state = State::Stopped;
    ended = false;
  }
  void TogglePause() override {
    if (state == State::Playing)
      state = State::Paused;
    else if (state == State::Paused)
      state = State::Playing;
  }
  bool MusicPlaying() override { return state == State::Playing; }
  bool MusicPaused() override { return state == State::Paused; }
  bool TakeTrackEnded() override {
    const bool was = ended;
    ended = false;
    return was;
  }
  bool TrackerAvailable() override { return tracker; }

  // The current track runs to its end.
  void EndTrack() {
    state = State::Stopped;
    ended = true;
  }
  std::string LastPath() const { return starts.empty() ? "" : starts.back().path; }

  bool tracker = true;
  bool playable = true; // false: every file is refused as a corrupt one would be
  State state = State::Stopped;
  bool ended = false;
  int restarts = 0, stops = 0;
  std::map<std::string, std::string> effects;
  std::vector<std::string> played;
  std::vector<Start> starts;
};

} // namespace testing_support

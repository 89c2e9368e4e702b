#include "platform/deferred_audio.h"

#include <gtest/gtest.h>

namespace {

// Counts the openings and what reached the opened device.
struct CountingDevice final : platform::Audio {
  explicit CountingDevice(std::vector<std::string>& log) : log_(log) {}
  bool LoadEffect(const std::string& name, const std::string&) override {
    log_.push_back("load " + name);
    return true;
  }
  void PlayEffect(const std::string& name) override { log_.push_back("play " + name); }
  bool PlayMusic(const std::string& path, bool) override {
    log_.push_back("music " + path);
    playing_ = true;
    return true;
  }
  void RestartMusic() override {}
  void StopMusic() override { playing_ = false; }
  void TogglePause() override {}
  bool MusicPlaying() override { return playing_; }
  bool MusicPaused() override { return false; }
  bool TakeTrackEnded() override { return false; }
  bool TrackerAvailable() override { return true; }

private:
  std::vector<std::string>& log_;
  bool playing_ = false;
};

TEST(DeferredAudio, OpensTheDeviceAtTheFirstSoundAndHandsItTheEffects) {
  std::vector<std::string> log;
  int openings = 0;
  platform::DeferredAudio audio([&] {
    ++openings;
    return std::make_unique<CountingDevice>(log);
  });
  EXPECT_TRUE(audio.LoadEffect("select", "RIFF"));
  audio.StopMusic();
  audio.TogglePause();
  EXPECT_FALSE(audio.MusicPlaying());
  EXPECT_FALSE(audio.TakeTrackEnded());
  EXPECT_EQ(openings, 0) << "nothing to hear yet";
  audio.PlayEffect("select");
  audio.PlayMusic("Night.mid", false);
  EXPECT_TRUE(audio.MusicPlaying());
  EXPECT_EQ(openings, 1);
  EXPECT_EQ(log, (std::vector<std::string>{"load select", "play select", "music Night.mid"}));
}

TEST(DeferredAudio, ADeviceThatCannotOpenPlaysSilently) {
  platform::DeferredAudio audio([] { return std::unique_ptr<platform::Audio>(); });
  audio.LoadEffect("done", "RIFF");
  audio.PlayEffect("done");
  EXPECT_TRUE(audio.Opened()) << "silence stands in for the device";
  EXPECT_FALSE(audio.MusicPaused());
}

} // namespace

#include "shell/sound_effects.h"

namespace shell {

namespace {

constexpr play::Sound AllSounds[] = {play::Sound::Select, play::Sound::Done, play::Sound::NoWay};

} // namespace

const char* EffectName(play::Sound sound) {
  switch (sound) {
  case play::Sound::Select:
    return "select";
  case play::Sound::Done:
    return "done";
  case play::Sound::NoWay:
    return "noway";
  }
  return "";
}

std::string EffectFile(play::Sound sound) {
  return std::string(EffectName(sound)) + ".wav";
}

bool LoadSoundEffects(platform::Audio& audio,
                      const std::function<std::string(const std::string&)>& readBuiltin) {
  bool all = true;
  for (play::Sound sound : AllSounds)
    all = audio.LoadEffect(EffectName(sound), readBuiltin(EffectFile(sound))) && all;
  return all;
}

void PlayWave(platform::Audio& audio, const engine::Options& options, play::Sound sound) {
  if (options.PlaySounds) audio.PlayEffect(EffectName(sound));
}

} // namespace shell

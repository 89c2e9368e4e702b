#include "shell/sound_effects.h"

namespace shell {

namespace {

constexpr engine::Sound AllSounds[] = {engine::Sound::Select, engine::Sound::Done,
                                       engine::Sound::NoWay};

} // namespace

const char* EffectName(engine::Sound sound) {
  switch (sound) {
  case engine::Sound::Select:
    return "select";
  case engine::Sound::Done:
    return "done";
  case engine::Sound::NoWay:
    return "noway";
  }
  return "";
}

std::string EffectFile(engine::Sound sound) {
  return std::string(EffectName(sound)) + ".wav";
}

bool LoadSoundEffects(platform::Audio& audio,
                      const std::function<std::string(const std::string&)>& readBuiltin) {
  bool all = true;
  for (engine::Sound sound : AllSounds)
    all = audio.LoadEffect(EffectName(sound), readBuiltin(EffectFile(sound))) && all;
  return all;
}

void PlayWave(platform::Audio& audio, const engine::Options& options, engine::Sound sound) {
  if (options.PlaySounds) audio.PlayEffect(EffectName(sound));
}

} // namespace shell

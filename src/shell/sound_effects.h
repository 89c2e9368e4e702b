#pragma once

#include <functional>
#include <string>

#include "engine/options.h"
#include "platform/audio.h"
#include "play/host.h"

namespace shell {

// The name an effect is kept under, and the built-in file it comes from.
const char* EffectName(play::Sound sound);
std::string EffectFile(play::Sound sound);

// Hands every built-in effect to the audio once, read through `readBuiltin` (a built-in file
// name to its bytes). False when one of them is missing or unplayable; that one stays silent.
bool LoadSoundEffects(platform::Audio& audio,
                      const std::function<std::string(const std::string&)>& readBuiltin);

// Plays `sound` when "Play sound effects" is checked, cutting off one still playing.
void PlayWave(platform::Audio& audio, const engine::Options& options, play::Sound sound);

} // namespace shell

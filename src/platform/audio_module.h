#pragma once

#include <memory>
#include <string>

#include "platform/audio.h"

namespace platform {

// The file name of the audio module beside the program.
inline constexpr const char* AudioModuleName = "libpelmar_audio.so";

// The name of the function the module exports: it opens the sound device and returns the
// audio it plays on (silent audio when there is no device).
inline constexpr const char* AudioModuleEntry = "PelmarOpenAudio";

// Loads the module at `path` and opens the sound device through it. Null, with the reason on
// the standard error, when the module cannot be loaded: the program then plays silently.
// The module stays loaded for the life of the process, as the audio's code lives in it.
std::unique_ptr<Audio> LoadAudioModule(const std::string& path);

} // namespace platform

#include "platform/audio_module.h"

#include <cstdio>

#include <dlfcn.h>

namespace platform {

std::unique_ptr<Audio> LoadAudioModule(const std::string& path) {
  void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!module) {
    std::fprintf(stderr, "Pelmar: sound is off (%s)\n", dlerror());
    return nullptr;
  }
  using Open = Audio* (*)();
  const auto open = reinterpret_cast<Open>(dlsym(module, AudioModuleEntry));
  if (!open) {
    std::fprintf(stderr, "Pelmar: sound is off (%s has no %s)\n", path.c_str(), AudioModuleEntry);
    return nullptr;
  }
  return std::unique_ptr<Audio>(open());
}

} // namespace platform

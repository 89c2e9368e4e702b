// The entry point of the audio module: the program finds it by name after loading the module.
#include "platform/audio_module.h"
#include "sdl/sdl_audio.h"

extern "C" __attribute__((visibility("default"))) platform::Audio* PelmarOpenAudio() {
  return sdl::OpenAudio().release();
}

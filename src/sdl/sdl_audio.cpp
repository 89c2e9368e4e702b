#include "sdl/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>
#include <filesystem>

#include "sdl/soundfont.h"
#include "platform/silent_audio.h"

namespace sdl {

namespace {

// 512 frames at 44.1 kHz is under 12 ms per buffer: an effect starts within about two buffers
// of the click, while FluidSynth still gets buffers large enough to run cheaply.
constexpr int SampleRate = 44100;
constexpr int BufferFrames = 512;
constexpr int EffectChannel = 0;

bool StartDevice() {
  // SDL would take SIGINT and SIGTERM for a quit event that nobody reads; the window closes on
  // them instead.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
    if (Mix_OpenAudio(SampleRate, AUDIO_S16SYS, 2, BufferFrames) == 0) return true;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }
  // No sound device here: the silent driver keeps the mixer (and the end of tracks) running.
  std::fprintf(stderr, "Pelmar: no sound device (%s); playing silently\n", SDL_GetError());
  // Above a driver the player named in SDL_AUDIODRIVER, and only for this one start.
  SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
  bool opened = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
  SDL_ResetHint(SDL_HINT_AUDIODRIVER);
  if (opened && Mix_OpenAudio(SampleRate, AUDIO_S16SYS, 2, BufferFrames) == 0) return true;
  if (opened) SDL_QuitSubSystem(SDL_INIT_AUDIO);
  return false;
}

} // namespace

std::unique_ptr<SdlAudio> SdlAudio::Open() {
  if (!StartDevice()) return nullptr;
  const int decoders = Mix_Init(MIX_INIT_MID | MIX_INIT_MOD);
  std::string soundFont = FindSoundFont();
  if (soundFont.empty())
    std::fprintf(stderr, "Pelmar: no General MIDI soundfont found; MIDI music stays silent\n");
  else
    Mix_SetSoundFonts(soundFont.c_str());
  Mix_AllocateChannels(1);
  return std::unique_ptr<SdlAudio>(
      new SdlAudio((decoders & MIX_INIT_MOD) != 0, std::move(soundFont)));
}

SdlAudio::SdlAudio(bool trackerAvailable, std::string soundFont)
    : trackerAvailable_(trackerAvailable), soundFont_(std::move(soundFont)) {}

SdlAudio::~SdlAudio() {
  HaltMusic();
  Mix_HaltChannel(-1);
  for (auto& [name, chunk] : effects_) Mix_FreeChunk(chunk);
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

std::string SdlAudio::DriverName() const {
  const char* name = SDL_GetCurrentAudioDriver();
  return name ? name : "";
}

bool SdlAudio::LoadEffect(const std::string& name, const std::string& bytes) {
  SDL_RWops* source = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
  Mix_Chunk* chunk = source ? Mix_LoadWAV_RW(source, 1) : nullptr;
  if (!chunk) return false;
  // The chunk may be playing: silence it before it goes.
  auto [it, added] = effects_.try_emplace(name, chunk);
  if (!added) {
    Mix_HaltChannel(EffectChannel);
    Mix_FreeChunk(it->second);
    it->second = chunk;
  }
  return true;
}

void SdlAudio::PlayEffect(const std::string& name) {
  const auto it = effects_.find(name);
  // On a busy channel the mixer halts the sound there before starting this one.
  if (it != effects_.end()) Mix_PlayChannel(EffectChannel, it->second, 0);
}

void SdlAudio::HaltMusic() {
  Mix_HaltMusic();
  if (music_) Mix_FreeMusic(music_);
  music_ = nullptr;
  started_ = paused_ = false;
}

bool SdlAudio::PlayMusic(const std::string& path, bool loop) {
  HaltMusic();
  std::error_code ec;
  const std::uintmax_t size = std::filesystem::file_size(path, ec);
  if (!ec && size > MaxTrackBytes) {
    std::fprintf(stderr, "Pelmar: cannot play %s: the file is larger than %ju bytes\n",
                 path.c_str(), MaxTrackBytes);
    return false;
  }
  music_ = Mix_LoadMUS(path.c_str());
  if (!music_) {
    std::fprintf(stderr, "Pelmar: cannot play %s: %s\n", path.c_str(), Mix_GetError());
    return false;
  }
  loop_ = loop;
  return StartCurrent();
}

bool SdlAudio::StartCurrent() {
  started_ = paused_ = false;
  if (!music_) return false;
  Mix_HaltMusic();
  if (Mix_PlayMusic(music_, loop_ ? -1 : 0) != 0) return false;
  started_ = true;
  return true;
}

void SdlAudio::RestartMusic() {
  StartCurrent();
}

void SdlAudio::StopMusic() {
  Mix_HaltMusic();
  started_ = paused_ = false;
}

void SdlAudio::TogglePause() {
  if (MusicPlaying()) {
    Mix_PauseMusic();
    paused_ = true;
  } else if (MusicPaused()) {
    Mix_ResumeMusic();
    paused_ = false;
  }
}

bool SdlAudio::MusicPlaying() {
  return started_ && !paused_ && Mix_PlayingMusic() != 0;
}

bool SdlAudio::MusicPaused() {
  return started_ && paused_;
}

bool SdlAudio::TakeTrackEnded() {
  // A paused track still counts as playing to the mixer, so only a real end gets here.
  if (!started_ || Mix_PlayingMusic() != 0) return false;
  started_ = paused_ = false;
  return true;
}

std::unique_ptr<Audio> OpenAudio() {
  if (auto audio = SdlAudio::Open()) return audio;
  std::fprintf(stderr, "Pelmar: sound is off (%s)\n", SDL_GetError());
  return std::make_unique<SilentAudio>();
}

} // namespace sdl

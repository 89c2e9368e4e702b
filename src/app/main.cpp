#include "app/pelmar.h"
#include "platform/audio_module.h"
#include "platform/deferred_audio.h"
#include "platform/qt/application.h"
#include "shell/settings.h"

int main(int argc, char** argv) {
  platform::qt::Application application(argc, argv, std::string(shell::ApplicationTitle));
  const std::unique_ptr<platform::SplashPort> splash = application.CreateSplash();
  splash->Splashing("Initializating...");
  // The device opens with the first sound; without one the program plays on in silence.
  const std::string folder = application.ProgramFolder();
  platform::DeferredAudio audio(
      [&folder] { return platform::LoadAudioModule(folder + platform::AudioModuleName); });
  TPelmar pelmar(folder, audio, application);
  pelmar.SetSplash(splash.get());
  std::unique_ptr<platform::WindowPort> window = application.CreateMainWindow(pelmar);
  if (!pelmar.Init(*window)) return 1;
  pelmar.ShowMainWindow();
  return application.Run();
}

#include <iostream>

#include "app/command_line.h"
#include "app/pelmar.h"
#include "platform/audio_module.h"
#include "platform/deferred_audio.h"
#include "platform/files.h"
#include "platform/program_folders.h"
#include "qt/application.h"
#include "shell/settings.h"

int main(int argc, char** argv) {
  // Answered before the window system is asked for anything: they work without a display.
  if (const auto status = app::AnswerCommandLine({argv + 1, argv + argc}, std::cout))
    return *status;
  qt::Application application(argc, argv, std::string(shell::ApplicationTitle));
  if (argc > 1) { // what the window system did not take
    std::cerr << "pelmar: unknown argument \"" << argv[1] << "\" (pelmar --help lists them)\n";
    return 2;
  }
  const std::unique_ptr<platform::SplashPort> splash = application.CreateSplash();
  splash->Splashing("Initializating...");
  const std::string folder = application.ProgramFolder();
  const platform::ProgramFolders folders = platform::FindProgramFolders(
      folder, folder + PELMAR_DATA_FROM_BINARY, platform::Environment::OfProcess());
  // The device opens with the first sound; without one the program plays on in silence. The
  // module beside the program (the build folder, a portable copy) comes before the installed.
  const std::string module = platform::FileExists(folder + platform::AudioModuleName)
                                 ? folder + platform::AudioModuleName
                                 : folder + PELMAR_MODULES_FROM_BINARY + platform::AudioModuleName;
  platform::DeferredAudio audio([&module] { return platform::LoadAudioModule(module); });
  TPelmar pelmar(folders, audio, application);
  pelmar.SetSplash(splash.get());
  std::unique_ptr<platform::WindowPort> window = application.CreateMainWindow(pelmar);
  if (!pelmar.Init(*window)) return 1;
  pelmar.ShowMainWindow();
  return application.Run();
}

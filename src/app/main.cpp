#include "app/pelmar.h"
#include "platform/qt/window_port.h"

int main(int argc, char** argv) {
  platform::qt::Application application(argc, argv);
  TPelmar pelmar(application.ProgramFolder());
  std::unique_ptr<platform::qt::WindowPort> window = application.CreateMainWindow(pelmar);
  if (!pelmar.Init(*window)) return 1;
  window->ShowFirstTime();
  pelmar.FormShow();
  return application.Run();
}

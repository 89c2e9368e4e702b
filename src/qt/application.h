#pragma once

#include <memory>
#include <string>

#include "platform/desktop.h"
#include "platform/window_port.h"

namespace qt {
using namespace platform;

// The GUI application: one per process, created before any window. No Qt type crosses this
// header, so the program's entry point needs none.
class Application final : public Desktop {
public:
  Application(int& argc, char** argv, const std::string& title);
  ~Application() override;
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // The folder of the program file, with a trailing '/'.
  std::string ProgramFolder() const;
  // The main window; the signals that end a program and the end of the desktop session close it
  // as its close box does.
  std::unique_ptr<WindowPort> CreateMainWindow(WindowEvents& events);
  // Shown at once, centred on the screen.
  std::unique_ptr<SplashPort> CreateSplash();
  int Run();

  // Desktop
  std::string ReadBuiltin(const std::string& name) override;
  TextPainter& Painter() override;
  Clock& Time() override;
  LocalDate TodayLocal() override;
  std::string ShortDatePattern() override;

private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

} // namespace qt

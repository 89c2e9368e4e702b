#include <QApplication>
#include <QIcon>

#include "qt/application.h"
#include "qt/builtin_files.h"
#include "qt/close_requests.h"
#include "qt/main_window.h"
#include "qt/short_date.h"
#include "qt/splash_window.h"
#include "qt/text_painter.h"

namespace qt {

struct Application::Impl {
  Impl(int& argc, char** argv, const std::string& title) : app(argc, argv) {
    QApplication::setApplicationName(QString::fromStdString(title));
    // The desktop matches the window to the menu entry and its icon by this name.
    QGuiApplication::setDesktopFileName(PELMAR_APP_ID);
    QApplication::setWindowIcon(QIcon(":/builtin/icon.png"));
    // Without a desktop the icon theme is empty or bare; the toolbar's freedesktop names resolve
    // in the theme that Debian installs.
    QIcon::setThemeSearchPaths(QIcon::themeSearchPaths() << "/usr/share/icons");
    QIcon::setThemeName("Adwaita");
  }
  QApplication app;
  QtTextPainter painter;
  SystemClock clock;
  std::unique_ptr<CloseRequests> closeRequests;
};

Application::Application(int& argc, char** argv, const std::string& title)
    : impl_(std::make_unique<Impl>(argc, argv, title)) {}

Application::~Application() = default;

std::string Application::ProgramFolder() const {
  return QApplication::applicationDirPath().toStdString() + "/";
}

std::unique_ptr<WindowPort> Application::CreateMainWindow(WindowEvents& events) {
  auto window = std::make_unique<MainWindow>(events);
  impl_->closeRequests.reset();
  impl_->closeRequests = std::make_unique<CloseRequests>(*window);
  return window;
}

std::unique_ptr<SplashPort> Application::CreateSplash() {
  auto splash = std::make_unique<SplashWindow>();
  splash->show();
  return splash;
}

int Application::Run() {
  return QApplication::exec();
}

std::string Application::ReadBuiltin(const std::string& name) {
  return qt::ReadBuiltin(name);
}

TextPainter& Application::Painter() {
  return impl_->painter;
}

Clock& Application::Time() {
  return impl_->clock;
}

LocalDate Application::TodayLocal() {
  return qt::TodayLocal();
}

std::string Application::ShortDatePattern() {
  return qt::ShortDatePattern();
}

} // namespace qt

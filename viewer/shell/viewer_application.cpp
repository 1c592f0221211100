#include "viewer/shell/viewer_application.hpp"

#include <QApplication>
#include <QScreen>
#include <QStringList>

#include "viewer/shell/main_window.hpp"
#include "viewer/shell/program_environment.hpp"

namespace vexplot {

int runViewerApplication(int argc, char** argv) {
  QApplication application(argc, argv);
  const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
  const ScreenSize screen{available.width(), available.height()};
  LoadedSettings settings = loadSettings(currentSettingsEnvironment(), screen);
  StandardDialogs dialogs;
  MainWindow window(settings, dialogs, screen);
  window.show();
  // The words after the program name are the command line of the window.
  QStringList words = QApplication::arguments();
  if (!words.isEmpty()) words.removeFirst();
  window.start(words.join(' ').toStdString());
  return application.exec();
}

}  // namespace vexplot

#pragma once

#include <QAction>
#include <QMainWindow>
#include <QTimer>
#include <filesystem>
#include <map>
#include <optional>
#include <span>
#include <string>

#include "viewer/shell/application_state.hpp"
#include "viewer/shell/editor_launch.hpp"
#include "viewer/shell/file_follower.hpp"
#include "viewer/shell/input_paths.hpp"
#include "viewer/shell/message_view.hpp"
#include "viewer/shell/plot_session.hpp"
#include "viewer/windows/settings_store.hpp"
#include "viewer/windows/user_dialogs.hpp"

// The viewer's main window "VexplotW": the File, View and Help menus, the
// message display, and the file state. One plot file is loaded at a time; it
// is interpreted in the background while the window stays responsive, and
// each frame appears in a plot window of its own.
namespace vexplot {

class MainWindow final : public QMainWindow {
  Q_OBJECT

 public:
  // The menu commands.
  enum Command {
    kOpenFile = 10000, kOpenLogFile = 10001, kCloseFile = 10002, kSettings = 10003, kQuit = 10004,
    kShowSimplex = 10005, kShowDuplex = 10006, kShowUbcFont = 10007, kShowColourTable = 10008,
    kHelp = 10009, kReopenFile = 10010, kReloadOnChange = 10011, kAbout = 10030
  };

  // How often a followed file is looked at.
  static constexpr int kFollowIntervalMs = 100;

  // The settings are the ones read at start; they are written back when the
  // window closes.
  MainWindow(LoadedSettings& settings, UserDialogs& dialogs, ScreenSize screen);
  ~MainWindow() override;

  // The rest of the start: the window takes its place from the settings and,
  // when the command line names a file, interprets it; otherwise it waits for
  // a file to be opened or dropped.
  void start(std::string_view commandLine);

  void runCommand(int command);
  QAction* action(int command) const { return actions_.at(command); }
  const ShellState& state() const { return state_; }
  PlotSession& session() { return session_; }
  const TextLog& textLog() const { return view_->log(); }

  // Files dropped on the window; returns whether one was taken for
  // interpretation.
  bool acceptDrop(std::span<const std::filesystem::path> files);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void buildMenus();
  QAction* addCommand(QMenu* menu, const char* text, Command command);
  void openFile();
  void reopenFile();
  void closeFile();
  void openLogFile();
  void showHelp();
  void quit();
  // "Reload when the file changes": on or off, remembered in the settings.
  void setReloadOnChange(bool on);
  // A look at the followed file; reads it again, keeping the windows in
  // place, once it has changed and is complete.
  void followFile();
  // Asks before the shown plots are discarded; false when the user keeps
  // them.
  bool discardPlots(const char* caption, const char* question);
  void closeAllPlots();
  void setInputFile(const std::filesystem::path& path);
  void postStartInterpreting();
  void startInterpreting();
  void interpretationEnded(bool inputOpened, bool logWritten);
  void enableFileMenu(bool on);
  void appendMessage(const QString& text);

  LoadedSettings& settings_;
  UserDialogs& dialogs_;
  ShellState state_;
  InputPaths input_;
  MessageView* view_;
  PlotSession session_;
  std::map<int, QAction*> actions_;
  std::optional<EditorProcess> editor_;
  std::optional<EditorProcess> helpViewer_;
  QTimer followTimer_;
  FileFollower follower_;
};

}  // namespace vexplot

#pragma once

#include <QObject>
#include <QPointer>
#include <QThread>
#include <map>
#include <memory>
#include <vector>

#include "viewer/language/interpreter.hpp"
#include "viewer/shell/input_paths.hpp"
#include "viewer/shell/interpretation_thread.hpp"
#include "viewer/windows/export_request.hpp"
#include "viewer/windows/plot_window.hpp"
#include "viewer/windows/settings.hpp"
#include "viewer/windows/user_dialogs.hpp"

// The plots of the main window: the interpretation of the current file, one
// window per frame that draws, the font and colour tables, and the
// PostScript exports. A window and the exports of its view share the frame's
// finished picture, which lives as long as one of them holds it.
namespace vexplot {

class PlotSession final : public QObject {
  Q_OBJECT

 public:
  PlotSession(ActiveSettings& settings, UserDialogs& dialogs, ScreenSize screen);
  ~PlotSession() override;

  // Interprets the file in the background; its frames replace nothing (the
  // caller closes the earlier plots first).
  void start(const InputPaths& input, const InterpretRequest& request);
  bool isInterpreting() const { return thread_ != nullptr; }

  // Stops an interpretation and waits for running exports, then closes every
  // plot window and frees every frame. With kKeepPlacements the windows of
  // the next interpretation open where those of the same frames were, as
  // large as they were.
  enum Placements { kForgetPlacements, kKeepPlacements };
  void closeAll(Placements placements = kForgetPlacements);

  // Shows a font table (kinds 1 to 3) or the colour table in a window of its
  // own; nothing happens while that table is shown.
  void showTable(FrameKind kind);

  // The windows shown, in the order they opened.
  std::vector<PlotWindow*> windows() const;
  // The number of frames shown in complete windows.
  int frameCount() const;

 signals:
  void message(const QString& text);
  // The interpretation has ended (stopped or complete).
  void interpretationEnded(bool inputOpened, bool logWritten);
  void showMainRequested();
  void closeFileRequested();
  void quitRequested();

 private:
  struct ExportJob {
    QThread* thread = nullptr;
    int status = 0;
  };

  PlotWindow* addWindow(int index, FrameKind kind, const QString& title, QImage picture);
  void windowProgress(int frameIndex, const QImage& picture);
  void windowFinished(int frameIndex, std::shared_ptr<const FramePicture> frame, const QImage& picture);
  void threadFinished();
  void windowClosed(int index);
  void exportRequested(int index);
  void exportEnded(int index);
  void waitForExports();

  ActiveSettings& settings_;
  UserDialogs& dialogs_;
  ScreenSize screen_;
  InputPaths input_;
  std::unique_ptr<InterpretationThread> thread_;
  int run_ = 0;  // counts the interpretations started
  std::map<int, QPointer<PlotWindow>> windows_;        // by window index
  std::map<int, std::unique_ptr<ExportJob>> exports_;  // by window index
  std::map<int, QByteArray> placements_;  // window geometry by frame index
};

// Window indices: a plot frame's window has the frame's index in the file,
// a table's window the negated kind.
inline int tableWindowIndex(FrameKind kind) { return -static_cast<int>(kind); }

}  // namespace vexplot

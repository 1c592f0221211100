#include "viewer/shell/plot_session.hpp"

#include <algorithm>

#include "viewer/render/frame_renderer.hpp"
#include "viewer/render/postscript_writer.hpp"
#include "viewer/render/stroke_text.hpp"
#include "viewer/render/table_views.hpp"
#include "viewer/shell/picture_export.hpp"
#include "viewer/windows/screen_device.hpp"

namespace vexplot {

namespace {

// One window for a table frame, drawn at once on the main thread.
class TableWindowHost final : public ScreenWindowHost {
 public:
  using ScreenWindowHost::ScreenWindowHost;
  ScreenDevice* device = nullptr;

 private:
  void windowOpened(std::string_view, ScreenDevice& opened) override { device = &opened; }
  WindowOutcome windowFinished(ScreenDevice&) override { return WindowOutcome::kReady; }
};

// Draws a table frame through the drawing layer as the interpreter draws a
// frame: the window is opened for the frame's size first. Returns the
// picture, or a null image when the window could not be opened.
QImage drawTable(FrameState& frame, FrameKind kind, ScreenSize screen) {
  TableWindowHost host(screen);
  StrokeTextPainter text;
  MessageSink messages;
  FrameRenderer renderer(host, text, messages);
  if (renderer.ensureWindow(frame) != WindowOutcome::kReady || host.device == nullptr) return {};
  Pen pen;
  DrawingLayer layer(frame, *host.device, pen);
  if (kind == kColourTable) {
    drawColourTable(layer, text);
  } else {
    drawFontTable(layer, text, static_cast<int>(kind) - 1);
  }
  return host.device->snapshot();
}

std::unique_ptr<FrameState> makeTableFrame(FrameKind kind, ScreenSize screen) {
  if (kind == kColourTable) return makeColourTableFrame();
  return makeFontTableFrame(static_cast<int>(kind) - 1, screen.width, screen.height);
}

}  // namespace

PlotSession::PlotSession(ActiveSettings& settings, UserDialogs& dialogs, ScreenSize screen)
    : settings_(settings), dialogs_(dialogs), screen_(screen) {}

PlotSession::~PlotSession() { closeAll(); }

void PlotSession::start(const InputPaths& input, const InterpretRequest& request) {
  input_ = input;
  thread_ = std::make_unique<InterpretationThread>(request, screen_);
  InterpretationThread* thread = thread_.get();
  // What a stopped run still had on its way is dropped: its frames are gone.
  const auto current = [this, run = ++run_] { return run == run_ && thread_ != nullptr; };
  connect(thread, &InterpretationThread::message, this, [this, current](const QString& text) {
    if (current()) emit message(text);
  });
  connect(thread, &InterpretationThread::windowOpened, this,
          [this, current](int frameIndex, const QString& title, const QImage& picture) {
            if (current()) addWindow(frameIndex, kPlotFrame, title, picture);
          });
  connect(thread, &InterpretationThread::windowProgress, this,
          [this, current](int frameIndex, const QImage& picture) {
            if (current()) windowProgress(frameIndex, picture);
          });
  connect(thread, &InterpretationThread::windowFinished, this,
          [this, current](int frameIndex, std::shared_ptr<const FramePicture> frame, const QImage& picture) {
            if (current()) windowFinished(frameIndex, std::move(frame), picture);
          });
  connect(thread, &QThread::finished, this, [this, current] {
    if (current()) threadFinished();
  });
  for (PlotWindow* window : windows()) window->setFileFinished(false);
  thread->start();
}

PlotWindow* PlotSession::addWindow(int index, FrameKind kind, const QString& title, QImage picture) {
  auto* window = new PlotWindow(index, kind, title, std::move(picture), dialogs_);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setFileFinished(!isInterpreting());
  connect(window, &PlotWindow::closed, this, &PlotSession::windowClosed);
  connect(window, &PlotWindow::postScriptRequested, this, &PlotSession::exportRequested);
  connect(window, &PlotWindow::showMainRequested, this, &PlotSession::showMainRequested);
  // The main window's commands run after the popup menu has closed.
  connect(window, &PlotWindow::closeFileRequested, this, &PlotSession::closeFileRequested,
          Qt::QueuedConnection);
  connect(window, &PlotWindow::quitRequested, this, &PlotSession::quitRequested,
          Qt::QueuedConnection);
  windows_[index] = window;
  const auto placement = placements_.find(index);
  if (placement != placements_.end()) {
    window->restoreGeometry(placement->second);
    placements_.erase(placement);
  }
  window->show();
  return window;
}

void PlotSession::windowProgress(int frameIndex, const QImage& picture) {
  const auto found = windows_.find(frameIndex);
  if (found != windows_.end() && found->second) found->second->showProgress(picture);
}

void PlotSession::windowFinished(int frameIndex, std::shared_ptr<const FramePicture> frame,
                                 const QImage& picture) {
  const auto found = windows_.find(frameIndex);
  if (found != windows_.end() && found->second) found->second->finish(std::move(frame), picture);
}

void PlotSession::threadFinished() {
  thread_->wait();
  const bool opened = thread_->inputOpened();
  const bool logWritten = thread_->logWritten();
  thread_.reset();
  for (PlotWindow* window : windows()) window->setFileFinished(true);
  emit interpretationEnded(opened, logWritten);
}

void PlotSession::closeAll(Placements placements) {
  placements_.clear();
  if (placements == kKeepPlacements) {
    for (const auto& [index, window] : windows_) {
      if (window && index >= 0) placements_[index] = window->saveGeometry();
    }
  }
  if (thread_) {
    thread_->requestStop();
    thread_->wait();
    threadFinished();
  }
  waitForExports();
  for (auto& [index, window] : std::exchange(windows_, {})) {
    if (!window) continue;
    window->disconnect(this);
    delete window.data();
  }
}

void PlotSession::showTable(FrameKind kind) {
  const int index = tableWindowIndex(kind);
  if (windows_.count(index) != 0 && windows_[index]) return;
  std::unique_ptr<FrameState> frame = makeTableFrame(kind, screen_);
  QImage picture = drawTable(*frame, kind, screen_);
  if (picture.isNull()) return;
  PlotWindow* window = addWindow(index, kind, QString::fromStdString(frame->title), picture);
  window->finish(frame->finishPicture(), picture);
}

std::vector<PlotWindow*> PlotSession::windows() const {
  std::vector<PlotWindow*> shown;
  for (const auto& [index, window] : windows_) {
    if (window) shown.push_back(window.data());
  }
  return shown;
}

int PlotSession::frameCount() const {
  const std::vector<PlotWindow*> shown = windows();
  return static_cast<int>(std::count_if(shown.begin(), shown.end(),
                                        [](const PlotWindow* window) { return window->isReady(); }));
}

// The window's frame goes with it, unless an export still holds it.
void PlotSession::windowClosed(int index) { windows_.erase(index); }

void PlotSession::exportRequested(int index) {
  PlotWindow* window = windows_.count(index) != 0 ? windows_[index].data() : nullptr;
  if (window == nullptr || !window->isReady() || exports_.count(index) != 0) return;
  const std::shared_ptr<const FramePicture> frame = window->frame();
  FileDialogRequest request;
  request.title = "Specify postscript output file";
  request.filterLabel = "PS files(*.eps,*.ps)";
  request.patterns = "*.eps *.ps";
  request.directory = settings_.postscriptDirectory;
  request.initialFile = proposedExportName(window->kind(), input_.inputBaseName, index);
  request.defaultSuffix = "eps";
  const std::optional<std::string> chosen = dialogs_.chooseFileToSave(window, request);
  if (!chosen) return;
  settings_.postscriptDirectory = exportDirectoryOf(*chosen);

  const PostScriptOrigin origin{input_.inputDirectory, input_.inputPath.filename().string(),
                                index >= 0 ? index : frame->frameNumber,
                                currentPostScriptTimeStamp()};
  auto job = std::make_unique<ExportJob>();
  ExportJob* running = job.get();
  const std::filesystem::path path = *chosen;
  const double lineWidth = settings_.postscriptLineWidth;
  // The export takes its own copy of what the window shows: the window may
  // change its view meanwhile.
  const WindowPicture picture{window->view().current(), window->scale(), window->canvas().picture()};
  running->thread = QThread::create([running, frame, picture, path, lineWidth, origin] {
    running->status = writeWindowPicture(*frame, picture, path, lineWidth, origin);
  });
  connect(running->thread, &QThread::finished, this, [this, index] { exportEnded(index); });
  exports_[index] = std::move(job);
  window->exportStarted();
  running->thread->start();
}

void PlotSession::exportEnded(int index) {
  const auto found = exports_.find(index);
  if (found == exports_.end()) return;
  std::unique_ptr<ExportJob> job = std::move(found->second);
  exports_.erase(found);
  job->thread->wait();
  delete job->thread;
  if (windows_.count(index) != 0 && windows_[index]) windows_[index]->exportEnded(job->status);
}

void PlotSession::waitForExports() {
  for (auto& [index, job] : std::exchange(exports_, {})) {
    job->thread->wait();
    delete job->thread;
  }
}

}  // namespace vexplot

#include "viewer/shell/interpretation_thread.hpp"

#include <QElapsedTimer>

#include "viewer/language/message_sink.hpp"
#include "viewer/render/frame_renderer.hpp"
#include "viewer/render/stroke_text.hpp"
#include "viewer/windows/screen_device.hpp"

namespace vexplot {

namespace {

// Thrown from a message or a drawing step once a stop is requested: it
// unwinds the interpreter, whose state lives in objects that clean up after
// themselves, and is caught where the thread started it.
struct InterpretationStopped {};

void throwIfStopped(const std::atomic<bool>& stop) {
  if (stop.load(std::memory_order_relaxed)) throw InterpretationStopped{};
}

// Hands the interpreter's messages to the main thread.
class ForwardedDisplay final : public TextDisplay {
 public:
  ForwardedDisplay(InterpretationThread& thread, const std::atomic<bool>& stop)
      : thread_(thread), stop_(stop) {}

  void appendText(std::string_view text) override {
    throwIfStopped(stop_);
    emit thread_.message(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  }

 private:
  InterpretationThread& thread_;
  const std::atomic<bool>& stop_;
};

// Windows whose pictures go to the main thread: when a frame's window
// opens, a few times a second while it is drawn, and when it is complete.
class ForwardedWindows final : public ScreenWindowHost, private DrawingDevice {
 public:
  static constexpr int kProgressIntervalMs = 100;

  ForwardedWindows(InterpretationThread& thread, const std::atomic<bool>& stop, ScreenSize screen)
      : ScreenWindowHost(screen), thread_(thread), stop_(stop) {}

  // The interpreter whose frames the windows show.
  void watch(Interpreter& interpreter) { interpreter_ = &interpreter; }

 private:
  // A window opens for the interpreter's current frame, the last one.
  void windowOpened(std::string_view title, ScreenDevice& device) override {
    throwIfStopped(stop_);
    screen_ = &device;
    frameIndex_ = static_cast<int>(interpreter_->frames().size()) - 1;
    sinceProgress_.start();
    emit thread_.windowOpened(frameIndex_,
                              QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())),
                              device.snapshot());
  }

  WindowOutcome windowFinished(ScreenDevice& device) override {
    throwIfStopped(stop_);
    emit thread_.windowFinished(
        frameIndex_, interpreter_->frames()[static_cast<std::size_t>(frameIndex_)].finishedPicture(),
        device.snapshot());
    return WindowOutcome::kReady;
  }

  DrawingDevice& drawingDevice(ScreenDevice&) override { return *this; }

  // The drawing goes to the screen image, with a look at the stop request
  // and the time for the next picture at each step.
  int width() const override { return screen_->width(); }
  int height() const override { return screen_->height(); }
  void drawPolyline(std::span<const DevicePoint> points, int colour, int penWidth) override {
    throwIfStopped(stop_);
    screen_->drawPolyline(points, colour, penWidth);
    reportProgress();
  }
  void fillRect(DevicePoint topLeft, DevicePoint bottomRight, int colour, int hatch) override {
    throwIfStopped(stop_);
    screen_->fillRect(topLeft, bottomRight, colour, hatch);
    reportProgress();
  }
  void clear() override { screen_->clear(); }

  void reportProgress() {
    if (sinceProgress_.elapsed() < kProgressIntervalMs) return;
    sinceProgress_.restart();
    emit thread_.windowProgress(frameIndex_, screen_->snapshot());
  }

  InterpretationThread& thread_;
  const std::atomic<bool>& stop_;
  Interpreter* interpreter_ = nullptr;
  ScreenDevice* screen_ = nullptr;
  int frameIndex_ = -1;  // of the frame whose window opened last
  QElapsedTimer sinceProgress_;
};

}  // namespace

InterpretationThread::InterpretationThread(InterpretRequest request, ScreenSize screen,
                                           QObject* parent)
    : QThread(parent), request_(std::move(request)), screen_(screen) {}

InterpretationThread::~InterpretationThread() {
  requestStop();
  wait();
}

void InterpretationThread::run() {
  ForwardedDisplay display(*this, stopRequested_);
  MessageSink messages(&display);
  StrokeTextPainter text;
  ForwardedWindows windows(*this, stopRequested_, screen_);
  FrameRenderer renderer(windows, text, messages);
  Interpreter interpreter(messages, renderer);
  windows.watch(interpreter);
  try {
    inputOpened_ = interpreter.interpretFile(request_) == 0;
  } catch (const InterpretationStopped&) {
    messages.log().close();
  }
  logWritten_ = interpreter.logWritten();
}

}  // namespace vexplot

#pragma once

#include <QImage>
#include <QString>
#include <QThread>
#include <atomic>
#include <memory>

#include "viewer/language/interpreter.hpp"
#include "viewer/windows/settings.hpp"

// One interpretation of a plot file off the main thread. Every frame is
// drawn into an image through the screen device; the thread hands messages
// and pictures to the main thread only through queued signals. A complete
// frame is handed over as its finished picture, which nobody changes any
// more.
namespace vexplot {

class InterpretationThread final : public QThread {
  Q_OBJECT

 public:
  InterpretationThread(InterpretRequest request, ScreenSize screen, QObject* parent = nullptr);
  // Stops the interpretation and waits for the thread.
  ~InterpretationThread() override;

  // Asks the interpreter to stop at its next message or drawing step; the
  // thread then ends without completing the file.
  void requestStop() { stopRequested_ = true; }

  // Once the thread has finished: whether the input could be opened and
  // whether a log was written.
  bool inputOpened() const { return inputOpened_; }
  bool logWritten() const { return logWritten_; }

 signals:
  void message(const QString& text);
  // The frame at frameIndex of the file opened its window.
  void windowOpened(int frameIndex, const QString& title, const QImage& picture);
  // The picture of an open window as drawn so far.
  void windowProgress(int frameIndex, const QImage& picture);
  // The frame is complete: its finished picture and its window's image.
  void windowFinished(int frameIndex, std::shared_ptr<const vexplot::FramePicture> frame,
                      const QImage& picture);

 protected:
  void run() override;

 private:
  InterpretRequest request_;
  ScreenSize screen_;
  std::atomic<bool> stopRequested_{false};
  bool inputOpened_ = false;
  bool logWritten_ = false;
};

}  // namespace vexplot

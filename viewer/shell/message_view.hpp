#pragma once

#include <QAbstractScrollArea>

#include "viewer/shell/text_log.hpp"

// The main window's message display: keeps the latest lines in a TextLog,
// paints them with the widget's font, scrolls them with the two scroll bars,
// and follows the end of the text as messages arrive.
namespace vexplot {

class MessageView final : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit MessageView(QWidget* parent = nullptr);

  const TextLog& log() const { return log_; }

  // Adds a message and scrolls as the log decides (to the end when the text
  // is taller than the view).
  void appendText(std::string_view text);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void changeEvent(QEvent* event) override;

 private:
  void takeFontMetrics();
  // The scroll bars' ranges, steps and positions follow the log.
  void syncScrollBars();

  TextLog log_;
  bool syncing_ = false;
};

}  // namespace vexplot

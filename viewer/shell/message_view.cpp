#include "viewer/shell/message_view.hpp"

#include <QEvent>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

namespace vexplot {

MessageView::MessageView(QWidget* parent) : QAbstractScrollArea(parent) {
  setFrameShape(QFrame::NoFrame);
  viewport()->setBackgroundRole(QPalette::Base);
  viewport()->setAutoFillBackground(true);
  takeFontMetrics();
}

void MessageView::appendText(std::string_view text) {
  log_.appendText(text);
  syncScrollBars();
  viewport()->update();
}

void MessageView::takeFontMetrics() {
  const QFontMetrics metrics(font());
  log_.setFontMetrics(metrics.height() + metrics.leading(), metrics.averageCharWidth());
  syncScrollBars();
}

// Line steps move by a line vertically and half a character across; page
// steps by the view's height less a line, and a tenth of its width.
void MessageView::syncScrollBars() {
  syncing_ = true;
  const QFontMetrics metrics(font());
  const int lineHeight = metrics.height() + metrics.leading();
  QScrollBar* across = horizontalScrollBar();
  across->setRange(0, log_.scrollRange(TextLog::Axis::kHorizontal));
  across->setSingleStep(std::max(metrics.averageCharWidth() / 2, 1));
  across->setPageStep(std::max(viewport()->width() / 10, 1));
  across->setValue(log_.scrollPosition(TextLog::Axis::kHorizontal));
  QScrollBar* down = verticalScrollBar();
  down->setRange(0, log_.scrollRange(TextLog::Axis::kVertical));
  down->setSingleStep(lineHeight);
  down->setPageStep(std::max(viewport()->height() - lineHeight, 1));
  down->setValue(log_.scrollPosition(TextLog::Axis::kVertical));
  syncing_ = false;
}

void MessageView::scrollContentsBy(int, int) {
  if (syncing_) return;
  log_.scroll(TextLog::Axis::kHorizontal, TextLog::ScrollRequest::kTo, horizontalScrollBar()->value());
  log_.scroll(TextLog::Axis::kVertical, TextLog::ScrollRequest::kTo, verticalScrollBar()->value());
  viewport()->update();
}

void MessageView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  log_.setClientSize(viewport()->width(), viewport()->height());
  syncScrollBars();
}

void MessageView::changeEvent(QEvent* event) {
  QAbstractScrollArea::changeEvent(event);
  if (event->type() == QEvent::FontChange) takeFontMetrics();
}

// Only the lines that meet the area to repaint are drawn.
void MessageView::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  const QRect area = event->rect();
  const TextLog::RowSpan rows = log_.rowsBetween(area.top(), area.bottom() + 1);
  const int ascent = QFontMetrics(font()).ascent();
  for (std::size_t row = rows.first; row < rows.end; ++row) {
    painter.drawText(log_.rowLeft(), log_.rowTop(row) + ascent, QString::fromStdString(log_.line(row)));
  }
}

}  // namespace vexplot

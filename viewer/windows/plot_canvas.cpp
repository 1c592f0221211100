#include "viewer/windows/plot_canvas.hpp"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <algorithm>

#include "viewer/windows/screen_device.hpp"

namespace vexplot {

namespace {

// The rubber band is drawn in palette colour 5 (MAGENTA).
constexpr int kRubberBandColour = 5;

}  // namespace

PlotCanvas::PlotCanvas(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setContextMenuPolicy(Qt::DefaultContextMenu);
}

void PlotCanvas::setPicture(QImage picture) {
  picture_ = std::move(picture);
  setFixedSize(picture_.size());
  update();
}

void PlotCanvas::setInteractive(bool on) {
  interactive_ = on;
  if (!on) band_.clear();
  update();
}

DevicePoint PlotCanvas::clampedToView(QPoint position) const {
  QRect view = visibleRegion().boundingRect();
  if (view.isEmpty()) view = rect();
  return {std::clamp(position.x(), view.left(), view.right()),
          std::clamp(position.y(), view.top(), view.bottom())};
}

void PlotCanvas::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.drawImage(event->rect(), picture_, event->rect());
  if (!band_.visible()) return;
  const QPoint a(band_.start().x, band_.start().y);
  const QPoint b(band_.end().x, band_.end().y);
  const QPolygon outline{a, QPoint(b.x(), a.y()), b, QPoint(a.x(), b.y()), a};
  painter.setPen(QPen(screenColour(kRubberBandColour), 1));
  painter.drawPolyline(outline);
}

void PlotCanvas::mousePressEvent(QMouseEvent* event) {
  if (!interactive_ || event->button() != Qt::LeftButton) return;
  band_.press(clampedToView(event->position().toPoint()));
  update();
}

void PlotCanvas::mouseMoveEvent(QMouseEvent* event) {
  if (!interactive_) return;
  const QPoint position = event->position().toPoint();
  emit pointerMoved(position);
  if ((event->buttons() & Qt::LeftButton) && band_.drag(clampedToView(position))) update();
}

void PlotCanvas::mouseReleaseEvent(QMouseEvent* event) {
  if (!interactive_ || event->button() != Qt::LeftButton) return;
  band_.release();
  update();
}

void PlotCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
  if (interactive_ && event->button() == Qt::LeftButton) emit doubleClicked();
}

void PlotCanvas::keyPressEvent(QKeyEvent* event) {
  const QString text = event->text();
  if (interactive_ && text.size() == 1 && text[0] >= QChar('a') && text[0] <= QChar('z')) {
    emit letterTyped(static_cast<char>(text[0].unicode()));
    return;
  }
  QWidget::keyPressEvent(event);
}

void PlotCanvas::contextMenuEvent(QContextMenuEvent* event) {
  if (interactive_) emit menuRequested(event->globalPos());
}

}  // namespace vexplot

#include "viewer/windows/plot_canvas.hpp"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "viewer/windows/screen_device.hpp"

namespace vexplot {

namespace {

// The rubber band is drawn in palette colour 5 (MAGENTA).
constexpr int kRubberBandColour = 5;

// A step of the wheel, in its eighths of a degree.
constexpr double kWheelStep = 120.0;
// An arrow key moves the picture by this share of the part in view.
constexpr double kArrowShare = 0.1;

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

QRect PlotCanvas::partInView() const {
  const QRect view = visibleRegion().boundingRect();
  return view.isEmpty() ? rect() : view;
}

DevicePoint PlotCanvas::clampedToView(QPoint position) const {
  const QRect view = partInView();
  return {std::clamp(position.x(), view.left(), view.right()),
          std::clamp(position.y(), view.top(), view.bottom())};
}

bool PlotCanvas::startsPan(const QMouseEvent& event) {
  return event.button() == Qt::MiddleButton ||
         (event.button() == Qt::LeftButton && (event.modifiers() & Qt::ShiftModifier));
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
  if (!interactive_) return;
  if (startsPan(*event)) {
    panFrom_ = event->position();
    return;
  }
  if (event->button() != Qt::LeftButton) return;
  band_.press(clampedToView(event->position().toPoint()));
  update();
}

void PlotCanvas::mouseMoveEvent(QMouseEvent* event) {
  if (!interactive_) return;
  const QPoint position = event->position().toPoint();
  if (panFrom_) {
    const QPointF offset = event->position() - *panFrom_;
    panFrom_ = event->position();
    emit panRequested(offset);
  }
  emit pointerMoved(position);
  if (!panFrom_ && (event->buttons() & Qt::LeftButton) && band_.drag(clampedToView(position))) update();
}

void PlotCanvas::mouseReleaseEvent(QMouseEvent* event) {
  if (!interactive_) return;
  if (panFrom_) {
    if (startsPan(*event) || event->button() == Qt::LeftButton) panFrom_.reset();
    return;
  }
  if (event->button() != Qt::LeftButton) return;
  band_.release();
  update();
}

void PlotCanvas::wheelEvent(QWheelEvent* event) {
  if (!interactive_) {
    event->ignore();
    return;
  }
  const double steps = event->angleDelta().y() / kWheelStep;
  if (steps != 0.0) emit zoomRequested(event->position(), std::pow(kZoomStep, steps));
  event->accept();
}

void PlotCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
  if (interactive_ && event->button() == Qt::LeftButton) emit doubleClicked();
}

void PlotCanvas::keyPressEvent(QKeyEvent* event) {
  const QString text = event->text();
  if (!interactive_) {
    QWidget::keyPressEvent(event);
    return;
  }
  if (text.size() == 1 && text[0] >= QChar('a') && text[0] <= QChar('z')) {
    emit letterTyped(static_cast<char>(text[0].unicode()));
    return;
  }
  const QRect view = partInView();
  const QPointF centre = QRectF(view).center();
  const double stepX = kArrowShare * view.width();
  const double stepY = kArrowShare * view.height();
  switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal: emit zoomRequested(centre, kZoomStep); return;
    case Qt::Key_Minus: emit zoomRequested(centre, 1.0 / kZoomStep); return;
    // The arrow shows more of the page in its direction.
    case Qt::Key_Left: emit panRequested({stepX, 0.0}); return;
    case Qt::Key_Right: emit panRequested({-stepX, 0.0}); return;
    case Qt::Key_Up: emit panRequested({0.0, stepY}); return;
    case Qt::Key_Down: emit panRequested({0.0, -stepY}); return;
    default: QWidget::keyPressEvent(event);
  }
}

void PlotCanvas::contextMenuEvent(QContextMenuEvent* event) {
  if (interactive_) emit menuRequested(event->globalPos());
}

}  // namespace vexplot

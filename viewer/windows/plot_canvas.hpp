#pragma once

#include <QImage>
#include <QWidget>
#include <optional>

#include "viewer/windows/plot_interaction.hpp"

// The drawing area of a plot window: shows the frame's picture at its full
// size (the window scrolls it when made smaller), draws the rubber band and
// passes the mouse and the keyboard on while the frame is interactive. The
// wheel and the keys + and - ask for a zoom, a drag with the middle button
// (or the left one with Shift) and the arrow keys for a move of the picture.
namespace vexplot {

class PlotCanvas final : public QWidget {
  Q_OBJECT

 public:
  explicit PlotCanvas(QWidget* parent = nullptr);

  void setPicture(QImage picture);
  const QImage& picture() const { return picture_; }
  // Interaction (mouse, keys, menu) is taken only while set.
  void setInteractive(bool on);
  bool interactive() const { return interactive_; }
  RubberBand& rubberBand() { return band_; }
  const RubberBand& rubberBand() const { return band_; }

 signals:
  void pointerMoved(QPoint position);
  void letterTyped(char letter);
  void doubleClicked();
  void menuRequested(QPoint globalPosition);
  // Magnify by factor (below 1: reduce) about the position.
  void zoomRequested(QPointF position, double factor);
  // Move the picture by the pixels given (right and down).
  void panRequested(QPointF offset);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  // The point within the part of the picture that is in view.
  DevicePoint clampedToView(QPoint position) const;

  // The part of the picture that is in view.
  QRect partInView() const;
  static bool startsPan(const QMouseEvent& event);

  QImage picture_;
  RubberBand band_;
  std::optional<QPointF> panFrom_;  // while the picture is dragged
  bool interactive_ = false;
};

}  // namespace vexplot

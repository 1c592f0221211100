#pragma once

#include <QImage>
#include <QWidget>

#include "viewer/windows/plot_interaction.hpp"

// The drawing area of a plot window: shows the frame's picture at its full
// size (the window scrolls it when made smaller), draws the rubber band and
// passes the mouse and the keyboard on while the frame is interactive.
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

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  // The point within the part of the picture that is in view.
  DevicePoint clampedToView(QPoint position) const;

  QImage picture_;
  RubberBand band_;
  bool interactive_ = false;
};

}  // namespace vexplot

#pragma once

#include <QImage>
#include <QLabel>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "viewer/language/frame_picture.hpp"
#include "viewer/language/view_state.hpp"
#include "viewer/windows/coordinate_readout.hpp"
#include "viewer/windows/export_request.hpp"
#include "viewer/windows/plot_canvas.hpp"
#include "viewer/windows/plot_interaction.hpp"
#include "viewer/windows/user_dialogs.hpp"

// The window of one frame: its picture in a scrolling drawing area above a
// status bar of four parts ("Running" or "Ready", the page coordinates, the
// data coordinates, and the rest). While the frame is drawn the window shows
// the picture as it grows; once the frame is complete the window is
// interactive: rubber-band selection, magnification, coordinate read-outs and
// the popup menu.
namespace vexplot {

class PlotWindow final : public QWidget {
  Q_OBJECT

 public:
  // index identifies the window to its owner; picture is the drawing area
  // as drawn so far.
  PlotWindow(int index, FrameKind kind, const QString& title, QImage picture, UserDialogs& dialogs);

  int index() const { return index_; }
  FrameKind kind() const { return kind_; }
  // The frame's finished picture, once complete; nullptr while it is drawn.
  const std::shared_ptr<const FramePicture>& frame() const { return frame_; }
  bool isReady() const { return frame_ != nullptr; }
  // Which part of the page the window shows; only once the frame is complete.
  const ViewState& view() const { return *view_; }
  // The scale drawn over the current view, in page coordinates; empty on the
  // whole page. A new view gets a new list: a holder keeps the old one.
  const std::shared_ptr<const DisplayList>& scale() const { return scale_; }
  PlotCanvas& canvas() { return *canvas_; }
  QString statusText(int part) const { return status_[static_cast<std::size_t>(part)]->text(); }

  // The picture as the drawing has it now.
  void showProgress(QImage picture);
  // The frame is complete: the window shows its final picture and becomes
  // interactive. The window shares the frame's picture, read only.
  void finish(std::shared_ptr<const FramePicture> frame, QImage picture);
  // Whether the viewer has finished running the current file; the popup
  // menu's "Close All Windows" and "Exit Vexplot" wait for it.
  void setFileFinished(bool finished) { fileFinished_ = finished; }

  PopupContext popupContext() const;
  // Carries out a popup menu item as if chosen; greyed items do nothing.
  void choosePopupItem(int item);

  // The page point under the mouse, for the read-outs.
  void pointerAt(QPoint position);
  // A letter key over the picture: selects a coordinate region.
  void letterTyped(char letter);
  // The wheel or a key: magnifies (factor above 1) or reduces the picture
  // about a position of the drawing area, in place of the current view.
  void zoomAt(QPointF position, double factor);
  // A drag or an arrow key: moves the picture by pixels, in place of the
  // current view.
  void panBy(QPointF offset);
  // The read-outs as shown: the page and the data coordinates.
  QString readoutText() const;

  // The owner started a PostScript export of the window (every popup item
  // but "Cancell" and "Show Main frame" is greyed until it ends) and reports
  // its result, which the window shows.
  void exportStarted() { exportBusy_ = true; }
  void exportEnded(int status);
  bool exportBusy() const { return exportBusy_; }

 signals:
  // The user closed the window; its frame can be released.
  void closed(int index);
  void postScriptRequested(int index);
  void showMainRequested();
  void closeFileRequested();
  void quitRequested();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void showMenu(QPoint globalPosition);
  void toggleReadout(bool& on, int part);
  void refreshReadouts();
  void copyReadout();
  // Shows the frame's current view afresh: the display list replayed at the
  // view's scale, and over a magnified view its scale.
  void redrawView();
  void setPicture(QImage picture);

  int index_;
  FrameKind kind_;
  UserDialogs& dialogs_;
  std::shared_ptr<const FramePicture> frame_;
  std::optional<ViewState> view_;
  std::shared_ptr<const DisplayList> scale_ = std::make_shared<const DisplayList>();
  PlotCanvas* canvas_;
  std::array<QLabel*, 4> status_{};
  bool textReadoutOn_ = true;
  bool dataReadoutOn_ = true;
  std::optional<PagePoint> pointer_;  // the page point under the mouse, once known
  RegionOrder regionOrder_;
  bool exportBusy_ = false;
  bool fileFinished_ = false;
};

}  // namespace vexplot

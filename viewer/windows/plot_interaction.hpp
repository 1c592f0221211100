#pragma once

#include <array>
#include <string>

#include "viewer/language/view_state.hpp"
#include "viewer/render/drawing_device.hpp"

// What a plot window does with the mouse and its popup menu, apart from the
// window system: the rubber-band selection, the magnification views of the
// frame, the menu's items and their enabling, and the status bar's parts.
namespace vexplot {

// The rubber-band rectangle, in pixels of the picture.
class RubberBand {
 public:
  enum State { kNone = 0, kPressed = 1, kDragging = 2, kSelected = 3 };

  // The left button went down at the point (already clamped to the visible
  // picture).
  void press(DevicePoint point);
  // The mouse moved to the point with the left button held; returns whether
  // the rectangle changed.
  bool drag(DevicePoint point);
  // The left button came up: a drag whose corners differ in both x and y
  // selects the rectangle, anything else selects nothing.
  void release();
  void clear() { state_ = kNone; }

  State state() const { return state_; }
  bool selected() const { return state_ == kSelected; }
  // Whether the outline is to be drawn.
  bool visible() const { return state_ == kDragging || state_ == kSelected; }
  DevicePoint start() const { return start_; }
  DevicePoint end() const { return end_; }

 private:
  State state_ = kNone;
  DevicePoint start_;
  DevicePoint end_;
};

// The largest view index that may still be magnified: views 0 to 7 exist.
inline constexpr int kLastMagnifiableView = kMaxViews - 2;

// Pushes the page rectangle under the two picture corners as the view after
// the current one (views beyond it are dropped) and selects it. Nothing
// happens when the current view is the last possible one or the corners do
// not span a rectangle; returns whether the view was pushed.
bool magnifyView(ViewState& view, DevicePoint corner, DevicePoint opposite);

// The factor of one step of the wheel or of the keys + and -.
inline constexpr double kZoomStep = 1.25;

// Magnifies the picture by factor (below 1: reduces it) about a point of the
// drawing area, which stays where it is: the part of the page that the
// whole area shows, scaled about that point, replaces the current view
// (from the whole page it becomes the next view). A reduction that would show
// more than the page in both directions shows the page; nothing happens when
// that is what the whole page already shows, or when the view would become
// smaller than a millionth of the page. Returns whether the view changed.
bool zoomView(ViewState& view, double x, double y, double factor);

// Moves the picture by dx, dy pixels (right and down): the part of the page
// the whole area shows, shifted so, replaces the current view; its centre
// stays on the page. The whole page (view 0) does not move. Returns whether
// the view changed.
bool panView(ViewState& view, double dx, double dy);

// The popup menu's items, numbered from 1 as the menu shows them.
enum PopupItemId {
  kItemTextReadout = 1, kItemDataReadout = 2, kItemRevert = 4, kItemPreviousView = 5,
  kItemNextView = 6, kItemMagnify = 8, kItemPostScript = 10, kItemCancel = 12,
  kItemShowMain = 14, kItemCloseAll = 16, kItemExit = 17
};
inline constexpr int kPopupItemCount = 17;

struct PopupItem {
  std::string text;  // empty for a separator (and for the read-out items of a table)
  bool separator = false;
  bool enabled = true;
};

// What the popup menu's enabling depends on.
struct PopupContext {
  bool textReadoutOn = false;
  bool dataReadoutOn = false;
  bool isTable = false;       // a font or colour table window
  bool selection = false;     // a rubber-band rectangle is selected
  bool exportBusy = false;    // a PostScript export of the window runs
  bool fileFinished = false;  // the viewer has finished running the current file
  int currentView = 0;
  int viewCount = 1;
};

std::array<PopupItem, kPopupItemCount> popupItems(const PopupContext& context);

// The right edges of the status bar's four parts for a bar of the given
// width: a = min(width / 4, 100), 2a, 2a + min(width / 3, 150), width.
std::array<int, 4> statusPartEdges(int width);

}  // namespace vexplot

#pragma once

#include <array>

#include "viewer/language/frame_items.hpp"

namespace vexplot {

inline constexpr int kMaxViews = 8;

// Which part of a frame's page a drawing area shows: a short history of views
// (rectangles of the page, view 0 being the whole page) with a current one,
// and the page-to-device mapping that fits the current view into the area
// with one scale for both directions, centred, y pointing down.
class ViewState {
 public:
  ViewState(const Rect& page, double deviceWidth, double deviceHeight);

  // A new page: its whole as the only view.
  void resetPage(const Rect& page);
  // The drawing area's size in pixels; the mapping follows it.
  void setDeviceSize(double width, double height);

  const Rect& page() const { return views_[0]; }
  const Rect& current() const { return views_[static_cast<std::size_t>(current_)]; }
  const Rect& view(int k) const { return views_[static_cast<std::size_t>(k)]; }
  int currentIndex() const { return current_; }
  int count() const { return count_; }
  double deviceWidth() const { return device_.x1; }
  double deviceHeight() const { return device_.y1; }
  const PlaneMapping& deviceMapping() const { return mapping_; }
  // Whether the current view is the whole page.
  bool showsWholePage() const { return current() == page(); }
  // How many times larger than the whole page the current view shows the
  // page.
  double magnification() const;

  // Makes view k (0 <= k < count) current; other values change nothing.
  void select(int k);
  // Puts the view after the current one, drops the views beyond it and
  // selects it; false, nothing changed, when the current view is the last
  // one possible.
  bool push(const Rect& view);
  // Shows another rectangle in place of the current view. The whole page,
  // view 0, stays as it is: from there the rectangle becomes the next view.
  void replaceCurrent(const Rect& view);
  // The part of the page that the whole drawing area covers under the
  // current mapping (more than the current view along one direction when
  // the proportions differ).
  Rect visibleArea() const;

 private:
  void mapCurrentView();

  std::array<Rect, kMaxViews> views_{};
  int count_ = 1;
  int current_ = 0;
  Rect device_;
  PlaneMapping mapping_;
};

}  // namespace vexplot

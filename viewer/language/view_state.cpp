#include "viewer/language/view_state.hpp"

#include <algorithm>

namespace vexplot {

namespace {

// One scale for both directions, the view centred in the device box, the y
// axis pointing down as on the screen.
PlaneMapping mapViewToDevice(const Rect& view, const Rect& device) {
  const double width = device.x1 - device.x0;
  const double height = device.y1 - device.y0;
  const double s = std::min(width / (view.x1 - view.x0), height / (view.y1 - view.y0));
  PlaneMapping mapping;
  mapping.x = {s, (width - (view.x0 + view.x1) * s) / 2.0};
  mapping.y = {-s, (height + (view.y0 + view.y1) * s) / 2.0};
  return mapping;
}

}  // namespace

ViewState::ViewState(const Rect& page, double deviceWidth, double deviceHeight)
    : device_{0.0, deviceWidth, 0.0, deviceHeight} {
  resetPage(page);
}

void ViewState::resetPage(const Rect& page) {
  views_[0] = page;
  count_ = 1;
  current_ = 0;
  mapCurrentView();
}

void ViewState::setDeviceSize(double width, double height) {
  device_ = {0.0, width, 0.0, height};
  mapCurrentView();
}

void ViewState::select(int k) {
  if (k < 0 || k >= count_) return;
  current_ = k;
  mapCurrentView();
}

bool ViewState::push(const Rect& view) {
  if (current_ + 1 >= kMaxViews) return false;
  ++current_;
  views_[static_cast<std::size_t>(current_)] = view;
  count_ = current_ + 1;
  mapCurrentView();
  return true;
}

void ViewState::replaceCurrent(const Rect& view) {
  if (current_ == 0) {
    push(view);
    return;
  }
  views_[static_cast<std::size_t>(current_)] = view;
  mapCurrentView();
}

Rect ViewState::visibleArea() const {
  const AxisMapping& x = mapping_.x;
  const AxisMapping& y = mapping_.y;
  return {(device_.x0 - x.offset) / x.scale, (device_.x1 - x.offset) / x.scale,
          (device_.y1 - y.offset) / y.scale, (device_.y0 - y.offset) / y.scale};
}

double ViewState::magnification() const {
  return mapping_.x.scale / mapViewToDevice(page(), device_).x.scale;
}

void ViewState::mapCurrentView() { mapping_ = mapViewToDevice(current(), device_); }

}  // namespace vexplot

#include "viewer/windows/plot_interaction.hpp"

#include <algorithm>

#include "viewer/windows/coordinate_readout.hpp"

namespace vexplot {

void RubberBand::press(DevicePoint point) {
  start_ = end_ = point;
  state_ = kPressed;
}

bool RubberBand::drag(DevicePoint point) {
  if (state_ != kPressed && state_ != kDragging) return false;
  const bool changed = state_ != kDragging || !(end_ == point);
  end_ = point;
  state_ = kDragging;
  return changed;
}

void RubberBand::release() {
  const bool spans = start_.x != end_.x && start_.y != end_.y;
  state_ = state_ == kDragging && spans ? kSelected : kNone;
}

bool magnifyView(ViewState& view, DevicePoint corner, DevicePoint opposite) {
  if (corner.x == opposite.x || corner.y == opposite.y) return false;
  const PagePoint a = pageFromDevice(view.deviceMapping(), corner.x, corner.y);
  const PagePoint b = pageFromDevice(view.deviceMapping(), opposite.x, opposite.y);
  return view.push({std::min(a.x, b.x), std::max(a.x, b.x), std::min(a.y, b.y), std::max(a.y, b.y)});
}

namespace {

double widthOf(const Rect& r) { return r.x1 - r.x0; }
double heightOf(const Rect& r) { return r.y1 - r.y0; }

}  // namespace

bool zoomView(ViewState& view, double x, double y, double factor) {
  if (!(factor > 0.0)) return false;
  const PagePoint about = pageFromDevice(view.deviceMapping(), x, y);
  const Rect area = view.visibleArea();
  const Rect scaled{about.x + (area.x0 - about.x) / factor, about.x + (area.x1 - about.x) / factor,
                    about.y + (area.y0 - about.y) / factor, about.y + (area.y1 - about.y) / factor};
  const Rect& page = view.page();
  if (widthOf(scaled) < 1e-6 * widthOf(page) || heightOf(scaled) < 1e-6 * heightOf(page)) return false;
  const bool beyondPage = widthOf(scaled) >= widthOf(page) && heightOf(scaled) >= heightOf(page);
  if (beyondPage && view.current() == page) return false;
  view.replaceCurrent(beyondPage ? page : scaled);
  return true;
}

bool panView(ViewState& view, double dx, double dy) {
  if (view.currentIndex() == 0 || (dx == 0.0 && dy == 0.0)) return false;
  const double scale = view.deviceMapping().x.scale;
  const Rect area = view.visibleArea();
  const Rect& page = view.page();
  const double centreX = (area.x0 + area.x1) / 2.0;
  const double centreY = (area.y0 + area.y1) / 2.0;
  const double shiftX = std::clamp(centreX - dx / scale, page.x0, page.x1) - centreX;
  const double shiftY = std::clamp(centreY + dy / scale, page.y0, page.y1) - centreY;
  if (shiftX == 0.0 && shiftY == 0.0) return false;
  view.replaceCurrent({area.x0 + shiftX, area.x1 + shiftX, area.y0 + shiftY, area.y1 + shiftY});
  return true;
}

std::array<PopupItem, kPopupItemCount> popupItems(const PopupContext& context) {
  const auto item = [](const char* text, bool enabled) { return PopupItem{text, false, enabled}; };
  const PopupItem separator{"", true, false};
  const auto readout = [&](bool on, const char* shown, const char* hidden) {
    return item(context.isTable ? "" : (on ? hidden : shown), true);
  };
  std::array<PopupItem, kPopupItemCount> items{
      readout(context.textReadoutOn, "Show Text coord. ON", "Show Text coord. OFF"),
      readout(context.dataReadoutOn, "Show Data coord. ON", "Show Data coord. OFF"),
      separator,
      item("Revert to top", context.currentView > 0),
      item("Previous size", context.currentView > 0),
      item("Next size", context.currentView < context.viewCount - 1),
      separator,
      item("Magnify", context.selection && context.currentView <= kLastMagnifiableView),
      separator,
      item("PostScript", true),
      separator,
      item("Cancell", true),
      separator,
      item("Show Main frame", true),
      separator,
      item("Close All Windows", context.fileFinished),
      item("Exit Vexplot", context.fileFinished),
  };
  if (context.exportBusy) {
    for (int id = 1; id <= kPopupItemCount; ++id) {
      if (id != kItemCancel && id != kItemShowMain) items[static_cast<std::size_t>(id - 1)].enabled = false;
    }
  }
  return items;
}

std::array<int, 4> statusPartEdges(int width) {
  const int a = std::min(width / 4, 100);
  return {a, 2 * a, 2 * a + std::min(width / 3, 150), width};
}

}  // namespace vexplot

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

bool magnifyView(FrameState& frame, DevicePoint corner, DevicePoint opposite) {
  if (frame.currentView > kLastMagnifiableView) return false;
  if (corner.x == opposite.x || corner.y == opposite.y) return false;
  const PagePoint a = pageFromDevice(frame.deviceMapping, corner.x, corner.y);
  const PagePoint b = pageFromDevice(frame.deviceMapping, opposite.x, opposite.y);
  const int next = frame.currentView + 1;
  frame.views[static_cast<std::size_t>(next)] = {std::min(a.x, b.x), std::max(a.x, b.x),
                                                 std::min(a.y, b.y), std::max(a.y, b.y)};
  frame.viewCount = next + 1;
  frame.selectView(next);
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

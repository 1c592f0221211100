#include "viewer/render/memory_device.hpp"

#include <algorithm>

namespace vexplot {

void MemoryDevice::drawPolyline(std::span<const DevicePoint> points, int colour, int penWidth) {
  if (keeping_ == Keeping::kNothing) return;
  polylines_.push_back({{points.begin(), points.end()}, colour, penWidth});
}

void MemoryDevice::fillRect(DevicePoint topLeft, DevicePoint bottomRight, int colour, int hatch) {
  if (keeping_ == Keeping::kNothing) return;
  fills_.push_back({topLeft, bottomRight, colour, hatch});
}

DrawingDevice* MemoryWindowHost::openWindow(int width, int height, std::string_view title,
                                            int backgroundColour) {
  if (refuse_) return nullptr;
  if (!windows_.empty()) windows_.back().finished = true;
  windows_.push_back({std::string(title),
                      std::make_unique<MemoryDevice>(std::min(width, screenWidth_),
                                                     std::min(height, screenHeight_), backgroundColour,
                                                     keeping_),
                      false});
  return windows_.back().device.get();
}

WindowOutcome MemoryWindowHost::finishWindow() {
  if (!windows_.empty()) windows_.back().finished = true;
  return WindowOutcome::kReady;
}

}  // namespace vexplot

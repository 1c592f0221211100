#pragma once

#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "viewer/render/drawing_device.hpp"

namespace vexplot {

// A drawing area that keeps what is drawn on it, for running the viewer
// without a screen. An export that needs only the display lists keeps
// nothing: a large frame would otherwise hold every segment twice.
class MemoryDevice final : public DrawingDevice {
 public:
  enum class Keeping { kEverything, kNothing };

  struct Polyline {
    std::vector<DevicePoint> points;
    int colour;
    int penWidth;
  };
  struct Fill {
    DevicePoint topLeft;
    DevicePoint bottomRight;
    int colour;
    int hatch;
  };

  MemoryDevice(int width, int height, int backgroundColour, Keeping keeping = Keeping::kEverything)
      : width_(width), height_(height), background_(backgroundColour), keeping_(keeping) {}

  int width() const override { return width_; }
  int height() const override { return height_; }
  void drawPolyline(std::span<const DevicePoint> points, int colour, int penWidth) override;
  void fillRect(DevicePoint topLeft, DevicePoint bottomRight, int colour, int hatch) override;
  void clear() override { ++clears_; }

  int background() const { return background_; }
  const std::vector<Polyline>& polylines() const { return polylines_; }
  const std::vector<Fill>& fills() const { return fills_; }
  int clears() const { return clears_; }

 private:
  int width_;
  int height_;
  int background_;
  Keeping keeping_;
  std::vector<Polyline> polylines_;
  std::vector<Fill> fills_;
  int clears_ = 0;
};

// Plot windows whose drawing areas are memory devices, on a screen of the
// given size (a window's drawing area is cut to it).
class MemoryWindowHost final : public WindowHost {
 public:
  struct Window {
    std::string title;
    std::unique_ptr<MemoryDevice> device;
    bool finished = false;
  };

  explicit MemoryWindowHost(int screenWidth = INT_MAX, int screenHeight = INT_MAX,
                            MemoryDevice::Keeping keeping = MemoryDevice::Keeping::kEverything)
      : screenWidth_(screenWidth), screenHeight_(screenHeight), keeping_(keeping) {}
  explicit MemoryWindowHost(MemoryDevice::Keeping keeping) : MemoryWindowHost(INT_MAX, INT_MAX, keeping) {}

  DrawingDevice* openWindow(int width, int height, std::string_view title,
                            int backgroundColour) override;
  WindowOutcome finishWindow() override;

  // With refuse set, every further window fails to open.
  void refuseWindows(bool refuse) { refuse_ = refuse; }
  const std::vector<Window>& windows() const { return windows_; }

 private:
  int screenWidth_;
  int screenHeight_;
  MemoryDevice::Keeping keeping_;
  bool refuse_ = false;
  std::vector<Window> windows_;
};

}  // namespace vexplot

#pragma once

#include <span>
#include <string_view>

#include "viewer/language/frame_drawing.hpp"

namespace vexplot {

// A pixel of a drawing area: origin at the upper left corner, y downwards.
struct DevicePoint {
  int x = 0;
  int y = 0;

  bool operator==(const DevicePoint&) const = default;
};

// The hatch argument of fillRect that asks for a solid fill.
inline constexpr int kSolidFill = -1;

// The drawing area of one plot window. Colours are palette indices.
class DrawingDevice {
 public:
  virtual ~DrawingDevice() = default;

  // The client size of the drawing area in pixels.
  virtual int width() const = 0;
  virtual int height() const = 0;

  // A polyline with a solid pen penWidth pixels wide (0: the thinnest pen,
  // one pixel).
  virtual void drawPolyline(std::span<const DevicePoint> points, int colour, int penWidth) = 0;
  // Fills the rectangle from topLeft to bottomRight, both edges included,
  // solid (kSolidFill) or with a hatch style of the window system.
  virtual void fillRect(DevicePoint topLeft, DevicePoint bottomRight, int colour, int hatch) = 0;
  // Fills the whole drawing area with the window's background colour.
  virtual void clear() = 0;
};

// The plot-window side of the drawing: one window per frame.
class WindowHost {
 public:
  virtual ~WindowHost() = default;

  // Opens a plot window with a drawing area of width by height pixels (the
  // screen may allow less), the title and the background colour, and
  // finishes the previously opened window. Returns the window's drawing
  // device, valid while the window exists, or nullptr when no window could
  // be opened.
  virtual DrawingDevice* openWindow(int width, int height, std::string_view title,
                                    int backgroundColour) = 0;

  // The frame of the last opened window is complete.
  virtual WindowOutcome finishWindow() = 0;
};

}  // namespace vexplot

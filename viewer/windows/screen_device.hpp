#pragma once

#include <QImage>
#include <QPainter>
#include <memory>
#include <string_view>

#include "viewer/render/drawing_device.hpp"
#include "viewer/windows/settings.hpp"

// The screen side of the drawing layer: a plot window's drawing area is an
// image, drawn with the palette's colours, pixel for pixel as the drawing
// layer computes it (no smoothing). Images may be drawn on any thread; each
// belongs to one thread at a time.
//
// Lines of the thin pens (width 0 and 1) are set pixel by pixel, as the
// window system draws them: from the start pixel up to the end pixel, which
// is left out (the drawing layer paints a segment's end by a one-pixel line
// after it). A curve's many short segments cost so a fraction of a call of
// the toolkit each.
namespace vexplot {

QColor screenColour(int colourIndex);

class ScreenDevice final : public DrawingDevice {
 public:
  // An image of the size filled with the background colour.
  ScreenDevice(int width, int height, int backgroundColour);

  int width() const override { return image_.width(); }
  int height() const override { return image_.height(); }
  void drawPolyline(std::span<const DevicePoint> points, int colour, int penWidth) override;
  // The hatch styles are the window system's: 0 horizontal, 1 vertical, 2 and
  // 3 the two diagonals, 4 cross, 5 diagonal cross; the hatch is drawn over
  // the background colour.
  void fillRect(DevicePoint topLeft, DevicePoint bottomRight, int colour, int hatch) override;
  void clear() override;

  int backgroundColour() const { return background_; }
  // A copy of the picture as drawn so far.
  QImage snapshot() const { return image_.copy(); }

 private:
  // Lines whose ends lie this far outside the image at most are set pixel
  // by pixel; longer ones are clipped by the toolkit first.
  static constexpr int kNearMargin = 4096;

  void drawThinLine(DevicePoint from, DevicePoint to, QRgb colour);

  QImage image_;
  uchar* pixels_ = nullptr;  // the image's memory, drawn on by the painter as well
  qsizetype bytesPerLine_ = 0;
  QPainter painter_;
  int background_;
};

// Plot windows whose drawing areas are screen images. A window's drawing
// area is cut to the screen. The image of the last opened window stays
// until the next one opens; the hooks tell a subclass when a window has
// opened and when its frame is complete.
class ScreenWindowHost : public WindowHost {
 public:
  explicit ScreenWindowHost(ScreenSize screen) : screen_(screen) {}

  DrawingDevice* openWindow(int width, int height, std::string_view title,
                            int backgroundColour) override;
  WindowOutcome finishWindow() override;

 protected:
  virtual void windowOpened(std::string_view title, ScreenDevice& device) = 0;
  virtual WindowOutcome windowFinished(ScreenDevice& device) = 0;
  // The device that the drawing layer draws on; a subclass may put its own
  // in front of the screen image.
  virtual DrawingDevice& drawingDevice(ScreenDevice& device) { return device; }

 private:
  ScreenSize screen_;
  std::unique_ptr<ScreenDevice> device_;
  bool finished_ = true;
};

}  // namespace vexplot

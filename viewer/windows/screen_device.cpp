#include "viewer/windows/screen_device.hpp"

#include <QPen>
#include <QPolygon>
#include <algorithm>
#include <array>
#include <cstdlib>

#include "viewer/render/palette.hpp"

namespace vexplot {

namespace {

Qt::BrushStyle hatchStyle(int hatch) {
  constexpr std::array<Qt::BrushStyle, 6> kStyles{Qt::HorPattern,   Qt::VerPattern,
                                                  Qt::FDiagPattern, Qt::BDiagPattern,
                                                  Qt::CrossPattern, Qt::DiagCrossPattern};
  return hatch >= 0 && hatch < static_cast<int>(kStyles.size()) ? kStyles[static_cast<std::size_t>(hatch)]
                                                                 : Qt::SolidPattern;
}

}  // namespace

QColor screenColour(int colourIndex) {
  const RgbColour rgb = paletteColour(colourIndex);
  return QColor(rgb.red, rgb.green, rgb.blue);
}

ScreenDevice::ScreenDevice(int width, int height, int backgroundColour)
    : image_(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32),
      background_(backgroundColour) {
  image_.fill(screenColour(background_));
  pixels_ = image_.bits();
  bytesPerLine_ = image_.bytesPerLine();
  painter_.begin(&image_);
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setBackground(screenColour(background_));
}

void ScreenDevice::drawPolyline(std::span<const DevicePoint> points, int colour, int penWidth) {
  if (points.size() < 2) return;
  if (penWidth <= 1) {
    const QRgb rgb = screenColour(colour).rgb();
    for (std::size_t i = 1; i < points.size(); ++i) drawThinLine(points[i - 1], points[i], rgb);
    return;
  }
  QPolygon polygon;
  polygon.reserve(static_cast<qsizetype>(points.size()));
  for (const DevicePoint& point : points) polygon << QPoint(point.x, point.y);
  // Wide pens end and join round, as the window system's solid pens do.
  painter_.setPen(QPen(screenColour(colour), penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter_.drawPolyline(polygon);
}

// Bresenham's line from the start pixel up to the end pixel, which is left
// out. A line that reaches far beyond the image (the drawing layer clips to
// the page, which may be larger than a window cut to the screen) goes to the
// toolkit, which clips it first.
void ScreenDevice::drawThinLine(DevicePoint from, DevicePoint to, QRgb colour) {
  const auto near = [&](DevicePoint p) {
    return p.x >= -kNearMargin && p.x <= width() + kNearMargin && p.y >= -kNearMargin &&
           p.y <= height() + kNearMargin;
  };
  if (!near(from) || !near(to)) {
    painter_.setPen(QPen(QColor(colour), 0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter_.drawLine(QPoint(from.x, from.y), QPoint(to.x, to.y));
    return;
  }
  const int dx = std::abs(to.x - from.x);
  const int dy = -std::abs(to.y - from.y);
  const int stepX = from.x < to.x ? 1 : -1;
  const int stepY = from.y < to.y ? 1 : -1;
  int error = dx + dy;
  for (int x = from.x, y = from.y; x != to.x || y != to.y;) {
    if (x >= 0 && x < width() && y >= 0 && y < height()) {
      reinterpret_cast<QRgb*>(pixels_ + static_cast<std::ptrdiff_t>(y) * bytesPerLine_)[x] = colour;
    }
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      x += stepX;
    }
    if (twice <= dx) {
      error += dx;
      y += stepY;
    }
  }
}

void ScreenDevice::fillRect(DevicePoint topLeft, DevicePoint bottomRight, int colour, int hatch) {
  const QRect rectangle(QPoint(topLeft.x, topLeft.y), QPoint(bottomRight.x, bottomRight.y));
  const Qt::BrushStyle style = hatch == kSolidFill ? Qt::SolidPattern : hatchStyle(hatch);
  painter_.setBackgroundMode(Qt::OpaqueMode);
  painter_.fillRect(rectangle, QBrush(screenColour(colour), style));
  painter_.setBackgroundMode(Qt::TransparentMode);
}

void ScreenDevice::clear() { painter_.fillRect(image_.rect(), screenColour(background_)); }

DrawingDevice* ScreenWindowHost::openWindow(int width, int height, std::string_view title,
                                            int backgroundColour) {
  if (!finished_) finishWindow();
  device_ = std::make_unique<ScreenDevice>(std::min(width, screen_.width),
                                           std::min(height, screen_.height), backgroundColour);
  finished_ = false;
  windowOpened(title, *device_);
  return &drawingDevice(*device_);
}

WindowOutcome ScreenWindowHost::finishWindow() {
  if (finished_ || !device_) return WindowOutcome::kReady;
  finished_ = true;
  return windowFinished(*device_);
}

}  // namespace vexplot

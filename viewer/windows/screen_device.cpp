#include "viewer/windows/screen_device.hpp"

#include <QPen>
#include <QPolygon>
#include <algorithm>
#include <array>

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
  painter_.begin(&image_);
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setBackground(screenColour(background_));
}

void ScreenDevice::drawPolyline(std::span<const DevicePoint> points, int colour, int penWidth) {
  QPolygon polygon;
  polygon.reserve(static_cast<qsizetype>(points.size()));
  for (const DevicePoint& point : points) polygon << QPoint(point.x, point.y);
  // Wide pens end and join round, as the window system's solid pens do; a
  // width of 0 is the one-pixel cosmetic pen.
  painter_.setPen(QPen(screenColour(colour), penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter_.drawPolyline(polygon);
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

int ScreenWindowHost::finishWindow() {
  if (finished_ || !device_) return 0;
  finished_ = true;
  return windowFinished(*device_);
}

}  // namespace vexplot

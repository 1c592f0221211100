#include "viewer/shell/picture_export.hpp"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPolygonF>
#include <QSvgGenerator>
#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "viewer/render/clipping.hpp"
#include "viewer/render/device_coordinates.hpp"
#include "viewer/render/memory_device.hpp"
#include "viewer/render/postscript_writer.hpp"
#include "common/replacement_file.hpp"
#include "viewer/shell/headless_export.hpp"
#include "viewer/windows/screen_device.hpp"

namespace vexplot {

namespace {

// A record width that is not positive (axes, ticks, text) is drawn as the
// default line width, as in the EPS file.
constexpr float kDefaultLineWidth = 2.0f;

struct BoundingBox {
  DevicePoint lowerLeft;
  DevicePoint upperRight;
};

// The view's corners on the paper, truncated as the EPS bounding box is.
BoundingBox boundingBox(const FramePicture& frame, const Rect& view) {
  const PlaneMapping mapping = paperMapping(frame, view);
  return {toDevicePixel(mapping, {view.x0, view.y0}), toDevicePixel(mapping, {view.x1, view.y1})};
}

// Collects connected segments of one colour and width into polylines.
class PolylinePainter {
 public:
  PolylinePainter(QPainter& painter, double widthScale) : painter_(painter), widthScale_(widthScale) {}
  ~PolylinePainter() { flush(); }

  void line(QPointF from, QPointF to, int colour, float width) {
    if (!(points_.size() > 0 && points_.back() == from && colour == colour_ && width == width_)) {
      flush();
      points_ << from;
      colour_ = colour;
      width_ = width;
    }
    points_ << to;
  }

  void flush() {
    if (points_.size() < 2) {
      points_.clear();
      return;
    }
    painter_.setPen(QPen(screenColour(colour_), widthScale_ * width_, Qt::SolidLine, Qt::FlatCap,
                         Qt::MiterJoin));
    painter_.drawPolyline(points_);
    points_.clear();
  }

 private:
  QPainter& painter_;
  double widthScale_;
  QPolygonF points_;
  int colour_ = 0;
  float width_ = 0.0f;
};

// Writes a picture made in memory; false, an older file of the name kept,
// when it cannot be written whole.
bool writePictureFile(const std::filesystem::path& path, const std::optional<QByteArray>& bytes) {
  return bytes &&
         common::replaceFileWith(path, std::string_view(bytes->constData(), static_cast<std::size_t>(bytes->size())));
}

std::optional<QByteArray> pngBytes(const QImage& picture) {
  QByteArray bytes;
  QBuffer output(&bytes);
  output.open(QIODevice::WriteOnly);
  if (!picture.save(&output, "PNG")) return std::nullopt;
  return bytes;
}

// The frames' pictures as their windows show them.
class ScreenPictures final : public PictureWriter {
 public:
  explicit ScreenPictures(std::optional<PictureSize> size) : size_(size) {}

  WindowHost& windows() override { return windows_; }
  std::optional<PictureSize> frameArea() const override { return size_; }

  bool write(const std::filesystem::path& directory, const InputPaths& input, const ActiveSettings&,
             const FrameList& frames, std::ostream& err) override {
    std::size_t next = 0;
    return writeFramePictures(directory, input.inputBaseName, frames, ".png", err,
                              [&](const FrameState&, const std::filesystem::path& path) {
                                if (next >= windows_.pictures.size()) return true;
                                return writePictureFile(path, pngBytes(windows_.pictures[next++]));
                              });
  }

 private:
  // Windows as large as asked: no screen limits them.
  class Windows final : public ScreenWindowHost {
   public:
    Windows() : ScreenWindowHost(ScreenSize{}) {}
    std::vector<QImage> pictures;

   private:
    void windowOpened(std::string_view, ScreenDevice&) override {}
    WindowOutcome windowFinished(ScreenDevice& device) override {
      pictures.push_back(device.snapshot());
      return WindowOutcome::kReady;
    }
  };
  std::optional<PictureSize> size_;
  Windows windows_;
};

// Opens the painter on a PDF or SVG document of the picture's size, written
// to the output; false when it cannot begin.
using VectorTarget = bool (*)(QPainter& painter, std::unique_ptr<QPaintDevice>& device,
                              QIODevice& output, QSizeF points);

bool beginPdf(QPainter& painter, std::unique_ptr<QPaintDevice>& device, QIODevice& output,
              QSizeF points) {
  auto pdf = std::make_unique<QPdfWriter>(&output);
  pdf->setCreator("VexplotW");
  pdf->setResolution(7200);  // one unit of the picture, 0.01 point
  pdf->setPageMargins(QMarginsF(0, 0, 0, 0));
  pdf->setPageSize(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch));
  const bool begun = painter.begin(pdf.get());
  device = std::move(pdf);
  return begun;
}

bool beginSvg(QPainter& painter, std::unique_ptr<QPaintDevice>& device, QIODevice& output,
              QSizeF points) {
  auto svg = std::make_unique<QSvgGenerator>();
  svg->setOutputDevice(&output);
  svg->setResolution(72);  // the size in points
  svg->setSize(points.toSize());
  svg->setViewBox(QRectF(0, 0, points.width() * 100.0, points.height() * 100.0));
  const bool begun = painter.begin(svg.get());
  device = std::move(svg);
  return begun;
}

VectorTarget vectorTarget(PictureFormat format) { return format == PictureFormat::kPdf ? beginPdf : beginSvg; }

// Vector pictures replayed from the display lists.
class VectorPictures final : public PictureWriter {
 public:
  VectorPictures(PictureFormat format, const char* extension, std::optional<PictureSize> page)
      : format_(format), extension_(extension), page_(page) {}

  WindowHost& windows() override { return windows_; }

  bool write(const std::filesystem::path& directory, const InputPaths& input,
             const ActiveSettings& settings, const FrameList& frames, std::ostream& err) override {
    return writeFramePictures(directory, input.inputBaseName, frames, extension_, err,
                              [&](const FrameState& frame, const std::filesystem::path& path) {
                                const VectorPicture picture{frame.picture(), frame.pageBox, nullptr};
                                return writePictureFile(
                                    path, vectorDocument(format_, picture, settings.postscriptLineWidth, page_));
                              });
  }

 private:
  PictureFormat format_;
  const char* extension_;
  std::optional<PictureSize> page_;  // in points; none: the bounding box
  MemoryWindowHost windows_;
};

std::unique_ptr<PictureWriter> pictureWriter(PictureFormat format, std::optional<PictureSize> size) {
  switch (format) {
    case PictureFormat::kPng: return std::make_unique<ScreenPictures>(size);
    case PictureFormat::kPdf: return std::make_unique<VectorPictures>(format, ".pdf", size);
    case PictureFormat::kSvg: return std::make_unique<VectorPictures>(format, ".svg", size);
    case PictureFormat::kEps: return epsPictures();
    case PictureFormat::kDisplayList: return displayListPictures();
  }
  return nullptr;
}

VectorPictureSize sizeOf(const BoundingBox& box) {
  return {static_cast<double>(box.upperRight.x - box.lowerLeft.x),
          static_cast<double>(box.upperRight.y - box.lowerLeft.y)};
}

}  // namespace

VectorPictureSize vectorPictureSize(const FramePicture& frame, const Rect& view) {
  return sizeOf(boundingBox(frame, view));
}

void paintVectorPicture(QPainter& painter, const VectorPicture& picture, double lineWidth,
                        VectorPictureSize page) {
  const FramePicture& frame = picture.frame;
  const Rect& view = picture.view;
  const PlaneMapping mapping = paperMapping(frame, view);
  const BoundingBox box = boundingBox(frame, view);
  const VectorPictureSize size = sizeOf(box);
  const double fit = std::min(page.width / size.width, page.height / size.height);
  const QPointF margin((page.width - fit * size.width) / 2.0, (page.height - fit * size.height) / 2.0);
  // Paper y runs upwards from the bottom; the picture's downwards from the
  // top of the bounding box.
  const auto place = [&](PagePoint point) {
    return margin + fit * QPointF(point.x * mapping.x.scale + mapping.x.offset - box.lowerLeft.x,
                                  box.upperRight.y - (point.y * mapping.y.scale + mapping.y.offset));
  };
  painter.setRenderHint(QPainter::Antialiasing);
  PolylinePainter lines(painter, lineWidth / frame.postScript.unitInPoints);
  PagePoint pen;
  const auto paint = [&](const DisplayRecord& record) {
    const PagePoint point{record.x, record.y};
    if (record.kind == kMove) {
      pen = point;
    } else if (record.kind == kDraw) {
      PagePoint from = pen;
      PagePoint to = point;
      pen = point;
      if (clipSegment(view, from, to)) {
        lines.line(place(from), place(to), record.colour,
                   record.width > 0.0f ? record.width : kDefaultLineWidth);
      }
    } else {
      lines.flush();
    }
  };
  frame.displayList.forEach(paint);
  if (picture.overlay != nullptr) picture.overlay->forEach(paint);
}

std::optional<QByteArray> vectorDocument(PictureFormat format, const VectorPicture& picture,
                                         double lineWidth, std::optional<PictureSize> page) {
  const VectorPictureSize size = page ? VectorPictureSize{page->width * 100.0, page->height * 100.0}
                                      : vectorPictureSize(picture.frame, picture.view);
  QByteArray bytes;
  QBuffer output(&bytes);
  output.open(QIODevice::WriteOnly);
  QPainter painter;
  std::unique_ptr<QPaintDevice> device;
  if (!vectorTarget(format)(painter, device, output, QSizeF(size.width / 100.0, size.height / 100.0))) {
    return std::nullopt;
  }
  paintVectorPicture(painter, picture, lineWidth, size);
  if (!painter.end()) return std::nullopt;
  device.reset();
  return bytes;
}

PostScriptStatus writeWindowPicture(const FramePicture& frame, const WindowPicture& picture,
                                    const std::filesystem::path& path, double lineWidth,
                                    const PostScriptOrigin& origin) {
  const QString extension = QString::fromStdString(path.extension().string()).toLower();
  std::optional<QByteArray> bytes;
  if (extension == ".png") {
    bytes = pngBytes(picture.image);
  } else if (extension == ".pdf" || extension == ".svg") {
    const PictureFormat format = extension == ".pdf" ? PictureFormat::kPdf : PictureFormat::kSvg;
    bytes = vectorDocument(format, {frame, picture.view, picture.scale.get()}, lineWidth, std::nullopt);
  } else {
    return writePostScript(frame, picture.view, path, lineWidth, origin, picture.scale.get());
  }
  return writePictureFile(path, bytes) ? kPostScriptWritten : kPostScriptWriteFailed;
}

int runPictureExport(const std::filesystem::path& exportDirectory,
                     const std::filesystem::path& inputFile, const SettingsEnvironment& environment,
                     PictureFormat format, std::ostream& out, std::ostream& err,
                     std::optional<PictureSize> size) {
  const std::unique_ptr<PictureWriter> pictures = pictureWriter(format, size);
  // The toolkit's pictures need its drawing, but never a display.
  std::optional<QGuiApplication> application;
  static int argc = 1;
  static char name[] = "vexplotw";
  static char* argv[] = {name, nullptr};
  if (drawnByToolkit(format) && QCoreApplication::instance() == nullptr) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    application.emplace(argc, argv);
  }
  return runHeadlessExport(exportDirectory, inputFile, environment, *pictures, out, err);
}

}  // namespace vexplot

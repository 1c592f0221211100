#include "viewer/render/postscript_writer.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdarg>
#include <cstdio>
#include <string_view>

#include "viewer/language/number_syntax.hpp"
#include "viewer/render/clipping.hpp"
#include "viewer/render/device_coordinates.hpp"
#include "viewer/render/page_point.hpp"
#include "common/replacement_file.hpp"

namespace vexplot {

namespace {

constexpr const char* kCreator = "Vexplot for Windows  ver. May.29.2000";

// A record width that is not positive (axes, ticks, text) is drawn as the
// default line width.
constexpr float kDefaultLineWidth = 2.0f;

// The paper colours of the palette indices; an index outside the palette is
// drawn white, as on the screen.
struct PaperColour {
  float red;
  float green;
  float blue;
};
constexpr std::array<PaperColour, 16> kPaperColours{{{0.0f, 0.0f, 0.0f},
                                                     {0.0f, 0.0f, 0.667f},
                                                     {0.0f, 0.667f, 0.0f},
                                                     {0.0f, 0.667f, 0.667f},
                                                     {0.667f, 0.0f, 0.0f},
                                                     {0.667f, 0.0f, 0.667f},
                                                     {0.667f, 0.667f, 0.0f},
                                                     {0.667f, 0.667f, 0.667f},
                                                     {0.333f, 0.333f, 0.333f},
                                                     {0.333f, 0.333f, 1.0f},
                                                     {0.333f, 1.0f, 0.333f},
                                                     {0.333f, 1.0f, 1.0f},
                                                     {1.0f, 0.333f, 0.333f},
                                                     {1.0f, 0.333f, 1.0f},
                                                     {1.0f, 1.0f, 0.333f},
                                                     {1.0f, 1.0f, 1.0f}}};

PaperColour paperColour(int index) {
  return index >= 0 && index < 16 ? kPaperColours[static_cast<std::size_t>(index)]
                                  : PaperColour{1.0f, 1.0f, 1.0f};
}

// Text from outside the frame must not end a comment line early: every
// control character becomes "?".
std::string commentSafe(std::string_view text) {
  std::string safe(text);
  for (char& c : safe) {
    const auto code = static_cast<unsigned char>(c);
    if (code < 0x20 || code == 0x7f) c = '?';
  }
  return safe;
}

// Lines of PostScript text. The first failed write is kept, and nothing is
// written after it.
class PostScriptStream {
 public:
  explicit PostScriptStream(std::FILE* file) : file_(file) {}

  void text(const char* line) {
    if (ok_) ok_ = std::fputs(line, file_) >= 0 && std::fputc('\n', file_) != EOF;
  }

  [[gnu::format(printf, 2, 3)]] void format(const char* format, ...) {
    if (!ok_) return;
    va_list arguments;
    va_start(arguments, format);
    ok_ = std::vfprintf(file_, format, arguments) >= 0 && std::fputc('\n', file_) != EOF;
    va_end(arguments);
  }

  // "x y m" or "x y l", the bulk of every file, without the general
  // formatter.
  void pathPoint(DevicePoint point, char pathOperator) {
    if (!ok_) return;
    constexpr std::ptrdiff_t kIntWidth = 11;  // "-2147483648"
    std::array<char, 2 * kIntWidth + 4> line;
    char* end = std::to_chars(line.data(), line.data() + kIntWidth, point.x).ptr;
    *end++ = ' ';
    end = std::to_chars(end, end + kIntWidth, point.y).ptr;
    *end++ = ' ';
    *end++ = pathOperator;
    *end++ = '\n';
    const auto length = static_cast<std::size_t>(end - line.data());
    ok_ = std::fwrite(line.data(), 1, length, file_) == length;
  }

  bool ok() const { return ok_; }

 private:
  std::FILE* file_;
  bool ok_ = true;
};

// The part of the paper the picture may cover, in file units: the paper
// less its margins, its long side across in landscape orientation.
Rect drawingBox(const FramePicture& frame) {
  const PostScriptPage& paper = frame.postScript;
  const double across = frame.landscape ? paper.paperHeight : paper.paperWidth;
  const double up = frame.landscape ? paper.paperWidth : paper.paperHeight;
  return {paper.marginLeft, across - paper.marginRight, paper.marginBottom, up - paper.marginTop};
}

// The view fills the box with one scale for both directions, centred, y
// upwards.
PlaneMapping mapViewToPaper(const Rect& view, const Rect& box) {
  const double s =
      std::min((box.x1 - box.x0) / (view.x1 - view.x0), (box.y1 - box.y0) / (view.y1 - view.y0));
  PlaneMapping mapping;
  mapping.x = {s, (box.x0 + box.x1 - (view.x0 + view.x1) * s) / 2.0};
  mapping.y = {s, (box.y0 + box.y1 - (view.y0 + view.y1) * s) / 2.0};
  return mapping;
}

// Truncated toward zero, like every point of the file.
DevicePoint toPaper(const PlaneMapping& mapping, PagePoint point) {
  return toDevicePixel(mapping, point);
}

void writeHeader(PostScriptStream& out, const FramePicture& frame, const Rect& view,
                 const PlaneMapping& mapping, const PostScriptOrigin& origin) {
  const double unit = frame.postScript.unitInPoints;
  const DevicePoint lowerLeft = toPaper(mapping, {view.x0, view.y0});
  const DevicePoint upperRight = toPaper(mapping, {view.x1, view.y1});
  out.text("%!PS-Adobe-2.0 EPSF-2.0");
  out.text("%%Pages: (atend) 1");
  out.format("%%%%BoundingBox: %d %d %d %d", truncateToInt(lowerLeft.x * unit),
             truncateToInt(lowerLeft.y * unit), truncateToInt(upperRight.x * unit),
             truncateToInt(upperRight.y * unit));
  out.format("%%%%Creator: %s", kCreator);
  out.format("%%%%CreationDate: %s", commentSafe(origin.creationDate).c_str());
  out.format("%%%%Title: %s%s-%d", commentSafe(origin.inputDirectory).c_str(),
             commentSafe(origin.inputFileName).c_str(), origin.windowIndex);
  out.format("%%%%DocumentMedia: Default %d %d 0 () ()",
             truncateToInt(frame.postScript.paperHeight * unit),
             truncateToInt(frame.postScript.paperWidth * unit));
  out.format("%%%%Orientation: %s", frame.landscape ? "Landscape" : "Portrait");
  for (const char* line : {"%%EndComments", "%%BeginProlog", "%%BeginResource: lineabr",
                           "/m/moveto load def", "/l/lineto load def", "%%EndResource",
                           "%%EndProlog", "%%BeginSetup", "%%EndSetup"}) {
    out.text(line);
  }
}

void writePageSetup(PostScriptStream& out, double unit, double lineWidth) {
  out.format("%%%%Page: %d %d ", 1, 1);
  out.text("%%BeginPageSetup");
  out.text("%%EndPageSetup");
  out.text("gsave");
  out.format("%f %f scale", unit, unit);
  out.format("%f setlinewidth", 2.0 * lineWidth / unit);
  out.text("/lwidth currentlinewidth def");
}

void writeTrailer(PostScriptStream& out) {
  for (const char* line : {"stroke", "grestore", "showpage", "%%PageTrailer", "", "%%Trailer"}) {
    out.text(line);
  }
  out.format("%%%%Pages: %d 1", 1);
}

// Turns display records into path operators: one path per object, the
// visible part of each drawn segment, and a line width, colour or move only
// where it differs from what the path has already.
class PathWriter {
 public:
  PathWriter(PostScriptStream& out, const Rect& view, const PlaneMapping& mapping,
             double widthScale)
      : out_(out), view_(view), mapping_(mapping), widthScale_(widthScale) {}

  void write(const DisplayRecord& record) {
    const PagePoint point{record.x, record.y};
    switch (record.kind) {
      case kBeginObject: return beginObject();
      case kEndObject: return endObject();
      case kMove: pen_ = point; return;
      case kDraw: return draw(record, point);
      default: return;
    }
  }

 private:
  void forgetStyle() {
    lastPoint_ = {kNoPoint, kNoPoint};
    lastWidth_ = -1.0f;
    lastColour_ = -1;
  }

  void beginObject() {
    forgetStyle();
    if (pathOpen_) return;
    out_.text("newpath");
    pathOpen_ = true;
  }

  void endObject() {
    forgetStyle();
    if (!pathOpen_) return;
    out_.text("stroke");
    pathOpen_ = false;
  }

  void draw(const DisplayRecord& record, PagePoint to) {
    PagePoint from = pen_;
    pen_ = to;
    if (!clipSegment(view_, from, to)) return;
    const float width = record.width > 0.0f ? record.width : kDefaultLineWidth;
    if (width != lastWidth_) {
      out_.format("%d setlinewidth", truncateToInt(widthScale_ * width));
    }
    if (record.colour != lastColour_) {
      const PaperColour colour = paperColour(record.colour);
      out_.format("%f %f %f setrgbcolor", colour.red, colour.green, colour.blue);
    }
    const DevicePoint start = toPaper(mapping_, from);
    const DevicePoint end = toPaper(mapping_, to);
    if (start != lastPoint_) out_.pathPoint(start, 'm');
    out_.pathPoint(end, 'l');
    lastPoint_ = end;
    lastWidth_ = width;
    lastColour_ = record.colour;
    pathOpen_ = true;
  }

  static constexpr int kNoPoint = -10000;

  PostScriptStream& out_;
  const Rect& view_;
  const PlaneMapping& mapping_;
  double widthScale_;  // file units per unit of record width
  PagePoint pen_;
  DevicePoint lastPoint_{kNoPoint, kNoPoint};
  float lastWidth_ = -1.0f;
  int lastColour_ = -1;
  bool pathOpen_ = false;
};

}  // namespace

PlaneMapping paperMapping(const FramePicture& frame, const Rect& view) {
  return mapViewToPaper(view, drawingBox(frame));
}

std::string postScriptTimeStamp(const std::tm& localTime) {
  char text[96];
  std::snprintf(text, sizeof text, "%04d/%02d/%02d.%02d:%02d:%02d", localTime.tm_year + 1900,
                localTime.tm_mon + 1, localTime.tm_mday, localTime.tm_hour, localTime.tm_min,
                localTime.tm_sec);
  return text;
}

std::string currentPostScriptTimeStamp() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  ::localtime_r(&now, &local);
  return postScriptTimeStamp(local);
}

PostScriptStatus writePostScript(const FramePicture& frame, const Rect& view, const std::filesystem::path& path,
                                 double lineWidth, const PostScriptOrigin& origin,
                                 const DisplayList* overlay) {
  if (!(view.x0 < view.x1 && view.y0 < view.y1)) return kPostScriptNoSuchView;
  common::ReplacementFile file(path);
  if (file.stream() == nullptr) return kPostScriptOpenFailed;

  PostScriptStream out(file.stream());
  const Rect& viewBox = view;
  const PlaneMapping mapping = paperMapping(frame, view);
  const double unit = frame.postScript.unitInPoints;
  writeHeader(out, frame, viewBox, mapping, origin);
  writePageSetup(out, unit, lineWidth);
  PathWriter paths(out, viewBox, mapping, lineWidth / unit);
  const auto write = [&](const DisplayRecord& record) {
    if (out.ok()) paths.write(record);
  };
  frame.displayList.forEach(write);
  if (overlay != nullptr) overlay->forEach(write);
  writeTrailer(out);
  return out.ok() && file.commit() ? kPostScriptWritten : kPostScriptWriteFailed;
}

}  // namespace vexplot

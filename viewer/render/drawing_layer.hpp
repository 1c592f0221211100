#pragma once

#include <span>

#include "viewer/language/frame_state.hpp"
#include "viewer/language/result_codes.hpp"
#include "viewer/render/drawing_device.hpp"
#include "viewer/render/page_point.hpp"

namespace vexplot {

// The pen of the drawing layer: the last point handed to moveTo or drawTo
// (unclipped), and the end of the last visible segment (clipped), after which
// a connected segment needs no new Move record.
struct Pen {
  PagePoint last;
  PagePoint visibleEnd;
  bool hasVisibleEnd = false;
};

// Every line the viewer draws goes through this layer: it clips the segment
// to the frame's clip rectangle, draws it on the device of the frame's plot
// window and records it in the frame's display list. Points are in page
// coordinates; colours are palette indices; widths are line widths (0 for
// the thinnest pen). The drawing calls return kDone, or kOutOfMemory when the
// display list could not grow.
class DrawingLayer {
 public:
  // Without recording (a replay) nothing is added to the display list.
  DrawingLayer(FrameState& frame, DrawingDevice& device, Pen& pen, bool recording = true)
      : frame_(frame), device_(device), pen_(pen), recording_(recording) {}

  FrameState& frame() const { return frame_; }

  void moveTo(PagePoint point) { pen_.last = point; }
  int drawTo(PagePoint point, int colour, float width);
  int segment(PagePoint from, PagePoint to, int colour, float width);
  // A move to the first point and lines to the others, back to the first one
  // when closed.
  int polyline(std::span<const PagePoint> points, bool closed, int colour, float width);
  // The polyline dashed by the pattern's lengths; a pattern of fewer than two
  // lengths (or one that cannot be walked) draws it solid.
  int texturedPolyline(std::span<const PagePoint> points, bool closed,
                       std::span<const double> pattern, int colour, float width);

  // Bracket one object (curve, axis side, string, arrow) in the display list.
  int beginObject(float width) { return record(kBeginObject, {}, 0, width); }
  int endObject(float width) { return record(kEndObject, {}, 0, width); }

  // While set, the secondary clip rectangle (the window box for data) takes
  // the place of the primary one. A rectangle with x0 >= x1 or y0 >= y1
  // changes nothing.
  void setSecondaryClip(const Rect& rectangle);
  void clearSecondaryClip() { frame_.secondaryClipOn = false; }

  // Device operations that are not recorded: a filled rectangle between two
  // corners given in any order, and the whole area in the background colour.
  void fillRect(DevicePoint corner, DevicePoint opposite, int colour, int hatch);
  void clearWindow() { device_.clear(); }

 private:
  int record(DisplayKind kind, PagePoint point, int colour, float width);

  FrameState& frame_;
  DrawingDevice& device_;
  Pen& pen_;
  bool recording_;
};

// Keeps the secondary clip on the frame's window box while data are drawn.
class WindowBoxClip {
 public:
  WindowBoxClip(DrawingLayer& layer, bool on) : layer_(layer), on_(on) {
    if (on_) layer_.setSecondaryClip(layer_.frame().windowBox);
  }
  ~WindowBoxClip() {
    if (on_) layer_.clearSecondaryClip();
  }
  WindowBoxClip(const WindowBoxClip&) = delete;
  WindowBoxClip& operator=(const WindowBoxClip&) = delete;

 private:
  DrawingLayer& layer_;
  bool on_;
};

// Draws one object: body() between its begin and end records. Returns the
// first code other than kDone.
template <class Body>
int drawObject(DrawingLayer& layer, float width, Body&& body) {
  int code = layer.beginObject(width);
  if (code == kDone) code = body();
  return code == kDone ? layer.endObject(width) : code;
}

// Draws the frame's display list again on the device, without recording, in
// the frame's current view: the view is the clip rectangle and the device
// mapping fills the device with it.
void replay(FrameState& frame, DrawingDevice& device);

}  // namespace vexplot

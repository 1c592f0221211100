#pragma once

#include <span>

#include "viewer/language/frame_state.hpp"
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
// to the current view (or to the secondary clip rectangle while that is
// set), draws it on the device under the view's mapping and records it in a
// display list. Points are in page coordinates; colours are palette indices;
// widths are line widths (0 for the thinnest pen). A display list that
// cannot grow throws std::bad_alloc.
class DrawingLayer {
 public:
  // The layer of a frame being drawn: its whole page on its plot window's
  // device, recorded in its display list.
  DrawingLayer(FrameState& frame, DrawingDevice& device, Pen& pen)
      : frame_(&frame), view_(frame.view), device_(device), pen_(pen), recording_(&frame.drawing().displayList) {}
  // A layer of no frame: the view on the device, recorded in recording
  // unless that is nullptr.
  DrawingLayer(const ViewState& view, DrawingDevice& device, Pen& pen, DisplayList* recording)
      : view_(view), device_(device), pen_(pen), recording_(recording) {}

  // The frame being drawn; only for layers of a frame.
  FrameState& frame() const { return *frame_; }
  const ViewState& view() const { return view_; }

  void moveTo(PagePoint point) { pen_.last = point; }
  void drawTo(PagePoint point, int colour, float width);
  void segment(PagePoint from, PagePoint to, int colour, float width);
  // A move to the first point and lines to the others, back to the first one
  // when closed.
  void polyline(std::span<const PagePoint> points, bool closed, int colour, float width);
  // The polyline dashed by the pattern's lengths; a pattern of fewer than two
  // lengths (or one that cannot be walked) draws it solid.
  void texturedPolyline(std::span<const PagePoint> points, bool closed,
                        std::span<const double> pattern, int colour, float width);

  // Bracket one object (curve, axis side, string, arrow) in the display list.
  void beginObject(float width) { record(kBeginObject, {}, 0, width); }
  void endObject(float width) { record(kEndObject, {}, 0, width); }

  // While set, the secondary clip rectangle (the window box for data) takes
  // the place of the primary one. A rectangle with x0 >= x1 or y0 >= y1
  // changes nothing.
  void setSecondaryClip(const Rect& rectangle);
  void clearSecondaryClip() { secondaryClipOn_ = false; }
  const Rect& secondaryClip() const { return secondaryClip_; }

  // Device operations that are not recorded: a filled rectangle between two
  // corners given in any order, and the whole area in the background colour.
  void fillRect(DevicePoint corner, DevicePoint opposite, int colour, int hatch);
  void clearWindow() { device_.clear(); }

 private:
  void record(DisplayKind kind, PagePoint point, int colour, float width);

  FrameState* frame_ = nullptr;
  const ViewState& view_;
  DrawingDevice& device_;
  Pen& pen_;
  DisplayList* recording_;
  Rect secondaryClip_;
  bool secondaryClipOn_ = false;
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

// Draws one object: body() between its begin and end records.
template <class Body>
void drawObject(DrawingLayer& layer, float width, Body&& body) {
  layer.beginObject(width);
  body();
  layer.endObject(width);
}

// Draws a display list again on the device, without recording, in the
// current view: the view is the clip rectangle and the device mapping fills
// the device with it.
void replay(const DisplayList& list, const ViewState& view, DrawingDevice& device);

}  // namespace vexplot

#pragma once

#include <array>
#include <string>

// The records a frame keeps besides its settings: geometry boxes and
// transforms, queued titles, arrows and figures, and the coordinate regions
// its data were drawn in.
namespace vexplot {

// An axis-parallel box; in page units unless noted.
struct Rect {
  double x0 = 0.0;
  double x1 = 0.0;
  double y0 = 0.0;
  double y1 = 0.0;

  bool operator==(const Rect&) const = default;
};

// page = value * scale + offset, per axis (data to page, or page to device).
struct AxisMapping {
  double scale = 1.0;
  double offset = 0.0;
};

struct PlaneMapping {
  AxisMapping x;
  AxisMapping y;
};

// The paper of the PostScript output, in units of 0.01 point.
struct PostScriptPage {
  double unitInPoints = 0.01;
  double paperWidth = 61200.0;
  double paperHeight = 79200.0;
  double marginLeft = 3000.0;
  double marginRight = 3000.0;
  double marginBottom = 3000.0;
  double marginTop = 3000.0;
};

// A symbol code: two characters, '\0' where absent.
using SymbolCode = std::array<char, 2>;

// Where a title stands.
inline constexpr int kTitleAtPosition = -1;
inline constexpr int kTitleBelowPrevious = -2;

struct TitleText {
  int frameNumber = 0;
  std::string text;
  std::string caseLine;
  int placement = kTitleAtPosition;  // a side 0..3, or one of the two above
  double x = 0.0;
  double y = 0.0;
  bool xIsData = false;
  bool yIsData = false;
  double lineValue = 1.0;
  double lineSpacing = 0.0;
  double justification = 0.0;
  double angle = 0.0;
  double size = 0.1;
  bool drawn = false;
};

// Where the last title drawn in a frame stands: the centre of its first
// character on the page, its character height (size times aspect) and its
// angle. A title continuing below it is placed from these.
struct TitleTrail {
  bool present = false;
  double x = 0.0;
  double y = 0.0;
  double characterHeight = 0.0;
  double angle = 0.0;
};

struct ArrowEnd {
  double x = 0.0;
  double y = 0.0;
  bool isData = false;
  double gap = 0.0;
};

struct QueuedArrow {
  ArrowEnd from;
  ArrowEnd to;
  double headLength = 0.0;
  double headWidthRatio = 0.0;
  int colour = 0;
  bool drawn = false;
};

enum FigureKind { kFigureBox = 0, kFigureDiamond = 1, kFigureEllipse = 2 };

struct QueuedFigure {
  int kind = kFigureBox;
  double x = 0.0;
  double y = 0.0;
  bool isData = false;
  bool hasSize = false;  // without a size the frame's boxSize applies when drawn
  double width = 0.0;
  double height = 0.0;
  int colour = 0;
  bool drawn = false;
};

// The text of an axis description (a title beside the left or the bottom
// side of the window box) with its case letters and character size.
struct AxisDescription {
  std::string text;
  std::string caseLine;
  double size = 0.0;  // 0: none
};

// What a scale drawn over a magnified view takes from its frame: the tick
// rules of the axes, the labels' size, aspect and font, the tick size, and
// the descriptions of the x (bottom) and y (left) axis.
struct ScaleStyle {
  std::array<std::array<int, 2>, 2> tickParams{{{6, 0}, {6, 0}}};
  double tickSize = 0.1;
  double labelSize = 0.16;
  double labelAspect = 1.2;
  int font = 0;
  std::array<AxisDescription, 2> descriptions;  // by axis: x, y
};

// A combination of window box, limits and axis scales that data were drawn
// in; the plot window reads data coordinates out through it.
struct CoordinateRegion {
  Rect window;
  Rect limits;
  std::array<bool, 2> logScale{false, false};

  bool operator==(const CoordinateRegion&) const = default;
};

}  // namespace vexplot

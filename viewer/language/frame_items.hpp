#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The records a frame keeps besides its settings: geometry boxes and
// transforms, collected points, queued titles, arrows and figures, and the
// recorded drawing.
namespace vexplot {

// An axis-parallel box; in page units unless noted.
struct Rect {
  double x0 = 0.0;
  double x1 = 0.0;
  double y0 = 0.0;
  double y1 = 0.0;
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

// The data points of a frame: columnCount values per point in the order of the
// frame's numeric columns, and each point's own symbol ({0, 0}: none).
struct PointSet {
  int columnCount = 0;
  std::vector<double> values;
  std::vector<SymbolCode> symbols;

  std::size_t count() const { return symbols.size(); }
};

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

// One recorded drawing step, in page coordinates.
enum DisplayKind : std::int32_t { kMove = 0, kDraw = 1, kBeginObject = 5, kEndObject = 6 };

struct DisplayRecord {
  std::int32_t kind = kMove;
  std::int32_t colour = 0;
  float width = 0.0f;
  float x = 0.0f;
  float y = 0.0f;
};

using DisplayList = std::vector<DisplayRecord>;

}  // namespace vexplot

#pragma once

#include <array>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "viewer/language/frame_items.hpp"
#include "viewer/language/frame_picture.hpp"
#include "viewer/language/point_set.hpp"
#include "viewer/language/view_state.hpp"

namespace vexplot {

class FrameDrawing;

enum Side { kLeft = 0, kRight = 1, kBottom = 2, kTop = 3 };
inline constexpr int kAllSides = 4;

enum Axis { kAxisX = 0, kAxisY = 1 };

// Column codes of a frame's data order.
enum ColumnCode { kColumnX = 0, kColumnY, kColumnZ, kColumnDX, kColumnDY, kColumnDZ,
                  kColumnSymbol, kColumnDummy };
// Entries of columnOfItem for order items that hold no number.
inline constexpr int kItemIsSymbol = -2;
inline constexpr int kItemIsDummy = -1;

inline constexpr int kMaxOrderItems = 20;
inline constexpr int kMaxPatternLengths = 20;

enum Texture { kSolid = 0, kDash = 1, kDotDash = 2, kDot = 3, kPatterned = 4 };
enum Font { kSimplex = 0, kDuplex = 1, kUbcFont = 2 };
enum GridMode { kGridOff = 0, kGridHorizontal = 1, kGridVertical = 2, kGridOn = 3, kGridSymbol = 4 };

// Which of the side switches setSideFlag changes.
enum SideFlag { kAxisFlag, kTicksFlag, kLabelsFlag };

// The range given for one axis by SET WINDOW or SET LIMIT.
struct AxisRange {
  bool given = false;
  double low = 0.0;
  double high = 0.0;
};
using AxisRanges = std::array<AxisRange, 2>;

// One frame of a plot file: its page and window geometry, data limits, axis
// switches, line, symbol, text and colour settings, collected points and
// queued items, as the language fills them, and the picture that the drawing
// makes of it. The setters ignore values outside their ranges.
struct FrameState {
  FrameState(int number, std::string_view inputBaseName, double pixelWidth, double pixelHeight);

  // Identity and page.
  std::string title;
  int frameNumber;
  bool windowOpen = false;
  bool landscape = true;
  double pixelWidth;
  double pixelHeight;
  Rect pageBox{0.0, 13.0, 0.0, 10.0};
  PostScriptPage postScript;
  ViewState view;  // the whole page on the drawing area, while the frame is drawn

  // Axes and coordinates.
  Rect windowBox;
  Rect limits;
  std::array<bool, 2> limitsSet{false, false};
  PlaneMapping dataTransform;
  bool dataTransformValid = false;
  std::array<bool, 4> axisOn{true, true, true, true};
  std::array<bool, 4> ticksOn{true, true, true, true};
  std::array<bool, 4> labelsOn{true, false, true, false};
  std::array<bool, 4> axisDrawn{false, false, false, false};
  std::array<std::vector<double>, 2> tickPositions;
  std::array<std::array<int, 2>, 2> tickParams{{{6, 0}, {6, 0}}};
  std::array<bool, 2> logScale{false, false};
  double tickSize = 0.1;
  double labelSize = 0.16;
  double labelAspect = 1.2;

  // Lines, symbols and data.
  float lineWidth = 2.0f;
  int texture = kSolid;
  std::vector<double> userPattern;
  std::vector<int> order{kColumnX, kColumnY, kColumnDX, kColumnDY, kColumnSymbol};
  std::vector<int> numericColumns{kColumnX, kColumnY, kColumnDX, kColumnDY};
  std::vector<int> columnOfItem{0, 1, 2, 3, kItemIsSymbol};
  std::unique_ptr<PointSet> pointSet;
  bool pointSetUsed = false;
  SymbolCode symbol{'0', 'O'};
  double symbolSize = 0.1;

  // Text, colour and figures.
  int font = kSimplex;
  int colour = 0;
  int backgroundColour = 15;
  double titleSize = 0.2;
  std::vector<TitleText> titles;
  TitleTrail lastTitle;
  std::array<std::array<double, 2>, 3> boxSize{{{1.0, 1.0}, {1.0, 1.0}, {1.0, 1.0}}};
  std::vector<QueuedFigure> figures;
  std::vector<QueuedArrow> arrows;
  double arrowSize = 0.2;
  double arrowFlare = 0.5;
  int gridMode = kGridOff;
  bool gridOn = false;  // a grid is set and waits to be drawn
  SymbolCode gridSymbol{'\0', '\0'};
  double gridSymbolSize = 0.0;

  int numericCount() const { return static_cast<int>(numericColumns.size()); }

  // The picture: as drawn so far while the frame is drawn, as finished once
  // it has ended.
  const FramePicture& picture() const { return finished_ ? *finished_ : *drawing_; }
  // The picture being drawn; only until the frame has ended.
  FramePicture& drawing() { return *drawing_; }
  // Ends the frame's picture: it takes the frame's title, number, page,
  // paper, background, drawing area and scale settings, and is frozen.
  // Returns it, read only from now on; a second call returns the same.
  std::shared_ptr<const FramePicture> finishPicture();
  // The finished picture; nullptr while the frame is drawn.
  const std::shared_ptr<const FramePicture>& finishedPicture() const { return finished_; }

  // The dash and gap lengths of a texture, in page units.
  std::span<const double> textureLengths(int index) const;

  void setPageSize(double width, double height);
  // The drawing area's size in pixels, once the plot window is open; the
  // page-to-device mapping follows it.
  void setScreenSize(double width, double height) { view.setDeviceSize(width, height); }
  // Both draw the pending decorations in the old coordinates first and return
  // that drawing's result.
  int setWindow(FrameDrawing& drawing, const AxisRanges& ranges);
  int setLimits(FrameDrawing& drawing, const AxisRanges& ranges);
  // Stores the limits of one axis as SET LIMIT does once the pending items
  // are drawn: the sides that carry the axis are drawn again, its tick
  // positions forgotten and the data transform recomputed.
  void storeLimits(int axis, double low, double high);
  void setSideFlag(SideFlag kind, int side, bool on);
  void setTickSize(double size);
  void setLabelSize(double size);
  void setOrder(std::span<const int> codes);
  void setSymbol(std::string_view code);
  void setSymbolSize(double size);
  void setScale(int axis, bool logarithmic);
  void setTickParams(int axis, int first, int second);
  void setLineWidth(double width);
  void setPattern(std::span<const double> lengths);
  void setTexture(int index);
  void setFont(int index);
  void setColour(int index);
  void setTitleSize(double size);
  void setBoxSize(int figure, double width, double height);
  void setArrowSize(double size);
  void setArrowFlare(double flare);
  // symbol empty: none given.
  void setGrid(int mode, std::string_view symbol, double size);

  // Queue an arrow or a figure for the next drawing of the pending items; a
  // slot whose item has been drawn is used again. Throw std::bad_alloc when
  // the queue cannot grow.
  void addArrow(const QueuedArrow& arrow);
  void addBox(const QueuedFigure& figure);

 private:
  void resetWindowBox();
  ScaleStyle scaleStyle() const;

  std::shared_ptr<FramePicture> drawing_ = std::make_shared<FramePicture>();
  std::shared_ptr<const FramePicture> finished_;
};

// The first two characters of a symbol text, '\0' where it is shorter.
SymbolCode makeSymbolCode(std::string_view text);

}  // namespace vexplot

#include "viewer/language/frame_state.hpp"

#include <algorithm>
#include <cmath>

#include "viewer/language/frame_drawing.hpp"

namespace vexplot {

namespace {

constexpr double kSolidLengths[] = {1000.0};
constexpr double kDashLengths[] = {0.2, 0.15};
constexpr double kDotDashLengths[] = {0.2, 0.1, 0.05, 0.1};
constexpr double kDotLengths[] = {0.05, 0.1};

bool isAxis(int axis) { return axis == kAxisX || axis == kAxisY; }

double& lowOf(Rect& box, int axis) { return axis == kAxisX ? box.x0 : box.y0; }
double& highOf(Rect& box, int axis) { return axis == kAxisX ? box.x1 : box.y1; }

}  // namespace

SymbolCode makeSymbolCode(std::string_view text) {
  SymbolCode code{'\0', '\0'};
  for (std::size_t i = 0; i < code.size() && i < text.size(); ++i) code[i] = text[i];
  return code;
}

FrameState::FrameState(int number, std::string_view inputBaseName, double width, double height)
    : title(std::string("#").append(std::to_string(number)).append(" ").append(inputBaseName)),
      frameNumber(number),
      pixelWidth(width),
      pixelHeight(height),
      view(pageBox, width, height) {
  resetWindowBox();
}

std::shared_ptr<const FramePicture> FrameState::finishPicture() {
  if (finished_) return finished_;
  FramePicture& picture = *drawing_;
  picture.title = title;
  picture.frameNumber = frameNumber;
  picture.pageBox = pageBox;
  picture.postScript = postScript;
  picture.landscape = landscape;
  picture.backgroundColour = backgroundColour;
  picture.deviceWidth = view.deviceWidth();
  picture.deviceHeight = view.deviceHeight();
  picture.scaleStyle = scaleStyle();
  finished_ = std::move(drawing_);
  return finished_;
}

// The frame's first titles beside the bottom and the left side describe the
// x and the y axis.
ScaleStyle FrameState::scaleStyle() const {
  ScaleStyle style;
  style.tickParams = tickParams;
  style.tickSize = tickSize;
  style.labelSize = labelSize;
  style.labelAspect = labelAspect;
  style.font = font;
  // The x axis is described below the window box, the y axis left of it.
  constexpr std::array<int, 2> kDescribedSide{kBottom, kLeft};
  for (const int axis : {kAxisX, kAxisY}) {
    const int side = kDescribedSide[static_cast<std::size_t>(axis)];
    const auto described = std::find_if(titles.begin(), titles.end(),
                                        [side](const TitleText& t) { return t.placement == side; });
    if (described != titles.end()) {
      style.descriptions[static_cast<std::size_t>(axis)] = {described->text, described->caseLine,
                                                            described->size};
    }
  }
  return style;
}

// The window box runs from 20 % to 90 % of the page in each direction.
void FrameState::resetWindowBox() {
  const double width = pageBox.x1 - pageBox.x0;
  const double height = pageBox.y1 - pageBox.y0;
  windowBox = {pageBox.x0 + 0.2 * width, pageBox.x1 - 0.1 * width, pageBox.y0 + 0.2 * height,
               pageBox.y1 - 0.1 * height};
}

std::span<const double> FrameState::textureLengths(int index) const {
  switch (index) {
    case kDash: return kDashLengths;
    case kDotDash: return kDotDashLengths;
    case kDot: return kDotLengths;
    case kPatterned: return userPattern;
    default: return kSolidLengths;
  }
}

void FrameState::setPageSize(double width, double height) {
  if (!(width > 0.0 && height > 0.0)) return;
  pageBox = {0.0, width, 0.0, height};
  view.resetPage(pageBox);
  resetWindowBox();
  limitsSet = {false, false};
  dataTransformValid = false;
}

int FrameState::setWindow(FrameDrawing& drawing, const AxisRanges& ranges) {
  const int code = drawing.drawPendingDecorations(*this);
  for (int axis : {kAxisX, kAxisY}) {
    const AxisRange& range = ranges[axis];
    if (!range.given || !(range.low < range.high)) continue;
    lowOf(windowBox, axis) = range.low;
    highOf(windowBox, axis) = range.high;
    // The X window places the left and right axes, the Y window the others.
    const int first = axis == kAxisX ? kLeft : kBottom;
    axisDrawn[first] = axisDrawn[first + 1] = false;
    tickPositions[axis].clear();
  }
  dataTransformValid = false;
  gridMode = kGridOff;
  gridOn = false;
  return code;
}

int FrameState::setLimits(FrameDrawing& drawing, const AxisRanges& ranges) {
  const int code = drawing.drawPendingDecorations(*this);
  for (int axis : {kAxisX, kAxisY}) {
    const AxisRange& range = ranges[axis];
    if (range.given && range.low != range.high) storeLimits(axis, range.low, range.high);
  }
  dataTransformValid = false;
  return code;
}

void FrameState::storeLimits(int axis, double low, double high) {
  if (!isAxis(axis)) return;
  lowOf(limits, axis) = low;
  highOf(limits, axis) = high;
  limitsSet[axis] = true;
  // X limits label the bottom and top axes, Y limits the others.
  const int first = axis == kAxisX ? kBottom : kLeft;
  axisDrawn[first] = axisDrawn[first + 1] = false;
  tickPositions[axis].clear();
  dataTransformValid = false;
}

void FrameState::setSideFlag(SideFlag kind, int side, bool on) {
  std::array<bool, 4>& flags = kind == kAxisFlag ? axisOn : kind == kTicksFlag ? ticksOn : labelsOn;
  if (side == kAllSides) {
    flags.fill(on);
  } else if (side >= kLeft && side <= kTop) {
    flags[side] = on;
  }
}

void FrameState::setTickSize(double size) {
  if (size > 0.0) tickSize = size;
}

void FrameState::setLabelSize(double size) {
  if (size > 0.0) labelSize = size;
}

void FrameState::setOrder(std::span<const int> codes) {
  std::vector<int> newOrder(codes.begin(), codes.begin() + std::min<std::size_t>(codes.size(), kMaxOrderItems));
  for (int& code : newOrder) {
    if (code < kColumnX || code > kColumnDummy) code = kColumnDummy;
  }
  if (newOrder == order) return;
  pointSet.reset();
  order = std::move(newOrder);
  numericColumns.clear();
  columnOfItem.clear();
  for (const int code : order) {
    if (code == kColumnSymbol) {
      columnOfItem.push_back(kItemIsSymbol);
    } else if (code == kColumnDummy) {
      columnOfItem.push_back(kItemIsDummy);
    } else {
      columnOfItem.push_back(numericCount());
      numericColumns.push_back(code);
    }
  }
}

void FrameState::setSymbol(std::string_view code) { symbol = makeSymbolCode(code); }

void FrameState::setSymbolSize(double size) { symbolSize = size * 0.1; }

void FrameState::setScale(int axis, bool logarithmic) {
  if (!isAxis(axis)) return;
  logScale[axis] = logarithmic;
  dataTransformValid = false;
}

void FrameState::setTickParams(int axis, int first, int second) {
  if (isAxis(axis)) tickParams[axis] = {first, second};
}

void FrameState::setLineWidth(double width) {
  if (width >= 0.0 && width <= 10.0) lineWidth = static_cast<float>(width);
}

void FrameState::setPattern(std::span<const double> lengths) {
  userPattern.assign(lengths.begin(),
                     lengths.begin() + std::min<std::size_t>(lengths.size(), kMaxPatternLengths));
}

void FrameState::setTexture(int index) {
  if (index >= kSolid && index <= kPatterned) texture = index;
}

void FrameState::setFont(int index) {
  if (index >= kSimplex && index <= kUbcFont) font = index;
}

void FrameState::setColour(int index) {
  if (index >= 0 && index <= 15) colour = index;
}

void FrameState::setTitleSize(double size) {
  if (size != 0.0) titleSize = std::fabs(size);
}

void FrameState::setBoxSize(int figure, double width, double height) {
  if (figure >= kFigureBox && figure <= kFigureEllipse) boxSize[figure] = {width, height};
}

void FrameState::setArrowSize(double size) { arrowSize = size * 0.1; }

void FrameState::setArrowFlare(double flare) { arrowFlare = flare; }

void FrameState::setGrid(int mode, std::string_view gridSymbolText, double size) {
  if (mode < kGridOff || mode > kGridSymbol) return;
  gridMode = mode;
  gridOn = mode != kGridOff;
  if (mode == kGridSymbol) {
    gridSymbol = makeSymbolCode(gridSymbolText.empty() ? std::string_view("0O") : gridSymbolText);
    gridSymbolSize = size > 0.0 ? size : 0.2;
  }
}

namespace {

// Puts item into the first slot whose item has been drawn, else at the end.
template <class Item>
void queueItem(std::vector<Item>& queue, const Item& item) {
  const auto reusable = std::find_if(queue.begin(), queue.end(), [](const Item& old) { return old.drawn; });
  if (reusable != queue.end()) {
    *reusable = item;
  } else {
    queue.push_back(item);
  }
}

}  // namespace

void FrameState::addArrow(const QueuedArrow& arrow) { queueItem(arrows, arrow); }

void FrameState::addBox(const QueuedFigure& figure) { queueItem(figures, figure); }

}  // namespace vexplot

#include "viewer/render/title_placement.hpp"

#include <cmath>
#include <optional>

#include "viewer/render/data_mapping.hpp"
#include "viewer/render/stroke_layout.hpp"

namespace vexplot {

namespace {

// Values that a command writes for a coordinate it left unset.
constexpr double kUnsetMarkers[] = {2147483647.0, 4294967295.0};

// The distance of a side title from the window box, as a share of the box.
constexpr double kSideGap = 0.1;

bool isUnsetMarker(double value) {
  for (const double marker : kUnsetMarkers) {
    if (value == marker) return true;
  }
  return false;
}

// One coordinate of a title at a position: the page value itself, or the
// data value mapped through its axis.
struct Coordinate {
  TitleAnchor::Outcome outcome = TitleAnchor::kDraw;
  double page = 0.0;
};

Coordinate positionCoordinate(FrameState& frame, int axis, double value, bool isData) {
  if (!isData) return {TitleAnchor::kDraw, value};
  if (!frame.limitsSet[axis]) return {TitleAnchor::kWait, 0.0};
  if (isUnsetMarker(value)) return {TitleAnchor::kDrop, 0.0};
  const std::optional<double> page = mapDataValue(frame, axis, value);
  if (!page) return {TitleAnchor::kDrop, 0.0};
  return {TitleAnchor::kDraw, *page};
}

TitleAnchor atPosition(FrameState& frame, const TitleText& title) {
  const Coordinate x = positionCoordinate(frame, kAxisX, title.x, title.xIsData);
  const Coordinate y = positionCoordinate(frame, kAxisY, title.y, title.yIsData);
  if (x.outcome == TitleAnchor::kDrop || y.outcome == TitleAnchor::kDrop) return {};
  if (x.outcome == TitleAnchor::kWait || y.outcome == TitleAnchor::kWait) {
    return {TitleAnchor::kWait, {}, 0.0};
  }
  return {TitleAnchor::kDraw, {x.page, y.page}, title.angle};
}

TitleAnchor beside(const FrameState& frame, int side) {
  const Rect& box = frame.windowBox;
  const double gapX = kSideGap * (box.x1 - box.x0);
  const double gapY = kSideGap * (box.y1 - box.y0);
  const double middleX = 0.5 * (box.x0 + box.x1);
  const double middleY = 0.5 * (box.y0 + box.y1);
  switch (side) {
    case kLeft: return {TitleAnchor::kDraw, {box.x0 - gapX, middleY}, 90.0};
    case kRight: return {TitleAnchor::kDraw, {box.x1 + gapX, middleY}, 90.0};
    case kBottom: return {TitleAnchor::kDraw, {middleX, box.y0 - gapY}, 0.0};
    default: return {TitleAnchor::kDraw, {middleX, box.y1 + gapY}, 0.0};
  }
}

TitleAnchor belowLast(const FrameState& frame, const TitleText& title) {
  const TitleTrail& last = frame.lastTitle;
  if (!last.present) return {};
  const double spacing = title.lineSpacing == 0.0 ? 2.0 : title.lineSpacing;
  const double distance = last.characterHeight * spacing;
  const double turn = last.angle * kTextDegree;
  return {TitleAnchor::kDraw,
          {last.x + distance * std::sin(turn), last.y - distance * std::cos(turn)},
          title.angle + last.angle};
}

}  // namespace

TitleAnchor placeTitle(FrameState& frame, const TitleText& title) {
  TitleAnchor anchor;
  switch (title.placement) {
    case kTitleAtPosition: anchor = atPosition(frame, title); break;
    case kTitleBelowPrevious: anchor = belowLast(frame, title); break;
    default: anchor = beside(frame, title.placement); break;
  }
  if (anchor.outcome == TitleAnchor::kDraw && title.lineValue != 1.0) {
    const double lift = 2.0 * (title.lineValue - 1.0) * title.size * frame.labelAspect;
    const double turn = anchor.angle * kTextDegree;
    anchor.anchor.x -= lift * std::sin(turn);
    anchor.anchor.y += lift * std::cos(turn);
  }
  return anchor;
}

}  // namespace vexplot

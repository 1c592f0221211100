#include "viewer/render/clipping.hpp"

namespace vexplot {

namespace {

// The edges a point lies beyond, one bit each in the order they are tried.
enum : unsigned { kBeyondLeft = 1, kBeyondBottom = 2, kBeyondRight = 4, kBeyondTop = 8 };

unsigned edgesBeyond(const Rect& r, PagePoint p) {
  unsigned code = 0;
  if (p.x < r.x0) code |= kBeyondLeft;
  if (p.y < r.y0) code |= kBeyondBottom;
  if (p.x > r.x1) code |= kBeyondRight;
  if (p.y > r.y1) code |= kBeyondTop;
  return code;
}

bool within(double value, double low, double high) { return low <= value && value <= high; }

// The point of the line p-q whose x is x; p and q differ in x because only
// one of them lies beyond the edge.
PagePoint atX(PagePoint p, PagePoint q, double x) {
  return {x, p.y + (x - p.x) * (q.y - p.y) / (q.x - p.x)};
}

PagePoint atY(PagePoint p, PagePoint q, double y) {
  return {p.x + (y - p.y) * (q.x - p.x) / (q.y - p.y), y};
}

// The crossing of the line p-q with an edge (bit 0 left to bit 3 top).
PagePoint crossing(const Rect& r, unsigned edge, PagePoint p, PagePoint q) {
  switch (edge) {
    case 0: return atX(p, q, r.x0);
    case 1: return atY(p, q, r.y0);
    case 2: return atX(p, q, r.x1);
    default: return atY(p, q, r.y1);
  }
}

// Moves the end p, beyond the edges in code, onto the rectangle along the
// line to q; false when no crossing with those edges lies on the rectangle.
bool moveOntoRectangle(const Rect& r, unsigned code, PagePoint& p, PagePoint q) {
  for (unsigned edge = 0; edge < 4; ++edge) {
    if ((code & (1u << edge)) == 0) continue;
    const PagePoint c = crossing(r, edge, p, q);
    const bool verticalEdge = edge % 2 == 0;
    if (verticalEdge ? within(c.y, r.y0, r.y1) : within(c.x, r.x0, r.x1)) {
      p = c;
      return true;
    }
  }
  return false;
}

}  // namespace

bool clipSegment(const Rect& rectangle, PagePoint& a, PagePoint& b) {
  const unsigned codeA = edgesBeyond(rectangle, a);
  const unsigned codeB = edgesBeyond(rectangle, b);
  if ((codeA | codeB) == 0) return true;
  if ((codeA & codeB) != 0) return false;
  // Both crossings are taken on the original line.
  const PagePoint originalA = a;
  const PagePoint originalB = b;
  if (codeA != 0 && !moveOntoRectangle(rectangle, codeA, a, originalB)) return false;
  return codeB == 0 || moveOntoRectangle(rectangle, codeB, b, originalA);
}

}  // namespace vexplot

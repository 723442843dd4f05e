// Which element lies under a pixel of the drawing surface. Pure functions of the
// scene and the pixel: no painter, no widget. Each rule is at its exact bounds
// (a ball r + 1 pixels, point-like elements 6 pixels, links and straight tracks on
// the segment of their ends, circular tracks on their arc, remarks and rectangles
// strictly inside their boxes).
#pragma once

#include <optional>
#include <vector>

#include "scene/reference_points.h"

namespace mb {

// The single rules.
bool BallHit(const Ball& ball, Pixel at);  // stored centre, r + 1
bool PointHit(Pixel element, Pixel at);    // within 6 pixels
bool OnSegmentTest(double x1, double y1, double x2, double y2, Pixel at);
bool OnArcTest(const CircularTrack& track, const ViewScale& view, Pixel at);  // single precision
bool RemarkHit(const Remark& remark, Pixel at);                               // strictly inside its box
template <class Region>
bool RectangleHit(const Region& region, const ViewScale& view, Pixel at) {
    return view.columnOf(region.x1) < at.x && at.x < view.columnOf(region.x2) && view.rowOf(region.y2) < at.y &&
           at.y < view.rowOf(region.y1);
}

// Whether element `e` is under the pixel by its kind's rule (hanging connectors by
// their anchor). False for an index outside the table or not in use.
bool ElementHit(const Scene& scene, ElementRef e, Pixel at);

// Ball indices hit, in table order.
std::vector<int> BallsHit(const Scene& scene, Pixel at);

// The tables in the order the selection click tests them and the right press
// opens the dialogs of what it hits.
extern const ElementKind kHitOrder[15];

// The element a selection click picks: balls before point charges and so on, the
// first hit of most kinds ending the search, the last hit of a link connector
// kept while the search goes on to the later kinds.
std::optional<ElementRef> SelectAt(const Scene& scene, Pixel at);

}  // namespace mb

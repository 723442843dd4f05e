// The point an element is placed and dragged by, in surface pixels: the one get
// and the one move for every kind, beside the records they read and write.
#pragma once

#include <optional>

#include "scene/scene.h"

namespace mb {

// A surface pixel, columns to the right and rows downward.
struct Pixel {
    int x = 0, y = 0;
    friend bool operator==(Pixel, Pixel) = default;
};

// An element of the scene: its kind code and its index in that kind's table.
struct ElementRef {
    ElementKind kind = ElementKind::None;
    int index = -1;
    friend bool operator==(ElementRef, ElementRef) = default;
};

// The surface pixel of a world point as element glyphs place it (truncated).
Pixel GlyphPixel(const ViewScale& view, double x, double y);

// The pixel an element is dragged by: a ball's centre, a point charge's or mass's
// place, a circle's centre, a hung connector's anchor, a straight track's start, a
// region's (x1, y1) corner, a remark's top-left corner. None for link connectors
// (they follow their balls) and for elements not in use.
std::optional<Pixel> ReferencePoint(const Scene& scene, ElementRef e);

// Puts the element's reference point at pixel `to`: world elements at the world
// point of that pixel (a straight track's end keeps its offset and the line form
// follows, a region keeps its size), remarks at the pixel itself, since they stay
// put when the view's scale changes. Links stay; a ball's screen values are left
// for the next redraw to derive.
void MoveReferencePoint(Scene& scene, ElementRef e, Pixel to);

}  // namespace mb

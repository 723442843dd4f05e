// Zooming and panning the view: the metres a pixel shows and the origin's pixel
// change together so that one surface point keeps showing the same world point.
// World positions never change; remarks, which live in surface pixels, stay put.
#pragma once

#include "scene/reference_points.h"
#include "scene/scene.h"

namespace mb {

enum class ZoomRefusal {
    None,
    BallTooLarge,  // some ball's picture would pass the largest radius a ball may have
    OutOfRange,    // the scale or the origin would leave what the file can hold sensibly
};

struct ZoomResult {
    ViewScale view;
    ZoomRefusal refusal = ZoomRefusal::None;
    bool ok() const { return refusal == ZoomRefusal::None; }
};

// The steps of Zoom in and Zoom out: pixels show half or twice the metres.
inline constexpr double kZoomStep = 2.0;
// The scales the view may take, metres per pixel.
inline constexpr double kSmallestMetresPerPixel = 1e-12;
inline constexpr double kLargestMetresPerPixel = 1e12;

// The view magnified `factor` times (below 1 shrinks) about surface pixel `pivot`.
ZoomResult ZoomedView(const Scene& scene, double factor, Pixel pivot);
// The view that shows every world element of the scene inside a surface of
// width x height pixels with `margin` pixels to spare on each side, its scale
// kept where nothing has an extent to fit; balls never grow past their largest.
ZoomResult FittedView(const Scene& scene, int width, int height, int margin);
// The view moved by (dx, dy) pixels, the world following the pointer.
ZoomResult PannedView(const Scene& scene, int dx, int dy);

}  // namespace mb

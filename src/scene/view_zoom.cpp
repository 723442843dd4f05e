#include "scene/view_zoom.h"

#include <algorithm>
#include <cmath>

#include "scene/element_kinds.h"

namespace mb {

namespace {

// Origins stay far inside 32 bits so that pixel arithmetic on them cannot wrap.
constexpr double kLargestOrigin = 1e9;

double LargestBallRadius(const Scene& scene) {
    double r = 0;
    for (int i = 0; i < ElementCount(scene, ElementKind::Ball); ++i)
        if (ElementInUse(scene, ElementKind::Ball, i)) r = std::max(r, scene.balls[i].R);
    return r;
}

// Checks a proposed scale and unrounded origin and builds the view from them.
ZoomResult Checked(const Scene& scene, double metresPerPixel, double originX, double originY) {
    ZoomResult out{scene.view, ZoomRefusal::None};
    if (!std::isfinite(metresPerPixel) || metresPerPixel < kSmallestMetresPerPixel ||
        metresPerPixel > kLargestMetresPerPixel || !std::isfinite(originX) || !std::isfinite(originY) ||
        std::abs(originX) > kLargestOrigin || std::abs(originY) > kLargestOrigin) {
        out.refusal = ZoomRefusal::OutOfRange;
        return out;
    }
    // Only a finer scale can make a ball too large; a scene loaded with one may still pan.
    if (metresPerPixel < scene.view.MetresPerPixel && LargestBallRadius(scene) / metresPerPixel > kMaxBallPixelRadius) {
        out.refusal = ZoomRefusal::BallTooLarge;
        return out;
    }
    ViewScale view = scene.view;
    view.MetresPerPixel = metresPerPixel;
    view.OriginX = static_cast<std::int32_t>(std::lround(originX));
    view.OriginY = static_cast<std::int32_t>(std::lround(originY));
    // Every ball must keep a place a pixel can hold, or the project could not be read back.
    for (int i = 0; i < scene.balls.count(); ++i)
        if (!view.holdsBallAt(scene.balls[i].x0, scene.balls[i].y0)) {
            out.refusal = ZoomRefusal::OutOfRange;
            return out;
        }
    out.view = view;
    return out;
}

}  // namespace

ZoomResult ZoomedView(const Scene& scene, double factor, Pixel pivot) {
    const ViewScale& v = scene.view;
    const double m = v.MetresPerPixel / factor;
    // The world point under the pivot: (pivot - origin) * scale stays the same.
    const double ox = pivot.x - (pivot.x - v.OriginX) * factor;
    const double oy = pivot.y - (pivot.y - v.OriginY) * factor;
    return Checked(scene, m, ox, oy);
}

ZoomResult FittedView(const Scene& scene, int width, int height, int margin) {
    const ViewScale& v = scene.view;
    double left = INFINITY, right = -INFINITY, bottom = INFINITY, top = -INFINITY;
    auto take = [&](double x, double y, double r) {
        left = std::min(left, x - r);
        right = std::max(right, x + r);
        bottom = std::min(bottom, y - r);
        top = std::max(top, y + r);
    };
    for (ElementKind kind : kTableKinds) {
        if (kind == ElementKind::Remark) continue;  // remarks keep their pixels
        for (int i = 0; i < ElementCount(scene, kind); ++i) {
            if (!ElementInUse(scene, kind, i)) continue;
            if (kind == ElementKind::Ball) {
                const Ball& b = scene.balls[i];
                take(b.x0, b.y0, b.R);
            } else if (const auto p = ReferencePoint(scene, {kind, i})) {
                take(v.worldX(p->x), v.worldY(p->y), 0);
            }
        }
    }
    if (!(left <= right)) return {v, ZoomRefusal::None};  // nothing to fit
    const double w = std::max(1, width - 2 * margin), h = std::max(1, height - 2 * margin);
    double m = std::max((right - left) / w, (top - bottom) / h);
    if (!(m > 0)) m = v.MetresPerPixel;
    // A hair above the largest ball's limit, so that rounding cannot put it past.
    m = std::max(m, LargestBallRadius(scene) / kMaxBallPixelRadius * (1 + 1e-12));
    const double cx = (left + right) / 2, cy = (bottom + top) / 2;
    return Checked(scene, m, width / 2.0 - cx / m, height / 2.0 + cy / m);
}

ZoomResult PannedView(const Scene& scene, int dx, int dy) {
    const ViewScale& v = scene.view;
    return Checked(scene, v.MetresPerPixel, double(v.OriginX) + dx, double(v.OriginY) + dy);
}

}  // namespace mb

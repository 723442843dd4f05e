#include "scene/reference_points.h"

#include <type_traits>

#include "scene/element_kinds.h"

namespace mb {

Pixel GlyphPixel(const ViewScale& view, double x, double y) {
    return {view.glyphColumn(x), view.glyphRow(y)};
}

std::optional<Pixel> ReferencePoint(const Scene& scene, ElementRef e) {
    if (!ElementInUse(scene, e.kind, e.index)) return std::nullopt;
    const ViewScale& v = scene.view;
    return VisitTable(scene, e.kind, [&](const auto& table) -> std::optional<Pixel> {
        using R = std::decay_t<decltype(table[0])>;
        const R& r = table[e.index];
        if constexpr (std::is_same_v<R, Remark>) {
            return Pixel{r.x, r.y};
        } else if constexpr (std::is_same_v<R, Ball>) {
            return Pixel{r.screenX, r.screenY};
        } else if constexpr (std::is_same_v<R, PointChargeField> || std::is_same_v<R, GravityMass>) {
            return GlyphPixel(v, r.x, r.y);
        } else if constexpr (std::is_same_v<R, HangingConnector>) {
            return GlyphPixel(v, r.anchorX, r.anchorY);
        } else if constexpr (std::is_same_v<R, LinkConnector>) {
            return std::nullopt;
        } else if constexpr (std::is_same_v<R, StraightTrack>) {
            return GlyphPixel(v, r.xs, r.ys);
        } else if constexpr (std::is_same_v<R, CircularTrack>) {
            return GlyphPixel(v, r.cx, r.cy);
        } else {
            return GlyphPixel(v, r.x1, r.y1);
        }
    });
}

void MoveReferencePoint(Scene& scene, ElementRef e, Pixel to) {
    if (!HasTable(e.kind) || e.index < 0 || e.index >= KindInfoOf(e.kind).capacity) return;
    const double x = scene.view.worldX(to.x), y = scene.view.worldY(to.y);
    VisitTable(scene, e.kind, [&](auto& table) {
        auto& r = table[e.index];
        using R = std::decay_t<decltype(r)>;
        if constexpr (std::is_same_v<R, Remark>) {
            r.x = to.x;
            r.y = to.y;
        } else if constexpr (std::is_same_v<R, Ball>) {
            r.x0 = x;
            r.y0 = y;
        } else if constexpr (std::is_same_v<R, PointChargeField> || std::is_same_v<R, GravityMass>) {
            r.x = x;
            r.y = y;
        } else if constexpr (std::is_same_v<R, CircularTrack>) {
            r.cx = x;
            r.cy = y;
        } else if constexpr (std::is_same_v<R, HangingConnector>) {
            r.anchorX = x;
            r.anchorY = y;
        } else if constexpr (std::is_same_v<R, StraightTrack>) {
            const double dx = r.xe - r.xs, dy = r.ye - r.ys;
            StraightTrack moved = MakeStraightTrack(x, y, x + dx, y + dy);
            moved.spare1 = r.spare1;
            moved.spare2 = r.spare2;
            r = moved;
        } else if constexpr (std::is_same_v<R, LinkConnector>) {
            // nothing of their own to move
        } else {
            const double width = r.x2 - r.x1, height = r.y2 - r.y1;
            r.x1 = x;
            r.y1 = y;
            r.x2 = x + width;
            r.y2 = y + height;
        }
    });
}

}  // namespace mb

#include "editor/hit_tests.h"

#include <cmath>
#include <cstdlib>
#include <numbers>

#include "scene/element_kinds.h"

namespace mb {

const ElementKind kHitOrder[15] = {ElementKind::Ball,          ElementKind::PointCharge,   ElementKind::GravityMass,
                                   ElementKind::HangingSpring, ElementKind::LinkSpring,    ElementKind::HangingCord,
                                   ElementKind::LinkCord,      ElementKind::HangingPole,   ElementKind::LinkPole,
                                   ElementKind::StraightTrack, ElementKind::CircularTrack, ElementKind::Remark,
                                   ElementKind::ElectricField, ElementKind::Damping,       ElementKind::MagneticField};

bool BallHit(const Ball& ball, Pixel at) {
    // Widened before the difference: an element far off the surface sits near the int limits.
    const long long dx = 0LL + at.x - ball.screenX, dy = 0LL + at.y - ball.screenY, r = ball.pixelRadius + 1LL;
    if (std::llabs(dx) > r || std::llabs(dy) > r) return false;  // and the squares cannot overflow
    return dx * dx + dy * dy <= r * r;
}

bool PointHit(Pixel element, Pixel at) {
    const long long dx = 0LL + at.x - element.x, dy = 0LL + at.y - element.y;
    if (std::llabs(dx) > 6 || std::llabs(dy) > 6) return false;  // and the squares cannot overflow
    return dx * dx + dy * dy <= 36;
}

bool OnSegmentTest(double x1, double y1, double x2, double y2, Pixel at) {
    const double d1 = std::hypot(at.x - x1, at.y - y1);
    const double d2 = std::hypot(at.x - x2, at.y - y2);
    const double L = std::hypot(x2 - x1, y2 - y1);
    if (!std::isfinite(d1 + d2) || !std::isfinite(L)) return false;
    return std::trunc(d1 + d2) == std::trunc(L);
}

bool OnArcTest(const CircularTrack& t, const ViewScale& view, Pixel at) {
    // Single precision throughout, as the track's hit rule has always been reckoned.
    const float s = static_cast<float>(view.MetresPerPixel);
    const float cx = static_cast<float>(view.OriginX) + static_cast<float>(t.cx) / s;
    const float cy = static_cast<float>(view.OriginY) - static_cast<float>(t.cy) / s;
    const float d = std::sqrt((at.x - cx) * (at.x - cx) + (at.y - cy) * (at.y - cy));
    if (!(std::fabs(d - static_cast<float>(t.radius) / s) <= 3.0f)) return false;
    const float w = static_cast<float>(view.worldX(at.x)) - static_cast<float>(t.cx);
    const float h = static_cast<float>(view.worldY(at.y)) - static_cast<float>(t.cy);
    const float n = std::sqrt(w * w + h * h);
    if (n < 1e-10f) return false;
    constexpr float kPi = std::numbers::pi_v<float>;
    float a = std::asin(std::fmin(1.0f, std::fmax(-1.0f, h / n)));
    if (w < 0) a = kPi - a;
    if (a < 0) a += 2 * kPi;
    const float start = static_cast<float>(t.startAngle), end = static_cast<float>(t.endAngle);
    return (start <= a && a <= end) || (start + 2 * kPi <= a && a <= end + 2 * kPi);
}

bool RemarkHit(const Remark& r, Pixel at) {
    return r.x < at.x && at.x < 0LL + r.x + r.width && r.y < at.y && at.y < 0LL + r.y + r.height;
}

namespace {

Pixel BallCentre(const Scene& scene, int index) {
    const Ball& b = scene.balls[index];
    return {b.screenX, b.screenY};
}

bool LinkHit(const Scene& scene, const LinkConnector& c, Pixel at) {
    const int a = c.ball1Index(), b = c.ball2Index();
    if (a < 0 || b < 0) return false;
    const Pixel pa = BallCentre(scene, a), pb = BallCentre(scene, b);
    return OnSegmentTest(pa.x, pa.y, pb.x, pb.y, at);
}

bool StopsAtFirstHit(ElementKind kind) {
    return !IsLinkKind(kind);
}

}  // namespace

bool ElementHit(const Scene& scene, ElementRef e, Pixel at) {
    if (!ElementInUse(scene, e.kind, e.index)) return false;
    const ViewScale& v = scene.view;
    const int i = e.index;
    return VisitTable(scene, e.kind, [&](const auto& table) {
        using R = std::decay_t<decltype(table[0])>;
        const R& r = table[i];
        if constexpr (std::is_same_v<R, Remark>) {
            return RemarkHit(r, at);
        } else if constexpr (std::is_same_v<R, Ball>) {
            return BallHit(r, at);
        } else if constexpr (std::is_same_v<R, PointChargeField> || std::is_same_v<R, GravityMass>) {
            return PointHit(GlyphPixel(v, r.x, r.y), at);
        } else if constexpr (std::is_same_v<R, HangingConnector>) {
            return PointHit(GlyphPixel(v, r.anchorX, r.anchorY), at);
        } else if constexpr (std::is_same_v<R, LinkConnector>) {
            return LinkHit(scene, r, at);
        } else if constexpr (std::is_same_v<R, StraightTrack>) {
            return OnSegmentTest(v.columnOf(r.xs), v.rowOf(r.ys), v.columnOf(r.xe), v.rowOf(r.ye), at);
        } else if constexpr (std::is_same_v<R, CircularTrack>) {
            return OnArcTest(r, v, at);
        } else {
            return RectangleHit(r, v, at);
        }
    });
}

std::vector<int> BallsHit(const Scene& scene, Pixel at) {
    std::vector<int> hits;
    const int n = scene.ballCount();
    for (int j = 0; j < n; ++j)
        if (BallHit(scene.balls[j], at)) hits.push_back(j);
    return hits;
}

std::optional<ElementRef> SelectAt(const Scene& scene, Pixel at) {
    std::optional<ElementRef> picked;
    for (ElementKind kind : kHitOrder) {
        const int n = ElementCount(scene, kind);
        for (int i = 0; i < n; ++i) {
            if (!ElementHit(scene, {kind, i}, at)) continue;
            picked = ElementRef{kind, i};
            if (StopsAtFirstHit(kind)) return picked;
        }
    }
    return picked;
}

}  // namespace mb

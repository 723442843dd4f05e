#include "view/track_glyphs.h"

#include <QPainter>
#include <cmath>

#include "view/glyph_kit.h"
#include "view/table_walk.h"

namespace mb {
namespace {

using namespace glyph_kit;

// Start angle and span, in sixteenths of a degree, of the counter-clockwise arc
// between the rays from the box centre through the two construction points.
void ArcAngles(QRectF box, QPointF start, QPointF end, int& start16, int& span16) {
    const QPointF c = box.center();
    const double a = std::atan2(-(start.y() - c.y()), start.x() - c.x());
    const double b = std::atan2(-(end.y() - c.y()), end.x() - c.x());
    start16 = span16 = 0;
    if (!std::isfinite(a) || !std::isfinite(b)) return;
    double span = b - a;
    while (span <= 0.0) span += 2.0 * kPi;
    while (span > 2.0 * kPi) span -= 2.0 * kPi;
    start16 = static_cast<int>(std::lround(a * 180.0 / kPi * 16.0));
    span16 = static_cast<int>(std::lround(span * 180.0 / kPi * 16.0));
}

struct ArcGeometry {
    QRect box;
    int start16, span16;
};
ArcGeometry ArcOf(const ViewScale& v, const CircularTrack& t) {
    const double s = v.MetresPerPixel;
    const double cx = v.OriginX + t.cx / s, cy = v.OriginY - t.cy / s, rho = t.radius / s;
    const int l = TruncPixel(cx - rho), top = TruncPixel(cy - rho), r = TruncPixel(cx + rho), b = TruncPixel(cy + rho);
    const QPointF p1(TruncPixel(1000.0 * std::cos(t.startAngle) + cx), TruncPixel(v.OriginY - (1000.0 * std::sin(t.startAngle) + t.cy / s)));
    const QPointF p2(TruncPixel(1000.0 * std::cos(t.endAngle) + cx), TruncPixel(v.OriginY - (1000.0 * std::sin(t.endAngle) + t.cy / s)));
    ArcGeometry g{BoxFromEdges(l, top, r, b), 0, 0};
    ArcAngles(QRectF(l, top, r - l, b - top), p1, p2, g.start16, g.span16);
    return g;
}

}  // namespace

void DrawStraightTracks(QPainter& p, const Scene& scene) {
    const ViewScale& v = scene.view;
    ForEachInUse(scene.straightTracks, [&](const StraightTrack& t, int) {
        const QPoint a(X(v, t.xs), Y(v, t.ys)), b(X(v, t.xe), Y(v, t.ye));
        SetPen(p, QColor(200, 200, 100), 2);
        WideLine(p, a, b);
        SetPen(p, QColor(250, 250, 150));
        Line(p, a, b);
    });
}

void DrawCircularTracks(QPainter& p, const Scene& scene) {
    const ViewScale& v = scene.view;
    p.setBrush(Qt::NoBrush);
    ForEachInUse(scene.circularTracks, [&](const CircularTrack& t, int) {
        const ArcGeometry g = ArcOf(v, t);
        SetPen(p, QColor(200, 200, 100), 2);
        p.drawArc(g.box, g.start16, g.span16);
        SetPen(p, QColor(250, 250, 150));
        p.drawArc(g.box, g.start16, g.span16);
    });
}

void DrawTrackArc(QPainter& p, const ViewScale& view, const CircularTrack& track, QPoint shift) {
    const ArcGeometry g = ArcOf(view, track);
    p.drawArc(g.box.translated(shift), g.start16, g.span16);
}

}  // namespace mb

#include "view/editor_feedback.h"

#include <QPainter>
#include <cmath>

#include "scene/element_kinds.h"
#include "view/connector_glyphs.h"
#include "view/raster.h"
#include "view/scene_surface.h"
#include "view/track_glyphs.h"

namespace mb {
namespace {

// A painter on the surface that XORs its pen onto what is there, without
// antialiasing, so that a second drawing restores every pixel.
struct XorPainter {
    explicit XorPainter(SceneSurface& s, QColor colour, Qt::PenStyle style = Qt::SolidLine, int width = 1)
        : p(&s.image()) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        QPen pen(colour);
        pen.setStyle(style);
        pen.setWidth(width);
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
    }
    QPainter p;
};

QRect Around(QPoint a, QPoint b, int margin) {
    return QRect(a, b).normalized().adjusted(-margin, -margin, margin, margin);
}

void XorLine(SceneSurface& s, QPoint a, QPoint b, QRgb colour) {
    PlotLine(s.image(), a, b, colour, true);
    s.markDirty(Around(a, b, 2));
}

void XorCircle(SceneSurface& s, QPoint c, int r, QColor colour) {
    {
        XorPainter x(s, colour);
        x.p.drawEllipse(BoxFromEdges(c.x() - r, c.y() - r, c.x() + r, c.y() + r));
    }
    s.markDirty(QRect(c.x() - r - 2, c.y() - r - 2, 2 * r + 5, 2 * r + 5));
}

void XorBox(SceneSurface& s, int left, int top, int right, int bottom, QColor colour) {
    {
        XorPainter x(s, colour);
        x.p.drawRect(BoxFromEdges(left, top, right, bottom));
    }
    s.markDirty(Around(QPoint(left, top), QPoint(right, bottom), 2));
}

}  // namespace

void DrawRubberBand(SceneSurface& surface, const RubberBand& band, QPoint from, QPoint to) {
    const int margin = band.width + 2;
    {
        XorPainter x(surface, band.colour, band.style, band.width);
        switch (band.shape) {
            case FeedbackShape::Rectangle: {
                const QRect r = QRect(from, to).normalized();
                x.p.drawRect(BoxFromEdges(r.left(), r.top(), r.right(), r.bottom()));
                break;
            }
            case FeedbackShape::Line: x.p.drawLine(from, to); break;
            case FeedbackShape::Circle: {
                const int r = TruncPixel(std::hypot(double(to.x() - from.x()), double(to.y() - from.y())));
                x.p.drawEllipse(BoxFromEdges(from.x() - r, from.y() - r, from.x() + r, from.y() + r));
                surface.markDirty(
                    QRect(from.x() - r - margin, from.y() - r - margin, 2 * (r + margin) + 1, 2 * (r + margin) + 1));
                return;
            }
        }
    }
    surface.markDirty(Around(from, to, margin));
}

void DrawDragOutline(SceneSurface& surface, const Scene& scene, ElementKind kind, int index, QPoint reference,
                     QPoint at) {
    const QColor white(255, 255, 255);
    const QPoint shift = at - reference;
    const ViewScale& v = scene.view;
    auto pixel = [&](double x, double y) { return QPoint(TruncPixel(v.columnOf(x)), TruncPixel(v.rowOf(y))); };
    auto box = [&](const auto& r) {
        const QPoint lt = pixel(r.x1, r.y2) + shift, rb = pixel(r.x2, r.y1) + shift;
        XorBox(surface, lt.x() - 2, lt.y() - 2, rb.x() + 2, rb.y() + 2, white);
    };
    if (!HasTable(kind)) return;
    VisitTable(scene, kind, [&](const auto& table) {
        const auto& r = table[index];
        using R = std::decay_t<decltype(r)>;
        if constexpr (std::is_same_v<R, Remark>) {
            XorBox(surface, at.x() - 2, at.y() - 2, at.x() + r.width + 2, at.y() + r.height + 2, white);
        } else if constexpr (std::is_same_v<R, Ball>) {
            XorCircle(surface, at, r.pixelRadius, white);
        } else if constexpr (std::is_same_v<R, PointChargeField> || std::is_same_v<R, GravityMass>) {
            XorCircle(surface, at, 7, white);
        } else if constexpr (std::is_same_v<R, HangingConnector>) {
            const int b = r.ballIndex();
            if (b >= 0) XorLine(surface, QPoint(scene.balls[b].screenX, scene.balls[b].screenY), at, white.rgb());
            QLine strokes[2];
            AnchorMarkLines(at, strokes);
            for (const QLine& l : strokes) XorLine(surface, l.p1(), l.p2(), white.rgb());
        } else if constexpr (std::is_same_v<R, StraightTrack>) {
            XorLine(surface, at, pixel(r.xe, r.ye) + shift, white.rgb());
        } else if constexpr (std::is_same_v<R, CircularTrack>) {
            {
                XorPainter x(surface, white);
                DrawTrackArc(x.p, v, r, shift);
            }
            const int radius = TruncPixel(r.radius / v.MetresPerPixel);
            surface.markDirty(QRect(at.x() - radius - 3, at.y() - radius - 3, 2 * radius + 7, 2 * radius + 7));
        } else if constexpr (std::is_same_v<R, LinkConnector>) {
            // links follow their balls and are never dragged
        } else {
            box(r);  // the three kinds of region
        }
    });
}

}  // namespace mb

#include "view/highlights.h"

#include <QPainter>
#include <cmath>
#include <type_traits>

#include "scene/element_kinds.h"

#include "view/connector_glyphs.h"
#include "view/field_glyphs.h"
#include "view/glyph_kit.h"
#include "view/table_walk.h"
#include "view/track_glyphs.h"

namespace mb {

using namespace glyph_kit;

void DrawInitialVelocityArrows(QPainter& p, const Scene& scene) {
    SetPen(p, QColor(255, 255, 255));
    ForEachInUse(scene.balls, [&](const Ball& b, int) {
        const int sx = b.screenX, sy = b.screenY, rho = b.pixelRadius;
        const QPoint c(sx, sy);
        if (b.vx0 != 0 && b.vy0 != 0) {
            double alpha = std::atan(b.vy0 / b.vx0);
            if (b.vx0 < 0) alpha += kPi;
            const double tx = sx + (rho + 50) * std::cos(alpha), ty = sy - (rho + 50) * std::sin(alpha);
            const QPoint tip(TruncPixel(tx), TruncPixel(ty));
            Line(p, c, tip);
            for (double turn : {20.0, -20.0}) {
                const double a = alpha + turn * kPi / 180.0;
                Line(p, tip, QPoint(TruncPixel(tx - 15 * std::cos(a)), TruncPixel(ty + 15 * std::sin(a))));
            }
        } else if (b.vx0 != 0) {
            const int dir = b.vx0 > 0 ? 1 : -1;
            const QPoint tip(sx + dir * (rho + 50), sy);
            Line(p, c, tip);
            Line(p, tip, QPoint(sx + dir * (rho + 35), sy + 4));
            Line(p, tip, QPoint(sx + dir * (rho + 35), sy - 4));
        } else if (b.vy0 != 0) {
            const int dir = b.vy0 > 0 ? -1 : 1;  // rows grow downward
            const QPoint tip(sx, sy + dir * (rho + 50));
            Line(p, c, tip);
            Line(p, tip, QPoint(sx - 4, sy + dir * (rho + 35)));
            Line(p, tip, QPoint(sx + 4, sy + dir * (rho + 35)));
        }
    });
}

void DrawSelectedBallCircle(QPainter& p, const Scene& scene) {
    const int j = scene.SelectedBall;
    if (j < 0 || j >= kBallCapacity || !scene.balls[j].inUse()) return;
    const Ball& b = scene.balls[j];
    SetPen(p, QColor(255, 0, 0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(BoxFromEdges(b.screenX - b.pixelRadius, b.screenY - b.pixelRadius, b.screenX + b.pixelRadius,
                               b.screenY + b.pixelRadius));
}

void DrawSelectionOutline(QPainter& p, const Scene& scene, EditorSelection sel) {
    const int i = sel.index;
    if (!HasTable(sel.kind) || !ElementInUse(scene, sel.kind, i)) return;
    const ViewScale& v = scene.view;
    SetPen(p, QColor(255, 255, 255));
    p.setBrush(Qt::NoBrush);
    auto circle = [&](int x, int y, int radius) {
        p.drawEllipse(BoxFromEdges(x - radius, y - radius, x + radius, y + radius));
    };
    VisitTable(scene, sel.kind, [&](const auto& table) {
        const auto& r = table[i];
        using R = std::decay_t<decltype(r)>;
        if constexpr (std::is_same_v<R, Ball>) {
            circle(r.screenX, r.screenY, r.pixelRadius);
        } else if constexpr (std::is_same_v<R, PointChargeField> || std::is_same_v<R, GravityMass>) {
            circle(X(v, r.x), Y(v, r.y), kRoundElementRadius);
        } else if constexpr (std::is_same_v<R, UniformElectricField> || std::is_same_v<R, UniformMagneticField> ||
                             std::is_same_v<R, DampingField>) {
            p.drawRect(RegionBox(v, r));
        } else if constexpr (std::is_same_v<R, HangingConnector>) {
            // Of the hanging kinds only springs are outlined: their own line and
            // anchor mark, in the white pen and copy mode.
            if (sel.kind != ElementKind::HangingSpring) return;
            const ConnectorShape s = ConnectorShapeOf(scene, sel.kind, i);
            for (int k = 0; k < s.lineCount; ++k) Line(p, s.lines[k].p1(), s.lines[k].p2());
            for (int k = 0; k < s.markCount; ++k) Line(p, s.marks[k].p1(), s.marks[k].p2());
        } else if constexpr (std::is_same_v<R, StraightTrack>) {
            Line(p, QPoint(X(v, r.xs), Y(v, r.ys)), QPoint(X(v, r.xe), Y(v, r.ye)));
        } else if constexpr (std::is_same_v<R, CircularTrack>) {
            DrawTrackArc(p, v, r);
        }
        // Link connectors have no outline.
    });
}

}  // namespace mb

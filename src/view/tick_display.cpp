#include "view/tick_display.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "scene/element_kinds.h"
#include "view/ball_sprite.h"
#include "view/connector_moves.h"
#include "view/raster.h"
#include "view/table_walk.h"

namespace mb {
namespace {

QRect Square(int x, int y, int reach) { return QRect(x - reach, y - reach, 2 * reach + 1, 2 * reach + 1); }

bool SameView(const ViewScale& a, const ViewScale& b) {
    return a.OriginX == b.OriginX && a.OriginY == b.OriginY && a.MetresPerPixel == b.MetresPerPixel;
}

}  // namespace

const ConnectorShape& SurfaceTickDisplay::shapeOf(const Scene& scene, int k, int index) {
    const ElementKind kind = kConnectorKinds[k];
    ShapeMemo& m = memo_[static_cast<std::size_t>(k)][static_cast<std::size_t>(index)];
    ShapeKey now;
    if (IsHangingKind(kind)) {
        const HangingConnector& c = HangingTableOf(scene, kind)[index];
        now.ref0 = c.ball;
        now.anchorX = c.anchorX;
        now.anchorY = c.anchorY;
        now.balls[0] = c.ballIndex();
    } else {
        const LinkConnector& c = LinkTableOf(scene, kind)[index];
        now.ref0 = c.ball1;
        now.ref1 = c.ball2;
        now.balls[0] = c.ball1Index();
        now.balls[1] = c.ball2Index();
    }
    for (int e = 0; e < 2; ++e) {
        if (now.balls[e] < 0) continue;
        const Ball& b = scene.balls[now.balls[e]];
        now.screen[2 * e] = b.screenX;
        now.screen[2 * e + 1] = b.screenY;
    }
    now.view = scene.view;
    const ShapeKey& was = m.key;
    // Compared as numbers: a reference or anchor that is not a number never
    // matches, and its shape is worked out afresh.
    if (m.known && was.ref0 == now.ref0 && was.ref1 == now.ref1 && was.anchorX == now.anchorX &&
        was.anchorY == now.anchorY && std::equal(was.screen, was.screen + 4, now.screen) &&
        was.balls[0] == now.balls[0] && was.balls[1] == now.balls[1] && SameView(was.view, now.view))
        return m.shape;
    m.known = true;
    m.key = now;
    m.shape = ConnectorShapeOf(scene, kind, index);
    return m.shape;
}

bool SurfaceTickDisplay::holds(int k, int index, int j) const {
    const ShapeMemo& m = memo_[static_cast<std::size_t>(k)][static_cast<std::size_t>(index)];
    return m.key.balls[0] == j || m.key.balls[1] == j;
}

void SurfaceTickDisplay::drawTimeBox(const Scene& scene) { surface_.DrawTimeBox(scene); }

void SurfaceTickDisplay::updateDataWindow(const Scene& scene, int ball) {
    (void)scene;
    (void)ball;
}

void SurfaceTickDisplay::moveBall(Scene& scene, int j, int sx, int sy) {
    QImage& image = surface_.image();
    Ball& b = scene.balls[j];
    const int oldX = b.screenX, oldY = b.screenY, rho = b.pixelRadius;
    const bool moved = sx != oldX || sy != oldY;

    // The balls whose boxes overlap the new place lose their pictures for a moment.
    std::array<int, kBallCapacity> overlapping{};
    int overlapCount = 0;
    const int reach = b.spriteReach;
    QRect changed = Square(oldX, oldY, reach).united(Square(sx, sy, reach));
    ForEachInUse(scene.balls, [&](const Ball& o, int i) {
        if (i == j) return;
        const long long near = static_cast<long long>(rho) + o.pixelRadius;
        if (std::llabs(static_cast<long long>(o.screenX) - sx) <= near &&
            std::llabs(static_cast<long long>(o.screenY) - sy) <= near) {
            const int k = overlapCount++;
            overlapping[static_cast<std::size_t>(k)] = i;
            changed = changed.united(Square(o.screenX, o.screenY, o.spriteReach));
        }
    });
    const bool track = b.trackFlag == 1;
    if (track) changed = changed.united(QRect(QPoint(oldX, oldY), QPoint(sx, sy)).normalized().adjusted(-1, -1, 1, 1));

    // Connectors are XOR lines over the scene below them. Inside the changed
    // rectangle they are lifted before the pictures move and drawn again after;
    // outside it a connector that this ball holds changes only where its new
    // line leaves the old one. The pixels are those of lifting every connector
    // and drawing it again.
    std::vector<Held>& held = held_;
    std::vector<Crossing>& crossing = crossing_;
    held.clear();
    crossing.clear();
    for (int k = 0; k < 6; ++k) {
        const ElementKind kind = kConnectorKinds[k];
        const int n = ElementCount(scene, kind);
        for (int i = 0; i < n; ++i) {
            const ConnectorShape& shape = shapeOf(scene, k, i);
            const bool holding = moved && holds(k, i, j);
            if (!holding && !shape.bounds.intersects(changed)) continue;
            XorShapeWithin(image, shape, changed);
            if (holding)
                held.push_back({k, i, shape});
            else
                crossing.push_back({k, i});
        }
    }

    for (int k = 0; k < overlapCount; ++k) {
        Ball& o = scene.balls[overlapping[static_cast<std::size_t>(k)]];
        surface_.stampPixels(o.screenX, o.screenY, o.backdrop, o.pixelCount);
    }
    surface_.stampPixels(oldX, oldY, b.backdrop, b.pixelCount);
    if (track) {
        const auto c = static_cast<std::uint32_t>(b.colour);
        PlotLine(image, QPoint(oldX, oldY), QPoint(sx, sy), qRgb(c & 0xff, (c >> 8) & 0xff, (c >> 16) & 0xff), false);
    }
    surface_.SavePixels(sx, sy, b.backdrop, b.sprite, b.pixelCount);
    surface_.stampPixels(sx, sy, b.sprite, b.pixelCount);
    for (int k = 0; k < overlapCount; ++k) {
        Ball& o = scene.balls[overlapping[static_cast<std::size_t>(k)]];
        surface_.stampPixels(o.screenX, o.screenY, o.sprite, o.pixelCount);
    }
    b.screenX = sx;
    b.screenY = sy;

    QRect dirty = changed;
    for (const Crossing& c : crossing) XorShapeWithin(image, shapeOf(scene, c.k, c.index), changed);
    for (const Held& h : held) {
        const ConnectorShape& after = shapeOf(scene, h.k, h.index);
        XorShapeWithin(image, after, changed);
        XorShapeChange(image, h.before, after, changed);
        dirty = dirty.united(h.before.bounds).united(after.bounds);
    }
    surface_.markDirty(dirty);
}

}  // namespace mb

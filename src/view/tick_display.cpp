#include "view/tick_display.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "view/ball_sprite.h"
#include "view/glyphs.h"

namespace mb {
namespace {

QRect Square(int x, int y, int reach) { return QRect(x - reach, y - reach, 2 * reach + 1, 2 * reach + 1); }

}  // namespace

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
    const int reach = PixelListReach(b.sprite, b.pixelCount);
    QRect changed = Square(oldX, oldY, reach).united(Square(sx, sy, reach));
    for (int i = 0; i < kBallCapacity && scene.balls[i].M0 != 0.0; ++i) {
        if (i == j) continue;
        const Ball& o = scene.balls[i];
        const long long reach = static_cast<long long>(rho) + o.pixelRadius;
        if (std::llabs(static_cast<long long>(o.screenX) - sx) <= reach &&
            std::llabs(static_cast<long long>(o.screenY) - sy) <= reach) {
            overlapping[static_cast<std::size_t>(overlapCount++)] = i;
            changed = changed.united(Square(o.screenX, o.screenY, PixelListReach(o.sprite, o.pixelCount)));
        }
    }
    const bool track = b.trackFlag == 1;
    if (track) changed = changed.united(QRect(QPoint(oldX, oldY), QPoint(sx, sy)).normalized().adjusted(-1, -1, 1, 1));

    // Connectors are XOR lines: lifting and redrawing one whose pixels the move does
    // not touch changes nothing, so only those near the changed area, and those held
    // by this ball when it moves to another pixel, are drawn around the move. The result is the
    // same as lifting all of them.
    struct Pick {
        ConnectorKind kind;
        int index;
    };
    std::array<Pick, 6 * kTableCapacity> picks{};
    int pickCount = 0;
    QRect dirty = changed;
    for (ConnectorKind kind : kConnectorOrder) {
        const int n = ConnectorCount(scene, kind);
        for (int i = 0; i < n; ++i) {
            const bool held = moved && ConnectorHolds(scene, kind, i, j);
            if (held || ConnectorTouches(scene, kind, i, changed)) {
                picks[static_cast<std::size_t>(pickCount++)] = {kind, i};
                if (held) dirty = dirty.united(ConnectorBounds(scene, kind, i));
            }
        }
    }
    auto drawPicked = [&] {
        for (int k = 0; k < pickCount; ++k) DrawConnector(image, scene, picks[static_cast<std::size_t>(k)].kind, picks[static_cast<std::size_t>(k)].index);
    };

    drawPicked();
    for (int k = 0; k < overlapCount; ++k) {
        Ball& o = scene.balls[overlapping[static_cast<std::size_t>(k)]];
        surface_.PutPixels(o.screenX, o.screenY, o.backdrop, o.pixelCount);
    }
    surface_.PutPixels(oldX, oldY, b.backdrop, b.pixelCount);
    if (track) {
        const auto c = static_cast<std::uint32_t>(b.colour);
        PlotLine(image, QPoint(oldX, oldY), QPoint(sx, sy), qRgb(c & 0xff, (c >> 8) & 0xff, (c >> 16) & 0xff), false);
    }
    surface_.SavePixels(sx, sy, b.backdrop, b.sprite, b.pixelCount);
    surface_.PutPixels(sx, sy, b.sprite, b.pixelCount);
    for (int k = 0; k < overlapCount; ++k) {
        Ball& o = scene.balls[overlapping[static_cast<std::size_t>(k)]];
        surface_.PutPixels(o.screenX, o.screenY, o.sprite, o.pixelCount);
    }
    b.screenX = sx;
    b.screenY = sy;
    drawPicked();
    for (int k = 0; k < pickCount; ++k) {
        const Pick& p = picks[static_cast<std::size_t>(k)];
        if (moved && ConnectorHolds(scene, p.kind, p.index, j)) dirty = dirty.united(ConnectorBounds(scene, p.kind, p.index));
    }
    surface_.markDirty(dirty);
}

}  // namespace mb

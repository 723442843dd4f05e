// What is painted over the surface and never into it: an arrow for each ball's
// velocity and acceleration and each ball's name beside it. It moves every frame
// but is no part of the classic picture, so the surface keeps its own pixels
// (XOR connectors, sprites, trajectories) exactly; the widget composes this on
// top when it paints, and repaints where it was the frame before so that nothing
// smears or trails.
#pragma once

#include <QImage>
#include <QLineF>
#include <QList>
#include <QPainter>
#include <QRegion>
#include <QString>
#include <QStringList>

#include "scene/scene.h"

namespace mb {

struct OverlayChoice {
    bool velocity = false;
    bool acceleration = false;
    bool names = false;
    bool any() const { return velocity || acceleration || names; }
};

// The length an arrow of the largest magnitude gets, in pixels.
inline constexpr double kLongestArrow = 60.0;

// The acceleration each ball's arrow shows, in table order. During a run it is
// the ball's own, from the last sub-step. While the scene is not stepped and
// every ball stands at its initial state (before a run, after Stop, which puts
// the balls back) the records still hold the last run's accelerations, which
// belong to no state on the surface: the arrows then show the accelerations the
// balls start with, from one sub-step taken on a copy of the scene (none when
// that sub-step overflows).
struct OverlayAccelerations {
    double ax[kBallCapacity] = {};
    double ay[kBallCapacity] = {};
};
OverlayAccelerations ShownAccelerations(const Scene& scene);

// Arrow scales from the balls as they stand: the largest velocity and the
// largest acceleration each get kLongestArrow pixels (0 when all are zero).
struct OverlayScale {
    double pixelsPerVelocity = 0;      // pixels per m/s
    double pixelsPerAcceleration = 0;  // pixels per m/s²
};
OverlayScale ScaleFor(const Scene& scene, const OverlayAccelerations& accelerations);

// The legend's lines: "60 px = 12.3 m/s" (and the acceleration's).
QStringList ScaleText(const OverlayScale& scale, const OverlayChoice& choice);

// One frame of the overlay, worked out once from the scene as it stands and
// then both painted and used to find what must be repainted to take it away
// again, so that what is painted is exactly what the region covers.
struct OverlayFrame {
    QList<QLineF> velocityLines;      // each arrow's shaft and the two strokes of its head
    QList<QLineF> accelerationLines;
    struct Name {
        QPoint at;       // the picture's top-left corner, in surface pixels
        QImage picture;  // shared with the cache of name pictures
    };
    QList<Name> names;
    QStringList legend;  // the scale's lines, empty when no arrow is shown
    QRect legendBox;
    QRegion region;  // where all of it lies, within the area
    bool empty() const { return region.isEmpty(); }
};
OverlayFrame LayOutOverlay(const Scene& scene, const OverlayChoice& choice, const QSize& area);

// Paints `frame` with `painter`, whose device shows the surface from its
// top-left corner.
void PaintOverlay(QPainter& painter, const OverlayFrame& frame);

}  // namespace mb

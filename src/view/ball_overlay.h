// What is painted over the surface and never into it: an arrow for each ball's
// velocity and acceleration and each ball's name beside it. It moves every frame
// but is no part of the classic picture, so the surface keeps its own pixels
// (XOR connectors, sprites, trajectories) exactly; the widget composes this on
// top when it paints, and repaints where it was the frame before so that nothing
// smears or trails.
#pragma once

#include <QPainter>
#include <QRegion>
#include <QString>

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

// The legend's text: "arrow 60 px = 12.3 m/s" (and the acceleration's).
QString ScaleText(const OverlayScale& scale, const OverlayChoice& choice);

// Where the overlay lies for the scene as it stands, in surface pixels: what
// must be repainted to take it away again.
QRegion OverlayRegion(const Scene& scene, const OverlayChoice& choice, const QSize& area);

// Paints the overlay with `painter` (whose device shows the surface from its
// top-left corner) over an area of `area` pixels.
void PaintOverlay(QPainter& painter, const Scene& scene, const OverlayChoice& choice, const QSize& area);

}  // namespace mb

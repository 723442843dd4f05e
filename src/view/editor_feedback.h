// The editor's passing figures on the surface: the rubber bands of a two-click
// placement and the outlines of a dragged element. All are drawn with the XOR pen,
// so drawing the same figure again removes it and leaves the scene untouched.
#pragma once

#include <QColor>
#include <QPoint>

#include "scene/scene.h"

namespace mb {

class SceneSurface;

enum class FeedbackShape { Rectangle, Line, Circle };

struct RubberBand {
    FeedbackShape shape = FeedbackShape::Line;
    QColor colour;
    Qt::PenStyle style = Qt::DotLine;
    int width = 1;
};

// Draws the figure from `from` to `to` in XOR: a rectangle with those corners, a
// line between them, or a circle about `from` through `to` (its radius truncated
// to whole pixels).
void DrawRubberBand(SceneSurface& surface, const RubberBand& band, QPoint from, QPoint to);

// Draws in XOR with the white pen the outline of element `index` of `kind` as it
// would stand with its reference point at `at` (`reference` is where it stands
// now): a ball's circle, a 7-pixel circle for point charges and gravity masses, a
// rectangle's box widened by 2 pixels, a hanging connector's line and anchor cross,
// a track, a remark's box widened by 2 pixels. Link connectors have none.
void DrawDragOutline(SceneSurface& surface, const Scene& scene, ElementKind kind, int index, QPoint reference,
                     QPoint at);

}  // namespace mb

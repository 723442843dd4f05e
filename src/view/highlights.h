// What a full redraw marks on the scene while no run is in progress: the balls'
// initial-velocity arrows, the circle round the data window's ball, and the
// white outline of the element selected in the editor.
#pragma once

#include "scene/scene.h"
#include "view/scene_surface.h"

class QPainter;

namespace mb {

void DrawInitialVelocityArrows(QPainter& p, const Scene& scene);
void DrawSelectedBallCircle(QPainter& p, const Scene& scene);
void DrawSelectionOutline(QPainter& p, const Scene& scene, EditorSelection selection);

}  // namespace mb

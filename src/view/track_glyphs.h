// The glyphs of the tracks: straight tracks as a bright line over a dark wide
// one, circular tracks as the same pair of arcs.
#pragma once

#include <QPoint>

#include "scene/scene.h"

class QPainter;

namespace mb {

void DrawStraightTracks(QPainter& p, const Scene& scene);
void DrawCircularTracks(QPainter& p, const Scene& scene);

// The arc of a circular track with the current pen, moved by `shift` pixels (the
// editor's drag outline draws it where the track would go).
void DrawTrackArc(QPainter& p, const ViewScale& view, const CircularTrack& track, QPoint shift = {});

}  // namespace mb

// Pictures of each element kind for the creating panel's buttons, drawn by the
// same glyph code as the surface, so the panel shows what a click will put there.
#pragma once

#include <QImage>

#include "scene/scene.h"

namespace mb {

// A black picture of `size` with one element of `kind` in the middle (two balls
// and their link for link connectors, a ball and its anchor for hanging ones).
// ElementKind::None gives the selection tool's arrow.
QImage KindPicture(ElementKind kind, QSize size);

}  // namespace mb

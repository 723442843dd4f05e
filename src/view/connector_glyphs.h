// The glyphs of the six connector kinds: springs, cords and poles, hanging from
// an anchor or linking two balls. Connectors are always drawn with the XOR pen,
// so a second identical drawing removes them; the link kinds take the pen colour
// of the hanging kind drawn before them.
#pragma once

#include <QImage>
#include <QLine>
#include <QRect>

#include "scene/scene.h"

class QPainter;

namespace mb {

// The XOR primitives of one connector as it stands: its line (two for a pole)
// and, for a hanging kind, the strokes of its anchor mark.
struct ConnectorShape {
    QRgb colour = 0;
    int lineCount = 0;
    QLine lines[2];
    int markCount = 0;
    QLine marks[4];
    QRect bounds;  // every pixel the primitives can cover
};

// Connector `index` of a connector kind. A line whose ball reference names no
// slot of the ball table is left out; a hanging connector's anchor mark stays.
ConnectorShape ConnectorShapeOf(const Scene& scene, ElementKind kind, int index);

// The two strokes of the cross that marks a hanging connector's anchor.
void AnchorMarkLines(QPoint anchor, QLine strokes[2]);

void DrawConnectorKind(QPainter& p, const Scene& scene, ElementKind kind);
// The six kinds in the order of the passes.
void DrawAllConnectors(QPainter& p, const Scene& scene);

}  // namespace mb

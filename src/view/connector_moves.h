// Connectors around a ball's picture move, drawn only where it matters.
//
// The surface always shows the scene without connectors with every connector
// XORed over it. A move changes the scene below the connectors inside one
// rectangle (the pictures and the trajectory segment) and moves the connectors
// held by the ball. Instead of lifting every connector that crosses the
// rectangle and drawing it again in full, the XOR is done inside the rectangle
// only, and outside it only on the pixels where a moved connector's old and new
// lines differ. The pixels that result are the same.
#pragma once

#include <QImage>
#include <QLine>
#include <QRect>

#include "view/connector_glyphs.h"

namespace mb {

// XOR of the pixels of the line from a to b (b excluded, as PlotLine draws it)
// that lie inside `clip`; the cost follows the clip's size, not the line's length.
void XorLineWithin(QImage& image, QPoint a, QPoint b, QRgb colour, const QRect& clip);

// XOR of the pixels that lie on exactly one of the lines a0-b0 and a1-b1, outside
// `exclude`: what turns the first line into the second. Lines that run the same
// way are walked side by side and only the pixels where they part are touched.
void XorLineChange(QImage& image, QPoint a0, QPoint b0, QPoint a1, QPoint b1, QRgb colour, const QRect& exclude);

// Every primitive of a shape, inside `clip` only.
void XorShapeWithin(QImage& image, const ConnectorShape& shape, const QRect& clip);

// From one shape of a connector to another, outside `exclude` (the anchor marks
// of a hanging kind do not move).
void XorShapeChange(QImage& image, const ConnectorShape& from, const ConnectorShape& to, const QRect& exclude);

}  // namespace mb

// Pixel primitives of the surface: truncation of surface coordinates, the thin
// and wide lines every glyph and connector is drawn with, and the boxes of the
// classic canvas (right column and bottom row excluded).
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

namespace mb {

// Truncation toward zero of a surface coordinate, held within a range the
// rasteriser handles (a scene far outside the surface still draws nothing wrong).
int TruncPixel(double value);

// A one-pixel line from `a` to `b`, the pixel of `b` excluded, in copy or XOR
// mode, clipped to the image. Used for every thin line of the surface so that
// end points behave as on a classic canvas: lines sharing an end point in XOR
// lose that pixel only when both cover it.
void PlotLine(QImage& image, QPoint a, QPoint b, QRgb colour, bool xorMode);

// The offset of the second stroke of a wide line from a to b: the row above for
// a mostly horizontal line, the column to the left for a mostly vertical one.
QPoint WideLineStep(QPoint a, QPoint b);

// A two-pixel line: the thin line and its neighbour WideLineStep away. No pixel
// is covered twice, so XOR stays exact.
void PlotWideLine(QImage& image, QPoint a, QPoint b, QRgb colour, bool xorMode);

// Rectangle outline of left, top, right, bottom, the right column and bottom row
// excluded as in every other box of the surface.
QRect BoxFromEdges(int left, int top, int right, int bottom);

}  // namespace mb

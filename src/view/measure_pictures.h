// The pictures of the measurement windows, drawn pixel for pixel so that tests
// can read them: the direction pictures of the data window and the curve graph.
#pragma once

#include <QFont>
#include <QImage>

#include "engine/curve.h"
#include "scene/scene.h"

namespace mb {

inline constexpr int kDirectionPictureSide = 54;
inline constexpr int kCurveGraphSide = 252;

// The direction of the vector (vx, vy) in degrees as the data window shows it:
// atan(vy / vx), plus 180 when vx < 0; 90 or -90 straight up or down. NaN when
// the vector has no direction (at rest, or not a finite number).
double DirectionDegrees(double vx, double vy);

// A 54 x 54 direction picture: white inside a blue frame, a black line of
// half-length 22 through the centre and a red arrow head at its tip. A vector
// without a direction leaves the framed white picture only.
void DrawDirectionPicture(QImage& picture, double vx, double vy);

// The font the curve's name and labels are written in (Arial, 14 pixels).
QFont CurveGraphFont();

// A division's value on the curve graph, 3 significant digits; within 1e-9 of a
// division (`step`) of zero it is 0.
QString CurveTickText(double value, double step);

// The empty graph: background, origin square, fine and coarse grid, the name,
// the axes with their arrow heads and labels, and, when both steps are not 0,
// the red zero lines with "0" and the tick values (3 significant digits; a
// value within 1e-9 of a division of zero shows as 0).
void DrawGraphFrame(QImage& graph, const CurveSettings& curve, const QFont& font = CurveGraphFont());

// One plotted segment, two pixels wide, in the ball's half-strength colour; a
// segment that starts and ends on one pixel is a dot there. A sample off the
// plottable range draws nothing.
void DrawCurveSegment(QImage& graph, const CurveSegment& segment);

}  // namespace mb

// The field lines of a uniform electric field: their geometry for a region and a
// direction, and their drawing with the arrowheads.
#pragma once

#include <QPoint>
#include <vector>

class QPainter;

namespace mb {

// One field line with its arrowhead tip.
struct HatchLine {
    QPoint from, to;
    QPoint tip;
};
// The field lines of a region (screen edges) for a direction in degrees.
std::vector<HatchLine> HatchLines(int left, int top, double angleDegrees, int bottom, int right);
// Direction in degrees the arrows of a field point to, turned round when E < 0.
double FieldArrowDegrees(double directionRadians, double E);

void DrawArrowHead(QPainter& p, int x, int y, double angle1, double angle2);
void HatchRegion(QPainter& p, int left, int top, double angleDegrees, int bottom, int right);

}  // namespace mb

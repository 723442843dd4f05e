// The look of every element kind. Each routine draws every in-use record of one
// table with an open painter on the surface; the passes call them in their fixed
// order. Geometry helpers are exposed so their results can be checked directly.
#pragma once

#include <QImage>
#include <QLine>
#include <QPoint>
#include <random>
#include <vector>

#include "scene/element_kinds.h"
#include "view/scene_surface.h"

class QPainter;

namespace mb {

// Truncation toward zero of a surface coordinate, held within a range the
// rasteriser handles (a scene far outside the surface still draws nothing wrong).
int TruncPixel(double value);

// A one-pixel line from `a` to `b`, the pixel of `b` excluded, in copy or XOR
// mode, clipped to the image. Used for every thin line of the surface so that
// end points behave as on a classic canvas: lines sharing an end point in XOR
// lose that pixel only when both cover it.
void PlotLine(QImage& image, QPoint a, QPoint b, QRgb colour, bool xorMode);

// A two-pixel line: the thin line and its neighbour above (mostly horizontal) or
// to the left (mostly vertical). No pixel is covered twice, so XOR stays exact.
void PlotWideLine(QImage& image, QPoint a, QPoint b, QRgb colour, bool xorMode);

// Rectangle outline of left, top, right, bottom, the right column and bottom row
// excluded as in every other box of the surface.
QRect BoxFromEdges(int left, int top, int right, int bottom);

// One field line of a uniform electric field with its arrowhead tip.
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

// The number of random dots a damping region of w x h pixels gets per drawing.
int DampingDotCount(double w, double h);

void DrawDampingFields(QPainter& p, const Scene& scene, std::minstd_rand& dots, QSize surface);
void DrawGravitySign(QPainter& p, const Scene& scene, const SurfaceFonts& fonts);
void DrawGravityMasses(QPainter& p, const Scene& scene, const SurfaceFonts& fonts);
void DrawPointCharges(QPainter& p, const Scene& scene, const SurfaceFonts& fonts);
void DrawElectricFields(QPainter& p, const Scene& scene);
void DrawMagneticFields(QPainter& p, const Scene& scene, QSize surface);
void DrawStraightTracks(QPainter& p, const Scene& scene);
void DrawCircularTracks(QPainter& p, const Scene& scene);

// Connectors are always drawn with the XOR pen: a second identical drawing removes
// them. The link kinds take the pen colour of the hanging kind drawn before them.
void DrawConnectorKind(QPainter& p, const Scene& scene, ElementKind kind);
void DrawAllConnectors(QPainter& p, const Scene& scene);
// One connector in XOR, straight onto the surface (the stepping loop's path).
void DrawConnector(QImage& image, const Scene& scene, ElementKind kind, int index);
// Number of in-use connectors of a kind.
int ConnectorCount(const Scene& scene, ElementKind kind);
// The pixels connector `index` can cover (its line and anchor mark), or an empty
// rectangle when it is not drawn.
QRect ConnectorBounds(const Scene& scene, ElementKind kind, int index);
// Whether any pixel of the connector can lie inside `area`.
bool ConnectorTouches(const Scene& scene, ElementKind kind, int index, const QRect& area);
// Whether the connector hangs on, or links, ball j.
bool ConnectorHolds(const Scene& scene, ElementKind kind, int index, int j);
// A connector's ball reference, truncated toward zero; one that is not a number
// or lies outside the ball table gives -1 instead of an undefined conversion.
int BallRef(double ref);
// The end points of connector `index` of a kind, or false when it is not drawable
// (its ball reference points outside the table).
bool ConnectorEnds(const Scene& scene, ElementKind kind, int index, QPoint& a, QPoint& b);

void DrawInitialVelocityArrows(QPainter& p, const Scene& scene);
void DrawSelectedBallCircle(QPainter& p, const Scene& scene);
void DrawSelectionOutline(QPainter& p, const Scene& scene, EditorSelection selection);
// Writes every remark; the recording form also stores each text's width and height.
void DrawRemarks(QPainter& p, const Scene& scene);
void DrawRemarksRecording(QPainter& p, Scene& scene);

// A remark's font from its record fields.
QFont RemarkFont(const Remark& remark);

}  // namespace mb

namespace mb {
// The arc of a circular track with the current pen, moved by `shift` pixels (the
// editor's drag outline draws it where the track would go).
void DrawTrackArc(QPainter& p, const ViewScale& view, const CircularTrack& track, QPoint shift = {});
}  // namespace mb

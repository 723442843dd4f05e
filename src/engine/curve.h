// The experiment curve: the balls are put back to their initial state and the
// project's step runs again on its own, without drawing the main view. At the
// last sub-step of every tick each curve ball yields one sample spanning that
// sub-step and, when it lies on the graph, a short segment in the pixel
// coordinates of the 252 x 252 graph.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/engine.h"
#include "scene/scene.h"
#include "scene/translatable.h"

namespace mb {

// How a quantity is offered in the curve window's lists and labelled on the graph.
struct CurveQuantityInfo {
    const char* item;         // the list entry: "position X"
    const char* axisLabel;    // on the graph: "X"
    const char* unit;         // beside a start edit: "(m)"
    const char* unitPerGrid;  // beside a step edit: "(m/grid)"
    bool squaredUnit;         // accelerations show a raised "2" beside both units
};

inline constexpr CurveQuantityInfo kCurveQuantities[kQuantityCount] = {
    {MB_TRANSLATE_NOOP("TForm29", "Time T"), "T", "(s)", "(s/grid)", false},
    {MB_TRANSLATE_NOOP("TForm29", "position X"), "X", "(m)", "(m/grid)", false},
    {MB_TRANSLATE_NOOP("TForm29", "position Y"), "Y", "(m)", "(m/grid)", false},
    {MB_TRANSLATE_NOOP("TForm29", "distance |r|"), "|r|", "(m)", "(m/grid)", false},
    {MB_TRANSLATE_NOOP("TForm29", "velocity Vx"), "Vx", "(m/s)", "(m/s/grid)", false},
    {MB_TRANSLATE_NOOP("TForm29", "velocity Vy"), "Vy", "(m/s)", "(m/s/grid)", false},
    {MB_TRANSLATE_NOOP("TForm29", "velocity |V|"), "|V|", "(m/s)", "(m/s/grid)", false},
    {MB_TRANSLATE_NOOP("TForm29", "acceleration ax"), "ax", "(m/s)", "(m/s /grid)", true},
    {MB_TRANSLATE_NOOP("TForm29", "acceleration ay"), "ay", "(m/s)", "(m/s /grid)", true},
    {MB_TRANSLATE_NOOP("TForm29", "acceleration |a|"), "|a|", "(m/s)", "(m/s /grid)", true},
};

// Graph geometry: the origin sits at column 30, row 226 for plotted values (the
// frame's axes are drawn one row higher), one grid division is 40 pixels.
inline constexpr double kCurveOriginColumn = 30.0;
inline constexpr double kCurveOriginRow = 226.0;
inline constexpr double kCurvePixelsPerGrid = 40.0;
inline constexpr int kCurveMinCoordinate = -199;
inline constexpr int kCurveMaxCoordinate = 1199;

// One sample of a ball's curve, and the piece of the graph it plots.
struct CurveSegment {
    int ball = 0;
    double time = 0;                             // RunTime at the start of the sampled sub-step
    bool plotted = false;                        // the four coordinates below lie in the plottable range
    int col0 = 0, row0 = 0, col1 = 0, row1 = 0;  // from (col0, row0) to (col1, row1)
    double hBefore = 0, hAfter = 0;              // horizontal quantity at both ends
    double vBefore = 0, vAfter = 0;              // vertical quantity at both ends
    std::int32_t colour = 0;                     // the ball's colour at half strength
};

// Graph column and row of a value, as trunc(...). False when the value lies so
// far off the graph that it is outside the plottable range (or not a number).
bool CurveColumn(const CurveSettings& c, double value, int& column);
bool CurveRow(const CurveSettings& c, double value, int& row);

// The segment's graph coordinates and `plotted` from its values, under the axes
// of `c` (after the axes changed, a kept sample is placed again).
void PlaceCurveSegment(const CurveSettings& c, CurveSegment& segment);

// The line from one sample of a ball to its next, for a curve drawn with its
// points joined: from the earlier sample's "after" values to the later one's.
CurveSegment JoinedSegment(const CurveSettings& c, const CurveSegment& earlier, const CurveSegment& later);

// Axes that hold every finite value of the samples, in round steps (1, 2, 2.5 or
// 5 times a power of ten) over the graph's five divisions each way. An axis none
// of whose values is finite keeps its start and step.
struct CurveAxes {
    double horizontalStart = 0, horizontalStep = 1, verticalStart = 0, verticalStep = 1;
};
CurveAxes FitCurveAxes(const CurveSettings& c, const std::vector<CurveSegment>& samples);

// Balls back to their initial position, velocity and mass for a computation,
// with the presence switches of the fields, springs and tracks refreshed. The
// display-interval fields are left alone and cord and pole lengths are not
// derived again.
void ResetForCurve(Scene& scene);

enum CurveTickResult : int { kCurveGoesOn = 0, kCurveEnded = 1 };

// One timer tick: StepsPerTick sub-steps of every ball under the project's step.
// On the last sub-step each ball whose curve flag is 1 is sampled; from the start
// time on, the sample is appended to `out` (marked plotted when its segment lies
// in the plottable range). Returns kCurveEnded (and sets RunTime back to 0) in
// the sub-step in which RunTime first exceeds the end time.
int CurveTick(Scene& scene, std::vector<CurveSegment>& out);

// The same tick in parts of at most maxSubSteps sub-steps (any number when
// negative), so that a curve window can spread a long tick over several timer
// events; `progress` tells whether the tick is complete. The segments of the last
// sub-step come with the part that reaches it.
int CurveTickPart(Scene& scene, std::vector<CurveSegment>& out, TickProgress& progress, long long maxSubSteps);

}  // namespace mb

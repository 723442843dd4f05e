// Starting an experiment curve and taking its numbers away: the checks of
// "Draw curve" in their order and words, the begin sequence, and the CSV text of
// the samples. Shared by the curve window and the headless runner, so both
// refuse, start and report a computation the same way.
#pragma once

#include <string>

#include "engine/curve.h"
#include "scene/scene.h"
#include "scene/translatable.h"

namespace mb {

// Which setting a refused curve is blamed on (the window moves the focus there).
enum class CurveField { None, StartTime, EndTime, HorizontalStep, VerticalStep };

struct CurveCheck {
    const char* message = nullptr;  // null when the settings may be drawn
    CurveField field = CurveField::None;
    bool ok() const { return message == nullptr; }
};

inline constexpr const char* kCurveNoObject = MB_TRANSLATE_NOOP("TForm29", "Please set the curve object first.");

// The first complaint about the time range and the scales, in the window's order:
// start time below 0, end time below 0, start not before end, a zero horizontal
// step, a zero vertical step. Values that are not numbers are refused too.
CurveCheck CheckCurveSettings(const CurveSettings& curve);

// Some in-use ball is chosen as a curve object.
bool AnyCurveObject(const Scene& scene);

// The start of a computation: RunTime 0, the balls back to their initial state
// with the curve's switches refreshed, and the lengths and stiffnesses of cords
// and poles derived from the drawing, as a run start derives them.
void BeginCurve(Scene& scene);

// The CSV of the samples. The window's header names each quantity with its unit;
// the runner's header is fixed. Rows are the same for both: tick (counted from 1),
// the sample's time, the ball's index and name, then the horizontal quantity
// before and after and the vertical quantity before and after. A value that is not
// a finite number is left empty.
std::string CurveCsvHeader(const CurveSettings& curve);
inline constexpr const char* kCurveValuesHeader = "tick,t,ball,name,hbefore,hafter,vbefore,vafter";
std::string CurveCsvRow(const Scene& scene, long long tick, const CurveSegment& sample);

// A CSV field, quoted when it holds a comma, a quote or a line break.
std::string CsvText(const std::string& text);
// A number in its shortest exact form, or the empty text when it is not finite.
std::string CsvNumber(double value);

}  // namespace mb

#include "engine/curve_session.h"

#include <cmath>
#include <cstdio>

#include "engine/engine.h"
#include "scene/number_parse.h"
#include "scene/translatable.h"

namespace mb {

namespace {
const char* const kStartBelowZero = MB_TRANSLATE_NOOP("TForm29", "The Start time must be bigger than zero.");
const char* const kEndNotAfterStart = MB_TRANSLATE_NOOP("TForm29", "The End time must be bigger than the start time.");
const char* const kZeroScale = MB_TRANSLATE_NOOP("TForm29", "The scale of coordinate can not be zero.");

// The unit of a quantity for a CSV header: the window's unit label without its
// brackets, the raised "2" of the accelerations written out.
std::string UnitOf(int quantity) {
    const CurveQuantityInfo& q = kCurveQuantities[quantity];
    std::string u = q.unit;  // "(m/s)"
    if (u.size() >= 2) u = u.substr(1, u.size() - 2);
    if (q.squaredUnit) u += "^2";
    return u;
}

std::string Column(int quantity, const char* end) {
    return CsvText(std::string(kCurveQuantities[quantity].item) + " " + end + " (" + UnitOf(quantity) + ")");
}
}  // namespace

CurveCheck CheckCurveSettings(const CurveSettings& c) {
    // Written so that a value that is not a number fails each test.
    if (!(c.startTime >= 0)) return {kStartBelowZero, CurveField::StartTime};
    if (!(c.endTime >= 0)) return {kEndNotAfterStart, CurveField::EndTime};
    if (!(c.startTime < c.endTime)) return {kEndNotAfterStart, CurveField::StartTime};
    if (!(c.horizontalStep != 0) || !std::isfinite(c.horizontalStep)) return {kZeroScale, CurveField::HorizontalStep};
    if (!(c.verticalStep != 0) || !std::isfinite(c.verticalStep)) return {kZeroScale, CurveField::VerticalStep};
    return {};
}

bool AnyCurveObject(const Scene& s) {
    for (int j = 0; j < kBallCapacity && s.balls[j].inUse(); ++j)
        if (s.balls[j].curveFlag == 1) return true;
    return false;
}

void BeginCurve(Scene& s) {
    s.RunTime = 0;
    s.ledger = RunLedger{};
    ResetForCurve(s);
    PrepareRun(s);
}

std::string CsvText(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string q = "\"";
    for (char c : text) {
        if (c == '"') q += '"';
        q += c;
    }
    return q + "\"";
}

std::string CsvNumber(double v) {
    if (!std::isfinite(v)) return {};
    return ShortestText(v);
}

std::string CurveCsvHeader(const CurveSettings& c) {
    const int h = c.horizontalVariable < kQuantityCount ? c.horizontalVariable : 0;
    const int v = c.verticalVariable < kQuantityCount ? c.verticalVariable : 0;
    return "tick,t (s),ball,name," + Column(h, "before") + "," + Column(h, "after") + "," + Column(v, "before") +
           "," + Column(v, "after");
}

std::string CurveCsvRow(const Scene& s, long long tick, const CurveSegment& g) {
    const std::string& name = s.balls.names[static_cast<std::size_t>(g.ball)];
    return std::to_string(tick) + "," + CsvNumber(g.time) + "," + std::to_string(g.ball) + "," + CsvText(name) +
           "," + CsvNumber(g.hBefore) + "," + CsvNumber(g.hAfter) + "," + CsvNumber(g.vBefore) + "," +
           CsvNumber(g.vAfter);
}

}  // namespace mb

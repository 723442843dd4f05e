#include "engine/curve.h"

#include <cmath>

#include "engine/engine.h"
#include "engine/step_context.h"

namespace mb {

namespace {

bool ToPlotCoordinate(double v, int& out) {
    const double t = std::trunc(v);
    // Written so that a NaN fails too.
    if (!(t >= kCurveMinCoordinate && t <= kCurveMaxCoordinate)) return false;
    out = static_cast<int>(t);
    return true;
}

// Before and after values of the two plotted quantities of one sample.
struct Sample {
    double hBefore = 0, hAfter = 0, vBefore = 0, vAfter = 0;
};

// Records a quantity for whichever axes show it; each sampling step covers a
// group of quantities, and only the quantities of its group are recorded there.
void Record(const CurveSettings& c, Sample& s, int firstInGroup, int lastInGroup, double before[], double after[]) {
    const int h = c.horizontalVariable, v = c.verticalVariable;
    if (h >= firstInGroup && h <= lastInGroup) {
        s.hBefore = before[h - firstInGroup];
        s.hAfter = after[h - firstInGroup];
    }
    if (v >= firstInGroup && v <= lastInGroup) {
        s.vBefore = before[v - firstInGroup];
        s.vAfter = after[v - firstInGroup];
    }
}

bool BallFinite(const Ball& b) {
    return std::isfinite(b.x) && std::isfinite(b.y) && std::isfinite(b.vx) && std::isfinite(b.vy) &&
           std::isfinite(b.ax) && std::isfinite(b.ay) && std::isfinite(b.Fx) && std::isfinite(b.Fy) &&
           std::isfinite(b.mass);
}

}  // namespace

bool CurveColumn(const CurveSettings& c, double value, int& column) {
    return ToPlotCoordinate((value - c.horizontalStart) / c.horizontalStep * kCurvePixelsPerGrid + kCurveOriginColumn,
                            column);
}

bool CurveRow(const CurveSettings& c, double value, int& row) {
    return ToPlotCoordinate(kCurveOriginRow - (value - c.verticalStart) / c.verticalStep * kCurvePixelsPerGrid, row);
}

void ResetForCurve(Scene& s) {
    PresenceSwitches& p = s.presence;
    p.gravityMass = s.gravityMasses[0].inUse();
    p.pointCharge = s.pointCharges[0].inUse();
    p.electricField = s.electricFields[0].inUse();
    p.magneticField = s.magneticFields[0].inUse();
    p.straightTrack = s.straightTracks[0].inUse();
    p.circularTrack = s.circularTracks[0].inUse();
    const int n = s.balls.count();
    // The display-interval marks are left as they are.
    for (int j = 0; j < n; ++j) ResetBallMotion(s.balls[j], s.view);
    p.hangingSpring = s.hangingSprings[0].inUse();
    p.linkSpring = s.linkSprings[0].inUse();
}

namespace {

// One sub-step of ball j on the stepping loop's compact copy of the scene.
void AdvanceForCurve(detail::StepContext& context, int j, bool lastSubStep, std::vector<CurveSegment>& out) {
    Scene& s = context.scene();
    Ball& b = s.balls[j];
    const double T = s.settings.StepTime;
    const CurveSettings& c = s.curve;
    const bool sampling = lastSubStep && b.curveFlag == 1;
    const double x0 = b.x, y0 = b.y, vx0 = b.vx, vy0 = b.vy, ax0 = b.ax, ay0 = b.ay, m0 = b.mass;
    Sample sample;

    b.Fx = 0;
    b.Fy = 0;
    // The screen position follows the ball only while it can be held as pixels;
    // the curve has no overflow test of its own.
    const double col = s.view.columnOf(b.x) + 0.5, row = s.view.rowOf(b.y) + 0.5;
    if (std::fabs(col) < 2147483647.0 && std::fabs(row) < 2147483647.0) {
        b.screenX = static_cast<int>(col);
        b.screenY = static_cast<int>(row);
    }
    // The extra force joins the sum first, as in the run, so the curve shows the
    // motion the run shows.
    b.Fx += b.extraFx;
    b.Fy += b.extraFy;
    if (s.settings.GravityOn) b.Fy -= b.mass * kStandardGravity;
    context.addForces(j);
    if (s.settings.RelativityOn) ApplyRelativity(b);

    if (sampling) {
        const double fx = b.Fx / b.mass, fy = b.Fy / b.mass;
        double bef[3] = {b.ax, b.ay, std::sqrt(b.ax * b.ax + b.ay * b.ay)};
        double aft[3] = {fx, fy, std::sqrt(fx * fx + fy * fy)};
        Record(c, sample, kQuantityAx, kQuantityAcceleration, bef, aft);
    }
    b.ax = b.Fx / b.mass;
    b.ay = b.Fy / b.mass;
    if (sampling) {
        const double vx1 = b.vx + b.ax * T, vy1 = b.vy + b.ay * T;
        double bef[3] = {b.vx, b.vy, std::sqrt(b.vx * b.vx + b.vy * b.vy)};
        double aft[3] = {vx1, vy1, std::sqrt(vx1 * vx1 + vy1 * vy1)};
        Record(c, sample, kQuantityVx, kQuantitySpeed, bef, aft);
    }
    b.vx = b.vx + b.ax * T;
    b.vy = b.vy + b.ay * T;
    context.applyTracks(j);
    if (s.settings.BumpOn) context.applyBumps(j);
    if (sampling) {
        const double x1 = b.x + b.vx * T, y1 = b.y + b.vy * T;
        double bef[3] = {b.x, b.y, std::sqrt(b.x * b.x + b.y * b.y)};
        double aft[3] = {x1, y1, std::sqrt(x1 * x1 + y1 * y1)};
        Record(c, sample, kQuantityX, kQuantityDistance, bef, aft);
    }
    b.x = b.x + b.vx * T;
    b.y = b.y + b.vy * T;
    if (sampling) {
        double bef[1] = {s.RunTime};
        double aft[1] = {s.RunTime + T};
        Record(c, sample, kQuantityTime, kQuantityTime, bef, aft);
    }

    // A step that stopped being a number is taken back, as the stepping loop does:
    // the ball stays where it was and nothing is plotted for it.
    if (!BallFinite(b)) {
        b.x = x0, b.y = y0, b.vx = vx0, b.vy = vy0, b.ax = ax0, b.ay = ay0, b.mass = m0;
        b.Fx = 0, b.Fy = 0;
        context.syncBall(j);
        return;
    }
    context.syncBall(j);
    if (!sampling || s.RunTime < c.startTime) return;
    CurveSegment seg;
    seg.ball = j;
    seg.time = s.RunTime;
    seg.hBefore = sample.hBefore;
    seg.hAfter = sample.hAfter;
    seg.vBefore = sample.vBefore;
    seg.vAfter = sample.vAfter;
    seg.plotted = CurveColumn(c, seg.hBefore, seg.col0) && CurveColumn(c, seg.hAfter, seg.col1) &&
                  CurveRow(c, seg.vBefore, seg.row0) && CurveRow(c, seg.vAfter, seg.row1);
    seg.colour = PackColour(b.red / 2, b.green / 2, b.blue / 2);
    out.push_back(seg);
}

}  // namespace

void CurveAdvance(Scene& s, int j, bool lastSubStep, std::vector<CurveSegment>& out) {
    detail::StepContext context(s);
    AdvanceForCurve(context, j, lastSubStep, out);
}

int CurveTickPart(Scene& s, std::vector<CurveSegment>& out, TickProgress& progress, long long maxSubSteps) {
    if (!progress.resumes(s)) {
        progress = TickProgress{};
        progress.stepsPerTick = s.settings.StepsPerTick;
    }
    if (maxSubSteps == 0) maxSubSteps = 1;
    const int N = progress.stepsPerTick;
    const double T = s.settings.StepTime;
    detail::StepContext context(s);
    const int n = context.ballCount();
    long long done = 0;
    for (int i = progress.subStep; i < N; ++i) {
        if (done == maxSubSteps) {
            progress.subStep = i;
            progress.runTimeMark = s.RunTime;
            return kCurveGoesOn;
        }
        for (int j = 0; j < n; ++j) AdvanceForCurve(context, j, i == N - 1, out);
        s.RunTime += T;
        ++done;
        if (s.RunTime > s.curve.endTime) {
            s.RunTime = 0;
            progress = TickProgress{};
            return kCurveEnded;
        }
    }
    progress = TickProgress{};
    return kCurveGoesOn;
}

int CurveTick(Scene& s, std::vector<CurveSegment>& out) {
    TickProgress progress;
    return CurveTickPart(s, out, progress, -1);
}

}  // namespace mb

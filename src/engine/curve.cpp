#include "engine/curve.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/accurate_step.h"
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
void Record(const CurveSettings& c, Sample& s, int firstInGroup, int lastInGroup, const double before[],
            const double after[]) {
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

// The screen position follows the ball only while it can be held as pixels;
// the curve has no overflow test of its own.
void FollowOnScreen(Ball& b, const ViewScale& view) {
    constexpr double kPixelLimit = 2147483647.0;
    if (std::fabs(view.columnOf(b.x) + 0.5) < kPixelLimit && std::fabs(view.rowOf(b.y) + 0.5) < kPixelLimit) {
        b.screenX = view.ballColumn(b.x);
        b.screenY = view.ballRow(b.y);
    }
}

// The ten quantities of the curve's list for a ball at time t.
struct Quantities {
    double v[kQuantityCount];
    Quantities(const Ball& b, double t) {
        v[kQuantityTime] = t;
        v[kQuantityX] = b.x;
        v[kQuantityY] = b.y;
        v[kQuantityDistance] = std::sqrt(b.x * b.x + b.y * b.y);
        v[kQuantityVx] = b.vx;
        v[kQuantityVy] = b.vy;
        v[kQuantitySpeed] = std::sqrt(b.vx * b.vx + b.vy * b.vy);
        v[kQuantityAx] = b.ax;
        v[kQuantityAy] = b.ay;
        v[kQuantityAcceleration] = std::sqrt(b.ax * b.ax + b.ay * b.ay);
    }
};

// The sample of a ball for a segment from its quantities before and after.
CurveSegment Segment(const Scene& s, int j, const Sample& sample) {
    const CurveSettings& c = s.curve;
    const Ball& b = s.balls[j];
    CurveSegment seg;
    seg.ball = j;
    seg.time = s.RunTime;
    seg.hBefore = sample.hBefore;
    seg.hAfter = sample.hAfter;
    seg.vBefore = sample.vBefore;
    seg.vAfter = sample.vAfter;
    PlaceCurveSegment(c, seg);
    seg.colour = PackColour(b.red / 2, b.green / 2, b.blue / 2);
    return seg;
}

}  // namespace

bool CurveColumn(const CurveSettings& c, double value, int& column) {
    return ToPlotCoordinate((value - c.horizontalStart) / c.horizontalStep * kCurvePixelsPerGrid + kCurveOriginColumn,
                            column);
}

bool CurveRow(const CurveSettings& c, double value, int& row) {
    return ToPlotCoordinate(kCurveOriginRow - (value - c.verticalStart) / c.verticalStep * kCurvePixelsPerGrid, row);
}

void PlaceCurveSegment(const CurveSettings& c, CurveSegment& seg) {
    seg.plotted = CurveColumn(c, seg.hBefore, seg.col0) && CurveColumn(c, seg.hAfter, seg.col1) &&
                  CurveRow(c, seg.vBefore, seg.row0) && CurveRow(c, seg.vAfter, seg.row1);
}

CurveSegment JoinedSegment(const CurveSettings& c, const CurveSegment& earlier, const CurveSegment& later) {
    CurveSegment seg = later;
    seg.hBefore = earlier.hAfter;
    seg.vBefore = earlier.vAfter;
    PlaceCurveSegment(c, seg);
    return seg;
}

namespace {

// The smallest round step (1, 2, 2.5 or 5 times a power of ten) with which
// five divisions from a multiple of it below `lo` reach `hi`.
void FitAxis(double lo, double hi, double& start, double& step) {
    constexpr int kDivisions = 5;
    if (!(lo <= hi)) return;  // no finite value
    double span = hi - lo;
    if (span == 0) span = lo == 0 ? 1.0 : std::fabs(lo);  // one value: a graph around it
    double decade = std::pow(10.0, std::floor(std::log10(span / kDivisions)));
    for (int guard = 0; guard < 8; ++guard, decade *= 10) {
        for (double m : {1.0, 2.0, 2.5, 5.0}) {
            const double d = m * decade;
            const double s0 = std::floor(lo / d) * d;
            if (s0 + kDivisions * d >= hi && std::isfinite(d) && d > 0) {
                start = s0 == 0 ? 0.0 : s0;  // never a start of -0
                step = d;
                return;
            }
        }
    }
}

}  // namespace

CurveAxes FitCurveAxes(const CurveSettings& c, const std::vector<CurveSegment>& samples) {
    CurveAxes axes{c.horizontalStart, c.horizontalStep, c.verticalStart, c.verticalStep};
    constexpr double inf = std::numeric_limits<double>::infinity();
    double hLo = inf, hHi = -inf, vLo = inf, vHi = -inf;
    auto take = [](double v, double& lo, double& hi) {
        if (!std::isfinite(v)) return;
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    };
    for (const CurveSegment& g : samples) {
        take(g.hBefore, hLo, hHi);
        take(g.hAfter, hLo, hHi);
        take(g.vBefore, vLo, vHi);
        take(g.vAfter, vLo, vHi);
    }
    if (hLo < inf) FitAxis(hLo, hHi, axes.horizontalStart, axes.horizontalStep);
    if (vLo < inf) FitAxis(vLo, vHi, axes.verticalStart, axes.verticalStep);
    return axes;
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
    FollowOnScreen(b, s.view);
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
    if (!detail::BallFinite(b)) {
        b.x = x0, b.y = y0, b.vx = vx0, b.vy = vy0, b.ax = ax0, b.ay = ay0, b.mass = m0;
        b.Fx = 0, b.Fy = 0;
        context.syncBall(j);
        return;
    }
    context.syncBall(j);
    if (sampling && s.RunTime >= c.startTime) out.push_back(Segment(s, j, sample));
}

// A curve tick's sub-step has ended it when RunTime passed the end time.
int EndedAfter(Scene& s) {
    if (!(s.RunTime > s.curve.endTime)) return kCurveGoesOn;
    s.RunTime = 0;
    return kCurveEnded;
}

// The sub-steps of a curve tick under the classic step: ball after ball.
int ClassicCurveSubSteps(Scene& s, std::vector<CurveSegment>& out, TickProgress& progress, long long maxSubSteps) {
    const int N = progress.stepsPerTick;
    detail::StepContext context(s);
    const int n = context.ballCount();
    return detail::TickSubSteps(progress, s, maxSubSteps, [&](int i) {
        for (int j = 0; j < n; ++j) AdvanceForCurve(context, j, i == N - 1, out);
        s.RunTime += s.settings.StepTime;
        return EndedAfter(s);
    });
}

// The same under the accurate step, which moves every ball at once: the last
// sub-step of a tick is sampled from the balls' states before and after it.
int AccurateCurveSubSteps(Scene& s, std::vector<CurveSegment>& out, TickProgress& progress, long long maxSubSteps) {
    const int N = progress.stepsPerTick;
    const double T = s.settings.StepTime;
    const CurveSettings& c = s.curve;
    detail::AccurateStep step(s);
    const int n = step.ballCount();
    const int result = detail::TickSubSteps(progress, s, maxSubSteps, [&](int i) {
        const bool last = i == N - 1;
        std::vector<Quantities> before;
        if (last) {
            step.store();
            for (int j = 0; j < n; ++j) before.emplace_back(s.balls[j], s.RunTime);
        }
        // A sub-step that stopped being a number is not taken: the balls stay
        // where they were and nothing is plotted for them.
        const bool moved = step.subStep();
        if (last) {
            step.store();
            for (int j = 0; j < n; ++j) {
                Ball& b = s.balls[j];
                FollowOnScreen(b, s.view);
                if (!moved || b.curveFlag != 1 || s.RunTime < c.startTime) continue;
                const Quantities after(b, s.RunTime + T);
                Sample sample;
                Record(c, sample, 0, kQuantityCount - 1, before[static_cast<std::size_t>(j)].v, after.v);
                out.push_back(Segment(s, j, sample));
            }
        }
        s.RunTime += T;
        return EndedAfter(s);
    });
    step.store();
    return result;
}

}  // namespace

int CurveTickPart(Scene& s, std::vector<CurveSegment>& out, TickProgress& progress, long long maxSubSteps) {
    if (!progress.resumes(s)) {
        progress = TickProgress{};
        progress.stepsPerTick = s.settings.StepsPerTick;
    }
    if (maxSubSteps == 0) maxSubSteps = 1;
    return s.settings.AccurateStep ? AccurateCurveSubSteps(s, out, progress, maxSubSteps)
                                   : ClassicCurveSubSteps(s, out, progress, maxSubSteps);
}

int CurveTick(Scene& s, std::vector<CurveSegment>& out) {
    TickProgress progress;
    return CurveTickPart(s, out, progress, -1);
}

}  // namespace mb

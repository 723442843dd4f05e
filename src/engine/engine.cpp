// Run start and stop, the derived lengths of cords and poles, and the stepping
// loop that drives either step tick by tick.
#include "engine/engine.h"

#include <algorithm>
#include <cmath>

#include "engine/accurate_step.h"
#include "engine/step_context.h"

namespace mb {

namespace {

// A cord or pole whose ends start at the same point would have L = 0 and an
// infinite stiffness. A hanging one then takes the ball's radius as its length:
// the anchor holds the ball as a ring of that radius would, and the force is
// continuous where the ball leaves the radius within which no connector acts.
// A link keeps L = 0 (its law is continuous through zero) and takes its stiffness
// as if it were as long as the two radii together.
constexpr double kZeroLength = 1e-12;

double Stiffness(double m, double length) { return 100000.0 * m / (length > 0 ? length : 1.0); }

void PrepareHanging(Scene& scene, HangingTable& table) {
    const int n = table.count();
    for (int i = 0; i < n; ++i) {
        HangingConnector& c = table[i];
        if (c.ballIndex() < 0) continue;
        const Ball& b = scene.balls[c.ballIndex()];
        const double dx = b.x0 - c.anchorX, dy = b.y0 - c.anchorY;
        double L = std::sqrt(dx * dx + dy * dy);
        if (L < kZeroLength) L = b.R;
        const double K = Stiffness(b.M0, L);
        // A stiffness of 0 would end the table; a connector without a ball keeps its own.
        if (!(K > 0) || !std::isfinite(K) || !std::isfinite(L)) continue;
        c.L = L;
        c.K = K;
    }
}

void PrepareLinks(Scene& scene, LinkTable& table) {
    const int n = table.count();
    for (int i = 0; i < n; ++i) {
        LinkConnector& c = table[i];
        if (c.ball1Index() < 0 || c.ball2Index() < 0) continue;
        const Ball& b1 = scene.balls[c.ball1Index()];
        const Ball& b2 = scene.balls[c.ball2Index()];
        const double dx = b1.x0 - b2.x0, dy = b1.y0 - b2.y0;
        const double L = std::sqrt(dx * dx + dy * dy);
        const double m = b2.M0 > b1.M0 ? b1.M0 : b2.M0;
        const double K = Stiffness(m, L < kZeroLength ? b1.R + b2.R : L);
        if (!(K > 0) || !std::isfinite(K) || !std::isfinite(L)) continue;
        c.L = L;
        c.K = K;
    }
}

// World distances from the origin within which a ball is surely inside the
// controllable area: half a pixel and a relative margin short of its edge, far
// more than the rounding of the exact test can move it.
struct SafeArea {
    double x = 0, y = 0;
};

SafeArea SafeAreaOf(const ViewScale& view) {
    const double m = view.MetresPerPixel;
    SafeArea a;
    if (!(m > 0) || !std::isfinite(m)) return a;  // every ball takes the exact test
    const double px = kControllableArea - std::fabs(static_cast<double>(view.OriginX)) - 1.0;
    const double py = kControllableArea - std::fabs(static_cast<double>(view.OriginY)) - 1.0;
    a.x = px > 0 ? px * m * (1 - 1e-9) : 0;
    a.y = py > 0 ? py * m * (1 - 1e-9) : 0;
    return a;
}

// A ball beyond the controllable area (or whose position is no longer a number)
// ends the tick where it stands. The exact test is needed only near the edge.
bool Overflows(const ViewScale& view, const SafeArea& safe, double x, double y) {
    if (std::fabs(x) < safe.x && std::fabs(y) < safe.y) return false;
    const double cx = view.columnOf(x) + 0.5;
    const double cy = view.rowOf(y) + 0.5;
    return !(std::fabs(cx) <= kControllableArea) || !(std::fabs(cy) <= kControllableArea);
}

// The display work of ball j at the last sub-step of a tick, before its physics:
// the mean velocity and acceleration over the tick, the data window, the picture.
void DisplayWork(Scene& scene, TickDisplay* display, int j, double interval) {
    Ball& b = scene.balls[j];
    const int sx = scene.view.ballColumn(b.x);
    const int sy = scene.view.ballRow(b.y);
    b.meanVx = (b.x - b.markX) / interval;
    b.meanVy = (b.y - b.markY) / interval;
    b.meanAx = (b.meanVx - b.prevMeanVx) / interval;
    b.meanAy = (b.meanVy - b.prevMeanVy) / interval;
    if (scene.SelectedBall >= 0 && display) display->updateDataWindow(scene, j);
    b.markX = b.x;
    b.markY = b.y;
    b.prevMeanVx = b.meanVx;
    b.prevMeanVy = b.meanVy;
    if (display) display->moveBall(scene, j, sx, sy);
    b.screenX = sx;
    b.screenY = sy;
}

// The sub-steps of a tick under the classic step: ball after ball, each tested
// against the controllable area and, at the tick's last sub-step, doing its
// display work just before its own physics.
int ClassicSubSteps(Scene& scene, TickDisplay* display, TickProgress& progress, long long maxSubSteps) {
    const int N = progress.stepsPerTick;
    const double T = scene.settings.StepTime;
    const SafeArea safe = SafeAreaOf(scene.view);
    detail::StepContext context(scene);
    const int n = context.ballCount();
    return detail::TickSubSteps(progress, scene, maxSubSteps, [&](int i) {
        for (int j = 0; j < n; ++j) {
            Ball& b = scene.balls[j];
            b.Fx = 0;
            b.Fy = 0;
            if (Overflows(scene.view, safe, b.x, b.y)) return kStepOverflow;
            if (i == N - 1) DisplayWork(scene, display, j, N * T);
            if (!context.advanceBall(j)) return kStepOverflow;
        }
        scene.RunTime += T;
        return kStepNormal;
    });
}

// The same under the accurate step, which moves every ball at once: all are
// tested, and at the last sub-step all do their display work, before it.
int AccurateSubSteps(Scene& scene, TickDisplay* display, TickProgress& progress, long long maxSubSteps) {
    const int N = progress.stepsPerTick;
    const double T = scene.settings.StepTime;
    const SafeArea safe = SafeAreaOf(scene.view);
    detail::AccurateStep step(scene);
    const int n = step.ballCount();
    const int result = detail::TickSubSteps(progress, scene, maxSubSteps, [&](int i) {
        for (int j = 0; j < n; ++j)
            if (Overflows(scene.view, safe, step.x(j), step.y(j))) return kStepOverflow;
        if (i == N - 1) {
            step.store();
            for (int j = 0; j < n; ++j) DisplayWork(scene, display, j, N * T);
        }
        if (!step.subStep()) return kStepOverflow;
        scene.RunTime += T;
        return kStepNormal;
    });
    step.store();
    return result;
}

}  // namespace

void ApplyRelativity(Ball& b) {
    const double s = std::sqrt(b.vx * b.vx + b.vy * b.vy);
    // At or beyond the speed of light the root would vanish or turn imaginary.
    // The factor is then held at its value for 1 - 1e-12 of c (a million-fold
    // mass), so that further pushing hardly changes the speed.
    const double beta2 = std::min(s * s / (kLightSpeed * kLightSpeed), 1.0 - 1e-12);
    b.mass = b.M0 / std::sqrt(1.0 - beta2);
}

void ResetBallsToInitial(Scene& scene) {
    const int n = scene.balls.count();
    for (int j = 0; j < n; ++j) ResetBallToInitial(scene.balls[j], scene.view);
}

void PrepareRun(Scene& scene) {
    PrepareHanging(scene, scene.hangingCords);
    PrepareLinks(scene, scene.linkCords);
    PrepareHanging(scene, scene.hangingPoles);
    PrepareLinks(scene, scene.linkPoles);
}

void StartRun(Scene& scene) {
    scene.Running = 1;
    ResetBallsToInitial(scene);
    RefreshPresenceSwitches(scene);
    PrepareRun(scene);
    scene.RunTime = 0.0;
    scene.ledger = RunLedger{};
}

void StopRun(Scene& scene) {
    scene.Running = 0;
    ResetBallsToInitial(scene);
}

bool TickProgress::resumes(const Scene& scene) const {
    return subStep > 0 && subStep < stepsPerTick && stepsPerTick == scene.settings.StepsPerTick &&
           runTimeMark == scene.RunTime;
}

int StepScenePart(Scene& scene, TickDisplay* display, TickProgress& progress, long long maxSubSteps) {
    if (!progress.resumes(scene)) {
        progress = TickProgress{};
        progress.stepsPerTick = scene.settings.StepsPerTick;
        if (scene.SelectedBall == -1 && display) display->drawTimeBox(scene);
    }
    if (maxSubSteps == 0) maxSubSteps = 1;
    const int result = scene.settings.AccurateStep ? AccurateSubSteps(scene, display, progress, maxSubSteps)
                                                   : ClassicSubSteps(scene, display, progress, maxSubSteps);
    if (result == kStepNormal && progress.tickComplete() && display) display->tickEnded(scene);
    return result;
}

int StepScene(Scene& scene, TickDisplay* display) {
    TickProgress progress;
    return StepScenePart(scene, display, progress, -1);
}

}  // namespace mb

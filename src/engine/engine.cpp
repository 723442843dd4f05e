#include "engine/engine.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace mb {

namespace {

constexpr double kPi = std::numbers::pi;

// Direction angle of the vector (a, b) of length len the way the laboratory has
// always measured it: arcsin of the vertical part, mirrored for a leftward vector.
// The ratio is clamped so that rounding can never hand arcsin a value beyond 1.
double DirectionAngle(double a, double b, double len) {
    double angle = std::asin(std::clamp(b / len, -1.0, 1.0));
    if (a < 0) angle = kPi - angle;
    return angle;
}

bool Inside(double x, double y, double x1, double y1, double x2, double y2) {
    return x1 <= x && x <= x2 && y1 <= y && y <= y2;
}

bool ValidBallRef(int index) { return index >= 0 && index < kBallCapacity; }

// ---- field forces -------------------------------------------------------------

void AddDamping(Scene& scene, Ball& b) {
    const double s = std::sqrt(b.vx * b.vx + b.vy * b.vy);
    const int n = scene.dampingFields.count();
    for (int i = 0; i < n; ++i) {
        const DampingField& f = scene.dampingFields[i];
        if (!Inside(b.x, b.y, f.x1, f.y1, f.x2, f.y2)) continue;
        // A ball at rest has no direction of motion to brake along.
        if (s < 1e-16) return;
        double F;
        if (f.formula == 0)
            F = -f.N * std::pow(s, f.K);
        else if (f.formula == 1)
            F = -f.N * std::pow(s, f.K) * b.mass;
        else if (f.formula == 2)
            F = -f.N * std::pow(s, f.K) * 4 * (1.0 / 3.0) * kPi * std::pow(b.R, 3);
        else
            continue;  // an unknown force law brakes nothing
        const double theta = s < 1e-28 ? 0.0 : DirectionAngle(b.vx, b.vy, s);
        b.Fx += F * std::cos(theta);
        b.Fy += F * std::sin(theta);
    }
}

void AddGravityMasses(Scene& scene, Ball& b) {
    const int n = scene.gravityMasses.count();
    for (int i = 0; i < n; ++i) {
        const GravityMass& p = scene.gravityMasses[i];
        const double dx = p.x - b.x, dy = p.y - b.y;
        const double r = std::sqrt(dx * dx + dy * dy);
        if (r < 1e-80) continue;
        const double F = kGravityG * b.mass * p.M / (r * r);
        b.Fx += dx / r * F;
        b.Fy += dy / r * F;
    }
}

void AddPointCharges(Scene& scene, Ball& b) {
    const int n = scene.pointCharges.count();
    for (int i = 0; i < n; ++i) {
        const PointChargeField& p = scene.pointCharges[i];
        const double dx = p.x - b.x, dy = p.y - b.y;
        const double r = std::sqrt(dx * dx + dy * dy);
        if (r < 1e-80) continue;
        const double F = kCoulombK * b.Q * p.Q / (r * r) / kPermittivity;
        b.Fx -= dx / r * F;
        b.Fy -= dy / r * F;
    }
}

void AddElectricFields(Scene& scene, Ball& b) {
    const int n = scene.electricFields.count();
    for (int i = 0; i < n; ++i) {
        const UniformElectricField& f = scene.electricFields[i];
        if (!Inside(b.x, b.y, f.x1, f.y1, f.x2, f.y2)) continue;
        b.Fx += std::cos(f.direction) * b.Q * f.E;
        b.Fy += std::sin(f.direction) * b.Q * f.E;
    }
}

void AddMagneticFields(Scene& scene, Ball& b) {
    const double s = std::sqrt(b.vx * b.vx + b.vy * b.vy);
    if (s < 1e-80) return;
    double S = 0.0;
    const int n = scene.magneticFields.count();
    for (int i = 0; i < n; ++i) {
        const UniformMagneticField& f = scene.magneticFields[i];
        if (Inside(b.x, b.y, f.x1, f.y1, f.x2, f.y2)) S += -(b.Q * f.sign * f.B * s);
    }
    // q v x B for a field along +z: perpendicular to the velocity, so it turns
    // the ball without changing its speed.
    b.Fx -= S * b.vy / s;
    b.Fy += S * b.vx / s;
}

// Mutual gravitation and mutual Coulomb force of every other ball on ball j.
// This is the hot loop of a crowded scene: 1/r is computed once per pair and the
// near-coincidence test is a select rather than a branch. Each law's terms are
// summed in table order into their own total; the gravitation total joins the
// force before the point charges and the Coulomb total after the uniform
// electric fields, as the force order requires.
struct MutualTotals {
    double gx = 0, gy = 0, cx = 0, cy = 0;
};

template <bool Gravitation, bool Coulomb>
MutualTotals MutualForces(const Scene& scene, int j, int count) {
    const Ball& b = scene.balls[j];
    MutualTotals t;
    const double gm = kGravityG * b.mass;
    const double kq = kCoulombK * b.Q / kPermittivity;
    for (int k = 0; k < count; ++k) {
        const Ball& o = scene.balls[k];
        const double dx = o.x - b.x, dy = o.y - b.y;
        const double r = std::sqrt(dx * dx + dy * dy);
        // Balls closer than 1e-24 m exert nothing; ball j itself, at distance 0,
        // drops out through the same test.
        const bool near = r < 1e-24;
        const double inv = near ? 0.0 : 1.0 / r;
        const double inv2 = inv * inv;
        if constexpr (Gravitation) {
            const double F = gm * o.mass * inv2;
            t.gx += dx * inv * F;
            t.gy += dy * inv * F;
        }
        if constexpr (Coulomb) {
            const double F = kq * o.Q * inv2;
            t.cx -= dx * inv * F;
            t.cy -= dy * inv * F;
        }
    }
    return t;
}

MutualTotals ComputeMutual(const Scene& scene, int j, int n) {
    const bool g = scene.settings.MutualGravitationOn, c = scene.settings.MutualCoulombOn;
    if (g && c) return MutualForces<true, true>(scene, j, n);
    if (g) return MutualForces<true, false>(scene, j, n);
    if (c) return MutualForces<false, true>(scene, j, n);
    return {};
}

// ---- springs, cords and poles -------------------------------------------------

// A linear spring of natural length L and stiffness K along (dx, dy), the vector
// from the other end to the ball. The mode decides whether it pushes, pulls or both.
void AddSpringForce(Ball& b, double dx, double dy, double L, double K, double mode, bool radiusTest,
                    double directionThreshold) {
    if (dx > 1e70) dx = 0;
    if (dy > 1e70) dy = 0;
    const double d = std::sqrt(dx * dx + dy * dy);
    if (radiusTest && d <= b.R) return;  // the ball sits on its anchor
    const double e = L - d;
    if (std::fabs(e) < 1e-24) return;  // at its natural length
    if (e <= 0 && mode == kModePushOnly) return;
    if (e >= 0 && mode == kModePullOnly) return;
    const double theta = d >= directionThreshold ? DirectionAngle(dx, dy, d) : (dx < 0 ? kPi : 0.0);
    const double F = K * e;
    b.Fx += F * std::cos(theta);
    b.Fy += F * std::sin(theta);
}

void AddHanging(const HangingTable& table, Ball& b, int j) {
    const int n = table.count();
    for (int i = 0; i < n; ++i) {
        const HangingConnector& c = table[i];
        if (c.ballIndex() != j) continue;
        AddSpringForce(b, b.x - c.anchorX, b.y - c.anchorY, c.L, c.K, c.mode, true, 1e-24);
    }
}

// Each ball of a link feels its own half in its own sub-step, computed from the
// other ball's position at that moment; no reaction is applied to the other ball.
void AddLinks(const Scene& scene, const LinkTable& table, Ball& b, int j) {
    const int n = table.count();
    for (int i = 0; i < n; ++i) {
        const LinkConnector& c = table[i];
        int other;
        if (c.ball1Index() == j)
            other = c.ball2Index();
        else if (c.ball2Index() == j)
            other = c.ball1Index();
        else
            continue;
        if (!ValidBallRef(other)) continue;
        const Ball& o = scene.balls[other];
        AddSpringForce(b, b.x - o.x, b.y - o.y, c.L, c.K, c.mode, false, 1e-18);
    }
}

// ---- tracks and bumps -----------------------------------------------------------

// Returns true when a vertical track reflected the ball: no other track is
// examined for it in this sub-step.
bool ReflectStraight(const StraightTrack& t, Ball& b) {
    if (t.ys > t.ye) {
        if (!(t.ye <= b.y && b.y <= t.ys)) return false;
    } else if (t.ye > t.ys) {
        if (!(t.ys <= b.y && b.y <= t.ye)) return false;
    }
    if (t.xs == t.xe && std::fabs(b.x - t.xs) <= b.R) {
        b.vx = -b.vx;
        return true;
    }
    if (!(t.xs <= b.x && b.x <= t.xe)) return false;
    const double d = (t.A * b.x + t.B * b.y + t.C) / t.norm;
    if (d > 0 && d - b.R > 0) return false;
    if (d <= 0 && d + b.R < 0) return false;
    // Mirror the velocity at the track: keep the part along it, reverse the part across.
    const double c = std::cos(t.theta), s = std::sin(t.theta);
    const double cn = std::cos(t.theta + kPi / 2), sn = std::sin(t.theta + kPi / 2);
    const double u = b.vx * c + b.vy * s;
    const double w = -(b.vx * cn + b.vy * sn);
    b.vx = u * c + w * cn;
    b.vy = u * s + w * sn;
    return false;
}

void ReflectCircular(const CircularTrack& t, Ball& b) {
    const double ex = b.x - t.cx, ey = b.y - t.cy;
    const double dist = std::sqrt(ex * ex + ey * ey);
    // At the very centre there is no position angle: the arc cannot be touching.
    if (dist == 0) return;
    const double e = t.radius - dist;
    if (e > 0 && e - b.R > 0) return;
    if (e <= 0 && e + b.R < 0) return;
    double phi = DirectionAngle(ex, ey, dist);
    if (phi < 0) phi += 2 * kPi;
    const bool onArc = (t.startAngle <= phi && phi <= t.endAngle) ||
                       (t.startAngle + 2 * kPi <= phi && phi <= t.endAngle + 2 * kPi);
    if (!onArc) return;
    const double s = std::sqrt(b.vx * b.vx + b.vy * b.vy);
    double psi = s < 1e-28 ? 0.0 : DirectionAngle(b.vx, b.vy, s);
    if (psi < 0) psi += 2 * kPi;
    // Mirror the velocity at the tangent through the ball's position.
    const double I = 2 * phi - psi;
    b.vx = -s * std::cos(I);
    b.vy = -s * std::sin(I);
}

// Elastic collision of balls j and k along their line of centres. Ball k is then
// placed exactly touching ball j. Nothing changes if the outcome would not be finite.
// Balls that merely touch do not collide.
inline bool Overlap(const Ball& bj, const Ball& bk) {
    const double Rs = bj.R + bk.R;
    const double dx = bk.x - bj.x, dy = bk.y - bj.y;
    return std::fabs(dx) < Rs && std::fabs(dy) < Rs && Rs * Rs > dx * dx + dy * dy;
}

void Bump(Ball& bj, Ball& bk) {
    const double Rs = bj.R + bk.R;
    const double dx = bk.x - bj.x, dy = bk.y - bj.y;
    const double h = std::sqrt(dx * dx + dy * dy);
    // Centres closer than 1e-24 m give no arcsin; the line of centres then only
    // keeps its side: leftward when ball k lies to the left of ball j.
    double lambda = h > 1e-24 ? DirectionAngle(dx, dy, h) : (dx < 0 ? kPi : 0.0);
    if (lambda < 0) lambda += 2 * kPi;
    double mu = lambda + kPi / 2;
    if (mu >= 2 * kPi) mu -= 2 * kPi;
    const double nx = std::cos(lambda), ny = std::sin(lambda);
    const double tx = std::cos(mu), ty = std::sin(mu);
    const double uj = bj.vx * nx + bj.vy * ny, uk = bk.vx * nx + bk.vy * ny;
    const double wj = bj.vx * tx + bj.vy * ty, wk = bk.vx * tx + bk.vy * ty;
    const double Mj = bj.mass, Mk = bk.mass;
    const double uk2 = ((Mk - Mj) * uk + 2 * Mj * uj) / (Mj + Mk);
    const double uj2 = ((Mj - Mk) * uj + 2 * Mk * uk) / (Mj + Mk);
    const double vkx = uk2 * nx + wk * tx, vky = uk2 * ny + wk * ty;
    const double vjx = uj2 * nx + wj * tx, vjy = uj2 * ny + wj * ty;
    const double xk = bj.x + Rs * nx, yk = bj.y + Rs * ny;
    if (!std::isfinite(vkx) || !std::isfinite(vky) || !std::isfinite(vjx) || !std::isfinite(vjy) ||
        !std::isfinite(xk) || !std::isfinite(yk))
        return;
    bk.vx = vkx;
    bk.vy = vky;
    bj.vx = vjx;
    bj.vy = vjy;
    bk.x = xk;
    bk.y = yk;
}

bool Finite(const Ball& b) {
    return std::isfinite(b.x) && std::isfinite(b.y) && std::isfinite(b.vx) && std::isfinite(b.vy) &&
           std::isfinite(b.ax) && std::isfinite(b.ay) && std::isfinite(b.Fx) && std::isfinite(b.Fy) &&
           std::isfinite(b.mass);
}

// The fields a sub-step writes, so that a step that diverged can be taken back.
struct BallState {
    double x, y, vx, vy, ax, ay, Fx, Fy, mass;
    explicit BallState(const Ball& b)
        : x(b.x), y(b.y), vx(b.vx), vy(b.vy), ax(b.ax), ay(b.ay), Fx(b.Fx), Fy(b.Fy), mass(b.mass) {}
    void restore(Ball& b) const {
        b.x = x, b.y = y, b.vx = vx, b.vy = vy, b.ax = ax, b.ay = ay, b.Fx = Fx, b.Fy = Fy, b.mass = mass;
    }
};

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
        if (!ValidBallRef(c.ballIndex())) continue;
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
        if (!ValidBallRef(c.ball1Index()) || !ValidBallRef(c.ball2Index())) continue;
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

}  // namespace

// ---- public -------------------------------------------------------------------------

// The ball count is walked once per sub-step of a ball and handed down.
static void AddForcesOf(Scene& scene, int j, int ballCount) {
    Ball& b = scene.balls[j];
    const PresenceSwitches& p = scene.presence;
    const ExperimentSettings& set = scene.settings;
    if (p.damping) AddDamping(scene, b);
    if (p.gravityMass) AddGravityMasses(scene, b);
    const bool mutual = set.MutualGravitationOn || set.MutualCoulombOn;
    const MutualTotals m = mutual ? ComputeMutual(scene, j, ballCount) : MutualTotals{};
    if (set.MutualGravitationOn) {
        b.Fx += m.gx;
        b.Fy += m.gy;
    }
    if (p.pointCharge) AddPointCharges(scene, b);
    if (p.electricField) AddElectricFields(scene, b);
    if (set.MutualCoulombOn) {
        b.Fx += m.cx;
        b.Fy += m.cy;
    }
    if (p.magneticField) AddMagneticFields(scene, b);
    if (p.linkSpring) AddLinks(scene, scene.linkSprings, b, j);
    if (p.hangingSpring) AddHanging(scene.hangingSprings, b, j);
    if (p.linkCord) AddLinks(scene, scene.linkCords, b, j);
    if (p.hangingCord) AddHanging(scene.hangingCords, b, j);
    if (p.linkPole) AddLinks(scene, scene.linkPoles, b, j);
    if (p.hangingPole) AddHanging(scene.hangingPoles, b, j);
}

void ApplyRelativity(Ball& b) {
    const double s = std::sqrt(b.vx * b.vx + b.vy * b.vy);
    // At or beyond the speed of light the root would vanish or turn imaginary.
    // The factor is then held at its value for 1 - 1e-12 of c (a million-fold
    // mass), so that further pushing hardly changes the speed.
    const double beta2 = std::min(s * s / (kLightSpeed * kLightSpeed), 1.0 - 1e-12);
    b.mass = b.M0 / std::sqrt(1.0 - beta2);
}

void ApplyTracks(Scene& scene, int j) {
    Ball& b = scene.balls[j];
    if (scene.presence.straightTrack) {
        const int n = scene.straightTracks.count();
        for (int i = 0; i < n; ++i)
            if (ReflectStraight(scene.straightTracks[i], b)) break;
    }
    if (scene.presence.circularTrack) {
        const int n = scene.circularTracks.count();
        for (int i = 0; i < n; ++i) ReflectCircular(scene.circularTracks[i], b);
    }
}

static void ApplyBumpsOf(Scene& scene, int j, int n) {
    Ball& bj = scene.balls[j];
    for (int k = 0; k < n; ++k)
        if (k != j && Overlap(bj, scene.balls[k])) Bump(bj, scene.balls[k]);
}

void AddForces(Scene& scene, int j) { AddForcesOf(scene, j, scene.balls.count()); }

void ApplyBumps(Scene& scene, int j) { ApplyBumpsOf(scene, j, scene.balls.count()); }

bool AdvanceBall(Scene& scene, int j) {
    Ball& b = scene.balls[j];
    const BallState before(b);
    const double T = scene.settings.StepTime;
    const int ballCount = scene.balls.count();
    b.Fx += b.extraFx;
    b.Fy += b.extraFy;
    if (scene.settings.GravityOn) b.Fy -= b.mass * kStandardGravity;
    AddForcesOf(scene, j, ballCount);
    if (scene.settings.RelativityOn) ApplyRelativity(b);
    b.ax = b.Fx / b.mass;
    b.ay = b.Fy / b.mass;
    // Semi-implicit Euler: the new velocity moves the ball.
    b.vx += b.ax * T;
    b.vy += b.ay * T;
    ApplyTracks(scene, j);
    if (scene.settings.BumpOn) ApplyBumpsOf(scene, j, ballCount);
    b.x += b.vx * T;
    b.y += b.vy * T;
    if (Finite(b)) return true;
    before.restore(b);
    return false;
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
}

void StopRun(Scene& scene) {
    scene.Running = 0;
    ResetBallsToInitial(scene);
}

int StepScene(Scene& scene, TickDisplay* display) {
    if (scene.SelectedBall == -1 && display) display->drawTimeBox(scene);
    const int N = scene.settings.StepsPerTick;
    const double T = scene.settings.StepTime;
    const ViewScale& view = scene.view;
    const double interval = N * T;
    for (int i = 0; i < N; ++i) {
        const bool last = i == N - 1;
        for (int j = 0; j < kBallCapacity && scene.balls[j].inUse(); ++j) {
            Ball& b = scene.balls[j];
            b.Fx = 0;
            b.Fy = 0;
            // A ball beyond the controllable area (or whose position is no longer
            // a number) ends the tick where it stands.
            const double cx = view.columnOf(b.x) + 0.5;
            const double cy = view.rowOf(b.y) + 0.5;
            if (!(std::fabs(cx) <= kControllableArea) || !(std::fabs(cy) <= kControllableArea)) return kStepOverflow;
            const int sx = static_cast<int>(cx), sy = static_cast<int>(cy);
            if (last) {
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
            if (!AdvanceBall(scene, j)) return kStepOverflow;
        }
        scene.RunTime += T;
    }
    return kStepNormal;
}

}  // namespace mb

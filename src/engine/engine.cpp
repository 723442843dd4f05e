#include "engine/engine.h"

#include "engine/step_context.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <numbers>

namespace mb {

namespace {

constexpr double kPi = std::numbers::pi;
// The direction angle pi taken apart: (cos pi, sin pi) as the library gives them.
const double kCosPi = std::cos(kPi);
const double kSinPi = std::sin(kPi);

// Direction angle of the vector (a, b) of length len the way the laboratory has
// always measured it: arcsin of the vertical part, mirrored for a leftward vector.
// The ratio is clamped so that rounding can never hand arcsin a value beyond 1.
double DirectionAngle(double a, double b, double len) {
    double angle = std::asin(std::clamp(b / len, -1.0, 1.0));
    if (a < 0) angle = kPi - angle;
    return angle;
}


bool ValidBallRef(int index) { return index >= 0 && index < kBallCapacity; }

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

// ---- the compact copy ----------------------------------------------------------

namespace detail {

namespace {

// Appends the connectors of one kind to the lists of the balls they hold, in
// table order. A link lands in both balls' lists; a reference that names no slot
// of the ball table is skipped, as the force routine skips it.
template <class Add>
void CollectHanging(const HangingTable& table, Add&& add) {
    const int n = table.count();
    for (int i = 0; i < n; ++i) {
        const HangingConnector& c = table[i];
        const int j = c.ballIndex();
        if (j >= 0) add(j, HeldBy{c.anchorX, c.anchorY, c.L, c.K, c.mode, -1});
    }
}

template <class Add>
void CollectLinks(const LinkTable& table, Add&& add) {
    const int n = table.count();
    for (int i = 0; i < n; ++i) {
        const LinkConnector& c = table[i];
        const int a = c.ball1Index(), b = c.ball2Index();
        // Ball j takes ball 2 as the other end when it is ball 1, else ball 1.
        if (a >= 0 && b >= 0) add(a, HeldBy{0, 0, c.L, c.K, c.mode, b});
        if (b >= 0 && b != a && a >= 0) add(b, HeldBy{0, 0, c.L, c.K, c.mode, a});
    }
}

template <class Record>
void FillCentral(const Table<Record, kTableCapacity>& table, CentralArrays& e, double Record::* strength) {
    e.count = table.count();
    e.slots = WholeLanes(e.count);
    for (int i = 0; i < kElementSlots; ++i) {
        // Padding elements have no strength and add nothing.
        const bool used = i < e.count;
        e.x[i] = used ? table[i].x : 1.0;
        e.y[i] = used ? table[i].y : 1.0;
        e.strength[i] = used ? table[i].*strength : 0.0;
    }
}

template <class Record>
void FillRegions(const Table<Record, kTableCapacity>& table, RegionArrays& g) {
    g.count = table.count();
    g.slots = WholeLanes(g.count);
    for (int i = 0; i < kElementSlots; ++i) {
        const bool used = i < g.count;
        g.x1[i] = used ? table[i].x1 : 0.0;
        g.y1[i] = used ? table[i].y1 : 0.0;
        g.x2[i] = used ? table[i].x2 : 0.0;
        g.y2[i] = used ? table[i].y2 : 0.0;
    }
}

#if defined(MB_HAVE_AVX2_KERNELS)
const bool kCpuHasAvx2 = __builtin_cpu_supports("avx2");
bool wideAllowed = true;
#endif

// Bits 0 .. n - 1.
std::uint32_t FirstBits(int n) { return n >= 32 ? ~0u : (1u << n) - 1; }

}  // namespace

const Kernels& ActiveKernels() {
#if defined(MB_HAVE_AVX2_KERNELS)
    if (kCpuHasAvx2 && wideAllowed) return Avx2Kernels();
#endif
    return BaselineKernels();
}

void AllowWideVectors(bool allowed) {
#if defined(MB_HAVE_AVX2_KERNELS)
    wideAllowed = allowed;
#else
    (void)allowed;
#endif
}

bool UsingWideVectors() { return &ActiveKernels() != &BaselineKernels(); }

StepContext::StepContext(Scene& scene) : scene_(scene), kernels_(ActiveKernels()) {
    ballCount_ = scene.balls.count();
    ballSlots_ = WholeLanes(ballCount_);
    for (int k = 0; k < kBallSlots; ++k) {
        // Slots past the table hold nothing: no mass, no charge, no reach.
        balls_.x[k] = balls_.y[k] = balls_.mass[k] = balls_.Q[k] = balls_.R[k] = 0.0;
    }
    for (int k = 0; k < ballCount_; ++k) syncBall(k);

    const PresenceSwitches& p = scene.presence;
    if (p.damping) FillRegions(scene.dampingFields, damping_);
    if (p.gravityMass) FillCentral(scene.gravityMasses, gravityMasses_, &GravityMass::M);
    if (p.pointCharge) FillCentral(scene.pointCharges, pointCharges_, &PointChargeField::Q);
    if (p.electricField) {
        FillRegions(scene.electricFields, electric_);
        for (int i = 0; i < electric_.count; ++i) {
            electricCos_[i] = std::cos(scene.electricFields[i].direction);
            electricSin_[i] = std::sin(scene.electricFields[i].direction);
        }
    }
    if (p.magneticField) FillRegions(scene.magneticFields, magnetic_);
    if (p.straightTrack) {
        const StraightTrackTable& t = scene.straightTracks;
        straight_.count = t.count();
        straight_.slots = WholeLanes(straight_.count);
        for (int i = 0; i < kElementSlots; ++i) {
            const bool used = i < straight_.count;
            straight_.A[i] = used ? t[i].A : 0.0;
            straight_.B[i] = used ? t[i].B : 0.0;
            straight_.C[i] = used ? t[i].C : 0.0;
            straight_.norm[i] = used ? t[i].norm : 1.0;
            straight_.xs[i] = used ? t[i].xs : 0.0;
            straight_.ys[i] = used ? t[i].ys : 0.0;
            straight_.xe[i] = used ? t[i].xe : 0.0;
            straight_.ye[i] = used ? t[i].ye : 0.0;
        }
    }
    if (p.circularTrack) {
        const CircularTrackTable& t = scene.circularTracks;
        circular_.count = t.count();
        circular_.slots = WholeLanes(circular_.count);
        for (int i = 0; i < kElementSlots; ++i) {
            const bool used = i < circular_.count;
            circular_.cx[i] = used ? t[i].cx : 0.0;
            circular_.cy[i] = used ? t[i].cy : 0.0;
            circular_.radius[i] = used ? t[i].radius : 0.0;
        }
    }

    // Each ball's connectors in the order the force routines take them: count,
    // then place, so that every ball's list keeps that order.
    int counts[kBallCapacity] = {};
    heldStart_[0] = 0;
    auto collect = [&](auto&& add) {
        if (p.linkSpring) CollectLinks(scene.linkSprings, add);
        if (p.hangingSpring) CollectHanging(scene.hangingSprings, add);
        if (p.linkCord) CollectLinks(scene.linkCords, add);
        if (p.hangingCord) CollectHanging(scene.hangingCords, add);
        if (p.linkPole) CollectLinks(scene.linkPoles, add);
        if (p.hangingPole) CollectHanging(scene.hangingPoles, add);
    };
    collect([&](int j, const HeldBy&) { ++counts[j]; });
    for (int j = 0; j < kBallCapacity; ++j) heldStart_[j + 1] = static_cast<std::int16_t>(heldStart_[j] + counts[j]);
    int next[kBallCapacity];
    for (int j = 0; j < kBallCapacity; ++j) next[j] = heldStart_[j];
    collect([&](int j, const HeldBy& h) { held_[next[j]++] = h; });
}

void StepContext::syncBall(int j) {
    overlapsOf_ = -1;
    const Ball& b = scene_.balls[j];
    balls_.x[j] = b.x;
    balls_.y[j] = b.y;
    balls_.mass[j] = b.mass;
    balls_.Q[j] = b.Q;
    balls_.R[j] = b.R;
}

void StepContext::addDamping(Ball& b) {
    std::uint32_t inside = kernels_.inside(damping_, b.x, b.y) & FirstBits(damping_.count);
    if (!inside) return;
    const double s = std::sqrt(b.vx * b.vx + b.vy * b.vy);
    // A ball at rest has no direction of motion to brake along.
    if (s < 1e-16) return;
    // The power of the speed for the exponent met last; regions usually share one.
    double lastK = 0, powerOfSpeed = 1, volume = -1;
    bool havePower = false;
    while (inside) {
        const DampingField& f = scene_.dampingFields[std::countr_zero(inside)];
        inside &= inside - 1;
        if (!havePower || f.K != lastK) {
            powerOfSpeed = std::pow(s, f.K);
            lastK = f.K;
            havePower = true;
        }
        double F;
        if (f.formula == 0)
            F = -f.N * powerOfSpeed;
        else if (f.formula == 1)
            F = -f.N * powerOfSpeed * b.mass;
        else if (f.formula == 2) {
            if (volume < 0) volume = std::pow(b.R, 3);
            F = -f.N * powerOfSpeed * 4 * (1.0 / 3.0) * kPi * volume;
        } else {
            continue;  // an unknown force law brakes nothing
        }
        // Along the motion: the cosine and sine of the velocity's direction angle
        // are its components over the speed.
        b.Fx += F * (b.vx / s);
        b.Fy += F * (b.vy / s);
    }
}

void StepContext::addElectric(Ball& b) {
    std::uint32_t inside = kernels_.inside(electric_, b.x, b.y) & FirstBits(electric_.count);
    while (inside) {
        const int i = std::countr_zero(inside);
        inside &= inside - 1;
        const double E = scene_.electricFields[i].E;
        b.Fx += electricCos_[i] * b.Q * E;
        b.Fy += electricSin_[i] * b.Q * E;
    }
}

void StepContext::addMagnetic(Ball& b) {
    // Outside every field the sum is 0 and so is the force.
    std::uint32_t inside = kernels_.inside(magnetic_, b.x, b.y) & FirstBits(magnetic_.count);
    if (!inside) return;
    const double s = std::sqrt(b.vx * b.vx + b.vy * b.vy);
    if (s < 1e-80) return;
    double S = 0.0;
    while (inside) {
        const UniformMagneticField& f = scene_.magneticFields[std::countr_zero(inside)];
        inside &= inside - 1;
        S += -(b.Q * f.sign * f.B * s);
    }
    // q v x B for a field along +z: perpendicular to the velocity, so it turns
    // the ball without changing its speed.
    b.Fx -= S * b.vy / s;
    b.Fy += S * b.vx / s;
}

// A linear spring of natural length L and stiffness K along (dx, dy), the vector
// from the other end to the ball. The mode decides whether it pushes, pulls or
// both. Each ball of a link feels its own half in its own sub-step, computed from
// the other ball's position at that moment; no reaction is applied to the other.
void StepContext::addHeld(Ball& b, int j) {
    for (int i = heldStart_[j]; i < heldStart_[j + 1]; ++i) {
        const HeldBy& h = held_[i];
        const bool hanging = h.other < 0;
        double ox = h.anchorX, oy = h.anchorY;
        if (!hanging) {
            // A link may name a slot past the ball table: that record's position.
            ox = h.other < ballCount_ ? balls_.x[h.other] : scene_.balls[h.other].x;
            oy = h.other < ballCount_ ? balls_.y[h.other] : scene_.balls[h.other].y;
        }
        double dx = b.x - ox;
        double dy = b.y - oy;
        if (dx > 1e70) dx = 0;
        if (dy > 1e70) dy = 0;
        const double d = std::sqrt(dx * dx + dy * dy);
        if (hanging && d <= b.R) continue;  // the ball sits on its anchor
        const double e = h.L - d;
        if (std::fabs(e) < 1e-24) continue;  // at its natural length
        if (e <= 0 && h.mode == kModePushOnly) continue;
        if (e >= 0 && h.mode == kModePullOnly) continue;
        const double F = h.K * e;
        // The cosine and sine of the direction angle from the other end to the
        // ball are the components of that vector over its length. Below the
        // threshold the angle is 0, or pi for a leftward vector.
        const double threshold = hanging ? 1e-24 : 1e-18;
        if (d >= threshold) {
            const double perLength = F / d;
            b.Fx += perLength * dx;
            b.Fy += perLength * dy;
        } else {
            b.Fx += F * (dx < 0 ? kCosPi : 1.0);
            b.Fy += F * (dx < 0 ? kSinPi : 0.0);
        }
    }
}

void StepContext::addForces(int j) {
    Ball& b = scene_.balls[j];
    const ExperimentSettings& set = scene_.settings;
    if (damping_.count > 0) addDamping(b);
    if (gravityMasses_.count > 0) {
        // Gravity masses attract.
        const CentralSums t = kernels_.central(gravityMasses_, b.x, b.y, kGravityG * b.mass);
        b.Fx += t.x;
        b.Fy += t.y;
    }
    const bool g = set.MutualGravitationOn, c = set.MutualCoulombOn;
    // Both mutual laws come from one pass over the other balls; the gravitation
    // joins the force before the point charges and the Coulomb force after the
    // uniform electric fields, as the force order requires. The same pass finds
    // the balls that ball j overlaps: no ball moves between here and the bumps.
    MutualSums m;
    if (g || c) {
        m = kernels_.mutual(balls_, ballSlots_, b.x, b.y, kGravityG * b.mass, kCoulombK * b.Q / kPermittivity, g, c,
                            set.BumpOn ? b.R : -1.0);
        if (set.BumpOn) {
            overlapsOf_ = j;
            overlaps_ = m.overlaps;
        }
    }
    if (g) {
        b.Fx += m.gx;
        b.Fy += m.gy;
    }
    if (pointCharges_.count > 0) {
        // Charges of the same sign repel.
        const CentralSums t = kernels_.central(pointCharges_, b.x, b.y, kCoulombK * b.Q / kPermittivity);
        b.Fx -= t.x;
        b.Fy -= t.y;
    }
    if (electric_.count > 0) addElectric(b);
    if (c) {
        b.Fx += m.cx;
        b.Fy += m.cy;
    }
    if (magnetic_.count > 0) addMagnetic(b);
    if (heldStart_[j + 1] > heldStart_[j]) addHeld(b, j);
}

// Which tracks a ball touches depends on its position alone, and a reflection
// changes only its velocity: the contacts are found first, all at once, and the
// reflections then applied in table order.
void StepContext::applyTracks(int j) {
    Ball& b = scene_.balls[j];
    if (straight_.count > 0) {
        std::uint32_t hits = kernels_.straightContacts(straight_, b.x, b.y, b.R) & FirstBits(straight_.count);
        while (hits) {
            const int i = std::countr_zero(hits);
            hits &= hits - 1;
            if (ReflectStraight(scene_.straightTracks[i], b)) break;
        }
    }
    if (circular_.count > 0) {
        std::uint32_t hits = kernels_.circleContacts(circular_, b.x, b.y, b.R) & FirstBits(circular_.count);
        while (hits) {
            const int i = std::countr_zero(hits);
            hits &= hits - 1;
            ReflectCircular(scene_.circularTracks[i], b);
        }
    }
}

void StepContext::applyBumps(int j) {
    Ball& bj = scene_.balls[j];
    // Which balls overlap ball j is settled before any bump: a bump changes ball
    // j's velocity and moves the other ball only, so the later tests find what
    // they would find now.
    std::uint32_t hits = overlapsOf_ == j ? overlaps_ : kernels_.overlaps(balls_, ballSlots_, bj.x, bj.y, bj.R);
    overlapsOf_ = -1;
    hits &= FirstBits(ballCount_) & ~(1u << j);
    while (hits) {
        const int k = std::countr_zero(hits);
        hits &= hits - 1;
        Bump(bj, scene_.balls[k]);
        syncBall(k);
    }
}

bool StepContext::advanceBall(int j) {
    Ball& b = scene_.balls[j];
    const BallState before(b);
    const ExperimentSettings& set = scene_.settings;
    const double T = set.StepTime;
    b.Fx += b.extraFx;
    b.Fy += b.extraFy;
    if (set.GravityOn) b.Fy -= b.mass * kStandardGravity;
    addForces(j);
    if (set.RelativityOn) ApplyRelativity(b);
    b.ax = b.Fx / b.mass;
    b.ay = b.Fy / b.mass;
    // Semi-implicit Euler: the new velocity moves the ball.
    b.vx += b.ax * T;
    b.vy += b.ay * T;
    applyTracks(j);
    if (set.BumpOn) applyBumps(j);
    b.x += b.vx * T;
    b.y += b.vy * T;
    const bool finite = Finite(b);
    if (!finite) before.restore(b);
    syncBall(j);
    return finite;
}

}  // namespace detail

// ---- public -------------------------------------------------------------------------

void ApplyRelativity(Ball& b) {
    const double s = std::sqrt(b.vx * b.vx + b.vy * b.vy);
    // At or beyond the speed of light the root would vanish or turn imaginary.
    // The factor is then held at its value for 1 - 1e-12 of c (a million-fold
    // mass), so that further pushing hardly changes the speed.
    const double beta2 = std::min(s * s / (kLightSpeed * kLightSpeed), 1.0 - 1e-12);
    b.mass = b.M0 / std::sqrt(1.0 - beta2);
}

void AddForces(Scene& scene, int j) { detail::StepContext(scene).addForces(j); }

void ApplyTracks(Scene& scene, int j) { detail::StepContext(scene).applyTracks(j); }

void ApplyBumps(Scene& scene, int j) { detail::StepContext(scene).applyBumps(j); }

bool AdvanceBall(Scene& scene, int j) { return detail::StepContext(scene).advanceBall(j); }

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

namespace {

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

}  // namespace

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
    const int N = progress.stepsPerTick;
    const double T = scene.settings.StepTime;
    const ViewScale& view = scene.view;
    const double interval = N * T;
    detail::StepContext context(scene);
    const int n = context.ballCount();
    const SafeArea safe = SafeAreaOf(view);
    long long done = 0;
    for (int i = progress.subStep; i < N; ++i) {
        if (done == maxSubSteps) {
            // The tick goes on at sub-step i on the next call.
            progress.subStep = i;
            progress.runTimeMark = scene.RunTime;
            return kStepNormal;
        }
        const bool last = i == N - 1;
        for (int j = 0; j < n; ++j) {
            Ball& b = scene.balls[j];
            b.Fx = 0;
            b.Fy = 0;
            // A ball beyond the controllable area (or whose position is no longer
            // a number) ends the tick where it stands. The exact test is needed
            // only near the edge of the area.
            if (!(std::fabs(b.x) < safe.x && std::fabs(b.y) < safe.y)) {
                const double cx = view.columnOf(b.x) + 0.5;
                const double cy = view.rowOf(b.y) + 0.5;
                if (!(std::fabs(cx) <= kControllableArea) || !(std::fabs(cy) <= kControllableArea)) {
                    progress = TickProgress{};
                    return kStepOverflow;
                }
            }
            if (last) {
                const int sx = static_cast<int>(view.columnOf(b.x) + 0.5);
                const int sy = static_cast<int>(view.rowOf(b.y) + 0.5);
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
            if (!context.advanceBall(j)) {
                progress = TickProgress{};
                return kStepOverflow;
            }
        }
        scene.RunTime += T;
        ++done;
    }
    progress = TickProgress{};
    return kStepNormal;
}

int StepScene(Scene& scene, TickDisplay* display) {
    TickProgress progress;
    return StepScenePart(scene, display, progress, -1);
}

}  // namespace mb

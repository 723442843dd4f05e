// The compact copy of the scene that both steps read, the choice of vector
// kernels, and the classic step's sub-step of one ball.
#include "engine/step_context.h"

#include <bit>
#include <cmath>

#include "engine/contacts.h"

namespace mb::detail {

namespace {

template <class Record>
void FillCentral(const Table<Record, kTableCapacity>& table, CentralArrays& e, double Record::*strength) {
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

#if defined(MB_HAVE_AVX2_KERNELS)
const bool kCpuHasAvx2 = __builtin_cpu_supports("avx2");
bool wideAllowed = true;
#endif

// The fields a sub-step writes, so that a step that diverged can be taken back.
struct BallState {
    double x, y, vx, vy, ax, ay, Fx, Fy, mass;
    explicit BallState(const Ball& b)
        : x(b.x), y(b.y), vx(b.vx), vy(b.vy), ax(b.ax), ay(b.ay), Fx(b.Fx), Fy(b.Fy), mass(b.mass) {}
    void restore(Ball& b) const {
        b.x = x, b.y = y, b.vx = vx, b.vy = vy, b.ax = ax, b.ay = ay, b.Fx = Fx, b.Fy = Fy, b.mass = mass;
    }
};

}  // namespace

bool BallFinite(const Ball& b) {
    return std::isfinite(b.x) && std::isfinite(b.y) && std::isfinite(b.vx) && std::isfinite(b.vy) &&
           std::isfinite(b.ax) && std::isfinite(b.ay) && std::isfinite(b.Fx) && std::isfinite(b.Fy) &&
           std::isfinite(b.mass);
}

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

bool UsingWideVectors() {
    return &ActiveKernels() != &BaselineKernels();
}

void FieldArrays::fill(const Scene& scene) {
    const PresenceSwitches& p = scene.presence;
    if (p.damping) FillRegions(scene.dampingFields, damping);
    if (p.gravityMass) FillCentral(scene.gravityMasses, gravityMasses, &GravityMass::M);
    if (p.pointCharge) FillCentral(scene.pointCharges, pointCharges, &PointChargeField::Q);
    if (p.electricField) {
        FillRegions(scene.electricFields, electric);
        for (int i = 0; i < electric.count; ++i) {
            electricCos[i] = std::cos(scene.electricFields[i].direction);
            electricSin[i] = std::sin(scene.electricFields[i].direction);
        }
    }
    if (p.magneticField) FillRegions(scene.magneticFields, magnetic);
    if (p.straightTrack) {
        const StraightTrackTable& t = scene.straightTracks;
        straight.count = t.count();
        straight.slots = WholeLanes(straight.count);
        for (int i = 0; i < kElementSlots; ++i) {
            const bool used = i < straight.count;
            straight.A[i] = used ? t[i].A : 0.0;
            straight.B[i] = used ? t[i].B : 0.0;
            straight.C[i] = used ? t[i].C : 0.0;
            straight.norm[i] = used ? t[i].norm : 1.0;
            straight.xs[i] = used ? t[i].xs : 0.0;
            straight.ys[i] = used ? t[i].ys : 0.0;
            straight.xe[i] = used ? t[i].xe : 0.0;
            straight.ye[i] = used ? t[i].ye : 0.0;
        }
    }
    if (p.circularTrack) {
        const CircularTrackTable& t = scene.circularTracks;
        circular.count = t.count();
        circular.slots = WholeLanes(circular.count);
        for (int i = 0; i < kElementSlots; ++i) {
            const bool used = i < circular.count;
            circular.cx[i] = used ? t[i].cx : 0.0;
            circular.cy[i] = used ? t[i].cy : 0.0;
            circular.radius[i] = used ? t[i].radius : 0.0;
        }
    }
}

StepContext::StepContext(Scene& scene) : scene_(scene), kernels_(ActiveKernels()) {
    ballCount_ = scene.balls.count();
    ballSlots_ = WholeLanes(ballCount_);
    for (int k = 0; k < kBallSlots; ++k) {
        // Slots past the table hold nothing: no mass, no charge, no reach.
        balls_.x[k] = balls_.y[k] = balls_.mass[k] = balls_.Q[k] = balls_.R[k] = 0.0;
    }
    for (int k = 0; k < ballCount_; ++k) syncBall(k);
    fields_.fill(scene);

    // Each ball's connectors in the order the force routines take them: count,
    // then place, so that every ball's list keeps that order.
    const PresenceSwitches& p = scene.presence;
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

// Which tracks a ball touches depends on its position alone, and a reflection
// changes only its velocity: the contacts are found first, all at once, and the
// reflections then applied in table order.
void StepContext::applyTracks(int j) {
    Ball& b = scene_.balls[j];
    if (fields_.straight.count > 0) {
        std::uint32_t hits =
            kernels_.straightContacts(fields_.straight, b.x, b.y, b.R) & FirstBits(fields_.straight.count);
        while (hits) {
            const int i = std::countr_zero(hits);
            hits &= hits - 1;
            if (ReflectStraight(scene_.straightTracks[i], b)) break;
        }
    }
    if (fields_.circular.count > 0) {
        std::uint32_t hits =
            kernels_.circleContacts(fields_.circular, b.x, b.y, b.R) & FirstBits(fields_.circular.count);
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
    const bool finite = BallFinite(b);
    if (!finite) {
        before.restore(b);
    } else if (fields_.damping.count > 0 || fields_.electric.count > 0) {
        // The work of the forces without a potential over this sub-step's move.
        const double dx = b.x - before.x, dy = b.y - before.y;
        scene_.ledger.dampingWork += dampingFx_ * dx + dampingFy_ * dy;
        scene_.ledger.electricWork += electricFx_ * dx + electricFy_ * dy;
    }
    syncBall(j);
    return finite;
}

}  // namespace mb::detail

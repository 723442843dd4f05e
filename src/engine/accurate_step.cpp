#include "engine/accurate_step.h"

#include <bit>
#include <cmath>
#include <cstring>

#include "engine/contacts.h"
#include "engine/energy.h"

namespace mb::detail {

AccurateStep::AccurateStep(Scene& s) : scene_(s), kernels_(ActiveKernels()) {
    const ExperimentSettings& set = s.settings;
    n_ = s.balls.count();
    slots_ = WholeLanes(n_);
    T_ = set.StepTime;
    relativity_ = set.RelativityOn != 0;
    gravity_ = set.GravityOn != 0;
    gravitation_ = set.MutualGravitationOn != 0;
    coulomb_ = set.MutualCoulombOn != 0;
    bumps_ = set.BumpOn != 0;
    for (int k = 0; k < kBallSlots; ++k) {
        // Slots past the table hold nothing: no mass, no charge, no reach.
        balls_.x[k] = balls_.y[k] = balls_.mass[k] = balls_.Q[k] = balls_.R[k] = 0.0;
        vx_[k] = vy_[k] = 0.0;
    }
    for (int j = 0; j < n_; ++j) {
        const Ball& b = s.balls[j];
        balls_.x[j] = b.x;
        balls_.y[j] = b.y;
        balls_.Q[j] = b.Q;
        balls_.R[j] = b.R;
        vx_[j] = b.vx;
        vy_[j] = b.vy;
        m0_[j] = b.M0;
        extraFx_[j] = b.extraFx;
        extraFy_[j] = b.extraFy;
        ax_[j] = b.ax;
        ay_[j] = b.ay;
        Fx_[j] = b.Fx;
        Fy_[j] = b.Fy;
    }
    fields_.fill(s);

    // The force found at the end of the last sub-step serves while the balls
    // stand where it was found, and the masses are those the step left; a run
    // start, a curve or anything that moved a ball since has them found again.
    const RunLedger& ledger = s.ledger;
    bool heldHere = ledger.heldBalls == n_;
    for (int j = 0; j < n_ && heldHere; ++j)
        heldHere = ledger.heldX[j] == balls_.x[j] && ledger.heldY[j] == balls_.y[j];
    for (int j = 0; j < n_; ++j) {
        balls_.mass[j] = heldHere && relativity_ ? s.balls[j].mass : m0_[j];
        if (relativity_ && !heldHere) refreshMass(j);
        halfStepPerMass_[j] = 0.5 * T_ / m0_[j];
    }

    const PresenceSwitches& p = s.presence;
    if (p.linkSpring) addTies(s, true, nullptr, &s.linkSprings);
    if (p.hangingSpring) addTies(s, true, &s.hangingSprings, nullptr);
    if (p.linkCord) addTies(s, false, nullptr, &s.linkCords);
    if (p.hangingCord) addTies(s, false, &s.hangingCords, nullptr);
    if (p.linkPole) addTies(s, false, nullptr, &s.linkPoles);
    if (p.hangingPole) addTies(s, false, &s.hangingPoles, nullptr);
    prepareLengths();

    findForces();
    if (heldHere) {
        for (int j = 0; j < n_; ++j) {
            fx_[j] = ledger.heldFx[j];
            fy_[j] = ledger.heldFy[j];
        }
    }
    const bool heldPulls = heldHere && ledger.heldTies == lengthCount_;
    for (int i = 0; i < lengthCount_; ++i) pull_[i] = heldPulls ? ledger.heldPull[i] : 0;
    dampingWork_ = ledger.dampingWork;
    electricWork_ = ledger.electricWork;
}

void AccurateStep::addTies(const Scene& s, bool springs, const HangingTable* hanging, const LinkTable* links) {
    Tie* out = springs ? springs_ : lengths_;
    int& count = springs ? springCount_ : lengthCount_;
    if (hanging) {
        const int n = hanging->count();
        for (int i = 0; i < n; ++i) {
            const HangingConnector& c = (*hanging)[i];
            const int a = c.ballIndex();
            if (a < 0 || a >= n_) continue;
            out[count++] = Tie{a, -1, c.anchorX, c.anchorY, c.L, c.K, c.mode, true};
        }
        return;
    }
    const int n = links->count();
    for (int i = 0; i < n; ++i) {
        const LinkConnector& c = (*links)[i];
        int a = c.ball1Index(), b = c.ball2Index();
        // A ball cannot tie itself; a link to a slot past the ball table holds
        // its ball to where that record stands, as a fixed end.
        if (a < 0 || b < 0 || a == b || (a >= n_ && b >= n_)) continue;
        if (a >= n_) std::swap(a, b);
        Tie t{a, b, 0, 0, c.L, c.K, c.mode, false};
        if (b >= n_) {
            t.b = -1;
            t.ox = s.balls[b].x;
            t.oy = s.balls[b].y;
        }
        out[count++] = t;
    }
}

void AccurateStep::refreshMass(int j) {
    const double s2 = vx_[j] * vx_[j] + vy_[j] * vy_[j];
    // Held below c as the classic step holds it: a speed at or past c (from a
    // file or a dialog) starts with a million-fold mass, and the momentum it
    // then has keeps every later speed below c.
    const double beta2 = std::fmin(s2 / (kLightSpeed * kLightSpeed), 1.0 - 1e-12);
    balls_.mass[j] = m0_[j] / std::sqrt(1.0 - beta2);
}

void AccurateStep::setMomentum(int j, double px, double py) {
    const double m0 = m0_[j];
    const double m = std::sqrt(m0 * m0 + (px * px + py * py) / (kLightSpeed * kLightSpeed));
    balls_.mass[j] = m;
    vx_[j] = px / m;
    vy_[j] = py / m;
}

double AccurateStep::kinetic(int j) const {
    return KineticEnergy(m0_[j], vx_[j], vy_[j], relativity_);
}

void AccurateStep::findForces() {
    for (int j = 0; j < n_; ++j) {
        fx_[j] = extraFx_[j];
        fy_[j] = extraFy_[j];
        if (gravity_) fy_[j] -= balls_.mass[j] * kStandardGravity;
    }
    if (fields_.gravityMasses.count > 0)
        for (int j = 0; j < n_; ++j) {
            const CentralSums t =
                kernels_.central(fields_.gravityMasses, balls_.x[j], balls_.y[j], kGravityG * balls_.mass[j]);
            fx_[j] += t.x;
            fy_[j] += t.y;
        }
    pairOverlaps_ = false;
    if (gravitation_ || coulomb_ || bumps_) {
        kernels_.pairs(balls_, n_, kGravityG, kCoulombK / kPermittivity, gravitation_, coulomb_, bumps_, pairs_);
        pairOverlaps_ = bumps_;
        if (gravitation_ || coulomb_)
            for (int j = 0; j < n_; ++j) {
                fx_[j] += pairs_.fx[j];
                fy_[j] += pairs_.fy[j];
            }
    }
    if (fields_.pointCharges.count > 0)
        for (int j = 0; j < n_; ++j) {
            // Charges of the same sign repel.
            const CentralSums t = kernels_.central(fields_.pointCharges, balls_.x[j], balls_.y[j],
                                                   kCoulombK * balls_.Q[j] / kPermittivity);
            fx_[j] -= t.x;
            fy_[j] -= t.y;
        }
    for (int j = 0; j < n_; ++j) ex_[j] = ey_[j] = 0;
    if (fields_.electric.count > 0)
        for (int j = 0; j < n_; ++j) {
            std::uint32_t inside =
                kernels_.inside(fields_.electric, balls_.x[j], balls_.y[j]) & FirstBits(fields_.electric.count);
            while (inside) {
                const int i = std::countr_zero(inside);
                inside &= inside - 1;
                const double qE = balls_.Q[j] * scene_.electricFields[i].E;
                ex_[j] += fields_.electricCos[i] * qE;
                ey_[j] += fields_.electricSin[i] * qE;
            }
            fx_[j] += ex_[j];
            fy_[j] += ey_[j];
        }
    // Springs: the classic law, found once per spring and given to both ends.
    for (int i = 0; i < springCount_; ++i) {
        const Tie& t = springs_[i];
        const double ox = t.b >= 0 ? balls_.x[t.b] : t.ox, oy = t.b >= 0 ? balls_.y[t.b] : t.oy;
        double dx = balls_.x[t.a] - ox, dy = balls_.y[t.a] - oy;
        if (std::fabs(dx) > 1e70) dx = 0;
        if (std::fabs(dy) > 1e70) dy = 0;
        const double d = std::sqrt(dx * dx + dy * dy);
        if (t.hanging && d <= balls_.R[t.a]) continue;  // the ball sits on its anchor
        const double e = t.L - d;
        if (std::fabs(e) < 1e-24) continue;  // at its natural length
        if (e <= 0 && t.mode == kModePushOnly) continue;
        if (e >= 0 && t.mode == kModePullOnly) continue;
        const double F = t.K * e;
        double fx, fy;
        if (d >= (t.hanging ? 1e-24 : 1e-18)) {
            const double perLength = F / d;
            fx = perLength * dx;
            fy = perLength * dy;
        } else {
            // Ends at one point push apart along x, the leftward end to the left.
            fx = dx < 0 ? -F : F;
            fy = 0;
        }
        fx_[t.a] += fx;
        fy_[t.a] += fy;
        if (t.b >= 0) {
            fx_[t.b] -= fx;
            fy_[t.b] -= fy;
        }
    }
}

void AccurateStep::kick() {
    const double h = 0.5 * T_;
    for (int j = 0; j < n_; ++j) {
        const double m = balls_.mass[j];
        if (relativity_) {
            setMomentum(j, m * vx_[j] + h * fx_[j], m * vy_[j] + h * fy_[j]);
        } else {
            vx_[j] += fx_[j] * halfStepPerMass_[j];
            vy_[j] += fy_[j] * halfStepPerMass_[j];
        }
    }
}

// The field turns the velocity by the angle Q B h / M: the rotation with
// tan(angle / 2) = t has cosine (1 - t²) / (1 + t²) and sine 2 t / (1 + t²),
// exactly a rotation however large the angle, and needs no angle function.
void AccurateStep::turn(double h) {
    if (fields_.magnetic.count == 0) return;
    for (int j = 0; j < n_; ++j) {
        std::uint32_t inside =
            kernels_.inside(fields_.magnetic, balls_.x[j], balls_.y[j]) & FirstBits(fields_.magnetic.count);
        if (!inside) continue;
        double B = 0;
        while (inside) {
            const UniformMagneticField& f = scene_.magneticFields[std::countr_zero(inside)];
            inside &= inside - 1;
            B += f.sign * f.B;
        }
        // q v x B for a field along +z turns a positive charge clockwise.
        const double t = balls_.Q[j] * B / balls_.mass[j] * (0.5 * h);
        const double den = 1 + t * t;
        const double c = (1 - t * t) / den, s = 2 * t / den;
        const double vx = vx_[j], vy = vy_[j];
        vx_[j] = c * vx + s * vy;
        vy_[j] = c * vy - s * vx;
    }
}

// Damping F = -N s^K (times the mass or the volume) along the motion, taken as
// a drag of rate g = F / (M s) and applied as v / (1 + g h): the speed shrinks
// by a factor between 0 and 1 whatever N, K or h, so the ball is never pushed
// back or sped up. (A region of negative N pushes along the motion; that speeds
// the ball up by 1 - g h, as asked.) The energy it takes is the work booked.
void AccurateStep::brake(double h) {
    if (fields_.damping.count == 0) return;
    for (int j = 0; j < n_; ++j) {
        std::uint32_t inside =
            kernels_.inside(fields_.damping, balls_.x[j], balls_.y[j]) & FirstBits(fields_.damping.count);
        if (!inside) continue;
        const double s = std::sqrt(vx_[j] * vx_[j] + vy_[j] * vy_[j]);
        if (s < 1e-16) continue;  // at rest there is no motion to brake
        const double M = balls_.mass[j];
        double F = 0;
        while (inside) {
            const DampingField& f = scene_.dampingFields[std::countr_zero(inside)];
            inside &= inside - 1;
            const double power = std::pow(s, f.K);
            if (f.formula == 0)
                F += f.N * power;
            else if (f.formula == 1)
                F += f.N * power * M;
            else if (f.formula == 2)
                F += f.N * power * 4 * (1.0 / 3.0) * kPi * std::pow(balls_.R[j], 3);
        }
        const double gh = F / (M * s) * h;
        const double factor = gh >= 0 ? 1 / (1 + gh) : 1 - gh;
        if (!(factor != 1)) continue;  // no drag, or a rate that is not a number
        const double before = kinetic(j);
        if (relativity_) {
            setMomentum(j, M * vx_[j] * factor, M * vy_[j] * factor);
        } else {
            vx_[j] *= factor;
            vy_[j] *= factor;
        }
        dampingWork_ += kinetic(j) - before;
    }
}

// Tracks, then bumps, at the balls' new places, as the classic step applies
// them; a bump that moved a ball has the position laws' force found again.
void AccurateStep::reflect() {
    auto body = [&](int j) { return Body{balls_.x[j], balls_.y[j], vx_[j], vy_[j], balls_.R[j], balls_.mass[j]}; };
    auto keep = [&](int j, const Body& b) {
        balls_.x[j] = b.x;
        balls_.y[j] = b.y;
        vx_[j] = b.vx;
        vy_[j] = b.vy;
    };
    if (fields_.straight.count > 0 || fields_.circular.count > 0)
        for (int j = 0; j < n_; ++j) {
            Body b = body(j);
            std::uint32_t hits =
                fields_.straight.count > 0
                    ? kernels_.straightContacts(fields_.straight, b.x, b.y, b.R) & FirstBits(fields_.straight.count)
                    : 0;
            while (hits) {
                const int i = std::countr_zero(hits);
                hits &= hits - 1;
                if (ReflectStraight(scene_.straightTracks[i], b)) break;
            }
            hits = fields_.circular.count > 0
                       ? kernels_.circleContacts(fields_.circular, b.x, b.y, b.R) & FirstBits(fields_.circular.count)
                       : 0;
            while (hits) {
                const int i = std::countr_zero(hits);
                hits &= hits - 1;
                ReflectCircular(scene_.circularTracks[i], b);
            }
            keep(j, b);
        }
    if (!bumps_) return;
    bool moved = false;
    for (int j = 0; j + 1 < n_; ++j) {
        // Each pair once, ball j against the later balls where they stand now.
        std::uint32_t hits = pairOverlaps_ && !moved
                                 ? pairs_.overlaps[j]
                                 : kernels_.overlaps(balls_, slots_, balls_.x[j], balls_.y[j], balls_.R[j]);
        hits &= FirstBits(n_) & ~FirstBits(j + 1);
        while (hits) {
            const int k = std::countr_zero(hits);
            hits &= hits - 1;
            Body bj = body(j), bk = body(k);
            Bump(bj, bk);
            keep(j, bj);
            keep(k, bk);
            moved = true;
        }
    }
    if (moved) findForces();
}

bool AccurateStep::subStep() {
    // What the sub-step starts from, to measure it by and to go back to.
    struct Start {
        double x[kBallCapacity], y[kBallCapacity], vx[kBallCapacity], vy[kBallCapacity], mass[kBallCapacity];
        double ax[kBallCapacity], ay[kBallCapacity], Fx[kBallCapacity], Fy[kBallCapacity];
        double ex[kBallCapacity], ey[kBallCapacity];
    } start;
    const std::size_t bytes = sizeof(double) * static_cast<std::size_t>(n_);
    std::memcpy(start.x, balls_.x, bytes);
    std::memcpy(start.y, balls_.y, bytes);
    std::memcpy(start.vx, vx_, bytes);
    std::memcpy(start.vy, vy_, bytes);
    std::memcpy(start.mass, balls_.mass, bytes);
    std::memcpy(start.ax, ax_, bytes);
    std::memcpy(start.ay, ay_, bytes);
    std::memcpy(start.Fx, Fx_, bytes);
    std::memcpy(start.Fy, Fy_, bytes);
    if (fields_.electric.count > 0) {
        std::memcpy(start.ex, ex_, bytes);
        std::memcpy(start.ey, ey_, bytes);
    }
    const double dampingWork = dampingWork_, electricWork = electricWork_;
    const bool pairOverlaps = pairOverlaps_;

    const double h = 0.5 * T_;
    kick();
    turn(h);
    brake(h);
    for (int j = 0; j < n_; ++j) {
        balls_.x[j] += vx_[j] * T_;
        balls_.y[j] += vy_[j] * T_;
    }
    if (lengthCount_ > 0) holdLengths(start.x, start.y);
    findForces();
    brake(h);
    turn(h);
    kick();
    if (lengthCount_ > 0) holdVelocities();

    // The acceleration over the sub-step, cords, poles, fields and damping
    // included (so a pendulum's lowest point shows v² / L), before any
    // reflection; and the force that gives it.
    double sum = 0;
    const double perStep = 1 / T_;
    for (int j = 0; j < n_; ++j) {
        ax_[j] = (vx_[j] - start.vx[j]) * perStep;
        ay_[j] = (vy_[j] - start.vy[j]) * perStep;
        Fx_[j] = balls_.mass[j] * ax_[j];
        Fy_[j] = balls_.mass[j] * ay_[j];
        if (fields_.electric.count > 0)
            // The electric regions' work along the move, by the mean of the
            // force at both ends, as the two half kicks gave it.
            electricWork_ += 0.5 * ((start.ex[j] + ex_[j]) * (balls_.x[j] - start.x[j]) +
                                    (start.ey[j] + ey_[j]) * (balls_.y[j] - start.y[j]));
    }
    reflect();
    for (int j = 0; j < n_; ++j)
        sum += balls_.x[j] + balls_.y[j] + vx_[j] + vy_[j] + balls_.mass[j] + fx_[j] + fy_[j] + Fx_[j] + Fy_[j];
    if (std::isfinite(sum) && std::isfinite(dampingWork_) && std::isfinite(electricWork_)) return true;

    // Something stopped being a number (or grew past the largest one): the
    // balls go back to where the sub-step found them.
    std::memcpy(balls_.x, start.x, bytes);
    std::memcpy(balls_.y, start.y, bytes);
    std::memcpy(vx_, start.vx, bytes);
    std::memcpy(vy_, start.vy, bytes);
    std::memcpy(balls_.mass, start.mass, bytes);
    findForces();
    std::memcpy(ax_, start.ax, bytes);
    std::memcpy(ay_, start.ay, bytes);
    std::memcpy(Fx_, start.Fx, bytes);
    std::memcpy(Fy_, start.Fy, bytes);
    dampingWork_ = dampingWork;
    electricWork_ = electricWork;
    pairOverlaps_ = pairOverlaps;
    return false;
}

void AccurateStep::store() {
    RunLedger& ledger = scene_.ledger;
    for (int j = 0; j < n_; ++j) {
        Ball& b = scene_.balls[j];
        b.x = balls_.x[j];
        b.y = balls_.y[j];
        b.vx = vx_[j];
        b.vy = vy_[j];
        b.mass = balls_.mass[j];
        b.ax = ax_[j];
        b.ay = ay_[j];
        b.Fx = Fx_[j];
        b.Fy = Fy_[j];
        ledger.heldX[j] = balls_.x[j];
        ledger.heldY[j] = balls_.y[j];
        ledger.heldFx[j] = fx_[j];
        ledger.heldFy[j] = fy_[j];
    }
    ledger.heldBalls = n_;
    ledger.heldTies = lengthCount_;
    for (int i = 0; i < lengthCount_; ++i) ledger.heldPull[i] = pull_[i];
    ledger.dampingWork = dampingWork_;
    ledger.electricWork = electricWork_;
}

}  // namespace mb::detail

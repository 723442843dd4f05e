#include "engine/accurate_step.h"

#include <bit>
#include <cmath>
#include <cstring>

#include "engine/contacts.h"
#include "engine/energy.h"

namespace mb::detail {

namespace {

// How closely the passes hold a length: a ten-millionth of the length and the
// ball's radius, far below anything the screen or the data window can show;
// and the part of a relative velocity that may be left along a tie (squared:
// a hundred-thousandth), which the next sub-step's lengths take up. What is
// left over is put right by the next sub-step, which starts from the ties as
// they are, so it never adds up.
constexpr double kLengthTolerance = 1e-7;
constexpr double kVelocityTolerance = 1e-10;
// Passes over the ties at most: a single tie holds after one or two, ties that
// share balls after a few more, and a loop of poles that cannot all have their
// lengths at once stops here.
constexpr int kLengthPasses = 8;

}  // namespace

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
    for (int i = 0; i < lengthCount_; ++i) {
        Tie& t = lengths_[i];
        t.tolerance = kLengthTolerance * (t.L + balls_.R[t.a]);
        t.squaredTolerance = (2 * t.L + t.tolerance) * t.tolerance;
        t.perL2 = t.L > 0 ? 1 / (t.L * t.L) : 0;
        t.balls = (1u << t.a) | (t.b >= 0 ? 1u << t.b : 0u);
        t.kind = t.mode == kModePullOnly ? kPullOnly : t.mode == kModePushOnly ? kPushOnly : kBothWays;
        t.halfPerL2 = 0.5 * t.perL2;
        shareByMass(t);
    }

    findForces();
    if (heldHere) {
        for (int j = 0; j < n_; ++j) {
            fx_[j] = ledger.heldFx[j];
            fy_[j] = ledger.heldFy[j];
        }
    }
    findGroups();
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

void AccurateStep::shareByMass(Tie& t) const {
    const double wa = 1 / balls_.mass[t.a], wb = t.b >= 0 ? 1 / balls_.mass[t.b] : 0;
    // Masses of opposite signs (only a damaged file holds them) share nothing.
    const bool ok = wa + wb > 0 && wa >= 0 && wb >= 0;
    t.shareA = ok ? wa / (wa + wb) : 0;
    t.shareB = ok ? wb / (wa + wb) : 0;
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

// Cords (mode pull only: distance at most L), poles (both: distance L) and
// links of mode push only (distance at least L) put back to their lengths, as
// SHAKE does: each end moves along the tie's line as it was at the start of the
// sub-step, in inverse proportion to its mass (so a link keeps the pair's
// momentum), by the amount that brings the squared distance to L², found by
// Newton's rule and repeated until every tie holds; the move is made in the
// velocity too, since it is part of the move over the sub-step. Moving along the
// old line rather than the new one is what keeps a pendulum's energy: the pull
// of the cord then does no work over the sub-step.
void AccurateStep::holdLengths(const double* x0, const double* y0) {
    const double perStep = 1 / T_;
    if (relativity_)
        for (int i = 0; i < lengthCount_; ++i) shareByMass(lengths_[i]);
    // Balls moved in the last pass and in this one: a tie none of whose balls
    // moved since it was last looked at still holds.
    std::uint32_t movedBefore = ~0u;
    for (int pass = 0; pass < kLengthPasses; ++pass) {
        std::uint32_t moved = 0;
        for (int i = 0; i < lengthCount_; ++i) {
            Tie& t = lengths_[i];
            const int a = t.a, b = t.b;
            if (!((movedBefore | moved) & t.balls)) continue;
            const double sx = balls_.x[a] - (b >= 0 ? balls_.x[b] : t.ox);
            const double sy = balls_.y[a] - (b >= 0 ? balls_.y[b] : t.oy);
            const double s2 = sx * sx + sy * sy, L2 = t.L * t.L;
            if (pass == 0) t.taut = !((t.kind == kPullOnly && s2 <= L2) || (t.kind == kPushOnly && s2 >= L2));
            if (!t.taut) continue;
            const double err2 = s2 - L2;
            if (!(std::fabs(err2) > t.squaredTolerance)) continue;
            double rx = x0[a] - (b >= 0 ? x0[b] : t.ox), ry = y0[a] - (b >= 0 ? y0[b] : t.oy);
            const double sr = sx * rx + sy * ry;
            double g;  // the move along (rx, ry), shared by the two ends
            if (t.L == 0) {
                // A weld: both ends to their centre of mass.
                rx = sx, ry = sy, g = 1;
            } else if (sr > 0.5 * L2) {
                // Newton's rule with the slope 2 L² for 2 s.r, which it is
                // within the turn of one sub-step: no quotient per pass.
                g = err2 * t.halfPerL2;
            } else if (s2 > 1e-280) {
                // The old line says nothing (the ends started at one point, or
                // the tie turned a quarter in one sub-step): along the new one.
                rx = sx, ry = sy, g = err2 / (2 * s2);
            } else {
                // Ends at one point part along x.
                rx = 1, ry = 0, g = -t.L;
            }
            const double ca = t.shareA * g, cb = t.shareB * g;
            balls_.x[a] -= ca * rx;
            balls_.y[a] -= ca * ry;
            vx_[a] -= ca * rx * perStep;
            vy_[a] -= ca * ry * perStep;
            if (b >= 0) {
                balls_.x[b] += cb * rx;
                balls_.y[b] += cb * ry;
                vx_[b] += cb * rx * perStep;
                vy_[b] += cb * ry * perStep;
            }
            moved |= t.balls;
        }
        if (!moved) break;
        movedBefore = moved;
    }
}

// The relative velocity along each taut tie taken away (RATTLE), so that a cord
// pulls only while it would stretch and a pole holds both ways; a tie of length
// 0 is a weld and takes the whole relative velocity. Each tie starts from the
// pull it needed in the last sub-step, which it nearly needs again (a hanging
// ball's cord pulls the same from one millisecond to the next), so that ties
// that share a ball agree after a pass or two; a cord's pull may shrink to
// nothing but never push.
void AccurateStep::holdVelocities() {
    auto apply = [&](const Tie& t, double cx, double cy) {
        vx_[t.a] -= t.shareA * cx;
        vy_[t.a] -= t.shareA * cy;
        if (t.b >= 0) {
            vx_[t.b] += t.shareB * cx;
            vy_[t.b] += t.shareB * cy;
        }
    };
    // The positions stay as they are through the passes: each tie's line once.
    for (int i = 0; i < lengthCount_; ++i) {
        Tie& t = lengths_[i];
        if (!t.taut || t.L == 0) {
            pull_[i] = 0;
            continue;
        }
        t.sx = balls_.x[t.a] - (t.b >= 0 ? balls_.x[t.b] : t.ox);
        t.sy = balls_.y[t.a] - (t.b >= 0 ? balls_.y[t.b] : t.oy);
        t.s2 = t.sx * t.sx + t.sy * t.sy;
    }
    if (groupCount_ > 0)
        for (int j = 0; j < n_; ++j) perMass_[j] = 1 / balls_.mass[j];
    for (int g = 0; g < groupCount_; ++g)
        holdGroupVelocities(groupTies_ + groupStart_[g], groupStart_[g + 1] - groupStart_[g]);
    for (int i = 0; i < lengthCount_; ++i) {
        const Tie& t = lengths_[i];
        if (t.taut && t.L != 0 && !t.grouped) apply(t, pull_[i] * t.sx, pull_[i] * t.sy);
    }
    std::uint32_t changedBefore = ~0u;
    for (int pass = 0; pass < kLengthPasses; ++pass) {
        std::uint32_t changed = 0;
        for (int i = 0; i < lengthCount_; ++i) {
            const Tie& t = lengths_[i];
            if (!t.taut || t.grouped || !((changedBefore | changed) & t.balls)) continue;
            const int a = t.a, b = t.b;
            const double rvx = vx_[a] - (b >= 0 ? vx_[b] : 0), rvy = vy_[a] - (b >= 0 ? vy_[b] : 0);
            const double rv2 = rvx * rvx + rvy * rvy;
            if (t.L == 0) {
                if (!(rv2 > 1e-300)) continue;
                apply(t, rvx, rvy);
            } else {
                const double u = rvx * t.sx + rvy * t.sy;
                // The lengths were just held, so s² is L² to the tolerance.
                double pull = pull_[i] + u * t.perL2;
                if (t.kind == kPullOnly && pull < 0) pull = 0;  // closing in: the cord slackens
                if (t.kind == kPushOnly && pull > 0) pull = 0;
                const double more = pull - pull_[i];
                if (!(more * more * t.s2 > kVelocityTolerance * rv2)) continue;
                pull_[i] = pull;
                apply(t, more * t.sx, more * t.sy);
            }
            changed |= t.balls;
        }
        if (!changed) break;
        changedBefore = changed;
    }
    if (relativity_)
        for (int j = 0; j < n_; ++j) refreshMass(j);
}

// Ties joined through the balls they share (a fixed end joins nothing), by
// joining the balls' sets. A small group without a weld has its velocities
// found together by holdGroupVelocities.
void AccurateStep::findGroups() {
    int root[kBallCapacity];
    for (int j = 0; j < n_; ++j) root[j] = j;
    auto find = [&](int j) {
        while (root[j] != j) j = root[j] = root[root[j]];
        return j;
    };
    for (int i = 0; i < lengthCount_; ++i)
        if (lengths_[i].b >= 0) root[find(lengths_[i].a)] = find(lengths_[i].b);
    int size[kBallCapacity] = {};
    bool weld[kBallCapacity] = {};
    for (int i = 0; i < lengthCount_; ++i) {
        const int r = find(lengths_[i].a);
        ++size[r];
        weld[r] = weld[r] || lengths_[i].L == 0;
    }
    groupCount_ = 0;
    groupStart_[0] = 0;
    int placed = 0;
    for (int r = 0; r < n_; ++r) {
        if (find(r) != r || size[r] < 2 || size[r] > kGroupTies || weld[r]) continue;
        for (int i = 0; i < lengthCount_; ++i)
            if (find(lengths_[i].a) == r) {
                lengths_[i].grouped = true;
                groupTies_[placed++] = i;
            }
        groupStart_[++groupCount_] = placed;
    }
}

// The velocities of a group of ties at once: the pulls p solve A p = b with
// A_ij = sum over the balls c the two ties share of w_c (s_i . s_j), signed by
// the ends c is of, and b_i the relative velocity along tie i times its length,
// so that afterwards no tie's ends part or close. A cord found to push is let
// go and the rest found again.
void AccurateStep::holdGroupVelocities(const int* ties, int count) {
    int active[kGroupTies];
    int n = 0;
    for (int k = 0; k < count; ++k)
        if (lengths_[ties[k]].taut) active[n++] = ties[k];
    auto inverseMass = [&](int c) { return c >= 0 ? perMass_[c] : 0.0; };
    for (int round = 0; round <= count && n > 0; ++round) {
        double A[kGroupTies][kGroupTies + 1];
        for (int i = 0; i < n; ++i) {
            const Tie& ti = lengths_[active[i]];
            const double rvx = vx_[ti.a] - (ti.b >= 0 ? vx_[ti.b] : 0), rvy = vy_[ti.a] - (ti.b >= 0 ? vy_[ti.b] : 0);
            A[i][n] = rvx * ti.sx + rvy * ti.sy;
            A[i][i] = (inverseMass(ti.a) + inverseMass(ti.b)) * ti.s2;
            for (int j = i + 1; j < n; ++j) {
                const Tie& tj = lengths_[active[j]];
                double w = 0;
                if (ti.a == tj.a) w += inverseMass(ti.a);
                if (ti.a == tj.b) w -= inverseMass(ti.a);
                if (ti.b >= 0 && ti.b == tj.a) w -= inverseMass(ti.b);
                if (ti.b >= 0 && ti.b == tj.b) w += inverseMass(ti.b);
                A[i][j] = A[j][i] = w * (ti.sx * tj.sx + ti.sy * tj.sy);
            }
        }
        // Elimination without exchanges: A is positive definite unless two
        // ties lie on one line, and then the passes take the group instead.
        // Two ties on one ball, the common case, by their determinant.
        double p[kGroupTies];
        bool solved = true;
        if (n == 2) {
            const double det = A[0][0] * A[1][1] - A[0][1] * A[1][0];
            solved = det > 1e-12 * A[0][0] * A[1][1];
            const double perDet = 1 / det;
            p[0] = (A[0][2] * A[1][1] - A[0][1] * A[1][2]) * perDet;
            p[1] = (A[0][0] * A[1][2] - A[1][0] * A[0][2]) * perDet;
        }
        for (int k = 0; k < n && solved && n != 2; ++k) {
            solved =
                A[k][k] > 1e-12 * (std::fabs(A[k][k]) + lengths_[active[k]].s2 * inverseMass(lengths_[active[k]].a));
            for (int i = k + 1; i < n && solved; ++i) {
                const double f = A[i][k] / A[k][k];
                for (int j = k; j <= n; ++j) A[i][j] -= f * A[k][j];
            }
        }
        if (!solved) {
            for (int k = 0; k < count; ++k) lengths_[ties[k]].grouped = false;
            return;
        }
        for (int i = n - 1; i >= 0 && n != 2; --i) {
            double r = A[i][n];
            for (int j = i + 1; j < n; ++j) r -= A[i][j] * p[j];
            p[i] = r / A[i][i];
        }
        // A cord that would push (or a push-only link that would pull) goes.
        int keep = 0;
        for (int i = 0; i < n; ++i) {
            const Tie& t = lengths_[active[i]];
            if ((t.kind == kPullOnly && p[i] < 0) || (t.kind == kPushOnly && p[i] > 0)) continue;
            active[keep] = active[i];
            p[keep++] = p[i];
        }
        if (keep < n) {
            n = keep;
            continue;
        }
        for (int i = 0; i < n; ++i) {
            const Tie& t = lengths_[active[i]];
            const double wa = inverseMass(t.a), wb = inverseMass(t.b);
            vx_[t.a] -= wa * p[i] * t.sx;
            vy_[t.a] -= wa * p[i] * t.sy;
            if (t.b >= 0) {
                vx_[t.b] += wb * p[i] * t.sx;
                vy_[t.b] += wb * p[i] * t.sy;
            }
        }
        return;
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

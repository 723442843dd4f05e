// The accurate step's cords and poles: lengths held after each move (SHAKE)
// and the velocities along them taken away (RATTLE).
#include <cmath>

#include "engine/accurate_step.h"

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

void AccurateStep::prepareLengths() {
    for (int i = 0; i < lengthCount_; ++i) {
        Tie& t = lengths_[i];
        t.tolerance = kLengthTolerance * (t.L + balls_.R[t.a]);
        t.squaredTolerance = (2 * t.L + t.tolerance) * t.tolerance;
        t.perL2 = t.L > 0 ? 1 / (t.L * t.L) : 0;
        t.halfPerL2 = 0.5 * t.perL2;
        t.balls = (1u << t.a) | (t.b >= 0 ? 1u << t.b : 0u);
        t.kind = t.mode == kModePullOnly ? kPullOnly : t.mode == kModePushOnly ? kPushOnly : kBothWays;
        shareByMass(t);
    }
    findGroups();
}

void AccurateStep::shareByMass(Tie& t) const {
    const double wa = 1 / balls_.mass[t.a], wb = t.b >= 0 ? 1 / balls_.mass[t.b] : 0;
    // Masses of opposite signs (only a damaged file holds them) share nothing.
    const bool ok = wa + wb > 0 && wa >= 0 && wb >= 0;
    t.shareA = ok ? wa / (wa + wb) : 0;
    t.shareB = ok ? wb / (wa + wb) : 0;
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

}  // namespace mb::detail

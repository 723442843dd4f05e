// The classic step's force sum of one ball: the field, mutual and connector
// forces in their fixed order, each under its switch, read from the compact copy.
#include <bit>
#include <cmath>

#include "engine/contacts.h"
#include "engine/step_context.h"

namespace mb::detail {

namespace {
// The direction angle pi taken apart: (cos pi, sin pi) as the library gives them.
const double kCosPi = std::cos(kPi);
const double kSinPi = std::sin(kPi);
}  // namespace

void StepContext::addDamping(Ball& b) {
    dampingFx_ = dampingFy_ = 0;
    std::uint32_t inside = kernels_.inside(fields_.damping, b.x, b.y) & FirstBits(fields_.damping.count);
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
        const double fx = F * (b.vx / s), fy = F * (b.vy / s);
        b.Fx += fx;
        b.Fy += fy;
        dampingFx_ += fx;
        dampingFy_ += fy;
    }
}

void StepContext::addElectric(Ball& b) {
    electricFx_ = electricFy_ = 0;
    std::uint32_t inside = kernels_.inside(fields_.electric, b.x, b.y) & FirstBits(fields_.electric.count);
    while (inside) {
        const int i = std::countr_zero(inside);
        inside &= inside - 1;
        const double E = scene_.electricFields[i].E;
        const double fx = fields_.electricCos[i] * b.Q * E, fy = fields_.electricSin[i] * b.Q * E;
        b.Fx += fx;
        b.Fy += fy;
        electricFx_ += fx;
        electricFy_ += fy;
    }
}

void StepContext::addMagnetic(Ball& b) {
    // Outside every field the sum is 0 and so is the force.
    std::uint32_t inside = kernels_.inside(fields_.magnetic, b.x, b.y) & FirstBits(fields_.magnetic.count);
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
    if (fields_.damping.count > 0) addDamping(b);
    if (fields_.gravityMasses.count > 0) {
        // Gravity masses attract.
        const CentralSums t = kernels_.central(fields_.gravityMasses, b.x, b.y, kGravityG * b.mass);
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
    if (fields_.pointCharges.count > 0) {
        // Charges of the same sign repel.
        const CentralSums t = kernels_.central(fields_.pointCharges, b.x, b.y, kCoulombK * b.Q / kPermittivity);
        b.Fx -= t.x;
        b.Fy -= t.y;
    }
    if (fields_.electric.count > 0) addElectric(b);
    if (c) {
        b.Fx += m.cx;
        b.Fy += m.cy;
    }
    if (fields_.magnetic.count > 0) addMagnetic(b);
    if (heldStart_[j + 1] > heldStart_[j]) addHeld(b, j);
}

}  // namespace mb::detail

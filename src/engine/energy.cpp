#include "engine/energy.h"

#include <algorithm>
#include <cmath>

#include "engine/engine.h"

namespace mb {

namespace {

// The factor sqrt(1 - v² / c²), held where relativity holds it.
double LorentzRoot(double vx, double vy) {
    const double beta2 = std::min((vx * vx + vy * vy) / (kLightSpeed * kLightSpeed), 1.0 - 1e-12);
    return std::sqrt(1.0 - beta2);
}

double Distance(double dx, double dy) {
    return std::sqrt(dx * dx + dy * dy);
}

double MassAtSpeed(const Ball& b, bool relativity) {
    return relativity ? b.M0 / LorentzRoot(b.vx, b.vy) : b.M0;
}

// 1/2 K (d - L)² while the mode makes the connector act, with its force's skips.
double StretchEnergy(double dx, double dy, double R, bool hanging, double L, double K, double mode) {
    const double d = Distance(dx, dy);
    if (hanging && d <= R) return 0;
    const double e = L - d;
    if (std::fabs(e) < 1e-24) return 0;
    if (e <= 0 && mode == kModePushOnly) return 0;
    if (e >= 0 && mode == kModePullOnly) return 0;
    return 0.5 * K * e * e;
}

double HangingEnergy(const Scene& s, const HangingTable& t) {
    double sum = 0;
    const int n = t.count(), balls = s.balls.count();
    for (int i = 0; i < n; ++i) {
        const HangingConnector& c = t[i];
        const int j = c.ballIndex();
        if (j < 0 || j >= balls) continue;
        const Ball& b = s.balls[j];
        sum += StretchEnergy(b.x - c.anchorX, b.y - c.anchorY, b.R, true, c.L, c.K, c.mode);
    }
    return sum;
}

double LinkEnergy(const Scene& s, const LinkTable& t) {
    double sum = 0;
    const int n = t.count();
    for (int i = 0; i < n; ++i) {
        const LinkConnector& c = t[i];
        const int a = c.ball1Index(), b = c.ball2Index();
        if (a < 0 || b < 0 || a == b) continue;
        const Ball& p = s.balls[a];
        const Ball& q = s.balls[b];
        sum += StretchEnergy(p.x - q.x, p.y - q.y, p.R, false, c.L, c.K, c.mode);
    }
    return sum;
}

}  // namespace

double KineticEnergy(double M0, double vx, double vy, bool relativity) {
    const double v2 = vx * vx + vy * vy;
    if (!relativity) return 0.5 * M0 * v2;
    // (M - M0) c² = M0 c² (1 / r - 1) with r = sqrt(1 - v²/c²), that is
    // M0 v² / (r (1 + r)): no difference of nearly equal numbers.
    const double r = LorentzRoot(vx, vy);
    return M0 * v2 / (r * (1 + r));
}

EnergyBook MeasureEnergy(const Scene& s) {
    EnergyBook e;
    const ExperimentSettings& set = s.settings;
    const PresenceSwitches& p = s.presence;
    const bool rel = set.RelativityOn != 0;
    const int n = s.balls.count();
    double mass[kBallCapacity];
    for (int j = 0; j < n; ++j) {
        const Ball& b = s.balls[j];
        const double M = mass[j] = MassAtSpeed(b, rel);
        e.kinetic += KineticEnergy(b.M0, b.vx, b.vy, rel);
        e.px += M * b.vx;
        e.py += M * b.vy;
        e.angular += M * (b.x * b.vy - b.y * b.vx);
        e.extraForces -= b.extraFx * b.x + b.extraFy * b.y;
        if (set.GravityOn) e.uniformGravity += M * kStandardGravity * b.y;
        if (p.gravityMass)
            for (int i = 0; i < s.gravityMasses.count(); ++i) {
                const GravityMass& g = s.gravityMasses[i];
                const double r = Distance(g.x - b.x, g.y - b.y);
                if (r >= 1e-80) e.gravityMasses -= kGravityG * M * g.M / r;
            }
        if (p.pointCharge)
            for (int i = 0; i < s.pointCharges.count(); ++i) {
                const PointChargeField& q = s.pointCharges[i];
                const double r = Distance(q.x - b.x, q.y - b.y);
                if (r >= 1e-80) e.pointCharges += kCoulombK * b.Q * q.Q / (kPermittivity * r);
            }
    }
    if (set.MutualGravitationOn || set.MutualCoulombOn)
        for (int i = 0; i < n; ++i)
            for (int k = i + 1; k < n; ++k) {
                const Ball& a = s.balls[i];
                const Ball& b = s.balls[k];
                const double r = Distance(b.x - a.x, b.y - a.y);
                if (r < 1e-24) continue;
                if (set.MutualGravitationOn) e.mutualGravitation -= kGravityG * mass[i] * mass[k] / r;
                if (set.MutualCoulombOn) e.mutualCoulomb += kCoulombK * a.Q * b.Q / (kPermittivity * r);
            }
    if (p.hangingSpring) e.connectors += HangingEnergy(s, s.hangingSprings);
    if (p.linkSpring) e.connectors += LinkEnergy(s, s.linkSprings);
    if (p.hangingCord) e.connectors += HangingEnergy(s, s.hangingCords);
    if (p.linkCord) e.connectors += LinkEnergy(s, s.linkCords);
    if (p.hangingPole) e.connectors += HangingEnergy(s, s.hangingPoles);
    if (p.linkPole) e.connectors += LinkEnergy(s, s.linkPoles);

    e.potential = e.uniformGravity + e.gravityMasses + e.mutualGravitation + e.pointCharges + e.mutualCoulomb +
                  e.connectors + e.extraForces;
    e.dampingWork = s.ledger.dampingWork;
    e.electricWork = s.ledger.electricWork;
    e.work = e.dampingWork + e.electricWork;
    e.total = e.kinetic + e.potential - e.work;
    return e;
}

}  // namespace mb

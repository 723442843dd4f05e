// The stepping loop written out plainly, law by law, as the laboratory's
// physics reads: directions as angles taken apart with cosine and sine, powers
// with the general power function, every table walked record by record. The
// engine's fast path must agree with it. It keeps the engine's own guards (a
// step that stops being finite is taken back, relativity is held short of the
// speed of light, a ball at a circular track's centre is ignored, a bump that
// would not be finite changes nothing), so that the two differ in rounding only.
#pragma once

#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/engine.h"

namespace mb::literal {

constexpr double kPi = std::numbers::pi;

inline double Angle(double a, double b, double len) {
    double angle = std::asin(std::clamp(b / len, -1.0, 1.0));
    if (a < 0) angle = kPi - angle;
    return angle;
}

inline bool Inside(double x, double y, double x1, double y1, double x2, double y2) {
    return x1 <= x && x <= x2 && y1 <= y && y <= y2;
}

inline void Damping(const Scene& s, Ball& b) {
    const double sp = std::sqrt(std::pow(b.vx, 2) + std::pow(b.vy, 2));
    for (int i = 0; i < kTableCapacity && s.dampingFields[i].inUse(); ++i) {
        const DampingField& f = s.dampingFields[i];
        if (!Inside(b.x, b.y, f.x1, f.y1, f.x2, f.y2)) continue;
        if (sp < 1e-16) return;
        double F;
        if (f.formula == 0)
            F = -f.N * std::pow(sp, f.K);
        else if (f.formula == 1)
            F = -f.N * std::pow(sp, f.K) * b.mass;
        else if (f.formula == 2)
            F = -f.N * std::pow(sp, f.K) * 4 * (1.0 / 3.0) * kPi * std::pow(b.R, 3);
        else
            continue;
        const double theta = sp < 1e-28 ? 0.0 : Angle(b.vx, b.vy, sp);
        b.Fx += F * std::cos(theta);
        b.Fy += F * std::sin(theta);
    }
}

// A point P pulling (sign +1) or pushing (sign -1) the ball with magnitude F(r).
template <class Law>
void Central(Ball& b, double px, double py, double threshold, double sign, Law law) {
    const double dx = px - b.x, dy = py - b.y;
    const double r = std::sqrt(std::pow(dx, 2) + std::pow(dy, 2));
    if (r < threshold) return;
    const double F = law(r);
    b.Fx += sign * ((dx / r) * F);
    b.Fy += sign * ((dy / r) * F);
}

inline void Spring(Ball& b, double dx, double dy, double L, double K, double mode, bool radiusTest, double threshold) {
    if (dx > 1e70) dx = 0;
    if (dy > 1e70) dy = 0;
    const double d = std::sqrt(std::pow(dx, 2) + std::pow(dy, 2));
    if (radiusTest && d <= b.R) return;
    const double e = L - d;
    if (std::fabs(e) < 1e-24) return;
    if (e <= 0 && mode == 2) return;
    if (e >= 0 && mode == 1) return;
    double theta = d >= threshold ? std::asin(std::clamp(dy / d, -1.0, 1.0)) : 0.0;
    if (dx < 0) theta = kPi - theta;
    const double F = K * e;
    b.Fx += F * std::cos(theta);
    b.Fy += F * std::sin(theta);
}

inline void Hanging(const HangingTable& t, Ball& b, int j) {
    for (int i = 0; i < kTableCapacity && t[i].inUse(); ++i)
        if (t[i].ballIndex() == j) Spring(b, b.x - t[i].anchorX, b.y - t[i].anchorY, t[i].L, t[i].K, t[i].mode, true, 1e-24);
}

inline void Links(const Scene& s, const LinkTable& t, Ball& b, int j) {
    for (int i = 0; i < kTableCapacity && t[i].inUse(); ++i) {
        int other;
        if (t[i].ball1Index() == j)
            other = t[i].ball2Index();
        else if (t[i].ball2Index() == j)
            other = t[i].ball1Index();
        else
            continue;
        if (other < 0) continue;
        Spring(b, b.x - s.balls[other].x, b.y - s.balls[other].y, t[i].L, t[i].K, t[i].mode, false, 1e-18);
    }
}

inline bool Straight(const StraightTrack& t, Ball& b) {
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
    const double u = b.vx * std::cos(t.theta) + b.vy * std::sin(t.theta);
    double w = b.vx * std::cos(t.theta + kPi / 2) + b.vy * std::sin(t.theta + kPi / 2);
    w = -w;
    b.vx = u * std::cos(t.theta) + w * std::cos(t.theta + kPi / 2);
    b.vy = u * std::sin(t.theta) + w * std::sin(t.theta + kPi / 2);
    return false;
}

inline void Circular(const CircularTrack& t, Ball& b) {
    const double dist = std::sqrt(std::pow(b.x - t.cx, 2) + std::pow(b.y - t.cy, 2));
    if (dist == 0) return;
    const double e = t.radius - dist;
    if ((e > 0 && e - b.R > 0) || (e <= 0 && e + b.R < 0)) return;
    double phi = Angle(b.x - t.cx, b.y - t.cy, dist);
    if (phi < 0) phi += 2 * kPi;
    if (!((t.startAngle <= phi && phi <= t.endAngle) || (t.startAngle + 2 * kPi <= phi && phi <= t.endAngle + 2 * kPi)))
        return;
    const double sp = std::sqrt(std::pow(b.vx, 2) + std::pow(b.vy, 2));
    double psi = sp < 1e-28 ? 0.0 : Angle(b.vx, b.vy, sp);
    if (psi < 0) psi += 2 * kPi;
    const double I = 2 * phi - psi;
    b.vx = -sp * std::cos(I);
    b.vy = -sp * std::sin(I);
}

inline void Bump(Ball& bj, Ball& bk) {
    const double Rs = bj.R + bk.R;
    const double dx = bk.x - bj.x, dy = bk.y - bj.y;
    if (!(std::fabs(dx) < Rs && std::fabs(dy) < Rs && std::pow(Rs, 2) > std::pow(dx, 2) + std::pow(dy, 2))) return;
    const double h = std::sqrt(std::pow(dx, 2) + std::pow(dy, 2));
    double lambda = h > 1e-24 ? std::asin(std::clamp(dy / h, -1.0, 1.0)) : 0.0;
    if (dx < 0) lambda = kPi - lambda;
    if (lambda < 0) lambda += 2 * kPi;
    double mu = lambda + kPi / 2;
    if (mu >= 2 * kPi) mu -= 2 * kPi;
    const double uj = bj.vx * std::cos(lambda) + bj.vy * std::sin(lambda);
    const double uk = bk.vx * std::cos(lambda) + bk.vy * std::sin(lambda);
    const double wj = bj.vx * std::cos(mu) + bj.vy * std::sin(mu);
    const double wk = bk.vx * std::cos(mu) + bk.vy * std::sin(mu);
    const double Mj = bj.mass, Mk = bk.mass;
    const double uk2 = ((Mk - Mj) * uk + 2 * Mj * uj) / (Mj + Mk);
    const double uj2 = ((Mj - Mk) * uj + 2 * Mk * uk) / (Mj + Mk);
    const double vkx = uk2 * std::cos(lambda) + wk * std::cos(mu), vky = uk2 * std::sin(lambda) + wk * std::sin(mu);
    const double vjx = uj2 * std::cos(lambda) + wj * std::cos(mu), vjy = uj2 * std::sin(lambda) + wj * std::sin(mu);
    const double xk = bj.x + Rs * std::cos(lambda), yk = bj.y + Rs * std::sin(lambda);
    for (double v : {vkx, vky, vjx, vjy, xk, yk})
        if (!std::isfinite(v)) return;
    bk.vx = vkx, bk.vy = vky, bj.vx = vjx, bj.vy = vjy, bk.x = xk, bk.y = yk;
}

// One sub-step of ball j; false (and the ball as before) when it stopped being finite.
inline bool AdvanceBall(Scene& s, int j) {
    Ball& b = s.balls[j];
    const Ball before = b;
    const ExperimentSettings& set = s.settings;
    const PresenceSwitches& p = s.presence;
    const int n = s.balls.count();
    b.Fx += b.extraFx;
    b.Fy += b.extraFy;
    if (set.GravityOn) b.Fy -= b.mass * 9.8;
    if (p.damping) Damping(s, b);
    if (p.gravityMass)
        for (int i = 0; i < kTableCapacity && s.gravityMasses[i].inUse(); ++i) {
            const GravityMass& P = s.gravityMasses[i];
            Central(b, P.x, P.y, 1e-80, 1, [&](double r) { return 6.672e-11 * b.mass * P.M / std::pow(r, 2); });
        }
    if (set.MutualGravitationOn)
        for (int k = 0; k < n; ++k)
            if (k != j) {
                const Ball& o = s.balls[k];
                Central(b, o.x, o.y, 1e-24, 1, [&](double r) { return 6.672e-11 * b.mass * o.mass / std::pow(r, 2); });
            }
    if (p.pointCharge)
        for (int i = 0; i < kTableCapacity && s.pointCharges[i].inUse(); ++i) {
            const PointChargeField& P = s.pointCharges[i];
            Central(b, P.x, P.y, 1e-80, -1, [&](double r) { return 9e9 * b.Q * P.Q / std::pow(r, 2) / 1.0; });
        }
    if (p.electricField)
        for (int i = 0; i < kTableCapacity && s.electricFields[i].inUse(); ++i) {
            const UniformElectricField& f = s.electricFields[i];
            if (!Inside(b.x, b.y, f.x1, f.y1, f.x2, f.y2)) continue;
            b.Fx += std::cos(f.direction) * b.Q * f.E;
            b.Fy += std::sin(f.direction) * b.Q * f.E;
        }
    if (set.MutualCoulombOn)
        for (int k = 0; k < n; ++k) {
            const Ball& o = s.balls[k];
            Central(b, o.x, o.y, 1e-24, -1, [&](double r) { return 9e9 * b.Q * o.Q / std::pow(r, 2) / 1.0; });
        }
    if (p.magneticField) {
        const double sp = std::sqrt(std::pow(b.vx, 2) + std::pow(b.vy, 2));
        if (sp >= 1e-80) {
            double S = 0;
            for (int i = 0; i < kTableCapacity && s.magneticFields[i].inUse(); ++i) {
                const UniformMagneticField& f = s.magneticFields[i];
                if (Inside(b.x, b.y, f.x1, f.y1, f.x2, f.y2)) S += -(b.Q * f.sign * f.B * sp);
            }
            b.Fx -= S * b.vy / sp;
            b.Fy += S * b.vx / sp;
        }
    }
    if (p.linkSpring) Links(s, s.linkSprings, b, j);
    if (p.hangingSpring) Hanging(s.hangingSprings, b, j);
    if (p.linkCord) Links(s, s.linkCords, b, j);
    if (p.hangingCord) Hanging(s.hangingCords, b, j);
    if (p.linkPole) Links(s, s.linkPoles, b, j);
    if (p.hangingPole) Hanging(s.hangingPoles, b, j);
    if (set.RelativityOn) {
        const double sp = std::sqrt(std::pow(b.vx, 2) + std::pow(b.vy, 2));
        b.mass = b.M0 / std::sqrt(1 - std::min(std::pow(sp, 2) / std::pow(3e8, 2), 1.0 - 1e-12));
    }
    b.ax = b.Fx / b.mass;
    b.ay = b.Fy / b.mass;
    b.vx = b.vx + b.ax * set.StepTime;
    b.vy = b.vy + b.ay * set.StepTime;
    if (p.straightTrack)
        for (int i = 0; i < kTableCapacity && s.straightTracks[i].inUse(); ++i)
            if (Straight(s.straightTracks[i], b)) break;
    if (p.circularTrack)
        for (int i = 0; i < kTableCapacity && s.circularTracks[i].inUse(); ++i) Circular(s.circularTracks[i], b);
    if (set.BumpOn)
        for (int k = 0; k < n; ++k)
            if (k != j) Bump(b, s.balls[k]);
    b.x = b.x + b.vx * set.StepTime;
    b.y = b.y + b.vy * set.StepTime;
    for (double v : {b.x, b.y, b.vx, b.vy, b.ax, b.ay, b.Fx, b.Fy, b.mass})
        if (!std::isfinite(v)) {
            b.x = before.x, b.y = before.y, b.vx = before.vx, b.vy = before.vy, b.ax = before.ax, b.ay = before.ay;
            b.Fx = before.Fx, b.Fy = before.Fy, b.mass = before.mass;
            return false;
        }
    return true;
}

// One tick without display work: StepsPerTick sub-steps of every ball.
inline int StepScene(Scene& s) {
    const int n = s.balls.count();
    for (int i = 0; i < s.settings.StepsPerTick; ++i) {
        for (int j = 0; j < n; ++j) {
            Ball& b = s.balls[j];
            b.Fx = b.Fy = 0;
            const double cx = s.view.OriginX + b.x / s.view.MetresPerPixel + 0.5;
            const double cy = s.view.OriginY - b.y / s.view.MetresPerPixel + 0.5;
            if (!(std::fabs(cx) <= 36000) || !(std::fabs(cy) <= 36000)) return kStepOverflow;
            if (!literal::AdvanceBall(s, j)) return kStepOverflow;
        }
        s.RunTime += s.settings.StepTime;
    }
    return kStepNormal;
}

}  // namespace mb::literal

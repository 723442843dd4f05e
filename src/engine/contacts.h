// Tracks and bumps: the contacts that change velocities directly instead of
// adding forces, shared by both steps. Each works on anything that carries a
// ball's motion as x, y, vx, vy, R and mass: a Ball record in the classic step,
// the accurate step's own copy of it there.
//
// Internal to the engine.
#pragma once

#include <algorithm>
#include <cmath>
#include <numbers>

#include "scene/records.h"

namespace mb::detail {

inline constexpr double kPi = std::numbers::pi;

// Direction angle of the vector (a, b) of length len the way the laboratory has
// always measured it: arcsin of the vertical part, mirrored for a leftward vector.
// The ratio is clamped so that rounding can never hand arcsin a value beyond 1.
inline double DirectionAngle(double a, double b, double len) {
    double angle = std::asin(std::clamp(b / len, -1.0, 1.0));
    if (a < 0) angle = kPi - angle;
    return angle;
}

// The motion a contact reads and changes, for the accurate step's compact copy.
struct Body {
    double x, y, vx, vy, R, mass;
};

// Returns true when a vertical track reflected the ball: no other track is
// examined for it in this sub-step.
template <class B>
bool ReflectStraight(const StraightTrack& t, B& b) {
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

template <class B>
void ReflectCircular(const CircularTrack& t, B& b) {
    const double ex = b.x - t.cx, ey = b.y - t.cy;
    const double dist = std::sqrt(ex * ex + ey * ey);
    // At the very centre there is no position angle: the arc cannot be touching.
    if (dist == 0) return;
    const double e = t.radius - dist;
    if (e > 0 && e - b.R > 0) return;
    if (e <= 0 && e + b.R < 0) return;
    double phi = DirectionAngle(ex, ey, dist);
    if (phi < 0) phi += 2 * kPi;
    const bool onArc =
        (t.startAngle <= phi && phi <= t.endAngle) || (t.startAngle + 2 * kPi <= phi && phi <= t.endAngle + 2 * kPi);
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
template <class B>
void Bump(B& bj, B& bk) {
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

}  // namespace mb::detail

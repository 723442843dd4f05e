// The pair sums of the stepping loop's hot paths, four lanes at a time.
//
// Included by two translation units: one built for the x86-64 baseline (SSE2,
// where the compiler carries each four-lane vector in two registers) and one
// built for AVX2 (one register). Every operation is an IEEE operation on one
// lane (sqrt, division, product, sum, comparison), and the lanes are combined in
// a fixed order, so both builds give the same bits. The including unit defines
// MB_KERNEL_NAMESPACE to keep the two builds apart.
#pragma once

#include <immintrin.h>

#include <cstdint>

#include "engine/kernel_types.h"

namespace mb::detail::MB_KERNEL_NAMESPACE {

using V4 = double __attribute__((vector_size(32), aligned(32)));
using M4 = long long __attribute__((vector_size(32), aligned(32)));

[[gnu::always_inline]] inline V4 Load(const double* p) { return *reinterpret_cast<const V4*>(p); }

[[gnu::always_inline]] inline V4 Splat(double v) { return V4{v, v, v, v}; }

[[gnu::always_inline]] inline V4 Sqrt(V4 v) {
#ifdef __AVX__
    return _mm256_sqrt_pd(v);
#else
    union Halves {
        V4 whole;
        __m128d half[2];
    } u{v};
    u.half[0] = _mm_sqrt_pd(u.half[0]);
    u.half[1] = _mm_sqrt_pd(u.half[1]);
    return u.whole;
#endif
}

// Bit l set for each lane l whose mask is set.
[[gnu::always_inline]] inline std::uint32_t LaneBits(M4 m) {
#ifdef __AVX__
    return static_cast<std::uint32_t>(_mm256_movemask_pd(reinterpret_cast<__m256d>(m)));
#else
    union Halves {
        M4 whole;
        __m128d half[2];
    } u{m};
    return static_cast<std::uint32_t>(_mm_movemask_pd(u.half[0]) | (_mm_movemask_pd(u.half[1]) << 2));
#endif
}

// 0 in the lanes where `drop` is set, `v` elsewhere.
[[gnu::always_inline]] inline V4 ZeroWhere(M4 drop, V4 v) { return reinterpret_cast<V4>(reinterpret_cast<M4>(v) & ~drop); }

// Lane sums joined the same way in every build: (l0 + l1) + (l2 + l3).
[[gnu::always_inline]] inline double Join(V4 v) { return (v[0] + v[1]) + (v[2] + v[3]); }

// Mutual gravitation and Coulomb force of every ball slot on the ball at (bx, by).
// gm = G times the ball's mass, kq = k times its charge over the permittivity.
// Slots closer than 1e-24 m (the ball's own slot among them) add nothing; the
// padding slots carry no mass and no charge.
template <bool Gravitation, bool Coulomb>
MutualSums MutualSumsOf(const BallArrays& a, int slots, double bx, double by, double gm, double kq) {
    const V4 vbx = Splat(bx), vby = Splat(by), vgm = Splat(gm), vkq = Splat(kq);
    const V4 one = Splat(1.0), nearLimit = Splat(1e-24);
    V4 gx{}, gy{}, cx{}, cy{};
    for (int k = 0; k < slots; k += kLanes) {
        const V4 dx = Load(a.x + k) - vbx, dy = Load(a.y + k) - vby;
        const V4 r = Sqrt(dx * dx + dy * dy);
        const V4 inv = ZeroWhere(r < nearLimit, one / r);
        const V4 inv2 = inv * inv;
        if constexpr (Gravitation) {
            const V4 F = vgm * Load(a.mass + k) * inv2;
            gx += dx * inv * F;
            gy += dy * inv * F;
        }
        if constexpr (Coulomb) {
            const V4 F = vkq * Load(a.Q + k) * inv2;
            cx -= dx * inv * F;
            cy -= dy * inv * F;
        }
    }
    return {Join(gx), Join(gy), Join(cx), Join(cy)};
}

inline MutualSums Mutual(const BallArrays& a, int slots, double bx, double by, double gm, double kq, bool gravitation,
                         bool coulomb) {
    if (gravitation && coulomb) return MutualSumsOf<true, true>(a, slots, bx, by, gm, kq);
    if (gravitation) return MutualSumsOf<true, false>(a, slots, bx, by, gm, kq);
    if (coulomb) return MutualSumsOf<false, true>(a, slots, bx, by, gm, kq);
    return {};
}

// Bit k set for each slot k whose ball overlaps the ball at (bx, by) of radius R:
// |dx| < Rs, |dy| < Rs and Rs² > dx² + dy², with Rs the two radii together
// (balls that merely touch do not collide). The ball's own slot is included.
inline std::uint32_t Overlaps(const BallArrays& a, int slots, double bx, double by, double R) {
    const V4 vbx = Splat(bx), vby = Splat(by), vR = Splat(R);
    const M4 signBit = {INT64_MIN, INT64_MIN, INT64_MIN, INT64_MIN};
    std::uint32_t bits = 0;
    for (int k = 0; k < slots; k += kLanes) {
        const V4 Rs = vR + Load(a.R + k);
        const V4 dx = Load(a.x + k) - vbx, dy = Load(a.y + k) - vby;
        const V4 adx = reinterpret_cast<V4>(reinterpret_cast<M4>(dx) & ~signBit);
        const V4 ady = reinterpret_cast<V4>(reinterpret_cast<M4>(dy) & ~signBit);
        const M4 hit = (adx < Rs) & (ady < Rs) & (Rs * Rs > dx * dx + dy * dy);
        bits |= LaneBits(hit) << k;
    }
    return bits;
}

// The pull (gravity masses) or push (point charges) of a table of fixed central
// elements on the ball at (bx, by): for element i, r = |P - ball|, F = coef *
// strength / r², and the term (dx / r * F, dy / r * F) as the law writes it;
// elements closer than 1e-80 m add nothing. Padding elements have no strength.
inline CentralSums Central(const CentralArrays& e, double bx, double by, double coef) {
    const V4 vbx = Splat(bx), vby = Splat(by), vcoef = Splat(coef), nearLimit = Splat(1e-80);
    V4 sx{}, sy{};
    for (int i = 0; i < e.slots; i += kLanes) {
        const V4 dx = Load(e.x + i) - vbx, dy = Load(e.y + i) - vby;
        const V4 r = Sqrt(dx * dx + dy * dy);
        const V4 F = vcoef * Load(e.strength + i) / (r * r);
        const M4 near = r < nearLimit;
        sx += ZeroWhere(near, dx / r * F);
        sy += ZeroWhere(near, dy / r * F);
    }
    return {Join(sx), Join(sy)};
}

// Bit i set for each region (edges included) that contains the point (x, y).
inline std::uint32_t Inside(const RegionArrays& g, double x, double y) {
    const V4 vx = Splat(x), vy = Splat(y);
    std::uint32_t bits = 0;
    for (int i = 0; i < g.slots; i += kLanes) {
        const M4 in = (Load(g.x1 + i) <= vx) & (vx <= Load(g.x2 + i)) & (Load(g.y1 + i) <= vy) & (vy <= Load(g.y2 + i));
        bits |= LaneBits(in) << i;
    }
    return bits;
}

// Bit i set for each circular track whose circle the ball of radius R at (x, y)
// touches from inside or outside: with e = radius - distance, neither e > 0 and
// e - R > 0 nor e <= 0 and e + R < 0.
inline std::uint32_t CircleContacts(const CircleArrays& c, double x, double y, double R) {
    const V4 vx = Splat(x), vy = Splat(y), vR = Splat(R), zero{};
    std::uint32_t bits = 0;
    for (int i = 0; i < c.slots; i += kLanes) {
        const V4 ex = vx - Load(c.cx + i), ey = vy - Load(c.cy + i);
        const V4 e = Load(c.radius + i) - Sqrt(ex * ex + ey * ey);
        const M4 apart = ((e > zero) & (e - vR > zero)) | ((e <= zero) & (e + vR < zero));
        bits |= LaneBits(~apart) << i;
    }
    return bits;
}

// Bit i set for each straight track that reflects the ball of radius R at (x, y):
// the centre within the track's extent in y, and then either a vertical track
// within R of the centre, or the centre within the extent in x and the line within R.
inline std::uint32_t StraightContacts(const LineArrays& t, double x, double y, double R) {
    const V4 vx = Splat(x), vy = Splat(y), vR = Splat(R), zero{};
    const M4 signBit = {INT64_MIN, INT64_MIN, INT64_MIN, INT64_MIN};
    std::uint32_t bits = 0;
    for (int i = 0; i < t.slots; i += kLanes) {
        const V4 xs = Load(t.xs + i), ys = Load(t.ys + i), xe = Load(t.xe + i), ye = Load(t.ye + i);
        const M4 yOk = ((ys > ye) & (ye <= vy) & (vy <= ys)) | ((ye > ys) & (ys <= vy) & (vy <= ye)) | (ys == ye);
        const V4 off = reinterpret_cast<V4>(reinterpret_cast<M4>(vx - xs) & ~signBit);
        const M4 vertical = (xs == xe) & (off <= vR);
        const V4 d = (Load(t.A + i) * vx + Load(t.B + i) * vy + Load(t.C + i)) / Load(t.norm + i);
        const M4 apart = ((d > zero) & (d - vR > zero)) | ((d <= zero) & (d + vR < zero));
        const M4 across = (xs <= vx) & (vx <= xe) & ~apart;
        bits |= LaneBits(yOk & (vertical | across)) << i;
    }
    return bits;
}

inline const Kernels kKernels = {Mutual, Central, Overlaps, Inside, CircleContacts, StraightContacts};

}  // namespace mb::detail::MB_KERNEL_NAMESPACE

// The pair sums and contact tests of the stepping loop's hot paths, four lanes
// at a time.
//
// Included by two translation units: one built for the x86-64 baseline (SSE2,
// each four-lane vector carried in two registers) and one built for AVX2 (one
// register). Every operation is an IEEE operation on one lane (square root,
// quotient, product, sum, comparison) done in the same order in both builds, and the lanes
// are joined in a fixed order, so both builds give the same bits. The including
// unit defines MB_KERNEL_NAMESPACE to keep the two builds apart.
#pragma once

#include <immintrin.h>

#include <cstdint>

#include "engine/kernel_types.h"

namespace mb::detail::MB_KERNEL_NAMESPACE {

using V4 = double __attribute__((vector_size(32), aligned(32)));
using M4 = long long __attribute__((vector_size(32), aligned(32)));

#define MB_INLINE [[gnu::always_inline]] inline

MB_INLINE V4 Load(const double* p) { return *reinterpret_cast<const V4*>(p); }
MB_INLINE void Store(double* p, V4 v) {
    *reinterpret_cast<V4*>(p) = v;
}
MB_INLINE V4 Splat(double v) { return V4{v, v, v, v}; }
MB_INLINE M4 SplatBits(long long v) { return M4{v, v, v, v}; }
MB_INLINE M4 Bits(V4 v) { return reinterpret_cast<M4>(v); }
MB_INLINE V4 Real(M4 m) { return reinterpret_cast<V4>(m); }

#ifdef __AVX__
template <int Predicate>
MB_INLINE M4 Compare(V4 a, V4 b) {
    return Bits(_mm256_cmp_pd(a, b, Predicate));
}
MB_INLINE M4 Lt(V4 a, V4 b) { return Compare<_CMP_LT_OQ>(a, b); }
MB_INLINE M4 Le(V4 a, V4 b) { return Compare<_CMP_LE_OQ>(a, b); }
MB_INLINE M4 Eq(V4 a, V4 b) { return Compare<_CMP_EQ_OQ>(a, b); }
// Bit l set for each lane l whose mask is set.
MB_INLINE std::uint32_t LaneBits(M4 m) { return static_cast<std::uint32_t>(_mm256_movemask_pd(Real(m))); }
#else
// The baseline compares each half with SSE2; the generic vector comparison
// would be taken apart lane by lane.
union Halves {
    V4 whole;
    __m128d half[2];
};
template <class Op>
MB_INLINE M4 Compare(V4 a, V4 b, Op op) {
    Halves x{a}, y{b}, r;
    r.half[0] = op(x.half[0], y.half[0]);
    r.half[1] = op(x.half[1], y.half[1]);
    return Bits(r.whole);
}
MB_INLINE M4 Lt(V4 a, V4 b) { return Compare(a, b, [](__m128d p, __m128d q) { return _mm_cmplt_pd(p, q); }); }
MB_INLINE M4 Le(V4 a, V4 b) { return Compare(a, b, [](__m128d p, __m128d q) { return _mm_cmple_pd(p, q); }); }
MB_INLINE M4 Eq(V4 a, V4 b) { return Compare(a, b, [](__m128d p, __m128d q) { return _mm_cmpeq_pd(p, q); }); }
MB_INLINE std::uint32_t LaneBits(M4 m) {
    Halves u{Real(m)};
    return static_cast<std::uint32_t>(_mm_movemask_pd(u.half[0]) | (_mm_movemask_pd(u.half[1]) << 2));
}
#endif

MB_INLINE M4 Gt(V4 a, V4 b) { return Lt(b, a); }
MB_INLINE V4 Abs(V4 v) { return Real(Bits(v) & ~SplatBits(INT64_MIN)); }
// 0 in the lanes where `drop` is set, `v` elsewhere.
MB_INLINE V4 ZeroWhere(M4 drop, V4 v) { return Real(Bits(v) & ~drop); }
// Lane sums joined the same way in every build: (l0 + l1) + (l2 + l3).
MB_INLINE double Join(V4 v) { return (v[0] + v[1]) + (v[2] + v[3]); }

MB_INLINE V4 Sqrt(V4 v) {
#ifdef __AVX__
    return _mm256_sqrt_pd(v);
#else
    Halves u{v};
    u.half[0] = _mm_sqrt_pd(u.half[0]);
    u.half[1] = _mm_sqrt_pd(u.half[1]);
    return u.whole;
#endif
}

// Mutual gravitation and Coulomb force of every ball slot on ball j at (bx, by),
// with gm = G times its mass and kq = k times its charge over the permittivity:
// for each slot F = gm m / r² and kq Q / r², along (dx / r, dy / r), that is
// gm m dx / r³ and so on. 1 / r³ is r (1 / r²)², so the root and the quotient
// are both taken from r² and run side by side rather than one after the other;
// the constant factors gm and kq are applied once to the sums. Slots closer
// than 1e-24 m (ball j's own among them) add nothing; padding slots carry no
// mass and no charge. With Bumps the overlap bits of the bump test (|dx| < Rs,
// |dy| < Rs and Rs² > dx² + dy², Rs the two radii together) come from the same
// pass.
template <bool Gravitation, bool Coulomb, bool Bumps>
MutualSums MutualSumsOf(const BallArrays& a, int slots, double bx, double by, double gm, double kq, double R) {
    const V4 vbx = Splat(bx), vby = Splat(by), vR = Splat(R);
    const V4 one = Splat(1.0), nearLimit = Splat(1e-24);
    V4 gx{}, gy{}, cx{}, cy{};
    std::uint32_t overlaps = 0;
    for (int k = 0; k < slots; k += kLanes) {
        const V4 dx = Load(a.x + k) - vbx, dy = Load(a.y + k) - vby;
        const V4 r2 = dx * dx + dy * dy;
        if constexpr (Gravitation || Coulomb) {
            const V4 r = Sqrt(r2);
            const V4 inv2 = one / r2;
            const V4 inv3 = ZeroWhere(Lt(r, nearLimit), (r * inv2) * inv2);
            if constexpr (Gravitation) {
                const V4 s = Load(a.mass + k) * inv3;
                gx += dx * s;
                gy += dy * s;
            }
            if constexpr (Coulomb) {
                const V4 s = Load(a.Q + k) * inv3;
                cx -= dx * s;
                cy -= dy * s;
            }
        }
        if constexpr (Bumps) {
            const V4 Rs = vR + Load(a.R + k);
            overlaps |= LaneBits(Lt(Abs(dx), Rs) & Lt(Abs(dy), Rs) & Gt(Rs * Rs, r2)) << k;
        }
    }
    return {gm * Join(gx), gm * Join(gy), kq * Join(cx), kq * Join(cy), overlaps};
}

inline MutualSums Mutual(const BallArrays& a, int slots, double bx, double by, double gm, double kq, bool gravitation,
                         bool coulomb, double bumpRadius) {
    const bool bumps = bumpRadius >= 0;
    const double R = bumpRadius;
    if (gravitation && coulomb)
        return bumps ? MutualSumsOf<true, true, true>(a, slots, bx, by, gm, kq, R)
                     : MutualSumsOf<true, true, false>(a, slots, bx, by, gm, kq, R);
    if (gravitation)
        return bumps ? MutualSumsOf<true, false, true>(a, slots, bx, by, gm, kq, R)
                     : MutualSumsOf<true, false, false>(a, slots, bx, by, gm, kq, R);
    if (coulomb)
        return bumps ? MutualSumsOf<false, true, true>(a, slots, bx, by, gm, kq, R)
                     : MutualSumsOf<false, true, false>(a, slots, bx, by, gm, kq, R);
    return bumps ? MutualSumsOf<false, false, true>(a, slots, bx, by, gm, kq, R) : MutualSums{};
}

// The mutual gravitation and Coulomb force of every pair of balls (i, k), k > i,
// computed once and given to both: ball i gets f (dx, dy) and ball k the same
// with the opposite sign, where f = (G Mi Mk - kc Qi Qk) / r³ and (dx, dy) runs
// from i to k, so the pair's forces are equal and opposite to the last bit and
// each root and quotient serves two balls. Ball k's share is gathered in its own
// lane of the sums, in the order of i, the same in every build. Pairs closer
// than 1e-24 m add nothing. With Bumps each slot also gets the bits of the later
// slots it overlaps, by the bump test of the mutual pass.
template <bool Gravitation, bool Coulomb, bool Bumps>
void PairSumsOf(const BallArrays& a, int count, double g, double kc, PairSums& out) {
    const int slots = WholeLanes(count);
    for (int k = 0; k < slots; ++k) {
        out.fx[k] = 0;
        out.fy[k] = 0;
        out.overlaps[k] = 0;
    }
    const V4 one = Splat(1.0), nearLimit = Splat(1e-24), lane = V4{0, 1, 2, 3};
    for (int i = 0; i + 1 < count; ++i) {
        const V4 vbx = Splat(a.x[i]), vby = Splat(a.y[i]), vR = Splat(a.R[i]), vi = Splat(static_cast<double>(i));
        const V4 gi = Splat(g * a.mass[i]), ci = Splat(kc * a.Q[i]);
        V4 sx{}, sy{};
        std::uint32_t overlaps = 0;
        for (int k = (i + 1) / kLanes * kLanes; k < slots; k += kLanes) {
            const M4 later = Gt(Splat(static_cast<double>(k)) + lane, vi);
            const V4 dx = Load(a.x + k) - vbx, dy = Load(a.y + k) - vby;
            const V4 r2 = dx * dx + dy * dy;
            if constexpr (Gravitation || Coulomb) {
                const V4 r = Sqrt(r2);
                const V4 inv2 = one / r2;
                const V4 inv3 = ZeroWhere(Lt(r, nearLimit) | ~later, (r * inv2) * inv2);
                V4 coef;
                if constexpr (Gravitation && Coulomb)
                    coef = gi * Load(a.mass + k) - ci * Load(a.Q + k);
                else if constexpr (Gravitation)
                    coef = gi * Load(a.mass + k);
                else
                    coef = V4{} - ci * Load(a.Q + k);
                const V4 f = coef * inv3;
                const V4 fx = dx * f, fy = dy * f;
                sx += fx;
                sy += fy;
                Store(out.fx + k, Load(out.fx + k) - fx);
                Store(out.fy + k, Load(out.fy + k) - fy);
            }
            if constexpr (Bumps) {
                const V4 Rs = vR + Load(a.R + k);
                overlaps |= LaneBits(later & Lt(Abs(dx), Rs) & Lt(Abs(dy), Rs) & Gt(Rs * Rs, r2)) << k;
            }
        }
        out.fx[i] += Join(sx);
        out.fy[i] += Join(sy);
        out.overlaps[i] = overlaps;
    }
}

inline void Pairs(const BallArrays& a, int count, double g, double kc, bool gravitation, bool coulomb, bool bumps,
                  PairSums& out) {
    if (gravitation && coulomb)
        return bumps ? PairSumsOf<true, true, true>(a, count, g, kc, out)
                     : PairSumsOf<true, true, false>(a, count, g, kc, out);
    if (gravitation)
        return bumps ? PairSumsOf<true, false, true>(a, count, g, kc, out)
                     : PairSumsOf<true, false, false>(a, count, g, kc, out);
    if (coulomb)
        return bumps ? PairSumsOf<false, true, true>(a, count, g, kc, out)
                     : PairSumsOf<false, true, false>(a, count, g, kc, out);
    return PairSumsOf<false, false, true>(a, count, g, kc, out);
}

// Bit k set for each slot k whose ball overlaps the ball at (bx, by) of radius R:
// |dx| < Rs, |dy| < Rs and Rs² > dx² + dy², with Rs the two radii together.
inline std::uint32_t Overlaps(const BallArrays& a, int slots, double bx, double by, double R) {
    return MutualSumsOf<false, false, true>(a, slots, bx, by, 0, 0, R).overlaps;
}

// The pull (gravity masses) or push (point charges) of a table of fixed central
// elements on the ball at (bx, by): for element i, F = coef strength / r² along
// (dx / r, dy / r), that is coef strength dx / r³, with 1 / r³ taken as
// r (1 / r²)² as in the mutual pass and coef applied once to the sums;
// elements closer than 1e-80 m add nothing, and padding elements have no
// strength.
inline CentralSums Central(const CentralArrays& e, double bx, double by, double coef) {
    const V4 vbx = Splat(bx), vby = Splat(by), one = Splat(1.0), nearLimit = Splat(1e-80);
    V4 sx{}, sy{};
    for (int i = 0; i < e.slots; i += kLanes) {
        const V4 dx = Load(e.x + i) - vbx, dy = Load(e.y + i) - vby;
        const V4 r2 = dx * dx + dy * dy;
        const V4 r = Sqrt(r2);
        const V4 inv2 = one / r2;
        const V4 s = Load(e.strength + i) * ZeroWhere(Lt(r, nearLimit), (r * inv2) * inv2);
        sx += dx * s;
        sy += dy * s;
    }
    return {coef * Join(sx), coef * Join(sy)};
}

// Bit i set for each region (edges included) that contains the point (x, y).
inline std::uint32_t Inside(const RegionArrays& g, double x, double y) {
    const V4 vx = Splat(x), vy = Splat(y);
    std::uint32_t bits = 0;
    for (int i = 0; i < g.slots; i += kLanes) {
        const M4 in = Le(Load(g.x1 + i), vx) & Le(vx, Load(g.x2 + i)) & Le(Load(g.y1 + i), vy) & Le(vy, Load(g.y2 + i));
        bits |= LaneBits(in) << i;
    }
    return bits;
}

// Bit i set for each circular track whose circle the ball of radius R at (x, y)
// may touch from inside or outside. The track's own test (on the exact
// distance) decides; this one, on the squared distance, lets through every
// track within R of the circle with a margin for rounding.
inline std::uint32_t CircleContacts(const CircleArrays& c, double x, double y, double R) {
    const V4 vx = Splat(x), vy = Splat(y), vR = Splat(R * (1 + 1e-9) + 1e-300);
    std::uint32_t bits = 0;
    for (int i = 0; i < c.slots; i += kLanes) {
        const V4 ex = vx - Load(c.cx + i), ey = vy - Load(c.cy + i);
        const V4 d2 = ex * ex + ey * ey;
        const V4 radius = Abs(Load(c.radius + i));
        const V4 inner = radius - vR, outer = radius + vR;
        // Within the ring of radii |radius| - R and |radius| + R (a ring whose
        // inner radius is below 0 reaches the centre).
        const M4 near = (Lt(inner, V4{}) | Le(inner * inner * Splat(1 - 1e-12), d2)) &
                        Le(d2, outer * outer * Splat(1 + 1e-12));
        bits |= LaneBits(near) << i;
    }
    return bits;
}

// Bit i set for each straight track that may reflect the ball of radius R at
// (x, y): the centre within the track's extent in y, and then either a vertical
// track within R of the centre, or the centre within the extent in x and the
// line within R of it. The track's own test (on the distance divided by the
// norm) decides; this one, free of the division, lets through every track within
// R of its line with a margin for rounding.
inline std::uint32_t StraightContacts(const LineArrays& t, double x, double y, double R) {
    const V4 vx = Splat(x), vy = Splat(y), vR = Splat(R), reach = Splat(R * (1 + 1e-9) + 1e-300);
    std::uint32_t bits = 0;
    for (int i = 0; i < t.slots; i += kLanes) {
        const V4 xs = Load(t.xs + i), ys = Load(t.ys + i), xe = Load(t.xe + i), ye = Load(t.ye + i);
        const M4 yOk = (Gt(ys, ye) & Le(ye, vy) & Le(vy, ys)) | (Gt(ye, ys) & Le(ys, vy) & Le(vy, ye)) | Eq(ys, ye);
        const M4 vertical = Eq(xs, xe) & Le(Abs(vx - xs), vR);
        const V4 along = Abs(Load(t.A + i) * vx + Load(t.B + i) * vy + Load(t.C + i));
        const M4 near = Le(along, reach * Abs(Load(t.norm + i)) * Splat(1 + 1e-12));
        const M4 across = Le(xs, vx) & Le(vx, xe) & near;
        bits |= LaneBits(yOk & (vertical | across)) << i;
    }
    return bits;
}

inline const Kernels kKernels = {Mutual, Pairs, Central, Overlaps, Inside, CircleContacts, StraightContacts};

#undef MB_INLINE

}  // namespace mb::detail::MB_KERNEL_NAMESPACE

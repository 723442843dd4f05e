// The compact arrays the stepping loop's vector kernels read, and the table of
// kernels. Depends on nothing else, so that the AVX2 build of the kernels
// compiles no code but its own.
#pragma once

#include <cstdint>

namespace mb::detail {

inline constexpr int kLanes = 4;
inline constexpr int kMaxBalls = 30;
inline constexpr int kMaxElements = 20;
// Slots rounded up to whole lanes.
inline constexpr int kBallSlots = (kMaxBalls + kLanes - 1) / kLanes * kLanes;
inline constexpr int kElementSlots = (kMaxElements + kLanes - 1) / kLanes * kLanes;

inline constexpr int WholeLanes(int n) { return (n + kLanes - 1) / kLanes * kLanes; }

struct alignas(32) BallArrays {
    double x[kBallSlots];
    double y[kBallSlots];
    double mass[kBallSlots];
    double Q[kBallSlots];
    double R[kBallSlots];
};

// Gravity masses or point charges: position and strength (M or Q).
struct alignas(32) CentralArrays {
    double x[kElementSlots];
    double y[kElementSlots];
    double strength[kElementSlots];
    int count = 0;  // elements in use
    int slots = 0;  // count rounded up to whole lanes
};

// Rectangular regions (damping, uniform electric and magnetic fields).
struct alignas(32) RegionArrays {
    double x1[kElementSlots];
    double y1[kElementSlots];
    double x2[kElementSlots];
    double y2[kElementSlots];
    int count = 0;
    int slots = 0;
};

struct alignas(32) CircleArrays {
    double cx[kElementSlots];
    double cy[kElementSlots];
    double radius[kElementSlots];
    int count = 0;
    int slots = 0;
};

struct alignas(32) LineArrays {
    double A[kElementSlots];
    double B[kElementSlots];
    double C[kElementSlots];
    double norm[kElementSlots];
    double xs[kElementSlots];
    double ys[kElementSlots];
    double xe[kElementSlots];
    double ye[kElementSlots];
    int count = 0;
    int slots = 0;
};

struct MutualSums {
    double gx = 0, gy = 0, cx = 0, cy = 0;
    std::uint32_t overlaps = 0;  // the bump test's bits, when asked for
};

// The mutual forces of every pair of balls, each pair found once: slot i's force
// and, for the bump test, the bits of the later slots k > i that it overlaps.
struct alignas(32) PairSums {
    double fx[kBallSlots];
    double fy[kBallSlots];
    std::uint32_t overlaps[kBallSlots];
};

struct CentralSums {
    double x = 0, y = 0;
};

// One build of the kernels. Bit sets have bit i for slot i; the caller keeps
// only the bits of slots in use.
struct Kernels {
    // bumpRadius: ball j's radius when the bump test is wanted as well, else -1.
    MutualSums (*mutual)(const BallArrays& a, int slots, double bx, double by, double gm, double kq, bool gravitation,
                         bool coulomb, double bumpRadius);
    // g: G; kc: k over the permittivity; bumps: the overlap bits are wanted.
    void (*pairs)(const BallArrays& a, int count, double g, double kc, bool gravitation, bool coulomb, bool bumps,
                  PairSums& out);
    CentralSums (*central)(const CentralArrays& e, double bx, double by, double coef);
    std::uint32_t (*overlaps)(const BallArrays& a, int slots, double bx, double by, double R);
    std::uint32_t (*inside)(const RegionArrays& g, double x, double y);
    std::uint32_t (*circleContacts)(const CircleArrays& c, double x, double y, double R);
    std::uint32_t (*straightContacts)(const LineArrays& t, double x, double y, double R);
};

// The baseline build always exists; the AVX2 build on x86-64.
const Kernels& BaselineKernels();
const Kernels& Avx2Kernels();

}  // namespace mb::detail

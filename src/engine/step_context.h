// What the stepping loop reads over and over, gathered once per call into a
// compact form: a structure-of-arrays copy of the balls' positions, masses,
// charges and radii (a Ball record carries its sprite and is some 20 KB, so a
// loop over the records strides through memory), the element tables as arrays,
// the constant terms of the fields, and each ball's list of the springs, cords
// and poles that hold it. The copy is kept in step with the records within the
// sub-step: a ball's slot is refreshed as soon as its own sub-step ends or a bump
// moves it.
//
// Internal to the engine (the stepping loops and the curve computation).
#pragma once

#include <cstdint>

#include "engine/engine.h"
#include "engine/kernel_types.h"

namespace mb::detail {

static_assert(kMaxBalls == kBallCapacity && kMaxElements == kTableCapacity);

// A sub-step's values are all finite numbers.
bool BallFinite(const Ball& b);

// The element tables the force and contact routines walk, in compact form: only
// those whose presence switch is on are filled (the others count 0 elements).
struct FieldArrays {
    CentralArrays gravityMasses;
    CentralArrays pointCharges;
    RegionArrays damping;
    RegionArrays electric;
    RegionArrays magnetic;
    double electricCos[kTableCapacity];
    double electricSin[kTableCapacity];
    LineArrays straight;
    CircleArrays circular;

    void fill(const Scene& scene);
};

// Bits 0 .. n - 1.
inline std::uint32_t FirstBits(int n) {
    return n >= 32 ? ~0u : (1u << n) - 1;
}

// One spring, cord or pole as seen from one of the balls it holds.
struct HeldBy {
    double anchorX, anchorY;  // the fixed end of a hanging kind
    double L, K, mode;
    int other;  // the other ball of a link, -1 for a hanging kind
};

// The classic step: each ball in table order sums its forces, integrates with
// the semi-implicit Euler rule and moves before the next ball is looked at.
class StepContext {
public:
    explicit StepContext(Scene& scene);

    Scene& scene() { return scene_; }
    int ballCount() const { return ballCount_; }

    // One sub-step of ball j (Fx and Fy cleared by the caller). False when the
    // step would have produced a value that is not finite; the ball then keeps
    // the state it had before the step.
    bool advanceBall(int j);
    // The pieces the curve computation repeats on its own.
    void addForces(int j);
    void applyTracks(int j);
    void applyBumps(int j);
    // Ball j's record changed outside the steps above: bring its slot up to date.
    void syncBall(int j);

private:
    void addDamping(Ball& b);
    void addElectric(Ball& b);
    void addMagnetic(Ball& b);
    void addHeld(Ball& b, int j);

    Scene& scene_;
    const Kernels& kernels_;
    int ballCount_ = 0;
    int ballSlots_ = 0;
    // The bump test's bits found with ball overlapsOf_'s mutual forces, until a
    // ball's slot changes.
    int overlapsOf_ = -1;
    std::uint32_t overlaps_ = 0;
    // The forces without a potential in the last force sum, for the work they do
    // as the ball moves.
    double dampingFx_ = 0, dampingFy_ = 0, electricFx_ = 0, electricFy_ = 0;
    BallArrays balls_;
    FieldArrays fields_;
    // Ball j's connectors are held_[heldStart_[j]] up to held_[heldStart_[j + 1]],
    // in the order of the force routines and, within a kind, in table order.
    HeldBy held_[6 * kTableCapacity * 2];
    std::int16_t heldStart_[kBallCapacity + 1];
};

// The sub-steps of a tick from where it stands, at most maxSubSteps of them
// (any number when negative); the tick then waits at the next one for the next
// call. subStep(i) does sub-step i and returns 0 to go on, or what ends the
// tick (the tick is then dropped). Returns 0 or that.
template <class SubStep>
int TickSubSteps(TickProgress& progress, const Scene& scene, long long maxSubSteps, SubStep&& subStep) {
    long long done = 0;
    for (int i = progress.subStep; i < progress.stepsPerTick; ++i, ++done) {
        if (done == maxSubSteps) {
            progress.subStep = i;
            progress.runTimeMark = scene.RunTime;
            return 0;
        }
        if (const int ended = subStep(i); ended != 0) {
            progress = TickProgress{};
            return ended;
        }
    }
    progress = TickProgress{};
    return 0;
}

// The kernels the stepping loop uses: the AVX2 build when the processor has it
// and it is allowed, else the baseline. Both give the same bits; tests switch the
// AVX2 build off to check that.
const Kernels& ActiveKernels();
void AllowWideVectors(bool allowed);
bool UsingWideVectors();

}  // namespace mb::detail

// The accurate step. Every ball of a sub-step advances from the same state, so
// each pair force (mutual gravitation and Coulomb force, link springs, cords and
// poles, bumps) is equal and opposite and momentum is kept to rounding. The
// scheme is velocity Verlet, symmetric about the middle of the sub-step:
//
//   half a kick by the position laws' force found at the start (held from the
//   end of the last sub-step), half a turn in the magnetic fields, half the
//   damping; the drift; cords and poles put back to their lengths; the force at
//   the new place; then the same three halves in the opposite order, and the
//   velocities along cords and poles taken away.
//
// A magnetic field turns the velocity by an exact rotation (the Boris scheme),
// so the speed is kept to rounding; damping divides the velocity by a factor of
// at least one, so it can only take energy away. With relativity the kicks
// change the momentum M v, with M = M0 / sqrt(1 - v² / c²) as the classic step
// has it, which keeps every speed below c. Tracks and bumps reflect the
// velocities at the end of the sub-step as the classic step does.
//
// Internal to the engine (the stepping loop and the curve computation).
#pragma once

#include <cstdint>

#include "engine/step_context.h"

namespace mb::detail {

class AccurateStep {
public:
    explicit AccurateStep(Scene& scene);

    int ballCount() const { return n_; }
    double x(int j) const { return balls_.x[j]; }
    double y(int j) const { return balls_.y[j]; }

    // One sub-step of every ball. False when it would not be finite; the balls
    // then keep the state they had before it.
    bool subStep();
    // The ball records and the run's ledger take the step's state.
    void store();

private:
    // A spring, or a cord or pole held as a length, between ball a and ball b or
    // the fixed point (ox, oy) when b is -1 (a hanging kind, or a link whose
    // other ball is not in the table).
    enum TieKind { kBothWays, kPullOnly, kPushOnly };
    struct Tie {
        int a, b;
        double ox, oy, L, K, mode;
        bool hanging;
        // For a length: how far it may be off (and the same for its square),
        // and the shares of a correction each end takes, in inverse proportion
        // to its mass (found again each sub-step when relativity changes them).
        double tolerance = 0, squaredTolerance = 0, shareA = 1, shareB = 0;
        double perL2 = 0, halfPerL2 = 0;  // 1 / L² and half of it
        std::uint32_t balls = 0;          // bit a and bit b
        int kind = 0;                     // the mode as one of the kinds below
        // The line from b to a, for the velocity passes.
        double sx = 0, sy = 0, s2 = 0;
        // Part of a small group of ties that share balls, whose velocities are
        // found together at once rather than pass by pass.
        bool grouped = false;
        // Found by the length pass for the velocity pass: the tie acts.
        bool taut = false;
    };

    void addTies(const Scene& scene, bool springs, const HangingTable* hanging, const LinkTable* links);
    void findForces();
    void kick();  // half a kick
    void turn(double h);
    void brake(double h);
    void holdLengths(const double* x0, const double* y0);
    void holdVelocities();
    void holdGroupVelocities(const int* ties, int count);
    void findGroups();
    void reflect();
    void prepareLengths();
    void shareByMass(Tie& t) const;
    void setMomentum(int j, double px, double py);
    void refreshMass(int j);
    double kinetic(int j) const;

    Scene& scene_;
    const Kernels& kernels_;
    int n_ = 0;
    int slots_ = 0;
    double T_ = 0;
    bool relativity_ = false, gravity_ = false, gravitation_ = false, coulomb_ = false, bumps_ = false;
    BallArrays balls_;  // x, y, the current mass M, Q, R
    alignas(32) double vx_[kBallSlots], vy_[kBallSlots];
    double m0_[kBallCapacity], extraFx_[kBallCapacity], extraFy_[kBallCapacity];
    double ax_[kBallCapacity], ay_[kBallCapacity], Fx_[kBallCapacity], Fy_[kBallCapacity];
    double halfStepPerMass_[kBallCapacity];  // T / 2 over the rest mass, without relativity
    double perMass_[kBallCapacity];          // 1 / M, for the groups of ties
    // The position laws' force where the balls stand, its electric part, and the
    // bump test's bits found with it (valid while no bump has moved a ball).
    double fx_[kBallCapacity], fy_[kBallCapacity], ex_[kBallCapacity], ey_[kBallCapacity];
    PairSums pairs_;
    bool pairOverlaps_ = false;
    double dampingWork_ = 0, electricWork_ = 0;
    FieldArrays fields_;
    Tie springs_[4 * kTableCapacity];
    Tie lengths_[4 * kTableCapacity];
    int springCount_ = 0, lengthCount_ = 0;
    // Groups of two to kGroupTies ties joined through shared balls, none a weld:
    // group g is groupTies_[groupStart_[g]] up to groupTies_[groupStart_[g + 1]].
    static constexpr int kGroupTies = 4;
    int groupTies_[4 * kTableCapacity];
    int groupStart_[4 * kTableCapacity + 1];
    int groupCount_ = 0;
    double pull_[4 * kTableCapacity];  // each length's pull on the relative velocity in the last sub-step
};

}  // namespace mb::detail

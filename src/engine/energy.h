// The energy book: where an experiment's energy is, and what its momentum and
// angular momentum are, at the state the scene holds. The same for both steps,
// so its total's drift over a run measures the step's error: in exact physics
// kinetic + potential - work stays constant.
#pragma once

#include "scene/scene.h"

namespace mb {

struct EnergyBook {
    double kinetic = 0;     // sum of 1/2 M0 v², or (M - M0) c² with relativity
    double potential = 0;   // the sum of the potentials below
    double work = 0;        // by the forces without a potential since the run start
    double total = 0;       // kinetic + potential - work
    double px = 0, py = 0;  // sum of M v
    double angular = 0;     // sum of M (x vy - y vx) about the origin

    // The potential by its source, each under the switch of its force.
    double uniformGravity = 0;     // M g y
    double gravityMasses = 0;      // -G M P.M / r
    double mutualGravitation = 0;  // -G Mi Mj / r per pair
    double pointCharges = 0;       // k Q P.Q / (eps r)
    double mutualCoulomb = 0;      // k Qi Qj / (eps r) per pair
    double connectors = 0;         // 1/2 K (d - L)² per spring, cord and pole while it acts
    double extraForces = 0;        // -(Fx x + Fy y) of each ball's constant extra force
    // The work by its force: damping regions, uniform electric regions (whose
    // edges make their work depend on the path).
    double dampingWork = 0;
    double electricWork = 0;
};

// Kinetic energy of a ball of rest mass M0 at velocity (vx, vy): 1/2 M0 v², or
// with relativity (M - M0) c² written so that it keeps its digits at low speed.
double KineticEnergy(double M0, double vx, double vy, bool relativity);

// The book of the scene as it stands, with the forces' skips (elements closer
// than their thresholds add nothing, connectors count only while their mode
// makes them act) and M the ball's mass at its current speed.
EnergyBook MeasureEnergy(const Scene& scene);

}  // namespace mb

// Moving an experiment: run start and stop and the stepping loop, under the
// step the scene chooses. The classic step advances one ball after another by
// the semi-implicit Euler rule, each ball seeing the others where they stand at
// that moment; the accurate step advances every ball from the same state by a
// symplectic (velocity Verlet) rule, turns velocities in magnetic fields by an
// exact rotation and holds cords and poles at their lengths.
#pragma once

#include "scene/scene.h"

namespace mb {

// The per-ball display work of the last sub-step of a tick. The engine never
// touches pixels: the view implements this, the headless runner and the tests
// pass their own (or none).
class TickDisplay {
public:
    virtual ~TickDisplay() = default;
    // Before the sub-steps of a tick, while no ball is followed by the data window.
    virtual void drawTimeBox(const Scene& scene) { (void)scene; }
    // The followed ball's values changed; called from every ball's display work.
    virtual void updateDataWindow(const Scene& scene, int ball) {
        (void)scene;
        (void)ball;
    }
    // Move ball j's picture from its stored screen position to (sx, sy), with the
    // connectors lifted around it. The engine stores (sx, sy) afterwards.
    virtual void moveBall(Scene& scene, int ball, int sx, int sy) {
        (void)scene;
        (void)ball;
        (void)sx;
        (void)sy;
    }
    // A tick is complete: RunTime and every ball stand at its end. Not called
    // for a tick abandoned by an overflow.
    virtual void tickEnded(const Scene& scene) { (void)scene; }
};

// Physical constants of the laboratory.
inline constexpr double kGravityG = 6.672e-11;
inline constexpr double kCoulombK = 9e9;
inline constexpr double kPermittivity = 1.0;
inline constexpr double kStandardGravity = 9.8;
inline constexpr double kLightSpeed = 3e8;
inline constexpr double kControllableArea = 36000.0;  // pixels from the surface origin

enum StepResult : int { kStepNormal = 0, kStepOverflow = 2 };

// Every in-use ball back to its initial state, with its screen position.
void ResetBallsToInitial(Scene& scene);

// The scene side of pressing Run: balls to their initial state, presence
// switches from the tables, cord and pole lengths derived, RunTime 0 and the
// run's ledger cleared, Running set.
void StartRun(Scene& scene);

// The scene side of Stop: Running cleared, balls back to their initial state.
void StopRun(Scene& scene);

// Length and stiffness of every cord and pole from the balls' initial positions.
void PrepareRun(Scene& scene);

// One timer tick: StepsPerTick sub-steps of every ball under the scene's step.
// Returns kStepOverflow when a ball left the controllable area (or its motion
// stopped being a finite number); the tick is then abandoned where it stood.
int StepScene(Scene& scene, TickDisplay* display);

// Where a tick that was split over several calls stands. A tick of many sub-steps
// can take longer than the program may stay deaf to the user; it is then done in
// parts, each of at most a given number of sub-steps, and the display work still
// happens once, at the tick's last sub-step.
struct TickProgress {
    int subStep = 0;         // the next sub-step of the tick under way; 0 when none is
    int stepsPerTick = 0;    // StepsPerTick when the tick began
    double runTimeMark = 0;  // RunTime when the last part ended
    // The tick is finished (or was abandoned): the next call begins a new one.
    bool tickComplete() const { return subStep == 0; }
    // A tick under way goes on only while the scene is where its last part left it:
    // a run start (RunTime back to 0) or a new StepsPerTick begins a new tick.
    bool resumes(const Scene& scene) const;
};

// At most maxSubSteps sub-steps (any number when negative) of the tick under way,
// or of a new tick when none is. The time box is drawn when a tick begins. Returns
// as StepScene does; `progress` tells whether the tick is complete.
int StepScenePart(Scene& scene, TickDisplay* display, TickProgress& progress, long long maxSubSteps);

// Relativistic mass from the current speed (call only while RelativityOn).
void ApplyRelativity(Ball& ball);

}  // namespace mb

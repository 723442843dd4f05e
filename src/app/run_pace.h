// The pace of a run: how fast the run's simulated time goes against the wall
// clock. Timer1 fires about every millisecond; at a chosen speed a tick is taken
// only when the simulated time has fallen behind the wall clock times the speed,
// so a projectile that flies for 2 s lands after 2 s on the screen whatever the
// tick's length. Fastest is the bare timer: a tick at every event.
#pragma once

#include <QString>
#include <functional>

namespace mb {

enum class RunSpeed { Tenth, Quarter, Half, RealTime, Double, Five, Ten, Fastest };

struct RunSpeedInfo {
    RunSpeed speed;
    const char* label;     // what the menu and the tool bar show
    const char* key;       // how the choice is remembered between sessions
    double factor;         // simulated seconds per wall-clock second; 0 for Fastest
};

// Every speed, slowest first.
const RunSpeedInfo* RunSpeeds(int* count);
const RunSpeedInfo& InfoOf(RunSpeed speed);
// The speed remembered under `key`; Real time for anything unknown.
RunSpeed RunSpeedFromKey(const QString& key);

class RunPace {
public:
    // A monotonic clock in seconds.
    using Clock = std::function<double()>;

    RunPace();
    explicit RunPace(Clock clock) : clock_(std::move(clock)) {}

    void setClock(Clock clock);
    void setSpeed(RunSpeed speed);
    RunSpeed speed() const { return speed_; }

    // Forgets where the run stood: the next question starts measuring afresh.
    // Called when a run starts, restarts, pauses or resumes, or the speed changes,
    // so a paused minute is not made up afterwards.
    void reset() { anchored_ = false; }

    // Whether a tick of `tickLength` simulated seconds is due now, the run's
    // simulated time standing at `runTime`. A run that has fallen far behind (the
    // machine cannot keep up, or the program was held up) gives up the lost time
    // instead of racing to make it up, so it never runs faster than chosen.
    bool tickDue(double runTime, double tickLength);

    // A tick of `tickLength` simulated seconds lasts so long on the wall clock at
    // this speed that waiting for it to be due would look like a hang: it begins
    // at once and its sub-steps are paced instead.
    bool pacesSubSteps(double tickLength) const;
    // How many sub-steps of `stepTime` are due now, the run standing at `runTime`;
    // lost time is given up as for whole ticks.
    long long subStepsDue(double runTime, double stepTime);

    // The pace's clock, in seconds.
    double now() const { return clock_(); }

private:
    Clock clock_;
    RunSpeed speed_ = RunSpeed::RealTime;
    // Measures afresh from the run's time `runTime` now, unless already measuring.
    void anchor(double now, double runTime);

    bool anchored_ = false;
    double wallStart_ = 0.0;  // the wall clock when measuring began
    double runStart_ = 0.0;   // the run's time then
};

}  // namespace mb

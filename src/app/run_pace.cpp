#include "app/run_pace.h"

#include <QElapsedTimer>
#include <algorithm>
#include <iterator>
#include <memory>

#include "scene/translatable.h"

namespace mb {

namespace {
const RunSpeedInfo kSpeeds[] = {
    {RunSpeed::Tenth, "x0.1", "0.1", 0.1},  {RunSpeed::Quarter, "x0.25", "0.25", 0.25},
    {RunSpeed::Half, "x0.5", "0.5", 0.5},   {RunSpeed::RealTime, MB_TRANSLATE_NOOP("TForm1", "Real time"), "1", 1.0},
    {RunSpeed::Double, "x2", "2", 2.0},     {RunSpeed::Five, "x5", "5", 5.0},
    {RunSpeed::Ten, "x10", "10", 10.0},     {RunSpeed::Fastest, MB_TRANSLATE_NOOP("TForm1", "Fastest"), "fastest", 0.0},
};

// How far behind the wall clock a run may fall before the lost time is given up:
// a quarter of a second of wall clock, and never less than two ticks.
constexpr double kMaxLagSeconds = 0.25;
// Ticks longer than this on the wall clock are paced by their sub-steps.
constexpr double kLongTickSeconds = 0.25;

RunPace::Clock SteadyClock() {
    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    return [timer] { return double(timer->nsecsElapsed()) * 1e-9; };
}
}  // namespace

const RunSpeedInfo* RunSpeeds(int* count) {
    *count = int(std::size(kSpeeds));
    return kSpeeds;
}

const RunSpeedInfo& InfoOf(RunSpeed speed) {
    for (const RunSpeedInfo& s : kSpeeds)
        if (s.speed == speed) return s;
    return kSpeeds[3];
}

RunSpeed RunSpeedFromKey(const QString& key) {
    for (const RunSpeedInfo& s : kSpeeds)
        if (key == QLatin1String(s.key)) return s.speed;
    return RunSpeed::RealTime;
}

RunPace::RunPace() : clock_(SteadyClock()) {}

void RunPace::setClock(Clock clock) {
    clock_ = std::move(clock);
    reset();
}

void RunPace::setSpeed(RunSpeed speed) {
    speed_ = speed;
    reset();
}

bool RunPace::tickDue(double runTime, double tickLength) {
    const double factor = InfoOf(speed_).factor;
    if (factor <= 0.0) return true;
    const double now = clock_();
    anchor(now, runTime);
    // The run's time the wall clock asks for; a tick is due once taking it brings
    // the run closer to that than not taking it, which keeps the run within half
    // a tick of the wall clock on either side.
    const double wanted = runStart_ + factor * (now - wallStart_);
    const double behind = wanted - runTime;
    const double maxLag = std::max(kMaxLagSeconds * factor, 2.0 * tickLength);
    if (behind > maxLag) {
        // Measure afresh from here, as if the run had been on time.
        wallStart_ = now;
        runStart_ = runTime;
        return true;
    }
    return behind >= 0.5 * tickLength;
}

void RunPace::anchor(double now, double runTime) {
    if (anchored_) return;
    anchored_ = true;
    wallStart_ = now;
    runStart_ = runTime;
}

bool RunPace::pacesSubSteps(double tickLength) const {
    const double factor = InfoOf(speed_).factor;
    return factor > 0.0 && tickLength > kLongTickSeconds * factor;
}

long long RunPace::subStepsDue(double runTime, double stepTime) {
    const double factor = InfoOf(speed_).factor;
    if (factor <= 0.0 || !(stepTime > 0.0)) return -1;
    const double now = clock_();
    anchor(now, runTime);
    double behind = runStart_ + factor * (now - wallStart_) - runTime;
    const double maxLag = std::max(kMaxLagSeconds * factor, 2.0 * stepTime);
    if (behind > maxLag) {
        // Only the last stretch is made up; the run is on time once it is done.
        wallStart_ = now;
        runStart_ = runTime + maxLag;
        behind = maxLag;
    }
    // Rounded as whole ticks are: within half a sub-step of the wall clock.
    return behind < 0.5 * stepTime ? 0 : static_cast<long long>(behind / stepTime + 0.5);
}

}  // namespace mb

// What the live graph keeps: the chosen quantities of the balls and of the whole
// experiment, one value of each at the end of every tick of a run, from the run
// start on. Everything is kept; only the drawing is thinned.
#pragma once

#include <QPointF>
#include <QString>
#include <string>
#include <vector>

#include "engine/energy.h"
#include "scene/scene.h"

namespace mb {

enum class LiveQuantity {
    // Of one ball.
    X, Y, Vx, Vy, Speed, Ax, Ay, Acceleration, BallKinetic,
    // Of the experiment, from the energy book.
    Kinetic, Potential, Work, Total, Drift, Px, Py, Angular,
};
inline constexpr int kBallQuantityCount = 9;
inline constexpr int kLiveQuantityCount = 17;

// A quantity's name and unit as the list, the legend and the files show them.
struct LiveQuantityInfo {
    const char* name;
    const char* unit;
};
const LiveQuantityInfo& InfoOf(LiveQuantity q);
inline bool OfBall(LiveQuantity q) { return static_cast<int>(q) < kBallQuantityCount; }

// One series: a ball's quantity (ball >= 0, named as the ball was named when the
// series was chosen) or the experiment's (ball -1).
struct LiveSeriesKey {
    int ball = -1;
    std::string ballName;
    LiveQuantity quantity = LiveQuantity::Kinetic;
    bool operator==(const LiveSeriesKey&) const = default;
};
// "Ball_1 vx (m/s)", "total energy (J)".
QString LabelOf(const LiveSeriesKey& key);
// Every series the scene offers: each in-use ball's quantities, then the experiment's.
std::vector<LiveSeriesKey> OfferedSeries(const Scene& scene);
// The six the graph shows when nothing was chosen: the first ball's x, y, vx and
// vy and the experiment's kinetic and total energy (the experiment's first six
// when there is no ball).
std::vector<LiveSeriesKey> DefaultSeries(const Scene& scene);

class LiveRecord {
public:
    // The series to keep from now on. Those kept already keep their values; one
    // that is new has no value (NaN) for the ticks before it.
    void choose(const std::vector<LiveSeriesKey>& series);
    // Drops the series whose ball is no longer there (or carries another name).
    void dropMissing(const Scene& scene);
    const std::vector<LiveSeriesKey>& series() const { return series_; }

    // A run started: everything kept goes, and the start is the first point.
    void begin(const Scene& scene);
    // The values at the end of a tick. The book is measured only when a series or
    // `wantBook` needs it; it is returned (all zero otherwise).
    EnergyBook take(const Scene& scene, bool wantBook);

    std::size_t size() const { return times_.size(); }
    const std::vector<double>& times() const { return times_; }
    const std::vector<double>& values(std::size_t series) const { return values_[series]; }

    // The record as text: a header "t (s)" and the series' labels, one row a tick;
    // numbers in their shortest exact form, a value that is not finite left empty.
    // `separator` ',' makes CSV (labels quoted where they need it), '\t' a table
    // for a spreadsheet.
    QString text(char separator) const;

private:
    double valueOf(const Scene& scene, const LiveSeriesKey& key, const EnergyBook& book) const;

    std::vector<LiveSeriesKey> series_;
    std::vector<double> times_;
    std::vector<std::vector<double>> values_;
    double startTotal_ = 0;  // the total energy at the run start, for the drift
};

// The pieces of a curve as drawn: split where a value is not finite (so the
// curve shows a gap there), each piece thinned to at most about `maxPoints`
// points by keeping the lowest and the highest of each run of samples, so that
// no peak is lost.
std::vector<std::vector<QPointF>> DrawnPieces(const std::vector<double>& xs, const std::vector<double>& ys,
                                              std::size_t maxPoints);

}  // namespace mb

// What the data window's "Record" keeps: one row per tick of the run, taken
// when the tick is complete, so the row's time is the time its positions and
// velocities belong to. A row holds the followed ball's values, or every ball's
// when the user asked for all of them.
#pragma once

#include <QByteArray>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "scene/scene.h"

namespace mb {

// One ball at the end of a tick, at full precision: where it is, the means the
// window shows (over the tick's display interval) and the motion and kinetic
// energy at that instant.
struct BallSample {
    double x = 0, y = 0;
    double meanVx = 0, meanVy = 0, meanAx = 0, meanAy = 0;
    double vx = 0, vy = 0, ax = 0, ay = 0;
    double kinetic = 0;
};

// A vector's magnitude as the window's box shows it: |y| when x is 0; not a
// number when a part is not one.
double ShownMagnitude(double x, double y);

struct RecordRow {
    std::int64_t tick = 0;
    double t = 0;
    int ball = 0;            // the ball followed at that tick
    bool everyBall = false;  // samples of every ball, in table order, else of `ball` alone
    std::size_t first = 0;   // the row's first sample
};

class DataRecord {
public:
    // Samples kept at most (some 190 MB with the rows): a one-ball record holds a run of more
    // than 25 minutes at the timer's pace, thirty balls the first minute.
    static constexpr std::size_t kSampleLimit = 1'500'000;

    // A run started: the balls' names as they are for this run, nothing kept.
    void begin(const Scene& scene);
    // A complete tick. Nothing is taken once the record is full.
    void take(const Scene& scene, int followed, bool everyBall);

    const std::deque<RecordRow>& rows() const { return rows_; }
    const BallSample& sample(const RecordRow& row, int ball) const;
    bool empty() const { return rows_.empty(); }
    bool full() const { return full_; }
    // Rows were taken since the record was last written to a file.
    bool unsaved() const { return unsaved_; }
    void markSaved() { unsaved_ = false; }

    // The record as CSV. While every row follows one ball: a row per tick with
    // the ball's number and name, then its values. Once a row holds every ball:
    // a row per tick with each ball's values in columns headed by its name, so
    // a spreadsheet charts any ball's column against the time column at once;
    // rows that followed one ball leave the other balls' columns empty.
    QByteArray csv() const;

private:
    std::vector<std::string> names_;
    // In pieces rather than one block: a long run's record grows without copying
    // itself into twice its size on the way.
    std::deque<RecordRow> rows_;
    std::deque<BallSample> samples_;
    bool full_ = false;
    bool unsaved_ = false;
};

}  // namespace mb

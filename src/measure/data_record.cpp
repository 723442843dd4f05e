#include "measure/data_record.h"

#include <cmath>

#include "engine/curve_session.h"
#include "engine/energy.h"
#include "view/measure_pictures.h"

namespace mb {

namespace {

// A ball's columns, in the order the window shows them (place, mean velocity,
// mean acceleration), then the instantaneous motion and energy.
constexpr const char* kBallColumns[] = {
    "x (m)",           "y (m)",          "mean vx (m/s)",     "mean vy (m/s)",         "mean |v| (m/s)",
    "mean theta v (deg)", "mean ax (m/s^2)", "mean ay (m/s^2)", "mean |a| (m/s^2)",   "mean theta a (deg)",
    "vx (m/s)",        "vy (m/s)",       "ax (m/s^2)",        "ay (m/s^2)",            "kinetic energy (J)",
};
constexpr int kBallColumnCount = sizeof(kBallColumns) / sizeof(kBallColumns[0]);

void AppendBall(std::string& text, const BallSample& s) {
    for (double v : {s.x, s.y, s.meanVx, s.meanVy, ShownMagnitude(s.meanVx, s.meanVy), DirectionDegrees(s.meanVx, s.meanVy),
                     s.meanAx, s.meanAy, ShownMagnitude(s.meanAx, s.meanAy), DirectionDegrees(s.meanAx, s.meanAy), s.vx,
                     s.vy, s.ax, s.ay, s.kinetic})
        text += ',' + CsvNumber(v);
}

void AppendEmptyBall(std::string& text) { text.append(kBallColumnCount, ','); }

BallSample SampleOf(const Scene& scene, int j) {
    const Ball& b = scene.balls[j];
    return {.x = b.x, .y = b.y, .meanVx = b.meanVx, .meanVy = b.meanVy, .meanAx = b.meanAx, .meanAy = b.meanAy,
            .vx = b.vx, .vy = b.vy, .ax = b.ax, .ay = b.ay,
            .kinetic = KineticEnergy(b.M0, b.vx, b.vy, scene.settings.RelativityOn)};
}

}  // namespace

double ShownMagnitude(double x, double y) {
    if (!std::isfinite(x) || !std::isfinite(y)) return std::nan("");
    return x != 0 ? std::sqrt(x * x + y * y) : std::fabs(y);
}

void DataRecord::begin(const Scene& scene) {
    const int n = scene.balls.count();
    names_.assign(scene.balls.names.begin(), scene.balls.names.begin() + n);
    rows_.clear();
    samples_.clear();
    full_ = false;
    unsaved_ = false;
}

void DataRecord::take(const Scene& scene, int followed, bool everyBall) {
    const int n = std::min<int>(scene.balls.count(), static_cast<int>(names_.size()));
    if (full_ || followed < 0 || followed >= n) return;
    const std::size_t wanted = everyBall ? static_cast<std::size_t>(n) : 1;
    if (samples_.size() + wanted > kSampleLimit) {
        full_ = true;
        return;
    }
    rows_.push_back({static_cast<std::int64_t>(rows_.size()) + 1, scene.RunTime, followed, everyBall, samples_.size()});
    if (everyBall)
        for (int j = 0; j < n; ++j) samples_.push_back(SampleOf(scene, j));
    else
        samples_.push_back(SampleOf(scene, followed));
    unsaved_ = true;
}

const BallSample& DataRecord::sample(const RecordRow& row, int ball) const {
    return samples_[row.first + static_cast<std::size_t>(row.everyBall ? ball : 0)];
}

QByteArray DataRecord::csv() const {
    bool wide = false;
    for (const RecordRow& r : rows_) wide = wide || r.everyBall;
    std::string text = "tick,t (s)";
    if (wide) {
        for (const std::string& name : names_)
            for (const char* column : kBallColumns) text += ',' + CsvText(name + ' ' + column);
    } else {
        text += ",ball,name";
        for (const char* column : kBallColumns) text += std::string(",") + column;
    }
    text += '\n';
    for (const RecordRow& r : rows_) {
        text += std::to_string(r.tick) + ',' + CsvNumber(r.t);
        if (wide) {
            for (int j = 0; j < static_cast<int>(names_.size()); ++j) {
                if (r.everyBall || j == r.ball)
                    AppendBall(text, sample(r, j));
                else
                    AppendEmptyBall(text);
            }
        } else {
            text += ',' + std::to_string(r.ball) + ',' + CsvText(names_[static_cast<std::size_t>(r.ball)]);
            AppendBall(text, sample(r, r.ball));
        }
        text += '\n';
    }
    return QByteArray::fromStdString(text);
}

}  // namespace mb

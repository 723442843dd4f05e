#include "measure/live_series.h"

#include <QStringList>
#include <cmath>
#include <limits>

#include "engine/curve_session.h"
#include "ui/translate.h"

namespace mb {

namespace {

constexpr LiveQuantityInfo kInfo[kLiveQuantityCount] = {
    {"x", "m"},
    {"y", "m"},
    {"vx", "m/s"},
    {"vy", "m/s"},
    {MB_TRANSLATE_NOOP("LiveGraph", "speed"), "m/s"},
    {"ax", "m/s²"},
    {"ay", "m/s²"},
    {"|a|", "m/s²"},
    {MB_TRANSLATE_NOOP("LiveGraph", "kinetic energy"), "J"},
    {MB_TRANSLATE_NOOP("LiveGraph", "kinetic energy"), "J"},
    {MB_TRANSLATE_NOOP("LiveGraph", "potential energy"), "J"},
    {MB_TRANSLATE_NOOP("LiveGraph", "work"), "J"},
    {MB_TRANSLATE_NOOP("LiveGraph", "total energy"), "J"},
    {MB_TRANSLATE_NOOP("LiveGraph", "drift of the total"), "J"},
    {MB_TRANSLATE_NOOP("LiveGraph", "momentum px"), "kg·m/s"},
    {MB_TRANSLATE_NOOP("LiveGraph", "momentum py"), "kg·m/s"},
    {MB_TRANSLATE_NOOP("LiveGraph", "angular momentum"), "kg·m²/s"},
};

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

bool NeedsBook(const std::vector<LiveSeriesKey>& series) {
    for (const LiveSeriesKey& k : series)
        if (!OfBall(k.quantity)) return true;
    return false;
}

}  // namespace

const LiveQuantityInfo& InfoOf(LiveQuantity q) { return kInfo[static_cast<int>(q)]; }

QString LabelOf(const LiveSeriesKey& key) {
    const LiveQuantityInfo& info = InfoOf(key.quantity);
    const QString quantity = QString("%1 (%2)").arg(Tr("LiveGraph", info.name), info.unit);
    return key.ball >= 0 ? QString::fromStdString(key.ballName) + " " + quantity : quantity;
}

std::vector<LiveSeriesKey> OfferedSeries(const Scene& scene) {
    std::vector<LiveSeriesKey> offered;
    const int n = scene.balls.count();
    for (int j = 0; j < n; ++j)
        for (int q = 0; q < kBallQuantityCount; ++q)
            offered.push_back({j, scene.balls.names[static_cast<std::size_t>(j)], static_cast<LiveQuantity>(q)});
    for (int q = kBallQuantityCount; q < kLiveQuantityCount; ++q) offered.push_back({-1, {}, static_cast<LiveQuantity>(q)});
    return offered;
}

std::vector<LiveSeriesKey> DefaultSeries(const Scene& scene) {
    std::vector<LiveSeriesKey> chosen;
    if (scene.balls.count() > 0) {
        const std::string& name = scene.balls.names[0];
        for (LiveQuantity q : {LiveQuantity::X, LiveQuantity::Y, LiveQuantity::Vx, LiveQuantity::Vy})
            chosen.push_back({0, name, q});
        chosen.push_back({-1, {}, LiveQuantity::Kinetic});
        chosen.push_back({-1, {}, LiveQuantity::Total});
    } else {
        for (int q = kBallQuantityCount; q < kBallQuantityCount + 6; ++q)
            chosen.push_back({-1, {}, static_cast<LiveQuantity>(q)});
    }
    return chosen;
}

void LiveRecord::choose(const std::vector<LiveSeriesKey>& series) {
    std::vector<std::vector<double>> values;
    for (const LiveSeriesKey& k : series) {
        std::vector<double> kept(times_.size(), kNaN);
        for (std::size_t i = 0; i < series_.size(); ++i)
            if (series_[i] == k) kept = values_[i];
        values.push_back(std::move(kept));
    }
    series_ = series;
    values_ = std::move(values);
}

void LiveRecord::dropMissing(const Scene& scene) {
    std::vector<LiveSeriesKey> kept;
    for (const LiveSeriesKey& k : series_) {
        const bool there = k.ball < 0 || (k.ball < scene.balls.count() &&
                                          scene.balls.names[static_cast<std::size_t>(k.ball)] == k.ballName);
        if (there) kept.push_back(k);
    }
    if (kept.size() != series_.size()) choose(kept);
}

void LiveRecord::begin(const Scene& scene) {
    times_.clear();
    for (auto& v : values_) v.clear();
    startTotal_ = MeasureEnergy(scene).total;
    take(scene, false);
}

EnergyBook LiveRecord::take(const Scene& scene, bool wantBook) {
    const EnergyBook book = wantBook || NeedsBook(series_) ? MeasureEnergy(scene) : EnergyBook{};
    times_.push_back(scene.RunTime);
    for (std::size_t i = 0; i < series_.size(); ++i) values_[i].push_back(valueOf(scene, series_[i], book));
    return book;
}

double LiveRecord::valueOf(const Scene& scene, const LiveSeriesKey& key, const EnergyBook& book) const {
    if (OfBall(key.quantity)) {
        if (key.ball < 0 || key.ball >= scene.balls.count()) return kNaN;
        const Ball& b = scene.balls[key.ball];
        switch (key.quantity) {
            case LiveQuantity::X: return b.x;
            case LiveQuantity::Y: return b.y;
            case LiveQuantity::Vx: return b.vx;
            case LiveQuantity::Vy: return b.vy;
            case LiveQuantity::Speed: return std::sqrt(b.vx * b.vx + b.vy * b.vy);
            case LiveQuantity::Ax: return b.ax;
            case LiveQuantity::Ay: return b.ay;
            case LiveQuantity::Acceleration: return std::sqrt(b.ax * b.ax + b.ay * b.ay);
            default: return KineticEnergy(b.M0, b.vx, b.vy, scene.settings.RelativityOn);
        }
    }
    switch (key.quantity) {
        case LiveQuantity::Kinetic: return book.kinetic;
        case LiveQuantity::Potential: return book.potential;
        case LiveQuantity::Work: return book.work;
        case LiveQuantity::Total: return book.total;
        case LiveQuantity::Drift: return book.total - startTotal_;
        case LiveQuantity::Px: return book.px;
        case LiveQuantity::Py: return book.py;
        default: return book.angular;
    }
}

QString LiveRecord::text(char separator) const {
    const bool csv = separator == ',';
    auto field = [csv](const QString& s) { return csv ? QString::fromStdString(CsvText(s.toStdString())) : s; };
    QStringList header{field("t (s)")};
    for (const LiveSeriesKey& k : series_) header << field(LabelOf(k));
    QString out = header.join(separator) + "\n";
    for (std::size_t t = 0; t < times_.size(); ++t) {
        std::string row = CsvNumber(times_[t]);
        for (const auto& v : values_) {
            row += separator;
            row += CsvNumber(v[t]);
        }
        out += QString::fromStdString(row) + "\n";
    }
    return out;
}

std::vector<std::vector<QPointF>> DrawnPieces(const std::vector<double>& xs, const std::vector<double>& ys,
                                              std::size_t maxPoints) {
    std::vector<std::vector<QPointF>> pieces;
    const std::size_t n = std::min(xs.size(), ys.size());
    // Each run of `bucket` samples gives at most two points.
    const std::size_t bucket = std::max<std::size_t>(1, (2 * n + maxPoints - 1) / std::max<std::size_t>(maxPoints, 2));
    bool open = false;
    std::size_t lo = 0, hi = 0, inBucket = 0;
    auto flush = [&] {
        if (inBucket == 0) return;
        auto& piece = pieces.back();
        const std::size_t first = std::min(lo, hi), second = std::max(lo, hi);
        piece.emplace_back(xs[first], ys[first]);
        if (second != first) piece.emplace_back(xs[second], ys[second]);
        inBucket = 0;
    };
    for (std::size_t i = 0; i < n; ++i) {
        if (!std::isfinite(xs[i]) || !std::isfinite(ys[i])) {
            flush();
            open = false;
            continue;
        }
        if (!open) {
            pieces.emplace_back();
            open = true;
        }
        if (inBucket == 0) lo = hi = i;
        if (ys[i] < ys[lo]) lo = i;
        if (ys[i] > ys[hi]) hi = i;
        if (++inBucket == bucket) flush();
    }
    flush();
    return pieces;
}

}  // namespace mb

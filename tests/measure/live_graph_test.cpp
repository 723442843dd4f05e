// The live graph: fed at the end of every tick, drawn at the frame rate, its
// record saved and copied, and what it keeps under bad input.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <cmath>
#include <limits>
#include <sstream>

#include "cli/sim_commands.h"
#include "io/project_file.h"
#include "scene/table_ops.h"
#include "measure/live_graph_window.h"
#include "support/scripted_prompts.h"

namespace mb::test {
namespace {

const std::string kExample = MB_EXAMPLES_DIR "/link_spring.kmx";

std::vector<std::vector<std::string>> CsvRows(const std::string& text, char separator = ',') {
    std::vector<std::vector<std::string>> rows;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> fields;
        std::string field;
        for (char c : line) {
            if (c == separator) {
                fields.push_back(field);
                field.clear();
            } else {
                field += c;
            }
        }
        fields.push_back(field);
        rows.push_back(fields);
    }
    return rows;
}

std::string Sim(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    EXPECT_EQ(RunSimCommand(args, out, err), 0) << err.str();
    return out.str();
}

struct LiveFixture {
    ScriptedPrompts prompts;
    LiveGraphWindow window{prompts};
    std::unique_ptr<Scene> scene;

    LiveFixture() {
        ReadResult r = ReadProject(kExample);
        EXPECT_TRUE(r.ok) << r.error;
        scene = std::move(r.scene);
        window.load(*scene);
    }
    void run(int ticks) {
        StartRun(*scene);
        window.beginRun(*scene);
        for (int k = 0; k < ticks; ++k) ASSERT_EQ(StepScene(*scene, &window), kStepNormal);
    }
};

// Each tick's values are those the headless runner prints for the same project
// and tick, to the last bit (its shortest numbers read back exactly).
TEST(LiveGraph, TakesEachTicksValuesAsTheRunnerPrintsThem) {
    LiveFixture f;
    ASSERT_EQ(f.window.record().series().size(), 6u);  // the default six
    const std::string ball = f.scene->balls.names[0];
    const std::vector<LiveSeriesKey> chosen = {
        {0, ball, LiveQuantity::X},     {0, ball, LiveQuantity::Vy},   {0, ball, LiveQuantity::Ax},
        {-1, {}, LiveQuantity::Kinetic}, {-1, {}, LiveQuantity::Total}, {-1, {}, LiveQuantity::Drift},
        {-1, {}, LiveQuantity::Angular},
    };
    f.window.choose(chosen);
    f.window.show();  // the bars move while the window is shown
    constexpr int kTicks = 30;
    f.run(kTicks);
    const LiveRecord& r = f.window.record();
    ASSERT_EQ(r.size(), static_cast<std::size_t>(kTicks + 1));

    const auto run = CsvRows(Sim({"run", kExample, "--ticks", std::to_string(kTicks)}));
    const auto energy = CsvRows(Sim({"energy", kExample, "--ticks", std::to_string(kTicks)}));
    const int balls = f.scene->balls.count();
    ASSERT_EQ(energy.size(), r.size() + 1);
    for (std::size_t t = 0; t < r.size(); ++t) {
        const auto& b = run[1 + t * balls];  // t,index,name,x,y,vx,vy,ax,ay,mass of ball 0
        const auto& e = energy[1 + t];       // t,kinetic,potential,work,total,px,py,angular,...
        EXPECT_EQ(r.times()[t], std::stod(b[0])) << t;
        EXPECT_EQ(r.values(0)[t], std::stod(b[3])) << t;
        EXPECT_EQ(r.values(1)[t], std::stod(b[6])) << t;
        EXPECT_EQ(r.values(2)[t], std::stod(b[7])) << t;
        EXPECT_EQ(r.values(3)[t], std::stod(e[1])) << t;
        EXPECT_EQ(r.values(4)[t], std::stod(e[4])) << t;
        EXPECT_EQ(r.values(5)[t], std::stod(e[4]) - std::stod(energy[1][4])) << t;
        EXPECT_EQ(r.values(6)[t], std::stod(e[7])) << t;
    }
    // The bars show the book of the last tick, and say when that was.
    EXPECT_EQ(f.window.bars().book().total, r.values(4).back());
    EXPECT_EQ(f.window.bars().time(), r.times().back());
}

// The picture follows the frame timer, not the ticks; every tick is kept.
TEST(LiveGraph, DrawsAtTheFrameAndKeepsEveryTick) {
    LiveFixture f;
    EXPECT_FALSE(f.window.isModal());
    EXPECT_TRUE(f.window.windowTitle().startsWith("Live graph"));
    f.run(0);
    auto firstCurve = [&] { return f.window.drawnSeries().at(0)->count(); };
    EXPECT_EQ(firstCurve(), 1);
    for (int k = 0; k < 10; ++k) StepScene(*f.scene, &f.window);
    EXPECT_EQ(firstCurve(), 1);  // no frame yet
    f.window.refresh();
    EXPECT_EQ(firstCurve(), 11);
    // The axes follow the data.
    const auto& xs = f.window.record().values(0);
    const auto [lo, hi] = std::minmax_element(xs.begin(), xs.end());
    EXPECT_LE(f.window.verticalAxis()->min(), *lo);
    EXPECT_GE(f.window.verticalAxis()->max(), *hi);
    // Time has room ahead, the data filling at least half of the axis; the axis
    // keeps its range for the next frames until the data outgrow it.
    const double tMax = f.window.horizontalAxis()->max();
    EXPECT_GE(tMax, f.scene->RunTime);
    EXPECT_LE(tMax - f.window.horizontalAxis()->min(), 2 * f.scene->RunTime);
    StepScene(*f.scene, &f.window);
    f.window.refresh();
    EXPECT_EQ(f.window.horizontalAxis()->max(), tMax);
    // Hidden, it keeps taking ticks but its frames draw nothing; shown, the run so far.
    for (int k = 0; k < 5; ++k) StepScene(*f.scene, &f.window);
    QTest::qWait(60);
    EXPECT_EQ(firstCurve(), 12);
    f.window.show();
    EXPECT_EQ(firstCurve(), 17);
    // Legend entries carry the units.
    EXPECT_EQ(f.window.drawnSeries().at(0)->name(), QString::fromStdString(f.scene->balls.names[0]) + " x (m)");
}

TEST(LiveGraph, SavesAndCopiesItsRecordAndSaysWhenASaveFails) {
    LiveFixture f;
    f.run(12);
    QTemporaryDir dir;
    f.prompts.files.push_back(dir.filePath("live"));
    f.window.findChild<QPushButton*>("SaveData")->click();
    QFile file(dir.filePath("live.csv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::string saved = file.readAll().toStdString();
    const LiveRecord& r = f.window.record();
    for (char sep : {',', '\t'}) {
        if (sep == '\t') f.window.findChild<QPushButton*>("CopyData")->click();
        const auto rows = CsvRows(sep == ',' ? saved : QApplication::clipboard()->text().toStdString(), sep);
        ASSERT_EQ(rows.size(), r.size() + 1);
        ASSERT_EQ(rows[0].size(), r.series().size() + 1);
        EXPECT_EQ(rows[0][0], "t (s)");
        EXPECT_EQ(rows[0][6], "total energy (J)");
        for (std::size_t t = 0; t < r.size(); ++t) {
            EXPECT_EQ(std::stod(rows[t + 1][0]), r.times()[t]);
            for (std::size_t i = 0; i < r.series().size(); ++i) EXPECT_EQ(std::stod(rows[t + 1][i + 1]), r.values(i)[t]);
        }
    }
    EXPECT_TRUE(f.prompts.messages.empty());
    // A place that cannot be written: the user is told, the record stays.
    f.prompts.files.push_back(dir.filePath("no/such/folder/live.csv"));
    f.window.findChild<QPushButton*>("SaveData")->click();
    ASSERT_EQ(f.prompts.messages.size(), 1u);
    EXPECT_TRUE(f.prompts.messages[0].text.contains("live.csv")) << f.prompts.messages[0].text.toStdString();
    EXPECT_EQ(r.size(), 13u);
    // Pictures in both formats.
    for (const char* name : {"graph.png", "graph.svg"}) {
        f.prompts.files.push_back(dir.filePath(name));
        f.window.findChild<QPushButton*>("SavePicture")->click();
        QFile picture(dir.filePath(name));
        ASSERT_TRUE(picture.open(QIODevice::ReadOnly)) << name;
        const QByteArray head = picture.read(64);
        EXPECT_TRUE(head.startsWith("\x89PNG") || head.contains("<?xml")) << name;
    }
}

// A ball deleted between runs takes its series with it; a run that ends in an
// overflow keeps what was taken before it.
TEST(LiveGraph, ADeletedBallsSeriesGoAndAnOverflowKeepsThePlot) {
    LiveFixture f;
    const int extra = AddBall(*f.scene, {1, 1, 0, 0}, "extra");
    f.window.load(*f.scene);
    f.window.choose({{extra, "extra", LiveQuantity::Vx}, {-1, {}, LiveQuantity::Px}});
    ASSERT_EQ(DeleteElement(*f.scene, ElementKind::Ball, extra), DeleteResult::Deleted);
    const int balls = f.scene->balls.count();
    f.window.load(*f.scene);
    ASSERT_EQ(f.window.record().series().size(), 1u);
    EXPECT_EQ(f.window.record().series()[0].quantity, LiveQuantity::Px);
    EXPECT_EQ(f.window.findChild<QListWidget*>("SeriesList")->count(), balls * kBallQuantityCount + 8);

    f.run(3);
    f.scene->balls[0].vx = 1e30;  // leaves the controllable area at once
    EXPECT_EQ(StepScene(*f.scene, &f.window), kStepOverflow);
    EXPECT_EQ(f.window.record().size(), 4u);
    f.window.refresh();
    EXPECT_EQ(f.window.drawnSeries().at(0)->count(), 4);
}

// Drawing splits a curve where a value is not finite and thins long curves by
// keeping each run's lowest and highest point, so no peak disappears.
TEST(LiveGraph, DrawnCurvesGapAtValuesThatAreNotFiniteAndKeepTheirPeaks) {
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    struct Case {
        std::vector<double> ys;
        std::size_t maxPoints;
        std::vector<std::size_t> pieceSizes;
    };
    const Case cases[] = {
        {{1, 2, 3}, 100, {3}},
        {{1, nan, 3, 4}, 100, {1, 2}},
        {{inf, 1, 2, -inf, nan, 5}, 100, {2, 1}},
        {{nan, nan}, 100, {}},
        {std::vector<double>(1000, 0.5), 100, {50}},  // 20 a run, one point each (all equal)
    };
    for (const Case& c : cases) {
        std::vector<double> xs(c.ys.size());
        for (std::size_t i = 0; i < xs.size(); ++i) xs[i] = static_cast<double>(i);
        const auto pieces = DrawnPieces(xs, c.ys, c.maxPoints);
        ASSERT_EQ(pieces.size(), c.pieceSizes.size()) << c.ys.size();
        for (std::size_t k = 0; k < pieces.size(); ++k) {
            EXPECT_EQ(pieces[k].size(), c.pieceSizes[k]);
            for (const QPointF& p : pieces[k]) EXPECT_TRUE(std::isfinite(p.y()));
        }
    }
    // A long oscillation thinned to 2000 points keeps its extremes.
    std::vector<double> xs(600000), ys(600000);
    for (std::size_t i = 0; i < xs.size(); ++i) xs[i] = i * 1e-3, ys[i] = std::sin(i * 0.01) + (i == 123457 ? 5 : 0);
    const auto pieces = DrawnPieces(xs, ys, 2000);
    ASSERT_EQ(pieces.size(), 1u);
    EXPECT_LE(pieces[0].size(), 2000u);
    double top = -inf;
    for (const QPointF& p : pieces[0]) top = std::max(top, p.y());
    EXPECT_EQ(top, ys[123457]);
}

}  // namespace
}  // namespace mb::test

// The headless runner, run as a separate process on the examples and on bad input.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <map>
#include <numbers>
#include <sstream>

#include "cli/example_scenes.h"
#include "cli/sim_commands.h"
#include "io/chinese_names_fixture.h"
#include "io/project_file.h"

namespace mb {
namespace {

namespace fs = std::filesystem;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct ProcessResult {
    int status = -1;
    std::string out, err;
};

std::string Slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

class SimProcess : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("mb_cli_test_" + std::to_string(::getpid()) + "_" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    ProcessResult Sim(const std::string& args) {
        const fs::path errFile = dir_ / "stderr.txt";
        const std::string cmd = Quote(MB_SIM_PATH) + " " + args + " 2>" + Quote(errFile.string());
        ProcessResult r;
        FILE* p = ::popen(cmd.c_str(), "r");
        if (!p) return r;
        char buf[65536];
        std::size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
        const int raw = ::pclose(p);
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        r.err = Slurp(errFile);
        return r;
    }

    std::string Write(const Scene& s, const std::string& name) {
        const std::string path = (dir_ / name).string();
        EXPECT_TRUE(WriteProject(s, path).ok);
        return path;
    }

    fs::path dir_;
};

std::string Example(const std::string& file) { return Quote(std::string(MB_EXAMPLES_DIR) + "/" + file); }

// One row of the run's CSV.
struct Row {
    double t;
    int index;
    double x, y, vx, vy, ax, ay, mass;
};

// Rows per ball; the name column holds no comma in the examples.
std::map<int, std::vector<Row>> ParseRun(const std::string& csv) {
    std::map<int, std::vector<Row>> rows;
    std::istringstream in(csv);
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        std::vector<std::string> f;
        std::stringstream ls(line);
        std::string cell;
        while (std::getline(ls, cell, ',')) f.push_back(cell);
        if (f.size() != 10) continue;
        Row r{std::stod(f[0]), std::stoi(f[1]), std::stod(f[3]), std::stod(f[4]), std::stod(f[5]),
              std::stod(f[6]), std::stod(f[7]), std::stod(f[8]), std::stod(f[9])};
        rows[r.index].push_back(r);
    }
    return rows;
}

// Mean time between upward crossings of `level`, interpolated between rows.
double Period(const std::vector<Row>& rows, const std::function<double(std::size_t)>& value, double level) {
    std::vector<double> crossings;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const double a = value(i - 1), b = value(i);
        if (a < level && b >= level) crossings.push_back(rows[i - 1].t + (level - a) / (b - a) * (rows[i].t - rows[i - 1].t));
    }
    if (crossings.size() < 2) return kNaN;
    return (crossings.back() - crossings.front()) / static_cast<double>(crossings.size() - 1);
}

double Speed(const Row& r) { return std::hypot(r.vx, r.vy); }

TEST_F(SimProcess, EveryExampleRunsAThousandTicksAndDoesWhatItsRemarkSays) {
    using Rows = std::map<int, std::vector<Row>>;
    struct Case {
        const char* file;
        const char* figure;
        double expected;
        double tolerance;  // relative
        std::function<double(const Rows&)> measure;
    };
    const double pi = std::numbers::pi;
    const std::vector<Case> cases = {
        {"projectile.kmx", "range at the starting height (m)", 20.41, 0.005,
         [](const Rows& r) {
             const auto& b = r.at(0);
             for (std::size_t i = 1; i < b.size(); ++i)
                 if (b[i - 1].y >= 0 && b[i].y < 0)
                     return b[i - 1].x + b[i - 1].y / (b[i - 1].y - b[i].y) * (b[i].x - b[i - 1].x);
             return kNaN;
         }},
        {"cord_pendulum.kmx", "period (s)", 2 * pi * std::sqrt(1 / 9.8) * (1 + std::pow(10 * pi / 180, 2) / 16), 0.005,
         [](const Rows& r) { const auto& b = r.at(0); return Period(b, [&](std::size_t i) { return b[i].x; }, 0); }},
        {"spring_oscillator.kmx", "period (s)", 2 * pi * std::sqrt(0.4 / 10), 0.002,
         [](const Rows& r) { const auto& b = r.at(0); return Period(b, [&](std::size_t i) { return b[i].x; }, 1); }},
        {"link_spring.kmx", "period of the separation (s)", 2 * pi * std::sqrt(0.75 / 12), 0.002,
         [](const Rows& r) {
             const auto &a = r.at(0), &b = r.at(1);
             return Period(a, [&](std::size_t i) { return b[i].x - a[i].x; }, 1);
         }},
        {"cyclotron.kmx", "largest distance from the start, the diameter 2mv/(qB) (m)", 8.0, 0.005,
         [](const Rows& r) {
             double d = 0;
             for (const Row& row : r.at(0)) d = std::max(d, std::hypot(row.x, row.y));
             return d;
         }},
        {"orbit.kmx", "largest distance from the planet (m)", 10.0, 0.002,
         [](const Rows& r) {
             double d = 0;
             for (const Row& row : r.at(0)) d = std::max(d, std::hypot(row.x, row.y));
             return d;
         }},
        {"bumping_row.kmx", "last ball's speed at 1 s, the others at rest; at 2.5 s the striker's, going back", 2.0, 0.001,
         [](const Rows& r) {
             // Rows are 10 ms apart: row 100 is 1 s. By 2.5 s the wall has sent the
             // last ball back, and the motion has passed along the row to the striker.
             double others = 0, back = 0;
             for (int k = 0; k < 4; ++k) others += Speed(r.at(k)[100]);
             for (int k = 1; k < 5; ++k) back += Speed(r.at(k)[250]);
             const bool returned = back < 1e-6 && std::fabs(r.at(0)[250].vx + 2.0) < 1e-9;
             return others < 1e-6 && returned ? r.at(4)[100].vx : kNaN;
         }},
        {"like_charges.kmx", "kinetic energy against k q^2 (1/r0 - 1/r) (J)", 1.0, 0.01,
         [](const Rows& r) {
             const Row &a = r.at(0).back(), &b = r.at(1).back();
             const double ke = 0.5 * a.mass * Speed(a) * Speed(a) + 0.5 * b.mass * Speed(b) * Speed(b);
             return ke / (9e9 * 1e-10 * (1.0 - 1.0 / (b.x - a.x)));
         }},
        {"damping.kmx", "stopping distance (m)", 8.0, 0.002, [](const Rows& r) { return r.at(0).back().x; }},
        {"box_bounce.kmx", "speed, while the ball stays in the box (m/s)", std::sqrt(13.0), 1e-9,
         [](const Rows& r) {
             double v = 0;
             for (const Row& row : r.at(0)) {
                 if (std::fabs(row.x) > 4 || std::fabs(row.y) > 3) return kNaN;
                 v = std::max(v, Speed(row));
             }
             return v;
         }},
        {"circular_track.kmx", "turns round the ring in 10 s, staying within it", 10.0 * 3 / (2 * pi * 2.775), 0.05,
         [](const Rows& r) {
             double turned = 0, prev = std::atan2(-2.75, 0.0);
             for (const Row& row : r.at(0)) {
                 if (std::hypot(row.x, row.y) > 3.0) return kNaN;
                 double a = std::atan2(row.y, row.x), d = a - prev;
                 d = std::remainder(d, 2 * std::numbers::pi);
                 turned += d;
                 prev = a;
             }
             return turned / (2 * std::numbers::pi);
         }},
        {"velocity_selector.kmx", "index of the only ball through the slit in 10 s (the matched one)", 1.0, 0,
         [](const Rows& r) {
             int through = -1, count = 0;
             for (const auto& [i, rows] : r)
                 for (const Row& row : rows)
                     if (row.x > 3.0) {
                         through = i;
                         ++count;
                         break;
                     }
             return count == 1 ? double(through) : kNaN;
         }},
        {"pole_pendulum.kmx", "pole ball's speed over the top, sqrt(v0^2 - 4gL) (m/s)", std::sqrt(6.5 * 6.5 - 4 * 9.8), 0.01,
         [](const Rows& r) {
             double slowest = kNaN;
             for (const Row& row : r.at(0))
                 if (row.y > -0.01 && !(Speed(row) >= slowest)) slowest = Speed(row);
             // The cord's ball, with the same start, falls inside its circle: its
             // cord goes slack 50 degrees above the anchor, and its free flight
             // passes 0.58 m from it.
             for (const Row& row : r.at(1))
                 if (std::hypot(row.x - 1.2, row.y) < 0.6) return slowest;
             return kNaN;
         }},
        {"ring_in_field.kmx", "slowest speed, at the right of the ring, sqrt(v0^2 - 2aR) (m/s)", std::sqrt(64 - 2 * 10 * 1.85),
         0.01,
         [](const Rows& r) {
             double slowest = kNaN;
             for (const Row& row : r.at(0)) {
                 if (std::hypot(row.x, row.y) < 1.8) return kNaN;  // it must keep to the ring
                 if (!(Speed(row) >= slowest)) slowest = Speed(row);
             }
             return slowest;
         }},
    };
    EXPECT_EQ(cases.size(), BuildExampleScenes().size());
    for (const Case& c : cases) {
        const ProcessResult r = Sim("run " + Example(c.file) + " --ticks 1000");
        ASSERT_EQ(r.status, 0) << c.file << ": " << r.err;
        EXPECT_EQ(r.err, "") << c.file;
        const Rows rows = ParseRun(r.out);
        ASSERT_FALSE(rows.empty()) << c.file;
        EXPECT_EQ(rows.begin()->second.size(), 1001u) << c.file;  // the start and 1000 ticks
        const double got = c.measure(rows);
        EXPECT_NEAR(got, c.expected, c.tolerance * std::fabs(c.expected)) << c.file << ": " << c.figure;
        std::printf("  %-24s %-60s %.6g (expected %.6g)\n", c.file, c.figure, got, c.expected);
    }
}

TEST_F(SimProcess, EveryExampleRunsTenMinutesOnAProjectorScreen) {
    // A class may leave an example running: for 600 s of simulated time no ball
    // may leave the controllable area, nor the part of the surface a 1024 x 768
    // projector shows below the menu, tool bar and status bar; and every ball is
    // drawn at least 8 pixels in radius.
    const double kColumns = 1024, kRows = 690;
    for (const ExampleScene& e : BuildExampleScenes()) {
        const Scene& s = *e.scene;
        for (int j = 0; j < s.balls.count(); ++j) EXPECT_GE(s.view.pixelRadius(s.balls[j].R), 8) << e.file << " ball " << j;
        const ProcessResult r = Sim("run " + Example(e.file) + " --until 600");
        ASSERT_EQ(r.status, 0) << e.file << ": " << r.err;
        EXPECT_EQ(r.err, "") << e.file;
        const auto rows = ParseRun(r.out);
        ASSERT_EQ(static_cast<int>(rows.size()), s.balls.count()) << e.file;
        for (const auto& [j, path] : rows) {
            EXPECT_NEAR(path.back().t, 600.0, 1e-6) << e.file;
            const double rho = s.view.pixelRadius(s.balls[j].R);
            double left = 1e300, right = -1e300, top = 1e300, bottom = -1e300;
            for (const Row& row : path) {
                left = std::min(left, s.view.columnOf(row.x) - rho);
                right = std::max(right, s.view.columnOf(row.x) + rho);
                top = std::min(top, s.view.rowOf(row.y) - rho);
                bottom = std::max(bottom, s.view.rowOf(row.y) + rho);
            }
            EXPECT_TRUE(left >= 0 && right < kColumns && top >= 0 && bottom < kRows)
                << e.file << " ball " << j << ": columns " << left << ".." << right << ", rows " << top << ".." << bottom;
        }
    }
}

TEST_F(SimProcess, ExamplesOnDiskAreWhatTheGeneratorWrites) {
    for (const ExampleScene& e : BuildExampleScenes()) {
        const EncodedProject f = EncodeProject(*e.scene);
        const fs::path path = fs::path(MB_EXAMPLES_DIR) / e.file;
        EXPECT_EQ(Slurp(path), f.project) << e.file << " is stale: run make examples";
        EXPECT_EQ(Slurp(path.string() + ".nam"), f.names) << e.file;
        EXPECT_GE(e.scene->remarkCount(), 2) << e.file;
        // Resaving through the runner gives the same bytes back.
        const std::string out = (dir_ / e.file).string();
        const ProcessResult r = Sim("resave " + Quote(path.string()) + " " + Quote(out));
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(Slurp(out), f.project) << e.file;
        EXPECT_EQ(Slurp(out + ".nam"), f.names) << e.file;
    }
}

TEST_F(SimProcess, ChineseNamesFilesResaveByteForByteAndInfoShowsThemInUtf8) {
    const std::string project = EncodeProject(*test::TwoBallsAndARemark()).project;
    for (const test::ChineseNamesFile& f : test::ChineseNamesFiles()) {
        const std::string in = (dir_ / (std::string(f.label) + ".kmx")).string();
        std::ofstream(in, std::ios::binary) << project;
        std::ofstream(in + ".nam", std::ios::binary) << f.bytes;
        const std::string out = (dir_ / "out.kmx").string();
        const ProcessResult r = Sim("resave " + Quote(in) + " " + Quote(out));
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "") << f.label;
        EXPECT_EQ(Slurp(out), project) << f.label;
        EXPECT_EQ(Slurp(out + ".nam"), f.bytes) << f.label;

        const ProcessResult info = Sim("info " + Quote(in));
        ASSERT_EQ(info.status, 0) << info.err;
        EXPECT_NE(info.out.find("\"names\": [\"" + f.lines[0] + "\", \"" + f.lines[1] + "\"]"), std::string::npos)
            << f.label << "\n" << info.out;
        EXPECT_NE(info.out.find("\"texts\": [\"" + f.lines[2] + "\"]"), std::string::npos) << f.label;
        EXPECT_NE(info.out.find("\"namesEncoding\": \"GB18030\""), std::string::npos) << f.label;
    }
}

TEST_F(SimProcess, CurveOfABallAtRestStepsAlongRow226) {
    auto s = std::make_unique<Scene>();
    Ball& b = s->balls[0];
    b.M0 = 1;
    b.R = 0.1;
    b.curveFlag = 1;
    const ProcessResult r = Sim("curve " + Quote(Write(*s, "rest.kmx")));
    ASSERT_EQ(r.status, 0) << r.err;
    std::istringstream in(r.out);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "tick,ball,col0,row0,col1,row1,hbefore,hafter,vbefore,vafter");
    std::getline(in, line);
    EXPECT_EQ(line.substr(0, 20), "1,0,33,226,34,226,0.");
    int rows = 1, lastCol = 33;
    while (std::getline(in, line)) {
        ++rows;
        int tick, ball, c0, r0, c1, r1;
        ASSERT_EQ(std::sscanf(line.c_str(), "%d,%d,%d,%d,%d,%d", &tick, &ball, &c0, &r0, &c1, &r1), 6);
        EXPECT_EQ(tick, rows);
        EXPECT_EQ(r0, 226);
        EXPECT_NEAR(c0 - lastCol, 4, 1);
        lastCol = c0;
    }
    EXPECT_GE(rows, 100);
    EXPECT_LE(rows, 101);

    // Without a curve object the window's complaint comes back.
    b.curveFlag = 0;
    const ProcessResult none = Sim("curve " + Quote(Write(*s, "none.kmx")));
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.err.find("Please set the curve object first."), std::string::npos);
    b.curveFlag = 1;
    s->curve.startTime = 10;
    const ProcessResult bad = Sim("curve " + Quote(Write(*s, "bad.kmx")));
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.err.find("The End time must be bigger than the start time."), std::string::npos);
}

// Splits one CSV line without quoted fields.
std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> out;
    std::string field;
    std::istringstream in(line);
    while (std::getline(in, field, ',')) out.push_back(field);
    return out;
}

TEST_F(SimProcess, CurveValuesFollowTheRunOfABallWithAnExtraForce) {
    auto s = std::make_unique<Scene>();
    const int j = AddBall(*s, {0.5, -1.0, 0.2, 0.0}, "push");
    s->balls[j].extraFx = 3.0;
    s->balls[j].extraFy = 1.5;
    s->balls[j].curveFlag = 1;
    s->curve.endTime = 1.0;
    s->curve.horizontalStep = 1e-6;  // almost nothing lies on the graph; every sample is listed
    const std::string file = Quote(Write(*s, "push.kmx"));
    const ProcessResult curve = Sim("curve " + file + " --values");
    ASSERT_EQ(curve.status, 0) << curve.err;
    const ProcessResult run = Sim("run " + file + " --ticks 9");
    ASSERT_EQ(run.status, 0) << run.err;

    std::istringstream c(curve.out), r(run.out);
    std::string cl, rl;
    std::getline(c, cl);
    EXPECT_EQ(cl, "tick,t,ball,name,hbefore,hafter,vbefore,vafter");
    std::getline(r, rl);
    std::getline(r, rl);  // the start, before the first tick: no curve sample matches it
    int rows = 0;
    double lastX = 0;
    while (std::getline(r, rl)) {
        ASSERT_TRUE(std::getline(c, cl));
        const auto cf = Fields(cl), rf = Fields(rl);
        ASSERT_EQ(cf.size(), 8u) << cl;
        ++rows;
        EXPECT_EQ(std::stoi(cf[0]), rows);
        EXPECT_EQ(cf[3], "push");
        // The sample spans the last sub-step of the tick; its end is the run's
        // state after that tick: the time, and the position to the last bit.
        EXPECT_NEAR(std::stod(cf[5]), std::stod(rf[0]), 1e-12) << rows;
        EXPECT_EQ(std::stod(cf[7]), std::stod(rf[3])) << rows;
        lastX = std::stod(rf[3]);
    }
    EXPECT_EQ(rows, 9);
    EXPECT_GT(lastX, 0.5 + 0.2 * 0.9 + 1.0);  // pushed well beyond the drift alone
}

TEST_F(SimProcess, RunSamplingOptions) {
    const std::string file = Example("orbit.kmx");
    struct Case {
        std::string args;
        std::size_t rows;
        double lastT;  // RunTime of the last row
    };
    // orbit: 50 sub-steps of 1 ms per tick; the start is always the first row.
    const std::vector<Case> cases = {
        {"", 101, 5.0},
        {"--ticks 10 --every 3", 4, 0.45},
        {"--until 2", 41, 2.0},
        {"--until 2 --every 7", 6, 1.75},
        {"--ticks 0", 1, 0},
        {"--until 0", 1, 0},
    };
    for (const Case& c : cases) {
        const ProcessResult r = Sim("run " + file + " " + c.args);
        ASSERT_EQ(r.status, 0) << c.args << r.err;
        const auto rows = ParseRun(r.out);
        const std::size_t n = rows.empty() ? 0 : rows.at(0).size();
        EXPECT_EQ(n, c.rows) << c.args;
        if (n) {
            EXPECT_NEAR(rows.at(0).back().t, c.lastT, 1e-9) << c.args;
            // The t = 0 row is the moon where the file puts it: 10 m out, moving up.
            const Row& start = rows.at(0).front();
            EXPECT_EQ(start.t, 0.0) << c.args;
            EXPECT_EQ(start.x, 10.0) << c.args;
            EXPECT_EQ(start.y, 0.0) << c.args;
            EXPECT_GT(start.vy, 2.5) << c.args;
        }
    }
}

TEST_F(SimProcess, OverflowPrintsTheAbandonedTickAndExits2) {
    auto s = std::make_unique<Scene>();
    s->view.MetresPerPixel = 0.001;
    s->balls[0].M0 = 1;
    s->balls[0].vx0 = 400;  // 0.4 m per tick of 100 sub-steps: 36000 pixels after 90 ticks
    s->balls.names[0] = "runaway, fast";
    const ProcessResult r = Sim("run " + Quote(Write(*s, "away.kmx")) + " --ticks 1000 --every 1000");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, std::string(kOverflowMessage) + "\n");
    const auto rows = ParseRun(r.out);
    ASSERT_EQ(rows.size(), 0u);  // the quoted name has a comma, so count lines instead
    std::istringstream in(r.out);
    std::string line;
    std::vector<std::string> lines;
    while (std::getline(in, line)) lines.push_back(line);
    ASSERT_EQ(lines.size(), 3u);  // header, the start, the abandoned tick
    EXPECT_EQ(lines[1].substr(0, 24), "0,0,\"runaway, fast\",0,0,");
    EXPECT_NE(lines[2].find(",0,\"runaway, fast\","), std::string::npos) << lines[2];
    const double x = std::stod(lines[2].substr(lines[2].find("fast\",") + 6));
    EXPECT_GT(x / s->view.MetresPerPixel + s->view.OriginX, 36000 - 1);
}

TEST_F(SimProcess, BadCommandLinesAndFilesExitWith1) {
    auto s = std::make_unique<Scene>();
    const std::string good = Write(*s, "good.kmx");
    std::ofstream(dir_ / "short.kmx", std::ios::binary) << "abc";
    const std::string shortFile = Quote((dir_ / "short.kmx").string());
    struct Case {
        std::string args;
        const char* err;
    };
    const std::vector<Case> cases = {
        {"", "no command"},
        {"fly " + good, "unknown command 'fly'"},
        {"run", "needs a project file"},
        {"run " + good + " --speed 3", "unknown option '--speed'"},
        {"run " + good + " --ticks", "--ticks needs"},
        {"run " + good + " --ticks -1", "--ticks needs"},
        {"run " + good + " --ticks 1x", "--ticks needs"},
        {"run " + good + " --every 0", "--every needs"},
        {"run " + good + " --until nan", "--until needs"},
        {"run " + good + " --ticks 3 --until 1", "cannot be used together"},
        {"run " + Quote((dir_ / "missing.kmx").string()), "missing.kmx"},
        {"run " + shortFile, "ends inside the header"},
        {"info " + shortFile, "damaged"},
        {"resave " + good, "takes an input and an output"},
        {"resave " + shortFile + " " + Quote((dir_ / "out.kmx").string()), "damaged"},
        {"curve " + good + " --every 2", "takes one project file"},
        {"curve " + good + " --integrator", "--integrator needs classic or accurate"},
        {"energy", "energy needs a project file"},
        {"energy " + good + " --integrator fast", "--integrator needs classic or accurate"},
    };
    for (const Case& c : cases) {
        const ProcessResult r = Sim(c.args);
        EXPECT_EQ(r.status, 1) << c.args;
        EXPECT_NE(r.err.find(c.err), std::string::npos) << c.args << " -> " << r.err;
        // Every message is a whole line: no text left hanging without its line break.
        ASSERT_FALSE(r.err.empty());
        EXPECT_EQ(r.err.back(), '\n') << c.args;
        EXPECT_EQ(r.err.find("\n\n"), std::string::npos) << c.args;
        EXPECT_EQ(r.out, "") << c.args;
    }
    EXPECT_FALSE(fs::exists(dir_ / "out.kmx"));
    const ProcessResult help = Sim("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Usage: motionbench-sim COMMAND"), std::string::npos);
}

TEST_F(SimProcess, EnergyBookShowsTheClassicDriftThatTheAccurateStepDoesNotHave) {
    // The cyclotron example runs the accurate step; --integrator overrides it for
    // run and energy alike.
    struct Drift {
        std::string total0, firstT;
        double worst = 0;
        std::size_t rows = 0;
    };
    auto drift = [&](const std::string& step) {
        const ProcessResult r =
            Sim("energy " + Example("cyclotron.kmx") + " --until 60 --every 5 --integrator " + step);
        EXPECT_EQ(r.status, 0) << r.err;
        std::istringstream in(r.out);
        std::string line;
        std::getline(in, line);
        EXPECT_EQ(line.rfind("t,kinetic,potential,work,total,px,py,angular,", 0), 0u) << line;
        Drift d;
        double total0 = 0;
        while (std::getline(in, line)) {
            std::vector<double> f;
            std::stringstream ls(line);
            std::string cell;
            while (std::getline(ls, cell, ',')) f.push_back(std::stod(cell));
            EXPECT_EQ(f.size(), 17u);
            if (d.rows++ == 0) {
                total0 = f[4];
                EXPECT_EQ(f[0], 0.0) << "the book starts at t = 0";
            }
            d.worst = std::max(d.worst, std::fabs(f[4] - total0) / total0);
        }
        return d;
    };
    const Drift classic = drift("classic"), accurate = drift("accurate");
    EXPECT_EQ(classic.rows, 601u);  // the start and every 5th of 3000 ticks of 20 ms
    EXPECT_GT(classic.worst, 1e-3);
    EXPECT_LT(accurate.worst, 1e-9);
    const ProcessResult a = Sim("run " + Example("cyclotron.kmx") + " --ticks 50 --integrator accurate");
    const ProcessResult c = Sim("run " + Example("cyclotron.kmx") + " --ticks 50 --integrator classic");
    EXPECT_NE(a.out, c.out);
    EXPECT_EQ(a.out, Sim("run " + Example("cyclotron.kmx") + " --ticks 50").out);
    EXPECT_NE(Sim("info " + Example("cyclotron.kmx")).out.find("\"AccurateStep\": 1"), std::string::npos);
}

TEST_F(SimProcess, InfoSummarisesTablesAsJson) {
    const ProcessResult r = Sim("info " + Example("box_bounce.kmx"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"straightTracks\": {\"count\": 4, \"nameCounter\": 4, \"names\": [\"Floor\", \"Ceiling\", "
                         "\"Left wall\", \"Right wall\"]}"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("\"MetresPerPixel\": 0.01"), std::string::npos);
    EXPECT_NE(r.out.find("\"remarks\": {\"count\": 3"), std::string::npos);
    // Names with quotes and control characters stay valid JSON strings.
    auto s = std::make_unique<Scene>();
    s->balls[0].M0 = 1;
    s->balls.names[0] = "say \"hi\"\\\t";
    const ProcessResult q = Sim("info " + Quote(Write(*s, "q.kmx")));
    EXPECT_NE(q.out.find("[\"say \\\"hi\\\"\\\\\\t\"]"), std::string::npos) << q.out;
}

}  // namespace
}  // namespace mb

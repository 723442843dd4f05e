#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <cmath>

#include "engine/energy.h"
#include "io/project_file.h"
#include "measure/data_ball_dialog.h"
#include "measure/data_window.h"
#include "measure/run_commands.h"
#include "scene/table_ops.h"
#include "support/scripted_prompts.h"

namespace mb::test {
namespace {

std::unique_ptr<Scene> ThreeBalls() {
    auto s = std::make_unique<Scene>();
    for (const char* name : {"Ball_1", "Ball_2", "Ball_3"}) AddBall(*s, {}, name);
    return s;
}

QString Text(QWidget& w, const char* name) { return w.findChild<QLineEdit*>(name)->text(); }

QImage Picture(QWidget& w, const char* name) {
    return w.findChild<QLabel*>(name)->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
}

bool Colour(const QImage& image, int x, int y, QRgb c) { return (image.pixel(x, y) & 0xffffff) == (c & 0xffffff); }

TEST(DataBallDialog, OffersDontShowAndEveryBallAndWritesTheChoiceOnOkOnly) {
    struct Case {
        int picked;
        QString preselected;
        const char* button;
        int chooseItem;  // -1: keep the preselection
        int selectedAfter;
    };
    const Case cases[] = {
        {-1, "don't show", "BitBtn1", -1, -1},  // a click on empty space
        {1, "Ball_2", "BitBtn1", -1, 1},
        {2, "Ball_3", "BitBtn1", 1, 0},         // the user picks Ball_1 instead
        {0, "Ball_1", "BitBtn2", 3, 2},         // Cancel keeps what was chosen before
        {7, "don't show", "BitBtn1", -1, -1},   // a stale index shows nothing
    };
    for (const Case& c : cases) {
        auto s = ThreeBalls();
        s->SelectedBall = 2;
        ScriptedPrompts prompts;
        DataBallDialog dialog(prompts);
        EXPECT_EQ(dialog.objectName(), "TForm26");
        EXPECT_EQ(dialog.windowTitle(), "SynchronizationData out set");
        QString shown;
        int items = 0;
        prompts.dialogs.push_back([&](QDialog& d) {
            auto* list = d.findChild<QComboBox*>("ComboBox1");
            shown = list->currentText();
            items = list->count();
            if (c.chooseItem >= 0) list->setCurrentIndex(c.chooseItem);
            d.findChild<QPushButton*>(c.button)->click();
            return d.result();
        });
        dialog.edit(*s, c.picked);
        EXPECT_EQ(shown, c.preselected) << c.picked;
        EXPECT_EQ(items, 4);
        EXPECT_EQ(s->SelectedBall, c.selectedAfter) << c.picked;
    }
}

TEST(DataBallDialog, DeletingTheDataBallClearsTheChoiceAndALaterOneMovesDown) {
    auto s = ThreeBalls();
    s->SelectedBall = 2;
    DeleteElement(*s, ElementKind::Ball, 0);
    EXPECT_EQ(s->SelectedBall, 1);
    DeleteElement(*s, ElementKind::Ball, 1);
    EXPECT_EQ(s->SelectedBall, -1);
}

// The chosen ball's values as the stepping loop leaves them at the end of a tick.
void Show(DataWindow& w, Scene& s, double vx, double vy, double ax, double ay) {
    Ball& b = s.balls[s.SelectedBall];
    b.meanVx = vx;
    b.meanVy = vy;
    b.meanAx = ax;
    b.meanAy = ay;
    w.updateDataWindow(s, s.ballCount() - 1);
}

TEST(DataWindow, AnglesAndArrowsFollowTheDirection) {
    ScriptedPrompts prompts;
    DataWindow w(prompts);
    EXPECT_EQ(w.objectName(), "TForm25");
    EXPECT_EQ(w.windowTitle(), "Experiment data");
    auto s = ThreeBalls();
    s->SelectedBall = 1;
    w.load(*s);
    EXPECT_EQ(w.findChild<QComboBox*>("ComboBox1")->currentText(), "Ball_2");

    const QRgb black = qRgb(0, 0, 0), red = qRgb(255, 0, 0), white = qRgb(255, 255, 255), blue = qRgb(0, 0, 255);
    struct Case {
        double vx, vy;
        QString speed;
        double angleLow, angleHigh;  // NaN: the angle box is empty
        QPoint redAt, blackAt, whiteAt;
    };
    const double none = std::nan("");
    const Case cases[] = {
        {0, 2, "2", 90, 90, {27, 5}, {27, 30}, {27, 49}},           // straight up: the head at the top
        {0, -2, "2", -90, -90, {27, 49}, {27, 30}, {27, 4}},        // straight down
        {-3, 0, "3", 180, 180, {5, 26}, {40, 27}, {50, 27}},        // left along the x axis
        {-1, -1, "1.4142", 180.0001, 269.9999, {11, 42}, {20, 33}, {40, 12}},  // down and to the left
        {1, 1, "1.4142", 45, 45, {42, 11}, {27, 26}, {12, 42}},
        {0, 0, "0", none, none, {-1, -1}, {-1, -1}, {27, 27}},      // at rest: no arrow, no angle
    };
    for (const Case& c : cases) {
        Show(w, *s, c.vx, c.vy, 0, 0);
        EXPECT_EQ(Text(w, "Edit8"), c.speed) << c.vx << "," << c.vy;
        const QString angle = Text(w, "Edit9");
        if (std::isnan(c.angleLow)) {
            EXPECT_EQ(angle, "");
        } else {
            EXPECT_GE(angle.toDouble(), c.angleLow) << angle.toStdString();
            EXPECT_LE(angle.toDouble(), c.angleHigh) << angle.toStdString();
        }
        const QImage p = Picture(w, "Image1");
        ASSERT_EQ(p.size(), QSize(54, 54));
        EXPECT_TRUE(Colour(p, 0, 0, blue) && Colour(p, 53, 53, blue) && Colour(p, 53, 20, blue));
        if (c.redAt.x() >= 0) {
            EXPECT_TRUE(Colour(p, c.redAt.x(), c.redAt.y(), red)) << c.vx << "," << c.vy;
            EXPECT_TRUE(Colour(p, c.blackAt.x(), c.blackAt.y(), black)) << c.vx << "," << c.vy;
        } else {
            for (int y = 1; y < 53; ++y)
                for (int x = 1; x < 53; ++x) ASSERT_TRUE(Colour(p, x, y, white)) << x << "," << y;
        }
        EXPECT_TRUE(Colour(p, c.whiteAt.x(), c.whiteAt.y(), white)) << c.vx << "," << c.vy;
        // The acceleration is at rest throughout: its picture stays empty.
        EXPECT_EQ(Text(w, "Edit11"), "");
        EXPECT_TRUE(Colour(Picture(w, "Image2"), 27, 27, white));
    }
    // Straight up, the arrow head is two red strokes from the tip down to both sides.
    Show(w, *s, 0, 5, 0, 0);
    const QImage up = Picture(w, "Image1");
    bool left = false, right = false;
    for (int y = 6; y < 18; ++y)
        for (int x = 24; x <= 31; ++x)
            if (Colour(up, x, y, red)) (x < 27 ? left : right) = true;
    EXPECT_TRUE(left && right);
}

TEST(DataWindow, ValuesShowFiveDigitsAndNothingThatIsNotANumber) {
    ScriptedPrompts prompts;
    DataWindow w(prompts);
    auto s = ThreeBalls();
    s->SelectedBall = 0;
    w.load(*s);
    s->RunTime = 2.5;
    s->balls[0].x = 0.000123456;
    s->balls[0].y = 123456;
    Show(w, *s, 3, 4, -0.5, 0);
    EXPECT_EQ(Text(w, "Edit7"), "2.5");
    EXPECT_EQ(Text(w, "Edit1"), "0.00012346");
    EXPECT_EQ(Text(w, "Edit2"), "1.2346e+05");
    EXPECT_EQ(Text(w, "Edit3"), "3");
    EXPECT_EQ(Text(w, "Edit4"), "4");
    EXPECT_EQ(Text(w, "Edit8"), "5");
    EXPECT_EQ(Text(w, "Edit5"), "-0.5");
    EXPECT_EQ(Text(w, "Edit10"), "0.5");
    EXPECT_EQ(Text(w, "Edit11"), "180");
    for (const char* name : {"Edit1", "Edit7", "Edit9"}) EXPECT_TRUE(w.findChild<QLineEdit*>(name)->isReadOnly());

    const double inf = std::numeric_limits<double>::infinity();
    Show(w, *s, inf, 1, std::nan(""), 0);
    for (const char* name : {"Edit3", "Edit8", "Edit9", "Edit5", "Edit10", "Edit11"})
        EXPECT_EQ(Text(w, name), "") << name;
    EXPECT_TRUE(Colour(Picture(w, "Image1"), 27, 27, qRgb(255, 255, 255)));

    // Only the last ball's display work is shown: the earlier calls of a tick are passed over.
    s->balls[0].x = 7;
    w.updateDataWindow(*s, 0);
    EXPECT_EQ(Text(w, "Edit1"), "0.00012346");
}

class RecordingCommands : public RunCommands {
public:
    QStringList calls;
    void restart() override { calls << "restart"; }
    void pause() override { calls << "pause"; }
    void stop() override { calls << "stop"; }
};

// A window following the first of three balls, shown, its commands recorded.
struct FollowingWindow {
    ScriptedPrompts prompts;
    RecordingCommands commands;
    DataWindow w{prompts};
    std::unique_ptr<Scene> s = ThreeBalls();
    FollowingWindow() {
        w.setRunCommands(&commands);
        s->SelectedBall = 0;
        w.load(*s);
        w.show();
    }
};

TEST(DataWindow, ButtonsAndTheCloseBoxHandTheRunCommandsOn) {
    struct Case {
        const char* button;  // nullptr: the close box, or the key
        QStringList calls;
        bool closes;
        Qt::Key key = Qt::Key_unknown;
    };
    const Case cases[] = {
        {"SpeedButton1", {"restart"}, false},
        {"SpeedButton3", {"pause"}, false},
        {"SpeedButton2", {"stop"}, true},
        {nullptr, {"stop"}, true},
        // The main window's run keys, while the data window has the keyboard.
        {nullptr, {"restart"}, false, Qt::Key_F5},
        {nullptr, {"pause"}, false, Qt::Key_Space},
        {nullptr, {"stop"}, true, Qt::Key_Escape},
    };
    for (const Case& c : cases) {
        FollowingWindow f;
        auto& [prompts, commands, w, s] = f;
        if (c.button) {
            auto* b = w.findChild<QToolButton*>(c.button);
            EXPECT_FALSE(b->icon().isNull());
            b->click();
        } else if (c.key != Qt::Key_unknown) {
            w.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
            QTest::keyClick(&w, c.key);
            QApplication::processEvents();
        } else {
            w.close();
        }
        EXPECT_EQ(commands.calls, c.calls) << (c.button ? c.button : "close box");
        EXPECT_EQ(w.isVisible(), !c.closes);
        if (c.closes) {
            EXPECT_EQ(w.result(), 1);
        }
    }
}

std::vector<QStringList> ReadCsv(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    std::vector<QStringList> rows;
    for (const QString& line : QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts)) rows.push_back(line.split(','));
    return rows;
}

// Rows are taken when the tick is complete: the time is the end of the tick, the
// time the positions and velocities belong to, with the window's means beside
// the instantaneous motion and the energy book's kinetic energy.
TEST(DataWindow, RecordRowsCarryTheTickEndTimeAndTheChosenBallsColumns) {
    const QString oneBallHeader =
        "tick,t (s),ball,name,x (m),y (m),mean vx (m/s),mean vy (m/s),mean |v| (m/s),mean theta v (deg),"
        "mean ax (m/s^2),mean ay (m/s^2),mean |a| (m/s^2),mean theta a (deg),vx (m/s),vy (m/s),ax (m/s^2),"
        "ay (m/s^2),kinetic energy (J)";
    for (bool everyBall : {false, true}) {
        ReadResult read = ReadProject(MB_EXAMPLES_DIR "/link_spring.kmx");
        ASSERT_TRUE(read.ok) << read.error;
        Scene& s = *read.scene;
        const int n = s.balls.count();
        ASSERT_GE(n, 2);
        s.balls.names[1] = "Ball \"two\"";
        s.SelectedBall = 1;
        QTemporaryDir dir;
        ScriptedPrompts prompts;
        DataWindow w(prompts);
        StartRun(s);
        w.load(s);
        w.findChild<QCheckBox*>("EveryBall")->setChecked(everyBall);
        std::vector<std::unique_ptr<Scene>> after;  // the scene at each tick's end
        for (int k = 0; k < 4; ++k) {
            ASSERT_EQ(StepScene(s, &w), kStepNormal);
            after.push_back(std::make_unique<Scene>(s));
        }
        prompts.files.push_back(dir.filePath("run"));
        w.findChild<QPushButton*>("Record")->click();
        const auto rows = ReadCsv(dir.filePath("run.csv"));
        ASSERT_EQ(rows.size(), 5u) << everyBall;
        const double tickLength = s.settings.StepsPerTick * s.settings.StepTime;
        EXPECT_NEAR(rows[1][1].toDouble(), tickLength, 1e-12);  // not one sub-step early
        // Where ball j's fifteen columns begin.
        auto firstColumn = [&](int j) { return everyBall ? 2 + 15 * j : 4; };
        if (everyBall) {
            ASSERT_EQ(rows[0].size(), 2 + 15 * n);
            EXPECT_EQ(rows[0][firstColumn(1)], "\"Ball \"\"two\"\" x (m)\"");
            EXPECT_EQ(rows[0][firstColumn(1) + 14], "\"Ball \"\"two\"\" kinetic energy (J)\"");
        } else {
            EXPECT_EQ(rows[0].join(','), oneBallHeader);
            EXPECT_EQ(rows[1][2], "1");
            EXPECT_EQ(rows[1][3], "\"Ball \"\"two\"\"\"");
        }
        for (std::size_t k = 0; k < after.size(); ++k) {
            const QStringList& row = rows[k + 1];
            EXPECT_EQ(row[0].toInt(), static_cast<int>(k) + 1);
            EXPECT_EQ(row[1].toDouble(), after[k]->RunTime);
            for (int j = everyBall ? 0 : 1; j < (everyBall ? n : 2); ++j) {
                const Ball& b = after[k]->balls[j];
                const double want[] = {b.x,  b.y,  b.meanVx, b.meanVy, b.meanAx, b.vx,
                                       b.vy, b.ax, b.ay,     KineticEnergy(b.M0, b.vx, b.vy, false)};
                const int at[] = {0, 1, 2, 3, 6, 10, 11, 12, 13, 14};
                for (std::size_t v = 0; v < std::size(at); ++v)
                    EXPECT_EQ(row[firstColumn(j) + at[v]].toDouble(), want[v]) << k << " " << j << " " << at[v];
            }
        }
        EXPECT_TRUE(prompts.messages.empty());
    }
}

// An unsaved record is asked about before the window closes (Stop, the close
// box); kept after Stop, it can still be saved until the next run starts.
TEST(DataWindow, AnUnsavedRecordIsAskedAboutBeforeItGoes) {
    enum class Act { StopButton, CloseBox, Restart };
    struct Case {
        Act act;
        int ticks;
        Prompts::Button answer;
        const char* file;  // where Yes saves: nullptr none, "" a folder that does not exist
        QStringList calls;
        std::size_t questions;
        bool open;      // the window still shown
        bool written;
        std::size_t rowsAfter;
    };
    const Case cases[] = {
        {Act::StopButton, 0, Prompts::Ok, nullptr, {"stop"}, 0, false, false, 0},  // nothing recorded
        {Act::StopButton, 3, Prompts::No, nullptr, {"stop"}, 1, false, false, 3},
        {Act::StopButton, 3, Prompts::Yes, "run", {"stop"}, 1, false, true, 3},
        {Act::StopButton, 3, Prompts::Yes, "", {"stop"}, 1, true, false, 3},  // the save failed: kept, told
        {Act::CloseBox, 3, Prompts::Cancel, nullptr, {"stop"}, 1, true, false, 3},
        {Act::Restart, 3, Prompts::Cancel, nullptr, {"restart"}, 0, true, false, 0},  // a new run, a new record
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        FollowingWindow f;
        auto& [prompts, commands, w, s] = f;
        for (int k = 1; k <= c.ticks; ++k) {
            s->RunTime = 0.1 * k;
            w.tickEnded(*s);
        }
        prompts.answers.push_back(c.answer);
        if (c.file) prompts.files.push_back(*c.file ? dir.filePath(c.file) : dir.filePath("gone/run"));
        switch (c.act) {
            case Act::StopButton: w.findChild<QToolButton*>("SpeedButton2")->click(); break;
            case Act::CloseBox: w.close(); break;
            case Act::Restart: w.findChild<QToolButton*>("SpeedButton1")->click(); break;
        }
        SCOPED_TRACE(&c - cases);
        EXPECT_EQ(commands.calls, c.calls);
        ASSERT_EQ(prompts.messages.size(), c.questions + (c.file && !*c.file ? 1u : 0u));  // and the failure
        for (std::size_t q = 0; q < c.questions; ++q)
            EXPECT_EQ(prompts.messages[q].text + QString::number(prompts.messages[q].buttons),
                      "The recorded data of this run has not been saved. Save it now?" +
                          QString::number(Prompts::Yes | Prompts::No | Prompts::Cancel));
        EXPECT_EQ(w.isVisible(), c.open);
        EXPECT_EQ(QFile::exists(dir.filePath("run.csv")), c.written);
        EXPECT_EQ(w.record().rows().size(), c.rowsAfter);
        // After Stop the run controls rest; what is kept can still be saved, and
        // the window then closes without asking again. The next run starts empty.
        EXPECT_EQ(w.findChild<QToolButton*>("SpeedButton1")->isEnabled(), !c.calls.contains("stop"));
        if (w.isVisible()) {
            prompts.files.push_back(dir.filePath("kept.csv"));
            w.findChild<QPushButton*>("Record")->click();
            EXPECT_EQ(ReadCsv(dir.filePath("kept.csv")).size(), c.rowsAfter + 1);
            const std::size_t told = prompts.messages.size();
            w.close();
            EXPECT_FALSE(w.isVisible());
            EXPECT_EQ(prompts.messages.size(), told);
        }
        w.load(*s);
        EXPECT_TRUE(w.record().empty());
    }
}

}  // namespace
}  // namespace mb::test

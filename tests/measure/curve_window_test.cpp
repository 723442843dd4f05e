#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "measure/curve_window.h"
#include "support/scripted_prompts.h"
#include "view/measure_pictures.h"

namespace mb::test {
namespace {

const QString kStartBelowZero = "The Start time must be bigger than zero.";
const QString kEndNotAfterStart = "The End time must be bigger than the start time.";
const QString kZeroScale = "The scale of coordinate can not be zero.";

// The default experiment: one ball at rest at the origin, chosen for the curve,
// 100 sub-steps of 1 ms a tick, time against position X from 0 to 10 s.
std::unique_ptr<Scene> BallAtRest(double vx0 = 0, const std::string& name = "Ball_1") {
    auto s = std::make_unique<Scene>();
    Ball& b = s->balls[AddBall(*s, {0, 0, vx0, 0}, name)];
    b.curveFlag = 1;
    b.red = 201;
    b.green = 100;
    b.blue = 51;
    return s;
}

struct CurveFixture {
    ScriptedPrompts prompts;
    CurveWindow window{prompts};
    std::unique_ptr<Scene> scene;

    explicit CurveFixture(std::unique_ptr<Scene> s) : scene(std::move(s)) { window.load(*scene); }
    QLineEdit* edit(const char* name) { return window.findChild<QLineEdit*>(name); }
    QPushButton* button(const char* name) { return window.findChild<QPushButton*>(name); }
    // Types over the whole text of an edit, as a user who selected it all.
    void type(const char* name, const QString& text) {
        QLineEdit* e = edit(name);
        e->selectAll();
        QTest::keyClicks(e, text);
    }
    QRgb graphPixel(int x, int y) { return window.graph().pixel(x, y) & 0xffffff; }
    QRgb shownPixel(int x, int y) {
        return window.findChild<QLabel*>("Image1")->pixmap().toImage().pixel(x, y) & 0xffffff;
    }
    int runToEnd() {
        int ticks = 0;
        while (window.drawing() && ticks < 100000) {
            window.tick();
            ++ticks;
        }
        return ticks;
    }
};

constexpr QRgb Rgb(int r, int g, int b) { return static_cast<QRgb>((r << 16) | (g << 8) | b); }
const QRgb kHalfColour = Rgb(100, 50, 25);  // (201, 100, 51) at half strength
const QRgb kFace = Rgb(240, 240, 240);

TEST(CurveWindow, DrawCurveRefusesInTheWindowsOrderWithTheFocusOnTheCulprit) {
    struct Case {
        const char* edit;
        QString text;
        QString message;
        const char* focus;
        int buttons;
    };
    const int ok = Prompts::Ok, okCancel = Prompts::Ok | Prompts::Cancel;
    const Case cases[] = {
        {"Edit2", "-1", kStartBelowZero, "Edit2", ok},
        {"Edit3", "-1", kEndNotAfterStart, "Edit3", ok},
        {"Edit2", "10", kEndNotAfterStart, "Edit2", ok},  // start time equal to the end time
        {"Edit5", "0", kZeroScale, "Edit5", ok},
        {"Edit7", "0", kZeroScale, "Edit7", ok},
        {"Edit3", "ten", "ten is not a real nember.", "Edit3", okCancel},
    };
    for (const Case& c : cases) {
        CurveFixture f(BallAtRest());
        f.window.show();
        f.type(c.edit, c.text);
        f.button("BitBtn3")->click();
        ASSERT_EQ(f.prompts.messages.size(), 1u) << c.edit << " " << c.text.toStdString();
        EXPECT_EQ(f.prompts.messages[0].text, c.message);
        EXPECT_EQ(f.prompts.messages[0].caption, "warning");
        EXPECT_EQ(f.prompts.messages[0].buttons, c.buttons);
        ASSERT_NE(f.window.focusWidget(), nullptr);
        EXPECT_EQ(f.window.focusWidget()->objectName(), c.focus) << c.message.toStdString();
        EXPECT_FALSE(f.window.drawing());
        EXPECT_EQ(f.button("BitBtn3")->text(), "Draw Curve");
    }
    // Start time 0 is fine; with no curve object the window says so, OK and Cancel.
    auto s = BallAtRest();
    s->balls[0].curveFlag = 0;
    CurveFixture f(std::move(s));
    f.button("BitBtn3")->click();
    ASSERT_EQ(f.prompts.messages.size(), 1u);
    EXPECT_EQ(f.prompts.messages[0].text, "Please set the curve object first.");
    EXPECT_EQ(f.prompts.messages[0].buttons, okCancel);
    EXPECT_FALSE(f.window.drawing());
    EXPECT_TRUE(f.edit("Edit2")->isEnabled());
}

TEST(CurveWindow, AxisEditsTakeASignAloneAsZeroAndRefuseWhatIsNotANumber) {
    struct Case {
        const char* edit;
        QString text;
        double CurveSettings::*field;
        double expected;
        QString message;  // empty: no message
    };
    const Case cases[] = {
        {"Edit4", "-", &CurveSettings::horizontalStart, 0, ""},
        {"Edit6", "+", &CurveSettings::verticalStart, 0, ""},
        {"Edit5", "2.5", &CurveSettings::horizontalStep, 2.5, ""},
        {"Edit7", "0.25", &CurveSettings::verticalStep, 0.25, ""},
        {"Edit6", "1,5", &CurveSettings::verticalStart, 1, "1,5 is not a real nember."},  // keeps the "1" typed before
        {"Edit4", "x", &CurveSettings::horizontalStart, 7, "x is not a real nember."},
    };
    for (const Case& c : cases) {
        auto s = BallAtRest();
        s->curve.horizontalStart = 7;
        s->curve.verticalStart = 7;
        CurveFixture f(std::move(s));
        f.window.show();
        f.type(c.edit, c.text);
        EXPECT_EQ(f.scene->curve.*c.field, c.expected) << c.edit << " " << c.text.toStdString();
        if (c.message.isEmpty()) {
            EXPECT_TRUE(f.prompts.messages.empty()) << f.prompts.texts().join("|").toStdString();
        } else {
            ASSERT_FALSE(f.prompts.messages.empty());
            EXPECT_EQ(f.prompts.messages.back().text, c.message);
            EXPECT_EQ(f.prompts.messages.back().caption, "warning");
            EXPECT_EQ(f.window.focusWidget()->objectName(), c.edit);
        }
    }
}

TEST(CurveWindow, UnitsFollowTheVariablesWithTheRaisedTwoForAccelerations) {
    CurveFixture f(BallAtRest());
    auto label = [&](const char* name) { return f.window.findChild<QLabel*>(name); };
    EXPECT_EQ(label("Label14")->text(), "(s)");
    EXPECT_EQ(label("Label15")->text(), "(s/grid)");
    EXPECT_EQ(label("Label16")->text(), "(m)");
    EXPECT_EQ(label("Label17")->text(), "(m/grid)");
    for (const char* two : {"Label18", "Label19", "Label20", "Label21"}) EXPECT_TRUE(label(two)->isHidden()) << two;
    auto* vertical = f.window.findChild<QComboBox*>("ComboBox2");
    ASSERT_EQ(vertical->count(), 10);
    EXPECT_EQ(vertical->itemText(9), "acceleration |a|");
    vertical->setCurrentIndex(kQuantityAy);
    emit vertical->activated(kQuantityAy);
    EXPECT_EQ(f.scene->curve.verticalVariable, kQuantityAy);
    EXPECT_EQ(label("Label16")->text(), "(m/s)");
    EXPECT_EQ(label("Label17")->text(), "(m/s /grid)");
    EXPECT_EQ(label("Label18")->text(), "2");
    EXPECT_FALSE(label("Label18")->isHidden());
    EXPECT_FALSE(label("Label19")->isHidden());
    EXPECT_TRUE(label("Label20")->isHidden());
}

TEST(CurveWindow, TheDefaultExperimentStepsAlongRow226AndEndsInTick101) {
    CurveFixture f(BallAtRest());
    f.button("BitBtn3")->click();
    EXPECT_TRUE(f.window.drawing());
    EXPECT_EQ(f.button("BitBtn3")->text(), "Stop");
    for (const char* name : {"Edit1", "Edit2", "Edit7"}) EXPECT_FALSE(f.edit(name)->isEnabled()) << name;
    EXPECT_FALSE(f.button("BitBtn1")->isEnabled());
    EXPECT_FALSE(f.button("BitBtn4")->isEnabled());
    EXPECT_EQ(f.graphPixel(33, 226), kFace);
    f.window.tick();
    // Times 0.099 s to 0.1 s: from column 33 to 34 on row 226.
    EXPECT_EQ(f.graphPixel(33, 226), kHalfColour);
    EXPECT_EQ(f.shownPixel(33, 226), kHalfColour);
    EXPECT_EQ(f.graphPixel(37, 226), kFace);
    f.window.tick();
    EXPECT_EQ(f.graphPixel(37, 226), kHalfColour);  // 4 pixels on
    EXPECT_EQ(2 + f.runToEnd(), 101);
    EXPECT_EQ(f.button("BitBtn3")->text(), "Draw curve");
    EXPECT_TRUE(f.edit("Edit2")->isEnabled());
    EXPECT_EQ(f.scene->RunTime, 0.0);
    EXPECT_EQ(f.window.samples().size(), 100u);
    EXPECT_EQ(f.graphPixel(229, 226), kHalfColour);  // t = 9.999 s .. 10 s
}

TEST(CurveWindow, StopKeepsTheSegmentsAndDrawingAgainClearsTheGraphFirst) {
    CurveFixture f(BallAtRest());
    f.button("BitBtn3")->click();
    for (int k = 0; k < 3; ++k) f.window.tick();
    f.button("BitBtn3")->click();
    EXPECT_FALSE(f.window.drawing());
    EXPECT_EQ(f.button("BitBtn3")->text(), "Draw curve");
    EXPECT_EQ(f.graphPixel(33, 226), kHalfColour);
    EXPECT_EQ(f.graphPixel(41, 226), kHalfColour);
    f.window.tick();  // nothing happens while stopped
    EXPECT_EQ(f.graphPixel(45, 226), kFace);
    f.button("BitBtn3")->click();
    EXPECT_TRUE(f.window.drawing());
    EXPECT_EQ(f.graphPixel(33, 226), kFace);
    EXPECT_EQ(f.graphPixel(41, 226), kFace);
    // Closing ends the computation.
    f.button("BitBtn5")->click();
    EXPECT_FALSE(f.window.drawing());
}

TEST(CurveWindow, TheGraphFrameAndItsPictureFile) {
    QTemporaryDir dir;
    struct Case {
        QString file;
        QString written;
        const char* format;
    };
    const Case cases[] = {
        {dir.filePath("graph"), dir.filePath("graph.bmp"), "BMP"},
        {dir.filePath("graph.bmp"), dir.filePath("graph.bmp"), "BMP"},
        {dir.filePath("graph.png"), dir.filePath("graph.png"), "PNG"},
    };
    for (const Case& c : cases) {
        CurveFixture f(BallAtRest());
        f.prompts.files.push_back(c.file);
        f.button("BitBtn4")->click();
        ASSERT_EQ(f.prompts.fileTitles.size(), 1u);
        EXPECT_EQ(f.prompts.fileTitles[0], "生成实验曲线图象");
        QFile file(c.written);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.written.toStdString();
        const QByteArray bytes = file.readAll();
        QImage back;
        ASSERT_TRUE(back.loadFromData(bytes, c.format));
        EXPECT_EQ(back.size(), QSize(252, 252));
        auto px = [&](int x, int y) { return back.pixel(x, y) & 0xffffff; };
        EXPECT_EQ(px(0, 0), kFace);
        EXPECT_EQ(px(28, 223), Rgb(40, 40, 200));  // the origin square
        EXPECT_EQ(px(38, 100), Rgb(190, 190, 190));  // fine grid
        EXPECT_EQ(px(70, 100), Rgb(100, 100, 100));  // coarse grid
        EXPECT_EQ(px(237, 223), Rgb(100, 100, 100));  // the arrow head of the horizontal axis
        EXPECT_EQ(px(100, 225), Rgb(255, 0, 0));  // the zero row over the axis
        EXPECT_EQ(px(248, 225), Rgb(255, 0, 0));
        EXPECT_EQ(px(30, 240), Rgb(255, 0, 0));  // the zero column below the graph
        EXPECT_TRUE(f.prompts.messages.empty());
    }
}

// A CSV reader: fields split at commas outside quotes, doubled quotes inside them.
std::vector<std::vector<QString>> ReadCsv(const QString& text) {
    std::vector<std::vector<QString>> rows(1);
    QString field;
    bool quoted = false, any = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        any = true;
        if (quoted) {
            if (ch == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (ch == '"') {
                quoted = false;
            } else {
                field += ch;
            }
        } else if (ch == '"') {
            quoted = true;
        } else if (ch == ',') {
            rows.back().push_back(field);
            field.clear();
        } else if (ch == '\n') {
            rows.back().push_back(field);
            field.clear();
            rows.emplace_back();
            any = false;
        } else {
            field += ch;
        }
    }
    if (any) rows.back().push_back(field);
    if (rows.back().empty()) rows.pop_back();
    return rows;
}

TEST(CurveWindow, SavedDataReadsBackAsThePlottedSamples) {
    QTemporaryDir dir;
    CurveFixture f(BallAtRest(3.0, "cart, \"red\""));
    f.scene->curve.endTime = 2.0;
    f.edit("Edit3")->setText("2");
    f.button("BitBtn3")->click();
    f.runToEnd();
    ASSERT_FALSE(f.window.samples().empty());
    f.prompts.files.push_back(dir.filePath("curve"));
    f.button("SaveData")->click();
    QFile file(dir.filePath("curve.csv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    const auto rows = ReadCsv(text);
    ASSERT_EQ(rows.size(), f.window.samples().size() + 1);
    EXPECT_EQ(rows[0], (std::vector<QString>{"tick", "t (s)", "ball", "name", "Time T before (s)", "Time T after (s)",
                                             "position X before (m)", "position X after (m)"}));
    int plotted = 0;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const auto& r = rows[i];
        ASSERT_EQ(r.size(), 8u);
        EXPECT_EQ(r[0].toLongLong(), static_cast<long long>(i));
        EXPECT_EQ(r[3], "cart, \"red\"");
        const double t0 = r[4].toDouble(), t1 = r[5].toDouble(), x0 = r[6].toDouble(), x1 = r[7].toDouble();
        EXPECT_DOUBLE_EQ(r[1].toDouble(), t0);
        EXPECT_NEAR(t1 - t0, 0.001, 1e-12);
        EXPECT_NEAR(x1 - x0, 3.0 * 0.001, 1e-12);
        // Where the sample lies on the graph, its segment starts at its pixel there.
        const int col = static_cast<int>(t0 / 1 * 40 + 30), row = static_cast<int>(226 - x0 / 1 * 40);
        if (col >= 0 && col < 252 && row >= 0 && row < 252) {
            EXPECT_EQ(f.graphPixel(col, row), kHalfColour) << i;
            ++plotted;
        }
    }
    EXPECT_GT(plotted, 5);
    // Copy data puts the same text on the clipboard.
    f.button("CopyData")->click();
    EXPECT_EQ(QApplication::clipboard()->text(), text);
}

// Fit fills the graph with what was computed; Join points draws each ball's
// samples as one line, where the plain drawing leaves a dot per tick.
TEST(CurveWindow, FitFillsTheGraphAndJoinPointsDrawsOneLine) {
    CurveFixture f(BallAtRest(3.0));
    f.edit("Edit3")->setText("2");
    f.button("BitBtn3")->click();
    f.runToEnd();
    f.button("Fit")->click();
    EXPECT_EQ(f.edit("Edit4")->text(), "0");
    EXPECT_EQ(f.edit("Edit5")->text(), "0.5");
    EXPECT_EQ(f.edit("Edit6")->text(), "0");
    EXPECT_EQ(f.edit("Edit7")->text(), "2");
    EXPECT_EQ(f.scene->curve.horizontalStep, 0.5);
    EXPECT_EQ(f.scene->curve.verticalStep, 2.0);
    // Every sample now lies on the graph: (0.099 s, 0.297 m) at column 37, row 220,
    // (1.999 s, 5.997 m) at column 189, row 106.
    for (const auto& s : f.window.samples()) ASSERT_TRUE(s.segment.plotted) << s.tick;
    EXPECT_EQ(f.graphPixel(37, 220), kHalfColour);
    EXPECT_EQ(f.graphPixel(189, 106), kHalfColour);
    // Between two ticks' dots (8 pixels apart) nothing, until the points are joined.
    const QPoint between(42, 217);
    EXPECT_NE(f.graphPixel(between.x(), between.y()), kHalfColour);
    f.window.findChild<QCheckBox*>("JoinPoints")->setChecked(true);
    EXPECT_EQ(f.graphPixel(between.x(), between.y()), kHalfColour);
    EXPECT_EQ(f.shownPixel(between.x(), between.y()), kHalfColour);
}

TEST(CurveGraph, ATickLabelWithinARoundingOfZeroIsZero) {
    struct Case {
        double value, step;
        const char* text;
    };
    const Case cases[] = {
        {-0.3 + 3 * 0.1, 0.1, "0"}, {-1.11e-16, 0.1, "0"}, {-0.0, 1, "0"}, {5e-11, 0.1, "0"},
        {2e-9, 1, "2e-09"}, {1e-12, 1e-12, "1e-12"}, {0.25, 0.05, "0.25"}, {-1234.5, 100, "-1.23e+03"},
    };
    for (const Case& c : cases) EXPECT_EQ(CurveTickText(c.value, c.step), c.text) << c.value;
}

TEST(CurveWindow, ObjectSetTicksTheCurveBalls) {
    auto s = BallAtRest();
    AddBall(*s, {1, 1}, "Ball_2");
    CurveFixture f(std::move(s));
    f.prompts.dialogs.push_back([](QDialog& d) {
        auto* list = d.findChild<QListWidget*>("CheckListBox1");
        EXPECT_EQ(list->count(), 2);
        EXPECT_EQ(list->item(0)->checkState(), Qt::Checked);
        EXPECT_EQ(list->item(1)->checkState(), Qt::Unchecked);
        list->item(0)->setCheckState(Qt::Unchecked);
        list->item(1)->setCheckState(Qt::Checked);
        d.findChild<QPushButton*>("BitBtn1")->click();
        return d.result();
    });
    f.button("BitBtn1")->click();
    EXPECT_EQ(f.scene->balls[0].curveFlag, 0);
    EXPECT_EQ(f.scene->balls[1].curveFlag, 1);
    f.prompts.dialogs.push_back([](QDialog& d) {
        d.findChild<QListWidget*>("CheckListBox1")->item(0)->setCheckState(Qt::Checked);
        d.findChild<QPushButton*>("BitBtn2")->click();
        return d.result();
    });
    f.button("BitBtn1")->click();
    EXPECT_EQ(f.scene->balls[0].curveFlag, 0);
}

}  // namespace
}  // namespace mb::test

namespace mb::test {
namespace {

TEST(CurveGraph, SegmentsArePenWideAndASegmentOnOnePixelIsADot) {
    struct Case {
        CurveSegment segment;
        std::vector<QPoint> coloured, untouched;
    };
    auto seg = [](int c0, int r0, int c1, int r1, bool plotted = true) {
        CurveSegment s;
        s.col0 = c0, s.row0 = r0, s.col1 = c1, s.row1 = r1;
        s.plotted = plotted;
        s.colour = PackColour(100, 50, 25);
        return s;
    };
    const Case cases[] = {
        {seg(33, 226, 34, 226), {{33, 226}, {33, 225}}, {{34, 226}, {33, 227}}},
        {seg(50, 100, 50, 100), {{50, 100}, {50, 99}}, {{51, 100}, {50, 101}}},
        {seg(60, 60, 60, 64), {{60, 60}, {59, 63}}, {{60, 64}}},
        {seg(70, 70, 80, 70, false), {}, {{70, 70}, {75, 70}}},
        {seg(-5, 300, -5, 300), {}, {}},  // off the picture: nothing, and no harm
    };
    for (const Case& c : cases) {
        QImage graph;
        DrawGraphFrame(graph, CurveSettings{});
        const QImage before = graph;
        DrawCurveSegment(graph, c.segment);
        for (QPoint p : c.coloured) EXPECT_EQ(graph.pixel(p) & 0xffffff, kHalfColour) << p.x() << "," << p.y();
        for (QPoint p : c.untouched) EXPECT_EQ(graph.pixel(p), before.pixel(p)) << p.x() << "," << p.y();
    }
}

}  // namespace
}  // namespace mb::test

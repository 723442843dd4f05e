// A whole experiment built as a teacher builds it: a new project, the origin and
// scale chosen with the mouse, gravity switched on, a ball and a hanging spring
// placed on the surface and completed in their dialogs, saved, read back and run
// without a screen. The spring pendulum must keep its textbook period.
#include <QCheckBox>
#include <QLineEdit>
#include <cmath>
#include <map>
#include <numbers>

#include "editor_fixture.h"
#include "engine/engine.h"

namespace mb::test {
namespace {

// Types the given texts into a dialog's edits, ticks the named boxes and presses a button.
std::function<int(QDialog&)> Fill(std::map<QString, QString> edits, QStringList ticks, const char* press) {
    return [edits, ticks, press](QDialog& d) {
        for (const auto& [name, text] : edits) {
            auto* e = d.findChild<QLineEdit*>(name);
            if (!e) ADD_FAILURE() << "no edit " << name.toStdString() << " in " << d.objectName().toStdString();
            else e->setText(text);
        }
        for (const QString& name : ticks)
            if (auto* b = d.findChild<QCheckBox*>(name)) b->setChecked(true);
        return Press(press)(d);
    };
}

using SpringPendulumTest = EditorTest;

TEST_F(SpringPendulumTest, BuiltWithTheMouseSavedAndRunHeadlessItKeepsItsPeriod) {
    startWindow();
    action("N2")->trigger();  // new project: the next click fixes the origin
    prompts.dialogs.push_back(Press("BitBtn1"));  // the scale dialog's 10 m per 100 pixels
    click(QPoint(300, 500));
    ASSERT_TRUE(window->projectOpen());
    ASSERT_DOUBLE_EQ(scene().view.MetresPerPixel, 0.1);

    prompts.dialogs.push_back(Fill({}, {"CheckBox2"}, "BitBtn1"));  // consider the gravitation
    action("N8")->trigger();
    ASSERT_EQ(scene().settings.GravityOn, 1);

    action("N12")->trigger();  // a 2 kg ball, 0.5 m in radius, 10 m below the anchor to come
    prompts.dialogs.push_back(Fill({{"Edit1", "2"}, {"Edit2", "0.5"}}, {}, "BitBtn2"));
    click(QPoint(400, 400));
    ASSERT_EQ(scene().balls.count(), 1) << prompts.texts().join("|").toStdString();

    action("N24")->trigger();  // a hanging spring: the ball, then its anchor
    click(QPoint(400, 400));
    prompts.dialogs.push_back(Fill({{"Edit5", "50"}}, {}, "BitBtn1"));  // this form's Ok
    click(QPoint(400, 300));
    ASSERT_EQ(scene().hangingSprings.count(), 1) << prompts.texts().join("|").toStdString();
    EXPECT_DOUBLE_EQ(scene().hangingSprings[0].L, 10.0);  // the drawn distance

    const QString path = projectDir.filePath("pendulum.kmx");
    prompts.files.push_back(path);
    action("N5")->trigger();
    ReadResult read = ReadProject(path.toStdString());
    ASSERT_TRUE(read.ok) << read.error;
    Scene& s = *read.scene;
    ASSERT_EQ(s.balls.count(), 1);
    ASSERT_EQ(s.hangingSprings.count(), 1);

    // One sub-step a tick, so every upward turn of the ball is seen.
    s.settings.StepsPerTick = 1;
    StartRun(s);
    std::vector<double> turns;  // times the ball starts rising again
    double previousVy = s.balls[0].vy;
    while (s.RunTime < 12.0) {
        ASSERT_EQ(StepScene(s, nullptr), kStepNormal);
        const double vy = s.balls[0].vy;
        if (previousVy < 0 && vy >= 0) turns.push_back(s.RunTime);
        previousVy = vy;
    }
    ASSERT_GE(turns.size(), 5u);
    const double period = (turns.back() - turns.front()) / double(turns.size() - 1);
    const double expected = 2 * std::numbers::pi * std::sqrt(2.0 / 50.0);
    EXPECT_NEAR(period, expected, 0.01 * expected);
}

}  // namespace
}  // namespace mb::test

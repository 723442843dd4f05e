#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/experiment_set_dialog.h"
#include "app/save_prompt_dialog.h"
#include "app/scale_dialog.h"
#include "support/scripted_prompts.h"

namespace mb::test {
namespace {

template <class W>
W* Child(QWidget& parent, const char* name) {
    W* w = parent.findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
}

void ClickOk(QDialog& d, const char* name = "BitBtn1") {
    QTest::mouseClick(Child<QPushButton>(d, name), Qt::LeftButton);
}

TEST(ExperimentSetDialog, ShowsTheCurrentSettingsWithItsOwnWords) {
    ScriptedPrompts prompts;
    ExperimentSetDialog d(prompts);
    ExperimentSettings s;
    s.StepTime = 0.0005;
    s.StepsPerTick = 7;
    s.GravityOn = 1;
    s.BumpOn = 1;
    s.ShowCoordinate = 0;
    s.AccurateStep = 1;
    d.load(s);
    EXPECT_EQ(d.objectName(), "TForm6");
    EXPECT_EQ(d.windowTitle(), "experiment set");
    EXPECT_EQ(Child<QLineEdit>(d, "Edit1")->text(), "0.0005");
    EXPECT_EQ(Child<QLineEdit>(d, "Edit2")->text(), "7");
    const std::pair<const char*, bool> boxes[] = {{"CheckBox1", false}, {"CheckBox2", true},  {"CheckBox3", false},
                                                  {"CheckBox4", false}, {"CheckBox5", false}, {"CheckBox6", true},
                                                  {"CheckBox7", true}};
    for (const auto& [name, checked] : boxes) EXPECT_EQ(Child<QCheckBox>(d, name)->isChecked(), checked) << name;
    EXPECT_EQ(Child<QLabel>(d, "Label1")->text(), "experimnet compute step time");
    EXPECT_EQ(Child<QLabel>(d, "Label5")->text(), "How many steps to be dealed together :");
    EXPECT_EQ(Child<QCheckBox>(d, "CheckBox5")->text(), "consider each electric charge attraction");
    EXPECT_EQ(Child<QCheckBox>(d, "CheckBox7")->text(), "Accurate step (keeps energy and momentum on long runs)");
}

TEST(ExperimentSetDialog, OkChecksInOrderReportsAndMovesTheFocus) {
    struct Case {
        const char* stepTime;
        const char* steps;
        const char* message;  // nullptr: accepted
        const char* focus;
    };
    const Case cases[] = {
        {"abc", "1", "abc  is not a real number!", "Edit1"},
        {"abc", "x", "abc  is not a real number!", "Edit1"},  // the first failure only
        {"0.001", "x", "x  is not a integer.", "Edit2"},
        {"0.001", "2.5", "2.5  is not a integer.", "Edit2"},
        {"0", "5", "The step time must be biger than zero.", "Edit1"},
        {"0", "0", "The step time must be biger than zero.", "Edit1"},  // conversions pass, T is checked first
        {"-1e-3", "5", "The step time must be biger than zero.", "Edit1"},
        {"0.001", "0", "The steps together must be biger than 1.", "Edit2"},
        {"0.001", "-3", "The steps together must be biger than 1.", "Edit2"},
        {"0.0005", "1", nullptr, nullptr},
    };
    for (const Case& c : cases) {
        ScriptedPrompts prompts;
        ExperimentSetDialog d(prompts);
        ExperimentSettings before;
        d.load(before);
        d.show();
        Child<QLineEdit>(d, "Edit1")->setText(c.stepTime);
        Child<QLineEdit>(d, "Edit2")->setText(c.steps);
        Child<QCheckBox>(d, "CheckBox3")->setChecked(true);
        Child<QCheckBox>(d, "CheckBox7")->setChecked(true);
        ClickOk(d);
        if (c.message) {
            ASSERT_EQ(prompts.messages.size(), 1u) << c.stepTime << " " << c.steps;
            EXPECT_EQ(prompts.messages[0].text, c.message);
            EXPECT_EQ(prompts.messages[0].caption, "warning");
            EXPECT_EQ(prompts.messages[0].buttons, Prompts::Ok | Prompts::Cancel);
            EXPECT_EQ(d.focusWidget()->objectName(), c.focus) << c.stepTime << " " << c.steps;
            EXPECT_TRUE(d.isVisible());
            // Nothing was stored.
            EXPECT_EQ(d.settings().StepTime, before.StepTime);
            EXPECT_EQ(d.settings().RelativityOn, 0);
            EXPECT_EQ(d.settings().AccurateStep, 0);
        } else {
            EXPECT_TRUE(prompts.messages.empty());
            EXPECT_EQ(d.result(), QDialog::Accepted);
            EXPECT_EQ(d.settings().StepTime, 0.0005);
            EXPECT_EQ(d.settings().StepsPerTick, 1);
            EXPECT_EQ(d.settings().RelativityOn, 1);
            EXPECT_EQ(d.settings().AccurateStep, 1);
        }
    }
}

TEST(ExperimentSetDialog, CancelStoresNothing) {
    ScriptedPrompts prompts;
    ExperimentSetDialog d(prompts);
    ExperimentSettings s;
    d.load(s);
    d.show();
    Child<QLineEdit>(d, "Edit1")->setText("0.5");
    Child<QCheckBox>(d, "CheckBox2")->setChecked(true);
    ClickOk(d, "BitBtn2");
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_EQ(d.settings().StepTime, s.StepTime);
    EXPECT_EQ(d.settings().GravityOn, 0);
}

TEST(ScaleDialog, AlwaysStartsAtTenMetres) {
    ScriptedPrompts prompts;
    ScaleDialog d(prompts);
    EXPECT_EQ(d.objectName(), "TForm3");
    EXPECT_EQ(d.windowTitle(), "Coordinate scale set");
    EXPECT_EQ(Child<QLabel>(d, "Label1")->text(), "Please make a felicitous scale .");
    Child<QLineEdit>(d, "Edit1")->setText("55");
    d.load();
    EXPECT_EQ(Child<QLineEdit>(d, "Edit1")->text(), "10");
    // The ruler picture is 100 pixels of length plus its margins.
    EXPECT_GE(Child<QLabel>(d, "Image1")->pixmap().width(), 100);
}

TEST(ScaleDialog, RealLengthSetsTheScaleAndBadLengthsAreRefused) {
    struct Case {
        const char* text;
        double metresPerPixel;  // 0: refused
        const char* message;
    };
    const Case cases[] = {
        {"10", 0.1, nullptr},
        {"250", 2.5, nullptr},
        {" 1e-3 ", 1e-5, nullptr},
        {"abc", 0, "abc  is not a real number!"},
        {"", 0, "  is not a real number!"},
        {"0", 0, "The real length must be bigger than zero."},
        {"-10", 0, "The real length must be bigger than zero."},
        {"1e-310", 0, "The real length must be bigger than zero."},
    };
    for (const Case& c : cases) {
        ScriptedPrompts prompts;
        ScaleDialog d(prompts);
        d.load();
        d.show();
        Child<QLineEdit>(d, "Edit1")->setText(c.text);
        ClickOk(d);
        if (c.message) {
            ASSERT_EQ(prompts.messages.size(), 1u) << c.text;
            EXPECT_EQ(prompts.messages[0].text, c.message);
            EXPECT_EQ(prompts.messages[0].caption, "warning");
            EXPECT_EQ(d.focusWidget()->objectName(), "Edit1");
            EXPECT_TRUE(d.isVisible()) << c.text;
        } else {
            EXPECT_TRUE(prompts.messages.empty()) << c.text;
            EXPECT_EQ(d.result(), QDialog::Accepted);
            EXPECT_DOUBLE_EQ(d.metresPerPixel(), c.metresPerPixel) << c.text;
        }
    }
}

TEST(SavePromptDialog, EachButtonGivesItsAnswer) {
    struct Case {
        const char* button;
        const char* caption;
        SavePromptDialog::Answer answer;
        int result;
    };
    const Case cases[] = {{"BitBtn1", "&Yes", SavePromptDialog::Yes, QDialog::Accepted},
                          {"BitBtn2", "&No", SavePromptDialog::No, QDialog::Accepted},
                          {"BitBtn3", "&Cancel", SavePromptDialog::Cancel, QDialog::Rejected}};
    for (const Case& c : cases) {
        SavePromptDialog d;
        EXPECT_EQ(d.windowTitle(), "New experiment");
        EXPECT_EQ(Child<QLabel>(d, "Label1")->text(), "Save the current experiment?");
        d.load();
        d.show();
        EXPECT_EQ(Child<QPushButton>(d, c.button)->text(), c.caption);
        ClickOk(d, c.button);
        EXPECT_EQ(d.answer(), c.answer) << c.button;
        EXPECT_EQ(d.result(), c.result) << c.button;
    }
    // Closed by its close box: no answer.
    SavePromptDialog d;
    d.load();
    d.show();
    d.close();
    EXPECT_EQ(d.answer(), SavePromptDialog::NoAnswer);
}

}  // namespace
}  // namespace mb::test

// The Moving object dialog run on a scene of its own, as mouse editing and
// Parameter adjust run it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <functional>
#include <memory>

#include "editor/ball_dialog.h"
#include "scene/element_kinds.h"
#include "support/scripted_prompts.h"
#include "view/ball_sprite.h"

namespace mb::test {
namespace {

struct BallDialogCase {
    const char* what;
    bool isNew;
    std::function<void(QDialog&)> fill;  // types into the dialog, then presses what it presses
    DialogOutcome outcome;
    QString message;  // the first message shown, "" for none
    std::function<void(const Scene&, const BallDialog&)> check;
};

QLineEdit* EditOf(QDialog& d, const char* name) { return d.findChild<QLineEdit*>(name); }
void PressIn(QDialog& d, const char* name) { d.findChild<QPushButton*>(name)->click(); }

// A refused radius takes the ball off the preview the dialog shows.
void ExpectNoBallShown(const BallDialog& d) {
    const QImage shown = d.findChild<QLabel*>("Image1")->pixmap().toImage();
    const QImage empty = BallPreviewTemplate();
    EXPECT_TRUE(shown.convertToFormat(empty.format()) == empty);
}

// Origin (200, 300), 0.5 m a pixel; ball 0 and ball 1 exist, a link cord holds ball 1
// and ball 2, and ball 3 is the free slot a click would fill.
std::unique_ptr<Scene> DialogScene() {
    auto s = std::make_unique<Scene>();
    ResetScene(*s);
    s->view.OriginX = 200;
    s->view.OriginY = 300;
    s->view.MetresPerPixel = 0.5;
    for (int j = 0; j < 3; ++j) {
        BallInit b;
        b.x0 = 10.0 * j;
        AddBall(*s, b, "Ball_" + std::to_string(j + 1));
    }
    s->balls.nameCounter = 3;
    s->linkCords[0] = {1, 2, 10, 1, 0};
    s->hangingSprings[0] = {0, 0, 10, 1, 0, 2};
    s->balls[3].x0 = 5;  // the clicked place of a new ball
    s->balls[3].y0 = 6;
    return s;
}

TEST(BallDialogTest, OkChecksInOrderAndCancelAndDeleteKeepTheTablesSound) {
    const QString tooLarge = "In this coordinate setting,the ball's radius must be smaller than 15meter";
    const BallDialogCase cases[] = {
        {"15 m at 0.5 m a pixel is just allowed", true,
         [](QDialog& d) {
             EditOf(d, "Edit1")->setText("3");
             EditOf(d, "Edit2")->setText("15");
             PressIn(d, "BitBtn2");
         },
         DialogOutcome::Accepted, "",
         [](const Scene& s, const BallDialog& d) {
             EXPECT_EQ(d.previewRadius(), 31);
             const Ball& b = s.balls[3];
             EXPECT_EQ((std::vector{b.M0, b.R, b.x0, b.y0}), (std::vector{3.0, 15.0, 5.0, 6.0}));
             EXPECT_EQ(b.pixelRadius, 30);
             EXPECT_EQ((std::vector{b.screenX, b.screenY}), (std::vector{210, 288}));
             EXPECT_EQ(b.colour, PackColour(100, 255, 100));
             EXPECT_EQ(b.trackFlag, 1);
             EXPECT_GT(b.pixelCount, 2800);
             EXPECT_EQ(s.balls.names[3], "Ball_4");
         }},
        {"15.5 m is refused and the radius edit becomes 0", true,
         [](QDialog& d) {
             EditOf(d, "Edit1")->setText("3");
             EditOf(d, "Edit2")->setText("15.5");
             EXPECT_EQ(EditOf(d, "Edit2")->text(), "0");
             PressIn(d, "BitBtn3");
         },
         DialogOutcome::Cancelled, tooLarge,
         [](const Scene& s, const BallDialog& d) {
             EXPECT_EQ(d.previewRadius(), 3);
             EXPECT_FALSE(s.balls[3].inUse());
         }},
        {"a radius that is no number", true,
         [](QDialog& d) {
             EditOf(d, "Edit1")->setText("3");
             EditOf(d, "Edit2")->setText("");
             PressIn(d, "BitBtn2");  // refused with the same words; the dialog stays
             EXPECT_NE(d.result(), int(QDialog::Accepted));
             PressIn(d, "BitBtn3");
         },
         DialogOutcome::Cancelled, "This is a wrong data! The ball's radius can not smaller than zero.",
         [](const Scene& s, const BallDialog& d) {
             EXPECT_FALSE(s.balls[3].inUse());
             ExpectNoBallShown(d);
         }},
        {"a negative radius", true,
         [](QDialog& d) {
             EditOf(d, "Edit1")->setText("3");
             EditOf(d, "Edit2")->setText("-1");
             PressIn(d, "BitBtn2");
             PressIn(d, "BitBtn3");
         },
         DialogOutcome::Cancelled, "The ball's radius can not smaller than zero.",
         [](const Scene& s, const BallDialog& d) {
             EXPECT_FALSE(s.balls[3].inUse());
             ExpectNoBallShown(d);
         }},
        {"a new ball confirmed without a mass", true, [](QDialog& d) { PressIn(d, "BitBtn2"); d.reject(); },
         DialogOutcome::Cancelled, "The mass of a moving object must be greater than zero.",
         [](const Scene& s, const BallDialog&) { EXPECT_EQ(s.balls[3].M0, 0.0); }},
        {"the first text that is no number stops Ok", true,
         [](QDialog& d) {
             EditOf(d, "Edit1")->setText("3");
             EditOf(d, "Edit5")->setText("1,5");
             EditOf(d, "Edit7")->setText("x");
             PressIn(d, "BitBtn2");
             d.reject();
         },
         DialogOutcome::Cancelled, "1,5  is not a real number!",
         [](const Scene& s, const BallDialog&) { EXPECT_EQ(s.balls[3].M0, 0.0); }},
        {"a start beyond every pixel would make a file that cannot be opened", true,
         [](QDialog& d) {
             EditOf(d, "Edit1")->setText("3");
             EditOf(d, "Edit4")->setText("12345678901234567890");
             PressIn(d, "BitBtn2");
             d.reject();
         },
         DialogOutcome::Cancelled, "In this coordinate setting,the ball's position is too far away to be shown.",
         [](const Scene& s, const BallDialog&) { EXPECT_EQ(s.balls[3].M0, 0.0); }},
        {"a cancelled new ball gives its name number back", true, [](QDialog& d) { PressIn(d, "BitBtn3"); },
         DialogOutcome::Cancelled, "",
         [](const Scene& s, const BallDialog&) {
             EXPECT_EQ(s.balls.nameCounter, 3);
             EXPECT_EQ(s.balls[3].x0, 0.0);  // no half-made ball stays behind
         }},
        {"a ball a connector holds is not deleted", false, [](QDialog& d) { PressIn(d, "BitBtn1"); d.reject(); },
         DialogOutcome::Cancelled, "First,you must delete spring,cord and pole which linked with the ball.",
         [](const Scene& s, const BallDialog&) { EXPECT_EQ(s.ballCount(), 3); }},
    };
    for (const BallDialogCase& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedPrompts prompts;
        BallDialog dialog(prompts);
        auto s = DialogScene();
        const int index = c.isNew ? 3 : 2;
        prompts.dialogs.push_back([&c](QDialog& d) {
            c.fill(d);
            return d.result();
        });
        EXPECT_EQ(dialog.edit(*s, index, c.isNew), c.outcome);
        if (c.message.isEmpty()) EXPECT_TRUE(prompts.messages.empty()) << prompts.texts().join("|").toStdString();
        else {
            ASSERT_FALSE(prompts.messages.empty());
            EXPECT_EQ(prompts.messages[0].text, c.message);
            EXPECT_EQ(prompts.messages[0].caption, "warning");
        }
        c.check(*s, dialog);
    }
}

TEST(BallDialogTest, DeletingAFreeBallAsksAndRenumbersTheConnectorsAfterIt) {
    ScriptedPrompts prompts;
    BallDialog dialog(prompts);
    auto s = DialogScene();
    s->linkCords[0] = {0, 0, 0, 0, 0};  // the cord goes: ball 1 is free now
    prompts.answers = {Prompts::Cancel, Prompts::Ok};
    auto pressDelete = [](QDialog& d) {
        PressIn(d, "BitBtn1");
        if (d.isVisible()) d.reject();
        return d.result();
    };
    prompts.dialogs.push_back(pressDelete);
    EXPECT_EQ(dialog.edit(*s, 1, false), DialogOutcome::Cancelled);
    EXPECT_EQ(s->ballCount(), 3);
    prompts.dialogs.push_back(pressDelete);
    EXPECT_EQ(dialog.edit(*s, 1, false), DialogOutcome::Deleted);
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[1].text, "Do you want to delete this moving object?");
    EXPECT_EQ(prompts.messages[1].caption, "Hint");
    EXPECT_EQ(s->ballCount(), 2);
    EXPECT_EQ(s->balls.names[1], "Ball_3");
    EXPECT_EQ(s->hangingSprings[0].ball, 1.0);  // it held ball 2, which is ball 1 now
}

TEST(BallDialogTest, ActivationShowsTheBallAndWarnsWhenTheScaleMadeItTooLarge) {
    ScriptedPrompts prompts;
    BallDialog dialog(prompts);
    auto s = DialogScene();
    s->balls[0].R = 2;
    s->balls[0].red = 10;
    s->balls[0].trackFlag = 0;
    QStringList seen;
    prompts.dialogs.push_back([&](QDialog& d) {
        for (const char* e : {"Edit10", "Edit1", "Edit2", "Edit4"}) seen << EditOf(d, e)->text();
        seen << QString::number(d.findChild<QScrollBar*>("ScrollBar1")->value());
        return int(QDialog::Rejected);
    });
    dialog.edit(*s, 0, false);
    EXPECT_EQ(seen, (QStringList{"Ball_1", "1", "2", "0", "10"}));
    EXPECT_TRUE(prompts.messages.empty());

    // At 0.01 m a pixel, 2 m is 200 pixels: filling the radius edit warns and it
    // becomes 0 (a dialog that shows another text than "2" at activation).
    s->view.MetresPerPixel = 0.01;
    BallDialog fresh(prompts);
    prompts.dialogs.push_back([&](QDialog& d) {
        seen = {EditOf(d, "Edit2")->text()};
        return int(QDialog::Rejected);
    });
    fresh.edit(*s, 0, false);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, "In this coordinate setting,the ball's radius must be smaller than 0.3meter");
    EXPECT_EQ(seen, QStringList{"0"});
    EXPECT_EQ(s->balls[0].R, 2.0);  // nothing is written without Ok
}

}  // namespace
}  // namespace mb::test

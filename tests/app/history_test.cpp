// Undo and redo of every edit, checked against what the project's files hold.
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QUndoStack>

#include "app/app_fixture.h"
#include "editor/mouse_editor.h"
#include "io/project_file.h"

namespace mb::test {
namespace {

class HistoryTest : public AppTest {
protected:
    // Ball_1 at (300, 250) and Ball_2 at (150, 100) on the surface, and a hanging
    // cord on Ball_2: deleting Ball_1 renumbers the cord's ball.
    void openTwoBalls() {
        startWindow();
        auto s = OneBallScene();
        s->balls[1] = MakeBall(-50.0, 50.0, 0, 0, 4.0);
        s->balls.names[1] = "Ball_2";
        s->balls.nameCounter = 2;
        s->hangingCords[0] = {-50, 120, 70, 1, 0, 1};
        s->hangingCords.names[0] = "Cord_1";
        s->hangingCords.nameCounter = 1;
        path = writeProject(*s);
        openThroughMenu(path);
        ASSERT_TRUE(window->projectOpen());
    }
    // What Save writes now, both files.
    QByteArray saved() {
        EXPECT_TRUE(window->saveProject());
        QFile kmx(path), names(QString::fromStdString(NamesPathFor(path.toStdString())));
        EXPECT_TRUE(kmx.open(QIODevice::ReadOnly) && names.open(QIODevice::ReadOnly));
        return kmx.readAll() + names.readAll();
    }
    void click(QPoint at, Qt::MouseButton b = Qt::LeftButton) {
        window->surfacePressed(b, at);
        window->surfaceReleased(at);
    }
    QUndoStack& history() { return window->session().history(); }

    QString path;
};

TEST_F(HistoryTest, EveryEditIsOneNamedStepThatUndoesAndRedoesToTheSameFiles) {
    struct Case {
        const char* step;
        std::function<void()> act;
    };
    const Case cases[] = {
        {"Place Ball_3",
         [this] {
             window->editor().chooseTool(ElementKind::Ball, nullptr);
             prompts.dialogs.push_back([](QDialog& d) {
                 d.findChild<QLineEdit*>("Edit1")->setText("2");
                 d.findChild<QLineEdit*>("Edit2")->setText("3");
                 return Press("BitBtn2")(d);
             });
             click(QPoint(500, 300));
         }},
        {"Move Ball_1",
         [this] {
             window->surfacePressed(Qt::LeftButton, QPoint(300, 250));
             window->surfaceMoved(QPoint(320, 260));
             window->surfaceMoved(QPoint(340, 270));
             window->surfaceReleased(QPoint(340, 270));
         }},
        {"Edit Ball_1",
         [this] {
             prompts.dialogs.push_back([](QDialog& d) {
                 d.findChild<QLineEdit*>("Edit1")->setText("7");
                 return Press("BitBtn2")(d);
             });
             click(QPoint(300, 250), Qt::RightButton);
         }},
        {"Delete Ball_1",
         [this] {
             click(QPoint(300, 250));
             prompts.answers.push_back(Prompts::Ok);
             action("DeleteCommand")->trigger();
             EXPECT_EQ(window->scene().hangingCords[0].ball, 0.0);  // renumbered
         }},
        {"Experiment settings",
         [this] {
             prompts.dialogs.push_back([](QDialog& d) {
                 d.findChild<QCheckBox*>("CheckBox2")->setChecked(true);
                 return Press("BitBtn1")(d);
             });
             action("N8")->trigger();
         }},
        {"Scale",
         [this] {
             prompts.dialogs.push_back([](QDialog& d) {
                 d.findChild<QLineEdit*>("Edit1")->setText("200");
                 return Press("BitBtn1")(d);
             });
             action("ScaleCommand")->trigger();
         }},
        {"Zoom", [this] { action("ZoomOutCommand")->trigger(); }},
        {"Edit Ball_1",  // through Parameter adjust
         [this] {
             prompts.dialogs.push_back([&](QDialog& d) {
                 d.findChild<QListWidget*>("ListBox2")->setCurrentRow(0);
                 prompts.dialogs.push_back([](QDialog& ball) {
                     ball.findChild<QLineEdit*>("Edit3")->setText("0.5");
                     return Press("BitBtn2")(ball);
                 });
                 d.findChild<QPushButton*>("BitBtn1")->click();
                 return Press("BitBtn2")(d);
             });
             action("N29")->trigger();
         }},
        {"Place remark",
         [this] {
             window->editor().chooseTool(ElementKind::Remark, nullptr);
             prompts.dialogs.push_back([](QDialog& d) {
                 d.findChild<QLineEdit*>("Edit1")->setText("a note");
                 return Press("BitBtn5")(d);
             });
             click(QPoint(600, 400));
         }},
    };
    for (const Case& c : cases) {
        openTwoBalls();
        const QByteArray before = saved();
        c.act();
        ASSERT_EQ(history().count(), 1) << c.step;
        EXPECT_EQ(history().undoText(), c.step);
        EXPECT_EQ(action("UndoCommand")->text(), QString("&Undo ") + c.step);
        const QByteArray after = saved();
        EXPECT_NE(after, before) << c.step;
        action("UndoCommand")->trigger();
        EXPECT_EQ(action("RedoCommand")->text(), QString("&Redo ") + c.step);
        EXPECT_EQ(saved(), before) << c.step;
        action("RedoCommand")->trigger();
        EXPECT_EQ(saved(), after) << c.step;
    }
}

TEST_F(HistoryTest, TheUnsavedMarkAndTheSavePromptFollowTheHistory) {
    openTwoBalls();
    auto drag = [this](QPoint from, QPoint to) {
        window->surfacePressed(Qt::LeftButton, from);
        window->surfaceMoved(to);
        window->surfaceReleased(to);
    };
    drag(QPoint(300, 250), QPoint(350, 250));
    drag(QPoint(350, 250), QPoint(400, 250));
    EXPECT_TRUE(window->isWindowModified());
    action("UndoCommand")->trigger();
    action("UndoCommand")->trigger();
    EXPECT_FALSE(window->isWindowModified());  // back at what was opened
    action("RedoCommand")->trigger();
    EXPECT_TRUE(window->isWindowModified());
    ASSERT_TRUE(window->saveProject());
    EXPECT_FALSE(window->isWindowModified());
    action("RedoCommand")->trigger();
    action("UndoCommand")->trigger();  // back at what was saved: Close asks nothing
    EXPECT_FALSE(window->isWindowModified());
    action("N10")->trigger();
    EXPECT_TRUE(prompts.dialogsShown.empty());
    EXPECT_FALSE(window->projectOpen());
}

TEST_F(HistoryTest, NoStepLeadsWhereTheEditorWouldNotGo) {
    openTwoBalls();
    window->surfacePressed(Qt::LeftButton, QPoint(300, 250));
    window->surfaceMoved(QPoint(330, 250));
    window->surfaceReleased(QPoint(330, 250));
    // An undo in the middle of a two-click placement ends the placement first.
    window->editor().chooseTool(ElementKind::StraightTrack, nullptr);
    click(QPoint(100, 100));
    ASSERT_TRUE(window->editor().state().SecondClickPending);
    action("UndoCommand")->trigger();
    EXPECT_FALSE(window->editor().state().SecondClickPending);
    EXPECT_EQ(window->editor().state().CreationMode, ElementKind::None);
    EXPECT_EQ(window->scene().balls[0].x0, 100.0);
    // A new edit after an undo: what was undone cannot come back. A middle-button
    // drag of many moves is one step.
    QWidget* surface = window->centralWidget();
    QTest::mousePress(surface, Qt::MiddleButton, Qt::NoModifier, QPoint(400, 400));
    for (int x : {410, 420, 430}) {
        QMouseEvent move(QEvent::MouseMove, QPointF(x, 380), surface->mapToGlobal(QPointF(x, 380)), Qt::NoButton,
                         Qt::MiddleButton, Qt::NoModifier);
        QCoreApplication::sendEvent(surface, &move);
    }
    QTest::mouseRelease(surface, Qt::MiddleButton, Qt::NoModifier, QPoint(430, 380));
    EXPECT_FALSE(history().canRedo());
    EXPECT_EQ(history().count(), 1);
    EXPECT_EQ(history().undoText(), "Pan");
    // A run is no step, and the history waits while it goes on.
    action("N35")->trigger();
    for (int i = 0; i < 5; ++i) window->runController().tick();
    EXPECT_FALSE(action("UndoCommand")->isEnabled());
    action("StopCommand")->trigger();
    EXPECT_EQ(history().count(), 1);
    EXPECT_TRUE(action("UndoCommand")->isEnabled());
    // A history past its budget drops its oldest steps and keeps the newest working.
    for (int i = 0; i < 30; ++i) action(i % 2 ? "ZoomOutCommand" : "ZoomInCommand")->trigger();
    window->session().setHistoryBudget(window->session().historyBytes() / 3);
    EXPECT_LT(history().count(), 15);
    EXPECT_GT(history().count(), 0);
    const double scale = window->scene().view.MetresPerPixel;
    action("UndoCommand")->trigger();
    EXPECT_NE(window->scene().view.MetresPerPixel, scale);
    // New and Open start with no history.
    prompts.dialogs.push_back(Press("BitBtn2"));
    action("N2")->trigger();
    EXPECT_EQ(history().count(), 0);
    EXPECT_FALSE(action("UndoCommand")->isEnabled());
}

}  // namespace
}  // namespace mb::test

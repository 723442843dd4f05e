// The creation commands in the menu and on the floating creating panel.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMenu>
#include <QScreen>

#include "editor/creating_panel.h"
#include "editor_fixture.h"

namespace mb::test {
namespace {

class CreatingPanelTest : public EditorTest {
protected:
    CreatingPanel& panel() { return window->creatingPanel(); }
    QAbstractButton* panelButton(const char* name) { return panel().button(name); }
    QStringList downButtons() {
        QStringList down;
        for (QAbstractButton* b : panel().findChildren<QAbstractButton*>())
            if (b->isChecked()) down << b->objectName();
        return down;
    }
};

// The entries of a menu by object name, submenus with their entries in brackets.
QString Tree(QMenu* menu) {
    QStringList parts;
    for (QAction* a : menu->actions()) {
        if (a->isSeparator()) parts << "|";
        else if (a->menu()) parts << a->objectName() + "(" + Tree(a->menu()) + ")";
        else parts << a->objectName();
    }
    return parts.join(" ");
}

TEST_F(CreatingPanelTest, TheEditMenuHoldsTheCreatTreeInItsOrder) {
    openScene();
    EXPECT_EQ(Tree(menu("N7")),
              "UndoCommand RedoCommand | N8 ScaleCommand N9(N12 | N13(N21 N22) N14 N15 N16 N17(N18 N36) N38(N40 N41) N19(N24 N25) N20(N26 N27) | N58) N29 DeleteCommand | "
              "N31 N32 | N44");
    EXPECT_EQ(action("N40")->text(), "&Pensile one moving object");
    EXPECT_EQ(menu("N13")->title(), "&Electric field");
}

TEST_F(CreatingPanelTest, MenuAndPanelSetTheModeAndTheirOwnPrompts) {
    openScene();
    struct Case {
        const char* menuEntry;
        const char* button;
        ElementKind mode;
        const char* menuPrompt;  // null: the prompt before stays
        const char* panelPrompt;
    };
    const Case cases[] = {
        {"N12", "SpeedButton1", ElementKind::Ball, "Please choose the initial approximate palce by the mouse.",
         "Please choose the initial approximate palce by the mouse."},
        {"N16", "SpeedButton7", ElementKind::Damping, "Please choose the damp's field area by the mouse.",
         "Please choose the approximate field area by the mouse."},
        {"N24", "SpeedButton12", ElementKind::HangingSpring, "Please choose the moving object which to be hung by the mouse.",
         "Please Choose the moving object which to be hung by mouse."},
        {"N25", "SpeedButton13", ElementKind::LinkSpring, "Please choose one of the moving object which to be linked.",
         "Choose one of the moving object which to be linked."},
        {"N27", "SpeedButton15", ElementKind::CircularTrack, "Please choose the center of the circular track by the mouse.",
         "Please choose the center place of the circular track by the mouse."},
        {"N41", "SpeedButton10", ElementKind::LinkPole, "Choose one of the moving object which to be linked.",
         "Choose one of the moving object which to be linked."},
        {"N58", "SpeedButton17", ElementKind::Remark, nullptr, "Please choose a place to show the remark."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.menuEntry);
        window->findChild<QLabel*>("StatusPanel1")->setText("before");
        action(c.menuEntry)->trigger();
        EXPECT_EQ(state().CreationMode, c.mode);
        EXPECT_EQ(prompt(), c.menuPrompt ? QString(c.menuPrompt) : QString("before"));
        panelButton("SpeedButton16")->click();
        EXPECT_EQ(state().CreationMode, ElementKind::None);
        panelButton(c.button)->click();
        EXPECT_EQ(state().CreationMode, c.mode);
        EXPECT_EQ(prompt(), c.panelPrompt);
        EXPECT_EQ(downButtons(), QStringList{c.button});
    }
    // A cord tool from the menu leaves no element button down.
    action("N18")->trigger();
    EXPECT_EQ(downButtons(), QStringList{"SpeedButton17"});  // the remark button stays as it was
    action("N14")->trigger();
    EXPECT_EQ(downButtons(), QStringList{"SpeedButton5"});
}

TEST_F(CreatingPanelTest, AfterAPlacementTheSelectionButtonIsDownAgain) {
    openScene();
    panelButton("SpeedButton2")->click();
    acceptNext();
    click({300, 200});
    EXPECT_EQ(state().CreationMode, ElementKind::None);
    EXPECT_EQ(downButtons(), QStringList{"SpeedButton16"});
}

TEST_F(CreatingPanelTest, TheShowCommandPlacesThePanelOnceAndARunHidesIt) {
    openScene();
    QAction* n44 = action("N44");
    EXPECT_TRUE(panel().isVisible());  // opening a project shows it
    EXPECT_TRUE(n44->isChecked());
    EXPECT_EQ(panel().windowTitle(), "Panel");
    EXPECT_TRUE(panel().windowFlags() & Qt::WindowStaysOnTopHint);
    // Placed at the main window's top right corner, as far as the screen allows.
    const QPoint first = panel().pos();
    const QRect frame = window->frameGeometry();
    const QRect room = panel().screen()->availableGeometry();
    EXPECT_EQ(first.y(), frame.top() + 76);
    EXPECT_EQ(first.x(), std::min(frame.left() + frame.width() - 112, room.right() + 1 - panel().frameGeometry().width()));
    EXPECT_TRUE(room.contains(panel().frameGeometry()));

    n44->trigger();  // ticked: hide
    EXPECT_FALSE(panel().isVisible());
    EXPECT_FALSE(n44->isChecked());
    panel().move(first + QPoint(-50, 30));
    n44->trigger();  // shown where the user left it, not placed again
    EXPECT_TRUE(panel().isVisible());
    EXPECT_EQ(panel().pos(), first + QPoint(-50, 30));

    action("N35")->trigger();  // run
    EXPECT_FALSE(panel().isVisible());
    EXPECT_FALSE(n44->isChecked());
    window->runController().stop();
    EXPECT_TRUE(panel().isVisible());
    EXPECT_TRUE(n44->isChecked());

    // Its close box: unticked, and a run's end leaves it hidden.
    panel().close();
    EXPECT_FALSE(n44->isChecked());
    action("N35")->trigger();
    window->runController().stop();
    EXPECT_FALSE(panel().isVisible());
}

}  // namespace
}  // namespace mb::test

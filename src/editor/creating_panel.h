// The creating panel "Panel": a floating tool palette that stays on top, with one
// button per creation tool in a scrollable column. It also shows which tool is in
// force.
#pragma once

#include <QWidget>

#include "scene/scene.h"

class QAbstractButton;
class QButtonGroup;
class QScrollArea;

namespace mb {

struct CreationTool;

class CreatingPanel : public QWidget {
    Q_OBJECT
public:
    explicit CreatingPanel(QWidget* parent = nullptr);

    // Puts down the button of the creation mode; for the modes without an element
    // button of their own (cords, poles, the data ball, remarks) every element
    // button comes up and the selection and remark buttons stay as they are.
    void SyncCreatingPanel(ElementKind mode);

    // "&Show creating panel" while unticked: the first time since the program
    // started the panel goes to the top right of the main window's frame.
    void showByCommand(const QRect& mainFrame);
    // "&Show creating panel" while ticked.
    void hideByCommand();
    // A project opened, or a new project got its origin.
    void showForProject(const QRect& mainFrame) { showByCommand(mainFrame); }
    // A run hides the panel; its end shows it again when the user wants it.
    void hideForRun();
    void showAfterRun();

    bool wanted() const { return shownWanted_; }
    QAbstractButton* button(const QString& name) const;

signals:
    // A button was pressed: the tool it stands for.
    void toolChosen(const CreationTool& tool);
    // The panel went out of sight (its close box, the command or a run).
    void hidden();

protected:
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QButtonGroup* group_;
    bool shownWanted_ = false;  // CreatingPanelShown
    bool placed_ = false;       // CreatingPanelPlaced
};

}  // namespace mb

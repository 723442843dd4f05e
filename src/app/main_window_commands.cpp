// The main window's commands: its actions, menus, tool bar, status bar and the
// run speed control. They are built once, when the window is made; what they
// do lives with the window and the project session.
#include "app/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>
#include <algorithm>
#include <utility>
#include <cmath>

#include "app/crash_recovery.h"
#include "app/experiment_set_dialog.h"
#include "app/help_commands.h"
#include "app/measure_commands.h"
#include "ui/qt_prompts.h"
#include "ui/translate.h"
#include "app/language.h"
#include "app/scale_dialog.h"
#include "app/scene_widget.h"
#include "app/tool_icons.h"
#include "editor/ball_dialog.h"
#include "editor/creating_panel.h"
#include "editor/creation_tools.h"
#include "editor/element_dialogs.h"
#include "editor/element_property_dialogs.h"
#include "editor/parameter_adjust_dialog.h"
#include "scene/element_kinds.h"
#include "editor/remark_dialog.h"
#include "engine/engine.h"
#include "engine/tick_display_pair.h"
#include "view/ball_sprite.h"
#include "view/tick_display.h"

namespace mb {

namespace {
const char* const kSpeedKey = "run/speed";

QAction* NamedAction(QObject* parent, const char* name, const QString& text) {
    auto* a = new QAction(text, parent);
    a->setObjectName(name);
    return a;
}

// Help > Language: the program's own words, English or Chinese. Each language is
// named in itself, so that its readers find it whatever the program speaks now.
// The windows take their words when they are made, so the choice shows from the
// next start.
void AddLanguageMenu(QMenu* help, QSettings& settings, Prompts& prompts) {
    QMenu* menu = help->addMenu(Tr("TForm1", "&Language"));
    menu->setObjectName("LanguageMenu");
    menu->menuAction()->setObjectName("LanguageMenu");
    auto* group = new QActionGroup(menu);
    const Language current = LanguageFor(StoredLanguage(settings), DesktopLocale());
    const struct {
        Language language;
        const char* name;
        QString text;
    } choices[] = {{Language::Own, "LanguageOwn", Tr("TForm1", "The program's own words")},
                   {Language::English, "LanguageEnglish", QStringLiteral("English")},
                   {Language::Chinese, "LanguageChinese", QString::fromUtf8("\u4e2d\u6587")}};
    for (const auto& c : choices) {
        QAction* a = menu->addAction(c.text);
        a->setObjectName(c.name);
        a->setCheckable(true);
        a->setChecked(c.language == current);
        group->addAction(a);
        const Language language = c.language;
        QObject::connect(a, &QAction::triggered, menu, [&settings, &prompts, language] {
            StoreLanguage(settings, language);
            prompts.message(Prompts::Severity::Information,
                            Tr("TForm1", "The program speaks the chosen language from its next start."),
                            Tr("TForm1", "Language"), Prompts::Ok);
        });
    }
}

QMenu* NamedMenu(QMenuBar* bar, const char* name, const QString& title) {
    QMenu* m = bar->addMenu(title);
    m->setObjectName(name);
    m->menuAction()->setObjectName(name);
    return m;
}
}  // namespace

void MainWindow::createActions() {
    newAct_ = NamedAction(this, "N2", Tr("TForm1", "&New project"));
    newAct_->setShortcut(QKeySequence::New);
    newAct_->setToolTip(Tr("TForm1", "new"));
    newAct_->setIcon(MakeToolIcon(ToolIcon::New));
    connect(newAct_, &QAction::triggered, this, &MainWindow::newProject);

    openAct_ = NamedAction(this, "N3", Tr("TForm1", "&Open project"));
    openAct_->setShortcut(QKeySequence::Open);
    openAct_->setToolTip(Tr("TForm1", "open"));
    openAct_->setIcon(MakeToolIcon(ToolIcon::Open));
    connect(openAct_, &QAction::triggered, this, &MainWindow::openProject);

    saveAct_ = NamedAction(this, "N4", Tr("TForm1", "&Save project"));
    saveAct_->setShortcut(QKeySequence::Save);
    saveAct_->setToolTip(Tr("TForm1", "save"));
    saveAct_->setIcon(MakeToolIcon(ToolIcon::Save));
    connect(saveAct_, &QAction::triggered, this, [this] { saveProject(); });

    saveAsAct_ = NamedAction(this, "N5", Tr("TForm1", "Save project &As ..."));
    saveAsAct_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(saveAsAct_, &QAction::triggered, this, [this] { saveProjectAs(); });

    closeAct_ = NamedAction(this, "N10", Tr("TForm1", "&Close"));
    connect(closeAct_, &QAction::triggered, this, &MainWindow::closeProject);

    quitAct_ = NamedAction(this, "N6", Tr("TForm1", "&Quit"));
    quitAct_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(quitAct_, &QAction::triggered, this, &QWidget::close);

    // The history's commands name the step they take back or do again.
    undoAct_ = NamedAction(this, "UndoCommand", Tr("TForm1", "&Undo"));
    undoAct_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    undoAct_->setToolTip(Tr("TForm1", "Undo (Ctrl+Z)"));
    undoAct_->setIcon(QIcon::fromTheme("edit-undo", MakeToolIcon(ToolIcon::Undo)));
    connect(undoAct_, &QAction::triggered, this, &MainWindow::undo);
    redoAct_ = NamedAction(this, "RedoCommand", Tr("TForm1", "&Redo"));
    redoAct_->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    redoAct_->setToolTip(Tr("TForm1", "Redo (Ctrl+Shift+Z)"));
    redoAct_->setIcon(QIcon::fromTheme("edit-redo", MakeToolIcon(ToolIcon::Redo)));
    connect(redoAct_, &QAction::triggered, this, &MainWindow::redo);

    experimentSetAct_ = NamedAction(this, "N8", Tr("TForm1", "&Experiment set...  "));
    experimentSetAct_->setToolTip(Tr("TForm1", "Lab condition set"));
    experimentSetAct_->setIcon(MakeToolIcon(ToolIcon::LabCondition));
    connect(experimentSetAct_, &QAction::triggered, this, &MainWindow::experimentSet);

    scaleAct_ = NamedAction(this, "ScaleCommand", Tr("TForm1", "C&oordinate scale..."));
    connect(scaleAct_, &QAction::triggered, this, &MainWindow::changeScale);

    adjustAct_ = NamedAction(this, "N29", Tr("TForm1", "&Adjust parameter..."));
    adjustAct_->setToolTip(Tr("TForm1", "Adjust experiment component"));
    adjustAct_->setIcon(MakeToolIcon(ToolIcon::Adjust));
    connect(adjustAct_, &QAction::triggered, this, &MainWindow::adjustParameter);

    layBackgroundAct_ = NamedAction(this, "N31", Tr("TForm1", "&Lay background..."));
    connect(layBackgroundAct_, &QAction::triggered, this, &MainWindow::layBackground);
    clearBackgroundAct_ = NamedAction(this, "N32", Tr("TForm1", "Clear &background"));
    connect(clearBackgroundAct_, &QAction::triggered, this, &MainWindow::clearBackground);

    deleteAct_ = NamedAction(this, "DeleteCommand", Tr("TForm1", "&Delete"));
    deleteAct_->setShortcut(QKeySequence::Delete);
    connect(deleteAct_, &QAction::triggered, editor_, &MouseEditor::deleteSelected);

    zoomInAct_ = NamedAction(this, "ZoomInCommand", Tr("TForm1", "Zoom &in"));
    zoomInAct_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus)});
    connect(zoomInAct_, &QAction::triggered, this, [this] { zoomAbout(kZoomStep, surfaceCentre()); });
    zoomOutAct_ = NamedAction(this, "ZoomOutCommand", Tr("TForm1", "Zoom &out"));
    zoomOutAct_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    connect(zoomOutAct_, &QAction::triggered, this, [this] { zoomAbout(1 / kZoomStep, surfaceCentre()); });
    fitAct_ = NamedAction(this, "FitCommand", Tr("TForm1", "&Fit experiment"));
    fitAct_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    connect(fitAct_, &QAction::triggered, this, &MainWindow::fitExperiment);

    showPanelAct_ = NamedAction(this, "N44", Tr("TForm1", "&Show creating panel"));
    showPanelAct_->setCheckable(true);
    connect(showPanelAct_, &QAction::triggered, this, [this](bool ticked) { showCreatingPanel(ticked); });

    // The run's keys work wherever the run is watched from (see runKeyActions);
    // the tool bar's hints name them.
    runAct_ = NamedAction(this, "N35", Tr("TForm1", "&Run experiment"));
    runAct_->setShortcut(Qt::Key_F5);
    runAct_->setToolTip(Tr("TForm1", "Run (F5)"));
    runAct_->setIcon(MakeToolIcon(ToolIcon::Run));
    connect(runAct_, &QAction::triggered, runController_, &RunController::start);

    stopAct_ = NamedAction(this, "StopCommand", Tr("TForm1", "St&op"));
    stopAct_->setShortcut(Qt::Key_Escape);
    stopAct_->setToolTip(Tr("TForm1", "Stop (Esc)"));
    stopAct_->setIcon(MakeToolIcon(ToolIcon::Stop));
    connect(stopAct_, &QAction::triggered, runController_, &RunController::stop);

    pauseAct_ = NamedAction(this, "PauseCommand", Tr("TForm1", "&pause"));
    pauseAct_->setShortcut(Qt::Key_Space);
    pauseAct_->setToolTip(Tr("TForm1", "pause (Space)"));
    pauseAct_->setIcon(MakeToolIcon(ToolIcon::Pause));
    connect(pauseAct_, &QAction::triggered, runController_, &RunController::pause);

    dataOutputAct_ = NamedAction(this, "N37", Tr("TForm1", "&Synchronous data output set"));
    dataOutputAct_->setToolTip(Tr("TForm1", "data out"));
    dataOutputAct_->setIcon(MakeToolIcon(ToolIcon::DataOut));
    connect(dataOutputAct_, &QAction::triggered, this, &MainWindow::dataOutputSet);

    curveAct_ = NamedAction(this, "N39", Tr("TForm1", "&Experiment data curve"));
    curveAct_->setToolTip(Tr("TForm1", "Experiment curve"));
    curveAct_->setIcon(MakeToolIcon(ToolIcon::Curve));
    connect(curveAct_, &QAction::triggered, this, &MainWindow::experimentCurve);

    liveGraphAct_ = NamedAction(this, "LiveGraphCommand", Tr("TForm1", "&Live graph"));
    liveGraphAct_->setToolTip(Tr("TForm1", "Live graph"));
    liveGraphAct_->setIcon(MakeToolIcon(ToolIcon::LiveGraph));
    connect(liveGraphAct_, &QAction::triggered, this, &MainWindow::showLiveGraph);

    stepAct_ = NamedAction(this, "StepCommand", Tr("TForm1", "S&tep"));
    stepAct_->setIconText(Tr("TForm1", "Step"));  // the tool bar shows it without the accelerator
    stepAct_->setToolTip(Tr("TForm1", "Step: one tick of the paused run"));
    connect(stepAct_, &QAction::triggered, runController_, &RunController::step);
    // The window carries the run's commands itself, so their keys work whatever
    // state the menus and the tool bar are in.
    addActions(runKeyActions());

    calculatorAct_ = NamedAction(this, "N46", Tr("TForm1", "&Calculator"));
    calculatorAct_->setToolTip(Tr("TForm1", "calculator"));
    calculatorAct_->setIcon(MakeToolIcon(ToolIcon::Calculator));
    connect(calculatorAct_, &QAction::triggered, help_, &HelpCommands::startCalculator);

    mailAct_ = NamedAction(this, "N48", Tr("TForm1", "&Mail to us"));
    connect(mailAct_, &QAction::triggered, help_, &HelpCommands::mailToUs);
    websiteAct_ = NamedAction(this, "N49", Tr("TForm1", "Visit our &website"));
    connect(websiteAct_, &QAction::triggered, help_, &HelpCommands::visitWebsite);

    howToUseAct_ = NamedAction(this, "N51", Tr("TForm1", "&How to use"));
    connect(howToUseAct_, &QAction::triggered, help_, &HelpCommands::howToUse);
    aboutAct_ = NamedAction(this, "N52", Tr("TForm1", "A&bout the software"));
    connect(aboutAct_, &QAction::triggered, help_, &HelpCommands::aboutSoftware);
}

// View: what is painted over the surface, remembered between sessions (not in
// the project, which stays as other copies of the program read it).
void MainWindow::createViewMenu(QMenuBar* bar) {
    QMenu* view = viewMenu_ = NamedMenu(bar, "ViewMenu", Tr("TForm1", "&View"));
    view->addAction(zoomInAct_);
    view->addAction(zoomOutAct_);
    view->addAction(fitAct_);
    view->addSeparator();
    struct Toggle {
        const char* name;
        const char* text;
        const char* key;
        bool OverlayChoice::*field;
    };
    const Toggle toggles[] = {
        {"VelocityArrows", MB_TRANSLATE_NOOP("TForm1", "&Velocity arrows"), "view/velocityArrows", &OverlayChoice::velocity},
        {"AccelerationArrows", MB_TRANSLATE_NOOP("TForm1", "&Acceleration arrows"), "view/accelerationArrows", &OverlayChoice::acceleration},
        {"BallNames", MB_TRANSLATE_NOOP("TForm1", "&Names"), "view/names", &OverlayChoice::names},
    };
    OverlayChoice choice;
    for (const Toggle& t : toggles) {
        QAction* a = NamedAction(this, t.name, Tr("TForm1", t.text));
        a->setCheckable(true);
        a->setChecked(session_->settings().value(t.key, false).toBool());
        choice.*t.field = a->isChecked();
        connect(a, &QAction::toggled, this, [this, t](bool on) {
            session_->settings().setValue(t.key, on);
            OverlayChoice c = sceneWidget_->overlay();
            c.*t.field = on;
            sceneWidget_->setOverlay(c);
        });
        view->addAction(a);
    }
    sceneWidget_->setOverlaySource([this]() -> const Scene& { return scene(); });
    sceneWidget_->setOverlay(choice);
}

void MainWindow::createMenus() {
    QMenuBar* bar = menuBar();
    fileMenu_ = NamedMenu(bar, "N1", Tr("TForm1", "&File"));
    fileMenu_->addAction(newAct_);
    fileMenu_->addAction(openAct_);
    fileMenu_->addAction(saveAct_);
    fileMenu_->addAction(saveAsAct_);
    fileMenu_->addSeparator();
    examplesMenu_ = fileMenu_->addMenu(Tr("TForm1", "&Examples"));
    examplesMenu_->setObjectName("ExamplesMenu");
    for (const ExampleEntry& e : ListExamples(session_->examplesFolder())) {
        QAction* a = examplesMenu_->addAction(e.title);
        a->setData(e.path);
        a->setStatusTip(QDir::toNativeSeparators(e.path));
        connect(a, &QAction::triggered, this, [this, path = e.path] { openProjectFile(path); });
    }
    examplesMenu_->menuAction()->setEnabled(!examplesMenu_->isEmpty());
    recentMenu_ = fileMenu_->addMenu(Tr("TForm1", "&Recent projects"));
    recentMenu_->setObjectName("RecentMenu");
    recentMenu_->setToolTipsVisible(true);
    rebuildRecentMenu();
    fileMenu_->addSeparator();
    fileMenu_->addAction(closeAct_);
    fileMenu_->addSeparator();
    fileMenu_->addAction(quitAct_);

    editMenu_ = NamedMenu(bar, "N7", Tr("TForm1", "&Edit"));
    editMenu_->addAction(undoAct_);
    editMenu_->addAction(redoAct_);
    editMenu_->addSeparator();
    editMenu_->addAction(experimentSetAct_);
    editMenu_->addAction(scaleAct_);
    BuildCreatMenu(editMenu_, [this](const CreationTool& tool) {
        chooseTool(tool.mode, tool.menuPrompt);
        creatingPanel_->SyncCreatingPanel(tool.mode);
    });
    editMenu_->addAction(adjustAct_);
    editMenu_->addAction(deleteAct_);
    editMenu_->addSeparator();
    editMenu_->addAction(layBackgroundAct_);
    editMenu_->addAction(clearBackgroundAct_);
    editMenu_->addSeparator();
    editMenu_->addAction(showPanelAct_);

    createViewMenu(bar);

    runMenu_ = NamedMenu(bar, "N34", Tr("TForm1", "&Run"));
    runMenu_->addAction(runAct_);
    runMenu_->addAction(pauseAct_);
    runMenu_->addAction(stopAct_);
    runMenu_->addAction(stepAct_);
    runMenu_->addSeparator();
    runMenu_->addMenu(speedMenu_);
    runMenu_->addSeparator();
    runMenu_->addAction(dataOutputAct_);
    runMenu_->addAction(curveAct_);
    runMenu_->addAction(liveGraphAct_);

    toolsMenu_ = NamedMenu(bar, "N45", Tr("TForm1", "&Tools"));
    toolsMenu_->addAction(calculatorAct_);

    netMenu_ = NamedMenu(bar, "N47", Tr("TForm1", "&Net"));
    netMenu_->addAction(mailAct_);
    netMenu_->addAction(websiteAct_);

    helpMenu_ = NamedMenu(bar, "N50", Tr("TForm1", "&Help"));
    helpMenu_->addAction(howToUseAct_);
    AddLanguageMenu(helpMenu_, session_->settings(), *prompts_);
    helpMenu_->addSeparator();
    helpMenu_->addAction(aboutAct_);
}

void MainWindow::createToolBar() {
    toolBar_ = addToolBar("Panel1");
    toolBar_->setObjectName("Panel1");
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setIconSize(QSize(24, 24));
    toolBar_->setContextMenuPolicy(Qt::PreventContextMenu);
    toolBar_->toggleViewAction()->setVisible(false);
    auto button = [this](QAction* action, const char* name) {
        toolBar_->addAction(action);
        QWidget* w = toolBar_->widgetForAction(action);
        w->setObjectName(name);
        w->setToolTip(action->toolTip());
    };
    button(openAct_, "SpeedButton4");
    button(saveAct_, "SpeedButton6");
    button(newAct_, "SpeedButton7");
    toolBar_->addSeparator();
    button(undoAct_, "UndoButton");
    button(redoAct_, "RedoButton");
    toolBar_->addSeparator();
    button(experimentSetAct_, "SpeedButton8");
    button(adjustAct_, "SpeedButton5");
    toolBar_->addSeparator();
    button(runAct_, "SpeedButton1");
    button(stopAct_, "SpeedButton2");
    button(pauseAct_, "SpeedButton3");
    button(stepAct_, "StepButton");
    toolBar_->addWidget(speedButton_);
    toolBar_->addSeparator();
    button(dataOutputAct_, "SpeedButton10");
    button(curveAct_, "SpeedButton11");
    button(liveGraphAct_, "LiveGraphButton");
    toolBar_->addSeparator();
    button(calculatorAct_, "SpeedButton13");
}

void MainWindow::createStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName("StatusBar1");
    bar->setSizeGripEnabled(false);
    statusCoordinate_ = new QLabel(Tr("TForm1", "Coordinate:"), bar);
    statusCoordinate_->setObjectName("StatusPanel0");
    statusCoordinate_->setMinimumWidth(240);
    statusPrompt_ = new QLabel(bar);
    statusPrompt_->setObjectName("StatusPanel1");
    statusPrompt_->setMinimumWidth(50);
    bar->addWidget(statusCoordinate_);
    bar->addWidget(statusPrompt_, 1);
}

void MainWindow::setProjectControls(bool enabled) {
    for (QAction* a : {saveAct_, saveAsAct_, closeAct_, experimentSetAct_, scaleAct_, layBackgroundAct_,
                       clearBackgroundAct_, adjustAct_, runAct_, dataOutputAct_, curveAct_, deleteAct_, zoomInAct_,
                       zoomOutAct_, fitAct_})
        a->setEnabled(enabled);
    editMenu_->menuAction()->setEnabled(enabled);
    runMenu_->menuAction()->setEnabled(enabled);
    updateHistoryCommands();
}

void MainWindow::updateHistoryCommands() {
    const QUndoStack& h = session_->history();
    const bool free = session_->editable() && !runController_->active();
    undoAct_->setEnabled(free && h.canUndo());
    redoAct_->setEnabled(free && h.canRedo());
    undoAct_->setText(h.canUndo() ? Tr("TForm1", "&Undo %1").arg(ShownStepText(h.undoText())) : Tr("TForm1", "&Undo"));
    redoAct_->setText(h.canRedo() ? Tr("TForm1", "&Redo %1").arg(ShownStepText(h.redoText())) : Tr("TForm1", "&Redo"));
}

void MainWindow::setRunControls(bool running) {
    // During a run the menus File, Edit and Help are closed, and with them their
    // shortcuts; the Run menu (pause, Stop, Step, Speed), the tools and the net stay.
    for (QMenu* m : {fileMenu_, editMenu_, helpMenu_}) m->menuAction()->setEnabled(!running);
    for (QAction* a : {newAct_, openAct_, saveAct_, saveAsAct_, closeAct_, quitAct_, experimentSetAct_, scaleAct_,
                       layBackgroundAct_, clearBackgroundAct_, showPanelAct_, adjustAct_, howToUseAct_, aboutAct_,
                       dataOutputAct_, curveAct_, deleteAct_, zoomInAct_, zoomOutAct_, fitAct_})
        a->setEnabled(!running);
    // A run is not an edit: what it moves is no step, and Stop puts it back.
    if (running) {
        session_->record();
        session_->suspend();
    } else {
        session_->rebase();
    }
    sceneWidget_->setEnabled(!running);
    // A run ends any placement under way: the first corner clicked before it must
    // not be where the next click after it places from.
    if (running) editor_->endPlacement();
    // The creating panel steps aside while a run goes on and comes back after it.
    if (running) {
        creatingPanel_->hideForRun();
    } else {
        creatingPanel_->showAfterRun();
        if (creatingPanel_->isVisible()) showPanelAct_->setChecked(true);
    }
    updateRunCommands();
}

void MainWindow::updateRunCommands() {
    // While the data window is open its own buttons drive the run; its pause and
    // restart must not give the main window's back.
    const bool active = runController_->active() && !measures_->dataWindowOpen();
    stopAct_->setEnabled(active);
    pauseAct_->setEnabled(active);
    stepAct_->setEnabled(active && !scene().Running);
    updateHistoryCommands();
}

QList<QAction*> MainWindow::runKeyActions() const { return {runAct_, pauseAct_, stopAct_, stepAct_}; }

void MainWindow::createSpeedControl() {
    speedMenu_ = new QMenu(Tr("TForm1", "Spee&d"), this);
    speedMenu_->setObjectName("SpeedMenu");
    speedGroup_ = new QActionGroup(this);
    speedGroup_->setExclusive(true);
    int count = 0;
    const RunSpeedInfo* speeds = RunSpeeds(&count);
    for (int i = 0; i < count; ++i) {
        QAction* a = speedMenu_->addAction(Tr("TForm1", speeds[i].label));
        a->setObjectName(QString("RunSpeed_") + speeds[i].key);
        a->setCheckable(true);
        a->setData(int(speeds[i].speed));
        speedGroup_->addAction(a);
        connect(a, &QAction::triggered, this, [this, s = speeds[i].speed] { setRunSpeed(s); });
    }
    speedButton_ = new QToolButton(this);
    speedButton_->setObjectName("SpeedControl");
    speedButton_->setMenu(speedMenu_);
    speedButton_->setPopupMode(QToolButton::InstantPopup);
    speedButton_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    speedButton_->setToolTip(Tr("TForm1", "Speed of the run against the wall clock"));
    // As wide as its widest choice: a change of speed must not shift the data and
    // curve buttons that follow it on the tool bar.
    int widest = 0;
    for (int i = 0; i < count; ++i) {
        speedButton_->setText(Tr("TForm1", speeds[i].label));
        widest = std::max(widest, speedButton_->sizeHint().width());
    }
    speedButton_->setMinimumWidth(widest);
    setRunSpeed(RunSpeedFromKey(session_->settings().value(kSpeedKey).toString()));
}

void MainWindow::setRunSpeed(RunSpeed speed) {
    runController_->setSpeed(speed);
    for (QAction* a : speedGroup_->actions()) a->setChecked(a->data().toInt() == int(speed));
    speedButton_->setText(Tr("TForm1", InfoOf(speed).label));
    session_->settings().setValue(kSpeedKey, InfoOf(speed).key);
}

RunSpeed MainWindow::runSpeed() const { return runController_->pace().speed(); }

}  // namespace mb

#include "app/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTimer>
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
// The main window's own words.
const char* const kNoGround = MB_TRANSLATE_NOOP("TForm1", "Can not find ground.bmp");
const char* const kChooseDataBall = MB_TRANSLATE_NOOP("TForm1", "Please choose the moving object which to be shown it's data when runing.");
const char* const kZoomBallTooLarge = MB_TRANSLATE_NOOP("TForm1", "Not zoomed: a ball would be drawn more than 30 pixels wide in radius.");
const char* const kZoomOutOfRange = MB_TRANSLATE_NOOP("TForm1", "Not zoomed: the view can not go further.");
constexpr int kFitMargin = 20;  // pixels left free around a fitted experiment
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

MainWindow::MainWindow(const Options& options) {
    setObjectName("TForm1");
    if (options.prompts) {
        prompts_ = options.prompts;
    } else {
        ownPrompts_ = std::make_unique<QtPrompts>(this);
        prompts_ = ownPrompts_.get();
    }
    DesktopShell* shell = options.shell;
    if (!shell) {
        ownShell_ = std::make_unique<QtDesktopShell>();
        shell = ownShell_.get();
    }
    const QString startDirectory = options.startDirectory.isEmpty() ? QDir::currentPath() : options.startDirectory;
    const QString programDirectory =
        options.programDirectory.isEmpty() ? QCoreApplication::applicationDirPath() : options.programDirectory;
    session_ = new ProjectSession(*prompts_, options.settingsFile, programDirectory, this);
    // Crash recovery: what is unsaved is kept aside as it changes.
    recovery_ = new CrashRecovery(
        options.recoveryFolder,
        [this]() -> std::optional<CrashRecovery::Unsaved> {
            if (!session_->isModified()) return std::nullopt;
            return CrashRecovery::Unsaved{&session_->scene(), session_->path(), session_->namesEncoding()};
        },
        this);
    connect(session_, &ProjectSession::changed, this, &MainWindow::refreshTitle);
    connect(session_, &ProjectSession::recentChanged, this, &MainWindow::rebuildRecentMenu);
    connect(session_, &ProjectSession::restored, this, [this] {
        // The selection may point past what the step left of its table.
        const EditorSelection sel = editor_->selection();
        if (sel.kind != ElementKind::None && sel.index >= ElementCount(scene(), sel.kind)) editor_->forgetSelection();
        resizeView();
    });
    connect(&session_->history(), &QUndoStack::indexChanged, this, &MainWindow::updateHistoryCommands);
    help_ = new HelpCommands(*prompts_, *shell, programDirectory, this);
    setAcceptDrops(true);

    // The main window's font writes the run's time box.
    QFont mainFont("Century Gothic");
    mainFont.setPixelSize(16);
    mainFont.setBold(true);
    mainFont.setItalic(true);
    mainFont.setStyleStrategy(QFont::NoAntialias);
    surface_.fonts().main = mainFont;
    surface_.fonts().mainColour = QColor(255, 255, 0);
    tickDisplay_ = std::make_unique<SurfaceTickDisplay>(surface_);
    runController_ = new RunController(*this, *prompts_, this);
    measures_ = new MeasureCommands(*prompts_, *session_, *runController_, this);
    connect(measures_, &MeasureCommands::dataWindowShown, this, [this] {
        runAct_->setEnabled(false);
        updateRunCommands();
    });
    runDisplay_ = std::make_unique<TickDisplayPair>(tickDisplay_.get(), &measures_->display());
    runController_->setTickDisplay(runDisplay_.get());
    connect(runController_, &RunController::runStateChanged, this, &MainWindow::updateRunCommands);
    // Status panel 1 tells how far a long tick is (nothing is placed during a run).
    connect(runController_, &RunController::tickProgress, this, [this](const QString& t) { setPromptText(t); });

    sceneWidget_ = new SceneWidget(surface_, this);
    setCentralWidget(sceneWidget_);
    connect(sceneWidget_, &SceneWidget::moved, this, &MainWindow::surfaceMoved);
    connect(sceneWidget_, &SceneWidget::pressed, this, &MainWindow::surfacePressed);
    connect(sceneWidget_, &SceneWidget::released, this, &MainWindow::surfaceReleased);
    connect(sceneWidget_, &SceneWidget::resized, this, [this] { resizeView(); });
    connect(sceneWidget_, &SceneWidget::wheelZoomed, this,
            [this](int steps, QPoint at) { zoomAbout(std::pow(kZoomStep, steps), at); });
    connect(sceneWidget_, &SceneWidget::panned, this, &MainWindow::panBy);
    // A middle-button drag is one step, however many moves it took.
    connect(sceneWidget_, &SceneWidget::panEnded, this, [this] {
        if (!std::exchange(panning_, false)) return;
        session_->nameNextStep(MB_TRANSLATE_NOOP("TForm1", "Pan"));
        sceneChanged();
    });

    scaleDialog_ = new ScaleDialog(*prompts_, this);
    experimentSetDialog_ = new ExperimentSetDialog(*prompts_, this);
    dialogs_ = std::make_unique<ElementDialogs>();
    ballDialog_ = new BallDialog(*prompts_, this);
    dialogs_->add(ballDialog_);
    remarkDialog_ = new RemarkDialog(*prompts_, this);
    dialogs_->add(remarkDialog_);
    AddFieldConnectorTrackDialogs(*dialogs_, *prompts_, this);
    parameterAdjust_ = new ParameterAdjustDialog(*dialogs_, *prompts_, this);
    connect(parameterAdjust_, &ParameterAdjustDialog::elementAdjusted, this, &MainWindow::sceneChanged);
    editor_ = new MouseEditor(*this, *dialogs_, this);
    connect(editor_, &MouseEditor::dataBallPicked, this, &MainWindow::dataBallPicked);
    creatingPanel_ = new CreatingPanel(this);
    connect(creatingPanel_, &CreatingPanel::toolChosen, this,
            [this](const CreationTool& tool) { chooseTool(tool.mode, tool.panelPrompt); });
    connect(creatingPanel_, &CreatingPanel::hidden, this, [this] { showPanelAct_->setChecked(false); });

    createActions();
    createSpeedControl();
    createMenus();
    createToolBar();
    createStatusBar();

    if (!session_->loadStartPicture(startDirectory, programDirectory))
        prompts_->warning(Tr("TForm1", kNoGround), Prompts::Ok | Prompts::Cancel);

    // The state of a program with no project.
    setProjectControls(false);
    updateRunCommands();
    ResetScene(scene());
    resizeView();
}

MainWindow::~MainWindow() = default;

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

void MainWindow::applyBackground() {
    if (const QImage* picture = session_->shownPicture())
        surface_.setBackground(*picture);
    else
        surface_.clearBackground();
}

void MainWindow::showChanges() { sceneWidget_->showChanges(); }

void MainWindow::resizeView() {
    applyBackground();
    // The passes measure the grid, the time box and the backdrop test by the main
    // window, which reaches past the surface's visible part at the bottom: a ball
    // half below that edge still keeps its backdrop and leaves no copies behind.
    const int W = width(), H = height();
    const Redraw redraw =
        RedrawFor(session_->phase(), measures_->curveOpen(), runController_->active() && !scene().Running);
    RedrawAs(redraw, surface_, scene(), projectOpen(), W, H, editor_->selection());
    editor_->surfaceRepainted();
    showChanges();
    // Every edit ends with a redraw: what it changed becomes a step.
    sceneChanged();
}

void MainWindow::sceneChanged() {
    if (!panning_) session_->record();
    refreshTitle();
}

void MainWindow::refreshTitle() {
    recovery_->experimentShown();  // crash recovery hook
    setWindowTitle(session_->windowTitle());
    setWindowModified(session_->isModified());
}

void MainWindow::rebuildRecentMenu() {
    FillRecentMenu(*recentMenu_, session_->recent().paths(), [this](const QString& path) { openProjectFile(path); });
}

void MainWindow::syncPhase() {
    editor_->state().ProjectOpen = session_->projectOpen();
    editor_->state().OriginPending = session_->originPending();
    updateHistoryCommands();
}

void MainWindow::newProject() {
    if (projectOpen() && !session_->askToGoOn()) {
        resizeView();
        return;
    }
    editor_->resetTool();
    creatingPanel_->SyncCreatingPanel(ElementKind::None);
    session_->beginNew();
    syncPhase();
    surface_.Clear();
    surface_.ToggleAxes(scene().view.OriginX, scene().view.OriginY);
    statusPrompt_->clear();
    showChanges();
    refreshTitle();
}

QPoint MainWindow::surfaceCentre() const { return sceneWidget_->rect().center(); }

void MainWindow::takeView(const ZoomResult& result, const char* verb) {
    if (!result.ok()) {
        statusPrompt_->setText(Tr("TForm1", result.refusal == ZoomRefusal::BallTooLarge ? kZoomBallTooLarge : kZoomOutOfRange));
        return;
    }
    if (result.view == scene().view) return;
    scene().view = result.view;
    // The balls' pictures follow the new scale; remarks stay on their pixels.
    DeriveEveryBall(scene());
    session_->nameNextStep(verb);
    resizeView();
}

void MainWindow::zoomAbout(double factor, QPoint at) {
    if (!mayRun() || runController_->active()) return;
    takeView(ZoomedView(scene(), factor, {at.x(), at.y()}), MB_TRANSLATE_NOOP("TForm1", "Zoom"));
}

void MainWindow::fitExperiment() {
    if (!mayRun() || runController_->active()) return;
    takeView(FittedView(scene(), sceneWidget_->width(), sceneWidget_->height(), kFitMargin), MB_TRANSLATE_NOOP("TForm1", "Zoom"));
}

void MainWindow::panBy(QPoint by) {
    if (!mayRun() || runController_->active()) return;
    panning_ = true;
    takeView(PannedView(scene(), by.x(), by.y()), MB_TRANSLATE_NOOP("TForm1", "Pan"));
}

void MainWindow::changeScale() {
    if (!mayRun() || runController_->active()) return;
    scaleDialog_->load();
    if (prompts_->exec(*scaleDialog_) != QDialog::Accepted) return;
    // The origin stays where it is on the surface; what the ruler stands for changes.
    const ViewScale& v = scene().view;
    takeView(ZoomedView(scene(), v.MetresPerPixel / scaleDialog_->metresPerPixel(), {v.OriginX, v.OriginY}), MB_TRANSLATE_NOOP("TForm1", "Scale"));
}

void MainWindow::undo() { stepHistory(true); }

void MainWindow::redo() { stepHistory(false); }

void MainWindow::stepHistory(bool back) {
    if (!session_->editable() || runController_->active()) return;
    // A half-done placement belongs to the scene as it was: it ends first.
    editor_->cancelPlacement();
    QUndoStack& h = session_->history();
    back ? h.undo() : h.redo();
}

void MainWindow::surfaceMoved(QPoint at) { editor_->move(at); }

void MainWindow::surfacePressed(Qt::MouseButton button, QPoint at) { editor_->press(button, at); }

void MainWindow::surfaceReleased(QPoint at) { editor_->release(at); }

void MainWindow::setCoordinateText(const QString& text) { statusCoordinate_->setText(text); }

void MainWindow::setPromptText(const QString& text) { statusPrompt_->setText(text); }

void MainWindow::syncCreatingPanel(ElementKind mode) { creatingPanel_->SyncCreatingPanel(mode); }

void MainWindow::originClicked() {
    scaleDialog_->load();
    if (prompts_->exec(*scaleDialog_) == QDialog::Accepted) {
        session_->originSet(scaleDialog_->metresPerPixel());
        syncPhase();
        setProjectControls(true);
        showPanelAct_->setChecked(true);
        creatingPanel_->showForProject(frameGeometry());
    } else {
        // No project is open again: the start folder's picture comes back, as after Close.
        session_->giveUpOrigin();
        syncPhase();
        setProjectControls(false);
    }
    resizeView();
}

void MainWindow::chooseTool(ElementKind mode, const char* prompt) {
    const QString text = prompt ? Tr("TForm1", prompt) : QString();
    editor_->chooseTool(mode, prompt ? &text : nullptr);
}

void MainWindow::showCreatingPanel(bool show) {
    if (show) {
        showPanelAct_->setChecked(true);
        creatingPanel_->showByCommand(frameGeometry());
    } else {
        creatingPanel_->hideByCommand();
    }
    resizeView();
}

bool MainWindow::readyToReplace() {
    if (!projectOpen() || session_->askToGoOn()) return true;
    resizeView();
    return false;
}

void MainWindow::openProject() {
    if (!readyToReplace()) return;
    const QString path = session_->chooseProjectToOpen();
    if (path.isEmpty()) {
        resizeView();
        return;
    }
    loadProject(path);
}

void MainWindow::openProjectFile(const QString& path) {
    // File commands are closed during a run; a file dropped then waits for its end.
    if (runController_->active() || path.isEmpty()) return;
    if (!readyToReplace()) return;
    loadProject(path);
}

bool MainWindow::loadProject(const QString& path, const QString& shownAs) {
    QStringList notes;
    if (!session_->load(path, notes, shownAs)) {
        resizeView();
        return false;
    }
    setProjectControls(true);
    showPanelAct_->setChecked(true);
    creatingPanel_->showForProject(frameGeometry());
    editor_->resetTool();
    syncPhase();
    creatingPanel_->SyncCreatingPanel(ElementKind::None);
    // The first redraw measures the remarks' text: what the files hold is the
    // scene as it stands after it.
    resizeView();
    session_->markSaved();
    if (!notes.isEmpty()) prompts_->warning(notes.join('\n'), Prompts::Ok | Prompts::Cancel);
    return true;
}

void MainWindow::restoreLeftBehind() {
    const std::optional<CrashRecovery::LeftBehind> copy = recovery_->offerLeftBehind(*prompts_);
    if (!copy) return;
    if (loadProject(copy->copyPath, copy->path)) {
        // What was restored is not what its files hold: it shows as unsaved and
        // becomes this program's copy at once.
        session_->markUnsaved();
        recovery_->writeNow();
    }
    recovery_->forget(*copy);
}

bool MainWindow::saveProject() { return session_->save(); }

bool MainWindow::saveProjectAs() { return session_->saveAs(); }

void MainWindow::closeProject() {
    if (!session_->askToGoOn()) {
        resizeView();
        return;
    }
    session_->closeProject();
    setProjectControls(false);
    updateRunCommands();
    editor_->resetTool();
    syncPhase();
    if (showPanelAct_->isChecked()) creatingPanel_->hide();
    resizeView();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (projectOpen() && !session_->askToGoOn()) {
        // The program stays as it was, a half-chosen origin included: the axes are
        // still on the surface and the next press must still open the scale dialog.
        event->ignore();
        return;
    }
    editor_->resetTool();
    creatingPanel_->hide();
    runController_->shutDown();
    recovery_->discard();  // crash recovery hook: a clean end keeps no copy
    event->accept();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // During a run Esc is Stop's shortcut and never arrives here; without one it
    // ends a half-done placement. Windows of their own (the guide) keep their Esc.
    if (event->key() == Qt::Key_Escape && !runController_->active() && editor_->cancelPlacement()) return;
    QMainWindow::keyPressEvent(event);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!runController_->active() && !DroppedProject(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = DroppedProject(event->mimeData());
    if (path.isEmpty() || runController_->active()) return;
    event->acceptProposedAction();
    // The drop ends before the save prompt shows: the dragging program is not
    // kept waiting on a modal box.
    QTimer::singleShot(0, this, [this, path] { openProjectFile(path); });
}

void MainWindow::experimentSet() {
    if (!projectOpen()) return;
    experimentSetDialog_->load(scene().settings);
    if (prompts_->exec(*experimentSetDialog_) == QDialog::Accepted) scene().settings = experimentSetDialog_->settings();
    resizeView();
}

void MainWindow::layBackground() {
    session_->layBackground();
    resizeView();
}

void MainWindow::clearBackground() {
    session_->clearBackground();
    // With the project open this is the full redraw; while a new project's origin is
    // still chosen it keeps the black surface with the axes the pointer moves.
    resizeView();
}

void MainWindow::fullRedraw() {
    applyBackground();
    surface_.FullRedraw(scene());
    showChanges();
    // Every edit ends with a full redraw: the title follows it.
    sceneChanged();
}

void MainWindow::runStarted() {
    if (!measures_->runStarted()) return;
    // However the data window went, the run ends with it.
    if (runController_->active()) runController_->stop();
    runAct_->setEnabled(projectOpen());
    updateRunCommands();
}

void MainWindow::adjustParameter() {
    // A new project still waiting for its origin has no scene to work on yet.
    if (!mayRun() || runController_->active()) return;
    const ElementKind picked = editor_->state().SelectedKind;
    const int count = picked == ElementKind::None ? 0 : ElementCount(scene(), picked);
    parameterAdjust_->run(scene());
    // A Delete there moved the later elements of the selected one's kind down: the
    // selection would outline whichever took its place.
    if (picked != ElementKind::None && ElementCount(scene(), picked) != count) editor_->forgetSelection();
    // Parameter adjust leaves the redraw to its caller: one, after the window closes.
    resizeView();
}

void MainWindow::dataOutputSet() {
    // A new project still waiting for its origin has no scene to work on yet.
    if (!mayRun() || runController_->active()) return;
    // The next press on the surface picks the ball; the editor reports it.
    const QString prompt = Tr("TForm1", kChooseDataBall);
    editor_->chooseTool(ElementKind::DataBallPick, &prompt);
}

void MainWindow::dataBallPicked(int ball) {
    measures_->editDataBall(ball);
    resizeView();
}

void MainWindow::experimentCurve() {
    // A new project still waiting for its origin has no scene to work on yet.
    if (!mayRun() || runController_->active()) return;
    measures_->experimentCurve();
    // The computation left the balls where it stopped; the full redraw puts them back.
    resizeView();
}

void MainWindow::showLiveGraph() { measures_->showLiveGraph(); }

void MainWindow::runRepaint() { surface_.RunRepaint(scene()); }

}  // namespace mb

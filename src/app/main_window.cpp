#include "app/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <algorithm>
#include <cmath>

#include "app/about_dialog.h"
#include "app/crash_recovery.h"
#include "app/experiment_set_dialog.h"
#include "ui/number_text.h"
#include "ui/qt_prompts.h"
#include "ui/translate.h"
#include "app/help_window.h"
#include "app/language.h"
#include "app/resource_paths.h"
#include "app/save_prompt_dialog.h"
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
#include "io/project_file.h"
#include "measure/curve_window.h"
#include "measure/data_ball_dialog.h"
#include "measure/data_window.h"
#include "measure/live_graph_window.h"
#include "view/ball_sprite.h"
#include "view/tick_display.h"

namespace mb {

namespace {
// The main window's own words.
const char* const kCaption = "Motionbench Ver1.0";
const char* const kNoGround = "Can not find ground.bmp";
const char* const kCannotOpen = "Can not open this file ,please check you system.";
const char* const kProjectFilter = "(lab file *.kmx) (*.kmx)";
const char* const kGroundFile = "ground.bmp";
const char* const kChooseDataBall = "Please choose the moving object which to be shown it's data when runing.";
const char* const kZoomBallTooLarge = "Not zoomed: a ball would be drawn more than 30 pixels wide in radius.";
const char* const kZoomOutOfRange = "Not zoomed: the view can not go further.";
constexpr int kFitMargin = 20;  // pixels left free around a fitted experiment
const char* const kSpeedKey = "run/speed";
const char* const kLastFolderKey = "files/lastFolder";

// The user's documents, where a file chooser starts when nothing better is known.
QString DocumentsFolder() {
    const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!docs.isEmpty() && QDir(docs).exists()) return docs;
    return QDir::homePath();
}

// The first project file among dropped things.
QString DroppedProject(const QMimeData* data) {
    if (!data || !data->hasUrls()) return {};
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile()) continue;
        const QString path = url.toLocalFile();
        if (QFileInfo(path).suffix().compare("kmx", Qt::CaseInsensitive) == 0) return path;
    }
    return {};
}

// Remark slots start with the font of the hidden memo: white, 15 pixels high,
// the GB2312 character set, no style.
void GiveRemarksDefaultFont(Scene& scene) {
    for (Remark& r : scene.remarks) {
        r.charset = 134;
        r.fontColour = PackColour(255, 255, 255);
        r.fontHeight = 15;
        r.pitch = 0;
        r.fontSize = 11;
        r.style = 0;
        r.fontName = "宋体";
    }
}

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

const QStringList& MainWindow::calculatorPrograms() {
    static const QStringList programs{"gnome-calculator", "kcalc", "galculator", "qalculate-gtk", "xcalc"};
    return programs;
}

MainWindow::MainWindow(const Options& options) : scene_(std::make_unique<Scene>()) {
    setObjectName("TForm1");
    setWindowTitle(kCaption);
    if (options.prompts) {
        prompts_ = options.prompts;
    } else {
        ownPrompts_ = std::make_unique<QtPrompts>(this);
        prompts_ = ownPrompts_.get();
    }
    if (options.shell) {
        shell_ = options.shell;
    } else {
        ownShell_ = std::make_unique<QtDesktopShell>();
        shell_ = ownShell_.get();
    }
    startDirectory_ = options.startDirectory.isEmpty() ? QDir::currentPath() : options.startDirectory;
    programDirectory_ =
        options.programDirectory.isEmpty() ? QCoreApplication::applicationDirPath() : options.programDirectory;
    settings_ = options.settingsFile.isEmpty()
                    ? std::make_unique<QSettings>("Motionbench", "Motionbench")
                    : std::make_unique<QSettings>(options.settingsFile, QSettings::IniFormat);
    lastFolder_ = settings_->value(kLastFolderKey).toString();
    if (lastFolder_.isEmpty() || !QDir(lastFolder_).exists()) lastFolder_ = DocumentsFolder();
    recent_.load(*settings_);
    examplesFolder_ = ExamplesFolder(programDirectory_);
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
    dataWindow_ = new DataWindow(*prompts_, this);
    liveGraph_ = new LiveGraphWindow(*prompts_, this);
    measureDisplay_ = std::make_unique<TickDisplayPair>(dataWindow_, liveGraph_);
    runDisplay_ = std::make_unique<TickDisplayPair>(tickDisplay_.get(), measureDisplay_.get());
    runController_ = new RunController(*this, *prompts_, this);
    runController_->setTickDisplay(runDisplay_.get());
    connect(runController_, &RunController::runStateChanged, this, &MainWindow::updateRunCommands);
    // Status panel 1 tells how far a long tick is (nothing is placed during a run).
    connect(runController_, &RunController::tickProgress, this, [this](const QString& t) { setPromptText(t); });
    dataWindow_->setRunCommands(runController_);
    dataBallDialog_ = new DataBallDialog(*prompts_, this);
    curveWindow_ = new CurveWindow(*prompts_, this);

    sceneWidget_ = new SceneWidget(surface_, this);
    setCentralWidget(sceneWidget_);
    connect(sceneWidget_, &SceneWidget::moved, this, &MainWindow::surfaceMoved);
    connect(sceneWidget_, &SceneWidget::pressed, this, &MainWindow::surfacePressed);
    connect(sceneWidget_, &SceneWidget::released, this, &MainWindow::surfaceReleased);
    connect(sceneWidget_, &SceneWidget::resized, this, [this] { resizeView(); });
    connect(sceneWidget_, &SceneWidget::wheelZoomed, this,
            [this](int steps, QPoint at) { zoomAbout(std::pow(kZoomStep, steps), at); });
    connect(sceneWidget_, &SceneWidget::panned, this, &MainWindow::panBy);

    savePrompt_ = new SavePromptDialog(this);
    scaleDialog_ = new ScaleDialog(*prompts_, this);
    experimentSetDialog_ = new ExperimentSetDialog(*prompts_, this);
    aboutBox_ = new AboutDialog(this);
    dialogs_ = std::make_unique<ElementDialogs>();
    ballDialog_ = new BallDialog(*prompts_, this);
    dialogs_->add(ballDialog_);
    remarkDialog_ = new RemarkDialog(*prompts_, this);
    dialogs_->add(remarkDialog_);
    AddFieldConnectorTrackDialogs(*dialogs_, *prompts_, this);
    parameterAdjust_ = new ParameterAdjustDialog(*dialogs_, *prompts_, this);
    connect(parameterAdjust_, &ParameterAdjustDialog::elementAdjusted, this, &MainWindow::refreshTitle);
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

    GiveRemarksDefaultFont(*scene_);
    loadStartBackground();

    // Crash recovery: what is unsaved is kept aside as it changes.
    recovery_ = new CrashRecovery(
        options.recoveryFolder,
        [this]() -> std::optional<CrashRecovery::Unsaved> {
            if (!isModified()) return std::nullopt;
            return CrashRecovery::Unsaved{scene_.get(), projectPath_, namesEncoding_};
        },
        this);

    // The state of a program with no project.
    setProjectControls(false);
    updateRunCommands();
    resetProject();
    backgroundShown_ = true;
    resizeView();
}

MainWindow::~MainWindow() = default;

void MainWindow::loadStartBackground() {
    // The start folder's picture wins; the copy beside the program is the fallback,
    // so a program started from anywhere still has its default background.
    QImage picture;
    for (const QString& folder : QStringList{startDirectory_} + DataFolders(programDirectory_)) {
        if (picture.load(QDir(folder).filePath(kGroundFile))) break;
    }
    if (picture.isNull()) prompts_->warning(kNoGround, Prompts::Ok | Prompts::Cancel);
    startPicture_ = picture.convertToFormat(QImage::Format_RGB32);
    backgroundPicture_ = startPicture_;
}

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

    experimentSetAct_ = NamedAction(this, "N8", Tr("TForm1", "&Experiment set...  "));
    experimentSetAct_->setToolTip(Tr("TForm1", "Lab condition set"));
    experimentSetAct_->setIcon(MakeToolIcon(ToolIcon::LabCondition));
    connect(experimentSetAct_, &QAction::triggered, this, &MainWindow::experimentSet);

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
    connect(calculatorAct_, &QAction::triggered, this, &MainWindow::startCalculator);

    mailAct_ = NamedAction(this, "N48", Tr("TForm1", "&Mail to us"));
    connect(mailAct_, &QAction::triggered, this, &MainWindow::mailToUs);
    websiteAct_ = NamedAction(this, "N49", Tr("TForm1", "Visit our &website"));
    connect(websiteAct_, &QAction::triggered, this, &MainWindow::visitWebsite);

    howToUseAct_ = NamedAction(this, "N51", Tr("TForm1", "&How to use"));
    connect(howToUseAct_, &QAction::triggered, this, &MainWindow::howToUse);
    aboutAct_ = NamedAction(this, "N52", Tr("TForm1", "A&bout the software"));
    connect(aboutAct_, &QAction::triggered, this, &MainWindow::aboutSoftware);
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
        a->setChecked(settings_->value(t.key, false).toBool());
        choice.*t.field = a->isChecked();
        connect(a, &QAction::toggled, this, [this, t](bool on) {
            settings_->setValue(t.key, on);
            OverlayChoice c = sceneWidget_->overlay();
            c.*t.field = on;
            sceneWidget_->setOverlay(c);
        });
        view->addAction(a);
    }
    sceneWidget_->setOverlaySource([this]() -> const Scene& { return *scene_; });
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
    for (const ExampleEntry& e : ListExamples(examplesFolder_)) {
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
    editMenu_->addAction(experimentSetAct_);
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
    AddLanguageMenu(helpMenu_, *settings_, *prompts_);
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
    for (QAction* a : {saveAct_, saveAsAct_, closeAct_, experimentSetAct_, layBackgroundAct_, clearBackgroundAct_,
                       adjustAct_, runAct_, dataOutputAct_, curveAct_, deleteAct_, zoomInAct_, zoomOutAct_, fitAct_})
        a->setEnabled(enabled);
    editMenu_->menuAction()->setEnabled(enabled);
    runMenu_->menuAction()->setEnabled(enabled);
}

void MainWindow::setRunControls(bool running) {
    // During a run the menus File, Edit and Help are closed, and with them their
    // shortcuts; the Run menu (pause, Stop, Step, Speed), the tools and the net stay.
    for (QMenu* m : {fileMenu_, editMenu_, helpMenu_}) m->menuAction()->setEnabled(!running);
    for (QAction* a : {newAct_, openAct_, saveAct_, saveAsAct_, closeAct_, quitAct_, experimentSetAct_,
                       layBackgroundAct_, clearBackgroundAct_, showPanelAct_, adjustAct_, howToUseAct_, aboutAct_,
                       dataOutputAct_, curveAct_, deleteAct_, zoomInAct_, zoomOutAct_, fitAct_})
        a->setEnabled(!running);
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
    const bool active = runController_->active() && !dataWindowOpen_;
    stopAct_->setEnabled(active);
    pauseAct_->setEnabled(active);
    stepAct_->setEnabled(active && !scene_->Running);
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
    setRunSpeed(RunSpeedFromKey(settings_->value(kSpeedKey).toString()));
}

void MainWindow::setRunSpeed(RunSpeed speed) {
    runController_->setSpeed(speed);
    for (QAction* a : speedGroup_->actions()) a->setChecked(a->data().toInt() == int(speed));
    speedButton_->setText(Tr("TForm1", InfoOf(speed).label));
    settings_->setValue(kSpeedKey, InfoOf(speed).key);
}

RunSpeed MainWindow::runSpeed() const { return runController_->pace().speed(); }

void MainWindow::resetProject() {
    ResetScene(*scene_);
    namesEncoding_ = NamesEncoding::Utf8;
    backgroundShown_ = false;
}

void MainWindow::applyBackground() {
    // With no project open the surface shows the picture whether or not it is
    // laid under a scene.
    if (backgroundShown_ || !projectOpen())
        surface_.setBackground(backgroundPicture_);
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
    if (originPending()) {
        // While the origin is chosen the surface is black with the XOR axes; a
        // repaint must leave exactly one pair of them for the next move to erase.
        surface_.setWindowSize(W, H);
        surface_.Clear();
        surface_.ToggleAxes(scene_->view.OriginX, scene_->view.OriginY);
    } else if (curveWindow_->isVisible()) {
        // The curve window computes with the balls of this scene: a full redraw
        // would put them back to their start in the middle of its computation.
        // The static scene only; closing the window redraws everything.
        surface_.setWindowSize(W, H);
        surface_.StaticRedraw(*scene_);
    } else if (runController_->active() && !scene_->Running) {
        // A paused or halted run keeps its balls where they stand: repaint them
        // there instead of the full redraw that would put them back to the start.
        surface_.setWindowSize(W, H);
        surface_.RunRepaint(*scene_);
        scene_->RedrawPending = 0;
    } else {
        ResizeView(surface_, *scene_, projectOpen(), W, H, editor_->selection());
    }
    editor_->surfaceRepainted();
    showChanges();
    refreshTitle();
}

bool MainWindow::isModified() const {
    if (!projectOpen() || originPending()) return false;
    return changes_.differs(*scene_);
}

void MainWindow::sceneChanged() { refreshTitle(); }

void MainWindow::refreshTitle() {
    recovery_->experimentShown();  // crash recovery hook
    if (!projectOpen() && !originPending()) {
        setWindowModified(false);
        setWindowTitle(kCaption);
        return;
    }
    const QString name = projectPath_.isEmpty() ? QString("Untitled") : QFileInfo(projectPath_).fileName();
    setWindowTitle(name + QString::fromUtf8("[*] \u2014 Motionbench"));
    setWindowModified(isModified());
}

bool MainWindow::isExample() const { return PathInFolder(projectPath_, examplesFolder_); }

void MainWindow::rememberProject(const QString& path) {
    recent_.add(path);
    recent_.save(*settings_);
    rebuildRecentMenu();
}

void MainWindow::rebuildRecentMenu() {
    recentMenu_->clear();
    const QStringList& paths = recent_.paths();
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const QString& path = paths[i];
        QString text = QString("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName());
        // Two projects of the same name are told apart by their folders.
        for (qsizetype j = 0; j < paths.size(); ++j)
            if (j != i && QFileInfo(paths[j]).fileName() == QFileInfo(path).fileName()) {
                text += "  (" + QDir::toNativeSeparators(QFileInfo(path).absolutePath()) + ")";
                break;
            }
        QAction* a = recentMenu_->addAction(text);
        a->setData(path);
        a->setToolTip(QDir::toNativeSeparators(path));
        a->setStatusTip(QDir::toNativeSeparators(path));
        connect(a, &QAction::triggered, this, [this, path] { openProjectFile(path); });
    }
    recentMenu_->menuAction()->setEnabled(!paths.isEmpty());
}

bool MainWindow::askToGoOn() {
    if (!isModified()) return true;  // nothing to lose: go on as "&No" does, without asking
    savePrompt_->load();
    prompts_->exec(*savePrompt_);
    switch (savePrompt_->answer()) {
        case SavePromptDialog::Yes:
            // The experiment must be saved before it goes: a cancelled or failed
            // save stops the command.
            return saveProject();
        case SavePromptDialog::No: return true;
        case SavePromptDialog::Cancel:
        case SavePromptDialog::NoAnswer: break;  // closed by its close box: nothing goes on
    }
    return false;
}

void MainWindow::newProject() {
    if (projectOpen()) {
        if (!askToGoOn()) {
            resizeView();
            return;
        }
        // The project stays open in name while its new origin is chosen.
        editor_->resetTool();
        creatingPanel_->SyncCreatingPanel(ElementKind::None);
        editor_->state().OriginPending = true;
        projectPath_.clear();
        resetProject();
        scene_->settings.AccurateStep = 1;  // new experiments run the accurate step
        surface_.Clear();
        surface_.ToggleAxes(scene_->view.OriginX, scene_->view.OriginY);
    } else {
        surface_.Clear();
        projectPath_.clear();
        resetProject();
        scene_->settings.AccurateStep = 1;
        scene_->settings.ShowCoordinate = 1;
        editor_->state().OriginPending = true;
        scene_->view.OriginX = 100;
        scene_->view.OriginY = 100;
        surface_.ToggleAxes(scene_->view.OriginX, scene_->view.OriginY);
    }
    statusPrompt_->clear();
    showChanges();
    refreshTitle();
}

QPoint MainWindow::surfaceCentre() const { return sceneWidget_->rect().center(); }

bool MainWindow::takeView(const ZoomResult& result) {
    if (!result.ok()) {
        statusPrompt_->setText(result.refusal == ZoomRefusal::BallTooLarge ? kZoomBallTooLarge : kZoomOutOfRange);
        return false;
    }
    if (result.view.MetresPerPixel == scene_->view.MetresPerPixel && result.view.OriginX == scene_->view.OriginX &&
        result.view.OriginY == scene_->view.OriginY)
        return false;
    scene_->view = result.view;
    // The balls' pictures follow the new scale; remarks stay on their pixels.
    DeriveEveryBall(*scene_);
    resizeView();
    return true;
}

void MainWindow::zoomAbout(double factor, QPoint at) {
    if (!mayRun() || runController_->active()) return;
    takeView(ZoomedView(*scene_, factor, {at.x(), at.y()}));
}

void MainWindow::fitExperiment() {
    if (!mayRun() || runController_->active()) return;
    takeView(FittedView(*scene_, sceneWidget_->width(), sceneWidget_->height(), kFitMargin));
}

void MainWindow::panBy(QPoint by) {
    if (!mayRun() || runController_->active()) return;
    takeView(PannedView(*scene_, by.x(), by.y()));
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
        scene_->view.MetresPerPixel = scaleDialog_->metresPerPixel();
        // A new project with nothing in it yet has nothing to lose.
        changes_.markSaved(*scene_);
        editor_->state().ProjectOpen = true;
        setProjectControls(true);
        showPanelAct_->setChecked(true);
        creatingPanel_->showForProject(frameGeometry());
    } else {
        editor_->state().ProjectOpen = false;
        editor_->state().OriginPending = false;
        projectPath_.clear();
        setProjectControls(false);
        // No project is open again: the start folder's picture comes back, as after Close.
        backgroundPicture_ = startPicture_;
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
    if (!projectOpen()) return true;
    if (!askToGoOn()) {
        resizeView();
        return false;
    }
    editor_->state().OriginPending = false;
    return true;
}

void MainWindow::openProject() {
    if (!readyToReplace()) return;
    const QString path = prompts_->openFile("open experiment", lastFolder_, kProjectFilter);
    if (path.isEmpty()) {
        resizeView();
        return;
    }
    lastFolder_ = QFileInfo(path).absolutePath();
    settings_->setValue(kLastFolderKey, lastFolder_);
    loadProject(path);
}

void MainWindow::openProjectFile(const QString& path) {
    // File commands are closed during a run; a file dropped then waits for its end.
    if (runController_->active() || path.isEmpty()) return;
    if (!readyToReplace()) return;
    loadProject(path);
}

bool MainWindow::loadProject(const QString& path, const QString& shownAs) {
    const QString folder = shownAs.isEmpty() ? QString() : QFileInfo(shownAs).absolutePath();

    ReadResult read;
    try {
        read = ReadProject(QFile::encodeName(path).toStdString(), *scene_);
    } catch (const std::exception& e) {  // out of memory, nothing else is thrown
        read.ok = false;
        read.error = e.what();
    }
    if (!read.ok) {
        // The open experiment and its path stay as they were.
        const QString why = read.cannotOpen ? QString(kCannotOpen) : QString::fromStdString(read.error);
        if (read.cannotOpen && recent_.paths().contains(QFileInfo(path).absoluteFilePath())) {
            // A recent project that is gone leaves the list.
            recent_.remove(path);
            recent_.save(*settings_);
            rebuildRecentMenu();
        }
        prompts_->warning(why, Prompts::Ok | Prompts::Cancel);
        resizeView();
        return false;
    }
    setProjectControls(true);
    resetProject();
    scene_ = std::move(read.scene);
    namesEncoding_ = read.namesEncoding;
    projectPath_ = shownAs.isEmpty() ? QString() : QFileInfo(shownAs).absoluteFilePath();

    QImage picture;
    backgroundShown_ = !folder.isEmpty() && picture.load(QDir(folder).filePath(kGroundFile));
    backgroundPicture_ = picture.convertToFormat(QImage::Format_RGB32);

    // The reader has already said what it found wrong with a ball; the pictures
    // only need drawing.
    DeriveEveryBall(*scene_);
    if (!projectPath_.isEmpty()) rememberProject(projectPath_);
    QStringList notes;
    for (const std::string& w : read.warnings) notes << QString::fromStdString(w);
    showPanelAct_->setChecked(true);
    creatingPanel_->showForProject(frameGeometry());
    editor_->resetTool();
    editor_->state().ProjectOpen = true;
    editor_->state().OriginPending = false;
    creatingPanel_->SyncCreatingPanel(ElementKind::None);
    // The first redraw measures the remarks' text: what the files hold is the
    // scene as it stands after it.
    resizeView();
    changes_.markSaved(*scene_);
    refreshTitle();
    if (!notes.isEmpty()) prompts_->warning(notes.join('\n'), Prompts::Ok | Prompts::Cancel);
    return true;
}

void MainWindow::restoreLeftBehind() {
    const std::optional<CrashRecovery::LeftBehind> copy = recovery_->offerLeftBehind(*prompts_);
    if (!copy) return;
    if (loadProject(copy->copyPath, copy->path)) {
        // What was restored is not what its files hold: it shows as unsaved and
        // becomes this program's copy at once.
        changes_ = ChangeTracker{};
        refreshTitle();
        recovery_->writeNow();
    }
    recovery_->forget(*copy);
}

bool MainWindow::writeProjectTo(const QString& path) {
    WriteResult r;
    try {
        r = WriteProject(*scene_, QFile::encodeName(path).toStdString(), namesEncoding_);
    } catch (const std::exception& e) {
        r.ok = false;
        r.error = e.what();
    }
    if (r.ok) {
        changes_.markSaved(*scene_);
        return true;
    }
    prompts_->warning("The experiment could not be saved to " + path + ":\n" + QString::fromStdString(r.error) +
                          "\nThe files that were there are unchanged.",
                      Prompts::Ok | Prompts::Cancel);
    return false;
}

bool MainWindow::saveProject() {
    // A project that was never saved has no file yet: ask for one. A shipped
    // example is saved as a copy elsewhere, never over the program's own file.
    if (projectPath_.isEmpty() || isExample()) return saveProjectAs();
    if (!writeProjectTo(projectPath_)) return false;
    rememberProject(projectPath_);
    refreshTitle();
    return true;
}

bool MainWindow::saveProjectAs() {
    const QString startIn = isExample() ? DocumentsFolder() : lastFolder_;
    QString path = prompts_->saveFile("save experiment", startIn, kProjectFilter, "kmx");
    if (path.isEmpty()) return false;
    if (QFileInfo(path).suffix().isEmpty()) path += ".kmx";
    if (!writeProjectTo(path)) return false;
    projectPath_ = QFileInfo(path).absoluteFilePath();
    lastFolder_ = QFileInfo(path).absolutePath();
    settings_->setValue(kLastFolderKey, lastFolder_);
    rememberProject(projectPath_);
    refreshTitle();
    return true;
}

void MainWindow::closeProject() {
    if (!askToGoOn()) {
        resizeView();
        return;
    }
    setProjectControls(false);
    updateRunCommands();
    projectPath_.clear();
    resetProject();
    editor_->resetTool();
    editor_->state().ProjectOpen = false;
    editor_->state().OriginPending = false;
    if (showPanelAct_->isChecked()) creatingPanel_->hide();
    // The start folder's picture comes back once no project is open.
    backgroundPicture_ = startPicture_;
    resizeView();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (projectOpen() && !askToGoOn()) {
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
    experimentSetDialog_->load(scene_->settings);
    if (prompts_->exec(*experimentSetDialog_) == QDialog::Accepted) scene_->settings = experimentSetDialog_->settings();
    resizeView();
}

void MainWindow::layBackground() {
    const QString path = prompts_->openPicture("lay background", lastFolder_);
    if (!path.isEmpty()) {
        backgroundShown_ = true;
        changes_.backgroundChanged();
        QImage picture;
        if (picture.load(path))
            backgroundPicture_ = picture.convertToFormat(QImage::Format_RGB32);
        else
            prompts_->warning("Can not read the picture " + path, Prompts::Ok | Prompts::Cancel);
    }
    resizeView();
}

void MainWindow::clearBackground() {
    if (backgroundShown_ && projectOpen() && !originPending()) changes_.backgroundChanged();
    backgroundShown_ = false;
    // With the project open this is the full redraw; while a new project's origin is
    // still chosen it keeps the black surface with the axes the pointer moves.
    resizeView();
}

void MainWindow::fullRedraw() {
    applyBackground();
    surface_.FullRedraw(*scene_);
    showChanges();
    // Every edit ends with a full redraw: the title follows it.
    refreshTitle();
}

void MainWindow::runStarted() {
    Scene& s = *scene_;
    liveGraph_->beginRun(s);
    if (s.SelectedBall < 0 || s.SelectedBall >= s.balls.count()) return;
    // The data window drives the run from here on; the main run buttons wait.
    dataWindowOpen_ = true;
    runAct_->setEnabled(false);
    updateRunCommands();
    dataWindow_->setStartFolder(measureFolder());
    dataWindow_->load(s);
    prompts_->exec(*dataWindow_);
    dataWindowOpen_ = false;
    // However the window went, the run ends with it.
    if (runController_->active()) runController_->stop();
    runAct_->setEnabled(projectOpen());
    updateRunCommands();
}

void MainWindow::adjustParameter() {
    // A new project still waiting for its origin has no scene to work on yet.
    if (!mayRun() || runController_->active()) return;
    const ElementKind picked = editor_->state().SelectedKind;
    const int count = picked == ElementKind::None ? 0 : ElementCount(*scene_, picked);
    parameterAdjust_->run(*scene_);
    // A Delete there moved the later elements of the selected one's kind down: the
    // selection would outline whichever took its place.
    if (picked != ElementKind::None && ElementCount(*scene_, picked) != count) editor_->forgetSelection();
    // Parameter adjust leaves the redraw to its caller: one, after the window closes.
    resizeView();
}

QString MainWindow::measureFolder() const {
    // Graphs and numbers go beside the project, never into the shipped examples.
    if (projectPath_.isEmpty() || isExample()) return lastFolder_;
    return QFileInfo(projectPath_).absolutePath();
}

void MainWindow::dataOutputSet() {
    // A new project still waiting for its origin has no scene to work on yet.
    if (!mayRun() || runController_->active()) return;
    // The next press on the surface picks the ball; the editor reports it.
    const QString prompt = QString::fromUtf8(kChooseDataBall);
    editor_->chooseTool(ElementKind::DataBallPick, &prompt);
}

void MainWindow::dataBallPicked(int ball) {
    dataBallDialog_->edit(*scene_, ball);
    resizeView();
}

void MainWindow::experimentCurve() {
    // A new project still waiting for its origin has no scene to work on yet.
    if (!mayRun() || runController_->active()) return;
    curveWindow_->setStartFolder(measureFolder());
    curveWindow_->load(*scene_);
    prompts_->exec(*curveWindow_);
    // The computation left the balls where it stopped; the full redraw puts them back.
    resizeView();
}

void MainWindow::showLiveGraph() {
    // Not modal: the run commands of this window go on working beside it.
    liveGraph_->setStartFolder(measureFolder());
    if (!runController_->active()) liveGraph_->load(*scene_);
    liveGraph_->show();
    liveGraph_->raise();
    liveGraph_->activateWindow();
}

void MainWindow::runRepaint() { surface_.RunRepaint(*scene_); }

void MainWindow::howToUse() {
    const QString guide = UserGuidePath(programDirectory_);
    if (shell_->openUrl(QUrl::fromLocalFile(guide).toString())) return;
    // No program of the desktop took the guide: show it in our own window, offline.
    if (!helpWindow_) {
        helpWindow_ = new HelpWindow(this);
        connect(helpWindow_, &HelpWindow::externalLinkRequested, this,
                [this](const QUrl& url) { openAddress(url.toString()); });
    }
    helpWindow_->showGuide(guide);
}

void MainWindow::openAddress(const QString& address) {
    if (shell_->openUrl(address)) return;
    // Without a mail program or browser the address is still worth having.
    if (!addressBox_) addressBox_ = new AddressDialog(this);
    addressBox_->setAddress(address);
    prompts_->exec(*addressBox_);
}

void MainWindow::startCalculator() {
    for (const QString& name : calculatorPrograms()) {
        const QString program = shell_->findProgram(name);
        if (program.isEmpty()) continue;
        shell_->startProgram(program);  // a calculator that fails to start is not our error
        return;
    }
}

void MainWindow::mailToUs() { openAddress(kMailAddress); }

void MainWindow::visitWebsite() { openAddress(kWebAddress); }

void MainWindow::aboutSoftware() { prompts_->exec(*aboutBox_); }

}  // namespace mb

#include "app/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

#include "app/about_dialog.h"
#include "app/experiment_set_dialog.h"
#include "app/number_text.h"
#include "app/qt_prompts.h"
#include "app/save_prompt_dialog.h"
#include "app/scale_dialog.h"
#include "app/scene_widget.h"
#include "app/tool_icons.h"
#include "engine/engine.h"
#include "io/project_file.h"
#include "view/ball_sprite.h"
#include "view/tick_display.h"

namespace mb {

namespace {
// The main window's own words.
const char* const kCaption = "Motionbench Ver1.0";
const char* const kWarning = "warning";
const char* const kNoGround = "Can not find ground.bmp";
const char* const kCannotOpen = "Can not open this file ,please check you system.";
const char* const kOverflow =
    "Found one of the moving object has overflow the area can be controled,and it will result in error.Please "
    "reduce the step time,and try the experiment again.";
const char* const kProjectFilter = "(lab file *.kmx) (*.kmx)";
const char* const kGroundFile = "ground.bmp";

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
    lastFolder_ = startDirectory_;

    // The main window's font writes the run's time box.
    QFont mainFont("Century Gothic");
    mainFont.setPixelSize(16);
    mainFont.setBold(true);
    mainFont.setItalic(true);
    mainFont.setStyleStrategy(QFont::NoAntialias);
    surface_.fonts().main = mainFont;
    surface_.fonts().mainColour = QColor(255, 255, 0);
    tickDisplay_ = std::make_unique<SurfaceTickDisplay>(surface_);

    image1_ = new SceneWidget(surface_, this);
    setCentralWidget(image1_);
    connect(image1_, &SceneWidget::moved, this, &MainWindow::surfaceMoved);
    connect(image1_, &SceneWidget::pressed, this, &MainWindow::surfacePressed);
    connect(image1_, &SceneWidget::resized, this, [this] { resizeView(); });

    form2_ = new SavePromptDialog(this);
    form3_ = new ScaleDialog(*prompts_, this);
    form6_ = new ExperimentSetDialog(*prompts_, this);
    aboutBox_ = new AboutDialog(this);

    createActions();
    createMenus();
    createToolBar();
    createStatusBar();

    GiveRemarksDefaultFont(*scene_);
    loadStartBackground();

    // The state of a program with no project.
    setProjectControls(false);
    stopAct_->setEnabled(false);
    pauseAct_->setEnabled(false);
    resetProject();
    backgroundShown_ = true;
    projectOpen_ = false;
    resizeView();

    // Ticks come for the whole life of the window; they do nothing unless a run goes on.
    timer1_ = new QTimer(this);
    timer1_->setObjectName("Timer1");
    timer1_->setTimerType(Qt::PreciseTimer);
    timer1_->setInterval(1);
    connect(timer1_, &QTimer::timeout, this, &MainWindow::tick);
    timer1_->start();
}

MainWindow::~MainWindow() = default;

void MainWindow::loadStartBackground() {
    // The start folder's picture wins; the copy beside the program is the fallback,
    // so a program started from anywhere still has its default background.
    QImage picture;
    for (const QString& folder : {startDirectory_, programDirectory_}) {
        if (picture.load(QDir(folder).filePath(kGroundFile))) break;
    }
    if (picture.isNull()) prompts_->message(kNoGround, kWarning, Prompts::Ok | Prompts::Cancel);
    startPicture_ = picture.convertToFormat(QImage::Format_RGB32);
    backgroundPicture_ = startPicture_;
}

void MainWindow::createActions() {
    newAct_ = NamedAction(this, "N2", "&New project");
    newAct_->setShortcut(QKeySequence::New);
    newAct_->setToolTip("new");
    newAct_->setIcon(MakeToolIcon(ToolIcon::New));
    connect(newAct_, &QAction::triggered, this, &MainWindow::newProject);

    openAct_ = NamedAction(this, "N3", "&Open project");
    openAct_->setShortcut(QKeySequence::Open);
    openAct_->setToolTip("open");
    openAct_->setIcon(MakeToolIcon(ToolIcon::Open));
    connect(openAct_, &QAction::triggered, this, &MainWindow::openProject);

    saveAct_ = NamedAction(this, "N4", "&Save project");
    saveAct_->setShortcut(QKeySequence::Save);
    saveAct_->setToolTip("save");
    saveAct_->setIcon(MakeToolIcon(ToolIcon::Save));
    connect(saveAct_, &QAction::triggered, this, [this] { saveProject(); });

    saveAsAct_ = NamedAction(this, "N5", "Save project &As ...");
    saveAsAct_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(saveAsAct_, &QAction::triggered, this, [this] { saveProjectAs(); });

    closeAct_ = NamedAction(this, "N10", "&Close");
    connect(closeAct_, &QAction::triggered, this, &MainWindow::closeProject);

    quitAct_ = NamedAction(this, "N6", "&Quit");
    quitAct_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(quitAct_, &QAction::triggered, this, &QWidget::close);

    experimentSetAct_ = NamedAction(this, "N8", "&Experiment set...  ");
    experimentSetAct_->setToolTip("Lab condition set");
    experimentSetAct_->setIcon(MakeToolIcon(ToolIcon::LabCondition));
    connect(experimentSetAct_, &QAction::triggered, this, &MainWindow::experimentSet);

    layBackgroundAct_ = NamedAction(this, "N31", "&Lay background...");
    connect(layBackgroundAct_, &QAction::triggered, this, &MainWindow::layBackground);
    clearBackgroundAct_ = NamedAction(this, "N32", "Clear &background");
    connect(clearBackgroundAct_, &QAction::triggered, this, &MainWindow::clearBackground);

    runAct_ = NamedAction(this, "N35", "&Run experiment");
    runAct_->setToolTip("Run");
    runAct_->setIcon(MakeToolIcon(ToolIcon::Run));
    connect(runAct_, &QAction::triggered, this, &MainWindow::runExperiment);

    stopAct_ = NamedAction(this, "StopCommand", "Stop");
    stopAct_->setToolTip("Stop");
    stopAct_->setIcon(MakeToolIcon(ToolIcon::Stop));
    connect(stopAct_, &QAction::triggered, this, &MainWindow::stopExperiment);

    pauseAct_ = NamedAction(this, "PauseCommand", "pause");
    pauseAct_->setToolTip("pause");
    pauseAct_->setIcon(MakeToolIcon(ToolIcon::Pause));
    connect(pauseAct_, &QAction::triggered, this, &MainWindow::pauseExperiment);

    calculatorAct_ = NamedAction(this, "N46", "&Calculator");
    calculatorAct_->setToolTip("calculator");
    calculatorAct_->setIcon(MakeToolIcon(ToolIcon::Calculator));
    connect(calculatorAct_, &QAction::triggered, this, &MainWindow::startCalculator);

    mailAct_ = NamedAction(this, "N48", "&Mail to us");
    connect(mailAct_, &QAction::triggered, this, &MainWindow::mailToUs);
    websiteAct_ = NamedAction(this, "N49", "Visit our website");
    connect(websiteAct_, &QAction::triggered, this, &MainWindow::visitWebsite);

    howToUseAct_ = NamedAction(this, "N51", "&How to use");
    connect(howToUseAct_, &QAction::triggered, this, &MainWindow::howToUse);
    aboutAct_ = NamedAction(this, "N52", "A&bout the software");
    connect(aboutAct_, &QAction::triggered, this, &MainWindow::aboutSoftware);
}

void MainWindow::createMenus() {
    QMenuBar* bar = menuBar();
    fileMenu_ = NamedMenu(bar, "N1", "&File");
    fileMenu_->addAction(newAct_);
    fileMenu_->addAction(openAct_);
    fileMenu_->addAction(saveAct_);
    fileMenu_->addAction(saveAsAct_);
    fileMenu_->addSeparator();
    fileMenu_->addAction(closeAct_);
    fileMenu_->addSeparator();
    fileMenu_->addAction(quitAct_);

    editMenu_ = NamedMenu(bar, "N7", "&Edit");
    editMenu_->addAction(experimentSetAct_);
    editMenu_->addSeparator();
    editMenu_->addAction(layBackgroundAct_);
    editMenu_->addAction(clearBackgroundAct_);

    runMenu_ = NamedMenu(bar, "N34", "&Run");
    runMenu_->addAction(runAct_);

    toolsMenu_ = NamedMenu(bar, "N45", "&Tools");
    toolsMenu_->addAction(calculatorAct_);

    netMenu_ = NamedMenu(bar, "N47", "&Net");
    netMenu_->addAction(mailAct_);
    netMenu_->addAction(websiteAct_);

    helpMenu_ = NamedMenu(bar, "N50", "&Help");
    helpMenu_->addAction(howToUseAct_);
    helpMenu_->addSeparator();
    helpMenu_->addAction(aboutAct_);
}

void MainWindow::createToolBar() {
    panel1_ = addToolBar("Panel1");
    panel1_->setObjectName("Panel1");
    panel1_->setMovable(false);
    panel1_->setFloatable(false);
    panel1_->setIconSize(QSize(24, 24));
    panel1_->setContextMenuPolicy(Qt::PreventContextMenu);
    panel1_->toggleViewAction()->setVisible(false);
    auto button = [this](QAction* action, const char* name) {
        panel1_->addAction(action);
        QWidget* w = panel1_->widgetForAction(action);
        w->setObjectName(name);
        w->setToolTip(action->toolTip());
    };
    button(openAct_, "SpeedButton4");
    button(saveAct_, "SpeedButton6");
    button(newAct_, "SpeedButton7");
    panel1_->addSeparator();
    button(experimentSetAct_, "SpeedButton8");
    panel1_->addSeparator();
    button(runAct_, "SpeedButton1");
    button(stopAct_, "SpeedButton2");
    button(pauseAct_, "SpeedButton3");
    panel1_->addSeparator();
    button(calculatorAct_, "SpeedButton13");
}

void MainWindow::createStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName("StatusBar1");
    bar->setSizeGripEnabled(false);
    statusCoordinate_ = new QLabel("Coordinate:", bar);
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
                       runAct_})
        a->setEnabled(enabled);
    editMenu_->menuAction()->setEnabled(enabled);
    runMenu_->menuAction()->setEnabled(enabled);
}

void MainWindow::setRunControls(bool running) {
    // During a run the menus File, Edit, Run and Help are closed, and with them
    // their shortcuts; Run itself, the tools and the net stay.
    for (QMenu* m : {fileMenu_, editMenu_, runMenu_, helpMenu_}) m->menuAction()->setEnabled(!running);
    for (QAction* a : {newAct_, openAct_, saveAct_, saveAsAct_, closeAct_, quitAct_, experimentSetAct_,
                       layBackgroundAct_, clearBackgroundAct_, howToUseAct_, aboutAct_})
        a->setEnabled(!running);
    stopAct_->setEnabled(running);
    pauseAct_->setEnabled(running);
    image1_->setEnabled(!running);
}

void MainWindow::resetProject() {
    ResetScene(*scene_);
    backgroundFile_.clear();
    backgroundShown_ = false;
}

void MainWindow::applyBackground() {
    // With no project open the surface shows the picture whether or not it is
    // laid under a scene.
    if (backgroundShown_ || !projectOpen_)
        surface_.setBackground(backgroundPicture_);
    else
        surface_.clearBackground();
}

void MainWindow::showChanges() { image1_->showChanges(); }

void MainWindow::resizeView() {
    applyBackground();
    // The passes measure the grid, the time box and the backdrop test by the main
    // window, which reaches past the surface's visible part at the bottom: a ball
    // half below that edge still keeps its backdrop and leaves no copies behind.
    const int W = width(), H = height();
    if (originPending_) {
        // While the origin is chosen the surface is black with the XOR axes; a
        // repaint must leave exactly one pair of them for the next move to erase.
        surface_.setWindowSize(W, H);
        surface_.Clear();
        surface_.ToggleAxes(scene_->view.OriginX, scene_->view.OriginY);
    } else if (runActive_ && !scene_->Running) {
        // A paused or halted run keeps its balls where they stand: repaint them
        // there instead of the full redraw that would put them back to the start.
        surface_.setWindowSize(W, H);
        surface_.RunRepaint(*scene_);
        scene_->RedrawPending = 0;
    } else {
        ResizeView(surface_, *scene_, projectOpen_, W, H);
    }
    showChanges();
}

bool MainWindow::askToGoOn() {
    const bool oldPending = originPending_;
    const bool oldOpen = projectOpen_;
    form2_->load();
    prompts_->exec(*form2_);
    switch (form2_->answer()) {
        case SavePromptDialog::Yes:
            originPending_ = true;
            saveFirst_ = true;
            projectOpen_ = true;
            break;
        case SavePromptDialog::No:
            originPending_ = true;
            saveFirst_ = false;
            projectOpen_ = true;
            break;
        case SavePromptDialog::Cancel:
            originPending_ = false;
            saveFirst_ = false;
            return false;
        case SavePromptDialog::NoAnswer:
            // Closed by its close box: nothing changes and nothing goes on.
            return false;
    }
    if (saveFirst_ && !saveProject()) {
        // The experiment was not saved (cancelled or failed): going on would lose it.
        originPending_ = oldPending;
        projectOpen_ = oldOpen;
        return false;
    }
    return true;
}

void MainWindow::newProject() {
    if (projectOpen_) {
        if (!askToGoOn()) {
            resizeView();  // the prompt may have ended a half-chosen origin
            return;
        }
        projectPath_.clear();
        resetProject();
        surface_.Clear();
        surface_.ToggleAxes(scene_->view.OriginX, scene_->view.OriginY);
    } else {
        surface_.Clear();
        projectPath_.clear();
        resetProject();
        scene_->settings.ShowCoordinate = 1;
        originPending_ = true;
        scene_->view.OriginX = 100;
        scene_->view.OriginY = 100;
        surface_.ToggleAxes(scene_->view.OriginX, scene_->view.OriginY);
    }
    statusPrompt_->clear();
    showChanges();
}

void MainWindow::surfaceMoved(QPoint at) {
    const ViewScale& v = scene_->view;
    statusCoordinate_->setText("Coordinate:(" + FormatReal(v.worldX(at.x())) + "," + FormatReal(v.worldY(at.y())) +
                               ")");
    if (originPending_) {
        surface_.ToggleAxes(v.OriginX, v.OriginY);
        scene_->view.OriginX = at.x();
        scene_->view.OriginY = at.y();
        surface_.ToggleAxes(at.x(), at.y());
        showChanges();
    }
}

void MainWindow::surfacePressed(Qt::MouseButton button, QPoint at) {
    if (button != Qt::LeftButton) {
        statusPrompt_->clear();
        return;
    }
    if (!originPending_) return;
    // The press fixes the origin where the pointer is, as the last move drew it.
    if (scene_->view.OriginX != at.x() || scene_->view.OriginY != at.y()) surfaceMoved(at);
    originPending_ = false;
    form3_->load();
    if (prompts_->exec(*form3_) == QDialog::Accepted) {
        scene_->view.MetresPerPixel = form3_->metresPerPixel();
        projectOpen_ = true;
        setProjectControls(true);
    } else {
        projectOpen_ = false;
        projectPath_.clear();
        setProjectControls(false);
        // No project is open again: the start folder's picture comes back, as after Close.
        backgroundPicture_ = startPicture_;
    }
    resizeView();
}

void MainWindow::openProject() {
    if (projectOpen_) {
        if (!askToGoOn()) {
            resizeView();
            return;
        }
        originPending_ = false;
    }
    const QString path = prompts_->openFile("open experiment", lastFolder_, kProjectFilter);
    if (path.isEmpty()) {
        resizeView();
        return;
    }
    const QString folder = QFileInfo(path).absolutePath();
    lastFolder_ = folder;

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
        prompts_->message(why, kWarning, Prompts::Ok | Prompts::Cancel);
        resizeView();
        return;
    }
    setProjectControls(true);
    resetProject();
    scene_ = std::move(read.scene);
    projectPath_ = QFileInfo(path).absoluteFilePath();

    QImage picture;
    backgroundShown_ = picture.load(QDir(folder).filePath(kGroundFile));
    backgroundPicture_ = picture.convertToFormat(QImage::Format_RGB32);

    const RederiveReport report = RederiveBalls(*scene_);
    QStringList notes;
    for (const std::string& w : read.warnings) notes << QString::fromStdString(w);
    for (int i : report.tooLarge)
        notes << QString("The moving object %1 is too large to be drawn at this scale; its picture is drawn "
                         "smaller.")
                     .arg(QString::fromStdString(scene_->balls.names[static_cast<std::size_t>(i)]));
    for (int i : report.badRadius)
        notes << QString("The moving object %1 has a radius that is not a size.")
                     .arg(QString::fromStdString(scene_->balls.names[static_cast<std::size_t>(i)]));
    projectOpen_ = true;
    originPending_ = false;
    resizeView();
    if (!notes.isEmpty()) prompts_->message(notes.join('\n'), kWarning, Prompts::Ok | Prompts::Cancel);
}

bool MainWindow::writeProjectTo(const QString& path) {
    WriteResult r;
    try {
        r = WriteProject(*scene_, QFile::encodeName(path).toStdString());
    } catch (const std::exception& e) {
        r.ok = false;
        r.error = e.what();
    }
    if (r.ok) return true;
    prompts_->message("The experiment could not be saved to " + path + ":\n" + QString::fromStdString(r.error) +
                          "\nThe files that were there are unchanged.",
                      kWarning, Prompts::Ok | Prompts::Cancel);
    return false;
}

bool MainWindow::saveProject() {
    // A project that was never saved has no file yet: ask for one.
    if (projectPath_.isEmpty()) return saveProjectAs();
    return writeProjectTo(projectPath_);
}

bool MainWindow::saveProjectAs() {
    QString path = prompts_->saveFile("save experiment", lastFolder_, kProjectFilter, "kmx");
    if (path.isEmpty()) return false;
    if (QFileInfo(path).suffix().isEmpty()) path += ".kmx";
    if (!writeProjectTo(path)) return false;
    projectPath_ = QFileInfo(path).absoluteFilePath();
    lastFolder_ = QFileInfo(path).absolutePath();
    return true;
}

void MainWindow::closeProject() {
    if (!askToGoOn()) {
        resizeView();
        return;
    }
    setProjectControls(false);
    stopAct_->setEnabled(false);
    pauseAct_->setEnabled(false);
    projectPath_.clear();
    resetProject();
    projectOpen_ = false;
    originPending_ = false;
    // The start folder's picture comes back once no project is open.
    backgroundPicture_ = startPicture_;
    resizeView();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    const bool wasPending = originPending_;
    if (projectOpen_ && !askToGoOn()) {
        // The program stays as it was, a half-chosen origin included: the axes are
        // still on the surface and the next press must still open the scale dialog.
        originPending_ = wasPending;
        event->ignore();
        return;
    }
    scene_->Running = 0;
    timer1_->stop();
    event->accept();
}

void MainWindow::experimentSet() {
    if (!projectOpen_) return;
    form6_->load(scene_->settings);
    if (prompts_->exec(*form6_) == QDialog::Accepted) scene_->settings = form6_->settings();
    resizeView();
}

void MainWindow::layBackground() {
    const QString path = prompts_->openPicture("lay background", lastFolder_);
    if (!path.isEmpty()) {
        backgroundFile_ = path;
        backgroundShown_ = true;
        QImage picture;
        if (picture.load(path))
            backgroundPicture_ = picture.convertToFormat(QImage::Format_RGB32);
        else
            prompts_->message("Can not read the picture " + path, kWarning, Prompts::Ok | Prompts::Cancel);
    }
    resizeView();
}

void MainWindow::clearBackground() {
    backgroundShown_ = false;
    // With the project open this is the full redraw; while a new project's origin is
    // still chosen it keeps the black surface with the axes the pointer moves.
    resizeView();
}

void MainWindow::runExperiment() {
    // A new project still waiting for its origin has nothing to run yet.
    if (!projectOpen_ || originPending_) return;
    setRunControls(true);
    runActive_ = true;
    StartRun(*scene_);
    applyBackground();
    surface_.FullRedraw(*scene_);
    showChanges();
}

void MainWindow::stopExperiment() {
    setRunControls(false);
    runActive_ = false;
    StopRun(*scene_);
    applyBackground();
    surface_.FullRedraw(*scene_);
    showChanges();
}

void MainWindow::pauseExperiment() { scene_->Running = scene_->Running ? 0 : 1; }

void MainWindow::tick() {
    if (!scene_->Running) return;
    if (scene_->RedrawPending) {
        surface_.RunRepaint(*scene_);
        scene_->RedrawPending = 0;
    }
    const int result = tickSlicer_.step(*scene_, tickDisplay_.get());
    showChanges();
    if (result == kStepOverflow) {
        scene_->Running = 0;
        prompts_->message(kOverflow, kWarning, Prompts::Ok);
    }
}

void MainWindow::howToUse() {
    const QString guide = QDir(programDirectory_).filePath("help/index.htm");
    shell_->openUrl(QUrl::fromLocalFile(guide).toString());
}

void MainWindow::startCalculator() {
    for (const QString& name : calculatorPrograms()) {
        const QString program = shell_->findProgram(name);
        if (program.isEmpty()) continue;
        shell_->startProgram(program);  // a calculator that fails to start is not our error
        return;
    }
}

void MainWindow::mailToUs() { shell_->openUrl(kMailAddress); }

void MainWindow::visitWebsite() { shell_->openUrl(kWebAddress); }

void MainWindow::aboutSoftware() { prompts_->exec(*aboutBox_); }

}  // namespace mb

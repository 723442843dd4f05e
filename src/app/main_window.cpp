#include "app/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QTimer>
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

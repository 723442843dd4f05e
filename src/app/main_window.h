// The main window: the drawing surface, the menus, the tool bar and the status
// bar, and the commands they carry. The project's life and its history are its
// ProjectSession's; runs are driven by its RunController.
#pragma once

#include <QImage>
#include <QMainWindow>
#include <memory>

#include "editor/mouse_editor.h"
#include "app/project_session.h"
#include "app/measure_commands.h"
#include "app/run_controller.h"
#include "scene/scene.h"
#include "scene/translatable.h"
#include "scene/view_zoom.h"
#include "view/scene_surface.h"

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QMenuBar;
class QSettings;
class QToolBar;
class QToolButton;

namespace mb {

class BallDialog;
class CrashRecovery;
class CreatingPanel;
class CurveWindow;
class ParameterAdjustDialog;
class DataBallDialog;
class DataWindow;
class DesktopShell;
class ElementDialogs;
class RemarkDialog;
class ExperimentSetDialog;
class LiveGraphWindow;
class Prompts;
class ScaleDialog;
class SceneWidget;
class SurfaceTickDisplay;
class HelpCommands;
class MeasureCommands;
class TickDisplayPair;

class MainWindow : public QMainWindow, private EditorHost, private RunController::Host {
    Q_OBJECT
public:
    struct Options {
        // Where "ground.bmp" is looked for first; the working directory when empty.
        QString startDirectory;
        // The program's folder: the guide, the examples and the spare "ground.bmp"
        // are found there, or in ../share/motionbench once installed.
        // QCoreApplication::applicationDirPath() when empty.
        QString programDirectory;
        // Message boxes, choosers and modal dialogs; Qt's own when null.
        Prompts* prompts = nullptr;
        // The desktop's document and program launcher; Qt's own when null.
        DesktopShell* shell = nullptr;
        // Where the run speed, the recent projects and the last folder are kept
        // between sessions (an INI file); the user's own settings when empty.
        QString settingsFile;
        // Where unsaved experiments are kept aside against a crash; the
        // program's data folder when empty.
        QString recoveryFolder;
    };

    explicit MainWindow(const Options& options);
    MainWindow() : MainWindow(Options{}) {}
    ~MainWindow() override;

    // Project commands.
    void newProject();
    void openProject();
    bool saveProject();
    bool saveProjectAs();
    void closeProject();
    // Opens `path` as Open does once its file is chosen: the save prompt first
    // when something would be lost (Examples, Recent projects, a dropped file,
    // the command line).
    void openProjectFile(const QString& path);
    // Start-up: offers back an experiment a crash or a kill left behind, and
    // opens it, unsaved, when the user says so.
    void restoreLeftBehind();
    CrashRecovery& crashRecovery() { return *recovery_; }
    // Run, Stop, pause, restart and the ticks of Timer1.
    RunController& runController() { return *runController_; }
    // Edit menu: undo and redo, the experiment settings, the scale, Parameter
    // adjust and the background.
    void undo();
    void redo();
    void experimentSet();
    void changeScale();
    void adjustParameter();
    void layBackground();
    void clearBackground();
    // Run menu: the ball whose data a run shows, and the experiment curve.
    void dataOutputSet();
    void experimentCurve();
    // Run menu: the live graph, open beside the main window while runs go on.
    void showLiveGraph();
    LiveGraphWindow& liveGraph() { return measures_->liveGraph(); }

    // View menu: the scale changes about a surface pixel (the pointer's, or the
    // surface's centre), and Fit shows every element; a refusal is told in the status bar.
    void zoomAbout(double factor, QPoint at);
    void fitExperiment();
    // The middle-button drag: the view follows the pointer by `by` pixels.
    void panBy(QPoint by);

    // Repaints the surface for the current state, as a window resize does.
    void resizeView();

    // Whether closing the project now would lose something: the scene differs
    // from what was last opened or saved, or the background was laid or cleared.
    bool isModified() const { return session_->isModified(); }
    // Makes a step of what changed and brings the title and its modified marker up
    // to date. Every redraw calls it; code that changes the scene without a redraw
    // calls it too.
    void sceneChanged();

    // Run, pause, Stop and Step: a window of its own that is open during a run
    // (the data window) adds these, so F5, Space and Esc work there too.
    QList<QAction*> runKeyActions() const;
    // The speed of runs, remembered between sessions.
    void setRunSpeed(RunSpeed speed);
    RunSpeed runSpeed() const;

    // Where the Open dialog starts.
    const QString& openFolder() const { return session_->lastFolder(); }
    // The shipped examples' folder (empty when none was found).
    const QString& examplesFolder() const { return session_->examplesFolder(); }
    const RecentProjects& recentProjects() const { return session_->recent(); }

    // The mouse on the drawing surface (surface pixels), handed to the editor.
    void surfaceMoved(QPoint at);
    void surfacePressed(Qt::MouseButton button, QPoint at);
    void surfaceReleased(QPoint at);

    // The editor and the property dialogs it opens (every kind's dialog is added
    // to them; the data-ball pick is reported by the editor's dataBallPicked).
    MouseEditor& editor() { return *editor_; }
    ElementDialogs& elementDialogs() { return *dialogs_; }
    CreatingPanel& creatingPanel() { return *creatingPanel_; }

    ProjectSession& session() { return *session_; }
    Scene& scene() { return session_->scene(); }
    const Scene& scene() const { return session_->scene(); }
    SceneSurface& surface() { return surface_; }
    bool projectOpen() const { return session_->projectOpen(); }
    bool originPending() const { return session_->originPending(); }
    const QString& projectPath() const { return session_->path(); }
    const QImage& backgroundPicture() const { return session_->background().picture; }
    bool backgroundShown() const { return session_->background().shown; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createActions();
    QPoint surfaceCentre() const;
    // Takes a zoomed or panned view as the step `verb`, or tells why not.
    void takeView(const ZoomResult& result, const char* verb);
    void createMenus();
    void createViewMenu(QMenuBar* bar);
    void createToolBar();
    void createStatusBar();

    // The editor and the project commands follow the session's phase.
    void syncPhase();
    // An undo or redo: a half-done placement ends first.
    void stepHistory(bool back);
    void updateHistoryCommands();
    // A creation command from the menu or the panel.
    void chooseTool(ElementKind mode, const char* prompt);
    void showCreatingPanel(bool show);

    // What the editor needs of the window.
    Scene& editedScene() override { return scene(); }
    SceneSurface& editedSurface() override { return surface_; }
    void setCoordinateText(const QString& text) override;
    void setPromptText(const QString& text) override;
    void redrawScene() override { resizeView(); }
    void showSurfaceChanges() override { showChanges(); }
    void syncCreatingPanel(ElementKind mode) override;
    void elementDragged() override { session_->nameNextStep(MB_TRANSLATE_NOOP("TForm1", "Move")); }
    void originClicked() override;
    // The save prompt of Open, when a project is open; false when Open must not go on.
    bool readyToReplace();
    // Reads `path` into the window; the open experiment stays when that fails.
    void loadProject(const QString& path) { loadProject(path, path); }
    // The same, the experiment then belonging to `shownAs` (none when empty).
    bool loadProject(const QString& path, const QString& shownAs);
    void refreshTitle();
    void rebuildRecentMenu();
    void createSpeedControl();
    void updateRunCommands();
    // Enables or disables the commands that need an open project.
    void setProjectControls(bool enabled);
    // RunController::Host.
    Scene& runScene() override { return scene(); }
    bool mayRun() const override { return projectOpen() && !originPending(); }
    void setRunControls(bool running) override;
    void fullRedraw() override;
    void runRepaint() override;
    void showChanges() override;
    void runStarted() override;
    // Hands the background to the surface as the current state shows it.
    void applyBackground();
    // The data-ball pick on the surface ended on this ball (-1 for none).
    void dataBallPicked(int ball);

    SceneSurface surface_;
    std::unique_ptr<SurfaceTickDisplay> tickDisplay_;
    std::unique_ptr<TickDisplayPair> runDisplay_;  // the surface and the measure displays
    std::unique_ptr<Prompts> ownPrompts_;
    std::unique_ptr<DesktopShell> ownShell_;
    Prompts* prompts_;
    ProjectSession* session_ = nullptr;
    CrashRecovery* recovery_ = nullptr;
    HelpCommands* help_ = nullptr;

    // Widgets.
    SceneWidget* sceneWidget_ = nullptr;
    RunController* runController_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QLabel* statusCoordinate_ = nullptr;
    QLabel* statusPrompt_ = nullptr;
    ScaleDialog* scaleDialog_ = nullptr;
    ExperimentSetDialog* experimentSetDialog_ = nullptr;
    std::unique_ptr<ElementDialogs> dialogs_;
    MouseEditor* editor_ = nullptr;
    CreatingPanel* creatingPanel_ = nullptr;
    BallDialog* ballDialog_ = nullptr;
    RemarkDialog* remarkDialog_ = nullptr;
    MeasureCommands* measures_ = nullptr;
    ParameterAdjustDialog* parameterAdjust_ = nullptr;
    bool panning_ = false;  // a middle-button drag is under way: its step waits for the release

    // Menus and commands.
    QMenu* fileMenu_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    QMenu* runMenu_ = nullptr;
    QMenu* toolsMenu_ = nullptr;
    QMenu* netMenu_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    QMenu* examplesMenu_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    QMenu* speedMenu_ = nullptr;
    QActionGroup* speedGroup_ = nullptr;
    QToolButton* speedButton_ = nullptr;
    QAction* newAct_ = nullptr;
    QAction* openAct_ = nullptr;
    QAction* saveAct_ = nullptr;
    QAction* saveAsAct_ = nullptr;
    QAction* closeAct_ = nullptr;
    QAction* quitAct_ = nullptr;
    QAction* undoAct_ = nullptr;
    QAction* redoAct_ = nullptr;
    QAction* experimentSetAct_ = nullptr;
    QAction* scaleAct_ = nullptr;
    QAction* layBackgroundAct_ = nullptr;
    QAction* clearBackgroundAct_ = nullptr;
    QAction* deleteAct_ = nullptr;
    QAction* zoomInAct_ = nullptr;
    QAction* zoomOutAct_ = nullptr;
    QAction* fitAct_ = nullptr;
    QAction* showPanelAct_ = nullptr;
    QAction* adjustAct_ = nullptr;
    QAction* runAct_ = nullptr;
    QAction* stopAct_ = nullptr;
    QAction* pauseAct_ = nullptr;
    QAction* dataOutputAct_ = nullptr;
    QAction* curveAct_ = nullptr;
    QAction* liveGraphAct_ = nullptr;
    QAction* stepAct_ = nullptr;
    QAction* calculatorAct_ = nullptr;
    QAction* mailAct_ = nullptr;
    QAction* websiteAct_ = nullptr;
    QAction* howToUseAct_ = nullptr;
    QAction* aboutAct_ = nullptr;
};

}  // namespace mb

// The main window: the drawing surface, the menus, the tool bar and the status
// bar, the project commands, and the help and tool commands. Runs are driven by
// its RunController.
#pragma once

#include <QImage>
#include <QMainWindow>
#include <memory>

#include "editor/mouse_editor.h"
#include "app/project_state.h"
#include "app/recent_projects.h"
#include "app/run_controller.h"
#include "io/names_text.h"
#include "scene/scene.h"
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

class AboutDialog;
class AddressDialog;
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
class HelpWindow;
class LiveGraphWindow;
class Prompts;
class SavePromptDialog;
class ScaleDialog;
class SceneWidget;
class SurfaceTickDisplay;
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
    // Edit menu: the experiment settings, Parameter adjust and the background.
    void experimentSet();
    void adjustParameter();
    void layBackground();
    void clearBackground();
    // Run menu: the ball whose data a run shows, and the experiment curve.
    void dataOutputSet();
    void experimentCurve();
    // Run menu: the live graph, open beside the main window while runs go on.
    void showLiveGraph();
    LiveGraphWindow& liveGraph() { return *liveGraph_; }
    // Help, tools and net.
    void howToUse();
    void startCalculator();
    void mailToUs();
    void visitWebsite();
    void aboutSoftware();

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
    bool isModified() const;
    // Brings the title and its modified marker up to date. Every redraw calls it;
    // code that changes the scene without a redraw calls it too.
    void sceneChanged();

    // Run, pause, Stop and Step: a window of its own that is open during a run
    // (the data window) adds these, so F5, Space and Esc work there too.
    QList<QAction*> runKeyActions() const;
    // The speed of runs, remembered between sessions.
    void setRunSpeed(RunSpeed speed);
    RunSpeed runSpeed() const;

    // Where the Open dialog starts.
    const QString& openFolder() const { return lastFolder_; }
    // The shipped examples' folder (empty when none was found).
    const QString& examplesFolder() const { return examplesFolder_; }
    const RecentProjects& recentProjects() const { return recent_; }

    // The mouse on the drawing surface (surface pixels), handed to the editor.
    void surfaceMoved(QPoint at);
    void surfacePressed(Qt::MouseButton button, QPoint at);
    void surfaceReleased(QPoint at);

    // The editor and the property dialogs it opens (every kind's dialog is added
    // to them; the data-ball pick is reported by the editor's dataBallPicked).
    MouseEditor& editor() { return *editor_; }
    ElementDialogs& elementDialogs() { return *dialogs_; }
    CreatingPanel& creatingPanel() { return *creatingPanel_; }

    Scene& scene() { return *scene_; }
    const Scene& scene() const { return *scene_; }
    SceneSurface& surface() { return surface_; }
    bool projectOpen() const { return editor_->state().ProjectOpen; }
    bool originPending() const { return editor_->state().OriginPending; }
    const QString& projectPath() const { return projectPath_; }
    const QImage& backgroundPicture() const { return backgroundPicture_; }
    bool backgroundShown() const { return backgroundShown_; }

    // The programs "&Calculator" tries, in order.
    static const QStringList& calculatorPrograms();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createActions();
    QPoint surfaceCentre() const;
    // Takes a zoomed or panned view, or tells why not; true when taken.
    bool takeView(const ZoomResult& result);
    void createMenus();
    void createViewMenu(QMenuBar* bar);
    void createToolBar();
    void createStatusBar();

    // The scene reset of the project commands: the scene model and the background.
    void resetProject();
    // Shows "Save the current experiment?" and saves when asked. False when the
    // command must not go on: cancelled, closed, or the save did not happen. It
    // changes nothing but the files; each command decides what follows.
    bool askToGoOn();
    // A creation command from the menu or the panel.
    void chooseTool(ElementKind mode, const char* prompt);
    void showCreatingPanel(bool show);

    // What the editor needs of the window.
    Scene& editedScene() override { return *scene_; }
    SceneSurface& editedSurface() override { return surface_; }
    void setCoordinateText(const QString& text) override;
    void setPromptText(const QString& text) override;
    void redrawScene() override { resizeView(); }
    void showSurfaceChanges() override { showChanges(); }
    void syncCreatingPanel(ElementKind mode) override;
    void originClicked() override;
    // The save prompt of Open, when a project is open; false when Open must not go on.
    bool readyToReplace();
    // Reads `path` into the window; the open experiment stays when that fails.
    void loadProject(const QString& path) { loadProject(path, path); }
    // The same, the experiment then belonging to `shownAs` (none when empty).
    bool loadProject(const QString& path, const QString& shownAs);
    // The opened project is one of the shipped examples.
    bool isExample() const;
    // Where the measurement windows' file choosers start.
    QString measureFolder() const;
    void refreshTitle();
    void rememberProject(const QString& path);
    void rebuildRecentMenu();
    void createSpeedControl();
    void updateRunCommands();
    // Enables or disables the commands that need an open project.
    void setProjectControls(bool enabled);
    // RunController::Host.
    Scene& runScene() override { return *scene_; }
    bool mayRun() const override { return projectOpen() && !originPending(); }
    void setRunControls(bool running) override;
    void fullRedraw() override;
    void runRepaint() override;
    void showChanges() override;
    void runStarted() override;
    // Hands the background to the surface as the current state shows it.
    void applyBackground();
    bool writeProjectTo(const QString& path);
    // Hands a mail or web address to the desktop, or shows it to be copied.
    void openAddress(const QString& address);
    void loadStartBackground();
    // The data-ball pick on the surface ended on this ball (-1 for none).
    void dataBallPicked(int ball);

    std::unique_ptr<Scene> scene_;
    SceneSurface surface_;
    std::unique_ptr<SurfaceTickDisplay> tickDisplay_;
    std::unique_ptr<TickDisplayPair> measureDisplay_;  // the data window and the live graph
    std::unique_ptr<TickDisplayPair> runDisplay_;      // the surface and the measure displays
    std::unique_ptr<Prompts> ownPrompts_;
    std::unique_ptr<DesktopShell> ownShell_;
    Prompts* prompts_;
    DesktopShell* shell_;

    QString projectPath_;
    // The encoding the open project's names file was read in, and is saved in.
    NamesEncoding namesEncoding_ = NamesEncoding::Utf8;
    QString startDirectory_;
    QString programDirectory_;
    QString lastFolder_;  // where the file choosers open
    QString examplesFolder_;
    std::unique_ptr<QSettings> settings_;
    ChangeTracker changes_;
    RecentProjects recent_;
    QImage startPicture_;  // "ground.bmp" of the start folder, shown while no project is open
    QImage backgroundPicture_;
    bool backgroundShown_ = false;

    // Widgets.
    SceneWidget* sceneWidget_ = nullptr;
    RunController* runController_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QLabel* statusCoordinate_ = nullptr;
    QLabel* statusPrompt_ = nullptr;
    SavePromptDialog* savePrompt_ = nullptr;
    ScaleDialog* scaleDialog_ = nullptr;
    ExperimentSetDialog* experimentSetDialog_ = nullptr;
    AboutDialog* aboutBox_ = nullptr;
    HelpWindow* helpWindow_ = nullptr;     // made when the desktop first fails to show the guide
    AddressDialog* addressBox_ = nullptr;  // made when the desktop first fails to open an address
    std::unique_ptr<ElementDialogs> dialogs_;
    MouseEditor* editor_ = nullptr;
    CreatingPanel* creatingPanel_ = nullptr;
    BallDialog* ballDialog_ = nullptr;
    RemarkDialog* remarkDialog_ = nullptr;
    DataWindow* dataWindow_ = nullptr;
    bool dataWindowOpen_ = false;  // the data window drives the run: the main run buttons wait
    DataBallDialog* dataBallDialog_ = nullptr;
    CurveWindow* curveWindow_ = nullptr;
    LiveGraphWindow* liveGraph_ = nullptr;
    ParameterAdjustDialog* parameterAdjust_ = nullptr;
    CrashRecovery* recovery_ = nullptr;

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
    QAction* experimentSetAct_ = nullptr;
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

// The main window: the drawing surface, the menus, the tool bar and the status
// bar, the project commands, run control on the 1 ms timer, and the help and
// tool commands.
#pragma once

#include <QImage>
#include <QMainWindow>
#include <memory>

#include "app/tick_slicer.h"
#include "scene/scene.h"
#include "view/scene_surface.h"

class QAction;
class QLabel;
class QMenu;
class QTimer;
class QToolBar;

namespace mb {

class AboutDialog;
class DesktopShell;
class ExperimentSetDialog;
class Prompts;
class SavePromptDialog;
class ScaleDialog;
class SceneWidget;
class SurfaceTickDisplay;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    struct Options {
        // Where "ground.bmp" is looked for first; the working directory when empty.
        QString startDirectory;
        // The program's folder: the help and the spare "ground.bmp" live there.
        // QCoreApplication::applicationDirPath() when empty.
        QString programDirectory;
        // Message boxes, choosers and modal dialogs; Qt's own when null.
        Prompts* prompts = nullptr;
        // The desktop's document and program launcher; Qt's own when null.
        DesktopShell* shell = nullptr;
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
    // Run control.
    void runExperiment();
    void stopExperiment();
    void pauseExperiment();
    // One event of Timer1.
    void tick();
    // Edit menu.
    void experimentSet();
    void layBackground();
    void clearBackground();
    // Help, tools and net.
    void howToUse();
    void startCalculator();
    void mailToUs();
    void visitWebsite();
    void aboutSoftware();

    // Repaints the surface for the current state, as a window resize does.
    void resizeView();

    // The mouse on the drawing surface (surface pixels).
    void surfaceMoved(QPoint at);
    void surfacePressed(Qt::MouseButton button, QPoint at);

    Scene& scene() { return *scene_; }
    const Scene& scene() const { return *scene_; }
    SceneSurface& surface() { return surface_; }
    bool projectOpen() const { return projectOpen_; }
    bool originPending() const { return originPending_; }
    const QString& projectPath() const { return projectPath_; }
    const QImage& backgroundPicture() const { return backgroundPicture_; }
    bool backgroundShown() const { return backgroundShown_; }

    // The programs "&Calculator" tries, in order.
    static const QStringList& calculatorPrograms();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createActions();
    void createMenus();
    void createToolBar();
    void createStatusBar();

    // The scene reset of the project commands: the scene model and the background.
    void resetProject();
    // Shows "Save the current experiment?" and saves when asked. False when the
    // command must not go on: cancelled, closed, or the save did not happen.
    bool askToGoOn();
    // Enables or disables the commands that need an open project.
    void setProjectControls(bool enabled);
    // Disables what a run must not touch, or gives it back.
    void setRunControls(bool running);
    // Hands the background to the surface as the current state shows it.
    void applyBackground();
    bool writeProjectTo(const QString& path);
    void showChanges();
    void loadStartBackground();

    std::unique_ptr<Scene> scene_;
    SceneSurface surface_;
    std::unique_ptr<SurfaceTickDisplay> tickDisplay_;
    // A tick of very many sub-steps is spread over several timer events.
    TickSlicer tickSlicer_;
    std::unique_ptr<Prompts> ownPrompts_;
    std::unique_ptr<DesktopShell> ownShell_;
    Prompts* prompts_;
    DesktopShell* shell_;

    // Project state.
    bool projectOpen_ = false;
    bool originPending_ = false;
    bool saveFirst_ = false;
    bool runActive_ = false;  // from Run to Stop, paused or halted included
    QString projectPath_;
    QString startDirectory_;
    QString programDirectory_;
    QString lastFolder_;  // where the file choosers open
    QImage startPicture_;  // "ground.bmp" of the start folder, shown while no project is open
    QImage backgroundPicture_;
    bool backgroundShown_ = false;
    QString backgroundFile_;

    // Widgets.
    SceneWidget* image1_ = nullptr;
    QTimer* timer1_ = nullptr;
    QToolBar* panel1_ = nullptr;
    QLabel* statusCoordinate_ = nullptr;
    QLabel* statusPrompt_ = nullptr;
    SavePromptDialog* form2_ = nullptr;
    ScaleDialog* form3_ = nullptr;
    ExperimentSetDialog* form6_ = nullptr;
    AboutDialog* aboutBox_ = nullptr;

    // Menus and commands.
    QMenu* fileMenu_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QMenu* runMenu_ = nullptr;
    QMenu* toolsMenu_ = nullptr;
    QMenu* netMenu_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    QAction* newAct_ = nullptr;
    QAction* openAct_ = nullptr;
    QAction* saveAct_ = nullptr;
    QAction* saveAsAct_ = nullptr;
    QAction* closeAct_ = nullptr;
    QAction* quitAct_ = nullptr;
    QAction* experimentSetAct_ = nullptr;
    QAction* layBackgroundAct_ = nullptr;
    QAction* clearBackgroundAct_ = nullptr;
    QAction* runAct_ = nullptr;
    QAction* stopAct_ = nullptr;
    QAction* pauseAct_ = nullptr;
    QAction* calculatorAct_ = nullptr;
    QAction* mailAct_ = nullptr;
    QAction* websiteAct_ = nullptr;
    QAction* howToUseAct_ = nullptr;
    QAction* aboutAct_ = nullptr;
};

}  // namespace mb

// The life of the project the main window holds: the scene and whether there is
// a project at all, where it lives, what is unsaved, the recent list, the
// background under it, the new/open/save/close flow and the history of its
// edits. The main window builds the widgets and the commands and asks the
// session; edits reach the history as steps that keep only what they changed.
#pragma once

#include <QImage>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUndoStack>
#include <cstddef>
#include <memory>

#include "app/project_state.h"
#include "app/recent_projects.h"
#include "io/names_text.h"
#include "io/project_file.h"
#include "scene/scene.h"
#include "scene/scene_delta.h"
#include "view/scene_surface.h"

class QSettings;
class QWidget;

namespace mb {

class Prompts;
class SavePromptDialog;

// No project; a new project whose origin is still being chosen; an open project.
enum class ProjectPhase { None, OriginPending, Open };

// What the surface shows under the scene: the picture and where it came from.
struct Background {
    QImage picture;
    bool shown = false;
    QString file;  // laid by the user; empty for the project folder's ground.bmp
};

// The one rule that decides which redraw a change needs.
Redraw RedrawFor(ProjectPhase phase, bool curveWindowOpen, bool runHalted);

// A history step's text as Edit shows it: the verb it begins with in the
// teacher's language, the element's name after it as it is ("Move Ball_3").
QString ShownStepText(const QString& step);

class ProjectSession : public QObject {
    Q_OBJECT
public:
    // `settingsFile` keeps the last folder and the recent list between sessions
    // (the user's own settings when empty); the save prompt is a child of `window`.
    ProjectSession(Prompts& prompts, const QString& settingsFile, const QString& programDirectory, QWidget* window);
    ~ProjectSession() override;

    Scene& scene() { return *scene_; }
    const Scene& scene() const { return *scene_; }
    QSettings& settings() { return *settings_; }

    ProjectPhase phase() const { return phase_; }
    // A project is open, or a new one's origin is chosen in its place: its
    // commands stay until the origin is set or given up.
    bool projectOpen() const { return phase_ == ProjectPhase::Open || (phase_ == ProjectPhase::OriginPending && overOpen_); }
    bool originPending() const { return phase_ == ProjectPhase::OriginPending; }
    // Edits are possible: a project with its origin set.
    bool editable() const { return phase_ == ProjectPhase::Open; }

    const QString& path() const { return path_; }
    NamesEncoding namesEncoding() const { return namesEncoding_; }
    // Where the file choosers open, remembered between sessions.
    const QString& lastFolder() const { return lastFolder_; }
    const QString& examplesFolder() const { return examplesFolder_; }
    const RecentProjects& recent() const { return recent_; }
    // The opened project is one of the shipped examples.
    bool isExample() const;
    // Where the measurement windows' files go: beside the project, never into the examples.
    QString measureFolder() const;

    // "ground.bmp" of the start folder, or of the program's data folders; false when none is found.
    bool loadStartPicture(const QString& startDirectory, const QString& programDirectory);
    const Background& background() const { return background_; }
    // The picture the surface shows, or null for none: with no project open the
    // surface shows the picture whether or not it is laid under a scene.
    const QImage* shownPicture() const;
    // Lays the picture chosen by the user, or takes the background away; one step each.
    void layBackground();
    void clearBackground();

    // "&New project": the scene reset and the origin awaited.
    void beginNew();
    // The scale dialog's Ok: the new project is open with this scale.
    void originSet(double metresPerPixel);
    // "&Close": no project is open.
    void closeProject();
    // The scale dialog closed otherwise: the new project is given up as the
    // pointer left it, and no project is open.
    void giveUpOrigin();
    // Shows "Save the current experiment?" when something would be lost and saves
    // when asked. False when the command must not go on.
    bool askToGoOn();
    // The project file the user picks to open; empty when none.
    QString chooseProjectToOpen();
    // Reads `path` in place of the open experiment; the open one stays, and the
    // user is told why, when that fails. `notes` gets what the reader mended.
    // The experiment then belongs to `shownAs` (none when empty): a copy kept
    // against a crash is read from elsewhere but saved to its own file.
    bool load(const QString& path, QStringList& notes) { return load(path, notes, path); }
    bool load(const QString& path, QStringList& notes, const QString& shownAs);
    // The file has been read and drawn: what the files hold is the scene as it stands.
    void markSaved();
    // What the scene holds is in no file: a restored copy shows as unsaved.
    void markUnsaved();
    bool save();
    bool saveAs();
    // Writes the project's two files to `path`; the user is told when that failed.
    bool write(const QString& path);
    // The two files' bytes as a save would write them now (for a copy kept elsewhere).
    EncodedProject projectBytes() const;

    // Whether closing now would lose something, and the window's title.
    bool isModified() const;
    QString windowTitle() const;

    // The history. `record` makes a step of whatever the scene gained since the
    // last one, named by it ("Place Ball_3", "Delete Spring_2") or by the verb
    // given with `nameNextStep` ("Move", "Zoom"); nothing when nothing changed.
    // While a run goes on nothing is recorded; `rebase` takes the scene as a run
    // left it for the start of the next step without making one.
    QUndoStack& history() { return history_; }
    void nameNextStep(const QString& verb) { nextVerb_ = verb; }
    void record();
    void suspend() { suspended_ = true; }
    void rebase();
    void clearHistory();
    // Steps beyond this many bytes drop off, the oldest first.
    void setHistoryBudget(std::size_t bytes);
    std::size_t historyBytes() const { return historyBytes_; }

    // Applied by the history's steps; not for other callers.
    void applyDelta(const SceneDelta& delta, bool forward);
    void applyBackground(const Background& background);

signals:
    // The experiment changed: a step was made, undone or redone, or the project
    // was opened, saved or replaced.
    void changed();
    // An undo or redo changed the scene or the background: it needs a full redraw.
    void restored();
    void recentChanged();

private:
    void setPhase(ProjectPhase phase, bool overOpen = false);
    void resetProject();
    void remember(const QString& path);
    void rememberFolder(const QString& file);
    QString backgroundKey() const;
    void pushStep(QUndoCommand* step);
    void keepToBudget();

    Prompts& prompts_;
    std::unique_ptr<QSettings> settings_;
    SavePromptDialog* savePrompt_;
    std::unique_ptr<Scene> scene_;
    std::unique_ptr<Scene> baseline_;  // the scene as the last step left it
    ProjectPhase phase_ = ProjectPhase::None;
    bool overOpen_ = false;
    QString path_;
    // The encoding the open project's names file was read in, and is saved in.
    NamesEncoding namesEncoding_ = NamesEncoding::Utf8;
    QString lastFolder_;
    QString examplesFolder_;
    RecentProjects recent_;
    ChangeTracker changes_;
    QImage startPicture_;
    Background background_;
    QUndoStack history_;
    QString nextVerb_;
    bool suspended_ = false;
    std::size_t historyBytes_ = 0;
    std::size_t budget_ = std::size_t(64) << 20;
};

}  // namespace mb

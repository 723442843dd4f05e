// Recovery after a crash: an experiment with unsaved changes is written aside
// shortly after it changes, and the copy goes when the experiment is saved,
// closed or the program quits cleanly. A copy still there at the next start was
// left by a crash or a kill and is offered back.
//
// Each running program owns the copies named after it and holds a lock file for
// them; a copy is offered only when its owner's lock is free, so two programs
// running at once never take each other's experiments.
#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

#include "app/project_state.h"
#include "io/names_text.h"
#include "scene/scene.h"

namespace mb {

class Prompts;

class CrashRecovery : public QObject {
    Q_OBJECT
public:
    // The longest an unsaved change waits before it is written aside.
    static constexpr int kDelayMs = 10000;

    struct Unsaved {
        const Scene* scene;
        QString path;  // the project's file, empty while it has none
        NamesEncoding encoding;
    };
    // The experiment that would be lost now, or nothing when all is saved.
    using Source = std::function<std::optional<Unsaved>()>;

    // Copies live in `folder` (made when missing); the program's data folder
    // when empty.
    CrashRecovery(const QString& folder, Source source, QObject* parent = nullptr);
    ~CrashRecovery() override;

    // Something may have changed: a changed experiment is written aside within
    // kDelayMs, an experiment with nothing unsaved loses its copy.
    void experimentShown();
    // Saved, closed or quit: the copy is no longer needed.
    void discard();
    // Writes the copy now (restoring a left-behind one makes it this program's).
    void writeNow();

    struct LeftBehind {
        QString copyPath;  // the project file of the copy
        QString path;      // the experiment's own file, empty for a never-saved one
    };
    // Asks, through `prompts`, about each copy a program that is gone left
    // behind, newest first, until one is to be restored; copies declined are
    // removed, a box closed otherwise keeps them for the next start. The caller
    // reads the copy and then calls forget() on it.
    std::optional<LeftBehind> offerLeftBehind(Prompts& prompts);
    // Removes a restored copy and lets go of its lock.
    void forget(const LeftBehind& copy);

    const QString& folder() const { return folder_; }
    // This program's copy (which exists only while something is unsaved).
    QString ownCopy() const;

private:
    QString copyOf(const QString& id) const;
    void remove(const QString& id);

    QString folder_;
    QString id_;
    Source source_;
    QLockFile lock_;
    QTimer timer_;
    ChangeTracker written_;  // what the copy holds
    bool haveCopy_ = false;
    // Locks of copies being offered or restored, taken from programs that are gone.
    std::vector<std::unique_ptr<QLockFile>> taken_;
};

}  // namespace mb

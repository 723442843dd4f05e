// What the main window knows about the project it holds beyond the scene: whether
// the scene differs from what was last opened or saved, where the shipped
// examples live, and which project the command line names.
#pragma once

#include <QString>
#include <QStringList>
#include <string>

#include "scene/scene.h"

class QMimeData;

namespace mb {

// Whether anything would be lost by closing the project. The scene is compared
// as the project file would hold it, so every edit counts however it was made
// (a dialog, the mouse, Parameter adjust) and an edit undone by hand counts as
// none; what the program derives itself while drawing and running (a ball's
// screen place, a cord's length) is left out. The background picture, which the
// file does not hold, is compared by what was laid (a key its owner makes), so a
// background laid and taken back again counts as none either.
class ChangeTracker {
public:
    // The scene as it now stands is what the files hold (after open or save, or
    // a new project with nothing in it yet), over this background.
    void markSaved(const Scene& scene, const QString& background = {});
    bool differs(const Scene& scene, const QString& background = {}) const;

private:
    std::string project_;
    std::string names_;
    QString background_;
};

struct ExampleEntry {
    QString title;  // "Cord pendulum" for cord_pendulum.kmx
    QString path;
};
// The examples in `folder`, by title.
QList<ExampleEntry> ListExamples(const QString& folder);
// A file's title: its base name with blanks for underscores and a capital first.
QString ExampleTitle(const QString& fileName);
// True when `path` lies in `folder` (both resolved, so links and ".." play no part).
bool PathInFolder(const QString& path, const QString& folder);

// The first project file (*.kmx) among things dropped on the window; empty when none.
QString DroppedProject(const QMimeData* data);

// The project the command line names: the first argument after the program's
// name that is not an option, made absolute against the working folder. Empty
// when there is none.
QString ProjectFromArguments(const QStringList& arguments);

}  // namespace mb

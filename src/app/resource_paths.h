// Where the program finds its own files: the user guide, the examples and the
// default background. In the build tree they sit beside the program; installed,
// the program is in <prefix>/bin and they are in <prefix>/share/motionbench.
#pragma once

#include <QString>
#include <QStringList>

namespace mb {

// The folders that may hold the program's files, in the order they are tried:
// the program's own folder, then the installed data folder relative to it.
QStringList DataFolders(const QString& programDirectory);

// The first existing file or folder `relative` in the data folders, as an
// absolute path; empty when none holds it.
QString FindDataPath(const QString& programDirectory, const QString& relative);

// The user guide's front page; where it is expected beside the program when it
// is nowhere (so that a message can name the place).
QString UserGuidePath(const QString& programDirectory);

// The folder of the shipped example experiments: beside the program, in the
// installed layout, or (for a program run from its build folder) the source
// tree's. Empty when none holds any.
QString ExamplesFolder(const QString& programDirectory);

}  // namespace mb

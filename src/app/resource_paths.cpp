#include "app/resource_paths.h"

#include <QDir>
#include <QFileInfo>

#ifndef MB_DATA_FROM_BIN
#define MB_DATA_FROM_BIN "../share/motionbench"
#endif

namespace mb {

namespace {
const char* const kGuide = "help/index.htm";
const char* const kExamples = "examples";
}  // namespace

QStringList DataFolders(const QString& programDirectory) {
    const QDir program(programDirectory);
    return {program.absolutePath(), QDir::cleanPath(program.absoluteFilePath(QStringLiteral(MB_DATA_FROM_BIN)))};
}

QString FindDataPath(const QString& programDirectory, const QString& relative) {
    for (const QString& folder : DataFolders(programDirectory)) {
        const QFileInfo candidate(QDir(folder).filePath(relative));
        if (candidate.exists()) return candidate.absoluteFilePath();
    }
    return {};
}

QString UserGuidePath(const QString& programDirectory) {
    const QString found = FindDataPath(programDirectory, kGuide);
    return found.isEmpty() ? QDir(programDirectory).absoluteFilePath(kGuide) : found;
}

QString ExamplesFolder(const QString& programDirectory) {
    // A folder counts only when it holds experiments; a program run from a build
    // folder without its copy falls back on the source tree's.
    QStringList folders;
    for (const QString& f : DataFolders(programDirectory)) folders << QDir(f).filePath(kExamples);
#ifdef MB_SOURCE_EXAMPLES_DIR
    folders << QStringLiteral(MB_SOURCE_EXAMPLES_DIR);
#endif
    for (const QString& folder : folders) {
        const QDir dir(folder);
        if (dir.exists() && !dir.entryList({"*.kmx"}, QDir::Files).isEmpty()) return dir.absolutePath();
    }
    return {};
}

}  // namespace mb

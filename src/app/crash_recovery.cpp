#include "app/crash_recovery.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QUuid>
#include <QtDebug>

#include "io/file_replacement.h"
#include "io/project_file.h"
#include "scene/translatable.h"
#include "ui/prompts.h"
#include "ui/translate.h"

namespace mb {

namespace {

constexpr const char* kQuestionCaption = "Motionbench";
constexpr const char* kQuestion = MB_TRANSLATE_NOOP(
    "TForm1",
    "Motionbench did not end properly, and an experiment with unsaved changes was kept:\n\n"
    "%1\nlast changed %2\n\nRestore it?");

QString DefaultFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath("recovery");
}

// Beside each copy, the file the experiment belongs to (empty for a new one).
QString OriginOf(const QString& copy) { return copy + ".origin"; }

std::string Native(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

CrashRecovery::CrashRecovery(const QString& folder, Source source, QObject* parent)
    : QObject(parent),
      folder_(folder.isEmpty() ? DefaultFolder() : folder),
      id_(QUuid::createUuid().toString(QUuid::Id128)),
      source_(std::move(source)),
      lock_(QDir(folder_).filePath(id_ + ".lock")) {
    QDir().mkpath(folder_);
    // A lock is stale only when the program holding it is gone; an old lock of a
    // program still running (a lesson left open all morning) stays its own.
    lock_.setStaleLockTime(0);
    if (!lock_.tryLock(0)) qWarning("Motionbench: cannot lock %s: no copies will be kept", qPrintable(lock_.fileName()));
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &CrashRecovery::writeNow);
}

CrashRecovery::~CrashRecovery() = default;

QString CrashRecovery::copyOf(const QString& id) const { return QDir(folder_).filePath(id + ".kmx"); }

QString CrashRecovery::ownCopy() const { return copyOf(id_); }

void CrashRecovery::experimentShown() {
    const std::optional<Unsaved> unsaved = source_();
    if (!unsaved) {
        if (haveCopy_ || timer_.isActive()) discard();
        return;
    }
    // The first change after the copy starts the wait; later ones do not push it
    // back, so a long spell of editing is still written aside every few seconds.
    if (timer_.isActive() || (haveCopy_ && !written_.differs(*unsaved->scene))) return;
    timer_.start(kDelayMs);
}

void CrashRecovery::writeNow() {
    timer_.stop();
    const std::optional<Unsaved> unsaved = source_();
    if (!unsaved) {
        discard();
        return;
    }
    if (!lock_.isLocked()) return;
    const QString copy = ownCopy();
    std::string error;
    try {
        EncodedProject files = EncodeProject(*unsaved->scene, unsaved->encoding);
        error = ReplaceFiles({{Native(copy) + ".nam", std::move(files.names)},
                              {Native(OriginOf(copy)), unsaved->path.toStdString()},
                              {Native(copy), std::move(files.project)}});
    } catch (const std::exception& e) {  // out of memory: nothing else is thrown
        error = e.what();
    }
    if (!error.empty()) {
        // Nothing to tell the user now: the experiment itself is untouched, and
        // the next change tries again.
        qWarning("Motionbench: the experiment could not be kept aside: %s", error.c_str());
        return;
    }
    haveCopy_ = true;
    written_.markSaved(*unsaved->scene);
}

void CrashRecovery::remove(const QString& id) {
    const QString copy = copyOf(id);
    for (const QString& f : {copy + ".nam", OriginOf(copy), copy}) QFile::remove(f);
}

void CrashRecovery::discard() {
    timer_.stop();
    if (haveCopy_) remove(id_);
    haveCopy_ = false;
    written_ = ChangeTracker{};
}

std::optional<CrashRecovery::LeftBehind> CrashRecovery::offerLeftBehind(Prompts& prompts) {
    const QFileInfoList copies = QDir(folder_).entryInfoList({"*.kmx"}, QDir::Files, QDir::Time);
    for (const QFileInfo& copy : copies) {
        const QString id = copy.completeBaseName();
        if (id == id_) continue;
        auto lock = std::make_unique<QLockFile>(QDir(folder_).filePath(id + ".lock"));
        lock->setStaleLockTime(0);
        if (!lock->tryLock(0)) continue;  // its program is still running
        QFile origin(OriginOf(copy.filePath()));
        const QString path = origin.open(QIODevice::ReadOnly) ? QString::fromUtf8(origin.readAll()) : QString();
        const QString name = path.isEmpty() ? Tr("TForm1", "Untitled") : QDir::toNativeSeparators(path);
        const QString when = QLocale().toString(copy.lastModified(), QLocale::LongFormat);
        switch (prompts.message(Prompts::Severity::Question, Tr("TForm1", kQuestion).arg(name, when), kQuestionCaption,
                                Prompts::Yes | Prompts::No)) {
            case Prompts::Yes:
                taken_.push_back(std::move(lock));
                return LeftBehind{copy.filePath(), path};
            case Prompts::No: remove(id); break;
            default: return std::nullopt;  // not now: offered again at the next start
        }
    }
    return std::nullopt;
}

void CrashRecovery::forget(const LeftBehind& copy) {
    const QString id = QFileInfo(copy.copyPath).completeBaseName();
    remove(id);
    const QString lockName = QDir(folder_).filePath(id + ".lock");
    std::erase_if(taken_, [&](const std::unique_ptr<QLockFile>& l) { return l->fileName() == lockName; });
}

}  // namespace mb

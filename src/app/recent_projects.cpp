#include "app/recent_projects.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace mb {

namespace {
const char* const kKey = "files/recentProjects";

QString Normal(const QString& path) { return QFileInfo(path).absoluteFilePath(); }
}  // namespace

void RecentProjects::add(const QString& path) {
    if (path.isEmpty()) return;
    const QString p = Normal(path);
    paths_.removeAll(p);
    paths_.prepend(p);
    while (paths_.size() > kCapacity) paths_.removeLast();
}

void RecentProjects::remove(const QString& path) { paths_.removeAll(Normal(path)); }

void RecentProjects::load(const QSettings& settings) {
    paths_.clear();
    // Read oldest first so duplicates and overlong lists from an edited settings
    // file come out as add() would have made them.
    const QStringList stored = settings.value(kKey).toStringList();
    for (qsizetype i = stored.size(); i-- > 0;) add(stored[i]);
}

void RecentProjects::save(QSettings& settings) const { settings.setValue(kKey, paths_); }

void FillRecentMenu(QMenu& menu, const QStringList& paths, const std::function<void(const QString&)>& open) {
    menu.clear();
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const QString& path = paths[i];
        QString text = QString("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName());
        for (qsizetype j = 0; j < paths.size(); ++j)
            if (j != i && QFileInfo(paths[j]).fileName() == QFileInfo(path).fileName()) {
                text += "  (" + QDir::toNativeSeparators(QFileInfo(path).absolutePath()) + ")";
                break;
            }
        QAction* a = menu.addAction(text);
        a->setData(path);
        a->setToolTip(QDir::toNativeSeparators(path));
        a->setStatusTip(QDir::toNativeSeparators(path));
        QObject::connect(a, &QAction::triggered, &menu, [open, path] { open(path); });
    }
    menu.menuAction()->setEnabled(!paths.isEmpty());
}

}  // namespace mb

#include "app/recent_projects.h"

#include <QFileInfo>
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

}  // namespace mb

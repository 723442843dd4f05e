// The projects opened or saved last, newest first, remembered between sessions.
#pragma once

#include <QStringList>
#include <functional>

class QMenu;
class QSettings;

namespace mb {

class RecentProjects {
public:
    static constexpr int kCapacity = 8;

    // Puts `path` first (taking it out of its old place); the oldest beyond the
    // capacity drop off.
    void add(const QString& path);
    void remove(const QString& path);
    const QStringList& paths() const { return paths_; }

    void load(const QSettings& settings);
    void save(QSettings& settings) const;

private:
    QStringList paths_;
};

// The File menu's list: one numbered entry per path, two of the same name told
// apart by their folders; `open` is called with the path of the one chosen.
void FillRecentMenu(QMenu& menu, const QStringList& paths, const std::function<void(const QString&)>& open);

}  // namespace mb

// The projects opened or saved last, newest first, remembered between sessions.
#pragma once

#include <QStringList>

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

}  // namespace mb

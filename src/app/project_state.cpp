#include "app/project_state.h"

#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <algorithm>
#include <memory>

#include "engine/engine.h"
#include "io/project_file.h"

namespace mb {

namespace {
// The project file also holds values the program derives while it draws and
// runs: a ball's screen place, pixel radius and picture size (they follow the
// moving picture), a remark's measured text size, and the length and stiffness
// of cords and poles taken at the start of every run. They are set as a run or a
// redraw would set them, so only what the user can change is compared.
EncodedProject Fingerprint(const Scene& scene) {
    auto copy = std::make_unique<Scene>(scene);
    for (int j = 0; j < kBallCapacity && copy->balls[j].inUse(); ++j) {
        Ball& b = copy->balls[j];
        DeriveBallScreen(b, copy->view);
        b.pixelCount = 0;
    }
    for (Remark& r : copy->remarks) r.width = r.height = 0;
    PrepareRun(*copy);
    return EncodeProject(*copy);
}
}  // namespace

void ChangeTracker::markSaved(const Scene& scene, const QString& background) {
    EncodedProject e = Fingerprint(scene);
    project_ = std::move(e.project);
    names_ = std::move(e.names);
    background_ = background;
}

bool ChangeTracker::differs(const Scene& scene, const QString& background) const {
    if (background != background_) return true;
    const EncodedProject e = Fingerprint(scene);
    return e.project != project_ || e.names != names_;
}

QString ExampleTitle(const QString& fileName) {
    QString title = QFileInfo(fileName).completeBaseName();
    title.replace('_', ' ');
    if (!title.isEmpty()) title[0] = title[0].toUpper();
    return title;
}

QList<ExampleEntry> ListExamples(const QString& folder) {
    QList<ExampleEntry> list;
    if (folder.isEmpty()) return list;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({"*.kmx"}, QDir::Files, QDir::Name))
        list.push_back({ExampleTitle(name), dir.absoluteFilePath(name)});
    std::sort(list.begin(), list.end(), [](const ExampleEntry& a, const ExampleEntry& b) {
        return QString::localeAwareCompare(a.title, b.title) < 0;
    });
    return list;
}

bool PathInFolder(const QString& path, const QString& folder) {
    if (path.isEmpty() || folder.isEmpty()) return false;
    const QString dir = QFileInfo(folder).canonicalFilePath();
    QString file = QFileInfo(path).canonicalFilePath();
    if (file.isEmpty()) file = QFileInfo(path).absoluteFilePath();  // not written yet
    return !dir.isEmpty() && file.startsWith(dir + '/');
}

QString DroppedProject(const QMimeData* data) {
    if (!data || !data->hasUrls()) return {};
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile()) continue;
        const QString path = url.toLocalFile();
        if (QFileInfo(path).suffix().compare("kmx", Qt::CaseInsensitive) == 0) return path;
    }
    return {};
}

QString ProjectFromArguments(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == "--drag") ++i;  // its value is not a file
        if (a.isEmpty() || a.startsWith('-')) continue;
        return QFileInfo(a).absoluteFilePath();
    }
    return {};
}

}  // namespace mb

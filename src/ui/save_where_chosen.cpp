#include "ui/save_where_chosen.h"

#include <QFileInfo>
#include <QSaveFile>

#include "ui/translate.h"

namespace mb {

bool SaveWhereChosen(Prompts& prompts, QString& folder, const SaveRequest& request) {
    QString path = prompts.saveFile(request.title, folder, request.filter, request.defaultSuffix);
    if (path.isEmpty()) return false;
    if (QFileInfo(path).suffix().isEmpty()) path += "." + request.defaultSuffix;
    folder = QFileInfo(path).absolutePath();
    const std::optional<QByteArray> bytes = request.bytes(path);
    QSaveFile file(path);
    if (!bytes || !file.open(QIODevice::WriteOnly) || file.write(*bytes) != bytes->size() || !file.commit()) {
        prompts.warning(request.failure(path, file.errorString()), Prompts::Ok);
        return false;
    }
    return true;
}

QString DataNotWritten(const QString& path, const QString& reason) {
    return Tr(kSharedContext, "The data could not be written to %1:\n%2").arg(path, reason);
}

}  // namespace mb

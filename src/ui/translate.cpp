#include "ui/translate.h"

#include <QCoreApplication>

namespace mb {

QString Tr(const char* context, const char* text) {
    // A translation equal to the source would look untranslated here; looking
    // the text up once more among the shared words then gives the same words.
    const QString own = QCoreApplication::translate(context, text);
    if (own != QString::fromUtf8(text)) return own;
    return QCoreApplication::translate(kSharedContext, text);
}

}  // namespace mb

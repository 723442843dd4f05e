// Saving bytes where the user chooses: the chooser through Prompts, the default
// suffix added to a name given without one, the folder remembered for the next
// chooser, and the file replaced only once it was written completely, with a
// warning when it could not be.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

#include "ui/prompts.h"

namespace mb {

struct SaveRequest {
    QString title;
    QString filter;         // in Qt's form: "CSV file (*.csv)"
    QString defaultSuffix;  // without the dot
    // The bytes for the chosen path (its suffix may choose the format), or none
    // when they cannot be made.
    std::function<std::optional<QByteArray>(const QString& path)> bytes;
    // The warning's text when the file could not be written, from the path and
    // the system's reason.
    std::function<QString(const QString& path, const QString& reason)> failure;
};

// Asks for the place starting in `folder`, which then becomes the chosen file's
// folder. True when the file was written; false when the user cancelled or the
// writing failed (the user has been told).
bool SaveWhereChosen(Prompts& prompts, QString& folder, const SaveRequest& request);

// The failure text of the measurement windows' data files.
QString DataNotWritten(const QString& path, const QString& reason);

}  // namespace mb

// The one way any window shows a message box, asks a question, opens a file,
// picture or font chooser, or runs a modal dialog. Production uses Qt's boxes
// and dialogs; tests use a scripted double, so nothing ever blocks on a modal box.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include "ui/translate.h"

class QDialog;

namespace mb {

// The caption every warning of the program carries.
inline constexpr const char* kWarningCaption = MB_TRANSLATE_NOOP("Forms", "warning");

class Prompts {
public:
    enum Button : int { NoButton = 0, Ok = 1, Cancel = 2, Yes = 4, No = 8 };
    // What a box tells the user, which decides its icon: a note, a failure or a
    // refusal, or a confirmation that proceeds only on Ok.
    enum class Severity { Information, Warning, Question };

    virtual ~Prompts() = default;

    // A message box with the given buttons (a combination of Button values);
    // returns the button pressed, or Cancel when the box was closed otherwise.
    virtual Button message(Severity severity, const QString& text, const QString& caption, int buttons) = 0;

    // A warning under the program's "warning" caption.
    Button warning(const QString& text, int buttons) {
        return message(Severity::Warning, text, Tr(kSharedContext, kWarningCaption), buttons);
    }

    // File choosers; an empty result means the user cancelled. `filter` is in Qt's
    // form ("lab file (*.kmx)").
    virtual QString openFile(const QString& title, const QString& directory, const QString& filter) = 0;
    virtual QString saveFile(const QString& title, const QString& directory, const QString& filter,
                             const QString& defaultSuffix) = 0;
    virtual QString openPicture(const QString& title, const QString& directory) = 0;

    // Font chooser; returns false when cancelled, else stores the choice.
    virtual bool chooseFont(QFont& font, const QString& title) = 0;
    // Colour chooser, started at `colour`; returns false when cancelled, else stores the choice.
    virtual bool chooseColour(QColor& colour, const QString& title) = 0;

    // Runs a modal dialog and returns its result code (QDialog::Accepted or Rejected).
    virtual int exec(QDialog& dialog) = 0;
};

}  // namespace mb

// The small kit every dialog of the program is built from: widgets that carry
// their component names and take their texts from the form's one table of words,
// the Ok/Cancel/Delete row, and the "warn, then move the focus" pattern with the
// edits' number reading.
#pragma once

#include <QString>
#include <initializer_list>
#include <optional>
#include <span>

#include "ui/prompts.h"
#include "ui/translate.h"

class QAbstractButton;
class QBoxLayout;
class QCheckBox;
class QDialog;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace mb {

// Suffixes shared by the dialogs' warnings.
inline constexpr const char* kNotRealSuffix = MB_TRANSLATE_NOOP("Forms", "  is not a real number!");
inline constexpr const char* kNotIntegerSuffix = MB_TRANSLATE_NOOP("Forms", "  is not a integer.");

// One entry of a form's table of words: a component's object name and its text
// (caption, label, button or check box text).
struct FormText {
    const char* name;
    const char* text;
};
using FormTexts = std::span<const FormText>;

// Builds the widgets of one form, each named after its component and worded from
// the form's table (a name missing from the table is a programming error).
class FormBuilder {
public:
    FormBuilder(QWidget* window, FormTexts texts) : window_(window), texts_(texts) {}

    QString text(const char* name) const;
    QLabel* label(const char* name) const;
    QLineEdit* edit(const char* name) const;  // an edit has no text of its own
    QPushButton* button(const char* name) const;
    QCheckBox* checkBox(const char* name) const;
    QRadioButton* radio(const char* name) const;

    // One row of a grid: label, edit and, when given, the unit label after it.
    QLineEdit* editRow(QGridLayout* grid, int row, const char* labelName, const char* editName,
                       const char* unitName = nullptr) const;

    // The form's button row in the given order, right aligned; the first button
    // named is the default one.
    QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons) const;

private:
    QWidget* window_;  // the form the widgets belong to
    FormTexts texts_;
};

// Shows a warning and then gives the focus to the control the user must correct.
void WarnAt(Prompts& prompts, QWidget* focus, const QString& text, const QString& caption = Tr(kSharedContext, kWarningCaption),
            int buttons = Prompts::Ok | Prompts::Cancel);

// Reads the edit as a real; on failure warns "<text><suffix>" and moves the focus
// there. The suffix and caption vary from form to form.
std::optional<double> ReadRealOrWarn(Prompts& prompts, QLineEdit* edit, const QString& suffix = Tr(kSharedContext, kNotRealSuffix),
                                     const QString& caption = Tr(kSharedContext, kWarningCaption));
std::optional<int> ReadIntegerOrWarn(Prompts& prompts, QLineEdit* edit, const QString& suffix = Tr(kSharedContext, kNotIntegerSuffix),
                                     const QString& caption = Tr(kSharedContext, kWarningCaption));

// Shows a real in an edit as every edit shows it (shortest form, 15 digits).
void ShowReal(QLineEdit* edit, double value);

}  // namespace mb

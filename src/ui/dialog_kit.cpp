#include "ui/dialog_kit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cassert>
#include <cstring>

#include "ui/number_text.h"
#include "ui/translate.h"

namespace mb {

namespace {
template <class W>
W* Named(QWidget* parent, const char* name, const QString& text) {
    auto* w = new W(text, parent);
    w->setObjectName(QString::fromLatin1(name));
    return w;
}
}  // namespace

QString FormBuilder::text(const char* name) const {
    // The form's words are translated under its name (a form named only after
    // its widgets are made finds just the words several forms share).
    const QByteArray form = window_->objectName().toLatin1();
    for (const FormText& t : texts_)
        if (std::strcmp(t.name, name) == 0) return Tr(form.constData(), t.text);
    assert(false && "component missing from the form's words");
    return {};
}

QLabel* FormBuilder::label(const char* name) const { return Named<QLabel>(window_, name, text(name)); }

QLineEdit* FormBuilder::edit(const char* name) const {
    auto* e = new QLineEdit(window_);
    e->setObjectName(QString::fromLatin1(name));
    return e;
}

QPushButton* FormBuilder::button(const char* name) const { return Named<QPushButton>(window_, name, text(name)); }
QCheckBox* FormBuilder::checkBox(const char* name) const { return Named<QCheckBox>(window_, name, text(name)); }
QRadioButton* FormBuilder::radio(const char* name) const { return Named<QRadioButton>(window_, name, text(name)); }

QLineEdit* FormBuilder::editRow(QGridLayout* grid, int row, const char* labelName, const char* editName,
                                const char* unitName) const {
    QLineEdit* e = edit(editName);
    grid->addWidget(label(labelName), row, 0);
    grid->addWidget(e, row, 1);
    if (unitName) grid->addWidget(label(unitName), row, 2);
    return e;
}

QHBoxLayout* FormBuilder::buttonRow(std::initializer_list<QPushButton*> buttons) const {
    auto* row = new QHBoxLayout;
    row->addStretch();
    bool first = true;
    for (QPushButton* b : buttons) {
        b->setAutoDefault(false);
        if (first) b->setDefault(true);
        first = false;
        row->addWidget(b);
    }
    return row;
}

void WarnAt(Prompts& prompts, QWidget* focus, const QString& text, const QString& caption, int buttons) {
    prompts.message(Prompts::Severity::Warning, text, caption, buttons);
    if (focus) focus->setFocus();
}

std::optional<double> ReadRealOrWarn(Prompts& prompts, QLineEdit* edit, const QString& suffix,
                                     const QString& caption) {
    const auto v = ParseReal(edit->text());
    if (!v) WarnAt(prompts, edit, edit->text() + suffix, caption);
    return v;
}

std::optional<int> ReadIntegerOrWarn(Prompts& prompts, QLineEdit* edit, const QString& suffix,
                                     const QString& caption) {
    const auto v = ParseInteger(edit->text());
    if (!v) WarnAt(prompts, edit, edit->text() + suffix, caption);
    return v;
}

void ShowReal(QLineEdit* edit, double value) { edit->setText(FormatReal(value)); }

}  // namespace mb

// A Prompts double for tests: records every message and answers from a script.
#pragma once

#include <QDialog>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

#include "ui/prompts.h"

namespace mb::test {

struct RecordedMessage {
    QString text;
    QString caption;
    int buttons;
    Prompts::Severity severity;
};

class ScriptedPrompts : public Prompts {
public:
    std::vector<RecordedMessage> messages;
    std::deque<Button> answers;              // for message(); Ok when empty
    std::deque<QString> files;               // for the file and picture choosers; "" (cancel) when empty
    std::deque<std::function<int(QDialog&)>> dialogs;  // for exec(); Rejected when empty
    std::vector<QString> dialogsShown;       // object names of the dialogs run
    std::vector<QString> fileTitles;
    std::vector<QString> fileFolders;  // where each chooser started
    bool fontAnswer = false;
    QFont fontChoice;
    bool colourAnswer = false;
    QColor colourChoice;
    std::vector<QColor> coloursOffered;  // the colour each chooser started at

    Button message(Severity severity, const QString& text, const QString& caption, int buttons) override {
        messages.push_back({text, caption, buttons, severity});
        if (answers.empty()) return Ok;
        Button b = answers.front();
        answers.pop_front();
        return b;
    }
    QString openFile(const QString& title, const QString& folder, const QString&) override {
        return nextFile(title, folder);
    }
    QString saveFile(const QString& title, const QString& folder, const QString&, const QString&) override {
        return nextFile(title, folder);
    }
    QString openPicture(const QString& title, const QString& folder) override { return nextFile(title, folder); }
    bool chooseFont(QFont& font, const QString&) override {
        if (fontAnswer) font = fontChoice;
        return fontAnswer;
    }
    bool chooseColour(QColor& colour, const QString&) override {
        coloursOffered.push_back(colour);
        if (colourAnswer) colour = colourChoice;
        return colourAnswer;
    }
    int exec(QDialog& dialog) override {
        dialogsShown.push_back(dialog.objectName());
        if (dialogs.empty()) return QDialog::Rejected;
        auto f = std::move(dialogs.front());
        dialogs.pop_front();
        return f(dialog);
    }

    QStringList texts() const {
        QStringList out;
        for (const auto& m : messages) out << m.text;
        return out;
    }

private:
    QString nextFile(const QString& title, const QString& folder) {
        fileTitles.push_back(title);
        fileFolders.push_back(folder);
        if (files.empty()) return {};
        QString f = files.front();
        files.pop_front();
        return f;
    }
};

}  // namespace mb::test

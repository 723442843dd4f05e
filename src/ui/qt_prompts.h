// The program's message boxes, file, picture and font choosers and modal
// dialogs, shown with Qt's own boxes over the main window.
#pragma once

#include "ui/prompts.h"

class QWidget;

namespace mb {

class QtPrompts : public Prompts {
public:
    explicit QtPrompts(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    Button message(Severity severity, const QString& text, const QString& caption, int buttons) override;
    QString openFile(const QString& title, const QString& directory, const QString& filter) override;
    QString saveFile(const QString& title, const QString& directory, const QString& filter,
                     const QString& defaultSuffix) override;
    QString openPicture(const QString& title, const QString& directory) override;
    bool chooseFont(QFont& font, const QString& title) override;
    bool chooseColour(QColor& colour, const QString& title) override;
    int exec(QDialog& dialog) override;

private:
    QWidget* parent_;
};

// Opening documents and addresses with the desktop's handlers and starting
// programs; tests substitute a recorder.
class DesktopShell {
public:
    virtual ~DesktopShell() = default;
    virtual bool openUrl(const QString& url) = 0;
    // Starts the program without waiting for it; false when it could not start.
    virtual bool startProgram(const QString& program) = 0;
    // Full path of an installed program found on the search path, or empty.
    virtual QString findProgram(const QString& name) = 0;
};

class QtDesktopShell : public DesktopShell {
public:
    bool openUrl(const QString& url) override;
    bool startProgram(const QString& program) override;
    QString findProgram(const QString& name) override;
};

}  // namespace mb

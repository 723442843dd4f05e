#include "ui/qt_prompts.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace mb {

namespace {
QMessageBox::Icon IconOf(Prompts::Severity severity) {
    switch (severity) {
        case Prompts::Severity::Warning: return QMessageBox::Warning;
        case Prompts::Severity::Question: return QMessageBox::Question;
        case Prompts::Severity::Information: break;
    }
    return QMessageBox::Information;
}
}  // namespace

Prompts::Button QtPrompts::message(Severity severity, const QString& text, const QString& caption, int buttons) {
    QMessageBox box(parent_);
    box.setWindowTitle(caption);
    box.setText(text);
    box.setIcon(IconOf(severity));
    QMessageBox::StandardButtons std;
    if (buttons & Ok) std |= QMessageBox::Ok;
    if (buttons & Cancel) std |= QMessageBox::Cancel;
    if (buttons & Yes) std |= QMessageBox::Yes;
    if (buttons & No) std |= QMessageBox::No;
    if (std == QMessageBox::NoButton) std = QMessageBox::Ok;
    box.setStandardButtons(std);
    switch (box.exec()) {
        case QMessageBox::Ok: return Ok;
        case QMessageBox::Yes: return Yes;
        case QMessageBox::No: return No;
        default: return Cancel;
    }
}

QString QtPrompts::openFile(const QString& title, const QString& directory, const QString& filter) {
    QFileDialog dlg(parent_, title, directory, filter);
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setFileMode(QFileDialog::ExistingFile);
    dlg.setOption(QFileDialog::ReadOnly, false);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return {};
    return dlg.selectedFiles().front();
}

QString QtPrompts::saveFile(const QString& title, const QString& directory, const QString& filter,
                            const QString& defaultSuffix) {
    QFileDialog dlg(parent_, title, directory, filter);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);
    dlg.setDefaultSuffix(defaultSuffix);
    // Asking before overwriting is QFileDialog's default for saving.
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return {};
    return dlg.selectedFiles().front();
}

QString QtPrompts::openPicture(const QString& title, const QString& directory) {
    return openFile(title, directory, "(*.bmp) (*.bmp)");
}

bool QtPrompts::chooseFont(QFont& font, const QString& title) {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, font, parent_, title);
    if (ok) font = chosen;
    return ok;
}

bool QtPrompts::chooseColour(QColor& colour, const QString& title) {
    const QColor chosen = QColorDialog::getColor(colour, parent_, title);
    if (!chosen.isValid()) return false;  // cancelled
    colour = chosen;
    return true;
}

int QtPrompts::exec(QDialog& dialog) { return dialog.exec(); }

namespace {
// xdg-open reports success as soon as it has started, also when no program then
// takes the address, and the user sees nothing. Asking xdg-mime for the default
// handler first tells a desktop without a browser or mail program from one with.
// Where that cannot be asked (no xdg-mime, or $BROWSER chosen by hand) Qt decides.
bool DesktopHasHandler(const QUrl& url) {
    const QString xdgMime = QStandardPaths::findExecutable("xdg-mime");
    if (xdgMime.isEmpty() || qEnvironmentVariableIsSet("BROWSER")) return true;
    const QString type = url.isLocalFile() ? QMimeDatabase().mimeTypeForFile(url.toLocalFile()).name()
                                           : "x-scheme-handler/" + url.scheme();
    QProcess query;
    query.start(xdgMime, {"query", "default", type});
    if (!query.waitForFinished(3000) || query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0)
        return true;
    return !query.readAllStandardOutput().trimmed().isEmpty();
}
}  // namespace

bool QtDesktopShell::openUrl(const QString& url) {
    const QUrl target(url);
    // The offscreen and minimal platforms have no desktop to hand anything to.
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")) return false;
    if (!DesktopHasHandler(target)) return false;
    return QDesktopServices::openUrl(target);
}

bool QtDesktopShell::startProgram(const QString& program) { return QProcess::startDetached(program, {}); }

QString QtDesktopShell::findProgram(const QString& name) { return QStandardPaths::findExecutable(name); }

}  // namespace mb

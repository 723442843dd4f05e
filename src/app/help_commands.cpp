#include "app/help_commands.h"

#include <QUrl>
#include <QWidget>

#include "app/about_dialog.h"
#include "app/help_window.h"
#include "app/resource_paths.h"
#include "ui/qt_prompts.h"

namespace mb {

HelpCommands::HelpCommands(Prompts& prompts, DesktopShell& shell, const QString& programDirectory, QWidget* window)
    : QObject(window),
      prompts_(prompts),
      shell_(shell),
      programDirectory_(programDirectory),
      window_(window),
      aboutBox_(new AboutDialog(window)) {}

const QStringList& HelpCommands::calculatorPrograms() {
    static const QStringList programs{"gnome-calculator", "kcalc", "galculator", "qalculate-gtk", "xcalc"};
    return programs;
}

void HelpCommands::howToUse() {
    const QString guide = UserGuidePath(programDirectory_);
    if (shell_.openUrl(QUrl::fromLocalFile(guide).toString())) return;
    // No program of the desktop took the guide: show it in our own window, offline.
    if (!helpWindow_) {
        helpWindow_ = new HelpWindow(window_);
        connect(helpWindow_, &HelpWindow::externalLinkRequested, this,
                [this](const QUrl& url) { openAddress(url.toString()); });
    }
    helpWindow_->showGuide(guide);
}

void HelpCommands::openAddress(const QString& address) {
    if (shell_.openUrl(address)) return;
    // Without a mail program or browser the address is still worth having.
    if (!addressBox_) addressBox_ = new AddressDialog(window_);
    addressBox_->setAddress(address);
    prompts_.exec(*addressBox_);
}

void HelpCommands::startCalculator() {
    for (const QString& name : calculatorPrograms()) {
        const QString program = shell_.findProgram(name);
        if (program.isEmpty()) continue;
        shell_.startProgram(program);  // a calculator that fails to start is not our error
        return;
    }
}

void HelpCommands::mailToUs() { openAddress(kMailAddress); }

void HelpCommands::visitWebsite() { openAddress(kWebAddress); }

void HelpCommands::aboutSoftware() { prompts_.exec(*aboutBox_); }

}  // namespace mb

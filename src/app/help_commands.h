// The Help, Tools and Net menus' commands: the guide, the calculator, mail and
// the website, and the About box. They go through the desktop and fall back on
// windows of our own where the desktop has nothing to offer.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QWidget;

namespace mb {

class AboutDialog;
class AddressDialog;
class DesktopShell;
class HelpWindow;
class Prompts;

class HelpCommands : public QObject {
    Q_OBJECT
public:
    // `window` parents the guide and the boxes; the program's folder holds the guide.
    HelpCommands(Prompts& prompts, DesktopShell& shell, const QString& programDirectory, QWidget* window);

    void howToUse();
    void startCalculator();
    void mailToUs();
    void visitWebsite();
    void aboutSoftware();

    // The programs "&Calculator" tries, in order.
    static const QStringList& calculatorPrograms();

private:
    // Hands a mail or web address to the desktop, or shows it to be copied.
    void openAddress(const QString& address);

    Prompts& prompts_;
    DesktopShell& shell_;
    QString programDirectory_;
    QWidget* window_;
    AboutDialog* aboutBox_;
    HelpWindow* helpWindow_ = nullptr;     // made when the desktop first fails to show the guide
    AddressDialog* addressBox_ = nullptr;  // made when the desktop first fails to open an address
};

}  // namespace mb

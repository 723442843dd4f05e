#include <QApplication>
#include <QScreen>

#include "app/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Motionbench");
    QApplication::setApplicationVersion("1.0");
    mb::MainWindow window;
    // Without a window manager (a bare X server) maximising does nothing: start
    // with the screen's whole working area, centred, and ask to be maximised too.
    if (const QScreen* screen = window.screen()) window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    return app.exec();
}

#include <QApplication>
#include <QScreen>
#include <QTimer>

#include "app/main_window.h"
#include "app/project_state.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Motionbench");
    QApplication::setApplicationVersion("1.0");
    mb::MainWindow window;
    // Without a window manager (a bare X server) maximising does nothing: start
    // with the screen's whole working area, centred, and ask to be maximised too.
    if (const QScreen* screen = window.screen()) window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    // "motionbench lab.kmx" opens the project once the window shows.
    const QString project = mb::ProjectFromArguments(QCoreApplication::arguments());
    if (!project.isEmpty()) QTimer::singleShot(0, &window, [&window, project] { window.openProjectFile(project); });
    return app.exec();
}

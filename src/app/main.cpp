#include <QApplication>
#include <QScreen>
#include <cstdio>

#include "app/main_window.h"
#include "app/measure_run.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Motionbench");
    QApplication::setApplicationVersion("1.0");
    // Diagnostic: motionbench --measure-run FILE [--seconds S]
    const QStringList args = QApplication::arguments();
    if (const qsizetype at = args.indexOf("--measure-run"); at >= 0) {
        if (at + 1 >= args.size()) {
            std::fprintf(stderr, "usage: motionbench --measure-run FILE [--seconds S]\n");
            return 2;
        }
        double seconds = 5.0;
        if (const qsizetype s = args.indexOf("--seconds"); s >= 0) {
            bool ok = false;
            seconds = s + 1 < args.size() ? args[s + 1].toDouble(&ok) : 0.0;
            if (!ok || !(seconds > 0) || seconds > 3600) {
                std::fprintf(stderr, "motionbench: --seconds wants a number of seconds above 0, at most 3600\n");
                return 2;
            }
        }
        return mb::MeasureRun(args[at + 1], seconds);
    }
    mb::MainWindow window;
    // Without a window manager (a bare X server) maximising does nothing: start
    // with the screen's whole working area, centred, and ask to be maximised too.
    if (const QScreen* screen = window.screen()) window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    return app.exec();
}

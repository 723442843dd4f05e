// Puts the real program into a state worth a picture, for tools/screenshot.sh:
// the README's screenshot and the user guide's illustrations. It runs the main
// window exactly as motionbench does, performs the steps a user would (open an
// example, run it, begin a new project, ...), prints "ready" once the screen
// shows the result, and then waits to be ended. With --shot it photographs the
// whole screen itself instead and ends (for machines without ImageMagick).
//
//   motionbench_screenshot [--shot OUT.png PERCENT] MODE ...
//   motionbench_screenshot start
//   motionbench_screenshot origin
//   motionbench_screenshot scale
//   motionbench_screenshot run FILE.kmx [milliseconds]
//   motionbench_screenshot settings FILE.kmx
//   motionbench_screenshot data FILE.kmx [milliseconds]
//   motionbench_screenshot curve FILE.kmx [milliseconds]
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "app/main_window.h"
#include "ui/qt_prompts.h"

namespace {

// Qt's own boxes, except that the project chooser answers with the given file.
class DriverPrompts : public mb::QtPrompts {
public:
    explicit DriverPrompts(QString file) : file_(std::move(file)) {}
    QString openFile(const QString&, const QString&, const QString&) override { return file_; }

private:
    QString file_;
};

QString gShotFile;
int gShotPercent = 100;

void Ready() {
    if (!gShotFile.isEmpty()) {
        QScreen* screen = QGuiApplication::primaryScreen();
        QPixmap shot = screen ? screen->grabWindow(0) : QPixmap();
        if (gShotPercent != 100 && !shot.isNull())
            shot = shot.scaledToWidth(shot.width() * gShotPercent / 100, Qt::SmoothTransformation);
        const bool ok = !shot.isNull() && shot.save(gShotFile, "PNG");
        if (!ok) std::fprintf(stderr, "motionbench_screenshot: cannot write %s\n", qPrintable(gShotFile));
        std::_Exit(ok ? 0 : 1);  // the window may hold a modal dialog: leave at once
    }
    std::printf("ready\n");
    std::fflush(stdout);
}

void Trigger(mb::MainWindow& w, const char* action) {
    if (auto* a = w.findChild<QAction*>(action)) a->trigger();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Motionbench");
    QStringList args = QApplication::arguments().mid(1);
    if (args.size() >= 3 && args[0] == "--shot") {
        gShotFile = args[1];
        gShotPercent = qBound(10, args[2].toInt(), 100);
        args = args.mid(3);
    }
    if (args.isEmpty()) {
        std::fprintf(stderr,
                     "usage: motionbench_screenshot [--shot OUT.png PERCENT] start|origin|scale|run FILE [ms]|"
                     "settings FILE|data FILE [ms]|curve FILE [ms]\n");
        return 2;
    }
    const QString mode = args[0];
    const QString file = args.size() > 1 ? args[1] : QString();
    const int runMs = args.size() > 2 ? args[2].toInt() : 2500;

    DriverPrompts prompts(file);
    mb::MainWindow::Options options;
    options.prompts = &prompts;
    mb::MainWindow window(options);
    prompts.setParent(&window);
    if (const QScreen* screen = window.screen()) window.setGeometry(screen->availableGeometry());
    window.showMaximized();

    // Let the window reach its size before acting.
    QTimer::singleShot(500, &window, [&] {
        if (mode == "start") {
            QTimer::singleShot(300, Ready);
        } else if (mode == "origin") {
            Trigger(window, "N2");
            window.surfaceMoved(QPoint(260, 380));
            window.surfaceMoved(QPoint(300, 420));
            QTimer::singleShot(300, Ready);
        } else if (mode == "scale") {
            Trigger(window, "N2");
            window.surfaceMoved(QPoint(300, 420));
            QTimer::singleShot(600, Ready);
            window.surfacePressed(Qt::LeftButton, QPoint(300, 420));  // shows the dialog modally
        } else if (mode == "run") {
            Trigger(window, "N3");
            Trigger(window, "N35");
            QTimer::singleShot(runMs, Ready);
        } else if (mode == "data") {
            // The first ball's data during a run: the data window opens modally at Run.
            Trigger(window, "N3");
            window.scene().SelectedBall = 0;
            QTimer::singleShot(runMs, Ready);
            Trigger(window, "N35");
        } else if (mode == "curve") {
            // The file's own curve, drawn from the start.
            Trigger(window, "N3");
            QTimer::singleShot(400, &window, [&] {
                if (auto* form = window.findChild<QDialog*>("TForm29"))
                    if (auto* draw = form->findChild<QPushButton*>("BitBtn3")) draw->click();
            });
            QTimer::singleShot(runMs, Ready);
            Trigger(window, "N39");
        } else if (mode == "settings") {
            Trigger(window, "N3");
            QTimer::singleShot(600, Ready);
            Trigger(window, "N8");  // shows the dialog modally
        } else {
            std::fprintf(stderr, "motionbench_screenshot: unknown mode %s\n", qPrintable(mode));
            QApplication::exit(2);
        }
    });
    // Never outlive a script that lost track of us.
    QTimer::singleShot(60000, &app, [] { QCoreApplication::exit(0); });
    return app.exec();
}

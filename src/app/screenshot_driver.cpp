// Puts the real program into a state worth a picture, for tools/screenshot.sh:
// the README's screenshot and the user guide's illustrations. It runs the main
// window exactly as motionbench does, performs the steps a user would (open an
// example, run it, begin a new project, ...), prints "ready" once the screen
// shows the result, and then waits to be ended.
//
//   motionbench_screenshot start
//   motionbench_screenshot origin
//   motionbench_screenshot scale
//   motionbench_screenshot run FILE.kmx [milliseconds]
//   motionbench_screenshot settings FILE.kmx
#include <QAction>
#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <cstdio>

#include "app/main_window.h"
#include "app/qt_prompts.h"

namespace {

// Qt's own boxes, except that the project chooser answers with the given file.
class DriverPrompts : public mb::QtPrompts {
public:
    explicit DriverPrompts(QString file) : file_(std::move(file)) {}
    QString openFile(const QString&, const QString&, const QString&) override { return file_; }

private:
    QString file_;
};

void Ready() {
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
    if (argc < 2) {
        std::fprintf(stderr, "usage: motionbench_screenshot start|origin|scale|run FILE [ms]|settings FILE\n");
        return 2;
    }
    const QString mode = QString::fromLocal8Bit(argv[1]);
    const QString file = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    const int runMs = argc > 3 ? QString::fromLocal8Bit(argv[3]).toInt() : 2500;

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
        } else if (mode == "settings") {
            Trigger(window, "N3");
            QTimer::singleShot(600, Ready);
            Trigger(window, "N8");  // shows the dialog modally
        } else {
            std::fprintf(stderr, "motionbench_screenshot: unknown mode %s\n", argv[1]);
            QApplication::exit(2);
        }
    });
    // Never outlive a script that lost track of us.
    QTimer::singleShot(60000, &app, [] { QCoreApplication::exit(0); });
    return app.exec();
}

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
//   motionbench_screenshot dialog FILE.kmx KIND   (the dialog of the first element of kind code KIND)
//   motionbench_screenshot adjust FILE.kmx ROW    (Parameter adjust with kind ROW and its first element chosen)
#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "app/main_window.h"
#include "editor/element_dialogs.h"
#include "editor/element_property_dialogs.h"
#include "editor/parameter_adjust_dialog.h"
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
                     "settings FILE|dialog FILE KIND|adjust FILE ROW\n");
        return 2;
    }
    const QString mode = args[0];
    const QString file = args.size() > 1 ? args[1] : QString();
    const int runMs = args.size() > 2 ? args[2].toInt() : 2500;
    const int number = args.size() > 2 ? args[2].toInt() : 0;

    DriverPrompts prompts(file);
    mb::MainWindow::Options options;
    options.prompts = &prompts;
    mb::MainWindow window(options);
    prompts.setParent(&window);
    mb::ElementDialogs dialogs;
    mb::AddFieldConnectorTrackDialogs(dialogs, prompts, &window);
    mb::ParameterAdjustDialog adjust(dialogs, prompts, &window);
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
        } else if (mode == "dialog") {
            Trigger(window, "N3");
            QTimer::singleShot(600, Ready);
            dialogs.open(static_cast<mb::ElementKind>(number), window.scene(), 0, false);  // modal
        } else if (mode == "adjust") {
            Trigger(window, "N3");
            QTimer::singleShot(300, &adjust, [&] {
                adjust.findChild<QListWidget*>("ListBox1")->setCurrentRow(number);
                adjust.findChild<QListWidget*>("ListBox2")->setCurrentRow(0);
            });
            QTimer::singleShot(600, Ready);
            adjust.run(window.scene());  // modal
        } else {
            std::fprintf(stderr, "motionbench_screenshot: unknown mode %s\n", qPrintable(mode));
            QApplication::exit(2);
        }
    });
    // Never outlive a script that lost track of us.
    QTimer::singleShot(60000, &app, [] { QCoreApplication::exit(0); });
    return app.exec();
}

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
//   motionbench_screenshot place        a new project, the ball tool, its dialog
//   motionbench_screenshot band FILE.kmx    an electric field's rubber band
//   motionbench_screenshot fall [ms]    a new project with a thrown ball, running
//   motionbench_screenshot data FILE.kmx [milliseconds]
//   motionbench_screenshot curve FILE.kmx [milliseconds]
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "app/language.h"
#include "app/main_window.h"
#include "editor/element_dialogs.h"
#include "editor/parameter_adjust_dialog.h"
#include "editor/creating_panel.h"
#include "ui/qt_prompts.h"

namespace {

// Qt's own boxes, except that the project chooser answers with the given file and
// a dialog with typed answers is filled in and confirmed as a user would.
class DriverPrompts : public mb::QtPrompts {
public:
    struct Answer {
        QString dialog;                          // object name of the dialog
        QList<QPair<QString, QString>> texts;    // edit name, text typed
        QStringList ticks;                       // check boxes to tick
        QString press;                           // button pressed; empty: left open for the picture
    };
    explicit DriverPrompts(QString file) : file_(std::move(file)) {}
    QString openFile(const QString&, const QString&, const QString&) override { return file_; }
    int exec(QDialog& dialog) override {
        for (int i = 0; i < answers.size(); ++i) {
            if (answers[i].dialog != dialog.objectName()) continue;
            const Answer a = answers.takeAt(i);
            for (const auto& [edit, text] : a.texts)
                if (auto* e = dialog.findChild<QLineEdit*>(edit)) e->setText(text);
            for (const QString& box : a.ticks)
                if (auto* b = dialog.findChild<QCheckBox*>(box)) b->setChecked(true);
            if (a.press.isEmpty()) return QtPrompts::exec(dialog);
            if (auto* b = dialog.findChild<QAbstractButton*>(a.press)) b->click();
            return dialog.result();
        }
        return QtPrompts::exec(dialog);
    }
    QList<Answer> answers;

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

// A new project with its origin at `origin` and 1 m a pixel, as a user makes it.
void NewProject(mb::MainWindow& w, DriverPrompts& prompts, QPoint origin) {
    prompts.answers.push_back({"TForm3", {{"Edit1", "100"}}, {}, "BitBtn1"});
    Trigger(w, "N2");
    w.surfaceMoved(origin);
    w.surfacePressed(Qt::LeftButton, origin);
    w.surfaceReleased(origin);
}

// A left click on the surface, as the mouse gives it.
void Click(mb::MainWindow& w, QPoint at) {
    w.surfaceMoved(at);
    w.surfacePressed(Qt::LeftButton, at);
    w.surfaceReleased(at);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Motionbench");
    // The desktop's language, as the program speaks it (LANG=zh_CN.UTF-8: Chinese).
    mb::InstallLanguage(app, QCoreApplication::applicationDirPath(), mb::LanguageFor(std::nullopt, mb::DesktopLocale()));
    QStringList args = QApplication::arguments().mid(1);
    if (args.size() >= 3 && args[0] == "--shot") {
        gShotFile = args[1];
        gShotPercent = qBound(10, args[2].toInt(), 100);
        args = args.mid(3);
    }
    if (args.isEmpty()) {
        std::fprintf(stderr,
                     "usage: motionbench_screenshot [--shot OUT.png PERCENT] start|origin|scale|run FILE [ms]|"
                     "settings FILE|dialog FILE KIND|adjust FILE ROW|place|band FILE|fall [ms]|data FILE [ms]|\n"
                     "curve FILE [ms]\n");
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
    mb::ElementDialogs& dialogs = window.elementDialogs();
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
        } else if (mode == "place") {
            NewProject(window, prompts, QPoint(300, 500));
            window.creatingPanel().button("SpeedButton1")->click();
            prompts.answers.push_back({"TForm4", {{"Edit1", "1"}, {"Edit2", "12"}}, {}, {}});
            QTimer::singleShot(800, Ready);
            Click(window, QPoint(420, 330));  // shows the dialog modally
        } else if (mode == "band") {
            Trigger(window, "N3");
            window.findChild<QAction*>("N22")->trigger();
            Click(window, QPoint(700, 150));
            window.surfaceMoved(QPoint(820, 260));
            window.surfaceMoved(QPoint(900, 330));
            QTimer::singleShot(300, Ready);
        } else if (mode == "fall") {
            NewProject(window, prompts, QPoint(200, 600));
            prompts.answers.push_back({"TForm6", {{"Edit1", "0.0005"}, {"Edit2", "10"}}, {"CheckBox2"}, "BitBtn1"});
            Trigger(window, "N8");
            window.creatingPanel().button("SpeedButton1")->click();
            prompts.answers.push_back(
                {"TForm4", {{"Edit1", "1"}, {"Edit2", "8"}, {"Edit6", "40"}, {"Edit7", "45"}}, {}, "BitBtn2"});
            Click(window, QPoint(250, 550));
            Trigger(window, "N35");
            QTimer::singleShot(file.isEmpty() ? 1500 : file.toInt(), Ready);
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

#include "app/measure_run.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "app/main_window.h"
#include "io/project_file.h"
#include "measure/live_graph_window.h"
#include "ui/prompts.h"

namespace mb {
namespace {

// Answers the open chooser with the file to measure and shows no box: a
// message is written to standard error instead.
class UnattendedPrompts : public Prompts {
public:
    explicit UnattendedPrompts(QString file) : file_(std::move(file)) {}
    Button message(Severity, const QString& text, const QString& caption, int) override {
        std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(text));
        return Ok;
    }
    QString openFile(const QString&, const QString&, const QString&) override { return file_; }
    QString saveFile(const QString&, const QString&, const QString&, const QString&) override { return {}; }
    QString openPicture(const QString&, const QString&) override { return {}; }
    bool chooseFont(QFont&, const QString&) override { return false; }
    bool chooseColour(QColor&, const QString&) override { return false; }
    int exec(QDialog&) override { return 0; }

private:
    QString file_;
};

struct Rate {
    bool opened = false;
    double ticksPerSecond = 0;
    double seconds = 0;
    long long ticks = 0;
    int stepsPerTick = 0;
    bool halted = false;
};

// Opens `file` in a new main window, shown as the program shows it, runs it
// for `seconds` and counts the ticks completed: the run time over the time of
// one tick.
Rate MeasureOne(const QString& file, double seconds, bool liveGraph, bool overlay) {
    UnattendedPrompts prompts(file);
    // The user's remembered speed and recent projects are neither read nor touched.
    QTemporaryDir settings;
    MainWindow::Options options;
    options.prompts = &prompts;
    options.settingsFile = settings.filePath("settings.ini");
    options.recoveryFolder = settings.filePath("recovery");
    auto window = std::make_unique<MainWindow>(options);
    if (const QScreen* screen = window->screen()) window->setGeometry(screen->availableGeometry());
    window->showMaximized();
    QCoreApplication::processEvents();
    window->openProject();
    Rate rate;
    rate.opened = window->projectOpen();
    if (!rate.opened) return rate;
    QCoreApplication::processEvents();

    const Scene& scene = window->scene();
    rate.stepsPerTick = scene.settings.StepsPerTick;
    const double tickTime = scene.settings.StepsPerTick * scene.settings.StepTime;
    // The bare timer: a tick at every timer event.
    window->setRunSpeed(RunSpeed::Fastest);
    if (overlay)
        for (const char* name : {"VelocityArrows", "AccelerationArrows", "BallNames"})
            if (auto* a = window->findChild<QAction*>(name)) a->setChecked(true);
    if (liveGraph) {
        window->showLiveGraph();
        window->liveGraph().choose(DefaultSeries(scene));
    }
    window->runController().start();
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(seconds * 1000), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
    rate.seconds = clock.nsecsElapsed() * 1e-9;
    rate.halted = !scene.Running;
    rate.ticks = tickTime > 0 ? static_cast<long long>(scene.RunTime / tickTime + 0.5) : 0;
    rate.ticksPerSecond = rate.ticks / rate.seconds;
    window->runController().stop();
    return rate;
}

}  // namespace

int MeasureRun(const QString& file, const MeasureOptions& options) {
    const double seconds = options.seconds;
    // The empty scene keeps the project's step settings and view.
    ReadResult read = ReadProject(QFile::encodeName(file).toStdString());
    if (!read.ok) {
        std::fprintf(stderr, "motionbench: cannot open %s: %s\n", qPrintable(file), read.error.c_str());
        return 1;
    }
    auto empty = std::make_unique<Scene>();
    ResetScene(*empty);
    empty->settings = read.scene->settings;
    empty->view = read.scene->view;
    QTemporaryDir dir;
    const QString emptyFile = dir.filePath("empty.kmx");
    if (!dir.isValid() || !WriteProject(*empty, QFile::encodeName(emptyFile).toStdString()).ok) {
        std::fprintf(stderr, "motionbench: cannot write the empty scene in %s\n", qPrintable(dir.path()));
        return 1;
    }

    const Rate project = MeasureOne(file, seconds, options.liveGraph, options.overlay);
    if (!project.opened) return 1;
    const Rate bare = MeasureOne(emptyFile, seconds, false, false);
    std::printf("project      %s%s%s\n", qPrintable(QFileInfo(file).fileName()),
                options.liveGraph ? " (live graph open, six series)" : "",
                options.overlay ? " (arrows and names shown)" : "");
    std::printf("steps/tick   %d\n", project.stepsPerTick);
    std::printf("project      %.1f ticks per second (%lld ticks in %.2f s)%s\n", project.ticksPerSecond, project.ticks,
                project.seconds, project.halted ? ", halted: a ball left the controllable area" : "");
    std::printf("empty scene  %.1f ticks per second (%lld ticks in %.2f s)\n", bare.ticksPerSecond, bare.ticks,
                bare.seconds);
    std::printf("ratio        %.3f\n", bare.ticksPerSecond > 0 ? project.ticksPerSecond / bare.ticksPerSecond : 0.0);
    return 0;
}

}  // namespace mb

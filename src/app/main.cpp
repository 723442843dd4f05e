#include <QApplication>
#include <QScreen>
#include <QSettings>
#include <QStringList>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "app/language.h"
#include "app/main_window.h"
#include "app/measure_run.h"
#include "app/pointer_script.h"
#include "app/project_state.h"
#include "app/resource_paths.h"
#include "app_version.h"

namespace {

constexpr const char* kUsage =
    "Usage: motionbench [PROJECT.kmx]\n"
    "       motionbench --measure-run PROJECT.kmx [--seconds S] [--live-graph] [--overlay]\n"
    "       motionbench [PROJECT.kmx] --drag X1,Y1,X2,Y2\n"
    "       motionbench --print-paths | --version | --help\n"
    "\n"
    "Opens the laboratory, with PROJECT.kmx when one is named.\n"
    "\n"
    "  --measure-run FILE  Run FILE at the fastest pace on the real timer for S\n"
    "                      seconds (default 5, at most 3600), then an empty scene\n"
    "                      of the same settings; print the ticks per second of both.\n"
    "  --live-graph        With --measure-run: the live graph open with six series.\n"
    "  --overlay           With --measure-run: arrows and names shown on the surface.\n"
    "  --drag X1,Y1,X2,Y2  Once the window shows (and PROJECT is open), drag with\n"
    "                      the left button from one surface pixel to the other.\n"
    "  --print-paths       Print where the guide, the examples and ground.bmp were\n"
    "                      found; exit status 1 when one is missing.\n"
    "  --version           Print the version and end.\n"
    "  --help              Show this text.\n"
    "\n"
    "Qt's own options (-platform, -style, ...) are understood too.\n";

// --version and --help answer before Qt starts, so they work without a display.
bool AnswersAlone(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("motionbench %s\n", mb::kVersion);
            return true;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return true;
        }
    }
    return false;
}

// motionbench --print-paths: says where the program finds its own files (one
// "what: path" line each, "not found" when missing) and ends, with status 0 when
// all were found. It checks an installation without opening a window.
int PrintPaths() {
    const QString program = QCoreApplication::applicationDirPath();
    const struct {
        const char* what;
        QString path;
    } found[] = {{"guide", mb::FindDataPath(program, "help/index.htm")},
                 {"examples", mb::ExamplesFolder(program)},
                 {"ground", mb::FindDataPath(program, "ground.bmp")}};
    bool all = true;
    for (const auto& f : found) {
        std::printf("%s: %s\n", f.what, f.path.isEmpty() ? "not found" : qPrintable(f.path));
        all = all && !f.path.isEmpty();
    }
    return all ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (AnswersAlone(argc, argv)) return 0;
    QApplication app(argc, argv);
    QApplication::setApplicationName("Motionbench");
    QApplication::setApplicationVersion(mb::kVersion);
    QGuiApplication::setDesktopFileName("motionbench");
    {
        const QSettings settings("Motionbench", "Motionbench");
        mb::InstallLanguage(app, QCoreApplication::applicationDirPath(),
                            mb::LanguageFor(mb::StoredLanguage(settings), mb::DesktopLocale()));
    }
    if (QCoreApplication::arguments().contains("--print-paths")) return PrintPaths();
    // Diagnostic: motionbench --measure-run FILE [--seconds S]
    const QStringList args = QApplication::arguments();
    if (const qsizetype at = args.indexOf("--measure-run"); at >= 0) {
        if (at + 1 >= args.size()) {
            std::fprintf(stderr, "usage: motionbench --measure-run FILE [--seconds S] [--live-graph] [--overlay]\n");
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
        return mb::MeasureRun(args[at + 1], {seconds, args.contains("--live-graph"), args.contains("--overlay")});
    }
    bool dragOk = true;
    const std::optional<mb::PointerDrag> drag = mb::DragFromArguments(args, dragOk);
    if (!dragOk) {
        std::fprintf(stderr, "motionbench: --drag wants four whole numbers: X1,Y1,X2,Y2\n");
        return 2;
    }
    mb::MainWindow window;
    // Without a window manager (a bare X server) maximising does nothing: start
    // with the screen's whole working area, centred, and ask to be maximised too.
    if (const QScreen* screen = window.screen()) window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    // An experiment a crash left behind is offered first; "motionbench lab.kmx"
    // then opens the project, once the window shows.
    QTimer::singleShot(0, &window, [&window] { window.restoreLeftBehind(); });
    const QString project = mb::ProjectFromArguments(QCoreApplication::arguments());
    if (!project.isEmpty()) QTimer::singleShot(0, &window, [&window, project] { window.openProjectFile(project); });
    if (drag) QTimer::singleShot(0, &window, [&window, drag] { mb::PerformDrag(*window.centralWidget(), *drag); });
    return app.exec();
}

// Run control: Run, Stop, pause and restart, and the 1 ms timer `Timer1` whose
// events step the scene while a run goes on. The main window's buttons and the
// data window's buttons both come here, so a run is started, paused and ended
// the same way whoever asks.
#pragma once

#include <QObject>

#include "measure/run_commands.h"
#include "app/run_pace.h"
#include "engine/tick_slicer.h"
#include "scene/scene.h"

class QTimer;

namespace mb {

class Prompts;
class TickDisplay;

class RunController : public QObject, public RunCommands {
    Q_OBJECT
public:
    // What the controller needs from the window that shows the run.
    class Host {
    public:
        virtual ~Host() = default;
        // The scene being run (the window may swap it when a project is opened).
        virtual Scene& runScene() = 0;
        // A run may start: a project is open and its origin chosen.
        virtual bool mayRun() const = 0;
        // Disables what a run must not touch (running), or gives it back.
        virtual void setRunControls(bool running) = 0;
        // The full redraw of the surface, which puts every ball back to its start.
        virtual void fullRedraw() = 0;
        // The static scene and the balls where they stand (after a resize in a run).
        virtual void runRepaint() = 0;
        // Hands the changed part of the surface to the screen.
        virtual void showChanges() = 0;
        // Called at the end of a run start, once the first tick may come: the place
        // where the data window of a chosen ball opens.
        virtual void runStarted() {}
    };

    RunController(Host& host, Prompts& prompts, QObject* parent = nullptr);

    // The per-tick display work (the surface, and the data window when it is open).
    void setTickDisplay(TickDisplay* display) { display_ = display; }

    // Run: editing closed, balls back to their start, cord and pole lengths derived,
    // RunTime 0, Running set.
    void start();
    // Stop: controls given back, Running cleared, balls back to their start.
    void stop() override;
    // pause: Running toggled, nothing else.
    void pause() override;
    // Restart from the data window: Running set, RunTime 0, balls back to their start.
    void restart() override;
    // One tick of the run: StepsPerTick sub-steps and the drawing, when Running.
    void tick();
    // Step while paused: exactly one tick, then paused again. A tick too long for
    // one stretch of stepping goes on at the next timer events until it is whole.
    void step();
    // One event of Timer1: a tick when the run's pace says one is due.
    void timerFired();

    // The pace that decides when the timer's events take a tick.
    RunPace& pace() { return pace_; }
    void setSpeed(RunSpeed speed);

    // From Run to Stop, paused or halted included.
    bool active() const { return active_; }
    QTimer* timer() const { return timer_; }
    // A tick spread over timer events is half-way done.
    bool tickUnderWay() const { return !slicer_.tickComplete(); }
    // Ends the ticks for good (the program is closing).
    void shutDown();

signals:
    // A run started, stopped, paused, resumed or halted: what may be asked changed.
    void runStateChanged();
    // How far a tick is that has lasted more than a second; empty when it is over.
    void tickProgress(const QString& text);

private:
    // The tick itself, whether or not Running is set; at most `budget` sub-steps
    // of it when that is not negative.
    void takeTick(Scene& s, long long budget = -1);
    // Tells how far a tick is once it has lasted a second, and that it is over.
    void showProgress(const Scene& s);
    void endProgress();

    Host& host_;
    Prompts& prompts_;
    TickDisplay* display_ = nullptr;
    QTimer* timer_ = nullptr;
    bool active_ = false;
    RunPace pace_;
    // A tick of very many sub-steps is spread over several timer events.
    TickSlicer slicer_;
    // Step's tick is under way while the run stays paused.
    bool stepping_ = false;
    double tickBegan_ = 0.0;  // on the pace's clock
    QString progressText_;
};

}  // namespace mb

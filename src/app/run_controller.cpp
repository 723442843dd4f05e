#include "app/run_controller.h"

#include <QTimer>

#include "engine/engine.h"
#include "ui/prompts.h"

namespace mb {

namespace {
const char* const kOverflow =
    "Found one of the moving object has overflow the area can be controled,and it will result in error.Please "
    "reduce the step time,and try the experiment again.";
}  // namespace

RunController::RunController(Host& host, Prompts& prompts, QObject* parent)
    : QObject(parent), host_(host), prompts_(prompts) {
    setObjectName("RunController");
    // Ticks come for the whole life of the window; they do nothing unless a run goes on.
    timer_ = new QTimer(this);
    timer_->setObjectName("Timer1");
    timer_->setTimerType(Qt::PreciseTimer);
    timer_->setInterval(1);
    connect(timer_, &QTimer::timeout, this, &RunController::timerFired);
    timer_->start();
}

void RunController::start() {
    // A new project still waiting for its origin has nothing to run yet.
    if (!host_.mayRun()) return;
    host_.setRunControls(true);
    active_ = true;
    StartRun(host_.runScene());
    slicer_.reset();
    stepping_ = false;
    pace_.reset();
    host_.fullRedraw();
    host_.runStarted();
    emit runStateChanged();
}

void RunController::stop() {
    host_.setRunControls(false);
    active_ = false;
    StopRun(host_.runScene());
    slicer_.reset();
    stepping_ = false;
    host_.fullRedraw();
    emit runStateChanged();
}

void RunController::pause() {
    // Outside a run there is nothing to pause: setting Running would step a scene
    // whose run was never started.
    if (!active_) return;
    Scene& s = host_.runScene();
    s.Running = s.Running ? 0 : 1;
    // Resumed, the run goes on with Step's tick as with any other.
    stepping_ = false;
    pace_.reset();
    emit runStateChanged();
}

void RunController::step() {
    Scene& s = host_.runScene();
    if (!active_ || s.Running || stepping_) return;
    takeTick(s);
    stepping_ = !slicer_.tickComplete();
}

void RunController::setSpeed(RunSpeed speed) { pace_.setSpeed(speed); }

void RunController::timerFired() {
    Scene& s = host_.runScene();
    if (!s.Running) {
        // Paused, halted or ended (from here or from the data window): the wall
        // clock that passes meanwhile is not owed to the run. Step's tick goes on
        // as fast as it can.
        pace_.reset();
        if (stepping_) {
            takeTick(s);
            stepping_ = !slicer_.tickComplete();
        }
        return;
    }
    // A tick spread over timer events goes on at once; the pace is asked only
    // when a new tick would begin.
    const double tickLength = s.settings.StepsPerTick * s.settings.StepTime;
    if (!slicer_.tickComplete() || pace_.tickDue(s.RunTime, tickLength)) tick();
}

void RunController::restart() {
    if (!active_) return;
    Scene& s = host_.runScene();
    s.Running = 1;
    s.RunTime = 0.0;
    slicer_.reset();
    stepping_ = false;
    pace_.reset();
    host_.fullRedraw();
    emit runStateChanged();
}

void RunController::tick() {
    Scene& s = host_.runScene();
    if (!s.Running) return;
    takeTick(s);
}

void RunController::takeTick(Scene& s) {
    if (s.RedrawPending) {
        host_.runRepaint();
        s.RedrawPending = 0;
    }
    const int result = slicer_.step(s, display_);
    host_.showChanges();
    if (result == kStepOverflow) {
        s.Running = 0;
        emit runStateChanged();
        prompts_.warning(kOverflow, Prompts::Ok);
    }
}

void RunController::shutDown() {
    host_.runScene().Running = 0;
    timer_->stop();
}

}  // namespace mb

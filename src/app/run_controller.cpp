#include "app/run_controller.h"

#include <QTimer>

#include "engine/engine.h"
#include "ui/number_text.h"
#include "ui/prompts.h"
#include "ui/translate.h"

namespace mb {

namespace {
// A tick that lasts longer than this on the wall clock shows its progress.
constexpr double kProgressAfterSeconds = 1.0;

const char* const kOverflow = MB_TRANSLATE_NOOP(
    "TForm1", "Found one of the moving object has overflow the area can be controled,and it will result in error.Please "
    "reduce the step time,and try the experiment again.");
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
    endProgress();
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
    const double tickLength = s.settings.StepsPerTick * s.settings.StepTime;
    if (pace_.pacesSubSteps(tickLength)) {
        // A long tick begins at once and keeps to the wall clock sub-step by
        // sub-step: 1000 s at Real time would otherwise wait 500 s to begin.
        const long long due = pace_.subStepsDue(s.RunTime, s.settings.StepTime);
        if (due > 0)
            takeTick(s, due);
        else
            showProgress(s);  // sub-steps far apart: the progress still shows in time
        return;
    }
    // A tick spread over timer events goes on at once; the pace is asked only
    // when a new tick would begin.
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

void RunController::takeTick(Scene& s, long long budget) {
    if (s.RedrawPending) {
        host_.runRepaint();
        s.RedrawPending = 0;
    }
    if (slicer_.tickComplete()) tickBegan_ = pace_.now();
    const int result = slicer_.step(s, display_, budget);
    showProgress(s);
    host_.showChanges();
    if (result == kStepOverflow) {
        s.Running = 0;
        emit runStateChanged();
        prompts_.warning(Tr("TForm1", kOverflow), Prompts::Ok);
    }
}

void RunController::showProgress(const Scene& s) {
    if (slicer_.tickComplete() || pace_.now() - tickBegan_ <= kProgressAfterSeconds) {
        endProgress();
        return;
    }
    const TickProgress& p = slicer_.progress();
    const QString text = Tr("TForm1", "Tick: %1% of %2 s")
                             .arg(static_cast<int>(100.0 * p.subStep / p.stepsPerTick))
                             .arg(FormatReal(p.stepsPerTick * s.settings.StepTime));
    if (text == progressText_) return;
    progressText_ = text;
    emit tickProgress(text);
}

void RunController::endProgress() {
    if (progressText_.isEmpty()) return;
    progressText_.clear();
    emit tickProgress(QString());
}

void RunController::shutDown() {
    host_.runScene().Running = 0;
    timer_->stop();
}

}  // namespace mb

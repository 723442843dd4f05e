#include "app/measure_commands.h"

#include <QWidget>

#include "app/project_session.h"
#include "app/run_controller.h"
#include "engine/tick_display_pair.h"
#include "measure/curve_window.h"
#include "measure/data_ball_dialog.h"
#include "measure/data_window.h"
#include "measure/live_graph_window.h"
#include "ui/prompts.h"

namespace mb {

MeasureCommands::MeasureCommands(Prompts& prompts, ProjectSession& session, RunController& runs, QWidget* window)
    : QObject(window),
      prompts_(prompts),
      session_(session),
      runs_(runs),
      dataWindow_(new DataWindow(prompts, window)),
      liveGraph_(new LiveGraphWindow(prompts, window)),
      dataBallDialog_(new DataBallDialog(prompts, window)),
      curveWindow_(new CurveWindow(prompts, window)),
      display_(std::make_unique<TickDisplayPair>(dataWindow_, liveGraph_)) {
    dataWindow_->setRunCommands(&runs);
}

MeasureCommands::~MeasureCommands() = default;

TickDisplay& MeasureCommands::display() { return *display_; }

bool MeasureCommands::curveOpen() const { return curveWindow_->isVisible(); }

void MeasureCommands::editDataBall(int ball) { dataBallDialog_->edit(session_.scene(), ball); }

void MeasureCommands::experimentCurve() {
    curveWindow_->setStartFolder(session_.measureFolder());
    curveWindow_->load(session_.scene());
    prompts_.exec(*curveWindow_);
}

void MeasureCommands::showLiveGraph() {
    // Not modal: the run commands of the main window go on working beside it.
    liveGraph_->setStartFolder(session_.measureFolder());
    if (!runs_.active()) liveGraph_->load(session_.scene());
    liveGraph_->show();
    liveGraph_->raise();
    liveGraph_->activateWindow();
}

bool MeasureCommands::runStarted() {
    Scene& s = session_.scene();
    liveGraph_->beginRun(s);
    if (s.SelectedBall < 0 || s.SelectedBall >= s.balls.count()) return false;
    dataWindowOpen_ = true;
    emit dataWindowShown();
    dataWindow_->setStartFolder(session_.measureFolder());
    dataWindow_->load(s);
    prompts_.exec(*dataWindow_);
    dataWindowOpen_ = false;
    return true;
}

}  // namespace mb

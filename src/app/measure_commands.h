// The Run menu's measuring commands and the windows they open: the ball whose
// data a run shows and its data window, the experiment curve, and the live graph
// that stays open beside the main window. Their files go where the project
// session says.
#pragma once

#include <QObject>
#include <memory>

class QWidget;

namespace mb {

class CurveWindow;
class DataBallDialog;
class DataWindow;
class LiveGraphWindow;
class ProjectSession;
class Prompts;
class RunController;
class TickDisplay;
class TickDisplayPair;

class MeasureCommands : public QObject {
    Q_OBJECT
public:
    MeasureCommands(Prompts& prompts, ProjectSession& session, RunController& runs, QWidget* window);
    ~MeasureCommands() override;

    // The per-tick display work of the data window and the live graph.
    TickDisplay& display();
    LiveGraphWindow& liveGraph() { return *liveGraph_; }
    // The curve window computes with the scene's balls while it is open.
    bool curveOpen() const;
    // The data window drives the run: the main window's run buttons wait.
    bool dataWindowOpen() const { return dataWindowOpen_; }

    // The data-ball pick ended on this ball (-1 for none): its dialog.
    void editDataBall(int ball);
    void experimentCurve();
    void showLiveGraph();
    // A run began: the live graph starts again, and with a data ball chosen the
    // data window shows until it is closed. True when it was shown.
    bool runStarted();

signals:
    void dataWindowShown();

private:
    Prompts& prompts_;
    ProjectSession& session_;
    RunController& runs_;
    DataWindow* dataWindow_;
    LiveGraphWindow* liveGraph_;
    DataBallDialog* dataBallDialog_;
    CurveWindow* curveWindow_;
    std::unique_ptr<TickDisplayPair> display_;
    bool dataWindowOpen_ = false;
};

}  // namespace mb

// "Experiment curve": recomputes the experiment from its start without
// animating the main view and plots one quantity against another for the curve
// balls, on a 252 x 252 graph that can be saved as a picture. The samples can be
// saved or copied as CSV. The computation runs on the window's own 1 ms timer.
#pragma once

#include <QDialog>
#include <QImage>
#include <map>
#include <vector>

#include "engine/curve.h"
#include "engine/tick_slicer.h"
#include "scene/scene.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace mb {

class CurveObjectDialog;
class Prompts;
class SquaredUnitLabel;

class CurveWindow : public QDialog {
    Q_OBJECT
public:
    // Samples kept for "Save data..." and "Copy data"; a longer computation keeps its first ones.
    static constexpr std::size_t kSampleLimit = 1000000;

    struct Sample {
        long long tick = 0;
        CurveSegment segment;
    };

    explicit CurveWindow(Prompts& prompts, QWidget* parent = nullptr);

    // Opening: the edits, lists and units from the scene's curve settings, the
    // empty graph, no computation going on.
    void load(Scene& scene);
    // Where the first file chooser of this window starts (the project's folder);
    // afterwards it starts where the last file was saved.
    void setStartFolder(const QString& folder) {
        if (lastFolder_.isEmpty()) lastFolder_ = folder;
    }

    // One event of the window's timer: while drawing, one tick of the computation.
    void tick();
    bool drawing() const { return drawing_; }

    const QImage& graph() const { return graph_; }
    const std::vector<Sample>& samples() const { return samples_; }
    // The samples as CSV, the header naming both quantities with their units.
    QString samplesCsv() const;

    // The buttons.
    void objectSet();
    void drawOrStop();
    void saveGraph();
    void saveData();
    void copyData();
    // Start and per-division boxes set so that the computed samples fill the graph.
    void fit();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void nameEdited(const QString& text);
    void axisEdited(QLineEdit* edit, double& field);
    void variableChosen(bool horizontal, int index);
    void showUnits();
    void redrawFrame();
    void showGraph();
    void setEditable(bool editable);
    // Steps 1 to 4 of Draw curve / Stop: read, check, write back. False when refused.
    bool readAndCheck();
    void endDrawing(const char* caption);
    void finish();
    // One sample onto the graph: its own segment, or with "Join points" the line
    // from the ball's previous sample.
    void plot(const CurveSegment& segment);
    // The frame again and every kept sample placed under the current axes.
    void replot();

    Prompts& prompts_;
    Scene* scene_ = nullptr;
    bool drawing_ = false;
    bool loading_ = false;
    long long ticks_ = 0;
    TickSlicer slicer_;  // a long tick is spread over timer events
    std::vector<Sample> samples_;
    std::map<int, CurveSegment> lastOfBall_;  // each ball's latest sample, for joined points
    QImage graph_;
    QString lastFolder_;
    CurveObjectDialog* objectDialog_;

    QLineEdit* nameEdit_;
    QLineEdit* startTimeEdit_;
    QLineEdit* endTimeEdit_;
    QLineEdit* hStartEdit_;
    QLineEdit* hStepEdit_;
    QLineEdit* vStartEdit_;
    QLineEdit* vStepEdit_;
    QComboBox* hList_;
    QComboBox* vList_;
    // The units of each axis's start and grid step.
    SquaredUnitLabel* hUnit_;
    SquaredUnitLabel* hGridUnit_;
    SquaredUnitLabel* vUnit_;
    SquaredUnitLabel* vGridUnit_;
    QPushButton* objectButton_;
    QPushButton* drawButton_;
    QPushButton* saveGraphButton_;
    QPushButton* closeButton_;
    QPushButton* saveDataButton_;
    QPushButton* copyDataButton_;
    QPushButton* fitButton_;
    QCheckBox* joinPoints_;
    QLabel* graphView_;        // shows graph_
    QTimer* computationTimer_;  // the window's own 1 ms timer that drives the computation
};

}  // namespace mb

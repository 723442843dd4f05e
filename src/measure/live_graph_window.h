// "Live graph": the chosen quantities of the balls and of the experiment drawn
// while the run goes on, against time or against one another (a phase plot),
// with bars for the energy book. Not modal: the main window's run commands keep
// working, and it stays open across runs. Fed at the end of every tick through
// the run's TickDisplay; it keeps every tick's values and repaints at the
// screen's frame rate, thinning only what it draws.
#pragma once

#include <QDialog>
#include <QPointF>
#include <vector>

#include "engine/engine.h"
#include "measure/live_series.h"

class QChart;
class QChartView;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QLineSeries;
class QListWidget;
class QPushButton;
class QTimer;
class QValueAxis;

namespace mb {

class Prompts;

// Four bars, kinetic, potential, work and total energy, on one scale, under the
// time they belong to: after Stop they stay with the graph's last point, while
// the surface already shows the scene put back at its start.
class EnergyBars : public QWidget {
public:
    explicit EnergyBars(QWidget* parent = nullptr);
    // Keeps the values of a tick; the window paints them at its next frame, as
    // a run's ticks come far faster than the screen shows them.
    void show(const EnergyBook& book, double t);
    const EnergyBook& book() const { return book_; }
    double time() const { return t_; }
    QSize sizeHint() const override { return {220, 130}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    EnergyBook book_;
    double t_ = 0;
};

class LiveGraphWindow : public QDialog, public TickDisplay {
    Q_OBJECT
public:
    // Points drawn per curve at most: one a pixel column of the plot, the lowest
    // and the highest of the ticks of each two columns, as each frame strokes
    // every drawn point of every curve (twice: the chart strokes each curve's
    // outline again to find it under the pointer) and the curves are two pixels
    // wide; the record keeps every tick.
    static constexpr std::size_t kDrawnPoints = 1500;
    std::size_t drawnPoints() const;

    explicit LiveGraphWindow(Prompts& prompts, QWidget* parent = nullptr);

    // The list from the scene: its balls' series and the experiment's. A chosen
    // series whose ball is gone is dropped; with nothing chosen the default six.
    void load(const Scene& scene);
    // A run started: the graph is cleared and the start is its first point.
    void beginRun(const Scene& scene);
    // TickDisplay: the values at the end of a tick.
    void tickEnded(const Scene& scene) override;
    void setStartFolder(const QString& folder) {
        if (lastFolder_.isEmpty()) lastFolder_ = folder;
    }

    const LiveRecord& record() const { return record_; }
    void choose(const std::vector<LiveSeriesKey>& series);
    // The curves as drawn now (refresh() brings them up to date).
    std::vector<QLineSeries*> drawnSeries() const;
    QValueAxis* horizontalAxis() const { return xAxis_; }
    QValueAxis* verticalAxis() const { return yAxis_; }
    const EnergyBars& bars() const { return *bars_; }
    // The value under the pointer at a point of the chart view, as shown.
    void pointerAt(QPointF viewPoint);

    // The buttons.
    void savePicture();
    void saveData();
    void copyData();
    // Draws what was taken since the last frame.
    void refresh();

protected:
    // Hidden, the window keeps taking every tick but draws nothing; shown, it
    // draws the run so far.
    void showEvent(QShowEvent* event) override;

private:
    void seriesTicked();
    void rebuildCurves();
    void fitAxes();
    QString axisTitle(bool horizontal) const;

    Prompts& prompts_;
    LiveRecord record_;
    std::vector<LiveSeriesKey> offered_;
    bool dirty_ = false;
    bool filling_ = false;
    QString lastFolder_;
    // Per series, its pieces between values that are not finite.
    std::vector<std::vector<QLineSeries*>> curves_;

    QListWidget* list_;
    QComboBox* horizontal_;  // "t (s)" or a chosen series: a phase plot
    QCheckBox* fixedRange_;
    QLineEdit* xMin_;
    QLineEdit* xMax_;
    QLineEdit* yMin_;
    QLineEdit* yMax_;
    QPushButton* savePictureButton_;
    QPushButton* saveDataButton_;
    QPushButton* copyButton_;
    QLabel* pointer_;
    EnergyBars* bars_;
    QChart* chart_;
    QChartView* view_;
    QValueAxis* xAxis_;
    QValueAxis* yAxis_;
    QTimer* frameTimer_;
};

}  // namespace mb

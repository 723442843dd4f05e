// "Experiment data": the live position, velocity and acceleration of the chosen
// ball during a run, with direction pictures, and the buttons that restart,
// pause and stop the run. Its values arrive through the tick's display work;
// "Record" writes every tick's values of the run so far to a CSV file.
#pragma once

#include <QDialog>
#include <QImage>
#include <cstdint>
#include <vector>

#include "engine/engine.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;
class QPushButton;

namespace mb {

class Prompts;
class RunCommands;

// What the window showed at the end of one tick, at full precision.
struct DataRow {
    std::int64_t tick = 0;
    int ball = 0;
    double t = 0, x = 0, y = 0, vx = 0, vy = 0, speed = 0, vAngle = 0, ax = 0, ay = 0, accel = 0, aAngle = 0;
};

class DataWindow : public QDialog, public TickDisplay {
    Q_OBJECT
public:
    // Ticks kept for "Record"; a longer run keeps its first ones.
    static constexpr std::size_t kRecordLimit = 500000;

    explicit DataWindow(Prompts& prompts, QWidget* parent = nullptr);

    void setRunCommands(RunCommands* commands) { commands_ = commands; }

    // Activation at a run start: the ball list, the chosen ball selected, an empty
    // record. The window follows `scene` until it is closed.
    void load(Scene& scene);
    // Where the first file chooser of this window starts (the project's folder);
    // afterwards it starts where the last file was saved.
    void setStartFolder(const QString& folder) {
        if (lastFolder_.isEmpty()) lastFolder_ = folder;
    }

    // The display work of every ball at the last sub-step of a tick: what stays
    // shown is the chosen ball's state after the last ball's work.
    void updateDataWindow(const Scene& scene, int ball) override;

    const std::vector<DataRow>& record() const { return record_; }
    // The record as CSV text, one row per tick, with a header naming each value and unit.
    QByteArray recordCsv() const;

    // The buttons' commands.
    void restartRun();
    void pauseRun();
    void stopRun();
    void saveRecord();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;  // Escape: as the close box

private:
    void showValues(const Scene& scene, int ball);
    void ballChosen(int index);

    Prompts& prompts_;
    RunCommands* commands_ = nullptr;
    Scene* scene_ = nullptr;
    std::int64_t ticks_ = 0;
    std::vector<DataRow> record_;
    QString lastFolder_;

    QToolButton* restartButton_;
    QToolButton* stopButton_;
    QToolButton* pauseButton_;
    QPushButton* recordButton_;
    QComboBox* ballList_;
    QLineEdit* timeEdit_;
    QLineEdit* xEdit_;
    QLineEdit* yEdit_;
    QLineEdit* vxEdit_;
    QLineEdit* vyEdit_;
    QLineEdit* axEdit_;
    QLineEdit* ayEdit_;
    QLineEdit* speedEdit_;
    QLineEdit* vAngleEdit_;
    QLineEdit* accelEdit_;
    QLineEdit* aAngleEdit_;
    QLabel* velocityPicture_;
    QLabel* accelerationPicture_;
    QImage velocityImage_;
    QImage accelerationImage_;
};

}  // namespace mb

// "Experiment data": the live position, velocity and acceleration of the chosen
// ball during a run, with direction pictures, and the buttons that restart,
// pause and stop the run. Its values arrive through the tick's display work.
// "Record" writes every complete tick of the run so far to a CSV file; after
// Stop the record stays until the next run starts, and the window asks before
// it lets an unsaved record go.
#pragma once

#include <QDialog>
#include <QImage>

#include "engine/engine.h"
#include "measure/data_record.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;
class QPushButton;

namespace mb {

class Prompts;
class RunCommands;

class DataWindow : public QDialog, public TickDisplay {
    Q_OBJECT
public:
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
    // The tick is complete: its row of the record.
    void tickEnded(const Scene& scene) override;

    const DataRecord& record() const { return record_; }

    // The buttons' commands. Stop ends the run at once; the window then closes
    // unless an unsaved record is kept for saving.
    void restartRun();
    void pauseRun();
    void stopRun();
    // True when the record was written.
    bool saveRecord();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;  // Escape: as the close box

private:
    void showValues(const Scene& scene, int ball);
    void ballChosen(int index);
    // Restart, pause and the ball list: for the run the window follows.
    void enableRunControls(bool enabled);
    // An unsaved record may go: the user saved it, or said it may.
    bool recordMayGo();

    Prompts& prompts_;
    RunCommands* commands_ = nullptr;
    Scene* scene_ = nullptr;
    DataRecord record_;
    QString lastFolder_;

    QToolButton* restartButton_;
    QToolButton* stopButton_;
    QToolButton* pauseButton_;
    QPushButton* recordButton_;
    QCheckBox* everyBall_;
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

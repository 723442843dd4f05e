// The "experiment set" dialog: the time step, the sub-steps per tick and the
// six switches of the experiment, and which step runs it.
#pragma once

#include <QDialog>

#include "scene/scene.h"

class QCheckBox;
class QLineEdit;

namespace mb {

class Prompts;

class ExperimentSetDialog : public QDialog {
    Q_OBJECT
public:
    ExperimentSetDialog(Prompts& prompts, QWidget* parent = nullptr);

    // Activation: the edits and boxes show a working copy of these values.
    void load(const ExperimentSettings& settings);
    // The values accepted by Ok; unchanged from load() until Ok passed.
    const ExperimentSettings& settings() const { return working_; }

private:
    void okClicked();

    Prompts& prompts_;
    ExperimentSettings working_;
    QLineEdit* stepTimeEdit_;
    QLineEdit* stepsEdit_;
    QCheckBox* showCoordinateBox_;
    QCheckBox* gravityBox_;
    QCheckBox* relativityBox_;
    QCheckBox* mutualGravitationBox_;
    QCheckBox* mutualCoulombBox_;
    QCheckBox* bumpBox_;
    QCheckBox* accurateStepBox_;
};

}  // namespace mb

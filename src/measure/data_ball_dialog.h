// "SynchronizationData out set": confirms which ball's data a run shows, or
// that none is shown.
#pragma once

#include <QDialog>

#include "scene/scene.h"

class QComboBox;

namespace mb {

class Prompts;

class DataBallDialog : public QDialog {
    Q_OBJECT
public:
    explicit DataBallDialog(Prompts& prompts, QWidget* parent = nullptr);

    // Runs the dialog modally for the ball picked on the surface (-1 for none):
    // the list offers "don't show" and every ball, the picked one preselected.
    // Ok sets SelectedBall; Cancel leaves it. Returns the dialog's result.
    int edit(Scene& scene, int pickedIndex);

private:
    Prompts& prompts_;
    QComboBox* ballList_;
};

}  // namespace mb

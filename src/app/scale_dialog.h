// The "Coordinate scale set" dialog: how many metres the 100-pixel ruler stands
// for, asked once the origin of a new project has been placed.
#pragma once

#include <QDialog>

class QLineEdit;

namespace mb {

class Prompts;

class ScaleDialog : public QDialog {
    Q_OBJECT
public:
    ScaleDialog(Prompts& prompts, QWidget* parent = nullptr);

    // Activation: the edit always starts at 10 metres, whatever the current scale.
    void load();
    // Metres per pixel accepted by Ok.
    double metresPerPixel() const { return metresPerPixel_; }

private:
    void okClicked();

    Prompts& prompts_;
    QLineEdit* lengthEdit_;
    double metresPerPixel_ = 0.1;
};

}  // namespace mb

// "Curve object set": ticks the balls whose curves are plotted.
#pragma once

#include <QDialog>

#include "scene/scene.h"

class QListWidget;

namespace mb {

class Prompts;

class CurveObjectDialog : public QDialog {
    Q_OBJECT
public:
    explicit CurveObjectDialog(Prompts& prompts, QWidget* parent = nullptr);

    // Runs the dialog modally: one line per ball, ticked when its curve flag is 1.
    // Ok writes every listed ball's flag; Cancel changes nothing.
    int edit(Scene& scene);

private:
    Prompts& prompts_;
    QListWidget* ballList_;
};

}  // namespace mb

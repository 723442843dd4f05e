// "Parameter adjust": reaches any element of the scene by its kind and its name
// instead of by a click on the surface, and opens the element's own property
// dialog. The window changes no table itself and draws nothing; what the opened
// dialog changes shows at the next full redraw.
#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace mb {

class ElementDialogs;
class Prompts;
struct Scene;
enum class ElementKind : int;

class ParameterAdjustDialog : public QDialog {
    Q_OBJECT
public:
    ParameterAdjustDialog(const ElementDialogs& dialogs, Prompts& prompts, QWidget* parent = nullptr);

    // Shows the window modally over the scene until the user closes it.
    void run(Scene& scene);

    // The element kinds in the order of the kind list.
    static ElementKind kindAt(int row);

signals:
    // An element's dialog was closed from here (it may have changed the scene):
    // the main window's title follows at once, the redraw waits for the close.
    void elementAdjusted();

private:
    void activate();
    void kindChosen();
    void elementChosen();
    void adjust();

    const ElementDialogs& dialogs_;
    Prompts& prompts_;
    Scene* scene_ = nullptr;
    QListWidget* kinds_;
    QListWidget* elements_;
    QLabel* choice_;
    QPushButton* adjust_;
};

}  // namespace mb

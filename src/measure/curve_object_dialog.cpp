#include "measure/curve_object_dialog.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "scene/translatable.h"
#include "ui/dialog_kit.h"

namespace mb {

namespace {
constexpr FormText kTexts[] = {
    {"TForm30", MB_TRANSLATE_NOOP("TForm30", "Curve object set")},
    {"Label1", MB_TRANSLATE_NOOP("TForm30", "Curve object set:")},
    {"BitBtn1", MB_TRANSLATE_NOOP("TForm30", "Ok")},
    {"BitBtn2", MB_TRANSLATE_NOOP("TForm30", "Cancel")},
};
}  // namespace

CurveObjectDialog::CurveObjectDialog(Prompts& prompts, QWidget* parent) : QDialog(parent), prompts_(prompts) {
    const FormBuilder f(this, kTexts);
    setObjectName("TForm30");
    setWindowTitle(f.text("TForm30"));
    setModal(true);
    ballList_ = new QListWidget(this);
    ballList_->setObjectName("CheckListBox1");
    QPushButton* ok = f.button("BitBtn1");
    QPushButton* cancel = f.button("BitBtn2");
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* top = new QVBoxLayout(this);
    top->addWidget(f.label("Label1"));
    top->addWidget(ballList_);
    top->addLayout(f.buttonRow({ok, cancel}));
    resize(260, 300);
}

int CurveObjectDialog::edit(Scene& scene) {
    ballList_->clear();
    const int n = scene.balls.count();
    for (int j = 0; j < n; ++j) {
        auto* item = new QListWidgetItem(QString::fromStdString(scene.balls.names[static_cast<std::size_t>(j)]), ballList_);
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setCheckState(scene.balls[j].curveFlag == 1 ? Qt::Checked : Qt::Unchecked);
    }
    const int result = prompts_.exec(*this);
    if (result != QDialog::Accepted) return result;
    // The list was filled from this scene while the dialog was modal: the same balls.
    for (int j = 0; j < n && j < ballList_->count(); ++j)
        scene.balls[j].curveFlag = ballList_->item(j)->checkState() == Qt::Checked ? 1 : 0;
    return result;
}

}  // namespace mb

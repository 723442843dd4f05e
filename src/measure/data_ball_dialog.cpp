#include "measure/data_ball_dialog.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialog_kit.h"
#include "ui/translate.h"

namespace mb {

namespace {
constexpr FormText kTexts[] = {
    {"TForm26", MB_TRANSLATE_NOOP("TForm26", "SynchronizationData out set")},
    {"Label1", MB_TRANSLATE_NOOP("TForm26", "Show moving object")},
    {"Label2", MB_TRANSLATE_NOOP("TForm26", "'s moving data.")},
    {"BitBtn1", MB_TRANSLATE_NOOP("TForm26", "&Ok")},
    {"BitBtn2", MB_TRANSLATE_NOOP("TForm26", "&Cancel")},
};
const char* const kDontShow = MB_TRANSLATE_NOOP("TForm26", "don't show");
}  // namespace

DataBallDialog::DataBallDialog(Prompts& prompts, QWidget* parent) : QDialog(parent), prompts_(prompts) {
    const FormBuilder f(this, kTexts);
    setObjectName("TForm26");
    setWindowTitle(f.text("TForm26"));
    setModal(true);
    ballList_ = new QComboBox(this);
    ballList_->setObjectName("ComboBox1");
    ballList_->setEditable(false);
    ballList_->setMinimumWidth(150);
    QPushButton* ok = f.button("BitBtn1");
    QPushButton* cancel = f.button("BitBtn2");
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* line = new QHBoxLayout;
    line->addWidget(f.label("Label1"));
    line->addWidget(ballList_, 1);
    line->addWidget(f.label("Label2"));
    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    auto* top = new QVBoxLayout(this);
    top->addLayout(line);
    top->addWidget(separator);
    top->addLayout(f.buttonRow({ok, cancel}));
    setFixedSize(sizeHint().expandedTo(QSize(386, 79)));
}

int DataBallDialog::edit(Scene& scene, int pickedIndex) {
    ballList_->clear();
    ballList_->addItem(Tr("TForm26", kDontShow));
    const int n = scene.balls.count();
    for (int j = 0; j < n; ++j) ballList_->addItem(QString::fromStdString(scene.balls.names[static_cast<std::size_t>(j)]));
    // A pick that hit no ball (or names a ball that is gone) preselects "don't show".
    ballList_->setCurrentIndex(pickedIndex >= 0 && pickedIndex < n ? pickedIndex + 1 : 0);
    const int result = prompts_.exec(*this);
    if (result == QDialog::Accepted) scene.SelectedBall = ballList_->currentIndex() - 1;
    return result;
}

}  // namespace mb

#include "app/experiment_set_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialog_kit.h"
#include "ui/number_text.h"
#include "ui/translate.h"

namespace mb {

namespace {
// The dialog's own words.
constexpr FormText kTexts[] = {
    {"TForm6", MB_TRANSLATE_NOOP("TForm6", "experiment set")},
    {"Label1", MB_TRANSLATE_NOOP("TForm6", "experimnet compute step time")},
    {"Label4", MB_TRANSLATE_NOOP("TForm6", "T:")},
    {"Label2", MB_TRANSLATE_NOOP("TForm6", "(S)")},
    {"Label5", MB_TRANSLATE_NOOP("TForm6", "How many steps to be dealed together :")},
    {"Label3", MB_TRANSLATE_NOOP("TForm6", "Function set:")},
    {"CheckBox1", MB_TRANSLATE_NOOP("TForm6", "show coordinate")},
    {"CheckBox2", MB_TRANSLATE_NOOP("TForm6", "consider the gravitation")},
    {"CheckBox3", MB_TRANSLATE_NOOP("TForm6", "consider the theory of relativity")},
    {"CheckBox4", MB_TRANSLATE_NOOP("TForm6", "consider each Universal gravitation")},
    {"CheckBox5", MB_TRANSLATE_NOOP("TForm6", "consider each electric charge attraction")},
    {"CheckBox6", MB_TRANSLATE_NOOP("TForm6", "consider each bump")},
    {"CheckBox7", MB_TRANSLATE_NOOP("TForm6", "Accurate step (keeps energy and momentum on long runs)")},
    {"BitBtn1", MB_TRANSLATE_NOOP("TForm6", "&Ok")},
    {"BitBtn2", MB_TRANSLATE_NOOP("TForm6", "&Cancel")},
};
const char* const kStepTimeTooSmall = MB_TRANSLATE_NOOP("TForm6", "The step time must be biger than zero.");
const char* const kStepsTooFew = MB_TRANSLATE_NOOP("TForm6", "The steps together must be biger than 1.");
}  // namespace

ExperimentSetDialog::ExperimentSetDialog(Prompts& prompts, QWidget* parent) : QDialog(parent), prompts_(prompts) {
    const FormBuilder f(this, kTexts);
    setObjectName("TForm6");
    setWindowTitle(f.text("TForm6"));
    setModal(true);

    stepTimeEdit_ = f.edit("Edit1");
    stepsEdit_ = f.edit("Edit2");
    showCoordinateBox_ = f.checkBox("CheckBox1");
    gravityBox_ = f.checkBox("CheckBox2");
    relativityBox_ = f.checkBox("CheckBox3");
    mutualGravitationBox_ = f.checkBox("CheckBox4");
    mutualCoulombBox_ = f.checkBox("CheckBox5");
    bumpBox_ = f.checkBox("CheckBox6");
    accurateStepBox_ = f.checkBox("CheckBox7");

    QPushButton* ok = f.button("BitBtn1");
    QPushButton* cancel = f.button("BitBtn2");
    connect(ok, &QPushButton::clicked, this, &ExperimentSetDialog::okClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* grid = new QGridLayout;
    grid->addWidget(f.label("Label1"), 0, 0, 1, 3);
    grid->addWidget(f.label("Label4"), 1, 0);
    grid->addWidget(stepTimeEdit_, 1, 1);
    grid->addWidget(f.label("Label2"), 1, 2);
    grid->addWidget(f.label("Label5"), 2, 0, 1, 3);
    grid->addWidget(stepsEdit_, 3, 1);

    auto* boxes = new QVBoxLayout;
    boxes->addWidget(f.label("Label3"));
    for (QCheckBox* b : {showCoordinateBox_, gravityBox_, relativityBox_, mutualGravitationBox_, mutualCoulombBox_,
                         bumpBox_, accurateStepBox_})
        boxes->addWidget(b);

    auto* top = new QVBoxLayout(this);
    top->addLayout(grid);
    top->addLayout(boxes);
    top->addLayout(f.buttonRow({ok, cancel}));
    setFixedSize(sizeHint());
}

void ExperimentSetDialog::load(const ExperimentSettings& settings) {
    working_ = settings;
    stepTimeEdit_->setText(FormatReal(settings.StepTime));
    stepsEdit_->setText(QString::number(settings.StepsPerTick));
    showCoordinateBox_->setChecked(settings.ShowCoordinate != 0);
    gravityBox_->setChecked(settings.GravityOn != 0);
    relativityBox_->setChecked(settings.RelativityOn != 0);
    mutualGravitationBox_->setChecked(settings.MutualGravitationOn != 0);
    mutualCoulombBox_->setChecked(settings.MutualCoulombOn != 0);
    bumpBox_->setChecked(settings.BumpOn != 0);
    accurateStepBox_->setChecked(settings.AccurateStep != 0);
    stepTimeEdit_->setFocus();
}

void ExperimentSetDialog::okClicked() {
    // Conversions first, in the order of the edits, then the ranges.
    const auto T = ReadRealOrWarn(prompts_, stepTimeEdit_);
    if (!T) return;
    const auto N = ReadIntegerOrWarn(prompts_, stepsEdit_);
    if (!N) return;
    if (*T <= 0.0) return WarnAt(prompts_, stepTimeEdit_, Tr("TForm6", kStepTimeTooSmall));
    if (*N <= 0) return WarnAt(prompts_, stepsEdit_, Tr("TForm6", kStepsTooFew));

    working_.ShowCoordinate = showCoordinateBox_->isChecked() ? 1 : 0;
    working_.GravityOn = gravityBox_->isChecked() ? 1 : 0;
    working_.RelativityOn = relativityBox_->isChecked() ? 1 : 0;
    working_.MutualGravitationOn = mutualGravitationBox_->isChecked() ? 1 : 0;
    working_.MutualCoulombOn = mutualCoulombBox_->isChecked() ? 1 : 0;
    working_.BumpOn = bumpBox_->isChecked() ? 1 : 0;
    working_.AccurateStep = accurateStepBox_->isChecked() ? 1 : 0;
    working_.StepTime = *T;
    working_.StepsPerTick = *N;
    accept();
}

}  // namespace mb

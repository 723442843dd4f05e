#include "app/experiment_set_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/number_text.h"
#include "view/prompts.h"

namespace mb {

namespace {
// The dialog's own words.
const char* const kCaption = "experiment set";
const char* const kStepTimeLabel = "experimnet compute step time";
const char* const kNotReal = "  is not a real number!";
const char* const kNotInteger = "  is not a integer.";
const char* const kStepTimeTooSmall = "The step time must be biger than zero.";
const char* const kStepsTooFew = "The steps together must be biger than 1.";
const char* const kWarning = "warning";

QLabel* NamedLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

QCheckBox* NamedBox(const QString& name, const QString& text, QWidget* parent) {
    auto* b = new QCheckBox(text, parent);
    b->setObjectName(name);
    return b;
}
}  // namespace

ExperimentSetDialog::ExperimentSetDialog(Prompts& prompts, QWidget* parent) : QDialog(parent), prompts_(prompts) {
    setObjectName("TForm6");
    setWindowTitle(kCaption);
    setModal(true);

    stepTimeEdit_ = new QLineEdit(this);
    stepTimeEdit_->setObjectName("Edit1");
    stepsEdit_ = new QLineEdit(this);
    stepsEdit_->setObjectName("Edit2");
    showCoordinateBox_ = NamedBox("CheckBox1", "show coordinate", this);
    gravityBox_ = NamedBox("CheckBox2", "consider the gravitation", this);
    relativityBox_ = NamedBox("CheckBox3", "consider the theory of relativity", this);
    mutualGravitationBox_ = NamedBox("CheckBox4", "consider each Universal gravitation", this);
    mutualCoulombBox_ = NamedBox("CheckBox5", "consider each electric charge attraction", this);
    bumpBox_ = NamedBox("CheckBox6", "consider each bump", this);

    auto* ok = new QPushButton("&Ok", this);
    ok->setObjectName("BitBtn1");
    ok->setDefault(true);
    auto* cancel = new QPushButton("&Cancel", this);
    cancel->setObjectName("BitBtn2");
    connect(ok, &QPushButton::clicked, this, &ExperimentSetDialog::okClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* grid = new QGridLayout;
    grid->addWidget(NamedLabel("Label1", kStepTimeLabel, this), 0, 0, 1, 3);
    grid->addWidget(NamedLabel("Label4", "T:", this), 1, 0);
    grid->addWidget(stepTimeEdit_, 1, 1);
    grid->addWidget(NamedLabel("Label2", "(S)", this), 1, 2);
    grid->addWidget(NamedLabel("Label5", "How many steps to be dealed together :", this), 2, 0, 1, 3);
    grid->addWidget(stepsEdit_, 3, 1);

    auto* boxes = new QVBoxLayout;
    boxes->addWidget(NamedLabel("Label3", "Function set:", this));
    for (QCheckBox* b : {showCoordinateBox_, gravityBox_, relativityBox_, mutualGravitationBox_, mutualCoulombBox_,
                         bumpBox_})
        boxes->addWidget(b);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* top = new QVBoxLayout(this);
    top->addLayout(grid);
    top->addLayout(boxes);
    top->addLayout(buttons);
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
    stepTimeEdit_->setFocus();
}

void ExperimentSetDialog::warn(const QString& text, QLineEdit* focus) {
    prompts_.message(text, kWarning, Prompts::Ok | Prompts::Cancel);
    focus->setFocus();
}

void ExperimentSetDialog::okClicked() {
    // Conversions first, in the order of the edits, then the ranges.
    const auto T = ParseReal(stepTimeEdit_->text());
    if (!T) return warn(stepTimeEdit_->text() + kNotReal, stepTimeEdit_);
    const auto N = ParseInteger(stepsEdit_->text());
    if (!N) return warn(stepsEdit_->text() + kNotInteger, stepsEdit_);
    if (*T <= 0.0) return warn(kStepTimeTooSmall, stepTimeEdit_);
    if (*N <= 0) return warn(kStepsTooFew, stepsEdit_);

    working_.ShowCoordinate = showCoordinateBox_->isChecked() ? 1 : 0;
    working_.GravityOn = gravityBox_->isChecked() ? 1 : 0;
    working_.RelativityOn = relativityBox_->isChecked() ? 1 : 0;
    working_.MutualGravitationOn = mutualGravitationBox_->isChecked() ? 1 : 0;
    working_.MutualCoulombOn = mutualCoulombBox_->isChecked() ? 1 : 0;
    working_.BumpOn = bumpBox_->isChecked() ? 1 : 0;
    working_.StepTime = *T;
    working_.StepsPerTick = *N;
    accept();
}

}  // namespace mb

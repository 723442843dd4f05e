#include "editor/parameter_adjust_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/element_dialogs.h"
#include "scene/element_kinds.h"
#include "ui/dialog_kit.h"
#include "ui/translate.h"

namespace mb {

namespace {
constexpr FormText kTexts[] = {
    {"TForm32", MB_TRANSLATE_NOOP("TForm32", "Parameter adjust")},
    {"Label1", MB_TRANSLATE_NOOP("TForm32", "Please choose the object to adjust:")},
    {"Label2", MB_TRANSLATE_NOOP("TForm32", "Object type:")},
    {"Label3", MB_TRANSLATE_NOOP("TForm32", "Correlative object:")},
    {"BitBtn1", MB_TRANSLATE_NOOP("TForm32", "&Adjust")},
    {"BitBtn2", MB_TRANSLATE_NOOP("TForm32", "&Cancel")},
};

// The kind list: its text and the kind it lists. The list shows the ampersand
// of the gravitation mass as it is.
struct KindEntry {
    const char* text;
    ElementKind kind;
};
constexpr KindEntry kKindList[] = {
    {MB_TRANSLATE_NOOP("TForm32", "Moving object"), ElementKind::Ball},
    {MB_TRANSLATE_NOOP("TForm32", "Dot electric field"), ElementKind::PointCharge},
    {MB_TRANSLATE_NOOP("TForm32", "Uniformity electric field"), ElementKind::ElectricField},
    {MB_TRANSLATE_NOOP("TForm32", "Uniformity magnetic field"), ElementKind::MagneticField},
    {MB_TRANSLATE_NOOP("TForm32", "Universal &gravitation mass"), ElementKind::GravityMass},
    {MB_TRANSLATE_NOOP("TForm32", "Damp field"), ElementKind::Damping},
    {MB_TRANSLATE_NOOP("TForm32", "Pensile cord"), ElementKind::HangingCord},
    {MB_TRANSLATE_NOOP("TForm32", "Link cord"), ElementKind::LinkCord},
    {MB_TRANSLATE_NOOP("TForm32", "Pensile pole"), ElementKind::HangingPole},
    {MB_TRANSLATE_NOOP("TForm32", "Link pole"), ElementKind::LinkPole},
    {MB_TRANSLATE_NOOP("TForm32", "Pensile spring"), ElementKind::HangingSpring},
    {MB_TRANSLATE_NOOP("TForm32", "Link spring"), ElementKind::LinkSpring},
    {MB_TRANSLATE_NOOP("TForm32", "Rectilineal track"), ElementKind::StraightTrack},
    {MB_TRANSLATE_NOOP("TForm32", "Circular track"), ElementKind::CircularTrack},
};
constexpr int kKindCount = static_cast<int>(std::size(kKindList));
}  // namespace

ElementKind ParameterAdjustDialog::kindAt(int row) {
    return row >= 0 && row < kKindCount ? kKindList[row].kind : ElementKind::None;
}

ParameterAdjustDialog::ParameterAdjustDialog(const ElementDialogs& dialogs, Prompts& prompts, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), prompts_(prompts) {
    const FormBuilder f(this, kTexts);
    setObjectName("TForm32");
    setWindowTitle(f.text("TForm32"));
    setModal(true);

    kinds_ = new QListWidget(this);
    kinds_->setObjectName("ListBox1");
    for (const KindEntry& k : kKindList) kinds_->addItem(Tr("TForm32", k.text));
    elements_ = new QListWidget(this);
    elements_->setObjectName("ListBox2");
    choice_ = new QLabel(this);
    choice_->setObjectName("Label4");
    adjust_ = f.button("BitBtn1");
    QPushButton* cancel = f.button("BitBtn2");

    auto* lists = new QGridLayout;
    lists->addWidget(f.label("Label2"), 0, 0);
    lists->addWidget(f.label("Label3"), 0, 1);
    lists->addWidget(kinds_, 1, 0);
    lists->addWidget(elements_, 1, 1);
    auto* top = new QVBoxLayout(this);
    top->addWidget(f.label("Label1"));
    top->addLayout(lists);
    top->addWidget(choice_);
    top->addLayout(f.buttonRow({adjust_, cancel}));

    connect(kinds_, &QListWidget::currentRowChanged, this, &ParameterAdjustDialog::kindChosen);
    connect(elements_, &QListWidget::currentRowChanged, this, &ParameterAdjustDialog::elementChosen);
    connect(elements_, &QListWidget::itemDoubleClicked, this, [this] {
        elementChosen();
        if (adjust_->isEnabled()) adjust();
    });
    connect(adjust_, &QPushButton::clicked, this, &ParameterAdjustDialog::adjust);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void ParameterAdjustDialog::run(Scene& scene) {
    scene_ = &scene;
    activate();
    prompts_.exec(*this);
    scene_ = nullptr;
}

void ParameterAdjustDialog::activate() {
    choice_->clear();
    const QSignalBlocker quiet(kinds_);
    kinds_->setCurrentRow(0);
    kindChosen();
}

void ParameterAdjustDialog::kindChosen() {
    // The position of a name in the element list is the element's index in its table.
    elements_->clear();
    const ElementKind kind = kindAt(kinds_->currentRow());
    if (scene_ && HasTable(kind)) {
        const int n = ElementCount(*scene_, kind);
        for (int i = 0; i < n; ++i) elements_->addItem(QString::fromStdString(ElementName(*scene_, kind, i)));
    }
    adjust_->setEnabled(false);
}

void ParameterAdjustDialog::elementChosen() {
    QListWidgetItem* item = elements_->currentItem();
    QListWidgetItem* kind = kinds_->currentItem();
    if (!item || !kind) {
        adjust_->setEnabled(false);
        return;
    }
    choice_->setText(Tr("TForm32", "Choose:") + item->text() + Tr("TForm32", " from ") + kind->text());
    adjust_->setEnabled(true);
}

void ParameterAdjustDialog::adjust() {
    const int index = elements_->currentRow();
    if (!scene_ || index < 0) return;
    dialogs_.open(kindAt(kinds_->currentRow()), *scene_, index, false);
    activate();
    emit elementAdjusted();
}

}  // namespace mb

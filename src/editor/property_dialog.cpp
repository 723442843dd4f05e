#include "editor/property_dialog.h"

#include <QLineEdit>
#include <QPushButton>

#include "scene/element_kinds.h"
#include "scene/table_ops.h"

namespace mb {

PropertyDialog::PropertyDialog(ElementKind kind, FormTexts texts, Prompts& prompts, QWidget* parent)
    : QDialog(parent), kind_(kind), form_(this, texts), prompts_(prompts) {
    setModal(true);
}

void PropertyDialog::connectButtons(QPushButton* ok, QPushButton* cancel, QPushButton* del) {
    if (ok) connect(ok, &QPushButton::clicked, this, &PropertyDialog::okClicked);
    if (cancel) connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    if (del) connect(del, &QPushButton::clicked, this, &PropertyDialog::deleteClicked);
}

DialogOutcome PropertyDialog::edit(Scene& scene, int index, bool isNew) {
    scene_ = &scene;
    index_ = index;
    isNew_ = isNew;
    outcome_ = DialogOutcome::Cancelled;
    const bool named = IsNamedKind(kind_);
    if (nameEdit_ && named)
        nameEdit_->setText(QString::fromStdString(isNew ? TakeDefaultName(scene, kind_)
                                                        : ElementName(scene, kind_, index)));
    load(scene, index, isNew);
    prompts_.exec(*this);
    // Cancel and the close box end here alike: a just-placed element takes its
    // name number back and its record is freed, so nothing half-made stays.
    if (outcome_ == DialogOutcome::Cancelled && isNew && named) {
        GiveBackName(scene, kind_);
        ClearElement(scene, kind_, index);
    }
    scene_ = nullptr;
    return outcome_;
}

void PropertyDialog::okClicked() {
    if (!scene_) return;
    if (okEmpties()) {
        removeElement();
        return;
    }
    if (!store(*scene_, index_)) return;
    if (nameEdit_ && IsNamedKind(kind_)) ElementName(*scene_, kind_, index_) = nameEdit_->text().toStdString();
    outcome_ = DialogOutcome::Accepted;
    accept();
}

bool PropertyDialog::confirmDelete(const Scene& scene, int index) {
    return mayDelete(scene, index) && prompts_.message(Prompts::Severity::Question, deleteQuestion(), deleteCaption(),
                                                       Prompts::Ok | Prompts::Cancel) == Prompts::Ok;
}

bool PropertyDialog::deleteAsked(Scene& scene, int index) {
    if (!confirmDelete(scene, index)) return false;
    DeleteElement(scene, kind_, index);
    return true;
}

void PropertyDialog::deleteClicked() {
    if (!scene_ || !confirmDelete(*scene_, index_)) return;
    removeElement();
}

void PropertyDialog::removeElement() {
    if (isNew_ && HasTable(kind_)) ClearElement(*scene_, kind_, index_);  // never in use: nothing to close up
    else DeleteElement(*scene_, kind_, index_);
    outcome_ = DialogOutcome::Deleted;
    accept();
}

}  // namespace mb

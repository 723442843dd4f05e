// The shape every property dialog of an element shares. Activation loads a
// working copy of the record at the current index; Ok parses the edits in the
// form's order, checks them, and writes back only when everything passed; Cancel
// (or the window's close box) of a just-placed element gives its name number back
// and leaves no half-made element behind; Delete asks first and then removes the
// element and closes its table's gap. Each form adds only its words, its fields
// and its own checks.
#pragma once

#include <QDialog>
#include <QString>

#include "scene/scene.h"
#include "ui/dialog_kit.h"
#include "ui/translate.h"

class QLineEdit;
class QPushButton;

namespace mb {

class Prompts;

enum class DialogOutcome { Accepted, Cancelled, Deleted };

class PropertyDialog : public QDialog {
    Q_OBJECT
public:
    PropertyDialog(ElementKind kind, FormTexts texts, Prompts& prompts, QWidget* parent = nullptr);

    ElementKind kind() const { return kind_; }

    // Runs the dialog modally for element `index` of its kind; `isNew` when the
    // element was just placed with the mouse (its record holds only the geometry).
    DialogOutcome edit(Scene& scene, int index, bool isNew);
    // The Delete key on the selected element: what the form's Delete does, the
    // form's own check and question first, without opening the form. True when
    // the element was removed and its table closed up.
    bool deleteAsked(Scene& scene, int index);

protected:
    // Activation: fill the controls from the record (the working copy). The name
    // edit, when the form has one, is filled by the base.
    virtual void load(const Scene& scene, int index, bool isNew) = 0;
    // Ok: parse and check in the form's order, warning and moving the focus at the
    // first failure (return false); else write the record back and return true.
    virtual bool store(Scene& scene, int index) = 0;
    // The question Delete asks, with its caption.
    virtual QString deleteQuestion() const = 0;
    virtual QString deleteCaption() const { return Tr(kSharedContext, kWarningCaption); }
    // A check before the question (the ball's connector check); true lets Delete go on.
    virtual bool mayDelete(const Scene&, int) { return true; }
    // Ok would leave the element out of use (a remark whose text was emptied): it is
    // then removed as Delete removes it, so its table keeps no gap.
    virtual bool okEmpties() const { return false; }

    // Hooks for the form's buttons and its name edit.
    void setNameEdit(QLineEdit* edit) { nameEdit_ = edit; }
    void connectButtons(QPushButton* ok, QPushButton* cancel, QPushButton* del);

    FormBuilder& form() { return form_; }
    Prompts& prompts() { return prompts_; }
    Scene& scene() { return *scene_; }
    int index() const { return index_; }
    bool isNew() const { return isNew_; }

    void okClicked();
    void deleteClicked();

private:
    // The element goes as Delete takes it, and its table closes up.
    void removeElement();

    ElementKind kind_;
    FormBuilder form_;
    Prompts& prompts_;
    QLineEdit* nameEdit_ = nullptr;
    Scene* scene_ = nullptr;
    int index_ = -1;
    bool isNew_ = false;
    // The check and the question of Delete; true when the user said OK.
    bool confirmDelete(const Scene& scene, int index);
    DialogOutcome outcome_ = DialogOutcome::Cancelled;
};

}  // namespace mb

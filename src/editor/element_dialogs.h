// The property dialog of every element kind, reached by kind: mouse editing and
// Parameter adjust open elements through this and never name a form.
#pragma once

#include <map>

#include "editor/property_dialog.h"

namespace mb {

class ElementDialogs {
public:
    // Adds a kind's dialog (owned by its Qt parent); a later one for the same kind replaces it.
    void add(PropertyDialog* dialog) { dialogs_[dialog->kind()] = dialog; }
    bool has(ElementKind kind) const { return dialogs_.count(kind) != 0; }
    PropertyDialog* dialog(ElementKind kind) const {
        const auto it = dialogs_.find(kind);
        return it == dialogs_.end() ? nullptr : it->second;
    }
    // Runs the kind's dialog for element `index`; a kind without a dialog is left alone.
    DialogOutcome open(ElementKind kind, Scene& scene, int index, bool isNew) const {
        PropertyDialog* d = dialog(kind);
        return d ? d->edit(scene, index, isNew) : DialogOutcome::Cancelled;
    }

private:
    std::map<ElementKind, PropertyDialog*> dialogs_;
};

}  // namespace mb

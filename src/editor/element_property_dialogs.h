// The property dialogs of the fields, the connectors and the tracks, made once
// and handed to the dialogs-by-kind table that mouse editing and Parameter
// adjust open elements through.
#pragma once

class QWidget;

namespace mb {

class ElementDialogs;
class Prompts;

// Point charge, gravitation mass, uniform electric and magnetic field, damping field.
void AddFieldDialogs(ElementDialogs& dialogs, Prompts& prompts, QWidget* parent);
// Hanging and link springs, cords and poles.
void AddConnectorDialogs(ElementDialogs& dialogs, Prompts& prompts, QWidget* parent);
// Straight and circular tracks.
void AddTrackDialogs(ElementDialogs& dialogs, Prompts& prompts, QWidget* parent);

inline void AddFieldConnectorTrackDialogs(ElementDialogs& dialogs, Prompts& prompts, QWidget* parent) {
    AddFieldDialogs(dialogs, prompts, parent);
    AddConnectorDialogs(dialogs, prompts, parent);
    AddTrackDialogs(dialogs, prompts, parent);
}

}  // namespace mb

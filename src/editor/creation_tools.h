// The creation commands: what the next clicks on the surface create, chosen from
// "&Edit" -> "&Creat" or from the creating panel. Each only sets the creation
// mode and, where it has one, the prompt in status panel 1.
#pragma once

#include <QString>
#include <functional>
#include <span>

class QMenu;

namespace mb {

struct CreationTool {
    const char* menuName;     // menu entry, "" for the panel's selection tool
    const char* caption;      // menu caption
    const char* submenu;      // the submenu it sits in, "" directly under "&Creat"
    int mode;                 // the creation mode it sets
    const char* menuPrompt;   // null: status panel 1 is left as it is
    const char* panelButton;  // the creating panel's button
    const char* panelPrompt;  // null: no prompt
};

// Every creation tool, in the panel's order from top to bottom.
std::span<const CreationTool> CreationTools();
const CreationTool* FindToolByButton(const QString& panelButton);

// Builds the "&Creat" submenu (N9) with its submenus in their order at the end of
// `edit`; `chosen` runs when one of its entries is triggered.
QMenu* BuildCreatMenu(QMenu* edit, std::function<void(const CreationTool&)> chosen);

}  // namespace mb

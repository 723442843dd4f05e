// The creation tools: what the next clicks on the surface create, chosen from
// "&Edit" -> "&Creat", from the creating panel, or (the data ball) from the data
// window. One table holds everything about a tool: its menu entry and panel
// button with their prompts, how many clicks it takes and how they make the
// element, the prompt after the first click and the rubber band drawn meanwhile.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <span>

#include "scene/scene.h"
#include "view/editor_feedback.h"

class QMenu;

namespace mb {

// How the clicks of a tool make its element.
enum class Placement : std::uint8_t {
    Selection,      // no element: clicks select and drag
    AtPoint,        // the element's reference point where the pointer is
    DataBall,       // the ball the data window follows
    Rectangle,      // a region by two opposite corners
    Hanging,        // a ball, then the anchor it hangs from
    Link,           // a ball, then the other ball
    StraightTrack,  // the start, then the end
    CircularTrack,  // the centre, then a point on the circle
};

struct CreationTool {
    ElementKind mode;  // the creation mode it sets
    Placement placement;
    int clicks;
    const char* menuName;      // menu entry, "" for tools without one
    const char* caption;       // menu caption
    const char* submenu;       // the submenu it sits in, "" directly under "&Creat"
    const char* menuPrompt;    // null: status panel 1 is left as it is
    const char* panelButton;   // the creating panel's button, "" for none
    int panelTop;              // the button's top in the panel's column
    bool panelShowsTool;       // chosen from the menu, the tool's button goes down
    const char* panelPrompt;   // null: no prompt
    const char* secondPrompt;  // after the first click; null: the prompt stays
    RubberBand band;           // drawn between the two clicks
};

// Every creation tool, the panel's buttons in its order from top to bottom.
std::span<const CreationTool> CreationTools();
// The tool of a creation mode; the selection tool for a mode no tool sets.
const CreationTool& ToolFor(ElementKind mode);
// Whether the first click of the tool picks a ball (a connector's).
inline bool StartsAtBall(const CreationTool& tool) {
    return tool.placement == Placement::Hanging || tool.placement == Placement::Link;
}

// Builds the "&Creat" submenu (N9) with its submenus in their order at the end of
// `edit`; `chosen` runs when one of its entries is triggered.
QMenu* BuildCreatMenu(QMenu* edit, std::function<void(const CreationTool&)> chosen);

}  // namespace mb

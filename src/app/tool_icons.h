// Tool bar pictures, drawn in code so the program carries no image files of
// unknown origin.
#pragma once

#include <QIcon>

namespace mb {

enum class ToolIcon { Open, Save, New, LabCondition, Adjust, Run, Stop, Pause, DataOut, Curve, LiveGraph, Calculator, Undo, Redo };

QIcon MakeToolIcon(ToolIcon which);

}  // namespace mb

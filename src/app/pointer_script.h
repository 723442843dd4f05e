// "--drag X1,Y1,X2,Y2" on the command line: a left-button drag across the
// drawing surface once the window shows, delivered as the mouse's own events,
// for demonstrations and for checks of a running program from outside.
#pragma once

#include <QPoint>
#include <QStringList>
#include <optional>

class QWidget;

namespace mb {

struct PointerDrag {
    QPoint from;
    QPoint to;
};

// The drag the arguments name, nothing when there is none; `ok` false when the
// option is there but its value is not four whole numbers.
std::optional<PointerDrag> DragFromArguments(const QStringList& arguments, bool& ok);

// Presses the left button on `surface` at `from`, moves in a few steps to `to`
// and lets go there.
void PerformDrag(QWidget& surface, const PointerDrag& drag);

}  // namespace mb

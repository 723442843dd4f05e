#include "app/pointer_script.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

namespace mb {

std::optional<PointerDrag> DragFromArguments(const QStringList& arguments, bool& ok) {
    ok = true;
    const qsizetype at = arguments.indexOf("--drag");
    if (at < 0) return std::nullopt;
    const QStringList parts = at + 1 < arguments.size() ? arguments[at + 1].split(',') : QStringList();
    int v[4] = {};
    ok = parts.size() == 4;
    for (int i = 0; ok && i < 4; ++i) v[i] = parts[i].trimmed().toInt(&ok);
    if (!ok) return std::nullopt;
    return PointerDrag{{v[0], v[1]}, {v[2], v[3]}};
}

void PerformDrag(QWidget& surface, const PointerDrag& drag) {
    const auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(at), QPointF(surface.mapToGlobal(at)), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(&surface, &event);
    };
    send(QEvent::MouseButtonPress, drag.from, Qt::LeftButton, Qt::LeftButton);
    constexpr int kSteps = 8;
    for (int i = 1; i <= kSteps; ++i)
        send(QEvent::MouseMove, drag.from + (drag.to - drag.from) * i / kSteps, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, drag.to, Qt::LeftButton, Qt::NoButton);
}

}  // namespace mb

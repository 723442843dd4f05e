#include "app/scene_widget.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "view/scene_surface.h"

namespace mb {

SceneWidget::SceneWidget(SceneSurface& surface, QWidget* parent) : QWidget(parent), surface_(surface) {
    setObjectName("Image1");
    // The surface keeps what was drawn; a larger window only exposes new parts.
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    setMinimumSize(100, 100);
}

void SceneWidget::showChanges() {
    const QRegion dirty = surface_.takeDirtyRegion().intersected(rect());
    if (!dirty.isEmpty()) update(dirty);
}

void SceneWidget::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect r = event->rect();
    const QRect onSurface = r.intersected(surface_.image().rect());
    if (!onSurface.isEmpty()) p.drawImage(onSurface.topLeft(), surface_.image(), onSurface);
    // Beyond the surface (never while it follows the window) stays black.
    const QRegion rest = QRegion(r).subtracted(QRegion(onSurface));
    for (const QRect& piece : rest) p.fillRect(piece, Qt::black);
}

void SceneWidget::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->button(), event->position().toPoint());
}

void SceneWidget::mouseMoveEvent(QMouseEvent* event) { emit moved(event->position().toPoint()); }

void SceneWidget::mouseReleaseEvent(QMouseEvent* event) { emit released(event->position().toPoint()); }

void SceneWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit resized(event->size());
}

}  // namespace mb

#include "app/scene_widget.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QWheelEvent>
#include <algorithm>

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
    nextFrame_.setSingleShot(true);
    nextFrame_.setTimerType(Qt::PreciseTimer);
    connect(&nextFrame_, &QTimer::timeout, this, &SceneWidget::showPending);
}

namespace {

// One frame of the screen the widget is on, between 4 ms and 20 ms.
qint64 FrameMilliseconds(const QWidget& w) {
    const QScreen* screen = w.screen();
    const double hertz = screen ? screen->refreshRate() : 60.0;
    return std::clamp<qint64>(hertz > 1 ? static_cast<qint64>(1000.0 / hertz) : 16, 4, 20);
}

}  // namespace

void SceneWidget::setOverlay(const OverlayChoice& choice) {
    overlay_ = choice;
    overlayFresh_ = false;
    update();
}

void SceneWidget::showChanges() {
    const QRegion dirty = surface_.takeDirtyRegion().intersected(rect());
    // Arrows change with the velocities even where no picture moved.
    const bool overlaid = overlay_.any() && overlayScene_;
    if (dirty.isEmpty() && !overlaid) return;
    pending_ += dirty;
    // A region of many pieces costs more to keep than its box costs to paint.
    if (pending_.rectCount() > 256) pending_ = pending_.boundingRect();
    if (nextFrame_.isActive()) return;
    const qint64 frame = FrameMilliseconds(*this);
    const qint64 since = sinceShown_.isValid() ? sinceShown_.elapsed() : frame;
    if (since >= frame)
        showPending();
    else
        nextFrame_.start(static_cast<int>(frame - since));
}

void SceneWidget::showPending() {
    if (overlay_.any() && overlayScene_) {
        // Where the overlay was and where it will be: nothing of the last frame stays behind.
        overlayFrame_ = LayOutOverlay(overlayScene_(), overlay_, size());
        overlayFresh_ = true;
        pending_ += overlayShown_ + overlayFrame_.region;
        overlayShown_ = overlayFrame_.region;
    }
    if (!pending_.isEmpty()) update(pending_);
    pending_ = QRegion();
    sinceShown_.restart();
}

void SceneWidget::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect r = event->rect();
    const QRect onSurface = r.intersected(surface_.image().rect());
    if (!onSurface.isEmpty()) p.drawImage(onSurface.topLeft(), surface_.image(), onSurface);
    // Beyond the surface (never while it follows the window) stays black.
    const QRegion rest = QRegion(r).subtracted(QRegion(onSurface));
    for (const QRect& piece : rest) p.fillRect(piece, Qt::black);
    if (overlay_.any() && overlayScene_) {
        // The frame laid out for this repaint; any other repaint (an expose, a
        // grab, a new choice) lays out the scene as it stands, and its place is
        // taken away again with the next frame's.
        if (!overlayFresh_) {
            overlayFrame_ = LayOutOverlay(overlayScene_(), overlay_, size());
            overlayShown_ += overlayFrame_.region;
        }
        overlayFresh_ = false;
        PaintOverlay(p, overlayFrame_);
    }
}

void SceneWidget::mousePressEvent(QMouseEvent* event) {
    // The middle button pans the view; the editor never sees it.
    if (event->button() == Qt::MiddleButton) {
        panFrom_ = event->position().toPoint();
        return;
    }
    emit pressed(event->button(), event->position().toPoint());
}

void SceneWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (panFrom_) {
        if (at != *panFrom_) emit panned(at - *panFrom_);
        panFrom_ = at;
        return;
    }
    emit moved(at);
}

void SceneWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton && panFrom_) {
        panFrom_.reset();
        emit panEnded();
        return;
    }
    emit released(event->position().toPoint());
}

void SceneWidget::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) return QWidget::wheelEvent(event);
    // A notch is 120 eighths of a degree; fine-grained wheels add up to one.
    wheelEighths_ += event->angleDelta().y();
    const int steps = wheelEighths_ / 120;
    wheelEighths_ -= steps * 120;
    if (steps != 0) emit wheelZoomed(steps, event->position().toPoint());
    event->accept();
}

void SceneWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit resized(event->size());
}

}  // namespace mb

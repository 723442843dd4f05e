// The widget that shows the drawing surface and reports the mouse on it.
#pragma once

#include <QElapsedTimer>
#include <QRegion>
#include <QTimer>
#include <QWidget>
#include <optional>
#include <functional>

#include "view/ball_overlay.h"

namespace mb {

class SceneSurface;

class SceneWidget : public QWidget {
    Q_OBJECT
public:
    explicit SceneWidget(SceneSurface& surface, QWidget* parent = nullptr);

    // Schedules a repaint of what the passes changed since the last call. A run
    // changes the surface up to a thousand times a second; the screen shows a
    // frame at its refresh rate, so changes that come sooner than one frame
    // after the last repaint are gathered and shown together at the next frame.
    void showChanges();

    // Arrows and names painted over the surface for the scene `scene` returns
    // (the one shown), never into the surface.
    void setOverlaySource(std::function<const Scene&()> scene) { overlayScene_ = std::move(scene); }
    void setOverlay(const OverlayChoice& choice);
    const OverlayChoice& overlay() const { return overlay_; }

signals:
    void pressed(Qt::MouseButton button, QPoint at);
    void moved(QPoint at);
    void released(QPoint at);
    void resized(QSize size);
    // Ctrl with the wheel: `steps` notches away from the user (in) or toward him
    // (out), about the pointer.
    void wheelZoomed(int steps, QPoint at);
    // A middle-button drag moved by `by` pixels since its last report, and ended.
    void panned(QPoint by);
    void panEnded();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void showPending();

    SceneSurface& surface_;
    QRegion pending_;
    QElapsedTimer sinceShown_;
    QTimer nextFrame_;
    // Where the middle-button drag was last reported; none when no pan is going.
    std::optional<QPoint> panFrom_;
    int wheelEighths_ = 0;  // wheel turn not yet a whole notch
    std::function<const Scene&()> overlayScene_;
    OverlayChoice overlay_;
    QRegion overlayShown_;  // where the overlay was painted last: repainted to take it away
    OverlayFrame overlayFrame_;
    bool overlayFresh_ = false;  // overlayFrame_ was laid out for the repaint asked for last
};

}  // namespace mb

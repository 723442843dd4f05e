// The widget that shows the drawing surface and reports the mouse on it.
#pragma once

#include <QElapsedTimer>
#include <QRegion>
#include <QTimer>
#include <QWidget>
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

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void showPending();

    SceneSurface& surface_;
    QRegion pending_;
    QElapsedTimer sinceShown_;
    QTimer nextFrame_;
    std::function<const Scene&()> overlayScene_;
    OverlayChoice overlay_;
    QRegion overlayShown_;  // where the overlay was painted last: repainted to take it away
};

}  // namespace mb

// The widget that shows the drawing surface and reports the mouse on it.
#pragma once

#include <QWidget>

namespace mb {

class SceneSurface;

class SceneWidget : public QWidget {
    Q_OBJECT
public:
    explicit SceneWidget(SceneSurface& surface, QWidget* parent = nullptr);

    // Schedules a repaint of what the passes changed since the last call.
    void showChanges();

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
    SceneSurface& surface_;
};

}  // namespace mb

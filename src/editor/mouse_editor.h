// Mouse editing on the drawing surface: placing elements with one or two clicks,
// picking and dragging them, opening their dialogs with the right button, and
// the origin click of a new project. The editor's whole state is one value; the
// main window asks it and never keeps flags of its own for these things.
#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

#include "editor/hit_tests.h"
#include "scene/scene.h"
#include "view/scene_surface.h"

namespace mb {

class ElementDialogs;
struct CreationTool;

struct WorldPoint {
    double x = 0, y = 0;
    friend bool operator==(WorldPoint, WorldPoint) = default;
};

struct EditorState {
    ElementKind CreationMode = ElementKind::None;  // None: selection; else the kind being placed or the data ball
    ElementKind SelectedKind = ElementKind::None;
    int CurrentIndex = 0;
    bool NewElementFlag = false;
    bool SecondClickPending = false;
    int FirstBall = 0, SecondBall = 0;
    WorldPoint FirstPoint, SecondPoint;
    QPoint RubberBandPoint;
    QPoint GrabOffset;
    bool MouseIsDown = false;
    bool OriginPending = false;
    bool ProjectOpen = false;
    // Whether a rubber band or drag outline is on the surface now, so the next
    // move erases exactly what is there (and never draws one it must not).
    bool FeedbackShown = false;
};

// What the editor needs of the window around it.
class EditorHost {
public:
    virtual ~EditorHost() = default;
    virtual Scene& editedScene() = 0;
    virtual SceneSurface& editedSurface() = 0;
    virtual void setCoordinateText(const QString& text) = 0;  // status panel 0
    virtual void setPromptText(const QString& text) = 0;      // status panel 1
    // The full redraw with the selection outlined, shown on the screen.
    virtual void redrawScene() = 0;
    // Shows what the editor drew on the surface since the last call.
    virtual void showSurfaceChanges() = 0;
    // Puts the creating panel's buttons in line with the creation mode.
    virtual void syncCreatingPanel(ElementKind mode) = 0;
    // The origin of a new project was clicked: ask for the scale, open the project
    // or give up, and repaint.
    virtual void originClicked() = 0;
    // A drag is about to end with the element in its new place.
    virtual void elementDragged() {}
};

// Status panel 1 texts of the editor.
QString NoRoomText(ElementKind kind);

class MouseEditor : public QObject {
    Q_OBJECT
public:
    MouseEditor(EditorHost& host, const ElementDialogs& dialogs, QObject* parent = nullptr);

    const EditorState& state() const { return state_; }
    EditorState& state() { return state_; }
    // The element the full redraw outlines.
    EditorSelection selection() const { return {state_.SelectedKind, state_.CurrentIndex}; }
    // The surface was painted afresh: a band or drag outline on it is gone, and the
    // next move draws one without erasing first.
    void surfaceRepainted() { state_.FeedbackShown = false; }
    // The selected element is no longer where the selection points (a Delete made
    // elsewhere closed its table's gap): nothing is selected.
    void forgetSelection() { state_.SelectedKind = ElementKind::None; }

    // A creation command: the mode, nothing selected, and the prompt when there is one.
    void chooseTool(ElementKind mode, const QString* prompt);
    // Back to selection with no half-done placement: a new, opened or closed project.
    void resetTool();
    // The creation tool set to none and a half-done placement given up, its band and
    // prompt gone with it; the selection stays (a run starts).
    void endPlacement();

    // The Delete key: the selected element goes as its dialog's Delete removes it,
    // after the same question. False when nothing was deleted.
    bool deleteSelected();
    // Esc with no run going: a half-done placement ends, its band is taken away,
    // and the editor is back at selection. False when there was nothing to end.
    bool cancelPlacement();

    void press(Qt::MouseButton button, QPoint at);
    void move(QPoint at);
    void release(QPoint at);

signals:
    // A data-ball pick ended: the ball hit last, or -1 for none.
    void dataBallPicked(int ball);

private:
    Scene& scene() { return host_.editedScene(); }
    SceneSurface& surface() { return host_.editedSurface(); }
    WorldPoint worldOf(QPoint at) { return {scene().view.worldX(at.x()), scene().view.worldY(at.y())}; }

    void leftPress(QPoint at);
    void select(QPoint at);
    void resetSelection();
    void rightPress(QPoint at);
    void place(QPoint at);
    // The first free record of the kind's table, or -1 after telling the user.
    int freeSlot(ElementKind kind);
    void pickDataBall(QPoint at);
    // The first click of a two-click tool: a ball for a connector, else a point.
    void takeFirstClick(const CreationTool& tool, QPoint at);
    void placeAtPoint(ElementKind kind, QPoint at);
    void placeRectangle(ElementKind kind, QPoint at);
    void placeHanging(ElementKind kind, QPoint at);
    void placeLink(ElementKind kind, QPoint at);
    void placeStraightTrack(QPoint at);
    void placeCircularTrack(QPoint at);
    void complete(ElementKind kind, int index);
    void clearPoints();
    void drawRubberBand(QPoint to);
    void drawDragOutline(QPoint at);
    void drop(QPoint at);

    EditorHost& host_;
    const ElementDialogs& dialogs_;
    EditorState state_;
    QPoint pressPoint_;
};

}  // namespace mb

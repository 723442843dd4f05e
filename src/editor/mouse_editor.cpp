#include "editor/mouse_editor.h"

#include <QPainter>
#include <cmath>

#include "editor/creation_tools.h"
#include "editor/element_dialogs.h"
#include "scene/element_kinds.h"
#include "ui/number_text.h"
#include "ui/translate.h"
#include "view/editor_feedback.h"
#include "view/glyphs.h"

namespace mb {

namespace {

// A kind's label in the singular: "gravity masses" -> "gravity mass".
QString Singular(const char* label) {
    QString s = Tr("TForm1", label);
    if (s.endsWith("sses"))
        s.chop(2);
    else if (s.endsWith('s'))
        s.chop(1);
    return s;
}

}  // namespace

QString NoRoomText(ElementKind kind) {
    const KindInfo& info = KindInfoOf(kind);
    return Tr("TForm1", "No room for another %1: %2 is the most.").arg(Singular(info.label)).arg(info.capacity);
}

MouseEditor::MouseEditor(EditorHost& host, const ElementDialogs& dialogs, QObject* parent)
    : QObject(parent), host_(host), dialogs_(dialogs) {}

void MouseEditor::chooseTool(ElementKind mode, const QString* prompt) {
    // A half-done placement stays half done, but its band is drawn for the old
    // tool: take it away rather than let the new tool's band XOR over it.
    if (state_.FeedbackShown) {
        state_.FeedbackShown = false;
        host_.redrawScene();
    }
    state_.CreationMode = mode;
    state_.SelectedKind = ElementKind::None;
    if (prompt) host_.setPromptText(*prompt);
}

void MouseEditor::resetTool() {
    state_.CreationMode = ElementKind::None;
    state_.SelectedKind = ElementKind::None;
    state_.CurrentIndex = 0;
    state_.SecondClickPending = false;
    state_.FirstBall = state_.SecondBall = 0;
    clearPoints();
    state_.FeedbackShown = false;
    state_.MouseIsDown = false;
}

bool MouseEditor::deleteSelected() {
    const ElementKind kind = state_.SelectedKind;
    if (!state_.ProjectOpen || scene().Running || kind == ElementKind::None) return false;
    if (state_.CurrentIndex < 0 || state_.CurrentIndex >= ElementCount(scene(), kind)) return false;
    PropertyDialog* dialog = dialogs_.dialog(kind);
    if (!dialog || !dialog->deleteAsked(scene(), state_.CurrentIndex)) return false;
    resetSelection();
    state_.CurrentIndex = 0;
    host_.redrawScene();
    return true;
}

bool MouseEditor::cancelPlacement() {
    if (!state_.ProjectOpen || scene().Running || state_.CreationMode == ElementKind::None) return false;
    const bool bandShown = state_.FeedbackShown;
    endPlacement();
    state_.SelectedKind = ElementKind::None;
    state_.NewElementFlag = false;
    if (bandShown) host_.redrawScene();
    return true;
}

void MouseEditor::endPlacement() {
    // The caller's full redraw wipes the band; it must not be XORed back later.
    const bool placing = state_.CreationMode != ElementKind::None;
    state_.CreationMode = ElementKind::None;
    state_.SecondClickPending = false;
    state_.FirstBall = state_.SecondBall = 0;
    clearPoints();
    state_.FeedbackShown = false;
    state_.MouseIsDown = false;
    if (!placing) return;
    host_.setPromptText(QString());
    host_.syncCreatingPanel(ElementKind::None);
}

void MouseEditor::clearPoints() {
    state_.FirstPoint = state_.SecondPoint = {};
}

void MouseEditor::press(Qt::MouseButton button, QPoint at) {
    state_.MouseIsDown = true;
    pressPoint_ = at;
    if (button == Qt::LeftButton)
        leftPress(at);
    else
        rightPress(at);
}

void MouseEditor::leftPress(QPoint at) {
    if (state_.OriginPending) {
        // The origin is where the pointer is, as the last move drew it.
        const ViewScale& v = scene().view;
        if (v.OriginX != at.x() || v.OriginY != at.y()) move(at);
        state_.OriginPending = false;
        state_.MouseIsDown = false;
        host_.originClicked();
        return;
    }
    if (!state_.ProjectOpen) return;
    if (state_.CreationMode == ElementKind::None) {
        select(at);
        return;
    }
    state_.NewElementFlag = true;
    place(at);
}

void MouseEditor::resetSelection() {
    state_.NewElementFlag = false;
    state_.CreationMode = ElementKind::None;
    state_.SelectedKind = ElementKind::None;
    host_.syncCreatingPanel(ElementKind::None);
    state_.SecondClickPending = false;
    state_.FirstBall = state_.SecondBall = 0;
    clearPoints();
    state_.FeedbackShown = false;
}

void MouseEditor::select(QPoint at) {
    resetSelection();
    const Pixel p{at.x(), at.y()};
    if (const auto hit = SelectAt(scene(), p)) {
        state_.CurrentIndex = hit->index;
        state_.SelectedKind = hit->kind;
        if (const auto ref = ReferencePoint(scene(), *hit)) {
            state_.GrabOffset = at - QPoint(ref->x, ref->y);
            state_.RubberBandPoint = QPoint(ref->x, ref->y);
        }
    }
    host_.redrawScene();
}

void MouseEditor::rightPress(QPoint at) {
    host_.setPromptText(QString());
    if (!state_.ProjectOpen) return;
    if (scene().Running) {
        host_.redrawScene();
        return;
    }
    resetSelection();
    const Pixel p{at.x(), at.y()};
    for (ElementKind kind : kHitOrder) {
        // The table is looked at afresh after every dialog: a Delete closes its gap.
        for (int i = 0;; ++i) {
            if (i >= ElementCount(scene(), kind)) break;
            if (!ElementHit(scene(), {kind, i}, p)) continue;
            state_.CurrentIndex = i;
            state_.SelectedKind = kind;
            state_.NewElementFlag = false;
            const DialogOutcome outcome = dialogs_.open(kind, scene(), i, false);
            state_.MouseIsDown = false;
            if (outcome == DialogOutcome::Deleted) {
                state_.SelectedKind = ElementKind::None;
            } else if (!IsLinkKind(kind)) {
                QPainter painter(&surface().image());
                DrawSelectionOutline(painter, scene(), {kind, i});
                surface().markAllDirty();
                host_.showSurfaceChanges();
            }
        }
    }
    host_.redrawScene();
}

int MouseEditor::freeSlot(ElementKind kind) {
    const int slot = FirstFreeSlot(scene(), kind);
    if (slot >= 0) return slot;
    // A full table takes nothing more: say so and go back to selection.
    host_.setPromptText(NoRoomText(kind));
    state_.CreationMode = ElementKind::None;
    state_.SecondClickPending = false;
    clearPoints();
    if (state_.FeedbackShown) host_.redrawScene();
    state_.FeedbackShown = false;
    host_.syncCreatingPanel(ElementKind::None);
    return -1;
}

void MouseEditor::place(QPoint at) {
    const ElementKind kind = state_.CreationMode;
    const CreationTool& tool = ToolFor(kind);
    if (tool.placement == Placement::DataBall) {
        pickDataBall(at);
        return;
    }
    if (tool.placement == Placement::Selection || freeSlot(kind) < 0) return;
    if (tool.clicks == 2 && !state_.SecondClickPending) {
        takeFirstClick(tool, at);
        return;
    }
    switch (tool.placement) {
        case Placement::AtPoint: placeAtPoint(kind, at); break;
        case Placement::Rectangle: placeRectangle(kind, at); break;
        case Placement::Hanging: placeHanging(kind, at); break;
        case Placement::Link: placeLink(kind, at); break;
        case Placement::StraightTrack: placeStraightTrack(at); break;
        case Placement::CircularTrack: placeCircularTrack(at); break;
        case Placement::Selection:
        case Placement::DataBall: break;
    }
}

void MouseEditor::takeFirstClick(const CreationTool& tool, QPoint at) {
    if (StartsAtBall(tool)) {
        const std::vector<int> hits = BallsHit(scene(), {at.x(), at.y()});
        if (hits.empty()) return;
        state_.FirstBall = hits.front();
    } else {
        state_.FirstPoint = worldOf(at);
    }
    state_.SecondClickPending = true;
    state_.FeedbackShown = false;
    drawRubberBand(at);
    if (tool.secondPrompt) host_.setPromptText(Tr("TForm1", tool.secondPrompt));
}

void MouseEditor::complete(ElementKind kind, int index) {
    state_.CurrentIndex = index;
    state_.SecondClickPending = false;
    state_.FeedbackShown = false;
    host_.setPromptText(QString());
    state_.CreationMode = ElementKind::None;
    host_.syncCreatingPanel(ElementKind::None);
    if (!dialogs_.has(kind)) {
        // No dialog can complete this kind: leave no half-made record (a circular
        // track's radius alone would make it count as placed).
        ClearElement(scene(), kind, index);
    } else if (dialogs_.open(kind, scene(), index, true) == DialogOutcome::Deleted) {
        state_.SelectedKind = ElementKind::None;
    }
    state_.MouseIsDown = false;
    host_.redrawScene();
}

void MouseEditor::placeAtPoint(ElementKind kind, QPoint at) {
    const int slot = FirstFreeSlot(scene(), kind);
    // Only the place is written; the element's dialog completes the rest.
    MoveReferencePoint(scene(), {kind, slot}, {at.x(), at.y()});
    complete(kind, slot);
}

void MouseEditor::pickDataBall(QPoint at) {
    const std::vector<int> hits = BallsHit(scene(), {at.x(), at.y()});
    state_.CurrentIndex = hits.empty() ? -1 : hits.back();
    host_.setPromptText(QString());
    state_.CreationMode = ElementKind::None;
    state_.MouseIsDown = false;
    emit dataBallPicked(state_.CurrentIndex);
    host_.redrawScene();
}

void MouseEditor::placeRectangle(ElementKind kind, QPoint at) {
    state_.SecondPoint = worldOf(at);
    const double x1 = std::min(state_.FirstPoint.x, state_.SecondPoint.x);
    const double x2 = std::max(state_.FirstPoint.x, state_.SecondPoint.x);
    const double y1 = std::min(state_.FirstPoint.y, state_.SecondPoint.y);
    const double y2 = std::max(state_.FirstPoint.y, state_.SecondPoint.y);
    const int slot = FirstFreeSlot(scene(), kind);
    VisitTable(scene(), kind, [&](auto& table) {
        auto& r = table[slot];
        using R = std::decay_t<decltype(r)>;
        if constexpr (std::is_same_v<R, UniformElectricField> || std::is_same_v<R, UniformMagneticField> ||
                      std::is_same_v<R, DampingField>) {
            r.x1 = x1;
            r.y1 = y1;
            r.x2 = x2;
            r.y2 = y2;
            if constexpr (std::is_same_v<R, DampingField>) r.formula = 0;
        }
    });
    clearPoints();
    complete(kind, slot);
}

void MouseEditor::placeHanging(ElementKind kind, QPoint at) {
    const WorldPoint anchor = worldOf(at);
    const Ball& b = scene().balls[state_.FirstBall];
    const int slot = FirstFreeSlot(scene(), kind);
    VisitTable(scene(), kind, [&](auto& table) {
        auto& r = table[slot];
        if constexpr (std::is_same_v<std::decay_t<decltype(r)>, HangingConnector>) {
            r.anchorX = anchor.x;
            r.anchorY = anchor.y;
            r.L = std::hypot(anchor.x - b.x0, anchor.y - b.y0);
            r.ball = state_.FirstBall;
        }
    });
    complete(kind, slot);
    state_.FirstBall = state_.SecondBall = 0;
}

void MouseEditor::placeLink(ElementKind kind, QPoint at) {
    const std::vector<int> hits = BallsHit(scene(), {at.x(), at.y()});
    int second = -1;
    for (int j : hits)
        if (j != state_.FirstBall) {
            second = j;
            break;
        }
    if (second < 0) return;  // still waiting for the other ball
    state_.SecondBall = second;
    const Ball& a = scene().balls[state_.FirstBall];
    const Ball& b = scene().balls[second];
    const int slot = FirstFreeSlot(scene(), kind);
    VisitTable(scene(), kind, [&](auto& table) {
        auto& r = table[slot];
        if constexpr (std::is_same_v<std::decay_t<decltype(r)>, LinkConnector>) {
            r.ball1 = state_.FirstBall;
            r.ball2 = second;
            r.L = std::hypot(a.x0 - b.x0, a.y0 - b.y0);
        }
    });
    complete(kind, slot);
    state_.FirstBall = state_.SecondBall = 0;
}

void MouseEditor::placeStraightTrack(QPoint at) {
    const ElementKind kind = ElementKind::StraightTrack;
    state_.SecondPoint = worldOf(at);
    state_.SecondClickPending = false;
    WorldPoint s = state_.FirstPoint, e = state_.SecondPoint;
    clearPoints();
    if (s == e) {
        // No track of no length: the band goes and the next press starts again.
        host_.redrawScene();
        state_.FeedbackShown = false;
        return;
    }
    if (!(e.x > s.x)) std::swap(s, e);
    const int slot = FirstFreeSlot(scene(), kind);
    StraightTrack& t = scene().straightTracks[slot];
    t.xs = s.x;
    t.ys = s.y;
    t.xe = e.x;
    t.ye = e.y;
    complete(kind, slot);
}

void MouseEditor::placeCircularTrack(QPoint at) {
    const ElementKind kind = ElementKind::CircularTrack;
    state_.SecondPoint = worldOf(at);
    state_.SecondClickPending = false;
    const WorldPoint c = state_.FirstPoint, p = state_.SecondPoint;
    clearPoints();
    if (c == p) {
        host_.redrawScene();
        state_.FeedbackShown = false;
        return;
    }
    const int slot = FirstFreeSlot(scene(), kind);
    CircularTrack& t = scene().circularTracks[slot];
    t.cx = c.x;
    t.cy = c.y;
    t.radius = std::hypot(p.x - c.x, p.y - c.y);
    complete(kind, slot);
}

void MouseEditor::move(QPoint at) {
    const ViewScale& v = scene().view;
    host_.setCoordinateText(Tr("TForm1", "Coordinate:(") + FormatReal(v.worldX(at.x())) + "," + FormatReal(v.worldY(at.y())) + ")");
    if (state_.OriginPending) {
        surface().ToggleAxes(v.OriginX, v.OriginY);
        scene().view.OriginX = at.x();
        scene().view.OriginY = at.y();
        surface().ToggleAxes(at.x(), at.y());
        host_.showSurfaceChanges();
        return;
    }
    if (!state_.ProjectOpen) return;
    // A one-click tool chosen while a second click was pending has no band to show.
    if (state_.CreationMode != ElementKind::None && state_.SelectedKind == ElementKind::None &&
        state_.SecondClickPending && ToolFor(state_.CreationMode).clicks == 2)
        drawRubberBand(at);
    else if (state_.MouseIsDown && state_.CreationMode == ElementKind::None && state_.SelectedKind != ElementKind::None)
        drawDragOutline(at);
}

void MouseEditor::drawRubberBand(QPoint to) {
    const CreationTool& tool = ToolFor(state_.CreationMode);
    const RubberBand& band = tool.band;
    QPoint from;
    if (StartsAtBall(tool)) {
        const Ball& b = scene().balls[state_.FirstBall];
        from = QPoint(b.screenX, b.screenY);
    } else {
        const ViewScale& v = scene().view;
        from = QPoint(static_cast<int>(std::lround(v.columnOf(state_.FirstPoint.x))),
                      static_cast<int>(std::lround(v.rowOf(state_.FirstPoint.y))));
    }
    if (state_.FeedbackShown) DrawRubberBand(surface(), band, from, state_.RubberBandPoint);
    DrawRubberBand(surface(), band, from, to);
    state_.RubberBandPoint = to;
    state_.FeedbackShown = true;
    host_.showSurfaceChanges();
}

void MouseEditor::drawDragOutline(QPoint at) {
    const ElementRef e{state_.SelectedKind, state_.CurrentIndex};
    const auto ref = ReferencePoint(scene(), e);
    if (!ref) return;  // links are never dragged
    const QPoint reference(ref->x, ref->y);
    const QPoint target = at - state_.GrabOffset;
    if (state_.FeedbackShown) DrawDragOutline(surface(), scene(), e.kind, e.index, reference, state_.RubberBandPoint);
    DrawDragOutline(surface(), scene(), e.kind, e.index, reference, target);
    state_.RubberBandPoint = target;
    state_.FeedbackShown = true;
    host_.showSurfaceChanges();
}

void MouseEditor::release(QPoint at) {
    const bool wasDown = state_.MouseIsDown;
    state_.MouseIsDown = false;
    if (!wasDown || state_.SelectedKind == ElementKind::None || state_.CreationMode != ElementKind::None) return;
    // A click that did not move leaves the element exactly where it was: dropping
    // it would snap its position to the pixel grid. A drag that came back there
    // still has its outline over the selection's: the repaint takes it away.
    if (at == pressPoint_) {
        if (state_.FeedbackShown) host_.redrawScene();
        return;
    }
    drop(at);
}

void MouseEditor::drop(QPoint at) {
    const ElementRef e{state_.SelectedKind, state_.CurrentIndex};
    if (!ReferencePoint(scene(), e)) return;
    const QPoint target = at - state_.GrabOffset;
    MoveReferencePoint(scene(), e, {target.x(), target.y()});
    state_.FeedbackShown = false;
    host_.redrawScene();
}

}  // namespace mb

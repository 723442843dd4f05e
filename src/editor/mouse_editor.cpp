#include "editor/mouse_editor.h"

#include <QPainter>
#include <cmath>

#include "editor/element_dialogs.h"
#include "scene/element_kinds.h"
#include "ui/number_text.h"
#include "view/editor_feedback.h"
#include "view/glyphs.h"

namespace mb {

namespace {

// Status panel 1 after the first click of a two-click placement.
const char* SecondPrompt(int mode) {
    switch (mode) {
        case 12: return "Please choose the approximately place to hang the spring by the mouse.";
        case 13: return "Choose the another moving object which to be linked.";
        case 16: return "Please choose the approximately place to hang the cord by the mouse.";
        case 17:
        case 19: return "Choose the another object which to be linked.";
        case 18: return "Please choose the approximately place to hang the pole by the mouse.";
        case 14: return "Choose the end place of it by mouse.";
        default: return nullptr;
    }
}

// The rubber band of each two-click mode.
RubberBand RubberBandOf(int mode) {
    switch (mode) {
        case 3: return {FeedbackShape::Rectangle, QColor(160, 160, 255), Qt::DotLine, 1};
        case 5: return {FeedbackShape::Rectangle, QColor(180, 255, 160), Qt::DotLine, 1};
        case 7: return {FeedbackShape::Rectangle, QColor(220, 220, 200), Qt::DotLine, 1};
        case 14: return {FeedbackShape::Line, QColor(250, 250, 150), Qt::DotLine, 2};
        case 15: return {FeedbackShape::Circle, QColor(250, 250, 150), Qt::DashLine, 2};
        default: return {FeedbackShape::Line, QColor(180, 180, 180), Qt::DotLine, 1};  // connectors
    }
}

// A kind's label in the singular: "gravity masses" -> "gravity mass".
QString Singular(const char* label) {
    QString s = QString::fromLatin1(label);
    if (s.endsWith("sses")) s.chop(2);
    else if (s.endsWith('s')) s.chop(1);
    return s;
}

// Puts an element's reference point at world point w: the place of a ball, point
// charge or mass, a circle's centre, a hung connector's anchor, a straight
// track's start (its end keeps its offset and the line form follows), a region's
// (x1, y1) corner with its size kept. Links follow their balls and stay.
template <class R>
void MoveReference(R& r, WorldPoint w) {
    if constexpr (std::is_same_v<R, Ball>) {
        r.x0 = w.x;
        r.y0 = w.y;
    } else if constexpr (std::is_same_v<R, PointChargeField> || std::is_same_v<R, GravityMass>) {
        r.x = w.x;
        r.y = w.y;
    } else if constexpr (std::is_same_v<R, CircularTrack>) {
        r.cx = w.x;
        r.cy = w.y;
    } else if constexpr (std::is_same_v<R, HangingConnector>) {
        r.anchorX = w.x;
        r.anchorY = w.y;
    } else if constexpr (std::is_same_v<R, StraightTrack>) {
        const double dx = r.xe - r.xs, dy = r.ye - r.ys;
        StraightTrack moved = MakeStraightTrack(w.x, w.y, w.x + dx, w.y + dy);
        moved.spare1 = r.spare1;
        moved.spare2 = r.spare2;
        r = moved;
    } else if constexpr (std::is_same_v<R, LinkConnector> || std::is_same_v<R, Remark>) {
        // links have nothing of their own to move; remarks move by surface pixels
    } else {
        const double width = r.x2 - r.x1, height = r.y2 - r.y1;
        r.x1 = w.x;
        r.y1 = w.y;
        r.x2 = w.x + width;
        r.y2 = w.y + height;
    }
}

}  // namespace

QString NoRoomText(ElementKind kind) {
    if (kind == ElementKind::Remark)
        return QString("No room for another remark: %1 is the most.").arg(kRemarkCapacity);
    const KindInfo& info = KindInfoOf(kind);
    return QString("No room for another %1: %2 is the most.").arg(Singular(info.label)).arg(info.capacity);
}

MouseEditor::MouseEditor(EditorHost& host, const ElementDialogs& dialogs, QObject* parent)
    : QObject(parent), host_(host), dialogs_(dialogs) {}

void MouseEditor::chooseTool(int mode, const QString* prompt) {
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
    state_.CreationMode = 0;
    state_.SelectedKind = ElementKind::None;
    state_.CurrentIndex = 0;
    state_.SecondClickPending = false;
    state_.FirstBall = state_.SecondBall = 0;
    clearPoints();
    state_.FeedbackShown = false;
    state_.MouseIsDown = false;
}

void MouseEditor::clearPoints() { state_.FirstPoint = state_.SecondPoint = {}; }

void MouseEditor::press(Qt::MouseButton button, QPoint at) {
    state_.MouseIsDown = true;
    pressPoint_ = at;
    if (button == Qt::LeftButton) leftPress(at);
    else rightPress(at);
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
    if (state_.CreationMode == 0) {
        select(at);
        return;
    }
    state_.NewElementFlag = true;
    place(at);
}

void MouseEditor::resetSelection() {
    state_.NewElementFlag = false;
    state_.CreationMode = 0;
    state_.SelectedKind = ElementKind::None;
    host_.syncCreatingPanel(0);
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
            const int n = kind == ElementKind::Remark ? scene().remarkCount() : ElementCount(scene(), kind);
            if (i >= n) break;
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
    const int slot = kind == ElementKind::Remark
                         ? (scene().remarkCount() < kRemarkCapacity ? scene().remarkCount() : -1)
                         : FirstFreeSlot(scene(), kind);
    if (slot >= 0) return slot;
    // A full table takes nothing more: say so and go back to selection.
    host_.setPromptText(NoRoomText(kind));
    state_.CreationMode = 0;
    state_.SecondClickPending = false;
    clearPoints();
    if (state_.FeedbackShown) host_.redrawScene();
    state_.FeedbackShown = false;
    host_.syncCreatingPanel(0);
    return -1;
}

void MouseEditor::place(QPoint at) {
    const int mode = state_.CreationMode;
    const auto kind = static_cast<ElementKind>(mode);
    if (mode == static_cast<int>(ElementKind::DataBallPick)) pickDataBall(at);
    else if (kind == ElementKind::Remark) placeRemark(at);
    else if (!HasTable(kind)) return;  // not a creation mode
    else if (IsRectangleKind(kind)) placeRectangle(kind, at);
    else if (IsHangingKind(kind)) placeHanging(kind, at);
    else if (IsLinkKind(kind)) placeLink(kind, at);
    else if (kind == ElementKind::StraightTrack) placeStraightTrack(at);
    else if (kind == ElementKind::CircularTrack) placeCircularTrack(at);
    else placeAtPoint(kind, at);  // ball, point charge, gravity mass
}

void MouseEditor::complete(ElementKind kind, int index) {
    state_.CurrentIndex = index;
    state_.SecondClickPending = false;
    state_.FeedbackShown = false;
    host_.setPromptText(QString());
    state_.CreationMode = 0;
    host_.syncCreatingPanel(0);
    if (kind != ElementKind::Remark && !dialogs_.has(kind)) {
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
    const int slot = freeSlot(kind);
    if (slot < 0) return;
    const WorldPoint w = worldOf(at);
    // Only the place is written; the element's dialog completes the rest.
    VisitTable(scene(), kind, [&](auto& table) { MoveReference(table[slot], w); });
    complete(kind, slot);
}

void MouseEditor::placeRemark(QPoint at) {
    const int slot = freeSlot(ElementKind::Remark);
    if (slot < 0) return;
    // Remarks live in surface pixels: they stay put when the view's scale changes.
    scene().remarks[static_cast<std::size_t>(slot)].x = at.x();
    scene().remarks[static_cast<std::size_t>(slot)].y = at.y();
    complete(ElementKind::Remark, slot);
}

void MouseEditor::pickDataBall(QPoint at) {
    const std::vector<int> hits = BallsHit(scene(), {at.x(), at.y()});
    state_.CurrentIndex = hits.empty() ? -1 : hits.back();
    host_.setPromptText(QString());
    state_.CreationMode = 0;
    state_.MouseIsDown = false;
    emit dataBallPicked(state_.CurrentIndex);
    host_.redrawScene();
}

void MouseEditor::beginSecondClick(QPoint at, const QString& prompt) {
    state_.SecondClickPending = true;
    state_.FeedbackShown = false;
    drawRubberBand(at);
    if (!prompt.isEmpty()) host_.setPromptText(prompt);
}

bool MouseEditor::takeFirstPoint(QPoint at, const QString& prompt) {
    if (state_.SecondClickPending) return false;
    state_.FirstPoint = worldOf(at);
    beginSecondClick(at, prompt);
    return true;
}

void MouseEditor::placeRectangle(ElementKind kind, QPoint at) {
    if (freeSlot(kind) < 0) return;
    if (takeFirstPoint(at, QString())) return;
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
    if (freeSlot(kind) < 0) return;
    if (!state_.SecondClickPending) {
        const std::vector<int> hits = BallsHit(scene(), {at.x(), at.y()});
        if (hits.empty()) return;
        state_.FirstBall = hits.front();
        beginSecondClick(at, SecondPrompt(state_.CreationMode));
        return;
    }
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
    if (freeSlot(kind) < 0) return;
    const std::vector<int> hits = BallsHit(scene(), {at.x(), at.y()});
    if (!state_.SecondClickPending) {
        if (hits.empty()) return;
        state_.FirstBall = hits.front();
        beginSecondClick(at, SecondPrompt(state_.CreationMode));
        return;
    }
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
    if (freeSlot(kind) < 0) return;
    if (takeFirstPoint(at, SecondPrompt(14))) return;
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
    if (freeSlot(kind) < 0) return;
    if (takeFirstPoint(at, QString())) return;
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
    host_.setCoordinateText("Coordinate:(" + FormatReal(v.worldX(at.x())) + "," + FormatReal(v.worldY(at.y())) +
                            ")");
    if (state_.OriginPending) {
        surface().ToggleAxes(v.OriginX, v.OriginY);
        scene().view.OriginX = at.x();
        scene().view.OriginY = at.y();
        surface().ToggleAxes(at.x(), at.y());
        host_.showSurfaceChanges();
        return;
    }
    if (!state_.ProjectOpen) return;
    if (state_.CreationMode != 0 && state_.SelectedKind == ElementKind::None && state_.SecondClickPending)
        drawRubberBand(at);
    else if (state_.MouseIsDown && state_.CreationMode == 0 && state_.SelectedKind != ElementKind::None)
        drawDragOutline(at);
}

void MouseEditor::drawRubberBand(QPoint to) {
    const int mode = state_.CreationMode;
    const RubberBand band = RubberBandOf(mode);
    QPoint from;
    if (IsConnectorKind(static_cast<ElementKind>(mode))) {
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
    if (state_.FeedbackShown)
        DrawDragOutline(surface(), scene(), e.kind, e.index, reference, state_.RubberBandPoint);
    DrawDragOutline(surface(), scene(), e.kind, e.index, reference, target);
    state_.RubberBandPoint = target;
    state_.FeedbackShown = true;
    host_.showSurfaceChanges();
}

void MouseEditor::release(QPoint at) {
    const bool wasDown = state_.MouseIsDown;
    state_.MouseIsDown = false;
    if (!wasDown || state_.SelectedKind == ElementKind::None || state_.CreationMode != 0) return;
    // A click that did not move leaves the element exactly where it was: dropping
    // it would snap its position to the pixel grid.
    if (at == pressPoint_) return;
    drop(at);
}

void MouseEditor::drop(QPoint at) {
    const ElementRef e{state_.SelectedKind, state_.CurrentIndex};
    if (!ReferencePoint(scene(), e)) return;
    const QPoint target = at - state_.GrabOffset;
    const WorldPoint w = worldOf(target);
    Scene& s = scene();
    if (e.kind == ElementKind::Remark) {
        s.remarks[static_cast<std::size_t>(e.index)].x = target.x();
        s.remarks[static_cast<std::size_t>(e.index)].y = target.y();
    } else {
        VisitTable(s, e.kind, [&](auto& table) { MoveReference(table[e.index], w); });
    }
    state_.FeedbackShown = false;
    host_.redrawScene();
}

}  // namespace mb

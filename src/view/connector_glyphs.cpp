#include "view/connector_glyphs.h"

#include <QPainter>
#include <algorithm>
#include <climits>

#include "scene/element_kinds.h"
#include "view/glyph_kit.h"

namespace mb {
namespace {

using namespace glyph_kit;

bool IsPole(ElementKind kind) { return kind == ElementKind::HangingPole || kind == ElementKind::LinkPole; }

// A link connector is drawn in the colour its hanging partner leaves on the pen.
QRgb ConnectorColour(ElementKind kind) {
    switch (kind) {
        case ElementKind::HangingSpring:
        case ElementKind::LinkSpring: return qRgb(150, 150, 180);
        case ElementKind::HangingCord:
        case ElementKind::LinkCord: return qRgb(200, 200, 200);
        default: return qRgb(175, 175, 175);
    }
}

QPoint BallCentre(const Scene& s, int index) {
    const Ball& b = s.balls[index];
    return QPoint(b.screenX, b.screenY);
}

QPoint AnchorOf(const ViewScale& v, const HangingConnector& c) { return QPoint(X(v, c.anchorX), Y(v, c.anchorY)); }

}  // namespace

void AnchorMarkLines(QPoint anchor, QLine strokes[2]) {
    strokes[0] = QLine(anchor + QPoint(-4, -4), anchor + QPoint(5, 5));
    strokes[1] = QLine(anchor + QPoint(4, -4), anchor + QPoint(-5, 5));
}

ConnectorShape ConnectorShapeOf(const Scene& scene, ElementKind kind, int index) {
    ConnectorShape s;
    s.colour = ConnectorColour(kind);
    const bool wide = IsPole(kind);
    auto add = [&](QLine* list, int& count, QLine l) {
        list[count++] = l;
        if (wide) list[count++] = l.translated(WideLineStep(l.p1(), l.p2()));  // as PlotWideLine draws it
    };
    if (IsHangingKind(kind)) {
        const HangingConnector& c = HangingTableOf(scene, kind)[index];
        const QPoint anchor = AnchorOf(scene.view, c);
        const int j = c.ballIndex();
        if (j >= 0) add(s.lines, s.lineCount, QLine(BallCentre(scene, j), anchor));
        QLine strokes[2];
        AnchorMarkLines(anchor, strokes);
        for (const QLine& l : strokes) add(s.marks, s.markCount, l);
    } else {
        const LinkConnector& c = LinkTableOf(scene, kind)[index];
        const int j1 = c.ball1Index(), j2 = c.ball2Index();
        if (j1 >= 0 && j2 >= 0) add(s.lines, s.lineCount, QLine(BallCentre(scene, j1), BallCentre(scene, j2)));
    }
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    auto cover = [&](const QLine& l) {
        left = std::min({left, l.x1(), l.x2()});
        right = std::max({right, l.x1(), l.x2()});
        top = std::min({top, l.y1(), l.y2()});
        bottom = std::max({bottom, l.y1(), l.y2()});
    };
    for (int i = 0; i < s.lineCount; ++i) cover(s.lines[i]);
    for (int i = 0; i < s.markCount; ++i) cover(s.marks[i]);
    if (left <= right) s.bounds = QRect(QPoint(left, top), QPoint(right, bottom));
    return s;
}

void DrawConnectorKind(QPainter& p, const Scene& scene, ElementKind kind) {
    QImage& image = SurfaceOf(p);
    const int count = ElementCount(scene, kind);
    for (int i = 0; i < count; ++i) {
        const ConnectorShape s = ConnectorShapeOf(scene, kind, i);
        for (int k = 0; k < s.lineCount; ++k) PlotLine(image, s.lines[k].p1(), s.lines[k].p2(), s.colour, true);
        for (int k = 0; k < s.markCount; ++k) PlotLine(image, s.marks[k].p1(), s.marks[k].p2(), s.colour, true);
    }
    // The pen keeps the kind's colour, as the link kind after it expects.
    SetPen(p, QColor(ConnectorColour(kind)));
}

void DrawAllConnectors(QPainter& p, const Scene& scene) {
    for (ElementKind k : kConnectorKinds) DrawConnectorKind(p, scene, k);
}

}  // namespace mb

#include "app/tool_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace mb {

namespace {

constexpr int kSize = 24;

void DrawOpen(QPainter& p) {
    p.setPen(QPen(QColor(120, 80, 10), 1));
    p.setBrush(QColor(230, 180, 60));
    p.drawRect(2, 6, 18, 14);
    p.setBrush(QColor(250, 215, 110));
    QPolygon flap;
    flap << QPoint(5, 11) << QPoint(23, 11) << QPoint(20, 20) << QPoint(2, 20);
    p.drawPolygon(flap);
}

void DrawSave(QPainter& p) {
    p.setPen(QPen(QColor(20, 30, 80), 1));
    p.setBrush(QColor(60, 90, 190));
    p.drawRect(3, 3, 18, 18);
    p.setBrush(Qt::white);
    p.drawRect(6, 3, 12, 7);
    p.setBrush(QColor(200, 200, 210));
    p.drawRect(7, 14, 10, 7);
}

void DrawNew(QPainter& p) {
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::white);
    QPolygon page;
    page << QPoint(5, 2) << QPoint(15, 2) << QPoint(20, 7) << QPoint(20, 22) << QPoint(5, 22);
    p.drawPolygon(page);
    p.drawLine(15, 2, 15, 7);
    p.drawLine(15, 7, 20, 7);
    p.setPen(QPen(QColor(230, 170, 0), 2));
    p.drawLine(8, 15, 17, 15);
    p.drawLine(12, 11, 12, 19);
}

void DrawLabCondition(QPainter& p) {
    // Three sliders: the step time, the sub-steps and the switches.
    for (int i = 0; i < 3; ++i) {
        const int y = 5 + 7 * i;
        p.setPen(QPen(QColor(200, 200, 200), 2));
        p.drawLine(3, y, 21, y);
        p.setPen(QPen(QColor(40, 40, 40), 1));
        p.setBrush(QColor(90, 170, 250));
        const int x = (i == 0) ? 7 : (i == 1 ? 15 : 10);
        p.drawRect(x - 2, y - 3, 4, 6);
    }
}

void DrawAdjust(QPainter& p) {
    // A list of elements with a pointer at the chosen one.
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::white);
    p.drawRect(3, 3, 14, 18);
    for (int i = 0; i < 4; ++i) {
        p.setPen(QPen(i == 1 ? QColor(30, 90, 200) : QColor(150, 150, 150), 2));
        p.drawLine(6, 7 + 4 * i, 14, 7 + 4 * i);
    }
    p.setPen(QPen(QColor(120, 40, 0), 1));
    p.setBrush(QColor(250, 170, 40));
    QPolygon arrow;
    arrow << QPoint(23, 11) << QPoint(17, 11) << QPoint(20, 8);
    p.drawPolygon(arrow);
}

void DrawRun(QPainter& p) {
    p.setPen(QPen(QColor(0, 90, 0), 1));
    p.setBrush(QColor(40, 190, 40));
    QPolygon tri;
    tri << QPoint(6, 3) << QPoint(20, 12) << QPoint(6, 21);
    p.drawPolygon(tri);
}

void DrawStop(QPainter& p) {
    p.setPen(QPen(QColor(110, 0, 0), 1));
    p.setBrush(QColor(220, 40, 40));
    p.drawRect(5, 5, 14, 14);
}

void DrawPause(QPainter& p) {
    p.setPen(QPen(QColor(30, 30, 90), 1));
    p.setBrush(QColor(70, 110, 220));
    p.drawRect(5, 4, 5, 16);
    p.drawRect(14, 4, 5, 16);
}

void DrawCalculator(QPainter& p) {
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(QColor(190, 190, 180));
    p.drawRoundedRect(4, 1, 16, 22, 2, 2);
    p.setBrush(QColor(150, 200, 150));
    p.drawRect(6, 3, 12, 5);
    p.setBrush(QColor(60, 60, 60));
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) p.drawRect(6 + 4 * c, 10 + 4 * r, 2, 2);
}

// A ball with a read-out beside it: the data window.
void DrawDataOut(QPainter& p) {
    p.setPen(QPen(QColor(0, 80, 0), 1));
    p.setBrush(QColor(80, 200, 80));
    p.drawEllipse(QPoint(7, 12), 5, 5);
    p.setPen(QPen(QColor(20, 20, 90), 1));
    p.setBrush(Qt::white);
    p.drawRect(13, 4, 9, 16);
    p.setPen(QPen(QColor(0, 0, 128), 1));
    for (int r = 0; r < 4; ++r) p.drawLine(15, 7 + 4 * r, 20, 7 + 4 * r);
}

// Axes with a rising curve: the experiment curve.
void DrawCurve(QPainter& p) {
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(240, 240, 240));
    p.drawRect(2, 2, 20, 20);
    p.drawLine(5, 19, 20, 19);
    p.drawLine(5, 19, 5, 4);
    QPainterPath path(QPointF(5, 19));
    path.cubicTo(QPointF(11, 19), QPointF(14, 12), QPointF(20, 5));
    p.setPen(QPen(QColor(200, 30, 30), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

// A screen with a moving trace: the live graph.
void DrawLiveGraph(QPainter& p) {
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(20, 40, 20));
    p.drawRect(2, 3, 20, 17);
    QPainterPath path(QPointF(4, 12));
    path.cubicTo(QPointF(8, 2), QPointF(12, 22), QPointF(20, 8));
    p.setPen(QPen(QColor(60, 230, 60), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

// A curved arrow turning back to the left (undo) or on to the right (redo).
void DrawTurningArrow(QPainter& p, bool back) {
    if (!back) p.translate(kSize, 0), p.scale(-1, 1);
    QPainterPath arc;
    arc.moveTo(6, 10);
    arc.cubicTo(10, 4, 20, 5, 20, 13);
    arc.cubicTo(20, 18, 16, 20, 12, 20);
    p.setPen(QPen(QColor(40, 90, 170), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 90, 170));
    p.drawPolygon(QPolygon({QPoint(2, 6), QPoint(11, 8), QPoint(5, 15)}));
}

}  // namespace

QIcon MakeToolIcon(ToolIcon which) {
    QPixmap pm(kSize, kSize);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, true);
    switch (which) {
        case ToolIcon::Open: DrawOpen(p); break;
        case ToolIcon::Save: DrawSave(p); break;
        case ToolIcon::New: DrawNew(p); break;
        case ToolIcon::LabCondition: DrawLabCondition(p); break;
        case ToolIcon::Adjust: DrawAdjust(p); break;
        case ToolIcon::Run: DrawRun(p); break;
        case ToolIcon::Stop: DrawStop(p); break;
        case ToolIcon::Pause: DrawPause(p); break;
        case ToolIcon::DataOut: DrawDataOut(p); break;
        case ToolIcon::Curve: DrawCurve(p); break;
        case ToolIcon::LiveGraph: DrawLiveGraph(p); break;
        case ToolIcon::Calculator: DrawCalculator(p); break;
        case ToolIcon::Undo: DrawTurningArrow(p, true); break;
        case ToolIcon::Redo: DrawTurningArrow(p, false); break;
    }
    p.end();
    return QIcon(pm);
}

}  // namespace mb

#include "view/ball_overlay.h"

#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <memory>

#include "engine/engine.h"

namespace mb {

namespace {

const QColor kVelocityColour(0, 170, 255);
const QColor kAccelerationColour(255, 90, 40);
constexpr int kHead = 6;        // arrow head length in pixels
constexpr int kNameGap = 4;     // between a ball's edge and its name
constexpr int kLegendMargin = 6;

double Length(double x, double y) { return std::sqrt(x * x + y * y); }

// The arrow's tip in surface pixels; screen rows grow downward.
QPointF Tip(const Ball& b, double vx, double vy, double scale) {
    return QPointF(b.screenX + vx * scale, b.screenY - vy * scale);
}

bool Drawable(const QPointF& from, const QPointF& to) {
    return std::isfinite(to.x()) && std::isfinite(to.y()) && QLineF(from, to).length() >= 1.0;
}

void Arrow(QPainter& p, const QPointF& from, const QPointF& to, const QColor& colour) {
    p.setPen(QPen(colour, 2));
    p.drawLine(from, to);
    const QLineF back(to, from);
    QLineF wing = back;
    wing.setLength(kHead);
    for (double angle : {25.0, -25.0}) {
        QLineF w = wing;
        w.setAngle(back.angle() + angle);
        p.drawLine(w);
    }
}

const QFont& OverlayFont() {
    static const QFont font = [] {
        QFont f("DejaVu Sans");
        f.setPixelSize(12);
        return f;
    }();
    return font;
}

const QFontMetrics& OverlayMetrics() {
    static const QFontMetrics metrics(OverlayFont());
    return metrics;
}

// A name as a picture, white with a dark edge that keeps it readable on any
// background: made once per name, so a frame only copies pixels.
const QImage& NamePicture(const QString& name) {
    static QHash<QString, QImage> pictures;
    auto found = pictures.constFind(name);
    if (found != pictures.constEnd()) return *found;
    if (pictures.size() > 1000) pictures.clear();  // names come and go with projects
    const QRect box = OverlayMetrics().boundingRect(name);
    QImage picture(box.width() + 2, box.height() + 2, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setFont(OverlayFont());
    p.setPen(Qt::black);
    p.drawText(QRect(1, 1, box.width() + 1, box.height() + 1), Qt::AlignLeft | Qt::AlignTop, name);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, box.width() + 1, box.height() + 1), Qt::AlignLeft | Qt::AlignTop, name);
    p.end();
    return *pictures.insert(name, picture);
}

QRect LegendRect(const QString& text, const QSize& area) {
    const QFontMetrics& m = OverlayMetrics();
    const QRect box = m.boundingRect(QRect(0, 0, 1000, 100), Qt::AlignLeft | Qt::AlignTop, text).adjusted(-4, -2, 4, 2);
    return box.translated(area.width() - box.width() - kLegendMargin, area.height() - box.height() - kLegendMargin);
}

// Whether the arrow from `from` to `to` passes through `box`.
bool Crosses(const QRectF& box, const QLineF& arrow) {
    if (box.contains(arrow.p1()) || box.contains(arrow.p2())) return true;
    const QLineF edges[] = {{box.topLeft(), box.topRight()},
                            {box.topRight(), box.bottomRight()},
                            {box.bottomRight(), box.bottomLeft()},
                            {box.bottomLeft(), box.topLeft()}};
    for (const QLineF& edge : edges)
        if (arrow.intersects(edge, nullptr) == QLineF::BoundedIntersection) return true;
    return false;
}

// Where a ball's name goes: right of the ball, or else above, left or below it,
// whichever first keeps clear of the ball's arrows, so that a name never hides
// the arrow it labels; right of it when every side is taken.
QRect NameRect(const Ball& b, const QString& name, const QLineF* arrows, int arrowCount) {
    const QSize size = NamePicture(name).size();
    const int w = size.width(), h = size.height(), r = b.pixelRadius + kNameGap;
    const QPoint places[] = {{b.screenX + r, b.screenY - h / 2},
                             {b.screenX - w / 2, b.screenY - r - h},
                             {b.screenX - r - w, b.screenY - h / 2},
                             {b.screenX - w / 2, b.screenY + r}};
    for (const QPoint& at : places) {
        const QRect box(at, size);
        bool clear = true;
        for (int k = 0; k < arrowCount && clear; ++k) clear = !Crosses(QRectF(box).adjusted(-2, -2, 2, 2), arrows[k]);
        if (clear) return box;
    }
    return QRect(places[0], size);
}

QRect ArrowBox(const QPointF& from, const QPointF& to) {
    return QRectF(from, to).normalized().toAlignedRect().adjusted(-kHead - 2, -kHead - 2, kHead + 2, kHead + 2);
}

}  // namespace

OverlayAccelerations ShownAccelerations(const Scene& scene) {
    OverlayAccelerations shown;
    const int n = scene.balls.count();
    // While the timer steps the scene, the records are a sub-step old at most.
    bool atStart = !scene.Running;
    for (int j = 0; j < n && atStart; ++j) {
        const Ball& b = scene.balls[j];
        atStart = b.x == b.x0 && b.y == b.y0 && b.vx == b.vx0 && b.vy == b.vy0;
    }
    if (!atStart) {
        for (int j = 0; j < n; ++j) {
            shown.ax[j] = scene.balls[j].ax;
            shown.ay[j] = scene.balls[j].ay;
        }
        return shown;
    }
    // The run's own start, on a copy: the switches from the tables, the cords'
    // and poles' lengths, then a single sub-step, whose accelerations are those
    // of the initial state (the classic step's later balls see the earlier ones
    // one sub-step on, a difference far below an arrow's pixel).
    auto trial = std::make_unique<Scene>(scene);
    StartRun(*trial);
    trial->settings.StepsPerTick = 1;
    if (StepScene(*trial, nullptr) != kStepNormal) return shown;
    for (int j = 0; j < n; ++j) {
        shown.ax[j] = trial->balls[j].ax;
        shown.ay[j] = trial->balls[j].ay;
    }
    return shown;
}

OverlayScale ScaleFor(const Scene& scene, const OverlayAccelerations& accelerations) {
    double vMax = 0, aMax = 0;
    const int n = scene.balls.count();
    for (int j = 0; j < n; ++j) {
        const Ball& b = scene.balls[j];
        const double v = Length(b.vx, b.vy), a = Length(accelerations.ax[j], accelerations.ay[j]);
        if (std::isfinite(v)) vMax = std::max(vMax, v);
        if (std::isfinite(a)) aMax = std::max(aMax, a);
    }
    return {vMax > 0 ? kLongestArrow / vMax : 0, aMax > 0 ? kLongestArrow / aMax : 0};
}

QString ScaleText(const OverlayScale& s, const OverlayChoice& c) {
    QStringList parts;
    if (c.velocity && s.pixelsPerVelocity > 0)
        parts << QString::asprintf("%d px = %.3g m/s", int(kLongestArrow), kLongestArrow / s.pixelsPerVelocity);
    if (c.acceleration && s.pixelsPerAcceleration > 0)
        parts << QString::asprintf("%d px = %.3g m/s²", int(kLongestArrow), kLongestArrow / s.pixelsPerAcceleration);
    return parts.join("\n");
}

namespace {

OverlayAccelerations AccelerationsFor(const Scene& scene, const OverlayChoice& c) {
    return c.acceleration ? ShownAccelerations(scene) : OverlayAccelerations{};
}

// Each piece of the overlay in turn, the same for painting it and for finding
// where it lies: `arrow(from, tip, colour)` for a drawable arrow, `name(box, text)`.
template <class ArrowPiece, class NamePiece>
void WalkOverlay(const Scene& scene, const OverlayChoice& c, const OverlayAccelerations& a, const OverlayScale& s,
                 ArrowPiece&& arrow, NamePiece&& name) {
    const int n = scene.balls.count();
    for (int j = 0; j < n; ++j) {
        const Ball& b = scene.balls[j];
        const QPointF at(b.screenX, b.screenY);
        QLineF shown[2];
        int arrowCount = 0;
        auto put = [&](const QPointF& tip, const QColor& colour) {
            if (!Drawable(at, tip)) return;
            arrow(at, tip, colour);
            shown[arrowCount++] = QLineF(at, tip);
        };
        if (c.velocity) put(Tip(b, b.vx, b.vy, s.pixelsPerVelocity), kVelocityColour);
        if (c.acceleration) put(Tip(b, a.ax[j], a.ay[j], s.pixelsPerAcceleration), kAccelerationColour);
        if (c.names) {
            const QString text = QString::fromStdString(scene.balls.names[static_cast<std::size_t>(j)]);
            name(NameRect(b, text, shown, arrowCount), text);
        }
    }
}

}  // namespace

QRegion OverlayRegion(const Scene& scene, const OverlayChoice& c, const QSize& area) {
    QRegion region;
    if (!c.any()) return region;
    const OverlayAccelerations a = AccelerationsFor(scene, c);
    const OverlayScale s = ScaleFor(scene, a);
    WalkOverlay(
        scene, c, a, s, [&](QPointF from, QPointF tip, const QColor&) { region += ArrowBox(from, tip); },
        [&](const QRect& box, const QString&) { region += box; });
    const QString legend = ScaleText(s, c);
    if (!legend.isEmpty()) region += LegendRect(legend, area);
    return region.intersected(QRect(QPoint(0, 0), area));
}

void PaintOverlay(QPainter& p, const Scene& scene, const OverlayChoice& c, const QSize& area) {
    if (!c.any()) return;
    p.save();
    // Plain lines: antialiasing would triple the cost of a frame's arrows.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setFont(OverlayFont());
    const OverlayAccelerations a = AccelerationsFor(scene, c);
    const OverlayScale s = ScaleFor(scene, a);
    WalkOverlay(
        scene, c, a, s, [&](QPointF from, QPointF tip, const QColor& colour) { Arrow(p, from, tip, colour); },
        [&](const QRect& box, const QString& text) { p.drawImage(box.topLeft(), NamePicture(text)); });
    const QString legend = ScaleText(s, c);
    if (!legend.isEmpty()) {
        const QRect box = LegendRect(legend, area);
        p.fillRect(box, QColor(0, 0, 0, 160));
        p.setPen(Qt::white);
        p.drawText(box.adjusted(4, 2, -4, -2), Qt::AlignLeft | Qt::AlignTop, legend);
    }
    p.restore();
}

}  // namespace mb

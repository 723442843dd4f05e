#include "view/ball_overlay.h"

#include <QFontMetrics>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <unordered_map>

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
    const double dx = to.x() - from.x(), dy = to.y() - from.y();
    return std::isfinite(dx) && std::isfinite(dy) && dx * dx + dy * dy >= 1.0;
}

// The shaft and the two strokes of the head, each kHead pixels long at 25° to
// the shaft, added to `lines`.
void AddArrow(QList<QLineF>& lines, const QPointF& from, const QPointF& to) {
    static const double c = std::cos(25.0 * M_PI / 180.0), s = std::sin(25.0 * M_PI / 180.0);
    const double dx = from.x() - to.x(), dy = from.y() - to.y();
    const double k = kHead / std::sqrt(dx * dx + dy * dy);
    const double ux = dx * k, uy = dy * k;  // back along the shaft, kHead long
    lines.append(QLineF(from, to));
    lines.append(QLineF(to, to + QPointF(ux * c - uy * s, ux * s + uy * c)));
    lines.append(QLineF(to, to + QPointF(ux * c + uy * s, -ux * s + uy * c)));
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
const QImage& NamePicture(const std::string& stored) {
    static std::unordered_map<std::string, QImage> pictures;
    auto found = pictures.find(stored);
    if (found != pictures.end()) return found->second;
    if (pictures.size() > 1000) pictures.clear();  // names come and go with projects
    const QString name = QString::fromStdString(stored);
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
    return pictures.emplace(stored, std::move(picture)).first->second;
}

QRect LegendRect(const QStringList& lines, const QSize& area) {
    const QFontMetrics& m = OverlayMetrics();
    int width = 0;
    for (const QString& line : lines) width = std::max(width, m.horizontalAdvance(line));
    const QSize size(width + 8, m.lineSpacing() * int(lines.size()) + 4);
    return QRect(QPoint(area.width() - size.width() - kLegendMargin, area.height() - size.height() - kLegendMargin),
                 size);
}

// Whether the arrow from `from` to `to` passes through `box`.
bool Crosses(const QRectF& box, const QLineF& arrow) {
    if (std::max(arrow.x1(), arrow.x2()) < box.left() || std::min(arrow.x1(), arrow.x2()) > box.right() ||
        std::max(arrow.y1(), arrow.y2()) < box.top() || std::min(arrow.y1(), arrow.y2()) > box.bottom())
        return false;
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
// the arrow it labels, and of the names placed before it, so that names of
// neighbours do not run into each other; when names crowd every side, the first
// side clear of the arrows; right of the ball when every side is taken.
QRect NameRect(const Ball& b, const QSize& size, const QLineF* arrows, int arrowCount,
               const QList<OverlayFrame::Name>& placed) {
    const int w = size.width(), h = size.height(), r = b.pixelRadius + kNameGap;
    const QPoint places[] = {{b.screenX + r, b.screenY - h / 2},
                             {b.screenX - w / 2, b.screenY - r - h},
                             {b.screenX - r - w, b.screenY - h / 2},
                             {b.screenX - w / 2, b.screenY + r}};
    const QRect* clearOfArrows = nullptr;
    QRect boxes[4];
    for (int k = 0; k < 4; ++k) {
        const QRect& box = boxes[k] = QRect(places[k], size);
        bool clear = true;
        for (int a = 0; a < arrowCount && clear; ++a) clear = !Crosses(QRectF(box).adjusted(-2, -2, 2, 2), arrows[a]);
        if (!clear) continue;
        if (!clearOfArrows) clearOfArrows = &box;
        bool free = true;
        for (const OverlayFrame::Name& other : placed)
            if (box.intersects(QRect(other.at, other.picture.size()))) {
                free = false;
                break;
            }
        if (free) return box;
    }
    return clearOfArrows ? *clearOfArrows : boxes[0];
}

QRect ArrowBox(const QPointF& from, const QPointF& to) {
    return QRectF(from, to).normalized().toAlignedRect().adjusted(-kHead - 2, -kHead - 2, kHead + 2, kHead + 2);
}

// The union of many boxes, joined pairwise: adding them one by one to a
// growing region costs the region's whole size for every box.
QRegion UnionOf(const QList<QRect>& boxes) {
    QList<QRegion> parts;
    parts.reserve(boxes.size());
    for (const QRect& box : boxes) parts.append(QRegion(box));
    while (parts.size() > 1) {
        const qsizetype half = (parts.size() + 1) / 2;
        for (qsizetype k = 0; k + half < parts.size(); ++k) parts[k] += parts[k + half];
        parts.resize(half);
    }
    return parts.isEmpty() ? QRegion() : parts.front();
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

QStringList ScaleText(const OverlayScale& s, const OverlayChoice& c) {
    QStringList parts;
    if (c.velocity && s.pixelsPerVelocity > 0)
        parts << QString::asprintf("%d px = %.3g m/s", int(kLongestArrow), kLongestArrow / s.pixelsPerVelocity);
    if (c.acceleration && s.pixelsPerAcceleration > 0)
        parts << QString::asprintf("%d px = %.3g m/s²", int(kLongestArrow), kLongestArrow / s.pixelsPerAcceleration);
    return parts;
}

OverlayFrame LayOutOverlay(const Scene& scene, const OverlayChoice& c, const QSize& area) {
    OverlayFrame frame;
    if (!c.any()) return frame;
    const OverlayAccelerations a = c.acceleration ? ShownAccelerations(scene) : OverlayAccelerations{};
    const OverlayScale s = ScaleFor(scene, a);
    const int n = scene.balls.count();
    QList<QRect> pieces;
    pieces.reserve(3 * n + 1);
    frame.velocityLines.reserve(c.velocity ? 3 * n : 0);
    frame.accelerationLines.reserve(c.acceleration ? 3 * n : 0);
    frame.names.reserve(c.names ? n : 0);
    for (int j = 0; j < n; ++j) {
        const Ball& b = scene.balls[j];
        const QPointF at(b.screenX, b.screenY);
        QLineF shown[2];
        int arrowCount = 0;
        auto put = [&](const QPointF& tip, QList<QLineF>& lines) {
            if (!Drawable(at, tip)) return;
            AddArrow(lines, at, tip);
            pieces.append(ArrowBox(at, tip));
            shown[arrowCount++] = QLineF(at, tip);
        };
        if (c.velocity) put(Tip(b, b.vx, b.vy, s.pixelsPerVelocity), frame.velocityLines);
        if (c.acceleration) put(Tip(b, a.ax[j], a.ay[j], s.pixelsPerAcceleration), frame.accelerationLines);
        if (c.names) {
            const QImage& picture = NamePicture(scene.balls.names[static_cast<std::size_t>(j)]);
            const QRect box = NameRect(b, picture.size(), shown, arrowCount, frame.names);
            frame.names.append({box.topLeft(), picture});
            pieces.append(box);
        }
    }
    frame.legend = ScaleText(s, c);
    if (!frame.legend.isEmpty()) {
        frame.legendBox = LegendRect(frame.legend, area);
        pieces.append(frame.legendBox);
    }
    frame.region = UnionOf(pieces).intersected(QRect(QPoint(0, 0), area));
    return frame;
}

void PaintOverlay(QPainter& p, const OverlayFrame& frame) {
    if (frame.empty()) return;
    p.save();
    // Plain lines: antialiasing would triple the cost of a frame's arrows.
    p.setRenderHint(QPainter::Antialiasing, false);
    if (!frame.velocityLines.isEmpty()) {
        p.setPen(QPen(kVelocityColour, 2));
        p.drawLines(frame.velocityLines);
    }
    if (!frame.accelerationLines.isEmpty()) {
        p.setPen(QPen(kAccelerationColour, 2));
        p.drawLines(frame.accelerationLines);
    }
    for (const OverlayFrame::Name& name : frame.names) p.drawImage(name.at, name.picture);
    if (!frame.legend.isEmpty()) {
        p.fillRect(frame.legendBox, QColor(0, 0, 0, 160));
        p.setPen(Qt::white);
        p.setFont(OverlayFont());
        const QFontMetrics& m = OverlayMetrics();
        QPoint line = frame.legendBox.topLeft() + QPoint(4, 2 + m.ascent());
        for (const QString& text : frame.legend) {
            p.drawText(line, text);
            line.ry() += m.lineSpacing();
        }
    }
    p.restore();
}

}  // namespace mb

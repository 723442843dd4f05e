#include "view/measure_pictures.h"

#include <QPainter>
#include <cmath>
#include <numbers>

#include "view/raster.h"

namespace mb {

namespace {

constexpr double kPi = std::numbers::pi;

QRgb Rgb(int r, int g, int b) { return qRgb(r, g, b); }

void Line(QImage& image, int x1, int y1, int x2, int y2, QRgb colour) {
    PlotLine(image, QPoint(x1, y1), QPoint(x2, y2), colour, false);
}

// A filled box with an outline: left/top included, right/bottom excluded, as the
// boxes of a classic canvas.
void Box(QImage& image, int left, int top, int right, int bottom, QRgb pen, QRgb brush) {
    for (int y = std::max(top, 0); y < std::min(bottom, image.height()); ++y)
        for (int x = std::max(left, 0); x < std::min(right, image.width()); ++x) {
            const bool edge = x == left || x == right - 1 || y == top || y == bottom - 1;
            image.setPixel(x, y, edge ? pen : brush);
        }
}

// Text with its top left corner at (x, y), on an opaque brush when `fill` is valid.
void Text(QImage& image, const QFont& font, int x, int y, const QString& text, QColor colour, QColor fill = {}) {
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    QFont f = font;
    f.setStyleStrategy(QFont::NoAntialias);
    p.setFont(f);
    const QRect box = p.fontMetrics().boundingRect(QRect(x, y, 2000, 2000), Qt::AlignLeft | Qt::AlignTop, text);
    if (fill.isValid()) p.fillRect(box, fill);
    p.setPen(colour);
    p.drawText(box, Qt::AlignLeft | Qt::AlignTop, text);
}

}  // namespace

// start + k * step that should be 0 often misses it by a rounding (-1.11e-16).
QString CurveTickText(double value, double step) {
    if (std::fabs(value) <= 1e-9 * std::fabs(step)) value = 0.0;
    return QString::asprintf("%.3g", value);
}

namespace {

// trunc(value) when it lies in [lo, hi); false otherwise (and for NaN).
bool TruncIn(double value, int lo, int hi, int& out) {
    const double t = std::trunc(value);
    if (!(t >= lo && t < hi)) return false;
    out = static_cast<int>(t);
    return true;
}

}  // namespace

double DirectionDegrees(double vx, double vy) {
    if (!std::isfinite(vx) || !std::isfinite(vy)) return std::nan("");
    if (vx != 0) {
        double theta = std::atan(vy / vx);
        if (vx < 0) theta += kPi;
        return theta * 180 / kPi;
    }
    if (vy > 0) return 90;
    if (vy < 0) return -90;
    return std::nan("");
}

void DrawDirectionPicture(QImage& picture, double vx, double vy) {
    if (picture.size() != QSize(kDirectionPictureSide, kDirectionPictureSide) ||
        picture.format() != QImage::Format_RGB32)
        picture = QImage(kDirectionPictureSide, kDirectionPictureSide, QImage::Format_RGB32);
    Box(picture, 0, 0, 54, 54, Rgb(0, 0, 255), Rgb(255, 255, 255));
    const QRgb black = Rgb(0, 0, 0), red = Rgb(255, 0, 0);
    if (!std::isfinite(vx) || !std::isfinite(vy)) return;
    if (vx != 0) {
        double theta = std::atan(vy / vx);
        if (vx < 0) theta += kPi;
        const int tipX = static_cast<int>(27 + 22 * std::cos(theta));
        const int tipY = static_cast<int>(27 - 22 * std::sin(theta));
        Line(picture, static_cast<int>(27 - 22 * std::cos(theta)), static_cast<int>(27 + 22 * std::sin(theta)), tipX,
             tipY, black);
        for (double side : {0.22, -0.22})
            Line(picture, tipX, tipY, static_cast<int>(tipX - 14 * std::cos(theta + side)),
                 static_cast<int>(tipY + 14 * std::sin(theta + side)), red);
    } else if (vy > 0) {
        Line(picture, 27, 5, 27, 49, black);
        Line(picture, 27, 5, 24, 18, red);
        Line(picture, 27, 5, 31, 18, red);
    } else if (vy < 0) {
        Line(picture, 27, 5, 27, 49, black);
        Line(picture, 27, 49, 24, 36, red);
        Line(picture, 27, 49, 31, 36, red);
    }
}

QFont CurveGraphFont() {
    QFont f("Arial");
    f.setPixelSize(14);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

void DrawGraphFrame(QImage& graph, const CurveSettings& c, const QFont& font) {
    if (graph.size() != QSize(kCurveGraphSide, kCurveGraphSide) || graph.format() != QImage::Format_RGB32)
        graph = QImage(kCurveGraphSide, kCurveGraphSide, QImage::Format_RGB32);
    const QColor face(240, 240, 240);
    graph.fill(face);
    Box(graph, 27, 222, 33, 228, Rgb(40, 40, 200), Rgb(40, 40, 200));
    const QRgb fine = Rgb(190, 190, 190), coarse = Rgb(100, 100, 100);
    for (int k = 0; k <= 24; ++k) {
        Line(graph, 30 + 8 * k, 25, 30 + 8 * k, 225, fine);
        Line(graph, 30, 25 + 8 * k, 230, 25 + 8 * k, fine);
    }
    for (int k = 0; k <= 5; ++k) {
        Line(graph, 30 + 40 * k, 25, 30 + 40 * k, 230, coarse);
        Line(graph, 25, 25 + 40 * k, 230, 25 + 40 * k, coarse);
    }
    Text(graph, font, 100, 8, QString::fromStdString(c.name), QColor(120, 60, 60), face);
    Line(graph, 30, 225, 30, 10, coarse);
    Line(graph, 30, 10, 27, 22, coarse);
    Line(graph, 30, 10, 33, 22, coarse);
    Line(graph, 30, 225, 245, 225, coarse);
    Line(graph, 245, 225, 233, 222, coarse);
    Line(graph, 245, 225, 233, 228, coarse);
    const int h = c.horizontalVariable < kQuantityCount ? c.horizontalVariable : 0;
    const int v = c.verticalVariable < kQuantityCount ? c.verticalVariable : 0;
    Text(graph, font, 40, 6, kCurveQuantities[v].axisLabel, Qt::black, face);
    Text(graph, font, 230, 230, kCurveQuantities[h].axisLabel, Qt::black, face);

    if (c.horizontalStep == 0 || c.verticalStep == 0) return;
    int zc = 0, zr = 0;
    const bool haveRow = TruncIn(225 + c.verticalStart / c.verticalStep * 40, -199, 1200, zr);
    const bool haveColumn = TruncIn(-c.horizontalStart / c.horizontalStep * 40 + 30, -199, 1200, zc);
    const QRgb zero = Rgb(255, 0, 0);
    if (haveRow) Line(graph, 0, zr, 300, zr, zero);
    if (haveColumn) Line(graph, zc, 0, zc, 300, zero);
    // The "0" sits beside the crossing of the zero lines; with a zero line far off
    // the graph it is off the graph too.
    if (haveRow && haveColumn) Text(graph, font, zc + 5, zr + 2, "0", QColor(200, 0, 0));
    const QColor tick(120, 120, 120);
    for (int k = 0; k <= 4; ++k) {
        const double value = c.horizontalStart + k * c.horizontalStep;
        if (std::isfinite(value)) Text(graph, font, 25 + 40 * k, 230, CurveTickText(value, c.horizontalStep), tick);
    }
    for (int k = 0; k <= 5; ++k) {
        const double value = c.verticalStart + k * c.verticalStep;
        if (std::isfinite(value)) Text(graph, font, 8, 218 - 40 * k, CurveTickText(value, c.verticalStep), tick, face);
    }
}

void DrawCurveSegment(QImage& graph, const CurveSegment& g) {
    if (!g.plotted) return;
    const auto c = static_cast<std::uint32_t>(g.colour);
    const QRgb colour = qRgb(c & 0xff, (c >> 8) & 0xff, (c >> 16) & 0xff);
    if (g.col0 == g.col1 && g.row0 == g.row1) {
        // A sample whose sub-step stays on one pixel would leave no mark at all;
        // it shows as a dot of the pen's width, so a slow curve still appears.
        for (int y : {g.row0, g.row0 - 1})
            if (g.col0 >= 0 && g.col0 < graph.width() && y >= 0 && y < graph.height()) graph.setPixel(g.col0, y, colour);
        return;
    }
    PlotWideLine(graph, QPoint(g.col0, g.row0), QPoint(g.col1, g.row1), colour, false);
}

}  // namespace mb

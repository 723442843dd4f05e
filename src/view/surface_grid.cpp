#include "view/scene_surface.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "view/glyph_kit.h"
#include "view/raster.h"

namespace mb {
namespace {

// First k >= kFrom with origin + spacing * k >= 0, so lines left of the surface are
// skipped without walking them.
long long FirstOnSurface(long long origin, long long spacing, long long kFrom) {
    long long k = kFrom;
    if (origin + spacing * k < 0) {
        k = (-origin + spacing - 1) / spacing;
        if (origin + spacing * k < 0) ++k;
    }
    return k;
}

}  // namespace

QString GridLabelText(double value) { return QString::asprintf("%.3g", value); }

void SceneSurface::DrawGrid(const Scene& scene) {
    QPainter p(&image_);
    glyph_kit::PreparePainter(p);
    drawGrid(p, scene);
    markAllDirty();
}

void SceneSurface::drawGrid(QPainter& p, const Scene& scene) {
    const long long ox = scene.view.OriginX, oy = scene.view.OriginY;
    // Lines and axes go straight to the pixels; only the labels need the painter.
    const long long W = windowWidth_, H = windowHeight_;
    const int ex = extentX(), ey = extentY();
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);

    std::vector<int> columns;
    auto lattice = [&](QRgb colour, long long spacing, long long kFrom) {
        // The vertical lines (each from row 0 to the last row) are set row by row,
        // which walks the surface's memory in order instead of down each column.
        columns.clear();
        for (long long k = FirstOnSurface(ox, spacing, kFrom);; ++k) {
            const long long x = ox + spacing * k;
            if (x > W) break;
            if (x < ex) columns.push_back(static_cast<int>(x));
        }
        if (!columns.empty()) {
            const QRgb opaque = 0xff000000u | (colour & 0x00ffffffu);
            uchar* bits = image_.bits();
            const qsizetype bpl = image_.bytesPerLine();
            for (int y = 0; y < ey; ++y) {
                QRgb* row = reinterpret_cast<QRgb*>(bits + y * bpl);
                for (int x : columns) row[x] = opaque;
            }
        }
        for (long long k = FirstOnSurface(oy, spacing, kFrom);; ++k) {
            const long long y = oy + spacing * k;
            if (y > H) break;
            PlotLine(image_, QPoint(0, static_cast<int>(y)), QPoint(ex, static_cast<int>(y)), colour, false);
        }
    };
    lattice(qRgb(80, 80, 80), 10, -200);
    lattice(qRgb(130, 130, 130), 100, -20);

    const QRgb axis = qRgb(180, 180, 180);
    PlotWideLine(image_, QPoint(static_cast<int>(ox), 0), QPoint(static_cast<int>(ox), ey), axis, false);
    PlotWideLine(image_, QPoint(0, static_cast<int>(oy)), QPoint(ex, static_cast<int>(oy)), axis, false);

    // The label boxes take the brush the pass left: the black of the clearing when
    // no damping field was drawn before the grid, none after a damping outline.
    const bool opaque = !scene.dampingFields[0].inUse();
    p.setFont(fonts_.gridLabel);
    p.setPen(QColor(0, 255, 255));
    p.setBackgroundMode(opaque ? Qt::OpaqueMode : Qt::TransparentMode);
    p.setBackground(QBrush(Qt::black));
    const QFontMetrics fm(fonts_.gridLabel);
    const double metresPer100 = scene.view.MetresPerPixel * 100;
    // Labels start 20 steps left of the origin, or where one could first reach the surface.
    const long long firstX = std::max<long long>(-20, (-ox - 400) / 100);
    for (long long k = firstX; ox + 100 * k <= W; ++k) {
        const int x = static_cast<int>(ox + 100 * k - 10), y = static_cast<int>(oy + 3);
        p.drawText(QPoint(x, y + fm.ascent()), GridLabelText(static_cast<double>(k) * metresPer100));
    }
    const long long firstY = std::max<long long>(-20, (-oy - 100) / 100);
    for (long long k = firstY; oy + 100 * k <= H; ++k) {
        if (k == 0) continue;
        const int x = static_cast<int>(ox + 3), y = static_cast<int>(oy + 100 * k - 8);
        p.drawText(QPoint(x, y + fm.ascent()), GridLabelText(static_cast<double>(-k) * metresPer100));
    }
    p.setBackgroundMode(Qt::TransparentMode);
}

}  // namespace mb

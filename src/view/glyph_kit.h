// What the glyph routines share while they draw: the pen as the classic canvas
// sets it, thin and wide lines in the pen's colour straight onto the surface,
// text placed by its top-left corner, and the mapping of world points to the
// truncated screen points the glyphs stand on. For the view's own glyph files.
#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <numbers>

#include "scene/scene.h"
#include "view/raster.h"

namespace mb::glyph_kit {

inline constexpr double kPi = std::numbers::pi;

// A painter on the surface draws without antialiasing, shapes and text alike, so
// every pixel is the classic canvas's.
inline void PreparePainter(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
}

// The surface a glyph painter draws on.
inline QImage& SurfaceOf(QPainter& p) { return *static_cast<QImage*>(p.device()); }

inline void SetPen(QPainter& p, QColor colour, int width = 1) {
    QPen pen(colour);
    pen.setWidth(width);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
}

// A thin line in the painter's current pen colour.
inline void Line(QPainter& p, QPoint a, QPoint b) { PlotLine(SurfaceOf(p), a, b, p.pen().color().rgb(), false); }
inline void WideLine(QPainter& p, QPoint a, QPoint b) {
    PlotWideLine(SurfaceOf(p), a, b, p.pen().color().rgb(), false);
}

// Text with its top-left corner at (x, y), as the classic canvas places it.
inline void TextAt(QPainter& p, int x, int y, const QString& text) {
    const QFontMetrics fm(p.font());
    p.drawText(QPoint(x, y + fm.ascent()), text);
}

inline QFont WithPixelHeight(QFont font, int pixels) {
    font.setPixelSize(pixels);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// World to screen, truncated toward zero.
inline int X(const ViewScale& v, double x) { return TruncPixel(v.columnOf(x)); }
inline int Y(const ViewScale& v, double y) { return TruncPixel(v.rowOf(y)); }

// The screen edges of a rectangle region: left X(x1), top Y(y2), right X(x2),
// bottom Y(y1); and the box they outline.
struct ScreenRect {
    int left, top, right, bottom;
};
template <class Region>
ScreenRect EdgesOf(const ViewScale& v, const Region& r) {
    return {X(v, r.x1), Y(v, r.y2), X(v, r.x2), Y(v, r.y1)};
}
template <class Region>
QRect RegionBox(const ViewScale& v, const Region& r) {
    const ScreenRect e = EdgesOf(v, r);
    return BoxFromEdges(e.left, e.top, e.right, e.bottom);
}

}  // namespace mb::glyph_kit

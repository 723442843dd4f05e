#include "view/field_glyphs.h"

#include <algorithm>
#include <cmath>

#include "view/field_hatch.h"
#include "view/glyph_kit.h"
#include "view/table_walk.h"

namespace mb {
namespace {

using namespace glyph_kit;

// How a round element looks: the ring's colour and the letter's height and colour.
struct RoundLook {
    QColor ring;
    int letterHeight;
    QColor letter;
};

// The one glyph of the two round elements, gravity masses and point charges: a
// ring of radius kRoundElementRadius about the point and a letter over it, set
// in the Run button's font and placed by its top-left corner `offset` from the point.
void DrawRoundElement(QPainter& p, const SurfaceFonts& fonts, QPoint at, const RoundLook& look, QPoint offset,
                      const QString& letter) {
    constexpr int r = kRoundElementRadius;
    SetPen(p, look.ring);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(BoxFromEdges(at.x() - r, at.y() - r, at.x() + r, at.y() + r));
    p.setFont(WithPixelHeight(fonts.runButton, look.letterHeight));
    SetPen(p, look.letter);
    TextAt(p, at.x() + offset.x(), at.y() + offset.y(), letter);
}

}  // namespace

int DampingDotCount(double w, double h) {
    const double n = w * h * 0.001;
    if (!(n > 0)) return 0;
    return static_cast<int>(std::min(n, 1.0e9));
}

void DrawDampingFields(QPainter& p, const Scene& scene, std::minstd_rand& dots, QSize surface) {
    const ViewScale& v = scene.view;
    QImage& img = SurfaceOf(p);
    const QRgb dotColour = qRgb(100, 100, 100);
    ForEachInUse(scene.dampingFields, [&](const DampingField& d, int) {
        SetPen(p, QColor(120, 120, 100));
        p.setBrush(Qt::NoBrush);
        p.drawRect(RegionBox(v, d));
        double left = v.columnOf(d.x1), top = v.rowOf(d.y2);
        double w = std::fabs(d.x1 - d.x2) / v.MetresPerPixel, h = std::fabs(d.y1 - d.y2) / v.MetresPerPixel;
        if (!std::isfinite(left) || !std::isfinite(top) || !std::isfinite(w) || !std::isfinite(h)) return;
        // A region reaching beyond the surface gets its dots only where they can be
        // seen, at the same density of one per 1000 square pixels.
        if (left < 0 || top < 0 || left + w > surface.width() || top + h > surface.height()) {
            const double l2 = std::max(left, 0.0), t2 = std::max(top, 0.0);
            const double r2 = std::min(left + w, static_cast<double>(surface.width()));
            const double b2 = std::min(top + h, static_cast<double>(surface.height()));
            if (r2 <= l2 || b2 <= t2) return;
            left = l2;
            top = t2;
            w = r2 - l2;
            h = b2 - t2;
        }
        const int n = DampingDotCount(w, h);
        const auto spanX = static_cast<long long>(w), spanY = static_cast<long long>(h - 1);
        for (int i = 0; i < n; ++i) {
            const long long rx = dots(), ry = dots();
            const long long dx = spanX > 0 ? rx % spanX : 0;
            const long long dy = spanY > 0 ? ry % spanY : 0;
            const int x = TruncPixel(left + static_cast<double>(dx)), y = TruncPixel(top + static_cast<double>(dy));
            if (x >= 0 && y >= 0 && x < img.width() && y < img.height()) img.setPixel(x, y, dotColour);
        }
    });
}

void DrawGravitySign(QPainter& p, const Scene& scene, const SurfaceFonts& fonts) {
    if (!scene.settings.GravityOn) return;
    SetPen(p, QColor(200, 200, 200));
    Line(p, QPoint(30, 40), QPoint(30, 80));
    Line(p, QPoint(30, 80), QPoint(26, 70));
    Line(p, QPoint(30, 80), QPoint(34, 70));
    p.setBrush(Qt::NoBrush);
    p.setFont(WithPixelHeight(fonts.runButton, 18));
    SetPen(p, QColor(250, 250, 100));
    TextAt(p, 10, 50, QStringLiteral("G"));
}

void DrawGravityMasses(QPainter& p, const Scene& scene, const SurfaceFonts& fonts) {
    const ViewScale& v = scene.view;
    ForEachInUse(scene.gravityMasses, [&](const GravityMass& g, int) {
        DrawRoundElement(p, fonts, QPoint(X(v, g.x), Y(v, g.y)), {QColor(200, 200, 100), 14, QColor(255, 255, 255)},
                         QPoint(-3, -9), QStringLiteral("m"));
    });
}

void DrawPointCharges(QPainter& p, const Scene& scene, const SurfaceFonts& fonts) {
    const ViewScale& v = scene.view;
    const RoundLook look{QColor(150, 150, 250), 18, QColor(200, 200, 255)};
    ForEachInUse(scene.pointCharges, [&](const PointChargeField& q, int) {
        const QPoint at(X(v, q.x), Y(v, q.y));
        // An underscore raised into the circle reads as a minus sign.
        if (q.Q > 0)
            DrawRoundElement(p, fonts, at, look, QPoint(-4, -8), QStringLiteral("+"));
        else
            DrawRoundElement(p, fonts, at, look, QPoint(-3, -17), QStringLiteral("_"));
    });
}

void DrawElectricFields(QPainter& p, const Scene& scene) {
    const ViewScale& v = scene.view;
    ForEachInUse(scene.electricFields, [&](const UniformElectricField& f, int) {
        const ScreenRect e = EdgesOf(v, f);
        HatchRegion(p, e.left, e.top, FieldArrowDegrees(f.direction, f.E), e.bottom, e.right);
    });
}

void DrawMagneticFields(QPainter& p, const Scene& scene, QSize surface) {
    const ViewScale& v = scene.view;
    ForEachInUse(scene.magneticFields, [&](const UniformMagneticField& f, int) {
        SetPen(p, QColor(180, 235, 120));
        p.setBrush(Qt::NoBrush);
        p.drawRect(RegionBox(v, f));
        SetPen(p, QColor(180, 180, 180));
        const double s = v.MetresPerPixel;
        const double L = v.OriginX + f.x1 / s, R = v.OriginX + f.x2 / s;
        const double T = v.OriginY - f.y2 / s, B = v.OriginY - f.y1 / s;
        if (!std::isfinite(L) || !std::isfinite(R) || !std::isfinite(T) || !std::isfinite(B)) return;
        const bool outOfScreen = f.sign * f.B >= 0;
        // Symbols sit on a 16-pixel lattice; only the part of it near the surface is
        // walked, which draws the same pixels as walking all of it.
        const double firstU = L + 5, firstV = T + 10;
        const double kU0 = std::max(0.0, std::ceil((-20.0 - firstU) / 16.0));
        const double kV0 = std::max(0.0, std::ceil((-20.0 - firstV) / 16.0));
        const double uEnd = std::min(R - 10, surface.width() + 20.0);
        const double vEnd = std::min(B - 10, surface.height() + 20.0);
        // The walk counts the lattice points the surface can show. An edge so far
        // away that its lattice index no longer takes a step of one has its
        // lattice placed by the edge's remainder modulo 16 instead.
        const auto lattice = [](double first, double k0, int i) {
            if (k0 < 0x1p40) return first + 16 * (k0 + i);
            const double phase = std::fmod(first + 20, 16.0);
            return -20 + (phase < 0 ? phase + 16 : phase) + 16 * i;
        };
        const int columns = (surface.width() + 40) / 16 + 2, rows = (surface.height() + 40) / 16 + 2;
        for (int iu = 0; iu < columns; ++iu) {
            const double u = lattice(firstU, kU0, iu);
            if (!(u < uEnd)) break;
            for (int iv = 0; iv < rows; ++iv) {
                const double y = lattice(firstV, kV0, iv);
                if (!(y < vEnd)) break;
                if (outOfScreen) {
                    p.drawEllipse(BoxFromEdges(TruncPixel(u - 1), TruncPixel(y - 1), TruncPixel(u + 1), TruncPixel(y + 1)));
                } else {
                    Line(p, QPoint(TruncPixel(u), TruncPixel(y)), QPoint(TruncPixel(u + 7), TruncPixel(y - 7)));
                    Line(p, QPoint(TruncPixel(u), TruncPixel(y - 6)), QPoint(TruncPixel(u + 7), TruncPixel(y + 1)));
                }
            }
        }
    });
}

}  // namespace mb

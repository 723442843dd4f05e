#include "view/glyphs.h"

#include "scene/element_kinds.h"

#include "view/connector_moves.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace mb {
namespace {

constexpr double kPi = std::numbers::pi;
// Surface coordinates are held within this range before they reach the rasteriser.
constexpr double kPixelLimit = 1.0e6;

QImage& SurfaceOf(QPainter& p) { return *static_cast<QImage*>(p.device()); }

QRgb Rgb(int r, int g, int b) { return qRgb(r, g, b); }

void SetPen(QPainter& p, QColor colour, int width = 1) {
    QPen pen(colour);
    pen.setWidth(width);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
}

// Text with its top-left corner at (x, y), as the classic canvas places it.
void TextAt(QPainter& p, int x, int y, const QString& text) {
    const QFontMetrics fm(p.font());
    p.drawText(QPoint(x, y + fm.ascent()), text);
}

QFont WithPixelHeight(QFont font, int pixels) {
    font.setPixelSize(pixels);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QColor FromPacked(std::int32_t packed) {
    const auto v = static_cast<std::uint32_t>(packed);
    return QColor(static_cast<int>(v & 0xff), static_cast<int>((v >> 8) & 0xff), static_cast<int>((v >> 16) & 0xff));
}

// A thin line in the painter's current pen colour.
void Line(QPainter& p, QPoint a, QPoint b, bool xorMode = false) {
    PlotLine(SurfaceOf(p), a, b, p.pen().color().rgb(), xorMode);
}

void WideLine(QPainter& p, QPoint a, QPoint b) {
    PlotWideLine(SurfaceOf(p), a, b, p.pen().color().rgb(), false);
}

template <class TableT, class F>
void ForEachInUse(const TableT& table, F&& f) {
    for (int i = 0; i < TableT::kCapacity && table[i].inUse(); ++i) f(table[i], i);
}

template <class F>
void ForEachBall(const Scene& scene, F&& f) {
    for (int j = 0; j < kBallCapacity && scene.balls[j].M0 != 0.0; ++j) f(scene.balls[j], j);
}

struct ScreenRect {
    int left, top, right, bottom;
};
int X(const ViewScale& v, double x) { return TruncPixel(v.columnOf(x)); }
int Y(const ViewScale& v, double y) { return TruncPixel(v.rowOf(y)); }

template <class Region>
ScreenRect EdgesOf(const ViewScale& v, const Region& r) {
    return {X(v, r.x1), Y(v, r.y2), X(v, r.x2), Y(v, r.y1)};
}

void AnchorMark(QPainter& p, int x, int y) {
    Line(p, QPoint(x - 4, y - 4), QPoint(x + 5, y + 5));
    Line(p, QPoint(x + 4, y - 4), QPoint(x - 5, y + 5));
}

bool IsPole(ElementKind kind) { return kind == ElementKind::HangingPole || kind == ElementKind::LinkPole; }
// A link connector is drawn in the colour its hanging partner leaves on the pen.
QColor ConnectorColour(ElementKind kind) {
    switch (kind) {
        case ElementKind::HangingSpring:
        case ElementKind::LinkSpring: return QColor(150, 150, 180);
        case ElementKind::HangingCord:
        case ElementKind::LinkCord: return QColor(200, 200, 200);
        default: return QColor(175, 175, 175);
    }
}

bool ValidBall(int index) { return index >= 0 && index < kBallCapacity; }

}  // namespace

int BallRef(double ref) {
    if (!(ref > -1.0 && ref < kBallCapacity)) return -1;
    return static_cast<int>(ref);
}

namespace {

QPoint BallCentre(const Scene& s, int index) {
    const Ball& b = s.balls[index];
    return QPoint(b.screenX, b.screenY);
}

// Start angle and span, in sixteenths of a degree, of the counter-clockwise arc
// between the rays from the box centre through the two construction points.
void ArcAngles(QRectF box, QPointF start, QPointF end, int& start16, int& span16) {
    const QPointF c = box.center();
    const double a = std::atan2(-(start.y() - c.y()), start.x() - c.x());
    const double b = std::atan2(-(end.y() - c.y()), end.x() - c.x());
    start16 = span16 = 0;
    if (!std::isfinite(a) || !std::isfinite(b)) return;
    double span = b - a;
    while (span <= 0.0) span += 2.0 * kPi;
    while (span > 2.0 * kPi) span -= 2.0 * kPi;
    start16 = static_cast<int>(std::lround(a * 180.0 / kPi * 16.0));
    span16 = static_cast<int>(std::lround(span * 180.0 / kPi * 16.0));
}

struct ArcGeometry {
    QRect box;
    int start16, span16;
};
ArcGeometry ArcOf(const ViewScale& v, const CircularTrack& t) {
    const double s = v.MetresPerPixel;
    const double cx = v.OriginX + t.cx / s, cy = v.OriginY - t.cy / s, rho = t.radius / s;
    const int l = TruncPixel(cx - rho), top = TruncPixel(cy - rho), r = TruncPixel(cx + rho), b = TruncPixel(cy + rho);
    const QPointF p1(TruncPixel(1000.0 * std::cos(t.startAngle) + cx), TruncPixel(v.OriginY - (1000.0 * std::sin(t.startAngle) + t.cy / s)));
    const QPointF p2(TruncPixel(1000.0 * std::cos(t.endAngle) + cx), TruncPixel(v.OriginY - (1000.0 * std::sin(t.endAngle) + t.cy / s)));
    ArcGeometry g{BoxFromEdges(l, top, r, b), 0, 0};
    ArcAngles(QRectF(l, top, r - l, b - top), p1, p2, g.start16, g.span16);
    return g;
}

}  // namespace

int TruncPixel(double value) {
    if (std::isnan(value)) return static_cast<int>(-kPixelLimit);
    return static_cast<int>(std::clamp(value, -kPixelLimit, kPixelLimit));
}

QRect BoxFromEdges(int left, int top, int right, int bottom) {
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    return QRect(left, top, std::max(0, right - left - 1), std::max(0, bottom - top - 1));
}

void PlotLine(QImage& image, QPoint a, QPoint b, QRgb colour, bool xorMode) {
    const long long w = image.width(), h = image.height();
    const long long x0 = a.x(), y0 = a.y();
    const long long dx = static_cast<long long>(b.x()) - x0, dy = static_cast<long long>(b.y()) - y0;
    const long long adx = std::llabs(dx), ady = std::llabs(dy);
    if (adx == 0 && ady == 0) return;
    const QRgb c = colour & 0x00ffffffu;
    uchar* bits = image.bits();
    const qsizetype bpl = image.bytesPerLine();
    auto put = [&](long long x, long long y) {
        if (x < 0 || y < 0 || x >= w || y >= h) return;
        QRgb* px = reinterpret_cast<QRgb*>(bits + y * bpl) + x;
        if (xorMode)
            *px ^= c;
        else
            *px = 0xff000000u | c;
    };
    // Horizontal and vertical lines (the grid, most field lines) take a straight run.
    if (dy == 0 || dx == 0) {
        const bool horizontal = dy == 0;
        const long long fixed = horizontal ? y0 : x0;
        if (fixed < 0 || fixed >= (horizontal ? h : w)) return;
        const long long start = horizontal ? x0 : y0, step = (horizontal ? dx : dy) > 0 ? 1 : -1;
        const long long end = start + (horizontal ? dx : dy) - step;  // last pixel drawn
        const long long lo = std::max(std::min(start, end), 0LL), hi = std::min(std::max(start, end), (horizontal ? w : h) - 1);
        const QRgb opaque = 0xff000000u | c;
        if (horizontal) {
            QRgb* row = reinterpret_cast<QRgb*>(bits + fixed * bpl);
            if (xorMode) {
                for (long long x = lo; x <= hi; ++x) row[x] ^= c;
            } else if (lo <= hi) {
                std::fill(row + lo, row + hi + 1, opaque);
            }
        } else {
            uchar* at = bits + lo * bpl + fixed * static_cast<long long>(sizeof(QRgb));
            for (long long y = lo; y <= hi; ++y, at += bpl) {
                QRgb* px = reinterpret_cast<QRgb*>(at);
                *px = xorMode ? *px ^ c : opaque;
            }
        }
        return;
    }
    // Steps along the major axis; the minor coordinate is rounded to the nearest
    // pixel. Only the steps whose major coordinate lies on the image are walked.
    const bool xMajor = adx >= ady;
    const long long major = xMajor ? adx : ady, minor = xMajor ? ady : adx;
    const long long sMaj = (xMajor ? dx : dy) > 0 ? 1 : -1, sMin = (xMajor ? dy : dx) > 0 ? 1 : -1;
    const long long m0 = xMajor ? x0 : y0, n0 = xMajor ? y0 : x0, limit = xMajor ? w : h;
    long long lo = 0, hi = major - 1;
    if (sMaj > 0) {
        lo = std::max(lo, -m0);
        hi = std::min(hi, limit - 1 - m0);
    } else {
        lo = std::max(lo, m0 - (limit - 1));
        hi = std::min(hi, m0);
    }
    if (lo > hi) return;
    // n(i) = n0 + sMin * floor((2 i minor + major) / (2 major)), stepped incrementally.
    const long long twoMajor = 2 * major, twoMinor = 2 * minor;
    const long long num = 2 * lo * minor + major;
    long long q = num / twoMajor, rem = num % twoMajor;
    for (long long i = lo; i <= hi; ++i) {
        const long long m = m0 + sMaj * i;
        const long long n = n0 + sMin * q;
        if (xMajor)
            put(m, n);
        else
            put(n, m);
        // Without a branch: the carry follows the slope, which no predictor guesses.
        rem += twoMinor;
        const bool carry = rem >= twoMajor;
        rem -= carry ? twoMajor : 0;
        q += carry;
    }
}

void PlotWideLine(QImage& image, QPoint a, QPoint b, QRgb colour, bool xorMode) {
    PlotLine(image, a, b, colour, xorMode);
    const bool xMajor = std::abs(b.x() - a.x()) >= std::abs(b.y() - a.y());
    const QPoint step = xMajor ? QPoint(0, -1) : QPoint(-1, 0);
    PlotLine(image, a + step, b + step, colour, xorMode);
}

double FieldArrowDegrees(double directionRadians, double E) {
    double deg = directionRadians * 180.0 / kPi;
    if (E < 0) deg = deg > 0 ? deg - 180.0 : deg + 180.0;
    return deg;
}

std::vector<HatchLine> HatchLines(int L, int T, double angleDegrees, int B, int R) {
    std::vector<HatchLine> lines;
    const double theta = angleDegrees * kPi / 180.0;
    if (!std::isfinite(theta)) return lines;
    const int W = R - L, H = B - T;
    // How far the direction is from pointing right, in (-pi, pi]: -180 degrees (what
    // the dialog stores for "180") and 180 both point left. Within a hair of the
    // horizontal the oblique spacing along the top edge grows beyond any number the
    // lines can be built from, so those directions draw the horizontal family.
    constexpr double kHorizontalTolerance = 1e-6;
    const double fromRight = std::remainder(theta, 2 * kPi);
    const bool pointsRight = std::fabs(fromRight) < kHorizontalTolerance;
    const bool pointsLeft = std::fabs(theta - kPi) < 0.001 || kPi - std::fabs(fromRight) < kHorizontalTolerance;
    if (pointsRight || pointsLeft) {
        const bool atRight = pointsRight;
        for (long long y = T + 15; y < B; y += 15) {
            const int yi = static_cast<int>(y);
            lines.push_back({QPoint(R, yi), QPoint(L, yi), atRight ? QPoint(R, yi) : QPoint(L, yi)});
        }
        return lines;
    }
    if (std::fabs(theta - kPi / 2) < 0.001 || std::fabs(theta - 3 * kPi / 2) < 0.001) {
        const bool atTop = std::fabs(theta - kPi / 2) < 0.001;
        for (long long x = L + 15; x < R; x += 15) {
            const int xi = static_cast<int>(x);
            lines.push_back({QPoint(xi, B), QPoint(xi, T), atTop ? QPoint(xi, T) : QPoint(xi, B)});
        }
        return lines;
    }
    // Oblique lines. The spacings are computed in floating point and held below any
    // region's size, so a direction within a hair of the vertical or horizontal
    // gives one family of lines only.
    const double s = std::sin(theta), c = std::cos(theta), t = std::tan(theta), at = std::fabs(t);
    constexpr double kHuge = 1.0e9;
    long long o, r;
    if (s * s > 0.5) {
        o = 14;
        r = static_cast<long long>(std::min(14.0 * at, kHuge));
    } else {
        r = 14;
        o = at > 0.0 ? static_cast<long long>(std::min(14.0 / at, kHuge)) : static_cast<long long>(kHuge);
    }
    if (o <= 0 || r <= 0 || W < 0 || H < 0) return lines;
    const long long m = W / o, n = H / r;
    const long long count = (m >= 1 && n >= 1) ? m + n - 1 : std::max(m, n);
    const bool upRight = s * c > 0;
    for (long long k = 1; k <= count; ++k) {
        QPoint upper, lower;
        if (upRight) {
            // Upper end on the top edge, or on the right edge past the corner.
            if (L + k * o <= R)
                upper = QPoint(static_cast<int>(L + k * o), T);
            else
                upper = QPoint(R, TruncPixel(T + static_cast<double>(k * o - W) * at));
            // Lower end on the left edge, or on the bottom edge past the corner.
            if (T + k * r <= B)
                lower = QPoint(L, static_cast<int>(T + k * r));
            else
                lower = QPoint(TruncPixel(L + static_cast<double>(k * o) - H / at), B);
        } else {
            if (R - k * o >= L)
                upper = QPoint(static_cast<int>(R - k * o), T);
            else
                upper = QPoint(L, TruncPixel(T + static_cast<double>(k * o - W) * at));
            if (T + k * r <= B)
                lower = QPoint(R, static_cast<int>(T + k * r));
            else
                lower = QPoint(TruncPixel(R - static_cast<double>(k * o) + H / at), B);
        }
        lines.push_back({upper, lower, s > 0 ? upper : lower});
    }
    return lines;
}

void DrawArrowHead(QPainter& p, int x, int y, double angle1, double angle2) {
    SetPen(p, QColor(120, 250, 120));
    for (double phi : {angle2, angle1})
        Line(p, QPoint(TruncPixel(x - 15 * std::cos(phi)), TruncPixel(y + 15 * std::sin(phi))), QPoint(x, y));
}

void HatchRegion(QPainter& p, int L, int T, double angleDegrees, int B, int R) {
    p.setBrush(Qt::NoBrush);
    SetPen(p, QColor(160, 160, 250));
    p.drawRect(BoxFromEdges(L, T, R, B));
    const double angle1 = (angleDegrees - 10) * kPi / 180.0, angle2 = (angleDegrees + 10) * kPi / 180.0;
    for (const HatchLine& line : HatchLines(L, T, angleDegrees, B, R)) {
        SetPen(p, QColor(180, 180, 250));
        Line(p, line.from, line.to);
        DrawArrowHead(p, line.tip.x(), line.tip.y(), angle1, angle2);
    }
}

int DampingDotCount(double w, double h) {
    const double n = w * h * 0.001;
    if (!(n > 0)) return 0;
    return static_cast<int>(std::min(n, 1.0e9));
}

void DrawDampingFields(QPainter& p, const Scene& scene, std::minstd_rand& dots, QSize surface) {
    const ViewScale& v = scene.view;
    QImage& img = SurfaceOf(p);
    const QRgb dotColour = Rgb(100, 100, 100);
    ForEachInUse(scene.dampingFields, [&](const DampingField& d, int) {
        SetPen(p, QColor(120, 120, 100));
        p.setBrush(Qt::NoBrush);
        const ScreenRect e = EdgesOf(v, d);
        p.drawRect(BoxFromEdges(e.left, e.top, e.right, e.bottom));
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
        const int x = X(v, g.x), y = Y(v, g.y);
        SetPen(p, QColor(200, 200, 100));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(BoxFromEdges(x - 6, y - 6, x + 6, y + 6));
        p.setFont(WithPixelHeight(fonts.runButton, 14));
        SetPen(p, QColor(255, 255, 255));
        TextAt(p, x - 3, y - 9, QStringLiteral("m"));
    });
}

void DrawPointCharges(QPainter& p, const Scene& scene, const SurfaceFonts& fonts) {
    const ViewScale& v = scene.view;
    ForEachInUse(scene.pointCharges, [&](const PointChargeField& q, int) {
        const int x = X(v, q.x), y = Y(v, q.y);
        SetPen(p, QColor(150, 150, 250));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(BoxFromEdges(x - 6, y - 6, x + 6, y + 6));
        p.setFont(WithPixelHeight(fonts.runButton, 18));
        SetPen(p, QColor(200, 200, 255));
        // An underscore raised into the circle reads as a minus sign.
        if (q.Q > 0)
            TextAt(p, x - 4, y - 8, QStringLiteral("+"));
        else
            TextAt(p, x - 3, y - 17, QStringLiteral("_"));
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
        const ScreenRect e = EdgesOf(v, f);
        SetPen(p, QColor(180, 235, 120));
        p.setBrush(Qt::NoBrush);
        p.drawRect(BoxFromEdges(e.left, e.top, e.right, e.bottom));
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
        for (double ku = kU0;; ku += 1) {
            const double u = firstU + 16 * ku;
            if (!(u < uEnd)) break;
            for (double kv = kV0;; kv += 1) {
                const double y = firstV + 16 * kv;
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

void DrawStraightTracks(QPainter& p, const Scene& scene) {
    const ViewScale& v = scene.view;
    ForEachInUse(scene.straightTracks, [&](const StraightTrack& t, int) {
        const QPoint a(X(v, t.xs), Y(v, t.ys)), b(X(v, t.xe), Y(v, t.ye));
        SetPen(p, QColor(200, 200, 100), 2);
        WideLine(p, a, b);
        SetPen(p, QColor(250, 250, 150));
        Line(p, a, b);
    });
}

void DrawCircularTracks(QPainter& p, const Scene& scene) {
    const ViewScale& v = scene.view;
    p.setBrush(Qt::NoBrush);
    ForEachInUse(scene.circularTracks, [&](const CircularTrack& t, int) {
        const ArcGeometry g = ArcOf(v, t);
        SetPen(p, QColor(200, 200, 100), 2);
        p.drawArc(g.box, g.start16, g.span16);
        SetPen(p, QColor(250, 250, 150));
        p.drawArc(g.box, g.start16, g.span16);
    });
}

bool ConnectorEnds(const Scene& scene, ElementKind kind, int index, QPoint& a, QPoint& b) {
    if (IsHangingKind(kind)) {
        const HangingConnector& c = HangingTableOf(scene, kind)[index];
        const int j = BallRef(c.ball);
        if (!ValidBall(j)) return false;
        a = BallCentre(scene, j);
        b = QPoint(X(scene.view, c.anchorX), Y(scene.view, c.anchorY));
        return true;
    }
    const LinkConnector& c = LinkTableOf(scene, kind)[index];
    const int j1 = BallRef(c.ball1), j2 = BallRef(c.ball2);
    if (!ValidBall(j1) || !ValidBall(j2)) return false;
    a = BallCentre(scene, j1);
    b = BallCentre(scene, j2);
    return true;
}

int ConnectorCount(const Scene& scene, ElementKind kind) {
    return IsHangingKind(kind) ? HangingTableOf(scene, kind).count() : LinkTableOf(scene, kind).count();
}

bool ConnectorHolds(const Scene& scene, ElementKind kind, int index, int j) {
    if (IsHangingKind(kind)) return BallRef(HangingTableOf(scene, kind)[index].ball) == j;
    const LinkConnector& c = LinkTableOf(scene, kind)[index];
    return BallRef(c.ball1) == j || BallRef(c.ball2) == j;
}

QRect ConnectorBounds(const Scene& scene, ElementKind kind, int index) {
    QPoint a, b;
    const bool line = ConnectorEnds(scene, kind, index, a, b);
    if (IsHangingKind(kind)) {
        const HangingConnector& c = HangingTableOf(scene, kind)[index];
        const QPoint anchor(X(scene.view, c.anchorX), Y(scene.view, c.anchorY));
        QRect r(anchor - QPoint(6, 6), anchor + QPoint(6, 6));
        if (line) r = r.united(QRect(a, b).normalized().adjusted(-1, -1, 1, 1));
        return r;
    }
    if (!line) return QRect();
    return QRect(a, b).normalized().adjusted(-1, -1, 1, 1);
}

namespace {
// Whether the segment a-b passes through the rectangle (Liang-Barsky clipping).
bool SegmentMeetsRect(QPoint a, QPoint b, const QRect& r) {
    double t0 = 0.0, t1 = 1.0;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {static_cast<double>(a.x()) - r.left(), static_cast<double>(r.right()) - a.x(),
                         static_cast<double>(a.y()) - r.top(), static_cast<double>(r.bottom()) - a.y()};
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0.0) {
            if (q[k] < 0.0) return false;
        } else {
            const double t = q[k] / p[k];
            if (p[k] < 0.0)
                t0 = std::max(t0, t);
            else
                t1 = std::min(t1, t);
            if (t0 > t1) return false;
        }
    }
    return true;
}
}  // namespace

bool ConnectorTouches(const Scene& scene, ElementKind kind, int index, const QRect& area) {
    // Two pixels of margin cover the wide pens and the rounding of the rasteriser.
    const QRect near = area.adjusted(-2, -2, 2, 2);
    QPoint a, b;
    if (ConnectorEnds(scene, kind, index, a, b) && SegmentMeetsRect(a, b, near)) return true;
    if (IsHangingKind(kind)) {
        const HangingConnector& c = HangingTableOf(scene, kind)[index];
        const QPoint anchor(X(scene.view, c.anchorX), Y(scene.view, c.anchorY));
        return QRect(anchor - QPoint(6, 6), anchor + QPoint(6, 6)).intersects(near);
    }
    return false;
}

void DrawConnector(QImage& image, const Scene& scene, ElementKind kind, int index) {
    const QRgb colour = ConnectorColour(kind).rgb();
    auto line = IsPole(kind) ? PlotWideLine : PlotLine;
    QPoint a, b;
    const bool hasLine = ConnectorEnds(scene, kind, index, a, b);
    if (hasLine) line(image, a, b, colour, true);
    if (IsHangingKind(kind)) {
        // A hanging connector whose ball reference is broken still shows its anchor.
        const HangingConnector& c = HangingTableOf(scene, kind)[index];
        const int x = X(scene.view, c.anchorX), y = Y(scene.view, c.anchorY);
        line(image, QPoint(x - 4, y - 4), QPoint(x + 5, y + 5), colour, true);
        line(image, QPoint(x + 4, y - 4), QPoint(x - 5, y + 5), colour, true);
    }
}

ConnectorShape ConnectorShapeOf(const Scene& scene, ElementKind kind, int index) {
    ConnectorShape s;
    // The colours of ConnectorColour, without building a QColor for every call.
    switch (kind) {
        case ElementKind::HangingSpring:
        case ElementKind::LinkSpring: s.colour = qRgb(150, 150, 180); break;
        case ElementKind::HangingCord:
        case ElementKind::LinkCord: s.colour = qRgb(200, 200, 200); break;
        default: s.colour = qRgb(175, 175, 175); break;
    }
    const bool wide = IsPole(kind);
    auto add = [&](QLine* list, int& count, QPoint a, QPoint b) {
        list[count++] = QLine(a, b);
        if (wide) {
            // The second stroke of a wide line, as PlotWideLine draws it.
            const bool xMajor = std::abs(b.x() - a.x()) >= std::abs(b.y() - a.y());
            const QPoint step = xMajor ? QPoint(0, -1) : QPoint(-1, 0);
            list[count++] = QLine(a + step, b + step);
        }
    };
    QPoint a, b;
    if (ConnectorEnds(scene, kind, index, a, b)) add(s.lines, s.lineCount, a, b);
    if (IsHangingKind(kind)) {
        const HangingConnector& c = HangingTableOf(scene, kind)[index];
        const int x = X(scene.view, c.anchorX), y = Y(scene.view, c.anchorY);
        add(s.marks, s.markCount, QPoint(x - 4, y - 4), QPoint(x + 5, y + 5));
        add(s.marks, s.markCount, QPoint(x + 4, y - 4), QPoint(x - 5, y + 5));
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
    const int count = ConnectorCount(scene, kind);
    for (int i = 0; i < count; ++i) DrawConnector(image, scene, kind, i);
    // The pen keeps the kind's colour, as the link kind after it expects.
    SetPen(p, ConnectorColour(kind));
}

void DrawAllConnectors(QPainter& p, const Scene& scene) {
    for (ElementKind k : kConnectorKinds) DrawConnectorKind(p, scene, k);
}

void DrawInitialVelocityArrows(QPainter& p, const Scene& scene) {
    SetPen(p, QColor(255, 255, 255));
    ForEachBall(scene, [&](const Ball& b, int) {
        const int sx = b.screenX, sy = b.screenY, rho = b.pixelRadius;
        const QPoint c(sx, sy);
        if (b.vx0 != 0 && b.vy0 != 0) {
            double alpha = std::atan(b.vy0 / b.vx0);
            if (b.vx0 < 0) alpha += kPi;
            const double tx = sx + (rho + 50) * std::cos(alpha), ty = sy - (rho + 50) * std::sin(alpha);
            const QPoint tip(TruncPixel(tx), TruncPixel(ty));
            Line(p, c, tip);
            for (double turn : {20.0, -20.0}) {
                const double a = alpha + turn * kPi / 180.0;
                Line(p, tip, QPoint(TruncPixel(tx - 15 * std::cos(a)), TruncPixel(ty + 15 * std::sin(a))));
            }
        } else if (b.vx0 != 0) {
            const int dir = b.vx0 > 0 ? 1 : -1;
            const QPoint tip(sx + dir * (rho + 50), sy);
            Line(p, c, tip);
            Line(p, tip, QPoint(sx + dir * (rho + 35), sy + 4));
            Line(p, tip, QPoint(sx + dir * (rho + 35), sy - 4));
        } else if (b.vy0 != 0) {
            const int dir = b.vy0 > 0 ? -1 : 1;  // rows grow downward
            const QPoint tip(sx, sy + dir * (rho + 50));
            Line(p, c, tip);
            Line(p, tip, QPoint(sx - 4, sy + dir * (rho + 35)));
            Line(p, tip, QPoint(sx + 4, sy + dir * (rho + 35)));
        }
    });
}

void DrawSelectedBallCircle(QPainter& p, const Scene& scene) {
    const int j = scene.SelectedBall;
    if (j < 0 || j >= kBallCapacity || !scene.balls[j].inUse()) return;
    const Ball& b = scene.balls[j];
    SetPen(p, QColor(255, 0, 0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(BoxFromEdges(b.screenX - b.pixelRadius, b.screenY - b.pixelRadius, b.screenX + b.pixelRadius,
                               b.screenY + b.pixelRadius));
}

void DrawSelectionOutline(QPainter& p, const Scene& scene, EditorSelection sel) {
    const ViewScale& v = scene.view;
    const int i = sel.index;
    if (i < 0) return;
    SetPen(p, QColor(255, 255, 255));
    p.setBrush(Qt::NoBrush);
    auto circle = [&](int x, int y, int radius) { p.drawEllipse(BoxFromEdges(x - radius, y - radius, x + radius, y + radius)); };
    auto rect = [&](const auto& region) {
        const ScreenRect e = EdgesOf(v, region);
        p.drawRect(BoxFromEdges(e.left, e.top, e.right, e.bottom));
    };
    switch (sel.kind) {
        case ElementKind::Ball:
            if (i < kBallCapacity && scene.balls[i].inUse())
                circle(scene.balls[i].screenX, scene.balls[i].screenY, scene.balls[i].pixelRadius);
            break;
        case ElementKind::PointCharge:
            if (i < kTableCapacity && scene.pointCharges[i].inUse())
                circle(X(v, scene.pointCharges[i].x), Y(v, scene.pointCharges[i].y), 6);
            break;
        case ElementKind::GravityMass:
            if (i < kTableCapacity && scene.gravityMasses[i].inUse())
                circle(X(v, scene.gravityMasses[i].x), Y(v, scene.gravityMasses[i].y), 6);
            break;
        case ElementKind::ElectricField:
            if (i < kTableCapacity && scene.electricFields[i].inUse()) rect(scene.electricFields[i]);
            break;
        case ElementKind::MagneticField:
            if (i < kTableCapacity && scene.magneticFields[i].inUse()) rect(scene.magneticFields[i]);
            break;
        case ElementKind::Damping:
            if (i < kTableCapacity && scene.dampingFields[i].inUse()) rect(scene.dampingFields[i]);
            break;
        case ElementKind::HangingSpring:
            if (i < kTableCapacity && scene.hangingSprings[i].inUse()) {
                const HangingConnector& c = scene.hangingSprings[i];
                const QPoint anchor(X(v, c.anchorX), Y(v, c.anchorY));
                if (ValidBall(BallRef(c.ball))) Line(p, BallCentre(scene, BallRef(c.ball)), anchor);
                AnchorMark(p, anchor.x(), anchor.y());
            }
            break;
        case ElementKind::StraightTrack:
            if (i < kTableCapacity && scene.straightTracks[i].inUse()) {
                const StraightTrack& t = scene.straightTracks[i];
                Line(p, QPoint(X(v, t.xs), Y(v, t.ys)), QPoint(X(v, t.xe), Y(v, t.ye)));
            }
            break;
        case ElementKind::CircularTrack:
            if (i < kTableCapacity && scene.circularTracks[i].inUse()) {
                const ArcGeometry g = ArcOf(v, scene.circularTracks[i]);
                p.drawArc(g.box, g.start16, g.span16);
            }
            break;
        default: break;
    }
}

QFont RemarkFont(const Remark& r) {
    QFont f(r.fontName.empty() ? QStringLiteral("Liberation Sans") : QString::fromStdString(r.fontName));
    // The size in points decides the height when it is given (96 pixels per inch);
    // otherwise the height in pixels does, as the classic font record has it.
    if (r.fontSize > 0 && r.fontSize < 1000)
        f.setPixelSize(std::max(1, (r.fontSize * 96 + 36) / 72));
    else if (r.fontHeight != 0 && std::abs(r.fontHeight) < 1000)
        f.setPixelSize(std::abs(r.fontHeight));
    else
        f.setPixelSize(13);
    f.setBold(r.style & kStyleBold);
    f.setItalic(r.style & kStyleItalic);
    f.setUnderline(r.style & kStyleUnderline);
    f.setStrikeOut(r.style & kStyleStrikeOut);
    if (r.pitch == 2) f.setFixedPitch(true);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

namespace {
template <class F>
void ForEachRemark(const Scene& scene, F&& f) {
    for (int i = 0; i < kRemarkCapacity && scene.remarks[i].inUse(); ++i) f(scene.remarks[i], i);
}
QSize WriteRemark(QPainter& p, const Remark& r) {
    p.setBrush(Qt::NoBrush);
    const QFont font = RemarkFont(r);
    p.setFont(font);
    SetPen(p, FromPacked(r.fontColour));
    const QString text = QString::fromStdString(r.text);
    TextAt(p, r.x, r.y, text);
    const QFontMetrics fm(font);
    return QSize(fm.horizontalAdvance(text), fm.height());
}
}  // namespace

void DrawRemarks(QPainter& p, const Scene& scene) {
    ForEachRemark(scene, [&](const Remark& r, int) { WriteRemark(p, r); });
}

void DrawRemarksRecording(QPainter& p, Scene& scene) {
    for (int i = 0; i < kRemarkCapacity && scene.remarks[i].inUse(); ++i) {
        const QSize size = WriteRemark(p, scene.remarks[i]);
        scene.remarks[i].width = size.width();
        scene.remarks[i].height = size.height();
    }
}

}  // namespace mb

namespace mb {
void DrawTrackArc(QPainter& p, const ViewScale& view, const CircularTrack& track, QPoint shift) {
    const ArcGeometry g = ArcOf(view, track);
    p.drawArc(g.box.translated(shift), g.start16, g.span16);
}
}  // namespace mb

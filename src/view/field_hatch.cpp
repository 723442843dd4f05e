#include "view/field_hatch.h"

#include <algorithm>
#include <cmath>

#include "view/glyph_kit.h"

namespace mb {

using namespace glyph_kit;

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

}  // namespace mb

#include "view/raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace mb {
namespace {

// Surface coordinates are held within this range before they reach the rasteriser.
constexpr double kPixelLimit = 1.0e6;

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

QPoint WideLineStep(QPoint a, QPoint b) {
    const bool xMajor = std::abs(b.x() - a.x()) >= std::abs(b.y() - a.y());
    return xMajor ? QPoint(0, -1) : QPoint(-1, 0);
}

void PlotWideLine(QImage& image, QPoint a, QPoint b, QRgb colour, bool xorMode) {
    PlotLine(image, a, b, colour, xorMode);
    const QPoint step = WideLineStep(a, b);
    PlotLine(image, a + step, b + step, colour, xorMode);
}

}  // namespace mb

#include "view/connector_moves.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace mb {
namespace {

// The pixels of the line a-b as PlotLine sets them: steps i = 0 .. major - 1
// along the major axis, m = m0 + sMaj i, and the minor coordinate
// n = n0 + sMin floor((2 i minor + major) / (2 major)), followed incrementally.
// Walks are indexed by t = sMaj m, which grows along every line.
struct LineWalk {
    bool xMajor = true;
    long long sMaj = 1, sMin = 1, m0 = 0, n0 = 0, major = 0, minor = 0;
    long long q = 0, rem = 0;

    bool start(QPoint a, QPoint b) {
        const long long dx = static_cast<long long>(b.x()) - a.x(), dy = static_cast<long long>(b.y()) - a.y();
        const long long adx = std::llabs(dx), ady = std::llabs(dy);
        xMajor = adx >= ady;
        major = xMajor ? adx : ady;
        minor = xMajor ? ady : adx;
        sMaj = (xMajor ? dx : dy) > 0 ? 1 : -1;
        sMin = (xMajor ? dy : dx) > 0 ? 1 : -1;
        m0 = xMajor ? a.x() : a.y();
        n0 = xMajor ? a.y() : a.x();
        return major > 0;
    }
    long long tFirst() const { return sMaj * m0; }
    long long tLast() const { return sMaj * m0 + major - 1; }
    void seek(long long i) {
        const long long num = 2 * i * minor + major;
        q = num / (2 * major);
        rem = num % (2 * major);
    }
    void next() {
        // Without a branch: the carry follows the slope, which no predictor guesses.
        rem += 2 * minor;
        const bool carry = rem >= 2 * major;
        rem -= carry ? 2 * major : 0;
        q += carry;
    }
    long long n() const { return n0 + sMin * q; }
};

class Flipper {
public:
    Flipper(QImage& image, QRgb colour)
        : bits_(image.bits()), bpl_(image.bytesPerLine()), w_(image.width()), h_(image.height()),
          colour_(colour & 0x00ffffffu) {}
    int width() const { return w_; }
    int height() const { return h_; }
    // Flips the pixels (m, n) for m = sMaj t, t in [from, to), along the major
    // axis at the fixed minor coordinate n; those on the image only.
    void flipRun(bool xMajor, long long sMaj, long long n, long long from, long long to) {
        if (from >= to || n < 0 || n >= (xMajor ? h_ : w_)) return;
        const long long limit = xMajor ? w_ : h_;
        // Major coordinates covered, in increasing order.
        long long m0 = sMaj > 0 ? from : -(to - 1), m1 = sMaj > 0 ? to - 1 : -from;
        m0 = std::max(m0, 0LL);
        m1 = std::min(m1, limit - 1);
        if (m0 > m1) return;
        if (xMajor) {
            QRgb* row = reinterpret_cast<QRgb*>(bits_ + n * bpl_);
            for (long long m = m0; m <= m1; ++m) row[m] ^= colour_;
        } else {
            uchar* at = bits_ + m0 * bpl_ + n * static_cast<long long>(sizeof(QRgb));
            for (long long m = m0; m <= m1; ++m, at += bpl_) *reinterpret_cast<QRgb*>(at) ^= colour_;
        }
    }
    void flip(long long x, long long y) {
        if (x < 0 || y < 0 || x >= w_ || y >= h_) return;
        flipOn(x, y);
    }
    void prefetch(long long x, long long y) const {
        __builtin_prefetch(bits_ + y * bpl_ + x * static_cast<long long>(sizeof(QRgb)), 1);
    }
    // A pixel known to lie on the image.
    void flipOn(long long x, long long y) { *(reinterpret_cast<QRgb*>(bits_ + y * bpl_) + x) ^= colour_; }
    uchar* bits() const { return bits_; }
    qsizetype bytesPerLine() const { return bpl_; }
    QRgb colour() const { return colour_; }

private:
    uchar* bits_;
    qsizetype bpl_;
    long long w_, h_;
    QRgb colour_;
};

bool Contains(const QRect& r, long long x, long long y) {
    return x >= r.left() && x <= r.right() && y >= r.top() && y <= r.bottom();
}

// The t range of the image's extent along the walk's major axis.
void ImageRange(const LineWalk& w, const Flipper& f, long long& lo, long long& hi) {
    const long long limit = w.xMajor ? f.width() : f.height();
    lo = w.sMaj > 0 ? 0 : -(limit - 1);
    hi = w.sMaj > 0 ? limit - 1 : 0;
}

void FlipOutside(Flipper& f, LineWalk& w, const QRect& exclude) {
    long long lo, hi;
    ImageRange(w, f, lo, hi);
    lo = std::max(lo, w.tFirst());
    hi = std::min(hi, w.tLast());
    if (lo > hi) return;
    w.seek(lo - w.tFirst());
    for (long long t = lo; t <= hi; ++t, w.next()) {
        const long long m = w.sMaj * t, n = w.n();
        const long long x = w.xMajor ? m : n, y = w.xMajor ? n : m;
        if (!Contains(exclude, x, y)) f.flip(x, y);
    }
}

// Two walks side by side over the same major steps.
struct Step {
    long long nA, nB, remA, remB;
    long long twoMajA, twoMinA, twoMajB, twoMinB;
    long long sA, sB;
};

// Steps t = from .. to of two lines running the same way, flipping the pixels
// where they part (and, with `exclude`, not inside it). The pixel address
// follows the major axis incrementally.
template <bool XMajor>
void WalkPairFree(Flipper& f, Step& st, long long sMaj, long long from, long long to);

template <bool XMajor>
void WalkPair(Flipper& f, Step& st, long long sMaj, long long from, long long to, const QRect* exclude) {
    if (!exclude) {
        WalkPairFree<XMajor>(f, st, sMaj, from, to);
        return;
    }
    const long long minorLimit = XMajor ? f.height() : f.width();
    const long long majorLimit = XMajor ? f.width() : f.height();
    for (long long t = from; t <= to; ++t) {
        // A steep line meets a new row of the surface at every step and touches
        // only some of them: the hardware sees no stride to follow, so the row
        // a few steps on is asked for ahead of need.
        if constexpr (!XMajor) {
            const long long ahead = sMaj * (t + 12);
            if (ahead >= 0 && ahead < majorLimit && st.nA >= 0 && st.nA < minorLimit) f.prefetch(st.nA, ahead);
        }
        if (st.nA != st.nB) {
            const long long m = sMaj * t;
            for (const long long n : {st.nA, st.nB}) {
                if (n < 0 || n >= minorLimit) continue;
                const long long x = XMajor ? m : n, y = XMajor ? n : m;
                if (exclude && Contains(*exclude, x, y)) continue;
                f.flipOn(x, y);
            }
        }
        // The carries of both walks without branches: they follow the slopes,
        // which no predictor guesses.
        st.remA += st.twoMinA;
        const bool carryA = st.remA >= st.twoMajA;
        st.remA -= carryA ? st.twoMajA : 0;
        st.nA += carryA ? st.sA : 0;
        st.remB += st.twoMinB;
        const bool carryB = st.remB >= st.twoMajB;
        st.remB -= carryB ? st.twoMajB : 0;
        st.nB += carryB ? st.sB : 0;
    }
}

// WalkPair without an excluded rectangle, the walk of nearly every line: the
// steps lie on the image along the major axis (the caller keeps them there), so
// the pixel address of each line is followed by adding strides and only the
// minor coordinate is tested against the image.
template <bool XMajor>
void WalkPairFree(Flipper& f, Step& st, long long sMaj, long long from, long long to) {
    if (from > to) return;
    const long long minorLimit = XMajor ? f.height() : f.width();
    const long long majorLimit = XMajor ? f.width() : f.height();
    const qsizetype bpl = f.bytesPerLine();
    const long long majorBytes = XMajor ? static_cast<long long>(sizeof(QRgb)) : bpl;
    const long long minorBytes = XMajor ? bpl : static_cast<long long>(sizeof(QRgb));
    const long long stride = sMaj * majorBytes;
    const QRgb colour = f.colour();
    uchar* base = f.bits() + sMaj * from * majorBytes;
    long long offA = st.nA * minorBytes, offB = st.nB * minorBytes;
    const long long stepA = st.sA * minorBytes, stepB = st.sB * minorBytes;
    // Rows a steep line will meet are asked for ahead of need (see WalkPair);
    // only those on the image.
    constexpr long long kAhead = 12;
    const long long aheadLast = sMaj > 0 ? majorLimit - 1 - kAhead : -kAhead;  // last t whose look-ahead is on it
    for (long long t = from; t <= to; ++t, base += stride) {
        if constexpr (!XMajor) {
            if ((sMaj > 0 ? t <= aheadLast : sMaj * (t + kAhead) >= 0) && st.nA >= 0 && st.nA < minorLimit)
                __builtin_prefetch(base + kAhead * stride + offA, 1);
        }
        if (st.nA != st.nB) {
            if (static_cast<unsigned long long>(st.nA) < static_cast<unsigned long long>(minorLimit))
                *reinterpret_cast<QRgb*>(base + offA) ^= colour;
            if (static_cast<unsigned long long>(st.nB) < static_cast<unsigned long long>(minorLimit))
                *reinterpret_cast<QRgb*>(base + offB) ^= colour;
        }
        st.remA += st.twoMinA;
        const bool carryA = st.remA >= st.twoMajA;
        st.remA -= carryA ? st.twoMajA : 0;
        st.nA += carryA ? st.sA : 0;
        offA += carryA ? stepA : 0;
        st.remB += st.twoMinB;
        const bool carryB = st.remB >= st.twoMajB;
        st.remB -= carryB ? st.twoMajB : 0;
        st.nB += carryB ? st.sB : 0;
        offB += carryB ? stepB : 0;
    }
}

}  // namespace

void XorLineWithin(QImage& image, QPoint a, QPoint b, QRgb colour, const QRect& clip) {
    LineWalk w;
    if (!w.start(a, b) || clip.isEmpty()) return;
    Flipper f(image, colour);
    // The clip's extent along the major axis, in walk order.
    const long long cLo = w.xMajor ? clip.left() : clip.top(), cHi = w.xMajor ? clip.right() : clip.bottom();
    long long lo = w.sMaj > 0 ? cLo : -cHi, hi = w.sMaj > 0 ? cHi : -cLo;
    long long iLo, iHi;
    ImageRange(w, f, iLo, iHi);
    lo = std::max({lo, iLo, w.tFirst()});
    hi = std::min({hi, iHi, w.tLast()});
    if (lo > hi) return;
    const long long nLo = w.xMajor ? clip.top() : clip.left(), nHi = w.xMajor ? clip.bottom() : clip.right();
    // The minor coordinate moves one way only: a line that is beyond the clip on
    // the same side at both ends of the range never enters it.
    w.seek(hi - w.tFirst());
    const long long nAtHi = w.n();
    w.seek(lo - w.tFirst());
    const long long nAtLo = w.n();
    if (std::max(nAtLo, nAtHi) < nLo || std::min(nAtLo, nAtHi) > nHi) return;
    for (long long t = lo; t <= hi; ++t, w.next()) {
        const long long n = w.n();
        if (n < nLo || n > nHi) continue;
        const long long m = w.sMaj * t;
        f.flip(w.xMajor ? m : n, w.xMajor ? n : m);
    }
}

void XorLineChange(QImage& image, QPoint a0, QPoint b0, QPoint a1, QPoint b1, QRgb colour, const QRect& exclude) {
    if (a0 == a1 && b0 == b1) return;
    Flipper f(image, colour);
    LineWalk A, B;
    const bool hasA = A.start(a0, b0), hasB = B.start(a1, b1);
    if (!hasA || !hasB || A.xMajor != B.xMajor || A.sMaj != B.sMaj) {
        // Lines that run different ways share few pixels: each is flipped whole.
        if (hasA) FlipOutside(f, A, exclude);
        if (hasB) FlipOutside(f, B, exclude);
        return;
    }
    long long lo, hi;
    ImageRange(A, f, lo, hi);
    const bool xMajor = A.xMajor;
    const long long sMaj = A.sMaj;
    auto flip = [&](long long t, long long n) {
        const long long m = sMaj * t;
        const long long x = xMajor ? m : n, y = xMajor ? n : m;
        if (!Contains(exclude, x, y)) f.flip(x, y);
    };
    // Where only one of the lines runs, its pixels are flipped as they come.
    auto alone = [&](LineWalk& w, long long from, long long to) {
        from = std::max({from, lo, w.tFirst()});
        to = std::min({to, hi, w.tLast()});
        if (from > to) return;
        w.seek(from - w.tFirst());
        for (long long t = from; t <= to; ++t, w.next()) flip(t, w.n());
    };
    const long long both0 = std::max({lo, A.tFirst(), B.tFirst()}), both1 = std::min({hi, A.tLast(), B.tLast()});
    if (both0 > both1) {
        alone(A, lo, hi);
        alone(B, lo, hi);
        return;
    }
    alone(A, lo, both0 - 1);
    alone(B, lo, both0 - 1);
    alone(A, both1 + 1, hi);
    alone(B, both1 + 1, hi);
    // Side by side, run by run: each line keeps its minor coordinate over runs
    // of steps, so the two are compared once per stretch in which neither
    // changes, and only the stretches where they differ are flipped. A pixel both
    // lines share stays as it is.
    A.seek(both0 - A.tFirst());
    B.seek(both0 - B.tFirst());
    // First t at which the line's minor coordinate steps on: the step index i
    // with 2 i minor + major >= (2q + 2) major.
    auto nextStep = [](const LineWalk& w) {
        if (w.minor == 0) return std::numeric_limits<long long>::max();
        const long long need = (2 * w.q + 1) * w.major;
        return w.tFirst() + (need + 2 * w.minor - 1) / (2 * w.minor);
    };
    // Flips a run at minor coordinate n over [from, to), around the excluded rectangle.
    const long long exMinLo = xMajor ? exclude.top() : exclude.left(), exMinHi = xMajor ? exclude.bottom() : exclude.right();
    const long long exMajLo = xMajor ? exclude.left() : exclude.top(), exMajHi = xMajor ? exclude.right() : exclude.bottom();
    // The excluded major range in walk order.
    const long long exT0 = sMaj > 0 ? exMajLo : -exMajHi, exT1 = sMaj > 0 ? exMajHi : -exMajLo;
    auto run = [&](long long n, long long from, long long to) {
        if (exclude.isEmpty() || n < exMinLo || n > exMinHi || to <= exT0 || from > exT1) {
            f.flipRun(xMajor, sMaj, n, from, to);
            return;
        }
        f.flipRun(xMajor, sMaj, n, from, std::min(to, exT0));
        f.flipRun(xMajor, sMaj, n, std::max(from, exT1 + 1), to);
    };
    if (4 * A.minor > A.major || 4 * B.minor > B.major) {
        // Short runs: step by step, both walks kept in registers. The excluded
        // rectangle's major range splits the walk, so only its middle part
        // tests each pixel against it.
        Step step{A.n(), B.n(), A.rem, B.rem, 2 * A.major, 2 * A.minor, 2 * B.major, 2 * B.minor, A.sMin, B.sMin};
        const long long cut0 = exclude.isEmpty() ? both1 + 1 : std::clamp(exT0, both0, both1 + 1);
        const long long cut1 = exclude.isEmpty() ? both1 : std::clamp(exT1, cut0 - 1, both1);
        auto walk = [&](long long from, long long to, bool test) {
            if (xMajor)
                WalkPair<true>(f, step, sMaj, from, to, test ? &exclude : nullptr);
            else
                WalkPair<false>(f, step, sMaj, from, to, test ? &exclude : nullptr);
        };
        walk(both0, cut0 - 1, false);
        walk(cut0, cut1, true);
        walk(cut1 + 1, both1, false);
        return;
    }
    long long nextA = nextStep(A), nextB = nextStep(B);
    for (long long t = both0; t <= both1;) {
        const long long end = std::min({nextA, nextB, both1 + 1});
        const long long nA = A.n(), nB = B.n();
        if (nA != nB) {
            run(nA, t, end);
            run(nB, t, end);
        }
        t = end;
        if (t == nextA) {
            ++A.q;
            nextA = nextStep(A);
        }
        if (t == nextB) {
            ++B.q;
            nextB = nextStep(B);
        }
    }
}

void XorShapeWithin(QImage& image, const ConnectorShape& s, const QRect& clip) {
    if (!s.bounds.intersects(clip)) return;
    for (int i = 0; i < s.lineCount; ++i) XorLineWithin(image, s.lines[i].p1(), s.lines[i].p2(), s.colour, clip);
    for (int i = 0; i < s.markCount; ++i) XorLineWithin(image, s.marks[i].p1(), s.marks[i].p2(), s.colour, clip);
}

void XorShapeChange(QImage& image, const ConnectorShape& from, const ConnectorShape& to, const QRect& exclude) {
    // Pair the lines one to one; a line without a partner is flipped whole.
    const int n = std::max(from.lineCount, to.lineCount);
    for (int i = 0; i < n; ++i) {
        const bool hasFrom = i < from.lineCount, hasTo = i < to.lineCount;
        const QLine a = hasFrom ? from.lines[i] : QLine(), b = hasTo ? to.lines[i] : QLine();
        XorLineChange(image, a.p1(), a.p2(), b.p1(), b.p2(), from.colour, exclude);
    }
}

}  // namespace mb

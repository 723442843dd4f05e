#include "view/scene_surface.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace mb {
namespace {

// The stamping loops read a pixel-list entry as one little-endian word: entry i
// and the first three bytes of entry i + 1, so only an entry with another after
// it. Unpacking the five bytes one by one costs more than the pixel's store.
constexpr bool kWordEntries = std::endian::native == std::endian::little;

// Entry i of the list as a word; i + 1 must lie within the list.
std::uint64_t EntryWord(const PixelList& list, int i) {
    std::uint64_t v;
    std::memcpy(&v, reinterpret_cast<const unsigned char*>(list.data()) + i * sizeof(PixelEntry), sizeof v);
    return v;
}
int WordDx(std::uint64_t v) { return static_cast<std::int8_t>(v & 0xff); }
std::size_t WordDyByte(std::uint64_t v) { return (v >> 8) & 0xff; }
// Bytes red, green, blue at 2, 3, 4 become the pixel 0xffRRGGBB.
QRgb WordColour(std::uint64_t v) { return 0xff000000u | (static_cast<QRgb>(__builtin_bswap64(v) >> 24) & 0x00ffffffu); }

}  // namespace

int PixelListReach(const PixelList& list, int count) {
    count = std::clamp(count, 0, kPixelListCapacity);
    // Four running extremes rather than one chain of maxima of absolute values.
    int minX = 0, maxX = 0, minY = 0, maxY = 0;
    for (int i = 0; i < count; ++i) {
        const PixelEntry& e = list[static_cast<std::size_t>(i)];
        minX = std::min(minX, static_cast<int>(e.dx));
        maxX = std::max(maxX, static_cast<int>(e.dx));
        minY = std::min(minY, static_cast<int>(e.dy));
        maxY = std::max(maxY, static_cast<int>(e.dy));
    }
    return std::max(std::max(maxX, -minX), std::max(maxY, -minY));
}

const qsizetype* SceneSurface::rowOffsets() {
    const qsizetype bpl = image_.bytesPerLine();
    if (bpl != rowOffsetsFor_) {
        for (int b = 0; b < 256; ++b) rowOffsets_[static_cast<std::size_t>(b)] = static_cast<std::int8_t>(b) * bpl;
        rowOffsetsFor_ = bpl;
    }
    return rowOffsets_.data();
}

bool SceneSurface::stampAccepted(int x, int y) const {
    // Stamps are accepted up to 400 pixels beyond the surface's far edges (1600 for
    // the 1200-pixel surface) and 199 before its near edges, so a ball half off the
    // surface still shows its part.
    const int maxX = std::max(1600, image_.width() + 400), maxY = std::max(1600, image_.height() + 400);
    return x >= -199 && x < maxX && y >= -199 && y < maxY;
}

void SceneSurface::PutPixels(int x, int y, const PixelList& list, int count) {
    if (!stampAccepted(x, y)) return;
    count = std::clamp(count, 0, kPixelListCapacity);
    if (count == 0) return;
    stampPixels(x, y, list, count);
    const int reach = PixelListReach(list, count);
    markDirty(QRect(x - reach, y - reach, 2 * reach + 1, 2 * reach + 1));
}

void SceneSurface::stampPixels(int x, int y, const PixelList& list, int count) {
    if (!stampAccepted(x, y)) return;
    count = std::clamp(count, 0, kPixelListCapacity);
    const int w = image_.width(), h = image_.height();
    uchar* bits = image_.bits();
    const qsizetype bpl = image_.bytesPerLine();
    // Offsets are 8-bit: a centre this far inside the surface has every entry on
    // it, whatever the list holds (a ball's backdrop may hold offsets saved from
    // an earlier picture).
    if (x >= 128 && y >= 128 && x + 127 < w && y + 127 < h) {
        uchar* centre = bits + y * bpl + x * static_cast<qsizetype>(sizeof(QRgb));
        int i = 0;
        const qsizetype* rows = rowOffsets();
        if constexpr (kWordEntries) {
            for (; i + 1 < count; ++i) {
                const std::uint64_t v = EntryWord(list, i);
                *reinterpret_cast<QRgb*>(centre + rows[WordDyByte(v)] + WordDx(v) * static_cast<qsizetype>(sizeof(QRgb))) =
                    WordColour(v);
            }
        }
        for (; i < count; ++i) {
            const PixelEntry& e = list[static_cast<std::size_t>(i)];
            *reinterpret_cast<QRgb*>(centre + e.dy * bpl + e.dx * static_cast<qsizetype>(sizeof(QRgb))) =
                qRgb(e.red, e.green, e.blue);
        }
    } else {
        for (int i = 0; i < count; ++i) {
            const PixelEntry& e = list[static_cast<std::size_t>(i)];
            const int px = x + e.dx, py = y + e.dy;
            if (px < 0 || py < 0 || px >= w || py >= h) continue;
            reinterpret_cast<QRgb*>(bits + py * bpl)[px] = qRgb(e.red, e.green, e.blue);
        }
    }
}

void SceneSurface::SavePixels(int x, int y, PixelList& dest, const PixelList& pattern, int count) {
    // The backdrop is saved wherever the picture will be stamped. Saving only while
    // the centre was inside the window left the backdrop of an earlier place in the
    // list when a ball crossed the left or top edge, and lifting the picture then put
    // those old pixels down at the new place: grey smears, and a bite out of the axis.
    if (!stampAccepted(x, y)) return;
    count = std::clamp(count, 0, kPixelListCapacity);
    const int w = image_.width(), h = image_.height();
    const uchar* bits = image_.constBits();
    const qsizetype bpl = image_.bytesPerLine();
    // Offsets are 8-bit: a centre this far inside the surface has every entry on it.
    if (x >= 128 && y >= 128 && x + 127 < w && y + 127 < h) {
        const uchar* centre = bits + y * bpl + x * static_cast<qsizetype>(sizeof(QRgb));
        int i = 0;
        const qsizetype* rows = rowOffsets();
        if (kWordEntries && &dest != &pattern) {
            // Offsets copied as they are, the channels as one four-byte store whose
            // last byte lands on the next entry's dx, written properly next.
            auto* out = reinterpret_cast<unsigned char*>(dest.data());
            for (; i + 1 < count; ++i, out += sizeof(PixelEntry)) {
                const std::uint64_t v = EntryWord(pattern, i);
                const QRgb c =
                    *reinterpret_cast<const QRgb*>(centre + rows[WordDyByte(v)] + WordDx(v) * static_cast<qsizetype>(sizeof(QRgb)));
                const auto offsets = static_cast<std::uint16_t>(v & 0xffff);
                const std::uint32_t channels = __builtin_bswap32(c) >> 8;  // red, green, blue, 0
                std::memcpy(out, &offsets, sizeof offsets);
                std::memcpy(out + 2, &channels, sizeof channels);
            }
        }
        for (; i < count; ++i) {
            const PixelEntry& e = pattern[static_cast<std::size_t>(i)];
            const QRgb c = *reinterpret_cast<const QRgb*>(centre + e.dy * bpl + e.dx * static_cast<qsizetype>(sizeof(QRgb)));
            dest[static_cast<std::size_t>(i)] = PixelEntry{e.dx, e.dy, static_cast<std::uint8_t>(qRed(c)),
                                                           static_cast<std::uint8_t>(qGreen(c)), static_cast<std::uint8_t>(qBlue(c))};
        }
        return;
    }
    for (int i = 0; i < count; ++i) {
        const PixelEntry& e = pattern[static_cast<std::size_t>(i)];
        PixelEntry& d = dest[static_cast<std::size_t>(i)];
        d.dx = e.dx;
        d.dy = e.dy;
        const int px = x + e.dx, py = y + e.dy;
        // Off the surface there is nothing to keep; black stands in (a stamp there is
        // never shown either).
        QRgb c = 0;
        if (px >= 0 && py >= 0 && px < w && py < h) c = reinterpret_cast<const QRgb*>(bits + py * bpl)[px];
        d.red = static_cast<std::uint8_t>(qRed(c));
        d.green = static_cast<std::uint8_t>(qGreen(c));
        d.blue = static_cast<std::uint8_t>(qBlue(c));
    }
}

}  // namespace mb

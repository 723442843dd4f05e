#include "view/scene_surface.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <vector>

#include "view/glyphs.h"

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

QFont GridLabelFont() {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(13);
    f.setItalic(true);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

QFont UiFont() {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(12);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

void PreparePainter(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
}

template <class F>
void ForEachBall(Scene& scene, F&& f) {
    for (int j = 0; j < kBallCapacity && scene.balls[j].M0 != 0.0; ++j) f(scene.balls[j]);
}

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

QString TimeBoxText(double seconds) { return QString::asprintf("%.4g", seconds); }

SceneSurface::SceneSurface() : image_(kMinimumSide, kMinimumSide, QImage::Format_RGB32) {
    image_.fill(Qt::black);
    fonts_.main = UiFont();
    fonts_.runButton = UiFont();
    fonts_.gridLabel = GridLabelFont();
    markAllDirty();
}

void SceneSurface::setWindowSize(int width, int height) {
    windowWidth_ = std::max(0, width);
    windowHeight_ = std::max(0, height);
    const int w = std::max(kMinimumSide, windowWidth_), h = std::max(kMinimumSide, windowHeight_);
    if (w > image_.width() || h > image_.height()) {
        QImage bigger(std::max(w, image_.width()), std::max(h, image_.height()), QImage::Format_RGB32);
        bigger.fill(Qt::black);
        {
            QPainter p(&bigger);
            p.drawImage(QPoint(0, 0), image_);
        }
        image_ = bigger;
        markAllDirty();
    }
}

void SceneSurface::setBackground(const QImage& picture) {
    background_ = picture.isNull() ? QImage() : picture.convertToFormat(QImage::Format_RGB32);
    backgroundShown_ = !background_.isNull();
}

bool SceneSurface::loadBackground(const QString& path) {
    QImage picture;
    if (!picture.load(path)) {
        clearBackground();
        return false;
    }
    setBackground(picture);
    return backgroundShown_;
}

void SceneSurface::clearBackground() {
    background_ = QImage();
    backgroundShown_ = false;
}

QRect SceneSurface::takeDirty() {
    const QRect d = dirty_;
    dirty_ = QRect();
    dirtyPieces_.clear();
    dirtyWhole_ = false;
    return d;
}

QRegion SceneSurface::takeDirtyRegion() {
    QRegion region;
    if (dirtyWhole_) {
        region = dirty_;
    } else {
        for (const QRect& r : dirtyPieces_) region += r;
    }
    takeDirty();
    return region;
}

void SceneSurface::markDirty(const QRect& rect) {
    const QRect r = rect.intersected(image_.rect());
    if (r.isEmpty()) return;
    dirty_ = dirty_.united(r);
    // Past a few hundred pieces the bounding rectangle serves as well.
    constexpr std::size_t kMostPieces = 256;
    if (dirtyWhole_) return;
    if (dirtyPieces_.size() < kMostPieces)
        dirtyPieces_.push_back(r);
    else
        dirtyWhole_ = true;
}

void SceneSurface::markAllDirty() {
    dirty_ = image_.rect();
    dirtyPieces_.clear();
    dirtyWhole_ = true;
}

void SceneSurface::clearWith(QPainter& p) {
    // The whole surface, not only the first 1200 x 1200 pixels: a big monitor must
    // not keep stale pixels at its right or bottom.
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.fillRect(image_.rect(), Qt::black);
}

void SceneSurface::Clear() {
    QPainter p(&image_);
    clearWith(p);
    markAllDirty();
}

void SceneSurface::ClearToBackground() {
    QPainter p(&image_);
    PreparePainter(p);
    clearWith(p);
    if (backgroundShown_) {
        // The welcome picture fills the whole window, whatever its size: scaled
        // without distortion until it covers both sides, centred, the overhang cut.
        const QSize window(windowWidth_, windowHeight_);
        if (!window.isEmpty() && !background_.isNull()) {
            if (coverFor_ != window || coverKey_ != background_.cacheKey()) {
                coverPicture_ = background_.scaled(window, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
                coverFor_ = window;
                coverKey_ = background_.cacheKey();
            }
            const QPoint at((window.width() - coverPicture_.width()) / 2, (window.height() - coverPicture_.height()) / 2);
            p.setClipRect(QRect(QPoint(0, 0), window));
            p.drawImage(at, coverPicture_);
        }
    }
    markAllDirty();
}

void SceneSurface::drawStaticPart(QPainter& p, const Scene& scene, QPoint backgroundAt) {
    clearWith(p);
    if (backgroundShown_) p.drawImage(backgroundAt, background_);
    DrawDampingFields(p, scene, dots_, image_.size());
    if (scene.settings.ShowCoordinate) drawGrid(p, scene);
    DrawGravitySign(p, scene, fonts_);
    DrawGravityMasses(p, scene, fonts_);
    DrawPointCharges(p, scene, fonts_);
    DrawElectricFields(p, scene);
    DrawMagneticFields(p, scene, image_.size());
    DrawStraightTracks(p, scene);
    DrawCircularTracks(p, scene);
}

void SceneSurface::FullRedraw(Scene& scene, EditorSelection selection) {
    {
        QPainter p(&image_);
        PreparePainter(p);
        clearWith(p);
        if (backgroundShown_) p.drawImage(QPoint(0, 0), background_);
        DrawDampingFields(p, scene, dots_, image_.size());
        if (scene.settings.ShowCoordinate) drawGrid(p, scene);
        DrawGravitySign(p, scene, fonts_);
        // Once more so that the outlines lie over the grid; the dots add up.
        DrawDampingFields(p, scene, dots_, image_.size());
        DrawGravityMasses(p, scene, fonts_);
        DrawPointCharges(p, scene, fonts_);
        DrawElectricFields(p, scene);
        DrawMagneticFields(p, scene, image_.size());
        DrawStraightTracks(p, scene);
        DrawCircularTracks(p, scene);
    }
    // Every backdrop is saved before any sprite is stamped, so a backdrop never
    // holds another ball's picture.
    ForEachBall(scene, [&](Ball& b) {
        ResetBallToInitial(b, scene.view);
        SavePixels(b.screenX, b.screenY, b.backdrop, b.sprite, b.pixelCount);
    });
    ForEachBall(scene, [&](Ball& b) { PutPixels(b.screenX, b.screenY, b.sprite, b.pixelCount); });
    {
        QPainter p(&image_);
        PreparePainter(p);
        if (!scene.Running) DrawInitialVelocityArrows(p, scene);
        DrawAllConnectors(p, scene);
        if (!scene.Running) DrawSelectedBallCircle(p, scene);
        DrawRemarksRecording(p, scene);
        DrawSelectionOutline(p, scene, selection);
    }
    RefreshPresenceSwitches(scene);
    markAllDirty();
}

void SceneSurface::StaticRedraw(const Scene& scene) {
    QPainter p(&image_);
    PreparePainter(p);
    drawStaticPart(p, scene, QPoint(0, 0));
    DrawRemarks(p, scene);
    markAllDirty();
}

void SceneSurface::RunRepaint(Scene& scene) {
    {
        QPainter p(&image_);
        PreparePainter(p);
        // During a run the background sits 32 pixels lower than in the other passes.
        drawStaticPart(p, scene, QPoint(0, 32));
        DrawRemarks(p, scene);
    }
    ForEachBall(scene, [&](Ball& b) { SavePixels(b.screenX, b.screenY, b.backdrop, b.sprite, b.pixelCount); });
    ForEachBall(scene, [&](Ball& b) { PutPixels(b.screenX, b.screenY, b.sprite, b.pixelCount); });
    {
        QPainter p(&image_);
        PreparePainter(p);
        DrawAllConnectors(p, scene);
    }
    markAllDirty();
}

void SceneSurface::DrawGrid(const Scene& scene) {
    QPainter p(&image_);
    PreparePainter(p);
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

void SceneSurface::ToggleAxes(int originX, int originY) {
    const QRgb grey = qRgb(180, 180, 180);
    PlotLine(image_, QPoint(0, originY), QPoint(extentX(), originY), grey, true);
    PlotLine(image_, QPoint(originX, 0), QPoint(originX, extentY()), grey, true);
    markDirty(QRect(0, originY, extentX(), 1));
    markDirty(QRect(originX, 0, 1, extentY()));
}

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

void SceneSurface::DrawConnectors(const Scene& scene) {
    QPainter p(&image_);
    PreparePainter(p);
    DrawAllConnectors(p, scene);
    markAllDirty();
}

void SceneSurface::DrawTimeBox(const Scene& scene) {
    const int W = windowWidth_;
    QPainter p(&image_);
    PreparePainter(p);
    QPen pen(QColor(255, 255, 0));
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.setBrush(QColor(50, 80, 120));
    const QRect box = BoxFromEdges(W - 100, 34, W - 10, 58);
    p.drawRect(box);
    p.setFont(fonts_.main);
    p.setPen(fonts_.mainColour);
    const QFontMetrics fm(fonts_.main);
    p.setBackgroundMode(Qt::OpaqueMode);
    p.setBackground(QColor(50, 80, 120));
    p.drawText(QPoint(W - 96, 35 + fm.ascent()), TimeBoxText(scene.RunTime));
    p.setBackgroundMode(Qt::TransparentMode);
    p.drawText(QPoint(W - 36, 38 + fm.ascent()), QStringLiteral("S"));
    markDirty(box.adjusted(0, 0, 1, 1).united(QRect(W - 96, 35, 90, fm.height())));
}

void ResizeView(SceneSurface& surface, Scene& scene, bool projectOpen, int windowWidth, int windowHeight,
                EditorSelection selection) {
    surface.setWindowSize(windowWidth, windowHeight);
    if (!projectOpen) {
        surface.ClearToBackground();
    } else if (scene.Running) {
        surface.StaticRedraw(scene);
        scene.RedrawPending = 1;
    } else {
        surface.FullRedraw(scene, selection);
        scene.RedrawPending = 0;
    }
}

}  // namespace mb

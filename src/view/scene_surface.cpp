#include "view/scene_surface.h"

#include <QPainter>
#include <algorithm>

#include "view/glyph_kit.h"

namespace mb {
namespace {

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

}  // namespace

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
    glyph_kit::PreparePainter(p);
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

void SceneSurface::ToggleAxes(int originX, int originY) {
    const QRgb grey = qRgb(180, 180, 180);
    PlotLine(image_, QPoint(0, originY), QPoint(extentX(), originY), grey, true);
    PlotLine(image_, QPoint(originX, 0), QPoint(originX, extentY()), grey, true);
    markDirty(QRect(0, originY, extentX(), 1));
    markDirty(QRect(originX, 0, 1, extentY()));
}

}  // namespace mb

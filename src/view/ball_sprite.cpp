#include "view/ball_sprite.h"

#include <QCoreApplication>
#include <QFont>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "view/raster.h"
#include "view/scene_surface.h"
#include "view/table_walk.h"

namespace mb {
namespace {

int Channel(int value) { return std::clamp(value, 0, 255); }

// One channel of the shading: darker with the distance d from the highlight, never
// fully dark (48 is added after clipping at 0).
int Shade(int full, int step, double d) {
    const double raw = full - step * d;
    int v = raw <= 0 ? 0 : static_cast<int>(raw);
    v += 48;
    return v > 255 ? 255 : v;
}

}  // namespace

QImage BallPreviewTemplate() {
    QImage image(kPreviewWidth, kPreviewHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(14);
    f.setStyleStrategy(QFont::NoAntialias);
    p.setFont(f);
    p.setPen(QColor(128, 128, 128));
    p.drawText(QRect(0, 0, kPreviewWidth, kPreviewHeight), Qt::AlignLeft | Qt::AlignTop, QCoreApplication::translate("TForm4", "Show"));
    return image;
}

int PreviewRadius(double radius, double metresPerPixel) {
    const double v = radius / metresPerPixel + 1.0;
    if (std::isnan(v)) return 3;
    if (v >= kMaxPreviewRadius + 1) return kMaxPreviewRadius;
    const int r = static_cast<int>(std::max(v, 0.0));
    return std::clamp(r, 3, kMaxPreviewRadius);
}

int DrawShadedBall(QImage& image, double radius, double metresPerPixel, int red, int green, int blue,
                   PixelList* sprite) {
    if (image.format() != QImage::Format_RGB32) image = image.convertToFormat(QImage::Format_RGB32);
    const int cx = kPreviewCentreX, cy = kPreviewCentreY;
    const int r = PreviewRadius(radius, metresPerPixel);
    const int pR = Channel(red), pG = Channel(green), pB = Channel(blue);
    const int hx = cx - r / 5, hy = cy - r / 5;
    const int span = r + r / 5;
    const int sR = pR / span, sG = pG / span, sB = pB / span;
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QColor(100, 100, 100));
        p.setBrush(QColor(10, 10, 10));
        p.drawEllipse(BoxFromEdges(cx - r, cy - r, cx + r, cy + r));
    }
    int count = 0;
    for (int x = cx - (r + 2); x <= cx + (r + 2); ++x) {
        for (int y = cy - (r + 2); y <= cy + (r + 2); ++y) {
            if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) continue;
            QRgb& px = reinterpret_cast<QRgb*>(image.scanLine(y))[x];
            if ((px & 0x00ffffffu) == 0) continue;
            const double d = std::sqrt(double((x - hx) * (x - hx) + (y - hy) * (y - hy)));
            const int vR = Shade(pR, sR, d), vG = Shade(pG, sG, d), vB = Shade(pB, sB, d);
            px = qRgb(vR, vG, vB);
            if (sprite && count < kPixelListCapacity) {
                PixelEntry& e = (*sprite)[static_cast<std::size_t>(count)];
                e.dx = static_cast<std::int8_t>(x - cx);
                e.dy = static_cast<std::int8_t>(y - cy);
                e.red = static_cast<std::uint8_t>(vR);
                e.green = static_cast<std::uint8_t>(vG);
                e.blue = static_cast<std::uint8_t>(vB);
            }
            ++count;
        }
    }
    return std::min(count, kPixelListCapacity);
}

int RecordBallSprite(Ball& ball, double metresPerPixel, QImage* image) {
    QImage scratch;
    QImage& target = image ? *image : scratch;
    // Only the ball's own pixels may be kept: the picture starts black.
    if (target.isNull() || target.size() != QSize(kPreviewWidth, kPreviewHeight))
        target = QImage(kPreviewWidth, kPreviewHeight, QImage::Format_RGB32);
    target.fill(Qt::black);
    ball.pixelCount = DrawShadedBall(target, ball.R, metresPerPixel, ball.red, ball.green, ball.blue, &ball.sprite);
    ball.spriteReach = PixelListReach(ball.sprite, ball.pixelCount);
    return ball.pixelCount;
}

void DeriveBall(Ball& ball, const ViewScale& view) {
    DeriveBallScreen(ball, view);
    RecordBallSprite(ball, view.MetresPerPixel);
}

void DeriveEveryBall(Scene& scene) {
    ForEachInUse(scene.balls, [&](Ball& b, int) { DeriveBall(b, scene.view); });
}

}  // namespace mb

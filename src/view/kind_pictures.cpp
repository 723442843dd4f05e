#include "view/kind_pictures.h"

#include <QPainter>
#include <QPolygon>
#include <memory>
#include <random>

#include "scene/element_kinds.h"
#include "view/ball_sprite.h"
#include "view/glyphs.h"

namespace mb {
namespace {

// A ball of `radius` pixels at (x, y) world metres, its sprite recorded.
int PutBall(Scene& s, double x, double y, double radius, int red, int green, int blue) {
    BallInit init;
    init.x0 = x;
    init.y0 = y;
    init.R = radius;
    const int j = AddBall(s, init);
    if (j < 0) return j;
    Ball& b = s.balls[j];
    b.red = red;
    b.green = green;
    b.blue = blue;
    DeriveBall(b, s.view);
    return j;
}

void StampBalls(QImage& image, const Scene& s) {
    for (int j = 0; j < s.ballCount(); ++j) {
        const Ball& b = s.balls[j];
        for (int k = 0; k < b.pixelCount; ++k) {
            const PixelEntry& e = b.sprite[static_cast<std::size_t>(k)];
            const int x = b.screenX + e.dx, y = b.screenY + e.dy;
            if (image.rect().contains(x, y)) image.setPixel(x, y, qRgb(e.red, e.green, e.blue));
        }
    }
}

void SelectionArrow(QPainter& p, QSize size) {
    const int cx = size.width() / 2 - 4, top = 3;
    const QPolygon arrow({QPoint(cx, top), QPoint(cx, top + 16), QPoint(cx + 4, top + 12), QPoint(cx + 7, top + 18),
                          QPoint(cx + 9, top + 17), QPoint(cx + 6, top + 11), QPoint(cx + 11, top + 11)});
    p.setPen(QColor(0, 0, 0));
    p.setBrush(QColor(255, 255, 255));
    p.drawPolygon(arrow);
}

}  // namespace

QImage KindPicture(ElementKind kind, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(kind == ElementKind::None ? QColor(150, 150, 150) : QColor(0, 0, 0));
    // A small scene of its own, one metre to the pixel, origin in the middle. The
    // scene is large (every ball carries its pixel lists), so it lives on the heap.
    auto scene = std::make_unique<Scene>();
    Scene& s = *scene;
    s.view.OriginX = size.width() / 2;
    s.view.OriginY = size.height() / 2;
    s.view.MetresPerPixel = 1.0;
    const double w = size.width() / 2.0 - 10, h = size.height() / 2.0 - 8;
    SurfaceFonts fonts;
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    switch (kind) {
        case ElementKind::None: SelectionArrow(p, size); break;
        case ElementKind::Ball:
            PutBall(s, 0, 0, 14, 100, 255, 100);
            StampBalls(image, s);
            break;
        case ElementKind::PointCharge:
            s.pointCharges[0] = {0, 0, 1};
            DrawPointCharges(p, s, fonts);
            break;
        case ElementKind::GravityMass:
            s.gravityMasses[0] = {0, 0, 1};
            DrawGravityMasses(p, s, fonts);
            break;
        case ElementKind::ElectricField:
            s.electricFields[0] = {-w, -h, w, h, 0.5, 1};
            DrawElectricFields(p, s);
            break;
        case ElementKind::MagneticField:
            s.magneticFields[0] = {-w, -h, w, h, -1, 1};
            DrawMagneticFields(p, s, size);
            break;
        case ElementKind::Damping: {
            s.dampingFields[0] = {-w, -h, w, h, 1, 1, 0};
            std::minstd_rand dots(7);
            DrawDampingFields(p, s, dots, size);
            break;
        }
        case ElementKind::StraightTrack:
            s.straightTracks[0] = MakeStraightTrack(-w, -h, w, h);
            DrawStraightTracks(p, s);
            break;
        case ElementKind::CircularTrack:
            s.circularTracks[0] = {0, -h, 0.4, 2.7, 2 * h - 2, 0, 0};
            DrawCircularTracks(p, s);
            break;
        case ElementKind::Remark: {
            Remark& r = s.remarks[0];
            r.text = "Remark";
            r.fontColour = PackColour(255, 255, 255);
            r.fontHeight = 15;
            r.fontName = "Liberation Sans";
            r.x = size.width() / 2 - 24;
            r.y = size.height() / 2 - 9;
            DrawRemarks(p, s);
            break;
        }
        default:
            if (IsHangingKind(kind)) {
                const int b = PutBall(s, -w / 2, -h / 2, 8, 255, 200, 100);
                VisitTable(s, kind, [&](auto& t) {
                    if constexpr (std::is_same_v<std::decay_t<decltype(t[0])>, HangingConnector>)
                        t[0] = {w / 2, h / 2, 10, 1, 0, double(b)};
                });
            } else if (IsLinkKind(kind)) {
                const int a = PutBall(s, -w / 2, h / 3, 7, 255, 200, 100);
                const int b = PutBall(s, w / 2, -h / 3, 7, 100, 200, 255);
                VisitTable(s, kind, [&](auto& t) {
                    if constexpr (std::is_same_v<std::decay_t<decltype(t[0])>, LinkConnector>)
                        t[0] = {double(a), double(b), 10, 1, 0};
                });
            }
            StampBalls(image, s);
            DrawAllConnectors(p, s);
            break;
    }
    return image;
}

}  // namespace mb

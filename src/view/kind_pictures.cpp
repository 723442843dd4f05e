#include "view/kind_pictures.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPolygon>
#include <memory>
#include <random>
#include <type_traits>

#include "scene/element_kinds.h"
#include "view/ball_sprite.h"
#include "view/glyphs.h"
#include "view/table_walk.h"

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
    ForEachInUse(s.balls, [&](const Ball& b, int) {
        for (int k = 0; k < b.pixelCount; ++k) {
            const PixelEntry& e = b.sprite[static_cast<std::size_t>(k)];
            const int x = b.screenX + e.dx, y = b.screenY + e.dy;
            if (image.rect().contains(x, y)) image.setPixel(x, y, qRgb(e.red, e.green, e.blue));
        }
    });
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
    if (kind == ElementKind::None) {
        image.fill(QColor(150, 150, 150));
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, false);
        SelectionArrow(p, size);
        return image;
    }
    image.fill(QColor(0, 0, 0));
    if (!HasTable(kind)) return image;
    // A small scene of its own, one metre to the pixel, origin in the middle. The
    // scene is large (every ball carries its pixel lists), so it lives on the heap.
    auto scene = std::make_unique<Scene>();
    Scene& s = *scene;
    s.view.OriginX = size.width() / 2;
    s.view.OriginY = size.height() / 2;
    s.view.MetresPerPixel = 1.0;
    const double w = size.width() / 2.0 - 10, h = size.height() / 2.0 - 8;
    // One element of the kind, with the balls a connector needs, placed through
    // the kind's own table.
    VisitTable(s, kind, [&](auto& table) {
        using R = std::decay_t<decltype(table[0])>;
        if constexpr (std::is_same_v<R, Ball>) {
            PutBall(s, 0, 0, 14, 100, 255, 100);
        } else if constexpr (std::is_same_v<R, PointChargeField> || std::is_same_v<R, GravityMass>) {
            table[0] = {0, 0, 1};
        } else if constexpr (std::is_same_v<R, UniformElectricField>) {
            table[0] = {-w, -h, w, h, 0.5, 1};
        } else if constexpr (std::is_same_v<R, UniformMagneticField>) {
            table[0] = {-w, -h, w, h, -1, 1};
        } else if constexpr (std::is_same_v<R, DampingField>) {
            table[0] = {-w, -h, w, h, 1, 1, 0};
        } else if constexpr (std::is_same_v<R, StraightTrack>) {
            table[0] = MakeStraightTrack(-w, -h, w, h);
        } else if constexpr (std::is_same_v<R, CircularTrack>) {
            table[0] = {0, -h, 0.4, 2.7, 2 * h - 2, 0, 0};
        } else if constexpr (std::is_same_v<R, Remark>) {
            Remark& r = table[0];
            r.text = QCoreApplication::translate("TForm31", "Remark").toStdString();
            r.fontColour = PackColour(255, 255, 255);
            r.fontHeight = 15;
            r.fontName = "Liberation Sans";
            r.x = size.width() / 2 - 24;
            r.y = size.height() / 2 - 9;
        } else if constexpr (std::is_same_v<R, HangingConnector>) {
            const int b = PutBall(s, -w / 2, -h / 2, 8, 255, 200, 100);
            table[0] = {w / 2, h / 2, 10, 1, 0, double(b)};
        } else if constexpr (std::is_same_v<R, LinkConnector>) {
            const int a = PutBall(s, -w / 2, h / 3, 7, 255, 200, 100);
            const int b = PutBall(s, w / 2, -h / 3, 7, 100, 200, 255);
            table[0] = {double(a), double(b), 10, 1, 0};
        }
    });
    // Drawn as a pass draws a scene; the tables left empty draw nothing.
    SurfaceFonts fonts;
    std::minstd_rand dots(7);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    DrawDampingFields(p, s, dots, size);
    DrawGravityMasses(p, s, fonts);
    DrawPointCharges(p, s, fonts);
    DrawElectricFields(p, s);
    DrawMagneticFields(p, s, size);
    DrawStraightTracks(p, s);
    DrawCircularTracks(p, s);
    StampBalls(image, s);
    DrawAllConnectors(p, s);
    DrawRemarks(p, s);
    return image;
}

}  // namespace mb

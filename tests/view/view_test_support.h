// Small helpers shared by the view tests: scenes on the heap (a Scene holds the
// balls' pixel lists) and pixel queries.
#pragma once

#include <QImage>
#include <QPainter>
#include <memory>

#include "scene/scene.h"
#include "view/ball_sprite.h"

namespace mb::test {

inline std::unique_ptr<Scene> EmptyScene(bool grid = false) {
    auto s = std::make_unique<Scene>();
    ResetScene(*s);
    s->settings.ShowCoordinate = grid ? 1 : 0;
    return s;
}

inline QRgb Rgb(const QImage& im, int x, int y) { return im.pixel(x, y) & 0x00ffffffu; }
inline QRgb Colour(int r, int g, int b) { return qRgb(r, g, b) & 0x00ffffffu; }

inline int CountColour(const QImage& im, QRect area, QRgb colour) {
    int n = 0;
    area = area.intersected(im.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += Rgb(im, x, y) == colour;
    return n;
}

inline QImage BlackSurface(int w = 1200, int h = 1200) {
    QImage im(w, h, QImage::Format_RGB32);
    im.fill(Qt::black);
    return im;
}

// A ball at world (x0, y0) with radius R, coloured and with its picture derived.
inline Ball& AddBall(Scene& s, double x0, double y0, double R, int r = 100, int g = 255, int b = 100) {
    Ball& ball = s.balls[mb::AddBall(s, {.x0 = x0, .y0 = y0, .R = R})];
    ball.red = r;
    ball.green = g;
    ball.blue = b;
    DeriveBall(ball, s.view);
    return ball;
}

}  // namespace mb::test

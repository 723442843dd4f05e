// Draws the program's default background picture, the welcome screen shown while
// no project is open, and writes it as an 8-bit bitmap.
//   make_ground <output.bmp>
#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kWidth = 1000;
constexpr int kHeight = 640;

void DrawTrajectories(QPainter& p) {
    // Projectiles thrown from one point at several angles, drawn as the dotted
    // traces a run leaves behind.
    const double g = 9.8, v = 50.0;
    const QColor colours[] = {QColor(255, 200, 60), QColor(120, 220, 255), QColor(255, 110, 150),
                              QColor(150, 255, 140)};
    int c = 0;
    for (double deg : {30.0, 45.0, 60.0, 75.0}) {
        const double a = deg * M_PI / 180.0;
        p.setPen(Qt::NoPen);
        p.setBrush(colours[c++ % 4]);
        for (double t = 0.0;; t += 0.18) {
            const double x = v * std::cos(a) * t, y = v * std::sin(a) * t - 0.5 * g * t * t;
            if (y < 0.0 && t > 0.0) break;
            p.drawEllipse(QPointF(500 + 1.6 * x, 580 - 1.6 * y), 2.2, 2.2);
        }
    }
    // A ball on a circular orbit about a fixed mass.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(200, 200, 255, 120), 1, Qt::DashLine));
    p.drawEllipse(QPointF(840, 170), 90, 90);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 230, 120));
    p.drawEllipse(QPointF(840, 170), 12, 12);
    QRadialGradient shade(QPointF(926, 140), 14, QPointF(922, 136));
    shade.setColorAt(0, Qt::white);
    shade.setColorAt(1, QColor(40, 120, 255));
    p.setBrush(shade);
    p.drawEllipse(QPointF(928, 145), 11, 11);
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_ground <output.bmp>\n");
        return 2;
    }
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.fillRect(image.rect(), QColor(6, 8, 26));

    p.setPen(QColor(30, 36, 70));
    for (int x = 0; x < kWidth; x += 40) p.drawLine(x, 0, x, kHeight);
    for (int y = 0; y < kHeight; y += 40) p.drawLine(0, y, kWidth, y);

    p.setRenderHint(QPainter::Antialiasing, true);
    DrawTrajectories(p);

    QFont title("DejaVu Sans");
    title.setPixelSize(64);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(255, 255, 0));
    p.drawText(60, 150, "Motionbench");
    QFont sub("DejaVu Sans");
    sub.setPixelSize(22);
    p.setFont(sub);
    p.setPen(QColor(200, 210, 255));
    p.drawText(64, 195, "A laboratory of mechanics and electromagnetism");
    sub.setPixelSize(17);
    p.setFont(sub);
    p.setPen(QColor(160, 170, 200));
    p.drawText(64, 260, "File \u2192 New project: place the origin, choose the scale, build.");
    p.drawText(64, 288, "File \u2192 Open project: try one of the examples.");
    p.drawText(64, 316, "Help \u2192 How to use: the user guide.");
    p.end();

    // 8 bits a pixel keep the file small; the picture has few colours.
    const QImage indexed = image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    if (!indexed.save(QString::fromLocal8Bit(argv[1]), "BMP")) {
        std::fprintf(stderr, "make_ground: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}

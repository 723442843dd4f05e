// The drawing surface of the main window and the passes that paint a scene on it.
//
// The surface is a persistent RGB32 image, never smaller than 1200 x 1200 pixels
// and grown with the window, so a big monitor is cleared and drawn entirely. Every
// pass draws straight into it and widens a dirty rectangle; the widget that shows
// it copies only that rectangle and then takes it.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QRegion>
#include <QString>
#include <random>
#include <array>
#include <vector>

#include "scene/scene.h"

class QPainter;

namespace mb {

// What the editor has selected: the kind code and the index in that kind's table.
struct EditorSelection {
    ElementKind kind = ElementKind::None;
    int index = 0;
};

// Fonts the passes borrow from the main window.
struct SurfaceFonts {
    QFont main;       // the main window's font: the time box
    QColor mainColour = QColor(255, 255, 255);
    QFont runButton;  // the Run button's font: the gravity sign and the glyph letters
    QFont gridLabel;  // Arial, italic, 13 pixels: the grid labels
};

class SceneSurface {
public:
    static constexpr int kMinimumSide = 1200;

    SceneSurface();

    // The surface itself (`Image1`), RGB32, at least 1200 x 1200.
    QImage& image() { return image_; }
    const QImage& image() const { return image_; }

    // The main window's width W and height H that the passes use for the grid,
    // the time box and the backdrop test. Grows the surface when W or H exceeds it.
    void setWindowSize(int width, int height);
    int windowWidth() const { return windowWidth_; }
    int windowHeight() const { return windowHeight_; }

    // Background picture. setBackground with a null image clears it.
    void setBackground(const QImage& picture);
    bool loadBackground(const QString& path);  // false (and no picture) on failure
    void clearBackground();
    bool backgroundShown() const { return backgroundShown_; }
    const QImage& background() const { return background_; }

    SurfaceFonts& fonts() { return fonts_; }
    const SurfaceFonts& fonts() const { return fonts_; }

    // Dirty rectangle: the part of the surface changed since the widget last took it.
    QRect dirtyRect() const { return dirty_; }
    QRect takeDirty();
    // The same, as the pieces that changed: a run's tick changes small places all
    // over the surface, and the window need not copy what lies between them.
    QRegion takeDirtyRegion();
    void markDirty(const QRect& rect);
    void markAllDirty();

    // Passes.
    // Complete repaint while no run is in progress, and at run start and stop: puts
    // every ball back to its initial state and refreshes the presence switches.
    void FullRedraw(Scene& scene, EditorSelection selection = {});
    // Everything that does not move during a run.
    void StaticRedraw(const Scene& scene);
    // The whole scene during a run, balls and connectors where they stand now.
    void RunRepaint(Scene& scene);
    // The coordinate grid with its labels.
    void DrawGrid(const Scene& scene);
    // The XOR axes that follow the pointer while a new project's origin is chosen.
    // Drawing them twice at the same origin removes them.
    void ToggleAxes(int originX, int originY);
    // Clears the whole surface black (all of it, also beyond 1200 pixels).
    void Clear();
    // The picture a surface shows while no project is open: the background scaled,
    // without distortion, to cover the whole window.
    void ClearToBackground();

    // Pixel lists. PutPixels writes the first `count` entries of `list` centred on
    // (x, y) when -199 <= x, y < 1600 (or 400 beyond a larger surface's edge);
    // SavePixels reads the screen under `pattern` into `dest` for the same centres,
    // black standing in for pixels off the surface, so lifting a picture always puts
    // back what its stamp covered. Pixels that fall off the surface are never touched.
    void PutPixels(int x, int y, const PixelList& list, int count);
    void SavePixels(int x, int y, PixelList& dest, const PixelList& pattern, int count);
    // PutPixels without marking anything dirty, for a caller that marks a
    // rectangle covering the stamp itself (a move marks all it changed at once).
    void stampPixels(int x, int y, const PixelList& list, int count);

    // The six connector kinds in XOR, in the order of the passes.
    void DrawConnectors(const Scene& scene);
    // The run's time box at the top right (RunTime, 4 significant digits).
    void DrawTimeBox(const Scene& scene);

private:
    // The centres at which PutPixels stamps and SavePixels saves.
    bool stampAccepted(int x, int y) const;
    void clearWith(QPainter& p);
    // The full redraw draws the damping fields a second time, over the grid.
    enum class DampingPasses { Once, AgainOverGrid };
    void drawStaticPart(QPainter& p, const Scene& scene, QPoint backgroundAt, DampingPasses damping);
    // Each ball's backdrop saved and its picture stamped where it stands.
    void stampEveryBall(Scene& scene);
    void drawGrid(QPainter& p, const Scene& scene);
    int extentX() const { return image_.width(); }
    int extentY() const { return image_.height(); }
    // Byte offset of the row dy from a centre, for every 8-bit dy (indexed by its
    // byte): the stamping loops look it up instead of multiplying.
    const qsizetype* rowOffsets();

    QImage image_;
    QImage background_;
    bool backgroundShown_ = false;
    // The background scaled to cover the window, for the picture with no project open.
    QImage coverPicture_;
    QSize coverFor_;
    qint64 coverKey_ = 0;
    int windowWidth_ = kMinimumSide;
    int windowHeight_ = kMinimumSide;
    SurfaceFonts fonts_;
    QRect dirty_;
    std::vector<QRect> dirtyPieces_;  // within dirty_, unless there were too many
    bool dirtyWhole_ = false;          // dirty_ itself is the region
    std::minstd_rand dots_;  // the damping dots; never reseeded, so each drawing places new ones
    std::array<qsizetype, 256> rowOffsets_{};
    qsizetype rowOffsetsFor_ = -1;  // the bytes per line they were made for
};

// The farthest column or row offset of the first `count` entries of a pixel list.
int PixelListReach(const PixelList& list, int count);

// The repaint on a resize of the main window (W x H): the surface follows the
// window; with no project open it shows only the background; during a run the
// static scene is repainted and RedrawPending set so the next tick brings the
// balls back; otherwise a full redraw with RedrawPending cleared.
void ResizeView(SceneSurface& surface, Scene& scene, bool projectOpen, int windowWidth, int windowHeight,
                EditorSelection selection = {});

// The repaints a change of the main window's state can need (which one is the
// project session's rule).
enum class Redraw {
    OriginAxes,   // a black surface with the axes the pointer moves
    StaticScene,  // the curve window computes with the balls: leave them be
    RunRepaint,   // a paused or halted run: the balls stay where they stand
    Full,         // ResizeView: the full redraw, balls back at their start
};
void RedrawAs(Redraw redraw, SceneSurface& surface, Scene& scene, bool projectOpen, int windowWidth,
              int windowHeight, EditorSelection selection = {});

// Grid label text: 3 significant digits, trailing zeros removed ("1e+03", "0.5").
QString GridLabelText(double value);
// Time box text: 4 significant digits.
QString TimeBoxText(double seconds);

}  // namespace mb

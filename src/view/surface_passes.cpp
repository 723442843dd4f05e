#include "view/scene_surface.h"

#include <QFontMetrics>
#include <QPainter>

#include "view/connector_glyphs.h"
#include "view/field_glyphs.h"
#include "view/glyph_kit.h"
#include "view/highlights.h"
#include "view/remark_glyphs.h"
#include "view/table_walk.h"
#include "view/track_glyphs.h"

namespace mb {

using glyph_kit::PreparePainter;

QString TimeBoxText(double seconds) { return QString::asprintf("%.4g", seconds); }

void SceneSurface::drawStaticPart(QPainter& p, const Scene& scene, QPoint backgroundAt, DampingPasses damping) {
    clearWith(p);
    if (backgroundShown_) p.drawImage(backgroundAt, background_);
    DrawDampingFields(p, scene, dots_, image_.size());
    if (scene.settings.ShowCoordinate) drawGrid(p, scene);
    DrawGravitySign(p, scene, fonts_);
    // Once more so that the outlines lie over the grid; the dots add up.
    if (damping == DampingPasses::AgainOverGrid) DrawDampingFields(p, scene, dots_, image_.size());
    DrawGravityMasses(p, scene, fonts_);
    DrawPointCharges(p, scene, fonts_);
    DrawElectricFields(p, scene);
    DrawMagneticFields(p, scene, image_.size());
    DrawStraightTracks(p, scene);
    DrawCircularTracks(p, scene);
}

void SceneSurface::stampEveryBall(Scene& scene) {
    // Every backdrop is saved before any sprite is stamped, so a backdrop never
    // holds another ball's picture.
    ForEachInUse(scene.balls, [&](Ball& b, int) { SavePixels(b.screenX, b.screenY, b.backdrop, b.sprite, b.pixelCount); });
    ForEachInUse(scene.balls, [&](Ball& b, int) { PutPixels(b.screenX, b.screenY, b.sprite, b.pixelCount); });
}

void SceneSurface::FullRedraw(Scene& scene, EditorSelection selection) {
    {
        QPainter p(&image_);
        PreparePainter(p);
        drawStaticPart(p, scene, QPoint(0, 0), DampingPasses::AgainOverGrid);
    }
    ForEachInUse(scene.balls, [&](Ball& b, int) { ResetBallToInitial(b, scene.view); });
    stampEveryBall(scene);
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
    drawStaticPart(p, scene, QPoint(0, 0), DampingPasses::Once);
    DrawRemarks(p, scene);
    markAllDirty();
}

void SceneSurface::RunRepaint(Scene& scene) {
    {
        QPainter p(&image_);
        PreparePainter(p);
        // During a run the background sits 32 pixels lower than in the other passes.
        drawStaticPart(p, scene, QPoint(0, 32), DampingPasses::Once);
        DrawRemarks(p, scene);
    }
    stampEveryBall(scene);
    {
        QPainter p(&image_);
        PreparePainter(p);
        DrawAllConnectors(p, scene);
    }
    markAllDirty();
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

void RedrawAs(Redraw redraw, SceneSurface& surface, Scene& scene, bool projectOpen, int windowWidth,
              int windowHeight, EditorSelection selection) {
    if (redraw == Redraw::Full) {
        ResizeView(surface, scene, projectOpen, windowWidth, windowHeight, selection);
        return;
    }
    surface.setWindowSize(windowWidth, windowHeight);
    switch (redraw) {
        case Redraw::OriginAxes:
            // The surface is black with the XOR axes; a repaint must leave exactly
            // one pair of them for the next move to erase.
            surface.Clear();
            surface.ToggleAxes(scene.view.OriginX, scene.view.OriginY);
            break;
        case Redraw::StaticScene:
            // A full redraw would put the balls back to their start in the middle of
            // the curve's computation: the static scene only.
            surface.StaticRedraw(scene);
            break;
        case Redraw::RunRepaint:
            // A paused or halted run keeps its balls where they stand: repaint them
            // there instead of the full redraw that would put them back to the start.
            surface.RunRepaint(scene);
            scene.RedrawPending = 0;
            break;
        case Redraw::Full: break;
    }
}

}  // namespace mb

// The glyphs of the field elements: damping regions with their random dots, the
// gravity sign, gravity masses and point charges, uniform electric fields with
// their field lines and uniform magnetic fields with their symbols. Each routine
// draws every in-use record of its table with an open painter on the surface.
#pragma once

#include <QSize>
#include <random>

#include "scene/scene.h"
#include "view/scene_surface.h"

class QPainter;

namespace mb {

// The ring of a gravity mass or a point charge, in pixels.
inline constexpr int kRoundElementRadius = 6;

// The number of random dots a damping region of w x h pixels gets per drawing.
int DampingDotCount(double w, double h);

void DrawDampingFields(QPainter& p, const Scene& scene, std::minstd_rand& dots, QSize surface);
void DrawGravitySign(QPainter& p, const Scene& scene, const SurfaceFonts& fonts);
void DrawGravityMasses(QPainter& p, const Scene& scene, const SurfaceFonts& fonts);
void DrawPointCharges(QPainter& p, const Scene& scene, const SurfaceFonts& fonts);
void DrawElectricFields(QPainter& p, const Scene& scene);
void DrawMagneticFields(QPainter& p, const Scene& scene, QSize surface);

}  // namespace mb

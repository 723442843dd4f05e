// The shaded picture of a ball: the preview of the Moving object dialog and the
// sprite the surface stamps at the ball's screen position.
#pragma once

#include <QImage>

#include "scene/scene.h"

namespace mb {

// Size of the dialog's preview picture and the ball's centre in it.
inline constexpr int kPreviewWidth = 116;
inline constexpr int kPreviewHeight = 90;
inline constexpr int kPreviewCentreX = 58;
inline constexpr int kPreviewCentreY = 45;
// The dialog refuses a radius above kMaxBallPixelRadius; the preview draws one
// pixel more generously, so no picture is ever wider than that plus one.
inline constexpr int kMaxPreviewRadius = kMaxBallPixelRadius + 1;

// The template the preview starts from: black with the word "Show" in grey.
QImage BallPreviewTemplate();

// Preview radius of a ball of `radius` metres: trunc(radius / scale + 1), at
// least 3, and never above kMaxPreviewRadius (also for values that are not finite).
int PreviewRadius(double radius, double metresPerPixel);

// Draws the shaded ball into `image` (a 116 x 90 preview) over what it shows,
// shading every non-black pixel of the ball's square. Returns the pixels shaded.
// With `sprite` given, also records them as (dx, dy, red, green, blue) entries.
int DrawShadedBall(QImage& image, double radius, double metresPerPixel, int red, int green, int blue,
                   PixelList* sprite = nullptr);

// The recording step of the dialog's Ok: paints `image` black, draws the ball from
// its own R and colour, and stores the sprite and pixel count in the ball. `image`
// may be null (a scratch picture is used). Returns the pixel count.
int RecordBallSprite(Ball& ball, double metresPerPixel, QImage* image = nullptr);

// The fields the dialog's Ok derives for a ball: packed colour, screen position,
// pixel radius (at least 3) and sprite.
void DeriveBall(Ball& ball, const ViewScale& view);

// DeriveBall for each ball in table order while it is in use (at most 30), from
// its stored values and the scale: what opening a project does once the file is
// read. A radius the dialog would refuse keeps its physics; its picture is drawn
// at the nearest size allowed, and never with more than 4000 entries.
void DeriveEveryBall(Scene& scene);

}  // namespace mb

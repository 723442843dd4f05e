#include "scene/view_zoom.h"

#include <gtest/gtest.h>


namespace mb {
namespace {

// A view change that would put a ball beyond every pixel is refused: the
// project could not be read back with it.
TEST(ViewZoom, NoBallIsTakenBeyondEveryPixel) {
    Scene s;
    ResetScene(s);
    s.view = {0, 0, 1.0};
    AddBall(s, {.x0 = 1.5e9, .M0 = 1, .R = 1}, "far");
    const struct {
        const char* what;
        ZoomResult result;
        ZoomRefusal refusal;
    } cases[] = {
        {"zoom in about the origin doubles its 1.5e9 pixels", ZoomedView(s, 2.0, {0, 0}), ZoomRefusal::OutOfRange},
        {"zoom out halves them", ZoomedView(s, 0.5, {0, 0}), ZoomRefusal::None},
        {"a pan by a pixel keeps it within reach", PannedView(s, -1, 0), ZoomRefusal::None},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.result.refusal, c.refusal);
        if (!c.result.ok()) {
            EXPECT_EQ(c.result.view.MetresPerPixel, s.view.MetresPerPixel);
        }
        EXPECT_TRUE(c.result.view.holdsBallAt(s.balls[0].x0, s.balls[0].y0));
    }
}

}  // namespace
}  // namespace mb

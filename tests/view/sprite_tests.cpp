#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "view/scene_surface.h"
#include "view_test_support.h"

namespace mb::test {
namespace {

TEST(BallSprite, PreviewRadiusAndLimits) {
    const struct {
        double radius, scale;
        int expected;
    } cases[] = {
        {15, 0.5, 31},   // the largest radius the dialog accepts at 0.5 m per pixel
        {0, 0.5, 3},     // a ball of radius 0 still gets the smallest picture
        {1, 0.5, 3},     // trunc(2 + 1) = 3
        {2, 0.5, 5},
        {100, 0.5, kMaxPreviewRadius},  // too large: held to the largest picture
        {-4, 0.5, 3},
        {std::numeric_limits<double>::infinity(), 1, kMaxPreviewRadius},
        {std::nan(""), 1, 3},
        {1, 0, kMaxPreviewRadius},
    };
    for (const auto& c : cases) EXPECT_EQ(PreviewRadius(c.radius, c.scale), c.expected) << c.radius << " m at " << c.scale;
}

TEST(BallSprite, RecordingKeepsOnlyTheBallsOwnShadedPixels) {
    Ball b{};
    b.R = 15;
    b.red = 255;
    b.green = 128;
    b.blue = 0;
    QImage shown = BallPreviewTemplate();
    const int count = RecordBallSprite(b, 0.5, &shown);
    EXPECT_EQ(count, b.pixelCount);
    // A disc of radius 31 has about pi * 31^2 = 3019 pixels, within the 4000 the list holds.
    EXPECT_GT(count, 2900);
    EXPECT_LE(count, 3200);
    int minDx = 99, maxDx = -99;
    for (int i = 0; i < count; ++i) {
        const PixelEntry& e = b.sprite[i];
        minDx = std::min<int>(minDx, e.dx);
        maxDx = std::max<int>(maxDx, e.dx);
        // Every channel is at least 48 and the pixel is not black.
        ASSERT_GE(e.red, 48);
        ASSERT_GE(e.blue, 48);
        ASSERT_EQ(Rgb(shown, kPreviewCentreX + e.dx, kPreviewCentreY + e.dy), Colour(e.red, e.green, e.blue));
    }
    EXPECT_EQ(minDx, -31);
    EXPECT_EQ(maxDx, 30);
    // The reach kept with the sprite is that of its entries.
    EXPECT_EQ(b.spriteReach, PixelListReach(b.sprite, count));
    EXPECT_EQ(b.spriteReach, 31);
    // The highlight up-left of the centre is brighter than the lower right rim.
    const auto brightness = [&](int dx, int dy) { return qRed(shown.pixel(kPreviewCentreX + dx, kPreviewCentreY + dy)); };
    EXPECT_GT(brightness(-6, -6), brightness(20, 20));
    EXPECT_EQ(brightness(-6, -6), 255);
}

TEST(BallSprite, PreviewShadesTheTemplatesLettersNearTheBall) {
    QImage preview = BallPreviewTemplate();
    const int greyBefore = CountColour(preview, preview.rect(), Colour(128, 128, 128));
    ASSERT_GT(greyBefore, 20);
    // A small ball leaves the letters in the corner as they are.
    const int small = DrawShadedBall(preview, 0, 1, 100, 255, 100);
    EXPECT_EQ(CountColour(preview, preview.rect(), Colour(128, 128, 128)), greyBefore);
    // A large one shades every non-black pixel in its square, letters included.
    QImage big = BallPreviewTemplate();
    const int large = DrawShadedBall(big, 30, 1, 100, 255, 100);
    EXPECT_LT(CountColour(big, big.rect(), Colour(128, 128, 128)), greyBefore);
    EXPECT_GT(large, small);
}

TEST(BallSprite, DeriveEveryBallOfAProject) {
    auto s = EmptyScene();
    s->view.MetresPerPixel = 0.5;
    s->view.OriginX = 100;
    s->view.OriginY = 100;
    const struct {
        double x0, y0, R;
    } balls[] = {{10, -10, 15}, {0, 0, 100}, {0, 0, -1}, {0, 0, 0}};
    for (int j = 0; j < 4; ++j) {
        Ball& b = s->balls[j];
        b.M0 = 2;
        b.x0 = balls[j].x0;
        b.y0 = balls[j].y0;
        b.R = balls[j].R;
        b.red = 10;
        b.green = 20;
        b.blue = 30;
        b.pixelCount = 123456;  // whatever a damaged file said
    }
    s->balls[5].M0 = 1;  // after the first unused slot: not part of the scene
    DeriveEveryBall(*s);
    const Ball& b0 = s->balls[0];
    EXPECT_EQ(b0.screenX, 120);
    EXPECT_EQ(b0.screenY, 120);
    EXPECT_EQ(b0.pixelRadius, 30);
    EXPECT_EQ(b0.colour, 10 + 256 * 20 + 65536 * 30);
    for (int j = 0; j < 4; ++j) {
        EXPECT_GT(s->balls[j].pixelCount, 0);
        EXPECT_LE(s->balls[j].pixelCount, kPixelListCapacity);
    }
    // The too-large ball keeps its physics and true size on screen, with the largest picture.
    EXPECT_EQ(s->balls[1].R, 100);
    EXPECT_EQ(s->balls[1].pixelRadius, 200);
    EXPECT_EQ(s->balls[1].pixelCount, s->balls[0].pixelCount);
    EXPECT_EQ(s->balls[3].pixelRadius, 3);
    EXPECT_EQ(s->balls[5].pixelCount, 0);
}

}  // namespace
}  // namespace mb::test

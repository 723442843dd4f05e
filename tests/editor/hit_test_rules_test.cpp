// Each hit rule at the last pixel inside and the first pixel outside.
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <memory>

#include "editor/hit_tests.h"
#include "scene/element_kinds.h"

namespace mb {
namespace {

struct HitCase {
    const char* what;
    std::function<ElementRef(Scene&)> put;  // puts the element, returns it
    Pixel inside, outside;
};

// Origin (200, 300), 0.5 m a pixel: world (x, y) is pixel (200 + 2x, 300 - 2y).
std::unique_ptr<Scene> EmptyScene() {
    auto s = std::make_unique<Scene>();
    ResetScene(*s);
    s->view.OriginX = 200;
    s->view.OriginY = 300;
    s->view.MetresPerPixel = 0.5;
    return s;
}

int Ball(Scene& s, double x, double y, double R) {
    BallInit b;
    b.x0 = x;
    b.y0 = y;
    b.R = R;
    return AddBall(s, b);
}

// A remark whose box the redraw measured as 40 x 20 pixels at (100, 100).
ElementRef Note(Scene& s) {
    Remark& r = s.remarks[0];
    r.text = "note";
    r.x = 100;
    r.y = 100;
    r.width = 40;
    r.height = 20;
    return ElementRef{ElementKind::Remark, 0};
}

TEST(HitRules, EachRuleHitsAtItsLastInsidePixelAndMissesOneFurther) {
    const HitCase cases[] = {
        // Ball of 5 pixels at (300, 200): r + 1 = 6 pixels.
        {"ball", [](Scene& s) { return ElementRef{ElementKind::Ball, Ball(s, 50, 50, 2.5)}; }, {306, 200}, {307, 200}},
        {"ball diagonal", [](Scene& s) { return ElementRef{ElementKind::Ball, Ball(s, 50, 50, 2.5)}; },
         {304, 204}, {305, 205}},
        {"point charge", [](Scene& s) {
             s.pointCharges[0] = {50, 50, 1};
             return ElementRef{ElementKind::PointCharge, 0};
         }, {300, 194}, {300, 193}},
        {"gravity mass", [](Scene& s) {
             s.gravityMasses[0] = {50, 50, 1};
             return ElementRef{ElementKind::GravityMass, 0};
         }, {306, 200}, {307, 200}},
        {"hanging cord by its anchor", [](Scene& s) {
             Ball(s, 0, 0, 1);
             s.hangingCords[0] = {50, 50, 10, 1, 0, 0};
             return ElementRef{ElementKind::HangingCord, 0};
         }, {304, 204}, {305, 205}},
        // Link between (100, 100) and (200, 100): trunc(d1 + d2) = trunc(L) = 100
        // holds 7 rows off the middle, not 8.
        {"link spring", [](Scene& s) {
             Ball(s, -50, 100, 1);
             Ball(s, 0, 100, 1);
             s.linkSprings[0] = {0, 1, 50, 1, 0};
             return ElementRef{ElementKind::LinkSpring, 0};
         }, {150, 107}, {150, 108}},
        {"straight track", [](Scene& s) {
             s.straightTracks[0] = MakeStraightTrack(-50, 100, 0, 100);
             return ElementRef{ElementKind::StraightTrack, 0};
         }, {150, 93}, {150, 92}},
        // Upper half circle of 40 pixels about (300, 200): 3 pixels off the arc.
        {"circular track", [](Scene& s) {
             s.circularTracks[0] = {50, 50, 0, 3.14159, 20, 0, 0};
             return ElementRef{ElementKind::CircularTrack, 0};
         }, {300, 157}, {300, 156}},
        {"circular track outside its angles", [](Scene& s) {
             s.circularTracks[0] = {50, 50, 0, 3.14159, 20, 0, 0};
             return ElementRef{ElementKind::CircularTrack, 0};
         }, {300, 160}, {300, 240}},
        {"remark, strictly inside", Note, {101, 101}, {100, 101}},
        {"remark, far border", Note, {139, 119}, {139, 120}},
        // Field over pixels 200..240 x 280..300, strictly inside.
        {"uniform electric field", [](Scene& s) {
             s.electricFields[0] = {0, 0, 20, 10, 0, 1};
             return ElementRef{ElementKind::ElectricField, 0};
         }, {201, 299}, {200, 299}},
        {"damping field", [](Scene& s) {
             s.dampingFields[0] = {0, 0, 20, 10, 1, 1, 0};
             return ElementRef{ElementKind::Damping, 0};
         }, {239, 281}, {239, 280}},
        {"uniform magnetic field", [](Scene& s) {
             s.magneticFields[0] = {0, 0, 20, 10, 1, 1};
             return ElementRef{ElementKind::MagneticField, 0};
         }, {239, 299}, {240, 299}},
    };
    for (const HitCase& c : cases) {
        auto s = EmptyScene();
        const ElementRef e = c.put(*s);
        EXPECT_TRUE(ElementHit(*s, e, c.inside)) << c.what;
        EXPECT_FALSE(ElementHit(*s, e, c.outside)) << c.what;
        // A record out of use is never hit.
        if (e.kind != ElementKind::Remark) {
            ClearElement(*s, e.kind, e.index);
            EXPECT_FALSE(ElementHit(*s, e, c.inside)) << c.what;
        }
    }
}

// An element pictured far off the surface sits at the int limits; a press on
// the surface must miss it without the distance overflowing.
TEST(HitRules, ElementsAtTheIntLimitsAreMissedWithoutOverflow) {
    constexpr int kLow = std::numeric_limits<int>::min(), kHigh = std::numeric_limits<int>::max();
    mb::Ball ball{};
    ball.pixelRadius = 5;
    mb::Remark remark{};
    remark.width = 40;
    remark.height = 20;
    for (const Pixel far : {Pixel{kLow, kLow}, Pixel{kHigh, kHigh}, Pixel{kLow, kHigh}}) {
        EXPECT_FALSE(PointHit(far, {335, 0}));
        ball.screenX = far.x;
        ball.screenY = far.y;
        EXPECT_FALSE(BallHit(ball, {335, 0}));
        remark.x = far.x;
        remark.y = far.y;
        EXPECT_FALSE(RemarkHit(remark, {335, 0}));
    }
}

TEST(HitRules, SelectionTakesTheFirstBallOverAPointChargeAndTheLastLinkBeforeLaterKinds) {
    auto s = EmptyScene();
    Ball(*s, 50, 50, 2);
    Ball(*s, 50, 50, 2);  // a second ball on the same spot: the first one wins
    s->pointCharges[0] = {50, 50, 1};
    EXPECT_EQ(SelectAt(*s, {300, 200}), (ElementRef{ElementKind::Ball, 0}));
    ClearElement(*s, ElementKind::Ball, 0);
    ClearElement(*s, ElementKind::Ball, 1);
    EXPECT_EQ(SelectAt(*s, {300, 200}), (ElementRef{ElementKind::PointCharge, 0}));

    // Two link cords over the same balls: the later one stays picked, and a
    // straight track under them is tested after the links but stops the search.
    auto t = EmptyScene();
    Ball(*t, -50, 100, 1);
    Ball(*t, 0, 100, 1);
    t->linkCords[0] = {0, 1, 50, 1, 0};
    t->linkCords[1] = {0, 1, 50, 1, 0};
    EXPECT_EQ(SelectAt(*t, {150, 100}), (ElementRef{ElementKind::LinkCord, 1}));
    t->straightTracks[0] = MakeStraightTrack(-50, 100, 0, 100);
    EXPECT_EQ(SelectAt(*t, {150, 100}), (ElementRef{ElementKind::StraightTrack, 0}));
    EXPECT_EQ(SelectAt(*t, {150, 200}), std::nullopt);
}

}  // namespace
}  // namespace mb

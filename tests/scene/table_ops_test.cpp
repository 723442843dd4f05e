#include <gtest/gtest.h>

#include <memory>

#include "scene/table_ops.h"

namespace mb {
namespace {

std::unique_ptr<Scene> SceneWithBalls(int n) {
    auto s = std::make_unique<Scene>();
    for (int i = 0; i < n; ++i) {
        s->balls[i].M0 = 1.0 + i;
        s->balls[i].x0 = 10.0 * i;
        s->balls.names[static_cast<std::size_t>(i)] = "Ball_" + std::to_string(i + 1);
    }
    s->balls.nameCounter = n;
    return s;
}

TEST(Table, CountAndFirstFreeStopAtFirstUnusedRecordAndAtCapacity) {
    auto s = std::make_unique<Scene>();
    EXPECT_EQ(s->gravityMasses.count(), 0);
    EXPECT_EQ(s->gravityMasses.firstFree(), 0);
    s->gravityMasses[0].M = 5;
    s->gravityMasses[2].M = 5;  // beyond the terminating record: not part of the table
    EXPECT_EQ(s->gravityMasses.count(), 1);
    for (int i = 0; i < kTableCapacity; ++i) s->gravityMasses[i].M = 1;
    EXPECT_EQ(s->gravityMasses.count(), kTableCapacity);
    EXPECT_EQ(s->gravityMasses.firstFree(), -1);
    EXPECT_TRUE(s->gravityMasses.full());
}

TEST(Table, StraightTrackCountsAsInUseWhenOnlyBIsSet) {
    StraightTrack t{};
    t.B = 2;
    EXPECT_TRUE(t.inUse());
}

TEST(CompactTable, RemovingAnElementShiftsLaterRecordsWithTheirNames) {
    struct Case {
        int count, removed;
    };
    for (Case c : {Case{1, 0}, Case{3, 0}, Case{3, 1}, Case{3, 2}, Case{20, 0}, Case{20, 19}, Case{20, 7}}) {
        SCOPED_TRACE(::testing::Message() << c.count << " elements, removing " << c.removed);
        DampingTable t;
        for (int i = 0; i < c.count; ++i) {
            t[i].N = 1;
            t[i].x1 = i;
            t.names[static_cast<std::size_t>(i)] = "d" + std::to_string(i);
        }
        t.nameCounter = 42;
        t[c.removed].N = 0;
        CompactTable(t);
        ASSERT_EQ(t.count(), c.count - 1);
        int expected = 0;
        for (int i = 0; i < c.count - 1; ++i, ++expected) {
            if (expected == c.removed) ++expected;
            EXPECT_EQ(t[i].x1, expected);
            EXPECT_EQ(t.names[static_cast<std::size_t>(i)], "d" + std::to_string(expected));
        }
        for (int i = c.count - 1; i < kTableCapacity; ++i) {
            EXPECT_EQ(t[i].x1, 0);
            EXPECT_TRUE(t.names[static_cast<std::size_t>(i)].empty());
        }
        EXPECT_EQ(t.nameCounter, 42) << "removal does not give back name numbers";
        EXPECT_EQ(t.firstFree(), c.count - 1);
    }
}

TEST(DeleteElement, BallRemovalRenumbersEveryConnectorKind) {
    auto s = SceneWithBalls(5);
    s->linkSprings[0] = {3, 4, 1, 10, 0};
    s->hangingCords[0] = {0, 0, 1, 10, 1, 1};
    s->hangingSprings[0] = {0, 0, 1, 10, 0, 4};
    s->linkCords[0] = {0, 3, 1, 10, 1};
    s->hangingPoles[0] = {0, 0, 1, 10, 0, 3};
    s->linkPoles[0] = {4, 1, 1, 10, 0};

    ASSERT_EQ(DeleteElement(*s, ElementKind::Ball, 2), DeleteResult::Deleted);

    EXPECT_EQ(s->balls.count(), 4);
    EXPECT_EQ(s->balls.names[2], "Ball_4");
    EXPECT_EQ(s->balls[2].x0, 30.0);
    EXPECT_EQ(s->balls.nameCounter, 5);
    EXPECT_EQ(s->linkSprings[0].ball1, 2);
    EXPECT_EQ(s->linkSprings[0].ball2, 3);
    EXPECT_EQ(s->hangingCords[0].ball, 1);
    EXPECT_EQ(s->hangingSprings[0].ball, 3);
    EXPECT_EQ(s->linkCords[0].ball1, 0);
    EXPECT_EQ(s->linkCords[0].ball2, 2);
    EXPECT_EQ(s->hangingPoles[0].ball, 2);
    EXPECT_EQ(s->linkPoles[0].ball1, 3);
    EXPECT_EQ(s->linkPoles[0].ball2, 1);
}

TEST(DeleteElement, BallHeldByAnyConnectorKindIsRefusedAndNothingChanges) {
    for (int kind = 0; kind < 6; ++kind) {
        SCOPED_TRACE(kind);
        auto s = SceneWithBalls(3);
        switch (kind) {
            case 0: s->hangingSprings[0] = {0, 0, 1, 1, 0, 1}; break;
            case 1: s->linkSprings[0] = {0, 1, 1, 1, 0}; break;
            case 2: s->hangingCords[0] = {0, 0, 1, 1, 1, 1}; break;
            case 3: s->linkCords[0] = {2, 1, 1, 1, 1}; break;
            case 4: s->hangingPoles[0] = {0, 0, 1, 1, 0, 1}; break;
            case 5: s->linkPoles[0] = {1, 2, 1, 1, 0}; break;
        }
        const auto before = std::make_unique<Scene>(*s);
        EXPECT_EQ(DeleteElement(*s, ElementKind::Ball, 1), DeleteResult::HeldByConnector);
        EXPECT_EQ(s->balls.count(), 3);
        EXPECT_EQ(s->balls.names[1], before->balls.names[1]);
    }
}

// A file may hold references that are not whole numbers; they name the ball
// they truncate to, and deleting that ball would leave them on another one.
TEST(DeleteElement, FractionalReferencesHoldTheBallTheyTruncateTo) {
    struct Case {
        double ref;
        int removed;
        bool refused;
        double after;  // the reference after a removal that went ahead
    };
    for (Case c : {Case{1.5, 1, true, 1.5}, Case{-0.5, 0, true, -0.5}, Case{0.75, 0, true, 0.75},
                   Case{2.5, 1, false, 1.5}, Case{0.5, 2, false, 0.5}}) {
        for (bool link : {false, true}) {
            SCOPED_TRACE(::testing::Message() << "reference " << c.ref << " removing ball " << c.removed
                                              << (link ? " (link)" : " (hanging)"));
            auto s = SceneWithBalls(4);
            if (link)
                s->linkPoles[0] = {3, c.ref, 1, 1, 0};
            else
                s->hangingPoles[0] = {0, 0, 1, 1, 0, c.ref};
            const DeleteResult r = DeleteElement(*s, ElementKind::Ball, c.removed);
            EXPECT_EQ(r, c.refused ? DeleteResult::HeldByConnector : DeleteResult::Deleted);
            EXPECT_EQ(s->balls.count(), c.refused ? 4 : 3);
            EXPECT_EQ(link ? s->linkPoles[0].ball2 : s->hangingPoles[0].ball, c.after);
        }
    }
}

TEST(DeleteElement, SelectedBallFollowsItsBallOrIsCleared) {
    struct Case {
        int selected, removed, expected;
    };
    for (Case c : {Case{2, 2, -1}, Case{3, 1, 2}, Case{1, 3, 1}, Case{-1, 0, -1}, Case{4, 0, 3}}) {
        SCOPED_TRACE(::testing::Message() << "selected " << c.selected << " removed " << c.removed);
        auto s = SceneWithBalls(5);
        s->SelectedBall = c.selected;
        ASSERT_EQ(DeleteElement(*s, ElementKind::Ball, c.removed), DeleteResult::Deleted);
        EXPECT_EQ(s->SelectedBall, c.expected);
    }
}

TEST(DeleteElement, ConnectorRemovalLeavesBallsAndOtherReferencesAlone) {
    auto s = SceneWithBalls(4);
    s->linkSprings[0] = {0, 1, 1, 10, 0};
    s->linkSprings[1] = {2, 3, 1, 11, 0};
    s->linkSprings.names[0] = "first";
    s->linkSprings.names[1] = "second";
    s->hangingCords[0] = {0, 0, 1, 10, 1, 3};
    ASSERT_EQ(DeleteElement(*s, ElementKind::LinkSpring, 0), DeleteResult::Deleted);
    EXPECT_EQ(s->linkSprings.count(), 1);
    EXPECT_EQ(s->linkSprings.names[0], "second");
    EXPECT_EQ(s->linkSprings[0].ball1, 2);
    EXPECT_EQ(s->linkSprings[0].ball2, 3);
    EXPECT_EQ(s->hangingCords[0].ball, 3);
    EXPECT_EQ(s->balls.count(), 4);
}

TEST(DeleteElement, FullTablesFreeTheirLastSlot) {
    auto s = SceneWithBalls(kBallCapacity);
    ASSERT_EQ(DeleteElement(*s, ElementKind::Ball, kBallCapacity - 1), DeleteResult::Deleted);
    EXPECT_EQ(s->balls.count(), kBallCapacity - 1);
    EXPECT_TRUE(s->balls.names[kBallCapacity - 1].empty());
    EXPECT_EQ(s->balls.firstFree(), kBallCapacity - 1);

    for (int i = 0; i < kTableCapacity; ++i) s->straightTracks[i] = MakeStraightTrack(0, i, 10, i + 1);
    ASSERT_EQ(DeleteElement(*s, ElementKind::StraightTrack, 0), DeleteResult::Deleted);
    EXPECT_EQ(s->straightTracks.count(), kTableCapacity - 1);
    EXPECT_EQ(s->straightTracks[0].ys, 1);
    EXPECT_EQ(DeleteElement(*s, ElementKind::StraightTrack, kTableCapacity - 1), DeleteResult::NoSuchElement);
}

TEST(ResetScene, EmptiesTablesKeepsStepsPerTickAndRemarkFonts) {
    auto s = SceneWithBalls(3);
    s->settings.StepsPerTick = 7;
    s->settings.StepTime = 0.5;
    s->settings.GravityOn = 1;
    s->settings.ShowCoordinate = 0;
    s->view = {10, 20, 0.1};
    s->SelectedBall = 1;
    s->RunTime = 3;
    s->pointCharges[0].Q = 1;
    s->pointCharges.nameCounter = 3;
    s->remarks[0].text = "hello";
    s->remarks[0].fontName = "DejaVu Sans";
    s->curve.endTime = 99;
    ResetScene(*s);
    EXPECT_EQ(s->balls.count(), 0);
    EXPECT_EQ(s->balls.nameCounter, 0);
    EXPECT_TRUE(s->balls.names[0].empty());
    EXPECT_EQ(s->pointCharges.count(), 0);
    EXPECT_EQ(s->pointCharges.nameCounter, 0);
    EXPECT_EQ(s->settings.StepsPerTick, 7);
    EXPECT_EQ(s->settings.StepTime, 0.001);
    EXPECT_EQ(s->settings.GravityOn, 0);
    EXPECT_EQ(s->settings.ShowCoordinate, 1);
    EXPECT_EQ(s->view.OriginX, 200);
    EXPECT_EQ(s->view.OriginY, 150);
    EXPECT_EQ(s->view.MetresPerPixel, 10.0);
    EXPECT_EQ(s->SelectedBall, -1);
    EXPECT_EQ(s->RunTime, 0);
    EXPECT_EQ(s->remarkCount(), 0);
    EXPECT_EQ(s->remarks[0].fontName, "DejaVu Sans");
    EXPECT_EQ(s->curve.name, "Noname curve");
    EXPECT_EQ(s->curve.endTime, 10);
}

TEST(StraightTrackRecord, EndpointsAreOrderedAndDegenerateDirectionsStayFinite) {
    const StraightTrack a = MakeStraightTrack(10, 5, -10, -5);
    const StraightTrack b = MakeStraightTrack(-10, -5, 10, 5);
    EXPECT_EQ(a.xs, -10);
    EXPECT_EQ(a.ye, 5);
    EXPECT_EQ(a.B, b.B);
    EXPECT_EQ(a.C, b.C);
    EXPECT_EQ(a.theta, b.theta);
    EXPECT_NEAR(a.theta, std::atan(0.5), 1e-15);

    for (const StraightTrack& t : {MakeStraightTrack(-3, 2, 3, 2), MakeStraightTrack(4, -3, 4, 3)}) {
        EXPECT_EQ(t.A, 1);
        EXPECT_TRUE(t.inUse());
        EXPECT_TRUE(std::isfinite(t.B) && std::isfinite(t.C) && std::isfinite(t.norm) && std::isfinite(t.theta));
    }
    // On the line A x + B y + C = 0 the signed distance of an end point is zero.
    const StraightTrack h = MakeStraightTrack(-3, 2, 3, 2);
    EXPECT_NEAR((h.A * 1.0 + h.B * 2.0 + h.C) / h.norm, 0.0, 1e-9);
    EXPECT_NEAR((h.A * 1.0 + h.B * 3.0 + h.C) / h.norm, 1.0, 1e-9);
}

TEST(ViewScale, MappingRoundsBallsAndTruncatesGlyphs) {
    ViewScale v{200, 150, 0.1};
    EXPECT_EQ(v.ballColumn(1.0), 210);
    EXPECT_EQ(v.ballRow(1.0), 140);
    EXPECT_EQ(v.pixelRadius(1.0), 10);
    EXPECT_EQ(v.pixelRadius(0.0), 3);
    EXPECT_EQ(v.ballColumn(-20.06), 0);  // -0.6 + 0.5 truncates toward zero
    EXPECT_EQ(v.glyphColumn(-20.06), -0);
    EXPECT_EQ(v.glyphRow(0.26), 147);
    EXPECT_DOUBLE_EQ(v.worldX(250), 5.0);
    EXPECT_DOUBLE_EQ(v.worldY(100), 5.0);
    EXPECT_EQ(v.ballColumn(1e300), std::numeric_limits<int>::max());
}

}  // namespace
}  // namespace mb

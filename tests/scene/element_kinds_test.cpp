#include <gtest/gtest.h>

#include <memory>

#include "scene/element_kinds.h"
#include "scene/table_ops.h"

namespace mb {
namespace {

TEST(KindRegistry, EveryTableKindHasItsPrefixCapacityAndOwnCounter) {
    struct Case {
        ElementKind kind;
        const char* firstName;
        int capacity;
    };
    const Case cases[] = {
        {ElementKind::Ball, "Ball_1", 30},          {ElementKind::PointCharge, "E_dot_1", 20},
        {ElementKind::ElectricField, "E_field_1", 20}, {ElementKind::MagneticField, "Magnetic_1", 20},
        {ElementKind::GravityMass, "Mass_1", 20},   {ElementKind::Damping, "Damp_field1", 20},
        {ElementKind::HangingSpring, "P_spring_1", 20}, {ElementKind::LinkSpring, "L_spring_1", 20},
        {ElementKind::StraightTrack, "R_track_1", 20}, {ElementKind::CircularTrack, "C_track_1", 20},
        {ElementKind::HangingCord, "P_cord_1", 20}, {ElementKind::LinkCord, "Link_cord_1", 20},
        {ElementKind::HangingPole, "P_pole_1", 20}, {ElementKind::LinkPole, "Link_pole_1", 20},
    };
    auto s = std::make_unique<Scene>();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.firstName);
        EXPECT_EQ(KindInfoOf(c.kind).capacity, c.capacity);
        EXPECT_EQ(TakeDefaultName(*s, c.kind), c.firstName);
        GiveBackName(*s, c.kind);  // a cancelled element gives its number back
        EXPECT_EQ(TakeDefaultName(*s, c.kind), c.firstName);
        EXPECT_EQ(NameCounterOf(*s, c.kind), 1);
        EXPECT_EQ(FirstFreeSlot(*s, c.kind), 0);
        EXPECT_FALSE(ElementInUse(*s, c.kind, c.capacity));
    }
    // Each counter moved only once: they are not shared between kinds.
    EXPECT_EQ(s->hangingSprings.nameCounter, 1);
    EXPECT_EQ(s->hangingCords.nameCounter, 1);
    for (ElementKind k : {ElementKind::None, ElementKind::DataBallPick}) EXPECT_FALSE(HasTable(k));
}

TEST(KindRegistry, FileOrderWalksTheThirteenTablesWithNinePairsBeforeTheRemarks) {
    auto s = std::make_unique<Scene>();
    int n = 0, before = 0;
    const void* previous = nullptr;
    ForEachElementTable(*s, [&](auto& table, const KindInfo& info) {
        EXPECT_EQ(info.fileIndex, n);
        EXPECT_EQ(info.kind, kFileOrder[n]);
        EXPECT_NE(static_cast<const void*>(&table), previous);
        previous = &table;
        before += info.namesBeforeRemarks();
        ++n;
    });
    EXPECT_EQ(n, kElementTableCount);
    EXPECT_EQ(before, 9);
}

TEST(DeleteElement, RemarksCloseUpAndKeepTextsFontsAndPlaces) {
    auto s = std::make_unique<Scene>();
    for (int i = 0; i < 3; ++i) {
        Remark& r = s->remarks[static_cast<std::size_t>(i)];
        r.text = "note " + std::to_string(i);
        r.fontName = "Font" + std::to_string(i);
        r.x = 10 * i;
        r.fontSize = 8 + i;
    }
    s->remarks[3].fontName = "Spare";
    ASSERT_EQ(DeleteElement(*s, ElementKind::Remark, 0), DeleteResult::Deleted);
    EXPECT_EQ(s->remarkCount(), 2);
    for (int i = 0; i < 2; ++i) {
        const Remark& r = s->remarks[static_cast<std::size_t>(i)];
        EXPECT_EQ(r.text, "note " + std::to_string(i + 1));
        EXPECT_EQ(r.fontName, "Font" + std::to_string(i + 1));
        EXPECT_EQ(r.x, 10 * (i + 1));
        EXPECT_EQ(r.fontSize, 9 + i);
    }
    // The freed slot takes the font of the free slot after it, as the table moved down.
    EXPECT_EQ(s->remarks[2].fontName, "Spare");
    EXPECT_EQ(DeleteElement(*s, ElementKind::Remark, 2), DeleteResult::NoSuchElement);
}

}  // namespace
}  // namespace mb

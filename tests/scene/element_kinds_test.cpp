#include "scene/element_kinds.h"

#include <gtest/gtest.h>

#include <memory>

#include "scene/table_ops.h"

namespace mb {
namespace {

TEST(KindRegistry, EveryKindHasItsTableCapacityPrefixFilePlaceAndOwnCounter) {
    using F = FileSection;
    struct Case {
        ElementKind kind;
        const char* firstName;  // "": the kind has no names
        int capacity;
        FileSection section;
    };
    const Case cases[] = {
        {ElementKind::Ball, "Ball_1", 30, F::Balls},
        {ElementKind::PointCharge, "E_dot_1", 20, F::ElementTables},
        {ElementKind::ElectricField, "E_field_1", 20, F::ElementTables},
        {ElementKind::MagneticField, "Magnetic_1", 20, F::ElementTables},
        {ElementKind::GravityMass, "Mass_1", 20, F::ElementTables},
        {ElementKind::Damping, "Damp_field1", 20, F::ElementTables},
        {ElementKind::HangingSpring, "P_spring_1", 20, F::ElementTables},
        {ElementKind::LinkSpring, "L_spring_1", 20, F::ElementTables},
        {ElementKind::StraightTrack, "R_track_1", 20, F::ElementTables},
        {ElementKind::CircularTrack, "C_track_1", 20, F::ElementTables},
        {ElementKind::HangingCord, "P_cord_1", 20, F::ElementTables},
        {ElementKind::LinkCord, "Link_cord_1", 20, F::ElementTables},
        {ElementKind::HangingPole, "P_pole_1", 20, F::ElementTables},
        {ElementKind::LinkPole, "Link_pole_1", 20, F::ElementTables},
        {ElementKind::Remark, "", 100, F::Remarks},
    };
    ASSERT_EQ(std::size(cases), std::size(kTableKinds));
    auto s = std::make_unique<Scene>();
    const void* tables[std::size(cases)] = {};
    for (std::size_t n = 0; n < std::size(cases); ++n) {
        const Case& c = cases[n];
        SCOPED_TRACE(static_cast<int>(c.kind));
        ASSERT_TRUE(HasTable(c.kind));
        EXPECT_EQ(kTableKinds[n], c.kind);
        const KindInfo& info = KindInfoOf(c.kind);
        EXPECT_EQ(info.kind, c.kind);
        EXPECT_EQ(info.capacity, c.capacity);
        EXPECT_EQ(info.section, c.section);
        EXPECT_EQ(info.fileIndex >= 0, c.section == F::ElementTables);
        // The visitor reaches a table of its own of the registered capacity.
        VisitTable(*s, c.kind, [&](const auto& t) {
            EXPECT_EQ(t.kCapacity, c.capacity);
            tables[n] = &t;
        });
        for (std::size_t m = 0; m < n; ++m) EXPECT_NE(tables[m], tables[n]);
        EXPECT_EQ(FirstFreeSlot(*s, c.kind), 0);
        EXPECT_FALSE(ElementInUse(*s, c.kind, c.capacity));
        EXPECT_EQ(IsNamedKind(c.kind), *c.firstName != '\0');
        if (!IsNamedKind(c.kind)) continue;
        EXPECT_EQ(TakeDefaultName(*s, c.kind), c.firstName);
        GiveBackName(*s, c.kind);  // a cancelled element gives its number back
        EXPECT_EQ(TakeDefaultName(*s, c.kind), c.firstName);
        EXPECT_EQ(NameCounterOf(*s, c.kind), 1);
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
        EXPECT_EQ(info.section, FileSection::ElementTables);
        EXPECT_EQ(info.kind, kFileOrder[n]);
        EXPECT_NE(static_cast<const void*>(&table), previous);
        VisitTable(*s, info.kind, [&](auto& t) { EXPECT_EQ(static_cast<const void*>(&t), &table); });
        previous = &table;
        before += info.namesBeforeRemarks();
        ++n;
    });
    EXPECT_EQ(n, kElementTableCount);
    EXPECT_EQ(before, 9);
}

TEST(KindRegistry, ConnectorTablesAreWalkedInDeletionOrderAndFoundByTheirKind) {
    auto s = std::make_unique<Scene>();
    int n = 0;
    ForEachConnectorTable(*s, [&](const auto& table, ElementKind kind) {
        ASSERT_LT(n, 6);
        EXPECT_EQ(kind, kConnectorKinds[n]);
        EXPECT_TRUE(IsConnectorKind(kind));
        EXPECT_NE(IsHangingKind(kind), IsLinkKind(kind));
        const void* found = IsHangingKind(kind) ? static_cast<const void*>(&HangingTableOf(*s, kind))
                                                : static_cast<const void*>(&LinkTableOf(*s, kind));
        EXPECT_EQ(found, static_cast<const void*>(&table));
        ++n;
    });
    EXPECT_EQ(n, 6);
    int connectors = 0;
    for (ElementKind k : kTableKinds) connectors += IsConnectorKind(k);
    EXPECT_EQ(connectors, 6);
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

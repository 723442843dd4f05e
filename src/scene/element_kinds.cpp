#include "scene/element_kinds.h"

#include <type_traits>

#include "scene/translatable.h"

namespace mb {

namespace {
using enum FileSection;
constexpr KindInfo kKinds[] = {
    {ElementKind::Ball, "Ball_", MB_TRANSLATE_NOOP("TForm1", "moving objects"), "balls", kBallCapacity, Balls, -1},
    {ElementKind::PointCharge, "E_dot_", MB_TRANSLATE_NOOP("TForm1", "point charges"), "pointCharges", kTableCapacity, ElementTables, 2},
    {ElementKind::ElectricField, "E_field_", MB_TRANSLATE_NOOP("TForm1", "uniform electric fields"), "electricFields", kTableCapacity, ElementTables,
     3},
    {ElementKind::MagneticField, "Magnetic_", MB_TRANSLATE_NOOP("TForm1", "uniform magnetic fields"), "magneticFields", kTableCapacity,
     ElementTables, 4},
    {ElementKind::GravityMass, "Mass_", MB_TRANSLATE_NOOP("TForm1", "gravity masses"), "gravityMasses", kTableCapacity, ElementTables, 1},
    {ElementKind::Damping, "Damp_field", MB_TRANSLATE_NOOP("TForm1", "damping fields"), "dampingFields", kTableCapacity, ElementTables, 0},
    {ElementKind::HangingSpring, "P_spring_", MB_TRANSLATE_NOOP("TForm1", "hanging springs"), "hangingSprings", kTableCapacity, ElementTables, 5},
    {ElementKind::LinkSpring, "L_spring_", MB_TRANSLATE_NOOP("TForm1", "link springs"), "linkSprings", kTableCapacity, ElementTables, 6},
    {ElementKind::StraightTrack, "R_track_", MB_TRANSLATE_NOOP("TForm1", "straight tracks"), "straightTracks", kTableCapacity, ElementTables, 7},
    {ElementKind::CircularTrack, "C_track_", MB_TRANSLATE_NOOP("TForm1", "circular tracks"), "circularTracks", kTableCapacity, ElementTables, 8},
    {ElementKind::HangingCord, "P_cord_", MB_TRANSLATE_NOOP("TForm1", "hanging cords"), "hangingCords", kTableCapacity, ElementTables, 9},
    {ElementKind::LinkCord, "Link_cord_", MB_TRANSLATE_NOOP("TForm1", "link cords"), "linkCords", kTableCapacity, ElementTables, 10},
    {ElementKind::HangingPole, "P_pole_", MB_TRANSLATE_NOOP("TForm1", "hanging poles"), "hangingPoles", kTableCapacity, ElementTables, 11},
    {ElementKind::LinkPole, "Link_pole_", MB_TRANSLATE_NOOP("TForm1", "link poles"), "linkPoles", kTableCapacity, ElementTables, 12},
    {ElementKind::Remark, "", MB_TRANSLATE_NOOP("TForm1", "remarks"), "remarks", kRemarkCapacity, Remarks, -1},
};

const std::string kNoName;
}  // namespace

const KindInfo* FindKindInfo(ElementKind kind) {
    for (const KindInfo& k : kKinds)
        if (k.kind == kind) return &k;
    return nullptr;
}

bool IsHangingKind(ElementKind k) {
    return k == ElementKind::HangingSpring || k == ElementKind::HangingCord || k == ElementKind::HangingPole;
}
bool IsLinkKind(ElementKind k) {
    return k == ElementKind::LinkSpring || k == ElementKind::LinkCord || k == ElementKind::LinkPole;
}
bool IsRectangleKind(ElementKind k) {
    return k == ElementKind::ElectricField || k == ElementKind::MagneticField || k == ElementKind::Damping;
}

const HangingTable& HangingTableOf(const Scene& scene, ElementKind kind) {
    assert(IsHangingKind(kind));
    return VisitTable(scene, kind, [&scene](const auto& t) -> const HangingTable& {
        if constexpr (std::is_same_v<std::decay_t<decltype(t)>, HangingTable>)
            return t;
        else
            return scene.hangingSprings;  // never reached: the kind is a hanging one
    });
}

const LinkTable& LinkTableOf(const Scene& scene, ElementKind kind) {
    assert(IsLinkKind(kind));
    return VisitTable(scene, kind, [&scene](const auto& t) -> const LinkTable& {
        if constexpr (std::is_same_v<std::decay_t<decltype(t)>, LinkTable>)
            return t;
        else
            return scene.linkSprings;  // never reached: the kind is a link one
    });
}

int ElementCount(const Scene& scene, ElementKind kind) {
    return VisitTable(scene, kind, [](const auto& t) { return t.count(); });
}

int FirstFreeSlot(const Scene& scene, ElementKind kind) {
    return VisitTable(scene, kind, [](const auto& t) { return t.firstFree(); });
}

bool ElementInUse(const Scene& scene, ElementKind kind, int index) {
    if (!HasTable(kind)) return false;
    return VisitTable(scene, kind,
                      [index](const auto& t) { return index >= 0 && index < t.kCapacity && t[index].inUse(); });
}

std::string& ElementName(Scene& scene, ElementKind kind, int index) {
    return VisitTable(scene, kind,
                      [index](auto& t) -> std::string& { return t.names[static_cast<std::size_t>(index)]; });
}

const std::string& ElementName(const Scene& scene, ElementKind kind, int index) {
    if (!HasTable(kind)) return kNoName;
    return VisitTable(scene, kind, [index](const auto& t) -> const std::string& {
        return index >= 0 && index < t.kCapacity ? t.names[static_cast<std::size_t>(index)] : kNoName;
    });
}

std::int32_t& NameCounterOf(Scene& scene, ElementKind kind) {
    return VisitTable(scene, kind, [](auto& t) -> std::int32_t& { return t.nameCounter; });
}

void ClearElement(Scene& scene, ElementKind kind, int index) {
    VisitTable(scene, kind, [index](auto& t) {
        if (index < 0 || index >= t.kCapacity) return;
        FreeRecord(t[index]);
        t.names[static_cast<std::size_t>(index)].clear();
    });
}

std::string TakeDefaultName(Scene& scene, ElementKind kind) {
    assert(IsNamedKind(kind));
    std::int32_t& counter = NameCounterOf(scene, kind);
    ++counter;
    return KindInfoOf(kind).prefix + std::to_string(counter);
}

void GiveBackName(Scene& scene, ElementKind kind) {
    --NameCounterOf(scene, kind);
}

}  // namespace mb

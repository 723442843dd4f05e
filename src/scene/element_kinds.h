// The kind registry: the one place that knows, for every element kind, its table,
// its capacity, its default name prefix and its name counter. Hit tests, placement,
// deletion, the dialogs, Parameter adjust, the project file walk and the view's
// per-kind drawing all reach a kind's table through here.
#pragma once

#include <cassert>
#include <cstdint>
#include <string>

#include "scene/scene.h"

namespace mb {

// Where a kind's records sit in the project file: the thirteen element tables
// first, then the balls, and the remarks at the end.
enum class FileSection : std::uint8_t { ElementTables, Balls, Remarks };

struct KindInfo {
    ElementKind kind;
    const char* prefix;  // default name prefix: "Ball_", "Damp_field"; "" for remarks, which have no names
    const char* label;   // for messages: "straight tracks"
    const char* key;     // for summaries: "straightTracks"
    int capacity;
    FileSection section;
    int fileIndex;  // place among the thirteen element tables; -1 outside that section
    bool named() const { return prefix[0] != '\0'; }
    bool namesBeforeRemarks() const { return fileIndex >= 0 && fileIndex < 9; }
};

// The thirteen element tables in the order the project file stores them. The
// names file lists the first nine before the remarks and the last four after.
inline constexpr int kElementTableCount = 13;
inline constexpr ElementKind kFileOrder[kElementTableCount] = {
    ElementKind::Damping,       ElementKind::GravityMass,   ElementKind::PointCharge, ElementKind::ElectricField,
    ElementKind::MagneticField, ElementKind::HangingSpring, ElementKind::LinkSpring,  ElementKind::StraightTrack,
    ElementKind::CircularTrack, ElementKind::HangingCord,   ElementKind::LinkCord,    ElementKind::HangingPole,
    ElementKind::LinkPole};

// The six connector kinds in the order deletion and the engine walk them.
inline constexpr ElementKind kConnectorKinds[6] = {ElementKind::HangingSpring, ElementKind::LinkSpring,
                                                   ElementKind::HangingCord,   ElementKind::LinkCord,
                                                   ElementKind::HangingPole,   ElementKind::LinkPole};

// Every kind that has a table of records, in kind code order. The remarks are the
// one table without names: their records live in surface pixels.
inline constexpr int kTableKindCount = 15;
inline constexpr ElementKind kTableKinds[kTableKindCount] = {
    ElementKind::Ball,          ElementKind::PointCharge,   ElementKind::ElectricField, ElementKind::MagneticField,
    ElementKind::GravityMass,   ElementKind::Damping,       ElementKind::HangingSpring, ElementKind::LinkSpring,
    ElementKind::StraightTrack, ElementKind::CircularTrack, ElementKind::HangingCord,   ElementKind::LinkCord,
    ElementKind::HangingPole,   ElementKind::LinkPole,      ElementKind::Remark};

// Null for codes that name no table kind (0, 60 and unassigned codes).
const KindInfo* FindKindInfo(ElementKind kind);
inline const KindInfo& KindInfoOf(ElementKind kind) {
    const KindInfo* info = FindKindInfo(kind);
    assert(info);
    return *info;
}
inline bool HasTable(ElementKind kind) {
    return FindKindInfo(kind) != nullptr;
}
// A kind whose elements have names and a name counter (every table but the remarks').
inline bool IsNamedKind(ElementKind kind) {
    const KindInfo* info = FindKindInfo(kind);
    return info && info->named();
}
bool IsHangingKind(ElementKind kind);
bool IsLinkKind(ElementKind kind);
inline bool IsConnectorKind(ElementKind kind) {
    return IsHangingKind(kind) || IsLinkKind(kind);
}
bool IsRectangleKind(ElementKind kind);  // uniform E, uniform B, damping

// Calls f(table) with the table of a kind that has one (HasTable). S is Scene or
// const Scene; f must accept every table type.
template <class S, class F>
decltype(auto) VisitTable(S& s, ElementKind kind, F&& f) {
    switch (kind) {
        case ElementKind::Ball: return f(s.balls);
        case ElementKind::PointCharge: return f(s.pointCharges);
        case ElementKind::ElectricField: return f(s.electricFields);
        case ElementKind::MagneticField: return f(s.magneticFields);
        case ElementKind::GravityMass: return f(s.gravityMasses);
        case ElementKind::Damping: return f(s.dampingFields);
        case ElementKind::HangingSpring: return f(s.hangingSprings);
        case ElementKind::LinkSpring: return f(s.linkSprings);
        case ElementKind::StraightTrack: return f(s.straightTracks);
        case ElementKind::CircularTrack: return f(s.circularTracks);
        case ElementKind::HangingCord: return f(s.hangingCords);
        case ElementKind::LinkCord: return f(s.linkCords);
        case ElementKind::HangingPole: return f(s.hangingPoles);
        case ElementKind::LinkPole: return f(s.linkPoles);
        case ElementKind::Remark: return f(s.remarks);
        default: break;
    }
    assert(false && "kind without a table");
    return f(s.balls);
}

// Calls f(table, info) for each of the thirteen element tables in file order.
template <class S, class F>
void ForEachElementTable(S& s, F&& f) {
    f(s.dampingFields, KindInfoOf(ElementKind::Damping));
    f(s.gravityMasses, KindInfoOf(ElementKind::GravityMass));
    f(s.pointCharges, KindInfoOf(ElementKind::PointCharge));
    f(s.electricFields, KindInfoOf(ElementKind::ElectricField));
    f(s.magneticFields, KindInfoOf(ElementKind::MagneticField));
    f(s.hangingSprings, KindInfoOf(ElementKind::HangingSpring));
    f(s.linkSprings, KindInfoOf(ElementKind::LinkSpring));
    f(s.straightTracks, KindInfoOf(ElementKind::StraightTrack));
    f(s.circularTracks, KindInfoOf(ElementKind::CircularTrack));
    f(s.hangingCords, KindInfoOf(ElementKind::HangingCord));
    f(s.linkCords, KindInfoOf(ElementKind::LinkCord));
    f(s.hangingPoles, KindInfoOf(ElementKind::HangingPole));
    f(s.linkPoles, KindInfoOf(ElementKind::LinkPole));
}

// Calls f(table, kind) for each of the six connector tables in deletion order.
template <class S, class F>
void ForEachConnectorTable(S& s, F&& f) {
    f(s.hangingSprings, ElementKind::HangingSpring);
    f(s.linkSprings, ElementKind::LinkSpring);
    f(s.hangingCords, ElementKind::HangingCord);
    f(s.linkCords, ElementKind::LinkCord);
    f(s.hangingPoles, ElementKind::HangingPole);
    f(s.linkPoles, ElementKind::LinkPole);
}

// The table of a hanging connector kind (spring, cord, pole) and of a link one.
const HangingTable& HangingTableOf(const Scene& scene, ElementKind hangingKind);
const LinkTable& LinkTableOf(const Scene& scene, ElementKind linkKind);

// Questions about element i of a kind that has a table; out-of-range indices are
// answered as "not in use". Names and name counters belong to named kinds only.
int ElementCount(const Scene& scene, ElementKind kind);
int FirstFreeSlot(const Scene& scene, ElementKind kind);  // -1 when the table is full
bool ElementInUse(const Scene& scene, ElementKind kind, int index);
std::string& ElementName(Scene& scene, ElementKind kind, int index);
const std::string& ElementName(const Scene& scene, ElementKind kind, int index);
std::int32_t& NameCounterOf(Scene& scene, ElementKind kind);
// Frees record i of a kind (FreeRecord) and clears its name.
void ClearElement(Scene& scene, ElementKind kind, int index);

// The default name of a new element: the counter goes up by one and the name is
// the kind's prefix followed by the new value ("Ball_1"). GiveBackName undoes it
// for a new element that was cancelled.
std::string TakeDefaultName(Scene& scene, ElementKind kind);
void GiveBackName(Scene& scene, ElementKind kind);

}  // namespace mb

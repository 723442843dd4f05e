// The thirteen element tables in the order the project file stores them, with a
// readable name for messages and summaries. The names file lists the first nine
// before the remarks and the last four after them.
#pragma once

#include "scene/scene.h"

namespace mb {

inline constexpr int kElementTableCount = 13;
// Tables before the remarks in the names file.
inline constexpr int kTablesBeforeRemarks = 9;

struct ElementTableInfo {
    const char* label;  // for messages: "straight tracks"
    const char* key;    // for summaries: "straightTracks"
};

inline constexpr ElementTableInfo kElementTables[kElementTableCount] = {
    {"damping fields", "dampingFields"},
    {"gravity masses", "gravityMasses"},
    {"point charges", "pointCharges"},
    {"uniform electric fields", "electricFields"},
    {"uniform magnetic fields", "magneticFields"},
    {"hanging springs", "hangingSprings"},
    {"link springs", "linkSprings"},
    {"straight tracks", "straightTracks"},
    {"circular tracks", "circularTracks"},
    {"hanging cords", "hangingCords"},
    {"link cords", "linkCords"},
    {"hanging poles", "hangingPoles"},
    {"link poles", "linkPoles"},
};

// Calls f(table, index) for each element table in file order. S is Scene or
// const Scene.
template <class S, class F>
void ForEachElementTable(S& s, F&& f) {
    f(s.dampingFields, 0);
    f(s.gravityMasses, 1);
    f(s.pointCharges, 2);
    f(s.electricFields, 3);
    f(s.magneticFields, 4);
    f(s.hangingSprings, 5);
    f(s.linkSprings, 6);
    f(s.straightTracks, 7);
    f(s.circularTracks, 8);
    f(s.hangingCords, 9);
    f(s.linkCords, 10);
    f(s.hangingPoles, 11);
    f(s.linkPoles, 12);
}

}  // namespace mb

// Removing elements while keeping every table compact, and keeping connector
// ball references pointing at the same balls after a ball goes.
#pragma once

#include "scene/scene.h"

namespace mb {

// Closes the gap left by records whose marker was set to 0: the remaining
// records keep their order and names, and the freed slots at the end are cleared.
// The remark table has its own way (below).
template <class Record, int Capacity>
void CompactTable(Table<Record, Capacity>& table) {
    int w = 0;
    for (int i = 0; i < Capacity; ++i) {
        if (!table[i].inUse()) continue;
        if (w != i) {
            table[w] = table[i];
            table.names[static_cast<std::size_t>(w)] = std::move(table.names[static_cast<std::size_t>(i)]);
        }
        ++w;
    }
    for (int i = w; i < Capacity; ++i) {
        table[i] = Record{};
        table.names[static_cast<std::size_t>(i)].clear();
    }
}

// After a ball was removed (its M0 already 0, the ball table not yet compacted),
// every reference to that ball's index or above moves down by one.
void RenumberBallRefs(HangingTable& table, const BallTable& balls);
void RenumberBallRefs(LinkTable& table, const BallTable& balls);

// Ball table compaction after a ball's M0 was set to 0. The synchronous data
// choice follows its ball, and is cleared when its ball is the one removed.
void CompactBalls(Scene& scene);

// True when a spring, cord or pole refers to the ball.
bool BallHeldByConnector(const Scene& scene, int ballIndex);

enum class DeleteResult { Deleted, HeldByConnector, NoSuchElement };

// Remark table compaction after a remark's text was emptied: later remarks move
// down one place with their texts, fonts and positions.
void CompactTable(RemarkTable& remarks);

// Removes one element of a kind, remarks included (the dialogs' Delete, after the
// user confirmed). A ball that a connector holds is refused and nothing changes.
DeleteResult DeleteElement(Scene& scene, ElementKind kind, int index);

}  // namespace mb

// The one walk over a table that every pass of the view takes: from index 0 to
// the first record not in use, never past the capacity.
#pragma once

#include <type_traits>

namespace mb {

// Calls f(record, index) for every in-use record of a table, in table order.
template <class TableT, class F>
void ForEachInUse(TableT& table, F&& f) {
    constexpr int capacity = std::remove_const_t<TableT>::kCapacity;
    for (int i = 0; i < capacity && table[i].inUse(); ++i) f(table[i], i);
}

}  // namespace mb

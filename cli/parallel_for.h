#pragma once

#include <cstddef>
#include <functional>

namespace moltherm::cli {

// Calls work(i) for every i in [0, count) on up to `threads` threads (at least one), each i
// exactly once and in no set order; returns when all are done. `work` must touch only what
// belongs to its own i.
void ParallelFor(std::size_t count, unsigned threads, const std::function<void(std::size_t)>& work);

// The threads worth starting on this machine: its cores, at least one.
unsigned AvailableThreads();

}  // namespace moltherm::cli

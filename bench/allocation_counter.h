// Counts the heap allocations of the benchmark process. The benchmark binary
// replaces the global operator new, so a benchmark can read the tally before
// and after its loop and tell how many allocations one run made:
//   const AllocationTally before = Allocations();
//   ... 1000 runs ...
//   (Allocations().count - before.count) / 1000.0   -> allocations per run
#pragma once

#include <cstddef>

namespace parcyl::bench {

struct AllocationTally {
  std::size_t count = 0;
  std::size_t bytes = 0;
};

AllocationTally Allocations();

}  // namespace parcyl::bench

// The whole calculation command per run, through a view that discards what
// it is given: the ordinary run and the runs through the math error boxes.
// Each case is set against its own label texts written alone (the same
// twelve texts copied into the view), and counts its heap allocations.
#pragma once

#include <ostream>

#include "bench/figures.h"

namespace parcyl::bench {

void RegisterCalculationBenchmarks();

// One row per case: time per run, the time of its label texts alone,
// allocations per run against the label texts that live on the heap, and
// the goal (under 1 µs, nothing allocated beyond the label texts).
void PrintCalculationSummary(const FigureReporter& figures, std::ostream& out);

}  // namespace parcyl::bench

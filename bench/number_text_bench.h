// NumberFromText against strtold and NumberToText against snprintf("%.15Lg"),
// both C functions in the C locale, on the texts and values the calculator
// meets: each case alone, and the whole set as one corpus.
#pragma once

#include <ostream>

#include "bench/figures.h"

namespace parcyl::bench {

void RegisterNumberTextBenchmarks();

// One row per case: our time, the peer's, how many times faster we are,
// and for the corpus rows the goal (3x for parsing, 5x for rendering).
void PrintNumberTextSummary(const FigureReporter& figures, std::ostream& out);

}  // namespace parcyl::bench

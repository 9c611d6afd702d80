// parcyl's benchmarks: Google Benchmark's own table first, then every figure
// of ours beside its peer from the same invocation, against its goal.
//
//   build-bench/bench/parcyl_bench                        everything
//   build-bench/bench/parcyl_bench --benchmark_filter=parse   one group
// Google Benchmark's flags all apply; ./benchmark passes --benchmark_repetitions.
#include <benchmark/benchmark.h>

#include <clocale>
#include <iostream>
#include <optional>
#include <string>

#include "bench/calculation_bench.h"
#include "bench/figures.h"
#include "bench/number_text_bench.h"
#include "calc/decimal_mark.h"
#include "calc/fpu_env.h"

int main(int argc, char** argv) {
  // As the window runs: the calculation's floating-point settings and a
  // comma as the mark. The C library's peers run in the C locale.
  parcyl::LoadCalculationFpuSettings();
  parcyl::ReadDecimalMark([] { return std::optional<std::string>(","); });
  std::setlocale(LC_ALL, "C");

  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  parcyl::bench::RegisterNumberTextBenchmarks();
  parcyl::bench::RegisterCalculationBenchmarks();

  parcyl::bench::FigureReporter figures;
  benchmark::RunSpecifiedBenchmarks(&figures);
  benchmark::Shutdown();

  std::cout << "\nparcyl against its peers: medians of the repetitions, CPU time\n\n";
  parcyl::bench::PrintNumberTextSummary(figures, std::cout);
  parcyl::bench::PrintCalculationSummary(figures, std::cout);
  return 0;
}

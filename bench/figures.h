// The figures of one benchmark invocation, kept by name so that each can be
// set against its peer measured in the same run.
//
// FigureReporter prints what Google Benchmark's console reporter prints and
// also keeps, per benchmark, the median over its repetitions of the CPU time
// per iteration and of its user counters:
//   "parse/parcyl/corpus" -> {seconds 1.4e-7, counters {"items": 10}}
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace parcyl::bench {

struct Figure {
  double seconds_per_iteration = 0;
  std::map<std::string, double> counters;

  double Counter(const std::string& name) const;
};

class FigureReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override;

  // Nothing when the benchmark did not run (filtered out, or it failed).
  std::optional<Figure> Find(const std::string& name) const;

 private:
  std::map<std::string, std::vector<Figure>> samples_;
  std::map<std::string, std::vector<Figure>> medians_;
};

// A value to `precision` significant digits: Digits(0.123456, 3) -> "0.123".
std::string Digits(double value, int precision);
// "123 ns", "1.23 µs": a time to three significant digits.
std::string TimeText(double seconds);
// "4.56x"
std::string RatioText(double ratio);

}  // namespace parcyl::bench

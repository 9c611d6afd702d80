#include "bench/figures.h"

#include <algorithm>
#include <charconv>

namespace parcyl::bench {
namespace {

// The median of one quantity over the repetitions: robust against the odd
// repetition that a noisy machine spoils.
template <typename Get>
double MedianOf(const std::vector<Figure>& samples, Get get) {
  std::vector<double> values;
  values.reserve(samples.size());
  for (const Figure& f : samples) values.push_back(get(f));
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

double Figure::Counter(const std::string& name) const {
  const auto it = counters.find(name);
  return it == counters.end() ? 0 : it->second;
}

void FigureReporter::ReportRuns(const std::vector<Run>& runs) {
  ConsoleReporter::ReportRuns(runs);
  for (const Run& run : runs) {
    if (run.error_occurred || run.iterations == 0) continue;
    // The repetitions themselves, or, when only aggregates are reported,
    // their median.
    const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
    if (run.run_type != Run::RT_Iteration && !median) continue;
    Figure figure;
    // CPU time: another process on the machine stretches the wall time of
    // a run far more than its CPU time.
    figure.seconds_per_iteration = run.cpu_accumulated_time / static_cast<double>(run.iterations);
    for (const auto& [name, counter] : run.counters) figure.counters[name] = counter.value;
    (median ? medians_ : samples_)[run.run_name.str()].push_back(std::move(figure));
  }
}

std::optional<Figure> FigureReporter::Find(const std::string& name) const {
  auto it = samples_.find(name);
  if (it == samples_.end()) {
    it = medians_.find(name);
    if (it == medians_.end()) return std::nullopt;
  }
  const std::vector<Figure>& samples = it->second;
  Figure median;
  median.seconds_per_iteration = MedianOf(samples, [](const Figure& f) { return f.seconds_per_iteration; });
  for (const auto& entry : samples.front().counters) {
    const std::string& counter = entry.first;
    median.counters[counter] = MedianOf(samples, [&counter](const Figure& f) { return f.Counter(counter); });
  }
  return median;
}

// Three significant digits by std::to_chars, which no locale touches.
std::string Digits(double value, int precision) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, precision).ptr;
  return std::string(text, end);
}

std::string TimeText(double seconds) {
  if (seconds < 1e-6) return Digits(seconds * 1e9, 3) + " ns";
  if (seconds < 1e-3) return Digits(seconds * 1e6, 3) + " µs";
  return Digits(seconds * 1e3, 3) + " ms";
}

std::string RatioText(double ratio) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, ratio, std::chars_format::fixed, 2).ptr;
  return std::string(text, end) + "x";
}

}  // namespace parcyl::bench

#include "bench/calculation_bench.h"

#include <benchmark/benchmark.h>

#include <iomanip>
#include <string>
#include <utility>
#include <vector>

#include "bench/allocation_counter.h"
#include "calc/calculation.h"

namespace parcyl::bench {
namespace {

constexpr double kGoalSeconds = 1e-6;

struct Case {
  const char* name;
  CalculationInputs inputs;
};

// The comma is the mark; the boxes each case shows are in its name.
const Case kCases[] = {
    {"ordinary: 1000, 2000, 1296", {"1000", "2000", "1296"}},
    {"fractions: 1057,1, 2000,5, 1296,25", {"1057,1", "2000,5", "1296,25"}},
    {"pow OVERFLOW box: D = 1e200", {"1e200", "2000", "1296"}},
    {"log10 SING box: W = 0", {"1000", "0", "1296"}},
    {"pow OVERFLOW, log10 SING boxes: f = 1e-300", {"1000", "2000", "1e-300"}},
    {"log10 DOMAIN, 12 sqrt DOMAIN boxes: D = -1000", {"-1000", "2000", "1296"}},
};

// A text whose characters live outside the string object itself is on the
// heap: one allocation, made for the label text.
bool OnHeap(const std::string& text) {
  const char* object = reinterpret_cast<const char*>(&text);
  return text.data() < object || text.data() >= object + sizeof text;
}

class DiscardingView : public CalculationView {
 public:
  void SetLabel(ResultLabel, std::string text) override {
    benchmark::DoNotOptimize(text.data());
    if (OnHeap(text)) ++heap_label_texts;
  }
  void ShowPrompt(std::string_view text) override { benchmark::DoNotOptimize(text.data()); }
  void ShowMathError(std::string_view text) override {
    benchmark::DoNotOptimize(text.data());
    ++boxes;
  }

  long heap_label_texts = 0;
  long boxes = 0;
};

// Keeps the texts of one run, to write them again without the calculation.
class KeepingView : public CalculationView {
 public:
  void SetLabel(ResultLabel label, std::string text) override { labels.emplace_back(label, std::move(text)); }
  void ShowPrompt(std::string_view) override {}
  void ShowMathError(std::string_view) override {}

  std::vector<std::pair<ResultLabel, std::string>> labels;
};

void SetPerRunCounters(benchmark::State& state, const AllocationTally& before, const DiscardingView& view) {
  const AllocationTally after = Allocations();
  const auto runs = static_cast<double>(state.iterations());
  state.counters["allocs"] = static_cast<double>(after.count - before.count) / runs;
  state.counters["alloc_bytes"] = static_cast<double>(after.bytes - before.bytes) / runs;
  state.counters["heap_labels"] = static_cast<double>(view.heap_label_texts) / runs;
  state.counters["boxes"] = static_cast<double>(view.boxes) / runs;
}

void RunCommand(benchmark::State& state, const CalculationInputs& inputs) {
  DiscardingView view;
  const AllocationTally before = Allocations();
  for (auto _ : state) benchmark::DoNotOptimize(RunCalculation(inputs, view));
  SetPerRunCounters(state, before, view);
}

// The floor for a case: its label texts, copied into the view one by one.
void WriteLabelTextsAlone(benchmark::State& state, const CalculationInputs& inputs) {
  KeepingView kept;
  RunCalculation(inputs, kept);
  DiscardingView view;
  const AllocationTally before = Allocations();
  for (auto _ : state) {
    for (const auto& [label, text] : kept.labels) view.SetLabel(label, std::string(text));
  }
  SetPerRunCounters(state, before, view);
}

std::string CommandName(const Case& c) { return std::string("command/parcyl/") + c.name; }
std::string LabelsAloneName(const Case& c) { return std::string("command/label-texts-alone/") + c.name; }

}  // namespace

void RegisterCalculationBenchmarks() {
  for (const Case& c : kCases) {
    benchmark::RegisterBenchmark(CommandName(c).c_str(), RunCommand, c.inputs);
    benchmark::RegisterBenchmark(LabelsAloneName(c).c_str(), WriteLabelTextsAlone, c.inputs);
  }
}

void PrintCalculationSummary(const FigureReporter& figures, std::ostream& out) {
  out << "The calculation command, per run (goal: under " << TimeText(kGoalSeconds)
      << ", no allocation beyond the label texts)\n"
      << "  " << std::left << std::setw(48) << "case" << std::right << std::setw(10) << "command" << std::setw(13)
      << "labels alone" << std::setw(8) << "ratio" << std::setw(8) << "allocs" << std::setw(13) << "label texts"
      << std::setw(8) << "beyond" << '\n';
  for (const Case& c : kCases) {
    out << "  " << std::left << std::setw(48) << c.name << std::right;
    const auto command = figures.Find(CommandName(c));
    const auto alone = figures.Find(LabelsAloneName(c));
    if (!command || !alone) {
      out << "(not run)\n";
      continue;
    }
    const double allocs = command->Counter("allocs");
    const double heap_labels = command->Counter("heap_labels");
    const double beyond = allocs - heap_labels;
    const bool met = command->seconds_per_iteration < kGoalSeconds && beyond <= 0;
    out << std::setw(10) << TimeText(command->seconds_per_iteration) << std::setw(13)
        << TimeText(alone->seconds_per_iteration) << std::setw(8)
        << RatioText(command->seconds_per_iteration / alone->seconds_per_iteration) << std::setw(8)
        << Digits(allocs, 3) << std::setw(13) << Digits(heap_labels, 3) << std::setw(8) << Digits(beyond, 3)
        << (met ? "  met" : "  NOT MET") << '\n';
  }
  out << '\n';
}

}  // namespace parcyl::bench

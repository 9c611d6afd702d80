#include "bench/number_text_bench.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <iomanip>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "calc/fpu_env.h"
#include "calc/number_from_text.h"
#include "calc/number_to_text.h"

namespace parcyl::bench {
namespace {

// Field texts as users type them, with a comma as the mark; strtold reads
// the same texts with a point.
const std::vector<std::string> kFieldTexts = {
    "1000",
    "2000",
    "1296",
    "1296,5",
    "1e3",
    " 12,50 ",
    "0,000123",
    "1057,1",
    "3,14159265358979323846",
    "1234567890123456789",
    "0,000000000000000000001",
    "12345678901234567890123456789012345678901234567890",
};

// Doubles that a run writes: the ordinary run (1000, 2000, 1296), the
// figures of D = 1e200 and f = 1e-300, a directivity of minus infinity,
// and the extremes of the double range.
const std::vector<Extended> kResultValues = {
    1000,     // D
    363,      // F, floored
    171,      // H
    23,       // L
    20000,    // S
    304,      // G
    24,       // Gdb
    53,       // Y1
    934,      // Y12
    1057.1,   // D as typed
    -1000,    // a negative D
    -2006,    // Gdb for D = 1e-200
    1e200,                    // D
    3.6363636363636363e199,   // F for D = 1e200
    1.7056057308448834e100,   // Y1 for D = 1e200
    3e304,                    // L for f = 1e-300
    7.497875084924015,        // a value whose 16th digit rounds up
    1.0 / 3,
    0.000123,
    std::numeric_limits<double>::denorm_min(),  // the longest text, 22 characters
    -std::numeric_limits<Extended>::infinity(),  // Gdb when G is zero
};

// strtold reads the same number with a point as the mark.
std::string WithPoint(std::string text) {
  for (char& c : text) {
    if (c == ',') c = '.';
  }
  return text;
}

// The C library's way to do what NumberFromText does: the whole text must
// be a number, trailing spaces aside.
bool StrtoldWhole(const std::string& text, long double& value) {
  char* end = nullptr;
  value = std::strtold(text.c_str(), &end);
  if (end == text.c_str()) return false;
  while (*end == ' ') ++end;
  return *end == '\0';
}

void ParseWithParcyl(benchmark::State& state, const std::vector<std::string>& texts) {
  for (auto _ : state) {
    for (const std::string& text : texts) benchmark::DoNotOptimize(NumberFromText(text));
  }
  state.counters["items"] = static_cast<double>(texts.size());
}

// As a calculation run parses: its floating-point scope is open already, so
// the parse's own scope has nothing to do.
void ParseInRunScope(benchmark::State& state, const std::vector<std::string>& texts) {
  const FpuScope run;
  ParseWithParcyl(state, texts);
}

void ParseWithStrtold(benchmark::State& state, const std::vector<std::string>& texts) {
  for (auto _ : state) {
    for (const std::string& text : texts) {
      long double value;
      benchmark::DoNotOptimize(StrtoldWhole(text, value));
      benchmark::DoNotOptimize(value);
    }
  }
  state.counters["items"] = static_cast<double>(texts.size());
}

void RenderWithParcyl(benchmark::State& state, const std::vector<Extended>& values) {
  for (auto _ : state) {
    for (const Extended value : values) {
      std::string text = NumberToText(value);
      benchmark::DoNotOptimize(text.data());
    }
  }
  state.counters["items"] = static_cast<double>(values.size());
}

// As the result texts use it: appended to a text that has room already.
void AppendWithParcyl(benchmark::State& state, const std::vector<Extended>& values) {
  std::string text;
  text.reserve(64);
  for (auto _ : state) {
    for (const Extended value : values) {
      text.clear();
      AppendNumberText(text, value);
      benchmark::DoNotOptimize(text.data());
    }
  }
  state.counters["items"] = static_cast<double>(values.size());
}

void AppendInRunScope(benchmark::State& state, const std::vector<Extended>& values) {
  const FpuScope run;
  AppendWithParcyl(state, values);
}

void RenderWithSnprintf(benchmark::State& state, const std::vector<Extended>& values) {
  char text[64];
  for (auto _ : state) {
    for (const Extended value : values) {
      benchmark::DoNotOptimize(std::snprintf(text, sizeof text, "%.15Lg", value));
      benchmark::ClobberMemory();
    }
  }
  state.counters["items"] = static_cast<double>(values.size());
}

// What every standalone conversion pays to leave the floating-point state
// as it found it: the scope alone, with nothing raised inside it, and with
// an inexact result inside it, whose flag the scope then clears.
void ScopeAlone(benchmark::State& state) {
  for (auto _ : state) {
    const FpuScope scope;
    benchmark::ClobberMemory();
  }
}

void ScopeClearingInexact(benchmark::State& state) {
  Extended third = 1;
  for (auto _ : state) {
    const FpuScope scope;
    benchmark::DoNotOptimize(third);
    third = third / 3;  // inexact: raises the flag the scope clears
    benchmark::DoNotOptimize(third);
    third = 1;
  }
}

const std::string kCorpus = "corpus";

std::string ValueName(Extended value) { return NumberToText(value); }

// Time per text or value.
double SecondsPerItem(const Figure& figure) {
  const double items = figure.Counter("items");
  return items > 0 ? figure.seconds_per_iteration / items : figure.seconds_per_iteration;
}

void PrintRow(std::ostream& out, const std::string& what, const FigureReporter& figures, const std::string& ours,
              const std::string& peer, double goal) {
  const auto o = figures.Find(ours);
  const auto p = figures.Find(peer);
  out << "  " << std::left << std::setw(56) << what;
  if (!o || !p) {
    out << "(not run)\n";
    return;
  }
  const double ratio = SecondsPerItem(*p) / SecondsPerItem(*o);
  out << std::right << std::setw(10) << TimeText(SecondsPerItem(*o)) << std::setw(11)
      << TimeText(SecondsPerItem(*p)) << std::setw(10) << RatioText(ratio);
  if (goal > 0) out << "   goal >= " << RatioText(goal) << (ratio >= goal ? "  met" : "  NOT MET");
  out << '\n';
}

void PrintHeading(std::ostream& out, const std::string& title, const std::string& peer) {
  out << title << '\n'
      << "  " << std::left << std::setw(56) << "case" << std::right << std::setw(10) << "parcyl" << std::setw(11)
      << peer << std::setw(10) << "faster" << '\n';
}

}  // namespace

void RegisterNumberTextBenchmarks() {
  const std::vector<std::string> point_texts = [] {
    std::vector<std::string> texts;
    for (const std::string& text : kFieldTexts) texts.push_back(WithPoint(text));
    return texts;
  }();
  benchmark::RegisterBenchmark(("parse/parcyl/" + kCorpus).c_str(), ParseWithParcyl, kFieldTexts);
  benchmark::RegisterBenchmark(("parse/parcyl-in-run/" + kCorpus).c_str(), ParseInRunScope, kFieldTexts);
  benchmark::RegisterBenchmark(("parse/strtold/" + kCorpus).c_str(), ParseWithStrtold, point_texts);
  for (std::size_t i = 0; i < kFieldTexts.size(); ++i) {
    const std::string name = '"' + kFieldTexts[i] + '"';
    benchmark::RegisterBenchmark(("parse/parcyl/" + name).c_str(), ParseWithParcyl,
                                 std::vector<std::string>{kFieldTexts[i]});
    benchmark::RegisterBenchmark(("parse/strtold/" + name).c_str(), ParseWithStrtold,
                                 std::vector<std::string>{point_texts[i]});
  }

  benchmark::RegisterBenchmark("scope/nothing-raised", ScopeAlone);
  benchmark::RegisterBenchmark("scope/inexact-raised", ScopeClearingInexact);

  benchmark::RegisterBenchmark(("render/parcyl/" + kCorpus).c_str(), RenderWithParcyl, kResultValues);
  benchmark::RegisterBenchmark(("render/parcyl-append/" + kCorpus).c_str(), AppendWithParcyl, kResultValues);
  benchmark::RegisterBenchmark(("render/parcyl-in-run/" + kCorpus).c_str(), AppendInRunScope, kResultValues);
  benchmark::RegisterBenchmark(("render/snprintf/" + kCorpus).c_str(), RenderWithSnprintf, kResultValues);
  for (const Extended value : kResultValues) {
    const std::string name = ValueName(value);
    benchmark::RegisterBenchmark(("render/parcyl/" + name).c_str(), RenderWithParcyl, std::vector<Extended>{value});
    benchmark::RegisterBenchmark(("render/snprintf/" + name).c_str(), RenderWithSnprintf,
                                 std::vector<Extended>{value});
  }
}

void PrintNumberTextSummary(const FigureReporter& figures, std::ostream& out) {
  PrintHeading(out, "NumberFromText against strtold (C locale), time per text", "strtold");
  PrintRow(out, "the corpus of " + std::to_string(kFieldTexts.size()) + " field texts", figures,
           "parse/parcyl/" + kCorpus, "parse/strtold/" + kCorpus, 3);
  PrintRow(out, "the same inside a run, whose scope is open already", figures, "parse/parcyl-in-run/" + kCorpus,
           "parse/strtold/" + kCorpus, 0);
  for (const std::string& text : kFieldTexts) {
    const std::string name = '"' + text + '"';
    PrintRow(out, name, figures, "parse/parcyl/" + name, "parse/strtold/" + name, 0);
  }
  out << '\n';

  out << "  what a standalone conversion pays for its floating-point scope:\n";
  for (const auto& [what, name] : {std::pair{"nothing raised: save, load and restore the settings", "scope/nothing-raised"},
                                   std::pair{"an inexact result: the same, and clearing its flag", "scope/inexact-raised"}}) {
    const auto figure = figures.Find(name);
    out << "    " << std::left << std::setw(54) << what << std::right << std::setw(10)
        << (figure ? TimeText(figure->seconds_per_iteration) : "(not run)") << '\n';
  }
  out << '\n';

  PrintHeading(out, "NumberToText against snprintf(\"%.15Lg\"), time per value", "snprintf");
  PrintRow(out, "the " + std::to_string(kResultValues.size()) + " result values", figures, "render/parcyl/" + kCorpus,
           "render/snprintf/" + kCorpus, 5);
  PrintRow(out, "the same, AppendNumberText into a text with room", figures, "render/parcyl-append/" + kCorpus,
           "render/snprintf/" + kCorpus, 5);
  PrintRow(out, "the same inside a run, whose scope is open already", figures, "render/parcyl-in-run/" + kCorpus,
           "render/snprintf/" + kCorpus, 0);
  for (const Extended value : kResultValues) {
    const std::string name = ValueName(value);
    PrintRow(out, name, figures, "render/parcyl/" + name, "render/snprintf/" + name, 0);
  }
  out << '\n';
}

}  // namespace parcyl::bench

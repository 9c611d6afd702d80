// The whole calculation command on three arbitrary texts. The input is split
// by FuzzedDataProvider: its last byte picks the mark ("," when it is a
// comma, "." otherwise), then the texts of D, W and f follow, each ended by
// a backslash and any other character ("\\" stands for one backslash).
//
// Invariants, over the events the view records:
//   - a run with an empty field shows the prompt and nothing else; a run
//     without one never shows it;
//   - otherwise the events follow the calculation's order: at most two
//     "pow: OVERFLOW error" boxes and one logarithm box, then the seven value
//     labels (all or none), then "sqrt: DOMAIN error" boxes, then the five
//     table labels (all or none), whose Y row ends in as many "NAN" figures
//     as there were sqrt boxes;
//   - at most one error, and only as the last event; a run that ends without
//     error has written all twelve labels;
//   - a bad text is the first field that does not convert, named whole in
//     the message; after the value labels only an overflow can end a run;
//   - label texts are their fixed texts, or their fixed pieces around
//     figures that keep the rendering rules; computed figures are floored;
//   - afterwards the caller's settings are back and no flag is left set.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/calculation.h"
#include "calc/decimal_mark.h"
#include "calc/errors.h"
#include "calc/number_from_text.h"
#include "calc/result_texts.h"
#include "fuzz/fpu_state.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/number_text_rules.h"

namespace parcyl::fuzz {
namespace {

struct Event {
  enum class Kind { kPrompt, kBox, kLabel } kind;
  std::string text;
  ResultLabel label = ResultLabel::kLabel3;
};

class EventView : public CalculationView {
 public:
  void SetLabel(ResultLabel label, std::string text) override {
    events.push_back({Event::Kind::kLabel, std::move(text), label});
  }
  void ShowPrompt(std::string_view text) override { events.push_back({Event::Kind::kPrompt, std::string(text)}); }
  void ShowMathError(std::string_view text) override { events.push_back({Event::Kind::kBox, std::string(text)}); }

  std::vector<Event> events;
};

enum class Ending { kCompleted, kConvertError, kMathError };

struct Run {
  std::vector<Event> events;
  Ending ending = Ending::kCompleted;
  std::string message;
};

constexpr std::array kValueGroup = {ResultLabel::kLabel3, ResultLabel::kLabel4,  ResultLabel::kLabel5,
                                    ResultLabel::kLabel6, ResultLabel::kLabel9,  ResultLabel::kLabel10,
                                    ResultLabel::kLabel11};
constexpr std::array kTableGroup = {ResultLabel::kLabel15, ResultLabel::kLabel12, ResultLabel::kLabel13,
                                    ResultLabel::kLabel14, ResultLabel::kLabel16};

// The texts of the three fields, joined for the failure report.
std::string Describe(const std::array<std::string, 3>& fields) {
  return fields[0] + " | " + fields[1] + " | " + fields[2];
}

bool Converts(std::string_view text) {
  try {
    NumberFromText(text);
    return true;
  } catch (const EConvertError&) {
    return false;
  }
}

// Cuts `prefix` off the front of `text`; false when it is not there.
bool Consume(std::string_view& text, std::string_view prefix) {
  if (text.substr(0, prefix.size()) != prefix) return false;
  text.remove_prefix(prefix.size());
  return true;
}

// Cuts a figure off the front of `text`: everything up to `end` (or to the
// end of the text when `end` is empty). It must keep the rendering rules,
// and a floored figure below 10^15 is a whole number without a mark.
std::string_view TakeFigure(std::string_view& text, std::string_view end, bool floored, char mark,
                            const std::string& context) {
  const std::size_t cut = end.empty() ? text.size() : text.find(end);
  Require(cut != std::string_view::npos && cut > 0, "a label lacks its figure", context);
  const std::string_view figure = text.substr(0, cut);
  text.remove_prefix(cut);
  const NumberTextVerdict verdict = CheckNumberText(figure, mark);
  Require(verdict.fault.empty(), verdict.fault, std::string(figure) + " in " + context);
  if (floored) {
    Require(verdict.notation != Notation::kFixed || !verdict.has_mark, "a floored figure shows a fraction",
            context);
  }
  return figure;
}

void CheckLabelText(const Event& event, char mark, const std::string& context) {
  using namespace result_text;
  std::string_view text = event.text;
  const std::string where = context + " | " + event.text;
  const auto fixed = [&](std::string_view expected) { Require(text == expected, "a fixed label text differs", where); };
  const auto figure_between = [&](std::string_view prefix, std::string_view suffix, bool floored) {
    Require(Consume(text, prefix), "a label lacks its prefix", where);
    TakeFigure(text, suffix, floored, mark, where);
    Require(text == suffix, "a label lacks its suffix", where);
  };
  switch (event.label) {
    case ResultLabel::kLabel3: return fixed(kValuesHeading);
    case ResultLabel::kLabel12: return fixed(kPointNumbersRow);
    case ResultLabel::kLabel13: return fixed(kAbscissaRow);
    case ResultLabel::kLabel15: return fixed(kTableHeading);
    case ResultLabel::kLabel16: return fixed(kFootnote);
    case ResultLabel::kLabel4: {
      // The aperture as typed, unrounded: its text reads back as itself.
      Require(Consume(text, kAperturePrefix), "a label lacks its prefix", where);
      const std::string_view figure = TakeFigure(text, kMillimetres, false, mark, where);
      Require(text == kMillimetres, "a label lacks its suffix", where);
      if (figure != "INF" && figure != "-INF" && figure != "NAN") {
        Require(Converts(figure), "the aperture shown does not read back", where);
      }
      return;
    }
    case ResultLabel::kLabel5: return figure_between(kFocalLengthPrefix, kMillimetres, true);
    case ResultLabel::kLabel6: return figure_between(kDepthPrefix, kMillimetres, true);
    case ResultLabel::kLabel9: return figure_between(kWavelengthPrefix, kCentimetres, true);
    case ResultLabel::kLabel10: return figure_between(kAreaPrefix, kSquareCentimetres, true);
    case ResultLabel::kLabel11:
      Require(Consume(text, kDirectivityPrefix), "a label lacks its prefix", where);
      TakeFigure(text, kDirectivityMiddle, true, mark, where);
      Require(Consume(text, kDirectivityMiddle), "the directivity lacks its middle piece", where);
      TakeFigure(text, kDirectivitySuffix, true, mark, where);
      Require(text == kDirectivitySuffix, "a label lacks its suffix", where);
      return;
    case ResultLabel::kLabel14:
      Require(Consume(text, kOrdinateRowStart), "the Y row lacks its start", where);
      for (int i = 0; i < kProfilePoints; ++i) {
        // Figures never hold a space, so each runs up to the next gap.
        TakeFigure(text, i + 1 < kProfilePoints ? " " : "", true, mark, where);
        if (i + 1 < kProfilePoints) {
          Require(Consume(text, std::string(static_cast<std::size_t>(kOrdinateGaps[i]), ' ')),
                  "a gap of the Y row differs", where);
        }
      }
      Require(text.empty(), "the Y row goes on after twelve figures", where);
      return;
  }
  Fail("a label outside the two groups", where);
}

// The twelve figures of a Y row that CheckLabelText has passed.
std::vector<std::string_view> Ordinates(std::string_view row) {
  row.remove_prefix(result_text::kOrdinateRowStart.size());
  std::vector<std::string_view> figures;
  while (!row.empty()) {
    const std::size_t end = std::min(row.find(' '), row.size());
    if (end > 0) figures.push_back(row.substr(0, end));
    row.remove_prefix(std::min(end + 1, row.size()));
  }
  return figures;
}

bool IsMathMessage(std::string_view message) {
  return message == EInvalidOp().Message() || message == EZeroDivide().Message() ||
         message == EOverflow().Message();
}

void CheckRun(const Run& run, const std::array<std::string, 3>& fields, char mark) {
  const std::string context = Describe(fields);
  const std::vector<Event>& events = run.events;
  const bool some_field_empty = fields[0].empty() || fields[1].empty() || fields[2].empty();
  if (some_field_empty) {
    Require(run.ending == Ending::kCompleted && events.size() == 1 && events[0].kind == Event::Kind::kPrompt &&
                events[0].text == kEmptyFieldPrompt,
            "an empty field does not end the run with the prompt alone", context);
    return;
  }

  // 1. Boxes before the value labels: pow (D), pow (L), then one logarithm box.
  std::size_t i = 0;
  int pow_boxes = 0;
  bool log_box = false;
  for (; i < events.size() && events[i].kind != Event::Kind::kLabel; ++i) {
    const Event& e = events[i];
    Require(e.kind == Event::Kind::kBox, "a prompt in a run whose fields are all filled", context);
    if (e.text == "pow: OVERFLOW error") {
      Require(!log_box && ++pow_boxes <= 2, "a pow box out of its place", context);
    } else {
      Require(e.text == "log10: SING error" || e.text == "log10: DOMAIN error",
              "an unexpected box before the value labels", context);
      Require(!log_box, "two logarithm boxes", context);
      log_box = true;
    }
  }
  const std::size_t boxes_before_labels = i;

  // 2. The value group, whole or not at all.
  std::size_t value_labels = 0;
  for (; i < events.size() && events[i].kind == Event::Kind::kLabel && value_labels < kValueGroup.size();
       ++i, ++value_labels) {
    Require(events[i].label == kValueGroup[value_labels], "the value labels are out of order", context);
    CheckLabelText(events[i], mark, context);
  }
  Require(value_labels == 0 || value_labels == kValueGroup.size(), "a part of the value group was written",
          context);

  // 3. The square roots of the profile, then the table group, whole or not at all.
  std::size_t sqrt_boxes = 0;
  for (; i < events.size() && events[i].kind == Event::Kind::kBox; ++i, ++sqrt_boxes) {
    Require(value_labels > 0, "a box after the value labels that were not written", context);
    Require(events[i].text == "sqrt: DOMAIN error", "an unexpected box in the profile", context);
  }
  std::size_t table_labels = 0;
  for (; i < events.size() && events[i].kind == Event::Kind::kLabel && table_labels < kTableGroup.size();
       ++i, ++table_labels) {
    Require(events[i].label == kTableGroup[table_labels], "the table labels are out of order", context);
    CheckLabelText(events[i], mark, context);
  }
  Require(i == events.size(), "events after the table group, or out of their order", context);
  Require(table_labels == 0 || table_labels == kTableGroup.size(), "a part of the table group was written",
          context);
  Require(sqrt_boxes <= static_cast<std::size_t>(kProfilePoints), "more square-root boxes than points", context);
  if (table_labels > 0) {
    // A failing square root gives NaN; the arguments grow with the abscissa
    // and the first ones may be tiny (no box), so the NaNs end the row.
    const std::vector<std::string_view> ordinates = Ordinates(events[i - 2].text);
    for (std::size_t p = 0; p < ordinates.size(); ++p) {
      Require((ordinates[p] == "NAN") == (p + sqrt_boxes >= ordinates.size()),
              "the NaN ordinates are not the last ones, one per square-root box", context);
    }
  }
  Require(table_labels == 0 || value_labels > 0, "the table group without the value group", context);

  // 4. How the run ended.
  switch (run.ending) {
    case Ending::kCompleted:
      Require(table_labels == kTableGroup.size(), "a run ended without error before writing every label",
              context);
      return;
    case Ending::kConvertError: {
      Require(value_labels == 0, "a conversion error after the value labels", context);
      // The first field that does not convert; D is read before any box,
      // W and f after at most the box of pow(D).
      std::size_t bad = 0;
      while (bad < fields.size() && Converts(fields[bad])) ++bad;
      Require(bad < fields.size(), "a conversion error although every field converts", context);
      Require(run.message == "'" + fields[bad] + "' is not a valid floating point value",
              "the conversion error does not name the first bad field whole", context);
      Require(boxes_before_labels <= (bad == 0 ? 0u : 1u), "boxes before a conversion error", context);
      return;
    }
    case Ending::kMathError:
      Require(IsMathMessage(run.message), "an unknown arithmetic error message", context);
      Require(table_labels == 0, "an error after the table labels", context);
      Require(value_labels == 0 || run.message == EOverflow().Message(),
              "an error other than an overflow after the value labels", context);
      return;
  }
}

}  // namespace
}  // namespace parcyl::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace parcyl;
  using namespace parcyl::fuzz;
  FuzzedDataProvider provider(data, size);
  const char mark = provider.ConsumeIntegral<std::uint8_t>() == ',' ? ',' : '.';
  ReadDecimalMark([mark] { return std::optional<std::string>(std::string(1, mark)); });
  std::array<std::string, 3> fields;
  for (auto& field : fields) field = provider.ConsumeRandomLengthString();

  const FpuSettings caller = CallerSettings(static_cast<unsigned>(size));
  LoadSettings(caller);
  RaiseAllFlags();
  EventView view;
  Run run;
  try {
    RunCalculation({fields[0], fields[1], fields[2]}, view);
  } catch (const EConvertError& e) {
    run.ending = Ending::kConvertError;
    run.message = e.Message();
  } catch (const EMathError& e) {
    run.ending = Ending::kMathError;
    run.message = e.Message();
  }
  const bool flags_clear = FlagsClear();
  const bool settings_kept = SameSettings(CurrentSettings(), caller);
  LoadSettings(CallerSettings(0));
  Require(flags_clear, "an exception flag is left set", Describe(fields));
  Require(settings_kept, "the caller's settings changed", Describe(fields));
  run.events = std::move(view.events);
  CheckRun(run, fields, mark);
  return 0;
}

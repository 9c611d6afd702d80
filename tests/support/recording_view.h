// A calculation view that records every event of a run, in order, the way
// parcyl-calc --trace prints them: "prompt\t...", "box\t...",
// "label\tLabelN\t...", "error\t...".
#pragma once

#include <string>
#include <vector>

#include "calc/calculation.h"
#include "calc/errors.h"

namespace parcyl::testing {

class RecordingView : public CalculationView {
 public:
  void SetLabel(ResultLabel label, std::string text) override {
    events.push_back("label\t" + std::string(LabelName(label)) + "\t" + text);
  }
  void ShowPrompt(std::string_view text) override { events.push_back("prompt\t" + std::string(text)); }
  void ShowMathError(std::string_view text) override { events.push_back("box\t" + std::string(text)); }

  std::vector<std::string> events;
};

// Runs one calculation and returns its events, an error included.
inline std::vector<std::string> Events(std::string_view d, std::string_view w, std::string_view f) {
  RecordingView view;
  try {
    RunCalculation({d, w, f}, view);
  } catch (const Exception& e) {
    view.events.push_back("error\t" + ErrorDialogText(e.Message()));
  }
  return view.events;
}

}  // namespace parcyl::testing

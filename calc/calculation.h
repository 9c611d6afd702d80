// The calculation command: three input texts in, label texts out.
//
// One run, in this order (every figure depends on it):
//   1. An empty text, checked D, then W, then f, shows the prompt and ends.
//   2. D; F = (D * 400) * r with r the extended nearest 1/1100;
//      H = pow(D, 2) / (16 F) from the stored F, not 11D/64.
//   3. W; S = (0.1 D) * (0.1 W) in cm^2.
//   4. f, kept unrounded; L = 30000 / f in cm; G = 8.164 S / pow(L, 2);
//      Gdb = 10 log10 G.
//   5. The value labels 3, 4, 5, 6, 9, 10, 11.
//   6. Yi = sqrt(4 F Xi) for the twelve abscissas, each argument stored as a
//      double; then the table labels 15, 12, 13, 14, 16.
// Each quantity is a double, stored once; the arithmetic inside a formula
// is extended. A bad text raises EConvertError, an arithmetic fault
// EInvalidOp, EZeroDivide or EOverflow, and the run ends at once with every
// label as it was at that moment. The maths functions report through the
// view and go on with their substitutes.
//
//   "1000", "2000", "1296" -> F "363", H "171", L "23", S "20000",
//                             G "304" and "24" dB, Y "53 ... 934"
#pragma once

#include <string>
#include <string_view>

#include "calc/result_labels.h"

namespace parcyl {

inline constexpr std::string_view kEmptyFieldPrompt = "Введите величину раскрыва антенны в мм";

// Where a run writes. Front ends implement it; each call happens at the
// moment of the run at which the window would show it.
class CalculationView {
 public:
  virtual ~CalculationView() = default;
  // A label's new text, in the order the run writes them.
  virtual void SetLabel(ResultLabel label, std::string text) = 0;
  // The prompt for an empty field; the run ends when this returns.
  virtual void ShowPrompt(std::string_view text) = 0;
  // A math error box ("sqrt: DOMAIN error"); the run goes on when this returns.
  virtual void ShowMathError(std::string_view text) = 0;
};

struct CalculationInputs {
  std::string_view aperture;   // Edit1, D in mm
  std::string_view width;      // Edit2, W in mm
  std::string_view frequency;  // Edit3, f in MHz
};

enum class RunOutcome {
  kCompleted,  // every label written, math boxes or not
  kPrompted,   // a field was empty: the prompt was shown, no label changed
};

// Raises EConvertError, EInvalidOp, EZeroDivide or EOverflow; the caller
// shows the message with ErrorDialogText.
RunOutcome RunCalculation(const CalculationInputs& inputs, CalculationView& view);

}  // namespace parcyl

// Where parcyl-calc writes the events of a run.
//
// Plain: the label texts go to standard output, one per line, in the order
// written; the math boxes, the prompt and the error dialog's text go to
// standard error, one per line.
//
// Trace: every event goes to standard output, one per line, fields
// separated by a tab:
//   prompt<TAB>text
//   box<TAB>text
//   label<TAB>LabelN<TAB>text
//   error<TAB>text            (with the error dialog's full stop)
// A backslash, tab, line feed or carriage return inside a text is written
// as \\, \t, \n or \r, so that every event stays one line of fields.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "calc/calculation.h"

namespace parcyl::cli {

class OutputView : public CalculationView {
 public:
  // The error dialog's text, after the run ended with an error.
  virtual void ShowError(std::string_view text) = 0;
};

class PlainView : public OutputView {
 public:
  PlainView(std::FILE* out, std::FILE* err) : out_(out), err_(err) {}
  void SetLabel(ResultLabel label, std::string text) override;
  void ShowPrompt(std::string_view text) override;
  void ShowMathError(std::string_view text) override;
  void ShowError(std::string_view text) override;

 private:
  std::FILE* out_;
  std::FILE* err_;
};

class TraceView : public OutputView {
 public:
  explicit TraceView(std::FILE* out) : out_(out) {}
  void SetLabel(ResultLabel label, std::string text) override;
  void ShowPrompt(std::string_view text) override;
  void ShowMathError(std::string_view text) override;
  void ShowError(std::string_view text) override;

 private:
  std::FILE* out_;
};

// The escaping of trace fields: "a\tb" -> "a\\tb".
std::string EscapeTraceField(std::string_view text);

}  // namespace parcyl::cli

#include "cli/output_views.h"

namespace parcyl::cli {
namespace {

void WriteLine(std::FILE* stream, std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), stream);
  std::fputc('\n', stream);
}

void WriteTrace(std::FILE* stream, std::string_view kind, std::string_view text) {
  std::string line(kind);
  line += '\t';
  line += EscapeTraceField(text);
  WriteLine(stream, line);
}

}  // namespace

std::string EscapeTraceField(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '\\': escaped += "\\\\"; break;
      case '\t': escaped += "\\t"; break;
      case '\n': escaped += "\\n"; break;
      case '\r': escaped += "\\r"; break;
      default: escaped += c;
    }
  }
  return escaped;
}

void PlainView::SetLabel(ResultLabel, std::string text) { WriteLine(out_, text); }
void PlainView::ShowPrompt(std::string_view text) { WriteLine(err_, text); }
void PlainView::ShowMathError(std::string_view text) { WriteLine(err_, text); }
void PlainView::ShowError(std::string_view text) { WriteLine(err_, text); }

void TraceView::SetLabel(ResultLabel label, std::string text) {
  std::string line = "label\t";
  line += LabelName(label);
  line += '\t';
  line += EscapeTraceField(text);
  WriteLine(out_, line);
}
void TraceView::ShowPrompt(std::string_view text) { WriteTrace(out_, "prompt", text); }
void TraceView::ShowMathError(std::string_view text) { WriteTrace(out_, "box", text); }
void TraceView::ShowError(std::string_view text) { WriteTrace(out_, "error", text); }

}  // namespace parcyl::cli

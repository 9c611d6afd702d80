// parcyl-calc: one calculation of the window, run from the command line on
// the very same command.
#include <cstdio>
#include <string>
#include <vector>

#include "app/qt_text_bridge.h"
#include "calc/calculation.h"
#include "calc/decimal_mark.h"
#include "calc/errors.h"
#include "calc/fpu_env.h"
#include "cli/command_line.h"
#include "cli/output_views.h"

namespace {

constexpr int kCompleted = 0;
constexpr int kEndedEarly = 1;
constexpr int kUsageError = 2;

constexpr const char* kHelp = R"(usage: parcyl-calc [--mark C] [--trace] [--] D W f

Computes a parabolic-cylinder antenna exactly as the parcyl window does.

  D   aperture of the reflector, rim to rim, in mm
  W   width of the reflector sheet, in mm
  f   operating frequency, in MHz

Numbers are written with the decimal mark of your locale (or --mark), no
digit-group separators, and E for exponents: 1000, 1000,5, 1e3.

Options (only before the values):
  --mark C   use the character C as decimal mark instead of the locale's
  --trace    print every event on standard output (format below)
  --help     print this text
  --         end of options; needed before a value that begins with '-'

Results, one label per line in the order the window writes them; every
computed figure is rounded down to a whole number:
  Label3    heading
  Label4    D    aperture as typed, mm
  Label5    F    focal length 4D/11, mm
  Label6    H    depth of the reflector D^2/(16F), mm
  Label9    L    wavelength 30000/f, cm
  Label10   S    area of the sheet (0.1D)(0.1W), sq. cm
  Label11   G    directivity 8.164 S/L^2 as a ratio, and 10 log10 G in dB
  Label15   heading of the profile table
  Label12   point numbers 1..12
  Label13   X, abscissas along the axis from the vertex: 2 5 10 ... 600 mm
  Label14   Y, ordinates of the parabola y^2 = 4Fx at those X, mm
  Label16   footnote: all sizes in millimetres

Without --trace the labels go to standard output; math error boxes
("pow: OVERFLOW error"), the prompt for an empty value and the error
message go to standard error.

With --trace every event goes to standard output, one per line, in order,
fields separated by a tab (a stable format for other tools):
  prompt<TAB>text
  box<TAB>text
  label<TAB>LabelN<TAB>text
  error<TAB>text
A backslash, tab, line feed or carriage return inside a text is written as
\\, \t, \n or \r.

Exit status: 0 when the calculation completed (math boxes included), 1 when
it ended with the prompt or an error, 2 for a usage error.
)";

int Run(const parcyl::cli::Options& options) {
  parcyl::LoadCalculationFpuSettings();
  if (options.mark) {
    const std::string mark(1, *options.mark);
    parcyl::ReadDecimalMark([&mark] { return std::optional<std::string>(mark); });
  } else {
    parcyl::ReadDecimalMark(&parcyl::SystemDecimalSymbol);
  }

  parcyl::cli::PlainView plain(stdout, stderr);
  parcyl::cli::TraceView trace(stdout);
  parcyl::cli::OutputView& view = options.trace ? static_cast<parcyl::cli::OutputView&>(trace) : plain;

  try {
    const auto outcome = parcyl::RunCalculation({options.values[0], options.values[1], options.values[2]}, view);
    return outcome == parcyl::RunOutcome::kCompleted ? kCompleted : kEndedEarly;
  } catch (const parcyl::Exception& e) {
    view.ShowError(parcyl::ErrorDialogText(e.Message()));
    return kEndedEarly;
  } catch (...) {
    view.ShowError(parcyl::ErrorDialogText(""));
    return kEndedEarly;
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const auto parsed = parcyl::cli::ParseArguments(arguments);
  if (!parsed.options) {
    const std::string message = "parcyl-calc: " + parsed.error + "\n" + parcyl::cli::kUsage + "\n";
    std::fputs(message.c_str(), stderr);
    return kUsageError;
  }
  if (parsed.options->help) {
    std::fputs(kHelp, stdout);
    return kCompleted;
  }
  const int status = Run(*parsed.options);
  std::fflush(stdout);
  return status;
}

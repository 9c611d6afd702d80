#include "calc/calculation.h"

#include <bit>
#include <cstdint>

#include "calc/checked_ext.h"
#include "calc/fpu_env.h"
#include "calc/math_functions.h"
#include "calc/number_from_text.h"
#include "calc/result_texts.h"

namespace parcyl {
namespace {

// F is formed by multiplying with the extended value nearest 1/1100, not by
// dividing by 1100: the two differ in the last bit for many apertures.
constexpr Extended kOneOver1100 = 1.0L / 1100;
// The extended value nearest 0.1, not the double.
constexpr Extended kOneTenth = 0.1L;
// One unit in the last place above the double nearest 8.164: with 10000,
// 1000 and 4500 it makes the floored directivity 18369, not 18368.
constexpr double kDirectivityFactor = std::bit_cast<double>(std::uint64_t{0x402053F7CED91688});

}  // namespace

RunOutcome RunCalculation(const CalculationInputs& inputs, CalculationView& view) {
  const FpuScope fpu;

  // 1. Only the empty text fails here; blanks fail later, in conversion.
  if (inputs.aperture.empty() || inputs.width.empty() || inputs.frequency.empty()) {
    view.ShowPrompt(kEmptyFieldPrompt);
    return RunOutcome::kPrompted;
  }
  const MathErrorReport report = [&view](std::string_view text) { view.ShowMathError(text); };

  // 2. The conversions are interleaved with the formulas, so an arithmetic
  //    fault in an earlier formula is reported before a bad later text.
  const double aperture = StoreDouble(NumberFromText(inputs.aperture));
  const double focal_length = StoreDouble(Ext(aperture) * Ext(400) * Ext(kOneOver1100));
  // The depth uses the stored focal length, not 11D/64: for D = 5696 it is 978.
  const Ext aperture_squared = Pow2(aperture, report);
  const double depth = StoreDouble(aperture_squared / (Ext(16) * Ext(focal_length)));
  const double width = StoreDouble(NumberFromText(inputs.width));
  const double area = StoreDouble((Ext(kOneTenth) * Ext(aperture)) * (Ext(kOneTenth) * Ext(width)));
  // The frequency stays extended: it is never rounded to a double.
  const Extended frequency = NumberFromText(inputs.frequency);
  const double wavelength = StoreDouble(Ext(30000) / Ext(frequency));
  const Ext scaled_area = Ext(kDirectivityFactor) * Ext(area);
  const double directivity = StoreDouble(scaled_area / Ext(Pow2(wavelength, report)));
  const double decibels = StoreDouble(Ext(Log10(directivity, report)) * Ext(10));

  // 3. The value labels, each text built and set before the next.
  using namespace result_text;
  view.SetLabel(ResultLabel::kLabel3, std::string(kValuesHeading));
  view.SetLabel(ResultLabel::kLabel4, ApertureText(aperture));
  view.SetLabel(ResultLabel::kLabel5, FlooredValueText(kFocalLengthPrefix, focal_length, kMillimetres));
  view.SetLabel(ResultLabel::kLabel6, FlooredValueText(kDepthPrefix, depth, kMillimetres));
  view.SetLabel(ResultLabel::kLabel9, FlooredValueText(kWavelengthPrefix, wavelength, kCentimetres));
  view.SetLabel(ResultLabel::kLabel10, FlooredValueText(kAreaPrefix, area, kSquareCentimetres));
  view.SetLabel(ResultLabel::kLabel11, DirectivityText(directivity, decibels));

  // 4. The profile y^2 = 4Fx; each argument is rounded to a double first,
  //    and may overflow there after the value labels are already written.
  std::array<double, kProfilePoints> ordinates{};
  for (int i = 0; i < kProfilePoints; ++i) {
    const double argument = StoreDouble(Ext(4) * Ext(focal_length) * Ext(kProfileAbscissas[i]));
    ordinates[i] = StoreDouble(Sqrt(argument, report));
  }
  std::string ordinate_row = OrdinateRowText(ordinates);
  view.SetLabel(ResultLabel::kLabel15, std::string(kTableHeading));
  view.SetLabel(ResultLabel::kLabel12, std::string(kPointNumbersRow));
  view.SetLabel(ResultLabel::kLabel13, std::string(kAbscissaRow));
  view.SetLabel(ResultLabel::kLabel14, std::move(ordinate_row));
  view.SetLabel(ResultLabel::kLabel16, std::string(kFootnote));
  return RunOutcome::kCompleted;
}

}  // namespace parcyl

#include "calc/checked_ext.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <functional>
#include <limits>

#include "calc/errors.h"

namespace parcyl {
namespace {

constexpr Extended kInf = std::numeric_limits<Extended>::infinity();
constexpr Extended kNan = std::numeric_limits<Extended>::quiet_NaN();

enum class Outcome { kValue, kInvalid, kZeroDivide, kOverflow };

Outcome OutcomeOf(const std::function<void()>& operation) {
  try {
    operation();
  } catch (const EInvalidOp&) {
    return Outcome::kInvalid;
  } catch (const EZeroDivide&) {
    return Outcome::kZeroDivide;
  } catch (const EOverflow&) {
    return Outcome::kOverflow;
  }
  return Outcome::kValue;
}

struct OperationCase {
  const char* name;
  std::function<void()> operation;
  Outcome outcome;
};

TEST(CheckedExt, ErrorsComeFromTheResultOfEachOperation) {
  const OperationCase cases[] = {
      {"0/0", [] { Ext(0) / Ext(0); }, Outcome::kInvalid},
      {"-0/0", [] { Ext(-0.0L) / Ext(0); }, Outcome::kInvalid},
      {"inf-inf", [] { Ext(kInf) - Ext(kInf); }, Outcome::kInvalid},
      {"inf+-inf", [] { Ext(kInf) + Ext(-kInf); }, Outcome::kInvalid},
      {"0*inf", [] { Ext(0) * Ext(kInf); }, Outcome::kInvalid},
      {"inf/inf", [] { Ext(kInf) / Ext(-kInf); }, Outcome::kInvalid},
      {"1/0", [] { Ext(1) / Ext(0); }, Outcome::kZeroDivide},
      {"-5/-0", [] { Ext(-5) / Ext(-0.0L); }, Outcome::kZeroDivide},
      {"denormal/0", [] { Ext(LDBL_MIN / 8) / Ext(0); }, Outcome::kZeroDivide},
      {"max*2", [] { Ext(LDBL_MAX) * Ext(2); }, Outcome::kOverflow},
      {"max+max", [] { Ext(LDBL_MAX) + Ext(LDBL_MAX); }, Outcome::kOverflow},
      {"-max-max", [] { Ext(-LDBL_MAX) - Ext(LDBL_MAX); }, Outcome::kOverflow},
      {"max/0.5", [] { Ext(LDBL_MAX) / Ext(0.5L); }, Outcome::kOverflow},
      {"store 1e400", [] { StoreDouble(Ext(1e400L)); }, Outcome::kOverflow},
      {"store -1e309", [] { StoreDouble(Ext(-1e309L)); }, Outcome::kOverflow},
      // No error: infinities and NaNs that are operands already, underflow.
      {"inf/0", [] { Ext(kInf) / Ext(0); }, Outcome::kValue},
      {"inf*10", [] { Ext(-kInf) * Ext(10); }, Outcome::kValue},
      {"nan*10", [] { Ext(kNan) * Ext(10); }, Outcome::kValue},
      {"nan/0", [] { Ext(kNan) / Ext(0); }, Outcome::kValue},
      {"1/inf", [] { Ext(1) / Ext(kInf); }, Outcome::kValue},
      {"min*min", [] { Ext(LDBL_MIN) * Ext(LDBL_MIN); }, Outcome::kValue},
      {"store inf", [] { StoreDouble(Ext(kInf)); }, Outcome::kValue},
      {"store nan", [] { StoreDouble(Ext(kNan)); }, Outcome::kValue},
      {"store 1e-400", [] { StoreDouble(Ext(1e-400L)); }, Outcome::kValue},
      {"store DBL_MAX", [] { StoreDouble(Ext(DBL_MAX)); }, Outcome::kValue},
  };
  for (const auto& c : cases) EXPECT_EQ(OutcomeOf(c.operation), c.outcome) << c.name;
}

TEST(CheckedExt, StoreRoundsToTheNearestDouble) {
  EXPECT_EQ(StoreDouble(Ext(1) / Ext(3)), 1.0 / 3.0);
  EXPECT_EQ(StoreDouble(Ext(1e-320L)), 1e-320);  // subnormal
  EXPECT_EQ(StoreDouble(Ext(1e-400L)), 0);
  // Just above DBL_MAX but rounding down to it is no overflow.
  EXPECT_EQ(StoreDouble(Ext(static_cast<Extended>(DBL_MAX) * (1 + 0x1p-60L))), DBL_MAX);
}

TEST(CheckedExt, ArithmeticIsExtendedWithEachStepRounded) {
  // 1e308 * 10 overflows a double but not an extended; storing it does.
  const Ext big = Ext(1e308L) * Ext(10);
  EXPECT_EQ(big.value(), 1e308L * 10);
  EXPECT_EQ(StoreDouble(big / Ext(100)), static_cast<double>(1e308L * 10 / 100));
}

TEST(Errors, MessagesAndKinds) {
  EXPECT_EQ(EInvalidOp().Message(), "Invalid floating point operation");
  EXPECT_EQ(EZeroDivide().Message(), "Floating point division by zero");
  EXPECT_EQ(EOverflow().Message(), "Floating point overflow");
  const EOverflow overflow;
  const Exception& base = overflow;
  EXPECT_NE(dynamic_cast<const EMathError*>(&base), nullptr);
  const EConvertError convert("x");
  const Exception& base2 = convert;
  EXPECT_EQ(dynamic_cast<const EMathError*>(&base2), nullptr);
}

TEST(Errors, DialogTextAddsAFullStopAfterCharactersAboveIt) {
  const struct {
    const char* message;
    const char* shown;
  } cases[] = {
      {"Floating point overflow", "Floating point overflow."},
      {"'abc' is not a valid floating point value", "'abc' is not a valid floating point value."},
      {"Done.", "Done."},
      {"", ""},
      {"Wow!", "Wow!"},
      {"a,", "a,"},
      {"a-", "a-"},
      {"(a)", "(a)"},
      {"'a'", "'a'"},
      {"a ", "a "},
      {"path/", "path/."},
      {"a:", "a:."},
      {"a?", "a?."},
      {"7", "7."},
      {"Ошибка", "Ошибка."},
  };
  for (const auto& c : cases) EXPECT_EQ(ErrorDialogText(c.message), c.shown) << c.message;
}

}  // namespace
}  // namespace parcyl

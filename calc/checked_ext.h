// Checked extended arithmetic: the operations of the calculation's formulas,
// each tested by its result for the three conditions that end a run.
//
//   invalid operation  0/0, inf - inf, 0 * inf, inf / inf   -> EInvalidOp
//   division by zero   finite nonzero / +-0                 -> EZeroDivide
//   overflow           finite operands, infinite result,
//                      or a finite value stored beyond the
//                      double range                         -> EOverflow
//
// Underflow, denormal operands and inexact results pass silently: a result
// below the range becomes a denormal or zero. A NaN or an infinity that is
// already an operand travels on without an error, as on the x87 unit with
// only those three exceptions unmasked:
//   Ext(-INFINITY) * 10      -> -inf, no error (a logarithm's substitute)
//   Ext(NAN) * 10            -> NaN, no error
//   StoreDouble(Ext(1e400L)) -> EOverflow
//   StoreDouble(Ext(1e-400L))-> 0, no error
//
// The operations are inline, so that a formula's values stay in the x87
// registers instead of going through memory at every step; only raising an
// error is out of line.
#pragma once

#include <cmath>

#include "calc/extended.h"

namespace parcyl {

class Ext {
 public:
  constexpr Ext() = default;
  constexpr Ext(Extended value) : value_(value) {}  // NOLINT: implicit by design

  constexpr Extended value() const { return value_; }

 private:
  Extended value_ = 0;
};

[[noreturn]] void RaiseInvalidOp();
[[noreturn]] void RaiseZeroDivide();
[[noreturn]] void RaiseOverflow();

// A NaN out of two non-NaN operands is an invalid operation; an infinity out
// of two finite ones is an overflow (a division by zero is caught earlier).
inline Ext Checked(Extended result, Extended a, Extended b) {
  if (std::isnan(result) && !std::isnan(a) && !std::isnan(b)) RaiseInvalidOp();
  if (std::isinf(result) && std::isfinite(a) && std::isfinite(b)) RaiseOverflow();
  return result;
}

inline Ext operator+(Ext a, Ext b) { return Checked(a.value() + b.value(), a.value(), b.value()); }
inline Ext operator-(Ext a, Ext b) { return Checked(a.value() - b.value(), a.value(), b.value()); }
inline Ext operator*(Ext a, Ext b) { return Checked(a.value() * b.value(), a.value(), b.value()); }

inline Ext operator/(Ext a, Ext b) {
  if (b.value() == 0 && std::isfinite(a.value()) && a.value() != 0) RaiseZeroDivide();
  return Checked(a.value() / b.value(), a.value(), b.value());
}

// Rounds to a double, as a store into a double variable does.
inline double StoreDouble(Ext x) {
  const double stored = static_cast<double>(x.value());
  if (std::isinf(stored) && std::isfinite(x.value())) RaiseOverflow();
  return stored;
}

}  // namespace parcyl

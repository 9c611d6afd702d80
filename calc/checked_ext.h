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
#pragma once

#include "calc/extended.h"

namespace parcyl {

class Ext {
 public:
  constexpr Ext() = default;
  constexpr Ext(Extended value) : value_(value) {}  // NOLINT: implicit by design

  constexpr Extended value() const { return value_; }

  friend Ext operator+(Ext a, Ext b);
  friend Ext operator-(Ext a, Ext b);
  friend Ext operator*(Ext a, Ext b);
  friend Ext operator/(Ext a, Ext b);

 private:
  Extended value_ = 0;
};

// Rounds to a double, as a store into a double variable does.
double StoreDouble(Ext x);

}  // namespace parcyl

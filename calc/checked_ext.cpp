#include "calc/checked_ext.h"

#include <cmath>

#include "calc/errors.h"

namespace parcyl {
namespace {

// A NaN out of two non-NaN operands is an invalid operation; an infinity out
// of two finite ones is an overflow (a division by zero is caught earlier).
Ext Checked(Extended result, Extended a, Extended b) {
  if (std::isnan(result) && !std::isnan(a) && !std::isnan(b)) throw EInvalidOp();
  if (std::isinf(result) && std::isfinite(a) && std::isfinite(b)) throw EOverflow();
  return result;
}

}  // namespace

Ext operator+(Ext a, Ext b) { return Checked(a.value_ + b.value_, a.value_, b.value_); }
Ext operator-(Ext a, Ext b) { return Checked(a.value_ - b.value_, a.value_, b.value_); }
Ext operator*(Ext a, Ext b) { return Checked(a.value_ * b.value_, a.value_, b.value_); }

Ext operator/(Ext a, Ext b) {
  if (b.value_ == 0 && std::isfinite(a.value_) && a.value_ != 0) throw EZeroDivide();
  return Checked(a.value_ / b.value_, a.value_, b.value_);
}

double StoreDouble(Ext x) {
  const double stored = static_cast<double>(x.value());
  if (std::isinf(stored) && std::isfinite(x.value())) throw EOverflow();
  return stored;
}

}  // namespace parcyl

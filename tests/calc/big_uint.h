// A small unsigned big integer, enough to recompute powers of ten exactly
// and compare them with extended values. Test-only.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

namespace parcyl::testing {

class BigUint {
 public:
  explicit BigUint(std::uint64_t value = 0) {
    while (value != 0) {
      limbs_.push_back(static_cast<std::uint32_t>(value));
      value >>= 32;
    }
  }

  static BigUint PowerOfTen(int n) {
    BigUint result(1);
    for (int i = 0; i < n; ++i) result.MultiplySmall(10);
    return result;
  }

  static BigUint PowerOfTwo(int n) { return BigUint(1).ShiftedLeft(n); }

  void MultiplySmall(std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (auto& limb : limbs_) {
      const std::uint64_t product = std::uint64_t{limb} * factor + carry;
      limb = static_cast<std::uint32_t>(product);
      carry = product >> 32;
    }
    if (carry != 0) limbs_.push_back(static_cast<std::uint32_t>(carry));
  }

  BigUint ShiftedLeft(int bits) const {
    BigUint result;
    result.limbs_.assign(static_cast<std::size_t>(bits / 32), 0);
    const int shift = bits % 32;
    std::uint32_t carry = 0;
    for (const auto limb : limbs_) {
      result.limbs_.push_back(shift == 0 ? limb : (limb << shift) | carry);
      carry = shift == 0 ? 0 : limb >> (32 - shift);
    }
    if (carry != 0) result.limbs_.push_back(carry);
    result.Trim();
    return result;
  }

  // |a - b|
  static BigUint Distance(const BigUint& a, const BigUint& b) {
    const BigUint& big = Compare(a, b) >= 0 ? a : b;
    const BigUint& small = Compare(a, b) >= 0 ? b : a;
    BigUint result = big;
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < result.limbs_.size(); ++i) {
      std::int64_t d = std::int64_t{result.limbs_[i]} - borrow - (i < small.limbs_.size() ? small.limbs_[i] : 0);
      borrow = d < 0 ? 1 : 0;
      result.limbs_[i] = static_cast<std::uint32_t>(d + (borrow << 32));
    }
    result.Trim();
    return result;
  }

  static int Compare(const BigUint& a, const BigUint& b) {
    if (a.limbs_.size() != b.limbs_.size()) return a.limbs_.size() < b.limbs_.size() ? -1 : 1;
    for (std::size_t i = a.limbs_.size(); i-- > 0;) {
      if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
    }
    return 0;
  }

 private:
  void Trim() {
    while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
  }
  std::vector<std::uint32_t> limbs_;  // least significant first
};

}  // namespace parcyl::testing

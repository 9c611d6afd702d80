#include "calc/fpu_env.h"

namespace parcyl {
namespace {

constexpr std::uint32_t kMxcsrFlags = 0x3F;
// The six exception flags, the stack fault and the error summary.
constexpr std::uint16_t kX87StatusFlags = 0xFF;

// Whether a scope is open on this thread: one opened inside it has nothing
// to load and leaves the flags to the outer one.
thread_local bool t_scope_open = false;

std::uint16_t X87StatusWord() {
  std::uint16_t word;
  asm volatile("fnstsw %0" : "=a"(word));
  return word;
}

}  // namespace

std::uint16_t X87ControlWord() {
  std::uint16_t word = 0;
  asm volatile("fnstcw %0" : "=m"(word));
  return word;
}

void SetX87ControlWord(std::uint16_t word) { asm volatile("fldcw %0" : : "m"(word)); }

std::uint32_t Mxcsr() {
  std::uint32_t word = 0;
  asm volatile("stmxcsr %0" : "=m"(word));
  return word;
}

void SetMxcsr(std::uint32_t word) { asm volatile("ldmxcsr %0" : : "m"(word)); }

void ClearFpuExceptionFlags() {
  // fnclex takes as long as a short conversion; reading the status word
  // first costs a fraction of that, and most conversions raise nothing.
  if (X87StatusWord() & kX87StatusFlags) asm volatile("fnclex");
  const std::uint32_t mxcsr = Mxcsr();
  if (mxcsr & kMxcsrFlags) SetMxcsr(mxcsr & ~kMxcsrFlags);
}

void ClearFpuExceptionFlagsOutsideScopes() {
  if (!t_scope_open) ClearFpuExceptionFlags();
}

void LoadCalculationFpuSettings() {
  asm volatile("fninit");
  SetX87ControlWord(kCalculationX87ControlWord);
  SetMxcsr(kCalculationMxcsr);
}

FpuScope::FpuScope() : outermost_(!t_scope_open) {
  if (!outermost_) return;
  t_scope_open = true;
  saved_x87_ = X87ControlWord();
  saved_mxcsr_ = Mxcsr() & ~kMxcsrFlags;
  if (saved_x87_ != kCalculationX87ControlWord) SetX87ControlWord(kCalculationX87ControlWord);
  if (saved_mxcsr_ != kCalculationMxcsr) SetMxcsr(kCalculationMxcsr);
}

FpuScope::~FpuScope() {
  if (!outermost_) return;
  t_scope_open = false;
  ClearFpuExceptionFlags();
  if (saved_x87_ != kCalculationX87ControlWord) SetX87ControlWord(saved_x87_);
  if (saved_mxcsr_ != kCalculationMxcsr) SetMxcsr(saved_mxcsr_);
}

}  // namespace parcyl

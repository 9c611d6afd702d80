// The floating-point settings that the calculation runs under.
//
// x87 control word 0x037F: every exception masked, 64-bit significand,
// rounding to nearest; MXCSR 0x1F80, masked and to nearest. The errors of the
// calculation are found by testing each operation's result (checked_ext.h),
// never by traps: a trap would need a signal handler, and no C++ exception
// may be thrown from one.
#pragma once

#include <cstdint>

namespace parcyl {

inline constexpr std::uint16_t kCalculationX87ControlWord = 0x037F;
inline constexpr std::uint32_t kCalculationMxcsr = 0x1F80;

std::uint16_t X87ControlWord();
void SetX87ControlWord(std::uint16_t word);
std::uint32_t Mxcsr();
void SetMxcsr(std::uint32_t word);

// Clears the exception flags of the x87 unit and of SSE.
void ClearFpuExceptionFlags();

// Loads the calculation's settings for the whole thread and clears the
// exception flags. The application does this once at start-up.
void LoadCalculationFpuSettings();

// Runs a block under the calculation's settings. On every way out, also by an
// exception, the caller's settings come back and the exception flags are
// clear. Cheap enough for every conversion: two control words are saved and
// loaded only when they differ.
class FpuScope {
 public:
  FpuScope();
  ~FpuScope();
  FpuScope(const FpuScope&) = delete;
  FpuScope& operator=(const FpuScope&) = delete;

 private:
  std::uint16_t saved_x87_;
  std::uint32_t saved_mxcsr_;
};

}  // namespace parcyl

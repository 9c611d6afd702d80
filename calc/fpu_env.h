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

// The same, unless an FpuScope is open on this thread: its end clears them.
// For code that may run without opening a scope of its own.
void ClearFpuExceptionFlagsOutsideScopes();

// Loads the calculation's settings for the whole thread and clears the
// exception flags. The application does this once at start-up.
void LoadCalculationFpuSettings();

// Runs a block under the calculation's settings. On every way out, also by an
// exception, the caller's settings come back and the exception flags are
// clear. Cheap enough for every conversion: two control words are saved and
// loaded only when they differ, and the flags are cleared only when set.
//
// A scope opened while another is open on the same thread does nothing: the
// outer one has loaded the settings already and clears the flags when it
// ends. So the conversions of a calculation run cost only their arithmetic,
// and the flags they raise stay set until the run ends; no step of a run
// reads them, every error being found by its result.
class FpuScope {
 public:
  FpuScope();
  ~FpuScope();
  FpuScope(const FpuScope&) = delete;
  FpuScope& operator=(const FpuScope&) = delete;

 private:
  bool outermost_;
  std::uint16_t saved_x87_ = 0;
  std::uint32_t saved_mxcsr_ = 0;
};

}  // namespace parcyl

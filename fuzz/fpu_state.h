// The caller's side of the floating-point contract: the conversions and the
// command run under their own settings and must hand back the caller's
// settings unchanged, with no exception flag left set, on every way out.
#pragma once

#include <cstdint>

namespace parcyl::fuzz {

struct FpuSettings {
  std::uint16_t x87_control;
  std::uint32_t mxcsr;
};

// Settings a caller might run under, every exception masked (a trap would
// need SIGFPE): the calculation's own, and others with another precision,
// rounding direction, or flush-to-zero and denormals-are-zero.
// Picked by any integer, so an input can choose one.
FpuSettings CallerSettings(unsigned pick);

void LoadSettings(const FpuSettings& settings);
FpuSettings CurrentSettings();
bool SameSettings(const FpuSettings& a, const FpuSettings& b);

// No exception flag set in the x87 status word or in MXCSR.
bool FlagsClear();

// Sets every exception flag (all masked, so nothing traps), as a caller
// that had met them all would leave them.
void RaiseAllFlags();

}  // namespace parcyl::fuzz

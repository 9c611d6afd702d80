#include "fuzz/fpu_state.h"

#include <cstring>
#include <iterator>

#include "calc/fpu_env.h"

namespace parcyl::fuzz {
namespace {

// Invalid, denormal, zero divide, overflow, underflow, precision: the same
// six bits in the x87 status word and in MXCSR. <cfenv>'s FE_ALL_EXCEPT
// leaves out the denormal flag, so the words are read directly.
constexpr std::uint32_t kMxcsrFlags = 0x3F;
constexpr std::uint16_t kX87Flags = 0x3F;

std::uint16_t X87StatusWord() {
  std::uint16_t word = 0;
  asm volatile("fnstsw %0" : "=m"(word));
  return word;
}

constexpr FpuSettings kCallerSettings[] = {
    {0x037F, 0x1F80},  // the calculation's own: masked, 64-bit, to nearest
    {0x027F, 0x1F80},  // 53-bit significand, as some runtimes load it
    {0x0B7F, 0x5F80},  // rounding upward on both units
    {0x0F7F, 0xFFC0},  // toward zero; SSE toward zero with FTZ and DAZ
    {0x077F, 0x3F80},  // downward on both
    {0x007F, 0x1F80},  // 24-bit significand
};

}  // namespace

FpuSettings CallerSettings(unsigned pick) { return kCallerSettings[pick % std::size(kCallerSettings)]; }

void LoadSettings(const FpuSettings& settings) {
  SetX87ControlWord(settings.x87_control);
  SetMxcsr(settings.mxcsr);
}

FpuSettings CurrentSettings() { return {X87ControlWord(), Mxcsr() & ~kMxcsrFlags}; }

bool SameSettings(const FpuSettings& a, const FpuSettings& b) {
  return a.x87_control == b.x87_control && a.mxcsr == b.mxcsr;
}

bool FlagsClear() { return (X87StatusWord() & kX87Flags) == 0 && (Mxcsr() & kMxcsrFlags) == 0; }

void RaiseAllFlags() {
  // The x87 environment: control word, then status word at byte 4.
  unsigned char environment[28];
  asm volatile("fnstenv %0" : "=m"(environment));
  std::uint16_t status;
  std::memcpy(&status, environment + 4, sizeof status);
  status = static_cast<std::uint16_t>(status | kX87Flags);
  std::memcpy(environment + 4, &status, sizeof status);
  asm volatile("fldenv %0" : : "m"(environment));
  SetMxcsr(Mxcsr() | kMxcsrFlags);
}

}  // namespace parcyl::fuzz

#!/usr/bin/env bash
# Builds the whole test suite, window tests included, with AddressSanitizer
# and UndefinedBehaviorSanitizer under Clang in build-asan/, and runs it
# through CTest. Any report fails the run: UBSan does not recover, and
# LeakSanitizer runs at every exit.
#
# The tree is kept between runs, so a second run rebuilds only what changed.
# Clang also checks that the x87 code of calc/ (control word, fyl2x) means
# the same to a second compiler.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/setup.sh

build=${PARCYL_ASAN_BUILD:-build-asan}
jobs=$(nproc)
sanitize="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"

# Warnings are errors in the GCC build that ./test makes; here a warning that
# only Clang gives must not hide the sanitizers' verdict. Benchmarks are no
# tests, and their figures mean nothing under the sanitizers.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++-14 \
    -DCMAKE_CXX_FLAGS="$sanitize" \
    -DCMAKE_EXE_LINKER_FLAGS="$sanitize" \
    -DCMAKE_SHARED_LINKER_FLAGS="$sanitize" \
    -DPARCYL_WERROR=OFF -DPARCYL_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j"$jobs"

export ASAN_OPTIONS="detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:abort_on_error=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan-suppressions.txt:print_suppressions=0"
ctest --test-dir "$build" --output-on-failure -j"$jobs"

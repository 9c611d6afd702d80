#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ in build-fuzz/ (Clang, AddressSanitizer
# and UndefinedBehaviorSanitizer over the whole tree) and runs them.
#
#   scripts/fuzz.sh smoke [SECONDS]        every target for SECONDS (15) each,
#                                          as CI does
#   scripts/fuzz.sh run TARGET SECONDS     one target for longer, e.g.
#                                          scripts/fuzz.sh run calculation 1800
#   scripts/fuzz.sh build                  only build
#
# TARGET is number_from_text, text_round_trip, number_to_text or calculation.
# A run starts from the seeds in fuzz/corpus/TARGET and keeps what it finds in
# build-fuzz/corpus/TARGET, so a later run goes on from there; the seeds are
# never written. A failing input is saved as build-fuzz/artifacts/TARGET-*
# and the script exits non-zero; replay it with
#   build-fuzz/fuzz/TARGET_fuzzer build-fuzz/artifacts/TARGET-crash-...
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/setup.sh

build=${PARCYL_FUZZ_BUILD:-build-fuzz}
targets=(number_from_text text_round_trip number_to_text calculation)
# The two value targets take inputs of one size; the text targets get room
# for mantissas past the 4933 digits where the extended range ends.
declare -A max_len=([number_from_text]=8192 [text_round_trip]=9 [number_to_text]=11 [calculation]=8192)
sanitize="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"

build_fuzzers() {
    # Only the calculation library and the targets: no Qt, no tests.
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++-14 \
        -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link $sanitize" \
        -DCMAKE_EXE_LINKER_FLAGS="$sanitize" \
        -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON \
        -DPARCYL_BUILD_TESTS=OFF -DPARCYL_BUILD_BENCHMARKS=OFF \
        -DPARCYL_BUILD_FUZZERS=ON -DPARCYL_WERROR=OFF >/dev/null
    cmake --build "$build" -j"$(nproc)"
}

# run_target TARGET SECONDS [extra libFuzzer options...]
run_target() {
    local target=$1 seconds=$2
    shift 2
    local corpus="$build/corpus/$target"
    mkdir -p "$corpus" "$build/artifacts"
    echo "fuzz: $target for ${seconds}s"
    ASAN_OPTIONS="detect_leaks=1:abort_on_error=0" UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
        "$build/fuzz/${target}_fuzzer" \
        -max_total_time="$seconds" -max_len="${max_len[$target]}" -timeout=10 -rss_limit_mb=2048 \
        -dict=fuzz/parcyl.dict -print_final_stats=1 \
        -artifact_prefix="$build/artifacts/$target-" \
        "$@" "$corpus" "fuzz/corpus/$target"
}

known_target() {
    local t
    for t in "${targets[@]}"; do [ "$t" = "$1" ] && return 0; done
    echo "fuzz.sh: unknown target '$1' (${targets[*]})" >&2
    return 1
}

case "${1:-smoke}" in
    build)
        build_fuzzers ;;
    smoke)
        build_fuzzers
        for target in "${targets[@]}"; do run_target "$target" "${2:-15}"; done ;;
    run)
        [ $# -ge 3 ] || { echo "usage: scripts/fuzz.sh run TARGET SECONDS [libFuzzer options]" >&2; exit 2; }
        known_target "$2"
        build_fuzzers
        run_target "$2" "$3" "${@:4}" ;;
    *)
        echo "usage: scripts/fuzz.sh [smoke [SECONDS] | run TARGET SECONDS | build]" >&2
        exit 2 ;;
esac

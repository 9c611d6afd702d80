#!/usr/bin/env bash
# The window's start-up against the reference window, in one run of the
# shared window-startup tool: time from launch to visible and to fully
# painted, and peak memory, with the ratios of the medians.
#
#   bench/window_startup.sh BUILD_DIR [RUNS]
#
# Builds the parcyl target in BUILD_DIR (Release) and the reference window
# in BUILD_DIR/reference-window. Goal: both times and the peak memory within
# 1.15x of the reference.
set -euo pipefail
build=${1:?usage: bench/window_startup.sh BUILD_DIR [RUNS]}
runs=${2:-10}
cd "$(dirname "${BASH_SOURCE[0]}")/.."
tools=${PARCYL_WINDOW_STARTUP:-$(pwd)/../shared/tools/window-startup}
[ -x "$tools/startup.sh" ] || { echo "window-startup tool not found in $tools (set PARCYL_WINDOW_STARTUP)" >&2; exit 2; }

cmake --build "$build" -j2 --target parcyl
[ -x "$build/app/parcyl" ] || { echo "no $build/app/parcyl after the build" >&2; exit 1; }
cmake -S "$tools/reference-window" -B "$build/reference-window" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build/reference-window" -j2
reference=$build/reference-window/minimal_qt

# The title with its parentheses matched by '.', as the tool's regex needs.
"$tools/startup.sh" -n "$runs" -r reference \
    -c "reference::^bench-window\$::$(realpath "$reference")" \
    -c "parcyl::^Расчет антенны .Антенна QUIRA.\$::$(realpath "$build/app/parcyl")"

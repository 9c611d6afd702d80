#!/usr/bin/env bash
# The runs CI makes after ./test: the whole test suite under AddressSanitizer
# and UndefinedBehaviorSanitizer, then every fuzz target for 15 seconds.
# Both build trees (build-asan/, build-fuzz/) are kept for the next run.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/sanitized-tests.sh
scripts/fuzz.sh smoke 15

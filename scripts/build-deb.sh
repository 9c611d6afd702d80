#!/usr/bin/env bash
# Builds the Debian package build/package/parcyl_<version>_amd64.deb.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)"
cpack --config build/CPackConfig.cmake -B build/package
ls build/package/parcyl_*.deb

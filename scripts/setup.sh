#!/usr/bin/env bash
# Installs from Debian's packages whatever the build and the tests need and
# this machine lacks. Sourced by ./run and ./test; quick when nothing is missing.

parcyl_packages=(
    build-essential cmake python3
    libgtest-dev
    qt6-base-dev qt6-base-dev-tools libgl-dev
    fonts-dejavu-core fonts-dejavu-extra  # the window's font: DejaVu Sans Condensed
    xvfb xauth
    desktop-file-utils appstream dpkg-dev  # the package and its checks
    clang-14 libclang-rt-14-dev  # fuzz targets and the sanitizer build
)

# Only ./benchmark installs these: Google Benchmark, and what the window
# start-up measurement builds and runs (its watcher is an X11 client).
parcyl_bench_packages=(
    libbenchmark-dev
    xvfb libx11-dev libxdamage-dev libxfixes-dev
)

parcyl_missing_packages() {
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$' || echo "$p"
    done
}

parcyl_install() {
    local missing
    mapfile -t missing < <(parcyl_missing_packages "$@")
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "setup: need root or sudo to install: ${missing[*]}" >&2; return 1; }
        sudo=(sudo)
    fi
    echo "setup: installing ${missing[*]}"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

parcyl_install "${parcyl_packages[@]}"

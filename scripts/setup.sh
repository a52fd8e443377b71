#!/usr/bin/env bash
# Installs the Debian packages that are missing, then configures and builds
# into build/. Sourced by run.sh and test.sh; quick when everything is there.
#   setup_packages run|test   setup_build

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD="$ROOT/build"

RUN_PACKAGES=(build-essential cmake pkg-config freeglut3-dev libglu1-mesa-dev libgl-dev mesa-common-dev
              libgl1-mesa-dri libglew-dev libstb-dev libgtest-dev libbenchmark-dev
              libsdl2-mixer-dev libmp3lame-dev)
TEST_PACKAGES=(xvfb xauth xdotool x11-utils x11-xserver-utils imagemagick clang-14 libclang-rt-14-dev
               dpkg-dev file desktop-file-utils binutils)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

setup_packages() {
    local wanted=("${RUN_PACKAGES[@]}")
    [ "${1:-run}" = test ] && wanted+=("${TEST_PACKAGES[@]}")
    local missing=()
    for p in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        as_root apt-get update -qq
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

# setup_configure [DIR [cmake options...]]: configures DIR once.
setup_configure() {
    local dir=${1:-$BUILD}
    shift || true
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        cmake -S "$ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    fi
}

# setup_build [DIR [cmake options...]]: configures DIR once, then builds it
# (the target named by SETUP_TARGET, or everything).
setup_build() {
    setup_configure "$@"
    cmake --build "${1:-$BUILD}" -j "$(nproc)" ${SETUP_TARGET:+--target "$SETUP_TARGET"}
}

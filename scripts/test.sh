#!/usr/bin/env bash
# test.sh: set up, build, and run every test: unit and end-to-end tests under
# Xvfb, the unit tests again with AddressSanitizer and UBSan, a short fuzz
# run, and the Debian package with each installed program started from
# elsewhere, and the scenes in a browser against the desktop programs.
# Exits non-zero on any failure.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

setup_packages test

echo "== build"
setup_build
echo "== unit and end-to-end tests"
ctest --test-dir "$BUILD" --output-on-failure -j 2

echo "== unit tests with AddressSanitizer and UndefinedBehaviorSanitizer"
SETUP_TARGET=unit_tests setup_build "$ROOT/build-asan" -DSCENES_SANITIZE=ON -DSCENES_BENCHMARK=OFF
ctest --test-dir "$ROOT/build-asan" --output-on-failure -j 2 -L unit

echo "== fuzzing the BMP reader"
"$ROOT/scripts/fuzz.sh" "${FUZZ_SECONDS:-30}"

echo "== the Debian package"
"$ROOT/scripts/check_package.sh" "$BUILD"

echo "== the scenes in a browser"
"$ROOT/scripts/web.sh" test

#!/usr/bin/env bash
# Builds the BMP reader's fuzzer with clang, replays the kept corpus, then
# fuzzes for SECONDS (default 30). Installs clang when it is missing; exits
# non-zero on any crash, and when it could not fuzz at all.
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail

duration=${1:-30}
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
BUILD="$ROOT/build-fuzz"

# A fuzz run that did not fuzz must not pass: install clang, or fail.
if ! command -v clang++-14 >/dev/null 2>&1; then
    setup_packages test
    command -v clang++-14 >/dev/null 2>&1 || { echo "fuzz.sh: clang++-14 could not be installed" >&2; exit 1; }
fi

mkdir -p "$BUILD"
CC=clang-14 CXX=clang++-14 cmake -S "$ROOT" -B "$BUILD" -DSCENES_FUZZ=ON -DSCENES_TESTS=OFF \
    -DSCENES_BENCHMARK=OFF >"$BUILD/configure.log" 2>&1 || { cat "$BUILD/configure.log"; exit 1; }
# Only the fuzzer: the programs need not build with clang and the sanitizers.
cmake --build "$BUILD" -j2 --target bmp_fuzzer

fuzzer="$BUILD/fuzz/bmp_fuzzer"
seeds="$ROOT/fuzz/corpus/bmp"
work="$BUILD/fuzz/corpus-bmp"  # grows as the fuzzer finds new inputs; the kept corpus stays as it is
log="$BUILD/fuzz/bmp_fuzzer.log"

echo "== replaying $(ls "$seeds" | wc -l) seed inputs"
"$fuzzer" "$seeds"/* >"$log" 2>&1 || { cat "$log"; echo "fuzz.sh: a seed input crashes the reader"; exit 1; }

echo "== fuzzing for $duration s"
mkdir -p "$work"
cp -n "$seeds"/* "$work"/
status=0
"$fuzzer" "$work" -max_total_time="$duration" -rss_limit_mb=2048 -timeout=10 \
    -artifact_prefix="$BUILD/fuzz/" -print_final_stats=1 >"$log" 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
    tail -n 60 "$log"
    echo "fuzz.sh: the fuzzer failed (status $status); the input is under $BUILD/fuzz/, the log in $log"
    exit "$status"
fi
grep -E '^#[0-9]+[[:space:]]+DONE' "$log" || tail -n 1 "$log"
grep -E '^(Done|stat::)' "$log" || true

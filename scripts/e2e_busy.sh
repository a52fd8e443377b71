#!/usr/bin/env bash
# e2e_busy.sh [ROUNDS] [LOOPS]: the end-to-end tests on a busy machine. Runs
# them ROUNDS times in a row (default 3) beside LOOPS busy loops (default 3),
# stopping at the first failure, and says how long each round took.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

rounds=${1:-3}
loops=${2:-3}
setup_packages test
setup_build

busy=()
trap 'kill "${busy[@]}" 2>/dev/null || true' EXIT
for _ in $(seq "$loops"); do
    (while :; do :; done) &
    busy+=($!)
done

echo "== $rounds rounds of the end-to-end tests beside $loops busy loops"
total=$SECONDS
for round in $(seq "$rounds"); do
    began=$SECONDS
    ctest --test-dir "$BUILD" -L e2e --output-on-failure
    echo "== round $round passed in $((SECONDS - began)) s"
done
echo "== all $rounds rounds passed in $((SECONDS - total)) s"

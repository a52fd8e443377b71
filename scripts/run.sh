#!/usr/bin/env bash
# run.sh PROGRAM [ARGS...]: set up, build PROGRAM and its data, and start it
# (from the current folder: it finds its data by itself).
# With no argument or an unknown name, lists the programs.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

setup_packages run
setup_configure
# A build folder configured before the list existed: configure it again.
[ -f "$BUILD/programs.txt" ] || cmake -S "$ROOT" -B "$BUILD" >/dev/null
mapfile -t programs <"$BUILD/programs.txt"
if [ $# -lt 1 ] || [[ ! " ${programs[*]} " =~ " $1 " ]]; then
    echo "usage: scripts/run.sh PROGRAM [ARGS...], where PROGRAM is one of: ${programs[*]}" >&2
    exit 2
fi
program=$1
shift

SETUP_TARGET=$program setup_build
exec "$BUILD/$program/$program" "$@"

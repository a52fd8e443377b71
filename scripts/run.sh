#!/usr/bin/env bash
# run.sh PROGRAM [ARGS...]: set up, build, and start PROGRAM from its own folder.
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

setup_build
cd "$BUILD/$program"
exec "./$program" "$@"

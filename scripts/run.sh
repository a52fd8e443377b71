#!/usr/bin/env bash
# run.sh PROGRAM [ARGS...]: set up, build, and start PROGRAM from its own folder.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

programs=(building_tour bezier_lights glew_probe)
if [ $# -lt 1 ] || [[ ! " ${programs[*]} " =~ " $1 " ]]; then
    echo "usage: scripts/run.sh PROGRAM, where PROGRAM is one of: ${programs[*]}" >&2
    exit 2
fi
program=$1
shift

setup_packages run
setup_build
cd "$BUILD/$program"
exec "./$program" "$@"

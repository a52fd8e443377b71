#!/usr/bin/env bash
# with_xvfb_display.sh DIR COMMAND...: runs COMMAND on the display that xvfb.sh started in DIR.
set -euo pipefail
dir=$1
shift
DISPLAY=$(cat "$dir/display")
export DISPLAY
exec "$@"

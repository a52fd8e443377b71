#!/usr/bin/env bash
# xvfb.sh start|stop DIR: a private X server for the end-to-end tests.
# start writes the display name (":N") to DIR/display.
set -euo pipefail
action=$1
dir=$2

case "$action" in
start)
    mkdir -p "$dir"
    rm -f "$dir/display" "$dir/number"
    # Its own session and no inherited output, or ctest would wait on it.
    setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
        3>"$dir/number" >"$dir/xvfb.log" 2>&1 </dev/null &
    echo $! >"$dir/pid"
    for _ in $(seq 100); do
        if [ -s "$dir/number" ]; then
            echo ":$(tr -d '\n' <"$dir/number")" >"$dir/display"
            # No key repeats by itself: on a busy machine a key sent as a
            # press and a release could be held long enough to repeat, and a
            # count of presses would no longer be exact.
            DISPLAY=$(cat "$dir/display") xset r off
            echo "Xvfb running on $(cat "$dir/display")"
            exit 0
        fi
        sleep 0.1
    done
    echo "Xvfb did not start:" >&2
    cat "$dir/xvfb.log" >&2
    exit 1
    ;;
stop)
    if [ -f "$dir/pid" ]; then
        kill "$(cat "$dir/pid")" 2>/dev/null || true
        rm -f "$dir/pid" "$dir/display" "$dir/number"
    fi
    ;;
*)
    echo "usage: xvfb.sh start|stop DIR" >&2
    exit 2
    ;;
esac

#!/usr/bin/env bash
# web.sh [build|serve|test]: the scenes in a browser.
#   build (default)  installs what is missing, builds the site into build-web/
#   serve            builds, then serves build-web/ on 127.0.0.1 and prints its address
#   test             builds, then runs the layer's unit tests and the browser
#                    tests against the desktop programs
#   frame-time       builds, then prints each scene's frame time in the browser
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
site=$root/build-web
native=$root/build-web-native
programs=(building_tour snow_room bezier_lights glew_probe)
action=${1:-build}

# The desktop build's packages, as the other scripts install them.
source "$root/scripts/setup.sh"

install_missing() {
    setup_packages run
    local missing=() entry
    # A command, and the package that brings it when it is missing.
    for entry in emcc:emscripten chromium:chromium node:nodejs npm:npm Xvfb:xvfb xdotool:xdotool import:imagemagick; do
        command -v "${entry%%:*}" >/dev/null || missing+=("${entry#*:}")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "== installing ${missing[*]}"
        as_root apt-get update -qq
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
    if [ ! -d "$root/tests/web/node_modules/puppeteer-core" ]; then
        echo "== installing the browser driver (npm ci in tests/web)"
        (cd "$root/tests/web" && npm ci --no-audit --no-fund)
    fi
}

build_native() {
    # The desktop programs (the pictures to match) and the data generator.
    cmake -S "$root" -B "$native" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$native" -j2 --target "${programs[@]}" building_tour_data
    # The layer's own tests, plain C++ built natively.
    cmake -S "$root/tests/web" -B "$native/layer-tests" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$native/layer-tests" -j2
}

build_site() {
    # emscripten's optimiser needs its acorn from Debian's node modules.
    export NODE_PATH=/usr/share/nodejs
    emcmake cmake -S "$root/web" -B "$site/cmake" -DCMAKE_BUILD_TYPE=Release -DDATA_DIR="$native" >/dev/null
    cmake --build "$site/cmake" -j2
    cp "$root"/web/site/{index.html,style.css,page.js,scenes.json} "$site/"
    for p in "${programs[@]}"; do
        mkdir -p "$site/$p"
        cp "$site/cmake/site/$p/$p".* "$site/$p/"
        sed "s/@NAME@/$p/g" "$root/web/site/scene.html" >"$site/$p/index.html"
    done
    echo "== the index's pictures"
    node "$root/tests/web/site_pictures.mjs" "$site"
}

serve() {
    local port=${WEB_PORT:-8000}
    while ! python3 -c "import socket; s=socket.socket(); s.bind(('127.0.0.1', $port))" 2>/dev/null; do
        port=$((port + 1))
    done
    echo "The scenes: http://127.0.0.1:$port/"
    exec python3 -m http.server "$port" --bind 127.0.0.1 --directory "$site"
}

install_missing
build_native
build_site
case "$action" in
build) echo "Built into $site; 'scripts/web.sh serve' serves it." ;;
serve) serve ;;
test)
    "$native/layer-tests/web_layer_tests"
    node "$root/tests/web/browser_test.mjs" "$site" "$native"
    ;;
frame-time) node "$root/tests/web/frame_time.mjs" "$site" ;;
*)
    echo "usage: web.sh [build|serve|test|frame-time]" >&2
    exit 2
    ;;
esac

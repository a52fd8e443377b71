#!/usr/bin/env bash
# check_package.sh BUILD_DIR: builds the Debian package in BUILD_DIR, unpacks
# it into a scratch folder and checks it as a user meets it: its files, its
# control fields, and every program started by its menu entry's command from
# an unrelated folder under a private Xvfb server. One line per failed check;
# exit status 1 when any failed.
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:?usage: scripts/check_package.sh BUILD_DIR}" && pwd)
PACKAGE=opengl-scenes
# Failure bounds only: every wait below ends as soon as its state is there.
WINDOW_TIMEOUT=60
PICTURE_TIMEOUT=60
EXIT_TIMEOUT=20

# The window titles the programs give themselves; bezier_lights takes the
# name it was started by.
declare -A TITLE=([building_tour]="::: Bloco VELD Beta :::" [castle_world]="Zadizur" [gymnast]="Zezaruz"
                  [snow_room]=">>RIVO" [bezier_lights]="bezier_lights" [glew_probe]="Janela da GLUT")
# Each program's images: the folder under its data folder and how many.
declare -A IMAGES=([building_tour]="texture 11" [castle_world]=". 34" [gymnast]="images 6")

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

started=$SECONDS
scratch=$(mktemp -d)
pid=""
cleanup() {
    if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
    "$ROOT/scripts/xvfb.sh" stop "$scratch/xvfb"
    rm -rf "$scratch"
}
trap cleanup EXIT

echo "-- building the package"
rm -f "$build/${PACKAGE}"_*.deb
if ! cmake --build "$build" -j "$(nproc)" --target package >"$scratch/package.log" 2>&1; then
    cat "$scratch/package.log" >&2
    echo "FAIL: cmake --build $build --target package" >&2
    exit 1
fi
debs=("$build/${PACKAGE}"_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: not one ${PACKAGE}_*.deb in $build" >&2; exit 1; }
deb=${debs[0]}
root=$scratch/root
dpkg-deb -x "$deb" "$root"
mapfile -t programs <"$build/programs.txt"

echo "-- control fields of $(basename "$deb")"
[ "$(dpkg-deb -f "$deb" Package)" = "$PACKAGE" ] || fail "Package is not $PACKAGE"
[ -n "$(dpkg-deb -f "$deb" Description)" ] || fail "no Description"
depends=$(dpkg-deb -f "$deb" Depends)
[ -n "$depends" ] || fail "Depends is empty"
# Computed, not written by hand: every library a program links comes from a
# package that Depends names.
for p in "${programs[@]}"; do
    [ -f "$root/usr/bin/$p" ] || continue
    for lib in $(readelf -d "$root/usr/bin/$p" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
        owners=$(dpkg -S "*/$lib" 2>/dev/null | cut -d: -f1 | sort -u || true)
        [ -n "$owners" ] || { fail "$p links $lib, which no installed package provides"; continue; }
        found=""
        for owner in $owners; do
            if [[ ", $depends," =~ [\ ,\|]"$owner"[\ ,] ]]; then found=1; fi
        done
        [ -n "$found" ] || fail "$p links $lib (from $(echo $owners)), but Depends does not name it: $depends"
    done
done

echo "-- files"
installed=$(ls "$root/usr/bin" 2>/dev/null | sort | tr '\n' ' ' || true)
wanted=$(printf '%s\n' "${programs[@]}" | sort | tr '\n' ' ')
[ "$installed" = "$wanted" ] || fail "usr/bin holds '$installed', not the programs '$wanted'"
for p in "${programs[@]}"; do
    [ -x "$root/usr/bin/$p" ] || fail "usr/bin/$p is missing or not executable"
done
data=$root/usr/share/$PACKAGE
for p in "${!IMAGES[@]}"; do
    read -r folder count <<<"${IMAGES[$p]}"
    n=$(find "$data/$p/$folder" -maxdepth 1 -name '*.bmp' 2>/dev/null | wc -l || true)
    [ "$n" -eq "$count" ] || fail "share/$PACKAGE/$p/$folder holds $n BMP images, not $count"
done
[ -s "$data/castle_world/lord.mp3" ] || fail "share/$PACKAGE/castle_world/lord.mp3 is missing"
stray=$(find "$data" -type f ! -name '*.bmp' ! -name '*.mp3' -printf '%P ' 2>/dev/null || true)
[ -z "$stray" ] || fail "share/$PACKAGE holds more than data: $stray"
empty=$(find "$data" -type d -empty -printf '%P ' 2>/dev/null || true)
[ -z "$empty" ] || fail "share/$PACKAGE holds empty folders: $empty"
cmp -s "$ROOT/LICENSE" "$root/usr/share/doc/$PACKAGE/copyright" ||
    fail "usr/share/doc/$PACKAGE/copyright is not the licence"
[ -s "$root/usr/share/doc/$PACKAGE/README.md" ] || fail "usr/share/doc/$PACKAGE/README.md is missing"

field() { sed -n "s/^$1=//p" "$2" | head -1; }
for p in "${programs[@]}"; do
    entry=$root/usr/share/applications/$PACKAGE-$p.desktop
    [ -f "$entry" ] || { fail "no menu entry for $p"; continue; }
    problems=$(desktop-file-validate "$entry" 2>&1) || fail "menu entry of $p is not valid: $(echo $problems)"
    for key in Name Comment Categories; do
        [ -n "$(field "$key" "$entry")" ] || fail "menu entry of $p has no $key"
    done
    [ "$(field Exec "$entry")" = "$p" ] || fail "menu entry of $p runs '$(field Exec "$entry")'"
    terminal=false
    if [ "$p" = glew_probe ]; then terminal=true; fi  # it reports on standard output
    [ "$(field Terminal "$entry")" = "$terminal" ] || fail "menu entry of $p should have Terminal=$terminal"
    icon=$(field Icon "$entry")
    icons=("$root"/usr/share/icons/hicolor/*/apps/"$icon".png)
    if [ -f "${icons[0]}" ]; then
        size=$(basename "$(dirname "$(dirname "${icons[0]}")")")
        [ "$(identify -format '%wx%h' "${icons[0]}" 2>/dev/null)" = "$size" ] ||
            fail "icon $icon is not a $size PNG"
    else
        fail "no icon '$icon' for $p in share/icons/hicolor"
    fi
done

echo "-- each program started from an unrelated folder"
"$ROOT/scripts/xvfb.sh" start "$scratch/xvfb" >/dev/null
DISPLAY=$(cat "$scratch/xvfb/display")
export DISPLAY
# A sound card is not needed to load the music; the dummy driver plays it to nowhere.
export SDL_AUDIODRIVER=dummy
# The installed layout must be found by itself.
for v in $(compgen -e | grep '_DATA_DIR$' || true); do unset "$v"; done
export PATH="$root/usr/bin:$PATH"

alive() { kill -0 "$pid" 2>/dev/null; }
# Waits until the command succeeds, the program ends or the time-out passes.
wait_for() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        alive && [ $SECONDS -lt $deadline ] || return 1
        sleep 0.2
    done
}
# Fails with the reason the program stopped before what it was waited for.
fail_waiting() {
    if alive; then
        fail "$p: $1 within $2 s"
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    else
        local status=0
        wait "$pid" || status=$?
        fail "$p: ended with status $status before $1: $(head -2 "$err" | tr '\n' ' ')"
    fi
}
find_window() { win=$(xdotool search --name "^$title\$" 2>/dev/null | head -1 || true); [ -n "$win" ]; }
not_blank() {
    local colours
    colours=$(timeout 10 import -window "$win" png:- 2>/dev/null | identify -format '%k' - 2>/dev/null || true)
    [ "${colours:-0}" -gt 1 ]
}
has_verdict() { grep -q '^Compativel com OpenGL 2.0$' "$out"; }
ended() { ! alive; }

# Starts program p by its menu entry's command in a fresh folder, checks its
# window, picture, data and exit.
check_program() {
    local entry=$root/usr/share/applications/$PACKAGE-$p.desktop
    [ -f "$entry" ] || return 0
    title=$(printf '%s' "${TITLE[$p]}" | sed 's/[][\.*^$+?(){}|/]/\\&/g')
    (cd "$work" && exec $(field Exec "$entry")) >"$out" 2>"$err" </dev/null &
    pid=$!
    wait_for $WINDOW_TIMEOUT find_window || { fail_waiting "its window \"${TITLE[$p]}\"" $WINDOW_TIMEOUT; return; }
    if [ "$p" = glew_probe ]; then
        # Its window stays empty and black; what it shows is its verdict.
        wait_for $PICTURE_TIMEOUT has_verdict || { fail_waiting "its verdict on standard output" $PICTURE_TIMEOUT; return; }
    else
        wait_for $PICTURE_TIMEOUT not_blank || { fail_waiting "a picture of more than one colour" $PICTURE_TIMEOUT; return; }
    fi
    if grep -q 'cannot load' "$err"; then fail "$p: $(grep -m1 'cannot load' "$err")"; fi
    if grep -q 'no music' "$err"; then fail "$p: $(grep -m1 'no music' "$err")"; fi

    if [ "$p" = glew_probe ]; then
        # It has no keys: the window stays until it is closed.
        alive || fail "$p: ended on its own after its verdict"
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        return
    fi
    # No window manager here: a key reaches the window that has the focus and the pointer.
    timeout 20 xdotool windowfocus --sync "$win" mousemove --window "$win" 5 5 key Escape 2>/dev/null || true
    if wait_for $EXIT_TIMEOUT ended; then
        local status=0
        wait "$pid" || status=$?
        [ "$status" -eq 0 ] || fail "$p: ended with status $status on Esc"
    else
        fail "$p: still running $EXIT_TIMEOUT s after Esc"
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
}

for p in "${programs[@]}"; do
    work=$(mktemp -d)
    out=$scratch/$p.out
    err=$scratch/$p.err
    check_program
    pid=""
    rm -rf "$work"
    echo "   $p"
done

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) of $(basename "$deb") failed ($((SECONDS - started)) s)" >&2
    exit 1
fi
echo "$(basename "$deb"): every check passed ($((SECONDS - started)) s)"

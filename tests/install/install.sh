#!/usr/bin/env bash
# Installs the built game into a fresh prefix and checks what a desktop gets:
# the layout, the menu entry, the AppStream metadata, the manual page, the
# icons at every size, and the installed game itself, started from another
# folder, finding its data and reaching the title screen; without its data it
# fails as it always has (its message, status 1); in a virtual X screen its
# window carries the icon and the class the menu entry names.
#
# Usage: install.sh BUILD_DIR WORK_DIR
#   BUILD_DIR  a built tree (the game and its generated Data/ and icons/)
#   WORK_DIR   scratch folder; emptied first, kept after a failure
#
# Nothing waits a fixed time: the run of the game polls the files it opens
# (inotifywait) and gives up after STAGE_TIMEOUT seconds.
set -euo pipefail

if [[ $# -ne 2 ]]; then
    echo "usage: $0 BUILD_DIR WORK_DIR" >&2
    exit 2
fi
readonly BUILD=$1
readonly WORK=$(realpath -m "$2")
readonly STAGE_TIMEOUT=${STAGE_TIMEOUT:-60}
readonly PREFIX=$WORK/prefix
readonly GAME=$PREFIX/games/brindlewick
readonly SHARE=$PREFIX/share/games/brindlewick
readonly DESKTOP=$PREFIX/share/applications/brindlewick.desktop
readonly METAINFO=$PREFIX/share/metainfo/org.brindlewick.brindlewick.metainfo.xml
readonly MANUAL=$PREFIX/share/man/man6/brindlewick.6.gz

for tool in desktop-file-validate appstreamcli man inotifywait Xvfb xdotool xprop; do
    command -v "$tool" >/dev/null || {
        echo "FAIL: $tool is missing (scripts/setup.sh installs it)" >&2
        exit 1
    }
done

failures=0
check() { # check WHAT COMMAND...: runs the command, notes a failure naming WHAT
    local what=$1
    shift
    if "$@"; then
        echo "ok    $what"
    else
        echo "FAIL  $what"
        failures=$((failures + 1))
    fi
}

rm -rf "$WORK"
mkdir -p "$WORK/elsewhere"
cmake --install "$BUILD" --prefix "$PREFIX" >"$WORK/install.log"

# --- layout --------------------------------------------------------------------

for file in "$GAME" "$SHARE/Data/Images/player.png" "$SHARE/Data/Fonts/verabd.ttf" \
    "$SHARE/Data/Music/title.ogg" "$SHARE/Data/Icons/brindlewick.png" "$DESKTOP" \
    "$METAINFO" "$MANUAL"; do
    check "installed ${file#"$PREFIX"/}" test -f "$file"
done
check "the game is executable" test -x "$GAME"

# --- icons ---------------------------------------------------------------------

# A PNG's width and height as "W H", and its colour type, from its header.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ print $1*2^24+$2*2^16+$3*2^8+$4, $5*2^24+$6*2^16+$7*2^8+$8 }'; }
png_rgba() { [[ $(od -An -tx1 -j0 -N8 "$1" | tr -d ' ') == 89504e470d0a1a0a ]] &&
    [[ $(od -An -tu1 -j25 -N1 "$1" | tr -d ' ') == 6 ]]; }

for size in 16 32 48 64 128 256; do
    icon=$PREFIX/share/icons/hicolor/${size}x${size}/apps/brindlewick.png
    check "icon ${size}x${size} is there" test -f "$icon"
    [[ -f $icon ]] || continue
    check "icon ${size}x${size} is $size pixels square" test "$(png_size "$icon")" == "$size $size"
    check "icon ${size}x${size} is an RGBA PNG" png_rgba "$icon"
done
check "the window icon is the 64 pixel icon" \
    cmp -s "$SHARE/Data/Icons/brindlewick.png" "$PREFIX/share/icons/hicolor/64x64/apps/brindlewick.png"
check "no other icon sizes" test "$(ls "$PREFIX/share/icons/hicolor" | sort -n | tr '\n' ' ')" \
    == "16x16 32x32 48x48 64x64 128x128 256x256 "

# --- menu entry ----------------------------------------------------------------

entry() { sed -n "s/^$1=//p" "$DESKTOP"; }
check "desktop-file-validate passes" desktop-file-validate "$DESKTOP"
check "the entry starts the installed game" test "$(entry Exec)" == "$GAME"
check "the entry is in Game and ArcadeGame" \
    bash -c '[[ ";$1" == *";Game;"* && ";$1" == *";ArcadeGame;"* ]]' _ "$(entry Categories)"
check "the entry has keywords" test -n "$(entry Keywords)"
check "the entry shows the brindlewick icon" test "$(entry Icon)" == brindlewick

# --- AppStream -----------------------------------------------------------------

check "appstreamcli validate passes" appstreamcli validate --no-net "$METAINFO"
check "appstreamcli validate-tree passes (the entry and icon it names are there)" \
    appstreamcli validate-tree --no-net "$PREFIX"

# --- manual page ---------------------------------------------------------------

MANWIDTH=100 man --warnings -l "$MANUAL" >"$WORK/manual.txt" 2>"$WORK/manual.warnings" || true
check "man renders the page without warnings" \
    bash -c '[[ -s $1 && ! -s $2 ]]' _ "$WORK/manual.txt" "$WORK/manual.warnings"
check "the page is in section 6" grep -q '^BRINDLEWICK(6)' "$WORK/manual.txt"
sed -n '/^CONTROLS/,/^[A-Z]/p' "$WORK/manual.txt" >"$WORK/manual.controls"
for control in Left Right Z X P Esc Space C Enter Ctrl+F Alt+Enter Ctrl+D Ctrl+X; do
    # Each control heads one of the section's tagged paragraphs.
    check "the page's CONTROLS name $control" \
        grep -qE "^ {7}([A-Za-z+]+, )?${control//+/\\+}(,| |$)" "$WORK/manual.controls"
done
sed -n '/^FILES/,/^[A-Z]/p' "$WORK/manual.txt" >"$WORK/manual.files"
check "the page's FILES name the game" grep -qF "$GAME" "$WORK/manual.files"
check "the page's FILES name the data" grep -qF "$SHARE/Data" "$WORK/manual.files"

# --- the installed game --------------------------------------------------------

watch_pid=""
game_pid=""
xvfb_pid=""
stop() {
    local pid=$1
    [[ -n $pid ]] || return 0
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}
trap 'stop "$game_pid"; stop "$watch_pid"; stop "$xvfb_pid"' EXIT

# No screen and no sound card needed; the leak check is off for these runs as
# in the other runs of the real game (the system's libraries keep memory).
export SDL_VIDEODRIVER=offscreen ALSOFT_DRIVERS=null
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

# Every file opened in the installed data folder, as the game opens it.
inotifywait -m -r -e open --format '%w%f' "$SHARE/Data" >"$WORK/opened.txt" 2>"$WORK/watch.log" &
watch_pid=$!
end=$((SECONDS + STAGE_TIMEOUT))
until grep -q "Watches established" "$WORK/watch.log"; do
    ((SECONDS < end)) || { echo "FAIL: inotifywait did not start" >&2; exit 1; }
    sleep 0.1
done

(cd "$WORK/elsewhere" && exec "$GAME") >"$WORK/game.log" 2>&1 &
game_pid=$!
# The title screen's picture is opened after every shared picture, the font
# and the splash have loaded: the game found its data and got that far.
end=$((SECONDS + STAGE_TIMEOUT))
while ! grep -q "/Images/title.png$" "$WORK/opened.txt"; do
    kill -0 "$game_pid" 2>/dev/null || break
    ((SECONDS < end)) || break
    sleep 0.1
done
check "the installed game, started elsewhere, reaches the title screen" \
    grep -q "/Images/title.png$" "$WORK/opened.txt"
check "it runs in the installed share folder" \
    test "$(readlink "/proc/$game_pid/cwd" 2>/dev/null)" == "$SHARE"
check "it is still running" kill -0 "$game_pid"
check "it printed no error" bash -c '! grep -qiE "error|missing" "$1"' _ "$WORK/game.log"
# The system's quit request ends it cleanly.
kill -TERM "$game_pid" 2>/dev/null || true
status=0
wait "$game_pid" || status=$?
game_pid=""
check "it quits with status 0 on the system's quit request (got $status)" test "$status" -eq 0

# The window as a desktop sees it: the 64 pixel icon, and the class that ties
# it to the menu entry (and so to the entry's icon in task switchers).
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$WORK/display" 2>"$WORK/xvfb.log" &
xvfb_pid=$!
end=$((SECONDS + STAGE_TIMEOUT))
until [[ $(cat "$WORK/display" 2>/dev/null) =~ ^[0-9]+$ ]]; do
    ((SECONDS < end)) || { echo "FAIL: Xvfb did not start" >&2; exit 1; }
    sleep 0.1
done
export DISPLAY=":$(cat "$WORK/display")"
(cd "$WORK/elsewhere" && SDL_VIDEODRIVER=x11 exec "$GAME") >"$WORK/window.log" 2>&1 &
game_pid=$!
window_props() {
    local window
    window=$(xdotool search --name '^Brindlewick' 2>/dev/null | head -n 1)
    [[ -n $window ]] && xprop -id "$window" WM_CLASS _NET_WM_ICON >"$WORK/window.props" 2>&1 &&
        grep -q "^_NET_WM_ICON(CARDINAL) = " "$WORK/window.props"
}
end=$((SECONDS + STAGE_TIMEOUT))
until window_props; do
    kill -0 "$game_pid" 2>/dev/null || break
    ((SECONDS < end)) || break
    sleep 0.1
done
check "the window's icon is the 64 pixel icon" grep -q "Icon (64 x 64)" "$WORK/window.props"
check "the window's class is the entry's StartupWMClass" \
    grep -qF "WM_CLASS(STRING) = \"$(entry StartupWMClass)\"" "$WORK/window.props"
stop "$game_pid"
game_pid=""
stop "$xvfb_pid"
xvfb_pid=""
unset DISPLAY

# Without a data folder beside it or in its prefix, the game reports the first
# picture it cannot load and ends with status 1, as it always has.
mkdir -p "$WORK/lonely/games"
cp "$GAME" "$WORK/lonely/games/"
status=0
(cd "$WORK/elsewhere" && exec "$WORK/lonely/games/brindlewick") >"$WORK/lonely.log" 2>&1 ||
    status=$?
check "with no data it ends with status 1 (got $status)" test "$status" -eq 1
check "with no data it names the picture it missed" \
    grep -qE "^Error loading (anim )?image Data/" "$WORK/lonely.log"

if ((failures > 0)); then
    echo "$failures checks failed; logs are in $WORK" >&2
    exit 1
fi
rm -rf "$WORK"

#!/usr/bin/env bash
# Plays the built game in a virtual X screen with real key presses and checks
# the picture it shows: the title's three prompts, the HUD's bars, the health
# bar at full health, and a clean exit with Esc from the title.
#
# Usage: playthrough.sh GAME WORK_DIR
#   GAME      the game's executable, with its Data/ beside it
#   WORK_DIR  scratch folder for logs and screenshots; emptied first and kept
#             afterwards, so a failure's last screenshot can be looked at
#
# Nothing here waits a fixed time for the game: every step polls screenshots
# until the expected picture is there, and gives up after STAGE_TIMEOUT.
set -euo pipefail

if [[ $# -ne 2 ]]; then
    echo "usage: $0 GAME WORK_DIR" >&2
    exit 2
fi
readonly GAME=$1
readonly WORK=$2
readonly STAGE_TIMEOUT=${STAGE_TIMEOUT:-40}

# The screen is exactly the game's logical screen, so a logical pixel is a
# screen pixel (any other size is letterboxed).
readonly SCREEN_W=1024 SCREEN_H=768

for tool in Xvfb openbox xdotool import convert; do
    command -v "$tool" >/dev/null || {
        echo "FAIL: $tool is missing (scripts/setup.sh installs it)" >&2
        exit 1
    }
done

rm -rf "$WORK"
mkdir -p "$WORK"

xvfb_pid=""
wm_pid=""
game_pid=""

# Ends a process of ours: asked politely first, killed if it has not gone
# within five seconds (a hung game must not hang the test).
stop() {
    local pid=$1 tries
    [[ -n $pid ]] || return 0
    kill "$pid" 2>/dev/null || true
    for ((tries = 0; tries < 50; tries++)); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

cleanup() {
    stop "$game_pid"
    stop "$wm_pid"
    stop "$xvfb_pid"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    if [[ -f $WORK/game.log ]]; then
        echo "--- game output (last 20 lines) ---" >&2
        tail -n 20 "$WORK/game.log" >&2
    fi
    echo "Screenshots and logs are in $WORK" >&2
    exit 1
}

# --- X server, window manager, game -----------------------------------------

# Runs "$@" until it succeeds; fails naming WHAT after STAGE_TIMEOUT seconds.
poll() {
    local what=$1
    shift
    local end=$((SECONDS + STAGE_TIMEOUT))
    until "$@"; do
        if ((SECONDS >= end)); then
            fail "timed out after ${STAGE_TIMEOUT}s waiting for $what"
        fi
        sleep 0.1
    done
}

display_number_written() {
    [[ $(cat "$WORK/display" 2>/dev/null) =~ ^[0-9]+$ ]]
}

start_x() {
    # -displayfd picks a free display number, so parallel runs do not collide.
    Xvfb -displayfd 3 -screen 0 "${SCREEN_W}x${SCREEN_H}x24" -nolisten tcp -br \
        3>"$WORK/display" 2>"$WORK/xvfb.log" &
    xvfb_pid=$!
    poll "Xvfb to report its display number" display_number_written
    DISPLAY=":$(cat "$WORK/display")"
    export DISPLAY
    echo "[${SECONDS}s] X server on $DISPLAY"
    openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
    wm_pid=$!
    poll "openbox to manage the screen" window_manager_running
    echo "[${SECONDS}s] openbox running"
}

window_manager_running() {
    # Answered only once a window manager has published its desktops.
    xdotool get_num_desktops >/dev/null 2>&1
}

game_window=""

find_game_window() {
    game_window=$(xdotool search --onlyvisible --name '^Brindlewick' 2>/dev/null | head -n 1)
    [[ -n $game_window ]] || {
        kill -0 "$game_pid" 2>/dev/null || fail "the game ended before opening its window"
        return 1
    }
}

start_game() {
    # In the sanitized build the leak check is off for this run only: D-Bus,
    # which SDL's X11 video opens, keeps blocks it never frees until exit, and
    # some of them are allocated in code without frame pointers, so no
    # suppression can name them. Memory errors and undefined behaviour still
    # end the run (and fail it); our own leaks are checked by the headless
    # tests and the soak, which run with the leak check on.
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
        "$GAME" >"$WORK/game.log" 2>&1 &
    game_pid=$!
    poll "the game's window" find_game_window
    echo "[${SECONDS}s] game window $game_window"
    timeout 10 xdotool windowactivate --sync "$game_window" >/dev/null 2>&1 ||
        timeout 10 xdotool windowfocus --sync "$game_window" ||
        fail "could not give the game's window the keyboard focus"
}

# --- Looking at the screen ----------------------------------------------------

shot=""
why=""

take_shot() {
    shot="$WORK/$1.ppm"
    import -window root "$shot"
}

# Each ImageMagick call below measures several things on one screenshot, as
# starting the program is what costs the most.

# For each colour R,G,B: the pixels of REGION (WxH+X+Y) within FUZZ of it, as a
# line "count WxH+X+Y", the box relative to REGION ("0x0+..." for none).
match_colours() {
    local region=$1 fuzz=$2 rgb
    shift 2
    local -a masks=()
    for rgb in "$@"; do
        masks+=("(" -clone 0 -crop "$region" +repage -fill black +opaque "rgb($rgb)"
            -fill white -opaque "rgb($rgb)" ")")
    done
    convert "$shot" -alpha off -fuzz "$fuzz" "${masks[@]}" -delete 0 \
        -format '%[fx:round(mean*w*h)] %@\n' info: 2>/dev/null
}

# For each REGION: the brightest colour channel in it, 0..255, one a line.
brightest_channels() {
    local region
    local -a maxima=()
    for region in "$@"; do
        maxima+=("(" -clone 0 -crop "$region" +repage -separate -evaluate-sequence max ")")
    done
    convert "$shot" "${maxima[@]}" -delete 0 -format '%[fx:round(maxima*255)]\n' info:
}

# For each spot X,Y: the pixel's colour as "R,G,B", one a line.
pixels() {
    local spot format=""
    for spot in "$@"; do
        local p="p{$spot}"
        format+="%[fx:round(255*$p.r)],%[fx:round(255*$p.g)],%[fx:round(255*$p.b)]\n"
    done
    convert "$shot" -format "$format" info:
}

# True when every channel of colour SEEN is within TOLERANCE of EXPECTED.
near() {
    local seen=$1 expected=$2 tolerance=$3 i
    local -a a b
    IFS=, read -ra a <<<"$seen"
    IFS=, read -ra b <<<"$expected"
    for i in 0 1 2; do
        local d=$((a[i] - b[i]))
        ((d < 0)) && d=$((-d))
        ((d <= tolerance)) || return 1
    done
}

# Takes screenshots named NAME until CHECK passes; the last reason CHECK gave
# (in $why) is the failure message.
expect() {
    local name=$1 check=$2 what=$3
    local end=$((SECONDS + STAGE_TIMEOUT))
    while true; do
        why="nothing seen yet"
        take_shot "$name"
        if $check; then
            echo "[${SECONDS}s] seen: $what"
            return 0
        fi
        if ! kill -0 "$game_pid" 2>/dev/null; then
            fail "the game ended while waiting for $what (last seen: $why)"
        fi
        if ((SECONDS >= end)); then
            fail "$what not seen after ${STAGE_TIMEOUT}s: $why (screenshot $shot)"
        fi
        sleep 0.2
    done
}

# --- What each screen promises ----------------------------------------------

# The title's prompts: text, top row, colour. Drawn centred in the game font
# at half size; the rows are 48 pixels apart.
readonly PROMPTS=(
    "Press <Space> to Play|618|100,230,100"
    "Press <C> for credits|666|230,100,230"
    "Press <Esc> to Exit|714|255,255,0"
)
readonly PROMPT_AREA_TOP=570 # 48 rows above the first prompt
readonly TEXT_HEIGHT=40      # a prompt's glyphs, descenders too, lie within y..y+40
readonly CENTRE_SLACK=4      # pixels a centred prompt may lean either way

# Each prompt's colour shows on its own row, centred, and on no other row of
# the prompts' area.
title_shown() {
    local area="${SCREEN_W}x$((SCREEN_H - PROMPT_AREA_TOP))+0+${PROMPT_AREA_TOP}"
    local entry text top rgb i=0
    local -a texts=() tops=() colours=() found
    for entry in "${PROMPTS[@]}"; do
        IFS='|' read -r text top rgb <<<"$entry"
        texts+=("$text") tops+=("$top") colours+=("$rgb")
    done
    mapfile -t found < <(match_colours "$area" 6% "${colours[@]}")
    for i in "${!texts[@]}"; do
        text=${texts[i]} top=${tops[i]} rgb=${colours[i]}
        local count box w h x y
        read -r count box <<<"${found[i]:-0 0x0+0+0}"
        if ((count < 500)); then
            why="\"$text\": expected colour ($rgb) on rows $top..$((top + TEXT_HEIGHT)), seen $count pixels of it"
            return 1
        fi
        IFS='x+' read -r w h x y <<<"$box"
        y=$((y + PROMPT_AREA_TOP))
        if ((y < top || y + h > top + TEXT_HEIGHT + 1)); then
            why="\"$text\": expected colour ($rgb) only on rows $top..$((top + TEXT_HEIGHT)), seen on rows $y..$((y + h - 1))"
            return 1
        fi
        local centre2=$((2 * x + w)) # twice the centre, to stay in whole numbers
        if ((centre2 < SCREEN_W - 2 * CENTRE_SLACK || centre2 > SCREEN_W + 2 * CENTRE_SLACK)); then
            why="\"$text\": expected centred on x $((SCREEN_W / 2)), seen on x $x..$((x + w - 1))"
            return 1
        fi
    done
}

# The splash: a picture fading in on black, with no title prompt. Only this
# screen moves on by itself (after three seconds), so it is looked for with
# one quick measurement per screenshot.
readonly SPLASH_MIN_BRIGHTNESS=6 # of 255, the whole screen's mean

splash_shown() {
    local first_prompt_rgb=${PROMPTS[0]##*|} brightness green
    local band="${SCREEN_W}x$((SCREEN_H - PROMPT_AREA_TOP))+0+${PROMPT_AREA_TOP}"
    local -a lines
    # Two lines "mean count": the whole screen in grey, then the first prompt's
    # colour in the prompts' area.
    mapfile -t lines < <(convert "$shot" -alpha off -fuzz 6% \
        "(" -clone 0 -colorspace gray ")" \
        "(" -clone 0 -crop "$band" +repage -fill black +opaque "rgb($first_prompt_rgb)" \
        -fill white -opaque "rgb($first_prompt_rgb)" ")" -delete 0 \
        -format '%[fx:round(mean*255)] %[fx:round(mean*w*h)]\n' info:)
    read -r brightness _ <<<"${lines[0]:-0 0}"
    read -r _ green <<<"${lines[1]:-0 0}"
    if ((green > 100)); then
        fail "the splash screen was never seen: the title's prompts showed first (screenshot $shot)"
    fi
    if ((brightness < SPLASH_MIN_BRIGHTNESS)); then
        why="screen still dark (mean brightness $brightness of 255)"
        return 1
    fi
}

# The instructions: their heading in (100,255,255) near the top.
instructions_shown() {
    local count box
    read -r count box <<<"$(match_colours "${SCREEN_W}x80+0+40" 6% "100,255,255")"
    if ((${count:-0} < 1000)); then
        why="expected the heading's colour (100,255,255) on rows 40..119, seen ${count:-0} pixels of it"
        return 1
    fi
}

# The HUD: black at alpha 0.7 over the play field, so nothing brighter than
# about 0.3 of full in the bars' strips that carry no label or bar.
readonly BAR_DARK_MAX=80
readonly DARK_STRIPS=(
    "top bar, rows 0..2|${SCREEN_W}x3+0+0"
    "top bar, rows 45..49|${SCREEN_W}x5+0+45"
    "bottom bar, rows 718..722|${SCREEN_W}x5+0+718"
    "bottom bar between the timer and the pickups|80x50+538+718"
)

bars_dark() {
    local entry i
    local -a names=() regions=() values
    for entry in "${DARK_STRIPS[@]}"; do
        names+=("${entry%|*}") regions+=("${entry#*|}")
    done
    mapfile -t values < <(brightest_channels "${regions[@]}")
    for i in "${!names[@]}"; do
        local value=${values[i]:-999}
        if ((value > BAR_DARK_MAX)); then
            why="${names[i]} (${regions[i]}): expected dark (every channel <= $BAR_DARK_MAX), seen a channel at $value"
            return 1
        fi
    done
}

# The health bar: 210 by 40 at (497, 5), white 1-pixel outline, filled with
# (250,100,100) across its whole width at full health.
readonly HEALTH_X=497 HEALTH_Y=5 HEALTH_W=210 HEALTH_H=40
readonly HEALTH_FILL="250,100,100"

health_bar_full() {
    local right=$((HEALTH_X + HEALTH_W - 1)) bottom=$((HEALTH_Y + HEALTH_H - 1))
    local mid_y=$((HEALTH_Y + HEALTH_H / 2)) i
    local -a spots=("$HEALTH_X,$mid_y" "$right,$mid_y" "600,$HEALTH_Y" "600,$bottom"
        "500,$mid_y" "703,$mid_y")
    local -a expected=("255,255,255" "255,255,255" "255,255,255" "255,255,255"
        "$HEALTH_FILL" "$HEALTH_FILL")
    local -a parts=("outline" "outline" "outline" "outline" "fill" "fill")
    local -a seen
    mapfile -t seen < <(pixels "${spots[@]}")
    for i in "${!spots[@]}"; do
        if ! near "${seen[i]:-?,?,?}" "${expected[i]}" 8; then
            why="health bar ${parts[i]} at (${spots[i]}): expected (${expected[i]}), seen (${seen[i]:-nothing})"
            return 1
        fi
    done
    # The fill runs from outline to outline and no further, on every row.
    local inner=$((HEALTH_W - 2)) rows=$((HEALTH_H - 2)) margin=8 count box
    local region="$((HEALTH_W + 2 * margin))x${rows}+$((HEALTH_X - margin))+$((HEALTH_Y + 1))"
    read -r count box <<<"$(match_colours "$region" 3% "$HEALTH_FILL")"
    if [[ ${count:-0} -ne $((inner * rows)) || $box != "${inner}x${rows}+$((margin + 1))+0" ]]; then
        local w h x y
        IFS='x+' read -r w h x y <<<"$box"
        why="health bar fill: expected ($HEALTH_FILL) on x $((HEALTH_X + 1))..$((right - 1)), rows $((HEALTH_Y + 1))..$((bottom - 1)) ($((inner * rows)) pixels), seen ${count:-0} pixels on x $((HEALTH_X - margin + x))..$((HEALTH_X - margin + x + w - 1))"
        return 1
    fi
}

level_with_full_health() {
    bars_dark && health_bar_full
}

# --- The play-through ---------------------------------------------------------

press() {
    xdotool key "$1"
}

hold() {
    xdotool keydown "$1"
    sleep "$2"
    xdotool keyup "$1"
}

game_ended() {
    ! kill -0 "$game_pid" 2>/dev/null
}

start_x
start_game

expect splash splash_shown "the splash screen"
press space
expect title title_shown "the title screen's prompts"
press space
expect instructions instructions_shown "the instructions screen"
press space
expect level level_with_full_health "the level's HUD at full health"

# Fly about and fire; the HUD stays drawn over whatever happens.
hold Left 0.4
hold Right 0.4
xdotool keydown z
hold Up 0.2
hold Down 0.2
xdotool keyup z
expect level-played bars_dark "the HUD's dark bars after flying and firing"

press Escape
expect title-again title_shown "the title screen after Esc in the level"
press Escape
poll "the game to end after Esc on the title" game_ended

status=0
wait "$game_pid" || status=$?
game_pid=""
if ((status != 0)); then
    fail "the game ended with status $status after Esc on the title, expected 0"
fi
if grep -q -E "ERROR: AddressSanitizer|runtime error:" "$WORK/game.log"; then
    fail "the game reported a sanitizer error (see $WORK/game.log)"
fi
echo "PASS: splash, title prompts, instructions, HUD bars and health bar, exit status 0"

#!/usr/bin/env bash
# Runs the game (brindlewick_bot --tour: every screen, a won level, a lost one)
# once for every file of Data/ missing, cut to half and replaced by noise, each
# in a copy of the data folder of its own, and checks how the game takes it:
#   a shared picture ends the program with its message and a failure status;
#   a screen's own picture is reported once and the screen shows without it;
#   a sound, a track or the font is done without and the game goes on;
# and never a crash, a hang or a sanitizer report.
# Usage: broken_data.sh BOT DATA_DIR SCRATCH_DIR
set -uo pipefail

bot=$1
data=$(cd "$2" && pwd)
scratch=$3
jobs=$(nproc 2>/dev/null || echo 2)
case_timeout=120

rm -rf "$scratch"
mkdir -p "$scratch"
export bot data scratch case_timeout

# The screens load these themselves and go on without them.
screen_pictures=" tarnhollow.png Images/title.png Images/credits.png Images/gameover.png Images/gear.png "
# Shared pictures cut into animation frames.
anim_pictures=" Images/logo.png Images/player.png Images/Alien1.png Images/Alien1White.png Images/Alien2.png Images/Alien2White.png "
export screen_pictures anim_pictures

run_case() {
    local rel=$1 mode=$2
    local dir="$scratch/$(echo "$rel" | tr '/.' '__').$mode"
    mkdir -p "$dir"
    # Hard links keep the copy cheap; the broken file is always a new file.
    cp -al "$data" "$dir/Data" 2>/dev/null || cp -a "$data" "$dir/Data"
    local target="$dir/Data/$rel" size
    size=$(stat -c %s "$data/$rel")
    rm -f "$target"
    case $mode in
        missing) ;;
        truncated) head -c $((size / 2)) "$data/$rel" >"$target" ;;
        random)
            # The same noise on every run, so a failure can be repeated.
            local key
            key=$(printf '%s' "$rel" | md5sum | cut -c1-32)
            openssl enc -aes-128-ctr -K "$key" -iv 0 </dev/zero 2>/dev/null |
                head -c "$size" >"$target"
            ;;
    esac
    timeout -k 5 "$case_timeout" "$bot" --tour --data "$dir" --steps 6000 --seed 7 \
        >"$dir/out.log" 2>&1
    local status=$? verdict=PASS outcome
    local log="$dir/out.log"
    local name=${rel##*/}
    if grep -qE "AddressSanitizer|LeakSanitizer|runtime error:" "$log"; then
        verdict=FAIL outcome="sanitizer report"
    elif ((status == 124 || status == 137)); then
        verdict=FAIL outcome="hang (killed after ${case_timeout}s)"
    elif ((status > 128)); then
        verdict=FAIL outcome="crash (signal $((status - 128)))"
    elif [[ $rel == Images/* && $screen_pictures != *" $rel "* ]]; then
        local wanted="Error loading image"
        [[ $anim_pictures == *" $rel "* ]] && wanted="Error loading anim image"
        if ((status != 0)) && grep -qiE "^$wanted \S*$name\$" "$log"; then
            outcome="ends, status $status: $(grep -iE -m1 "^$wanted " "$log")"
        else
            verdict=FAIL outcome="status $status, no '$wanted ...$name' message"
        fi
    elif ((status != 0)); then
        verdict=FAIL outcome="status $status: $(grep -m1 -E 'FAILED|error' "$log")"
    elif [[ $screen_pictures == *" $rel "* ]]; then
        local reports
        reports=$(grep -ciE "^Missing picture \S*$name " "$log")
        if ((reports == 1)); then
            outcome="status 0, screen shown without it (reported once)"
        else
            verdict=FAIL outcome="status 0, reported $reports times"
        fi
    elif [[ $rel == Fonts/* ]]; then
        if grep -q "main font built-in" "$log"; then
            outcome="status 0, built-in font"
        else
            outcome="status 0, font still loaded"
        fi
    else
        local notices
        notices=$(grep -c "tried to play a null sound" "$log")
        outcome="status 0, $notices null-sound notices"
    fi
    [[ $verdict == PASS ]] && rm -rf "$dir"
    printf '%s\t%s\t%s\t%s\n' "$rel" "$mode" "$verdict" "$outcome"
}
export -f run_case

(cd "$data" && find . -type f | sed 's|^\./||' | sort) |
    while read -r rel; do
        for mode in missing truncated random; do
            printf '%s\n%s\n' "$rel" "$mode"
        done
    done |
    xargs -d '\n' -n 2 -P "$jobs" bash -c 'run_case "$1" "$2"' _ >"$scratch/results.tsv"

sort -o "$scratch/results.tsv" "$scratch/results.tsv"
printf '%-28s %-10s %-5s %s\n' FILE MODE OK OUTCOME
while IFS=$'\t' read -r rel mode verdict outcome; do
    printf '%-28s %-10s %-5s %s\n' "$rel" "$mode" "$verdict" "$outcome"
done <"$scratch/results.tsv"

cases=$(wc -l <"$scratch/results.tsv")
failed=$(grep -c $'\tFAIL\t' "$scratch/results.tsv")
echo "$cases cases, $failed failed (logs of failed cases kept in $scratch)"
expected=$(( $(cd "$data" && find . -type f | wc -l) * 3 ))
if ((cases != expected)); then
    echo "expected $expected cases"
    exit 1
fi
((failed == 0))

#!/usr/bin/env bash
# What a player feels of the whole program, measured as whole processes:
#   - start-up to the first painted board (SLCY_QUIT_AFTER_FIRST_PAINT ends the program right
#     after it), with the peak memory of that run, on a private Xvfb without a compositor;
#   - the processor time the program takes while it stands idle with a level running.
# Usage: bench/startup.sh <program directory>   (RUNS=n for more or fewer start-ups)
set -euo pipefail

program=$1/slcy2_4
runs=${RUNS:-15}
source "$(dirname "$0")/../scripts/private-xserver.sh"
start_scratch_area
start_private_xserver

# A player who has chosen a language before: no language dialog.
export XDG_CONFIG_HOME=$work/config
mkdir -p "$XDG_CONFIG_HOME/WumpleGames/Sluicery"
printf '[common]\ntongue=0\n' >"$XDG_CONFIG_HOME/WumpleGames/Sluicery/V2.conf"

first_paint() {  # prints "milliseconds peak-KB" of one start-up on the given platform
    local start end
    start=$(date +%s%N)
    /usr/bin/time -f '%M' -o "$work/rss" env QT_QPA_PLATFORM="$1" SLCY_QUIT_AFTER_FIRST_PAINT=1 \
        "$program" >/dev/null 2>&1
    end=$(date +%s%N)
    echo "$(((end - start) / 1000000)) $(cat "$work/rss")"
}

report() {  # median and best of the start-up time, the largest peak memory
    sort -n "$work/$1" | awk -v what="$1" '
        { ms[NR] = $1; if ($2 > kb) kb = $2 }
        END { printf "%-34s median %4d ms   best %4d ms   peak RSS %.1f MB\n",
                     what, ms[int((NR + 1) / 2)], ms[1], kb / 1024 }'
}

for platform in xcb offscreen; do
    first_paint "$platform" >/dev/null  # warm the file cache
    : >"$work/first-paint-$platform"
    for _ in $(seq "$runs"); do first_paint "$platform" >>"$work/first-paint-$platform"; done
    report "first-paint-$platform"
done

# Idle: a level running, nothing touched, after the splash has gone.
"$program" >/dev/null 2>&1 &
game=$!
pids+=("$game")
sleep 5
ticks() { awk '{ print $14 + $15 }' "/proc/$game/stat"; }
before=$(ticks)
sleep 10
after=$(ticks)
hz=$(getconf CLK_TCK)
awk -v t=$((after - before)) -v hz="$hz" \
    'BEGIN { printf "%-34s %.2f %% of a core over 10 s\n", "idle with a level running", 100 * t / hz / 10 }'

#!/usr/bin/env bash
# What a player feels of the whole program, measured as whole processes, on private Xvfb servers
# without a compositor, under three window managers: none, openbox (with a session bus, as on a
# desktop), and one that never answers (silent_wm: it lists _NET_REQUEST_FRAME_EXTENTS but never
# answers it). Under each:
#   - start-up to the first painted board (with SLCY_QUIT_AFTER_FIRST_PAINT the program reports
#     that moment and ends), with the peak memory, beside a bare Qt window of the same size
#     (bare_window) started alternately in the same run, and the ratio of the medians;
#   - the longest stall of the event loop (SLCY_STALL_PROBE) while the window first shows, while
#     each dialog first shows, and while the window is moved.
# Then the processor time the program takes while it stands idle with a level running.
# Usage: bench/startup.sh <program directory>   (RUNS=n for more or fewer start-ups)
set -euo pipefail

bin=$1
program=$bin/slcy2_4
runs=${RUNS:-15}
source "$(dirname "$0")/../scripts/private-xserver.sh"
start_scratch_area

# A player who has chosen a language before: no language dialog. No frames from earlier runs.
export XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache
mkdir -p "$XDG_CONFIG_HOME/WumpleGames/Sluicery"
printf '[common]\ntongue=0\n' >"$XDG_CONFIG_HOME/WumpleGames/Sluicery/V2.conf"
export QT_QPA_PLATFORM=xcb

# One start-up of the given program: prints "milliseconds peak-KB", the time from its start to
# the moment its first paint went to the X server (the program reports it), and its peak memory.
first_paint() {
    local start painted
    start=$(date +%s%N)
    painted=$(/usr/bin/time -f '%M' -o "$work/rss" env SLCY_QUIT_AFTER_FIRST_PAINT=1 "$1" 2>/dev/null |
                  awk '/^first paint / {print $3}')
    [[ -n $painted ]] || { echo "$1 reported no first paint" >&2; return 1; }
    echo "$(((painted - start) / 1000000)) $(cat "$work/rss")"
}

median() { sort -n "$1" | awk '{ ms[NR] = $1 } END { print ms[int((NR + 1) / 2)] }'; }

report() {  # report <file> <label>: median and best of the start-up time, the largest peak memory
    sort -n "$1" | awk -v what="$2" '
        { ms[NR] = $1; if ($2 > kb) kb = $2 }
        END { printf "  %-28s median %4d ms   best %4d ms   peak RSS %.1f MB\n",
                     what, ms[int((NR + 1) / 2)], ms[1], kb / 1024 }'
}

# The longest stall the game's probe noted from line $2 on of its log $1.
longest_stall() { tail -n +"$2" "$1" | awk '/^stall / && $2 > m { m = $2 } END { printf "%.1f", m + 0 }'; }
lines() { wc -l <"$1"; }

stalls() {  # the game driven through its windows with the probe on; prints the longest stalls
    local log=$work/stalls.log main from dialog tool left w h what
    SLCY_STALL_PROBE=1 "$program" >/dev/null 2>"$log" &
    local game=$!
    pids+=("$game")
    main=$(window_of_size 500 366 20) || { echo "  no main window"; return 1; }
    splash=$(window_of_size 200 150 20) || { echo "  no splash window"; return 1; }
    xdotool mousemove --window "$splash" 100 75 click 1
    wait_until 10 no_window_of_size 200 150
    sleep 0.5
    printf '  longest stall: start-up %s ms' "$(longest_stall "$log" 1)"
    for tool in "4 261 103 new-game" "31 261 103 restart" "384 320 91 language" "438 309 322 info"; do
        read -r left w h what <<<"$tool"
        from=$(($(lines "$log") + 1))
        xdotool mousemove --window "$main" $((left + 12)) 16 click 1
        dialog=$(window_of_size "$w" "$h" 10) || { echo " no $what dialog"; return 1; }
        sleep 0.3
        printf ', %s %s ms' "$what" "$(longest_stall "$log" "$from")"
        if [[ $what == language ]]; then key=Return; else key=Escape; fi
        xdotool windowfocus --sync "$dialog" key "$key"
        wait_until 10 no_window_of_size "$w" "$h" || { echo " the $what dialog stayed"; return 1; }
    done
    from=$(($(lines "$log") + 1))
    xdotool windowmove "$main" 40 30
    sleep 0.3
    xdotool windowmove "$main" 200 150
    sleep 0.3
    printf ', move %s ms\n' "$(longest_stall "$log" "$from")"
    kill "$game"
    wait "$game" 2>/dev/null || true
}

setup() {  # setup <name>: a fresh server with that manager; the bench of this section
    local name=$1 first=${#pids[@]} i
    start_private_xserver
    case $name in
        openbox)
            if command -v dbus-daemon >/dev/null; then
                eval "$(dbus-daemon --session --fork --print-address=1 --print-pid=1 |
                            { read -r a; read -r p; echo "export DBUS_SESSION_BUS_ADDRESS=$a; bus=$p"; })"
                pids+=("$bus")
            fi
            start_window_manager ;;
        silent) start_silent_window_manager "$bin" ;;
    esac
    echo "== $name"
    first_paint "$program" >/dev/null  # warm the file cache and the frames learned
    first_paint "$bin/bare_window" >/dev/null
    : >"$work/game" && : >"$work/bare"
    for _ in $(seq "$runs"); do
        first_paint "$program" >>"$work/game"
        first_paint "$bin/bare_window" >>"$work/bare"
    done
    report "$work/game" "first paint, the game"
    report "$work/bare" "first paint, a bare window"
    awk -v g="$(median "$work/game")" -v b="$(median "$work/bare")" \
        'BEGIN { printf "  %-28s %.2f x\n", "game / bare window", g / b }'
    stalls || true
    for ((i = ${#pids[@]} - 1; i >= first; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
    unset DBUS_SESSION_BUS_ADDRESS
    sleep 0.2
}

for name in none openbox silent; do setup "$name"; done

# Idle: a level running, nothing touched, after the splash has gone.
start_private_xserver
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

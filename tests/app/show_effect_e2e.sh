#!/usr/bin/env bash
# The main window's entrance on a real X server with a window manager and no compositor. While
# the game starts, an X client of our own (root_drawing) records through the RECORD extension
# every rectangle drawn on the root window, request by request, however short the entrance and
# however busy the machine; a second one (root_frames) reads the screen, so that what is left
# on it afterwards is seen as the player would see it. The entrance must be 40 dotted rectangles
# drawn by inverting pixels, growing from the mouse pointer to the window's outer rectangle,
# then the same 40 again, which erases them: nothing may be left outside the windows. While a
# compositor runs (one owns _NET_WM_CM_S0), nothing may be drawn at all.
# Usage: show_effect_e2e.sh <program directory>
program_dir=$1
E2E_SCREEN=800x600x24 source "$(dirname "$0")/e2e_lib.sh"
fail() {
    echo "FAIL: $*" >&2
    [[ -f $work/drawn.txt ]] && cat "$work/drawn.txt" >&2
    [[ -f $work/frames.txt ]] && tail -3 "$work/frames.txt" >&2
    exit 1
}

pointer_x=60 pointer_y=50

# Starts both watchers, then the game with the configuration folder $1; waits for the main
# window (kept in `main`), stops the watchers and the game.
watched_start() {
    rm -f "$work/ready" "$work/recording"
    "$program_dir/root_drawing" "$work/recording" 60 >"$work/drawn.txt" &
    local recorder=$!
    "$program_dir/root_frames" "$work/ready" 60 >"$work/frames.txt" &
    local watcher=$!
    pids+=("$recorder" "$watcher")
    wait_until 10 test -e "$work/recording" || fail "the recorder did not start"
    wait_until 10 test -e "$work/ready" || fail "the watcher did not start"
    XDG_CONFIG_HOME=$1 "$program_dir/slcy2_4" >"$work/game.log" 2>&1 &
    local game=$!
    pids+=("$game")
    main=$(window_of_size 500 366 15) || fail "no main window"
    sleep 0.2
    kill -TERM "$recorder" "$watcher"
    wait "$watcher" || fail "the watcher failed"
    wait "$recorder" 2>/dev/null || true
    read -r x y < <(xwininfo -id "$main" |
                    awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x, y}')
    kill "$game"
    wait "$game" 2>/dev/null || true
}

# A first start, with no stored window position; the frame this window manager draws is known
# from an earlier start (the very first one places the window before the manager tells it).
XDG_CONFIG_HOME=$work/config-earlier "$program_dir/slcy2_4" >"$work/game.log" 2>&1 &
earlier=$!
pids+=("$earlier")
window_of_size 500 366 15 >/dev/null || fail "no main window"
kill "$earlier"
wait "$earlier" 2>/dev/null || true
xdotool mousemove "$pointer_x" "$pointer_y"
watched_start "$work/config"
rectangles=$(grep -c "^rectangle " "$work/drawn.txt" || true)
((rectangles == 80)) || fail "$rectangles rectangles on the root window, not 80"
# Every one inverts the pixels along a dotted outline: GXinvert, LineOnOffDash, dashes of one.
grep -v '^rectangle 10 1 1 ' "$work/drawn.txt" | grep -q . && fail "a rectangle not drawn dotted and inverted"
# The second 40 are the first 40 again, in the same order.
diff <(sed -n 1,40p "$work/drawn.txt") <(sed -n 41,80p "$work/drawn.txt") >/dev/null ||
    fail "the second pass does not repeat the first"
# The first lies a fortieth of the way from the pointer to the window, the 40th is the window's
# outer rectangle (an X outline covers width + 1 by height + 1 pixels), and each one grows.
read -r _ _ _ _ left top _ _ < <(sed -n 1p "$work/drawn.txt")
((left >= pointer_x && left <= pointer_x + 15 && top >= pointer_y && top <= pointer_y + 15)) ||
    fail "the rectangles do not start at the pointer $pointer_x,$pointer_y: the first at $left,$top"
read -r _ _ _ _ left top width height < <(sed -n 40p "$work/drawn.txt")
((left <= x && top <= y && left + width >= x + 500 - 1 && top + height >= y + 366 - 1)) ||
    fail "the last rectangle $left,$top ${width}x$height does not frame the window at $x,$y"
sed -n 1,40p "$work/drawn.txt" | awk '$7 * $8 <= area { exit 1 } { area = $7 * $8 }' ||
    fail "the rectangles do not grow step by step"
grep -q '^left over outside [0-9]* windows: 0 pixels$' "$work/frames.txt" ||
    fail "the rectangles were not all erased"

# Under a compositor (silent_wm --compositor holds its selection) the root window is not what
# the screen shows: the game draws nothing on it.
"$program_dir/silent_wm" --compositor "$work/composited" &
pids+=($!)
wait_until 10 test -e "$work/composited" || fail "the compositor's stand-in did not start"
watched_start "$work/config-composited"
grep -q '^rectangle ' "$work/drawn.txt" && fail "the effect was drawn under a compositor"
grep -q '^frames [0-9]*, changed [0-9]*, with inverted pixels 0$' "$work/frames.txt" ||
    fail "pixels were inverted under a compositor"
echo "PASS: 80 dotted inverted rectangles from $pointer_x,$pointer_y to the window at $x,$y, all erased; none under a compositor"

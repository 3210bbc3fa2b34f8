#!/usr/bin/env bash
# The main window's entrance on a real X server with a window manager and no compositor: while
# the game starts, an X client of our own (root_frames) reads the whole screen frame after
# frame (through shared memory, a frame every millisecond or less). Dotted rectangles drawn by
# inverting the screen's pixels must appear, spread from the mouse pointer to the window, and once the window is up nothing of them may be left outside
# the windows. While a compositor runs (one owns _NET_WM_CM_S0), nothing may be drawn at all.
# Usage: show_effect_e2e.sh <program directory>
program_dir=$1
# A small screen is read faster, so more frames fall into the hundredth of a second the effect
# takes.
E2E_SCREEN=800x600x24 source "$(dirname "$0")/e2e_lib.sh"
fail() {
    echo "FAIL: $*" >&2
    [[ -f $work/frames.txt ]] && cat "$work/frames.txt" >&2
    exit 1
}

pointer_x=60 pointer_y=50

# The box around every inverted pixel of the last watched start: left top right bottom.
box() { awk '/^inverted box/ {print $3, $4, $5, $6}' "$work/frames.txt"; }

# One start of the game, watched. The watcher may miss the effect, or its last steps, when the
# machine is busy (it is over in a hundredth of a second), so a start whose frames do not show
# the rectangles all the way from the pointer to the window is tried again, up to three times;
# that nothing is left on the screen is checked every time.
for attempt in 1 2 3; do
    rm -f "$work/ready"
    "$program_dir/root_frames" "$work/ready" 60 >"$work/frames.txt" &
    watcher=$!
    pids+=("$watcher")
    wait_until 10 test -e "$work/ready" || fail "the watcher did not start"
    xdotool mousemove "$pointer_x" "$pointer_y"

    # A first start: no stored window position.
    XDG_CONFIG_HOME=$work/config$attempt "$program_dir/slcy2_4" >"$work/game.log" 2>&1 &
    game=$!
    pids+=("$game")
    main=$(window_of_size 500 366 15) || fail "no main window"
    kill -TERM "$watcher"
    wait "$watcher" || fail "the watcher failed"
    read -r x y < <(xwininfo -id "$main" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x, y}')
    kill "$game"
    wait "$game" 2>/dev/null || true

    grep -q '^left over outside [0-9]* windows: 0 pixels$' "$work/frames.txt" ||
        fail "the rectangles were not all erased (attempt $attempt)"
    # From the pointer (the first step lies a fortieth of the way towards the window) to the
    # window, which the last step covers.
    if read -r left top right bottom < <(box) &&
        ((left <= pointer_x + 15 && top <= pointer_y + 15 &&
          right >= x + 500 - 1 && bottom >= y + 366 - 1)); then
        break
    fi
    echo "attempt $attempt: the frames did not catch every step"
    cat "$work/frames.txt"
done
cat "$work/frames.txt"
read -r left top right bottom < <(box) || fail "no rectangles seen in three starts"
((left <= pointer_x + 15 && top <= pointer_y + 15)) ||
    fail "the rectangles do not start at the pointer $pointer_x,$pointer_y: box from $left,$top"
((right >= x + 500 - 1 && bottom >= y + 366 - 1)) ||
    fail "the rectangles do not reach the window at $x,$y: box to $right,$bottom"

# The fullest frame: most of its inverted pixels are single dots between untouched pixels.
read -r inverted dots < <(awk '/^frame / && $6 > best {best = $6; d = $9} END {print best, d}' \
                              "$work/frames.txt")
((inverted >= 200)) || fail "too few inverted pixels: $inverted"
((dots * 10 >= inverted * 7)) || fail "the outlines are not dotted: $dots dots of $inverted"

# Under a compositor (silent_wm --compositor holds its selection) the root window is not what
# the screen shows: the game draws nothing on it.
"$program_dir/silent_wm" --compositor "$work/composited" &
pids+=($!)
wait_until 10 test -e "$work/composited" || fail "the compositor's stand-in did not start"
rm -f "$work/ready"
"$program_dir/root_frames" "$work/ready" 60 >"$work/frames.txt" &
watcher=$!
pids+=("$watcher")
wait_until 10 test -e "$work/ready" || fail "the watcher did not start"
XDG_CONFIG_HOME=$work/config-composited "$program_dir/slcy2_4" >"$work/game.log" 2>&1 &
game=$!
pids+=("$game")
main=$(window_of_size 500 366 15) || fail "no main window under a compositor"
sleep 0.2
kill -TERM "$watcher"
wait "$watcher" || fail "the watcher failed"
kill "$game"
grep -q '^frames [0-9]*, changed [0-9]*, with inverted pixels 0$' "$work/frames.txt" ||
    fail "the effect was drawn under a compositor"
echo "PASS: $inverted inverted pixels at most, $dots of them dots; box $left,$top to $right,$bottom"

#!/usr/bin/env bash
# A player's first two starts, on a real X server with a window manager:
#   first start: splash, the language choice (German), a click on a wet piece, the quit
#   question refused with Esc, then confirmed, the save offer cancelled; the settings file then
#   holds what the player left; the second start asks for no language.
# Usage: first_start_e2e.sh <program directory>
set -euo pipefail

program_dir=$1
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; DISPLAY=$DISPLAY import -window root "$work/fail.png" 2>/dev/null && cp "$work/fail.png" /tmp/sluicery-e2e-fail.png; exit 1; }

# A display of our own, with a window manager so that the close box and Alt+F4 work.
source "$(dirname "$0")/../../scripts/private-xserver.sh"
start_private_xserver 91
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 0.5

export XDG_CONFIG_HOME=$work/config
export QT_QPA_PLATFORM=xcb
settings=$XDG_CONFIG_HOME/WumpleGames/Sluicery/V2.conf

# Waits until a mapped window of the game with the given client size exists; prints its id.
window_of_size() {
    local w=$1 h=$2 tries=${3:-100}
    for _ in $(seq "$tries"); do
        for id in $(xwininfo -root -tree 2>/dev/null | grep -F '("slcy2_4"' |
                        grep -E " ${w}x${h}\+" | awk '{print $1}'); do
            xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' && { echo "$id"; return 0; }
        done
        sleep 0.1
    done
    return 1
}
gone() { ! kill -0 "$1" 2>/dev/null; }

start_game() {
    "$program_dir/slcy2_4" >"$work/game.log" 2>&1 &
    game=$!
    pids+=("$game")
}

# --- First start ---------------------------------------------------------------------------
start_game
window_of_size 200 150 100 >/dev/null || fail "no splash window"
tongue=$(window_of_size 320 91 100) || fail "no language dialog after the splash"
xdotool mousemove --window "$tongue" 194 61 click 1   # "Ich spreche deutsch."
sleep 0.5
main=$(window_of_size 500 366 50) || fail "no main window"

# The start cell of level 1 carries water: turn it with a left click.
read -r column row < <(od -An -tu1 -j160 -N2 "$program_dir/slcy.dat")
xdotool mousemove --window "$main" $((22 + 36 * (column - 1) + 18)) $((33 + 22 + 36 * (row - 1) + 18)) click 1
sleep 0.5

# Quit: the question comes; Esc keeps the game running.
xdotool windowactivate --sync "$main" key --clearmodifiers alt+F4
question=$(window_of_size 261 103 50) || fail "no quit question"
xdotool windowactivate --sync "$question" key Escape
sleep 0.5
kill -0 "$game" || fail "the game ended although the quit question was refused"

# Quit again and confirm; the save offer follows: cancel it.
xdotool windowactivate --sync "$main" key --clearmodifiers alt+F4
question=$(window_of_size 261 103 50) || fail "no quit question the second time"
xdotool windowactivate --sync "$question" key Return
sleep 1
save_dialog=""
for _ in $(seq 50); do
    save_dialog=$(xdotool search --onlyvisible --name 'save|speichern' 2>/dev/null | head -1) && break
    sleep 0.1
done
[[ -n "$save_dialog" ]] || fail "no save offer"
xdotool windowactivate --sync "$save_dialog" key Escape
for _ in $(seq 50); do gone "$game" && break; sleep 0.1; done
gone "$game" || fail "the game did not end after the confirmed quit"

[[ -f "$settings" ]] || fail "no settings file at $settings"
grep -qx 'tongue=1' "$settings" || fail "tongue is not 1: $(cat "$settings")"
grep -qx 'sound=1' "$settings" || fail "sound is not 1"
grep -qx 'level=1' "$settings" || fail "level is not 1"
grep -qx 'save=' "$settings" || fail "save is not empty"
grep -q '^MainForm="\?200,' "$settings" || fail "MainForm does not start with 200"

# --- Second start: the language is known, so no language dialog ----------------------------
start_game
window_of_size 200 150 100 >/dev/null || fail "no splash window on the second start"
sleep 3.5
window_of_size 320 91 5 >/dev/null && fail "the language dialog came again"
main=$(window_of_size 500 366 50) || fail "no main window on the second start"
kill "$game"
echo "first start, quit question, save offer and second start: all as expected"

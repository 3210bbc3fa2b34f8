#!/usr/bin/env bash
# A player's first two starts, on a real X server with a window manager:
#   first start: splash, the language choice (German), a click on a wet piece, the quit
#   question refused with Esc, then confirmed, the save offer cancelled; the settings file then
#   holds what the player left; the second start asks for no language.
# Usage: first_start_e2e.sh <program directory>
program_dir=$1
source "$(dirname "$0")/e2e_lib.sh"

# --- First start ---------------------------------------------------------------------------
start_game
window_of_size 200 150 20 >/dev/null || fail "no splash window"
tongue=$(window_of_size 320 91 20) || fail "no language dialog after the splash"
xdotool mousemove --window "$tongue" 194 61 click 1   # "Ich spreche deutsch."
wait_until 10 no_window_of_size 320 91 || fail "the language dialog stayed open"
main=$(window_of_size 500 366 10) || fail "no main window"

# The start cell of level 1 carries water: turn it with a left click.
read -r column row < <(od -An -tu1 -j160 -N2 "$program_dir/slcy.dat")
xdotool mousemove --window "$main" $((22 + 36 * (column - 1) + 18)) $((33 + 22 + 36 * (row - 1) + 18)) click 1

# Quit: the question comes; Esc keeps the game running.
question=$(ask_to_quit "$main") || fail "no quit question"
activate "$question" || fail "the quit question does not become active"
xdotool key Escape
wait_until 10 no_window_of_size 261 103 || fail "Esc did not close the quit question"
kill -0 "$game" || fail "the game ended although the quit question was refused"

# Quit again and confirm; the save offer follows: cancel it.
question=$(ask_to_quit "$main") || fail "no quit question the second time"
activate "$question" || fail "the second quit question does not become active"
xdotool key Return
cancel_save_offer

[[ -f "$settings" ]] || fail "no settings file at $settings"
grep -qx 'tongue=1' "$settings" || fail "tongue is not 1: $(cat "$settings")"
grep -qx 'sound=1' "$settings" || fail "sound is not 1"
grep -qx 'level=1' "$settings" || fail "level is not 1"
grep -qx 'save=' "$settings" || fail "save is not empty"
grep -q '^MainForm="\?200,' "$settings" || fail "MainForm does not start with 200"

# --- Second start: the language is known, so no language dialog ----------------------------
start_game
window_of_size 200 150 20 >/dev/null || fail "no splash window on the second start"
# The splash closes by itself after three seconds; the game goes on without a question.
wait_until 20 no_window_of_size 200 150 || fail "the splash stayed"
main=$(window_of_size 500 366 10) || fail "no main window on the second start"
! window_of_size 320 91 2 >/dev/null || fail "the language dialog came again"
kill "$game"
echo "first start, quit question, save offer and second start: all as expected"

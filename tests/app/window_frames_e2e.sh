#!/usr/bin/env bash
# Where the windows stand on a real X server whose window manager draws frames (openbox: a
# title bar and a border), measured by their outer rectangles:
#   - the first start centres the main window's frame on the screen;
#   - every dialog stands centred over the main window, from its first showing on;
#   - a window moved, minimised and restored stays where the player put it;
#   - five starts in a row leave it on the same pixel, and the settings hold its outer rectangle;
#   - a stored place far off the screen brings the whole frame, title bar included, back on it;
#   - a progress file that cannot be read is reported in the middle of the screen;
#   - under a window manager that never answers (silent_wm), nothing waits for it: the window
#     and every dialog appear within a second, and the window moves.
# Usage: window_frames_e2e.sh <program directory>
program_dir=$1
bin_dir=$1
source "$(dirname "$0")/e2e_lib.sh"
read -r screen_w screen_h < <(xdpyinfo | awk '/dimensions:/ {split($2, s, "x"); print s[1], s[2]}')

# The game from a folder of its own, with two levels made for the test: level 1 is solved by one
# right click on its source (an end piece turning towards the other), level 2 is a lone cross
# whose countdown runs out after four ticks.
game_dir=$work/game
mkdir -p "$game_dir"
cp "$program_dir/slcy2_4" "$program_dir/slcy.rcc" "$game_dir/"
level() {  # level <pieces as "index:code" ...>: a record with decoration 7 and the start 1,1
    local -a bytes=()
    local i cell
    for ((i = 0; i < 80; i++)); do bytes[i]=0; done
    for cell in "$@"; do bytes[${cell%%:*}]=${cell##*:}; done
    for ((i = 80; i < 160; i++)); do bytes[i]=7; done
    bytes[160]=1 bytes[161]=1
    for i in "${bytes[@]}"; do printf "\\$(printf '%03o' "$i")"; done
}
{ level 0:9 8:17; level 0:5; } >"$game_dir/slcy.dat"
program_dir=$game_dir

expect_at() {  # expect_at <what> <left top width height> <left top>
    local what=$1 l=$2 t=$3 x=$6 y=$7
    [[ "$l $t" == "$x $y" ]] || fail "$what stands at $l,$t instead of $x,$y"
}
# Where a dialog belongs over the main window: centred on it across, and on its client area
# from top to bottom (halves rounded toward zero).
over_main() {  # over_main <main outer: l t w h> <dialog outer: l t w h>
    echo "$(($1 + ($3 - $7) / 2)) $(($2 + $4 - (366 + $8) / 2))"
}
check_dialog() {  # check_dialog <what> <dialog id>
    local main_outer dialog_outer
    main_outer=$(outer_of "$main")
    dialog_outer=$(outer_of "$2")
    # shellcheck disable=SC2086
    expect_at "$1" $dialog_outer $(over_main $main_outer $dialog_outer)
}
click_tool() {  # click_tool <button's left edge>: a click on a tool bar button
    xdotool mousemove --window "$main" $(($1 + 12)) 16 click 1
}
quit_game() {  # through the quit question and the save offer, cancelled
    local question
    wmctrl -i -c "$main"
    question=$(window_of_size 261 103 20) || fail "no quit question"
    check_dialog "the quit question" "$question"
    activate "$question" && xdotool key Return
    cancel_save_offer
}
stored_placement() { sed -n 's/^MainForm="\?\([^"]*\)"\?$/\1/p' "$settings"; }

# --- First start: centred, and the language dialog over it ------------------------------------
start_game
close_splash
tongue=$(window_of_size 320 91 20) || fail "no language dialog"
main=$(window_of_size 500 366 10) || fail "no main window"
read -r _ _ w h < <(outer_of "$main")
expect_at "the main window at the first start" $(outer_of "$main") \
    $(((screen_w - w) / 2)) $(((screen_h - h) / 2))
check_dialog "the language dialog at the first start" "$tongue"
activate "$tongue" && xdotool key Return  # English
wait_until 10 no_window_of_size 320 91 || fail "the language dialog stayed"

# --- Every dialog over the main window ----------------------------------------------------------
for tool in "4 261 103 new game" "31 261 103 restart" "384 320 91 language" "438 309 322 info"; do
    read -r left w h what <<<"$tool"
    activate "$main"
    click_tool "$left"
    dialog=$(window_of_size "$w" "$h" 20) || fail "no $what dialog"
    check_dialog "the $what dialog" "$dialog"
    activate "$dialog" && xdotool key Escape
    [[ $what == language ]] && xdotool key Return  # it has no cancel: English again
    wait_until 10 no_window_of_size "$w" "$h" || fail "the $what dialog stayed"
done
# Level 1 solved by a right click on its source: the solved dialog, then (level 2 being
# solved in no file) nothing more; level 2's countdown then runs out.
xdotool mousemove --window "$main" 40 73 click 3
solved=$(window_of_size 261 103 20) || fail "no solved dialog"
check_dialog "the solved dialog" "$solved"
activate "$solved" && xdotool key Return
wait_until 10 no_window_of_size 261 103 || fail "the solved dialog stayed"
activate "$main"
xdotool mousemove --window "$main" 461 $((33 + 130 + 11)) click 1  # the next unsolved level: 2
too_slow=$(window_of_size 261 103 20) || fail "no too-slow dialog"
check_dialog "the too-slow dialog" "$too_slow"
activate "$too_slow" && xdotool key Return
wait_until 10 no_window_of_size 261 103 || fail "the too-slow dialog stayed"

# --- Moved, minimised, restored: where the player put it ----------------------------------------
xdotool windowmove --sync "$main" 100 100
off_centre() { [[ $(outer_of "$main" | cut -d' ' -f1-2) != "$(((screen_w - w) / 2)) $(((screen_h - h) / 2))" ]]; }
wait_until 10 off_centre || fail "the window did not move"
moved=$(outer_of "$main")
xdotool windowminimize --sync "$main"
wmctrl -i -a "$main"
wait_until 10 shown_window_of_size 500 366 >/dev/null || fail "the window did not come back"
[[ $(outer_of "$main") == "$moved" ]] || fail "restored at $(outer_of "$main") instead of $moved"
quit_game
read -r l t w h <<<"$moved"
[[ $(stored_placement) == "200,0,1,$l,$t,$((l + w)),$((t + h))" ]] ||
    fail "stored $(stored_placement) for the outer rectangle $moved"

# --- Five starts without touching the window: the same pixel each time --------------------------
for run in 1 2 3 4 5; do
    start_game
    close_splash
    main=$(window_of_size 500 366 10) || fail "no main window on start $run"
    [[ $(outer_of "$main") == "$moved" ]] || fail "start $run: at $(outer_of "$main"), not $moved"
    quit_game
    [[ $(stored_placement) == "200,0,1,$l,$t,$((l + w)),$((t + h))" ]] ||
        fail "start $run stored $(stored_placement)"
done

# --- Far off the screen: the whole frame comes back, title bar included --------------------------
sed -i 's/^MainForm=.*/MainForm="200,0,1,-5000,-5000,-4498,-4613"/' "$settings"
start_game
close_splash
main=$(window_of_size 500 366 10) || fail "no main window"
expect_at "the window stored far off the screen" $(outer_of "$main") 0 0
kill "$game"

# --- A progress file that cannot be read: the message in the middle of the screen ---------------
sed -i "s|^save=.*|save=$work|" "$settings"
start_game
box=""
wait_until 20 eval 'box=$(xdotool search --onlyvisible --name "^Fehler$" 2>/dev/null | head -1); [[ -n $box ]]' ||
    fail "no message for the unreadable progress file"
read -r bl bt bw bh < <(outer_of "$(printf '0x%x' "$box")")
centre_x=$((bl + bw / 2)) centre_y=$((bt + bh / 2))
((centre_x - screen_w / 2 <= 2 && screen_w / 2 - centre_x <= 2 &&
  centre_y - screen_h / 2 <= 2 && screen_h / 2 - centre_y <= 2)) ||
    fail "the message stands at $bl,$bt ($bw x $bh), not in the middle of the screen"
kill "$game"

# --- A window manager that never answers: nothing waits for it ----------------------------------
stop_window_manager
start_silent_window_manager "$bin_dir" || fail "no silent window manager"
sed -i '/^save=/d' "$settings"
within_a_second() {  # within_a_second <what> <width> <height> <since, ns>: prints the window's id
    local id ms
    id=$(window_of_size "$2" "$3" 20) || fail "no $1 under a window manager that never answers"
    ms=$((($(date +%s%N) - $4) / 1000000))
    ((ms <= 1000)) || fail "$1 took $ms ms to appear under a window manager that never answers"
    echo "$id"
}
since=$(date +%s%N)
start_game
main=$(within_a_second "the main window" 500 366 "$since")
close_splash
wait_until 10 no_window_of_size 200 150 || fail "the splash stayed"
for tool in "4 261 103 new game" "31 261 103 restart" "384 320 91 language" "438 309 322 info"; do
    read -r left w h what <<<"$tool"
    since=$(date +%s%N)
    click_tool "$left"
    dialog=$(within_a_second "the $what dialog" "$w" "$h" "$since")
    key=Escape && [[ $what == language ]] && key=Return  # it has no cancel: English again
    xdotool windowfocus --sync "$dialog" key "$key"
    wait_until 10 no_window_of_size "$w" "$h" || fail "the $what dialog stayed"
done
xdotool windowmove --sync "$main" 40 30
[[ $(xwininfo -id "$main" | awk '/Absolute upper-left/ {printf "%s ", $NF}') == "40 30 " ]] ||
    fail "the window did not move under a window manager that never answers"
since=$(date +%s%N)
click_tool 438
dialog=$(within_a_second "the info dialog after a move" 309 322 "$since")
xdotool windowfocus --sync "$dialog" key Escape
wait_until 10 no_window_of_size 309 322 || fail "the info dialog stayed"
kill "$game"
echo "window frames: centred, dialogs over the main window, no creep, back on the screen, no wait"

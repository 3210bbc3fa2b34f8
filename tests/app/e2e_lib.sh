# Sourced by the end-to-end tests: a private X server with a window manager
# (scripts/private-xserver.sh), a temporary settings folder, the game started and measured.
# The caller sets `program_dir` and may use `work`, `settings`, `game`.
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/private-xserver.sh"
start_scratch_area
# A command that fails where nothing checks it ends the test: say which.
trap 'echo "FAIL: line $LINENO of ${BASH_SOURCE[0]##*/}: $BASH_COMMAND" >&2' ERR
set -o errtrace

fail() {
    echo "FAIL: $*" >&2
    import -window root "$work/fail.png" 2>/dev/null && cp "$work/fail.png" /tmp/sluicery-e2e-fail.png
    exit 1
}

start_private_xserver "${E2E_SCREEN:-1024x768x24}"
OPENBOX_LOG=$work/openbox.log start_window_manager || { cat "$work/openbox.log" >&2; exit 1; }

export XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache
export QT_QPA_PLATFORM=xcb
settings=$XDG_CONFIG_HOME/WumpleGames/Sluicery/V2.conf

gone() { ! kill -0 "$1" 2>/dev/null; }

start_game() {
    "$program_dir/slcy2_4" "$@" >"$work/game.log" 2>&1 &
    game=$!
    pids+=("$game")
}

# A click on the splash window, which ends it.
close_splash() {
    local splash
    splash=$(window_of_size 200 150 20) || fail "no splash window"
    xdotool mousemove --window "$splash" 100 75 click 1
}

# After a confirmed quit: the save offer comes; it is cancelled and the game ends.
cancel_save_offer() {
    local save
    save_offer() { xdotool search --onlyvisible --name 'save|speichern' 2>/dev/null | head -1 | grep .; }
    wait_until 20 save_offer >/dev/null || fail "no save offer"
    save=$(save_offer)
    xdotool windowactivate --sync "$save" key Escape
    wait_until 20 gone "$game" || fail "the game did not end after the confirmed quit"
}

# True when the window manager has made the window (id in hex) the active one.
is_active() { [[ $(xdotool getactivewindow 2>/dev/null) == $(($1)) ]]; }

# Makes the window active and waits until it is, so that keys reach it.
activate() {
    xdotool windowactivate "$1" 2>/dev/null || true
    wait_until 10 is_active "$1"
}

# The outer rectangle of a window (id in hex): left top width height, its client rectangle with
# the frame the window manager says it drew around it.
outer_of() {
    local x y w h l r t b
    read -r x y w h < <(xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $NF}
        /Absolute upper-left Y/ {y = $NF} /^  Width/ {w = $NF} /^  Height/ {h = $NF}
        END {print x, y, w, h}')
    read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
}

# Asks the main window to close with Alt+F4 and prints the quit question's id. Once in a few
# dozen runs the window manager lets the keystroke go (it never reaches the game); then the
# window manager is asked to close the window directly, as its close box does.
ask_to_quit() {
    local main=$1 question
    activate "$main" || return 1
    xdotool key --clearmodifiers alt+F4
    question=$(window_of_size 261 103 5) && { echo "$question"; return 0; }
    echo "Alt+F4 was not answered within 5 s: closing through the window manager" >&2
    wmctrl -i -c "$main"
    window_of_size 261 103 20
}

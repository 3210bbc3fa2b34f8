# Sourced by the scripts that drive the real game on an X server of their own: a scratch
# folder, the server, a window manager, and waiting for the game's windows by polling with a
# deadline (never by a fixed sleep).

# Makes a scratch folder `work` and an empty array `pids`; when the script exits, every process
# in `pids` is ended and the folder removed.
start_scratch_area() {
    work=$(mktemp -d)
    pids=()
    trap 'for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
          wait 2>/dev/null || true
          rm -rf "$work"' EXIT
}

# Starts Xvfb on a free display (the server picks the number itself, so two scripts started at
# once never share one), exports DISPLAY, and adds the server's pid to `pids`. The screen is
# 1024x768 unless given.
start_private_xserver() {
    local size=${1:-1024x768x24} fifo number=
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    # -noreset: without it the server resets whenever its last client leaves, and a client
    # that connects during the reset (the window manager after our first probe) is refused.
    Xvfb -displayfd 3 -noreset -screen 0 "$size" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    pids+=($!)
    read -r -t 20 number <"$fifo" || true
    rm -f "$fifo"
    [[ -n "$number" ]] || { echo "Xvfb did not start" >&2; return 1; }
    export DISPLAY=:$number
    for _ in $(seq 200); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
    echo "Xvfb did not answer on $DISPLAY" >&2
    return 1
}

# Starts openbox on the private display and waits until it manages windows (it announces
# itself on the root window); adds its pid to `pids` and keeps it in `window_manager`.
start_window_manager() {
    openbox >"${OPENBOX_LOG:-/dev/null}" 2>&1 &
    window_manager=$!
    pids+=("$window_manager")
    manager_announced && return 0
    echo "openbox did not start on $DISPLAY" >&2
    return 1
}

# Starts a window manager that never answers (silent_wm from the given program directory) in
# the same way, once no other manager runs any more.
start_silent_window_manager() {
    "$1/silent_wm" &
    window_manager=$!
    pids+=("$window_manager")
    manager_announced "silent_wm" && return 0
    echo "silent_wm did not start on $DISPLAY" >&2
    return 1
}

# Waits until a window manager (of the given name, if given) announces itself on the root window.
manager_announced() {
    local check
    for _ in $(seq 400); do
        check=$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | sed -n 's/.*window id # //p')
        [[ -n $check ]] && { [[ -z ${1:-} ]] ||
            xprop -id "$check" _NET_WM_NAME 2>/dev/null | grep -q "\"$1\""; } && return 0
        sleep 0.05
    done
    return 1
}

# Ends the window manager started last and waits until it has gone.
stop_window_manager() {
    kill "$window_manager" 2>/dev/null || true
    wait "$window_manager" 2>/dev/null || true
}

# Runs the command again and again until it succeeds or `seconds` have passed.
wait_until() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.05
    done
}

# The id of a mapped window of the game with the given client size, if there is one.
shown_window_of_size() {
    local w=$1 h=$2 id ids
    ids=$(xwininfo -root -tree 2>/dev/null |
              awk -v size=" ${w}x${h}+" '/\("slcy2_4"/ && index($0, size) {print $1}')
    for id in $ids; do
        xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' && { echo "$id"; return 0; }
    done
    return 1
}

# Waits up to `seconds` (default 10) for such a window and prints its id.
window_of_size() { wait_until "${3:-10}" shown_window_of_size "$1" "$2"; }

no_window_of_size() { ! shown_window_of_size "$1" "$2" >/dev/null; }

# Sourced by the scripts that need a real X server of their own: starts Xvfb on a free display
# (the server picks the number itself, so two scripts started at once never share one),
# exports DISPLAY, and adds the server's pid to the array `pids` (which the caller kills on
# exit). The screen size is 1024x768 unless given.
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
# itself on the root window); adds its pid to `pids`.
start_window_manager() {
    openbox >"${OPENBOX_LOG:-/dev/null}" 2>&1 &
    pids+=($!)
    for _ in $(seq 400); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.05
    done
    echo "openbox did not start on $DISPLAY" >&2
    return 1
}

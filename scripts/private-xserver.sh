# Sourced by the scripts that need a real X server of their own: starts Xvfb on the first free
# display from FIRST_DISPLAY on, exports DISPLAY, and adds the server's pid to the array `pids`
# (which the caller kills on exit).
start_private_xserver() {
    local first=${1:-91} size=${2:-1024x768x24} n display=
    for n in $(seq "$first" $((first + 50))); do
        [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] || { display=:$n; break; }
    done
    [[ -n "$display" ]] || { echo "no free X display" >&2; return 1; }
    Xvfb "$display" -screen 0 "$size" -nolisten tcp >/dev/null 2>&1 &
    pids+=($!)
    export DISPLAY=$display
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
    echo "Xvfb did not start on $display" >&2
    return 1
}

# Starts openbox on the private display and waits until it manages windows (it announces
# itself on the root window); adds its pid to `pids`.
start_window_manager() {
    openbox >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.05
    done
    echo "openbox did not start on $DISPLAY" >&2
    return 1
}

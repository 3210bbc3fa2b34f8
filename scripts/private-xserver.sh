# Sourced by the scripts that need a real X server of their own: starts Xvfb on the first free
# display from FIRST_DISPLAY on, exports DISPLAY, and adds the server's pid to the array `pids`
# (which the caller kills on exit). window_of_size finds the game's windows on it.
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

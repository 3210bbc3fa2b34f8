# Sourced by the scripts that need a real X server of their own: starts Xvfb on the first free
# display from FIRST_DISPLAY on, exports DISPLAY, and adds the server's pid to the array `pids`
# (which the caller kills on exit, or leaves to start_scratch_area).
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

# Makes a scratch folder `work` and an empty array `pids`; when the script exits, every process
# in `pids` is ended and the folder removed.
start_scratch_area() {
    work=$(mktemp -d)
    pids=()
    trap 'for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
          wait 2>/dev/null || true
          rm -rf "$work"' EXIT
}

# Waits until a mapped window of the game with the given client size exists; prints its id.
# Usage: window_of_size <width> <height> [tries of a tenth of a second, 100]
window_of_size() {
    local w=$1 h=$2 tries=${3:-100} id
    for _ in $(seq "$tries"); do
        for id in $(xwininfo -root -tree 2>/dev/null | grep -F '("slcy2_4"' |
                        grep -E " ${w}x${h}\+" | awk '{print $1}'); do
            xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' && { echo "$id"; return 0; }
        done
        sleep 0.1
    done
    return 1
}

# Sourced by the scripts that drive the real game under a Wayland compositor of their own:
# sway's headless back end with one output of 1280 x 1024, software rendering, no input devices
# (input comes through the compositor's own commands), and XWayland when it is installed. Sway
# refuses to run as root, so as root the compositor and everything in its session run as the
# user nobody, with a private runtime folder. Needs start_scratch_area (private-xserver.sh):
# the session lives in `work`, which that user must be able to read.

# Runs a command as the session's user, with the session's environment only. With --exec
# first it takes the place of the calling shell: `as_session --exec cmd &` gives the command's
# own pid in $!, for the scratch area to end it.
as_session() {
    local user=() exec=
    [[ $1 != --exec ]] || { exec=exec; shift; }
    [[ $(id -u) -ne 0 ]] || user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    $exec "${user[@]}" env -i PATH=/usr/bin:/bin HOME="$work/home" LANG=C.UTF-8 \
        XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/config" \
        ${WAYLAND_DISPLAY:+WAYLAND_DISPLAY=$WAYLAND_DISPLAY} ${SWAYSOCK:+SWAYSOCK=$SWAYSOCK} \
        ${SESSION_DISPLAY:+DISPLAY=$SESSION_DISPLAY} "$@"
}

# A folder of the session's own inside `work`.
session_folder() {
    mkdir -p "$1"
    [[ $(id -u) -ne 0 ]] || chown 65534:65534 "$1"
    chmod 700 "$1"
}

# Starts sway, waits until it answers, exports WAYLAND_DISPLAY and SWAYSOCK, and sets
# SESSION_DISPLAY to its XWayland display (empty without XWayland). Adds its pid to `pids`.
# Returns 1 when sway cannot run here; its log is then in $work/sway.log.
start_private_sway() {
    chmod 755 "$work"
    session_folder "$work/run"
    session_folder "$work/home"
    session_folder "$work/config"
    local xwayland=disable
    command -v Xwayland >/dev/null && xwayland=force
    printf 'output HEADLESS-1 resolution 1280x1024\nxwayland %s\n' "$xwayland" >"$work/sway.conf"
    chmod 644 "$work/sway.conf"
    as_session --exec env WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
        sway -c "$work/sway.conf" >"$work/sway.log" 2>&1 &
    pids+=($!)
    local sway=$! socket
    for _ in $(seq 200); do
        kill -0 "$sway" 2>/dev/null || return 1
        socket=$(ls "$work"/run/sway-ipc.*.sock 2>/dev/null | head -1) || true
        if [[ -n "$socket" ]] && ls "$work"/run/wayland-* >/dev/null 2>&1; then
            export SWAYSOCK=$socket
            WAYLAND_DISPLAY=$(basename "$(ls "$work"/run/wayland-? | head -1)")
            export WAYLAND_DISPLAY
            as_session swaymsg -t get_outputs >/dev/null 2>&1 && break
        fi
        sleep 0.1
    done
    as_session swaymsg -t get_outputs 2>/dev/null | grep -q '"width": 1280' || return 1
    SESSION_DISPLAY=
    [[ $xwayland == force ]] || return 0
    # The display sway gave XWayland is in the environment of what sway starts.
    session_folder "$work/probe"
    as_session swaymsg exec "echo \$DISPLAY > $work/probe/display" >/dev/null
    for _ in $(seq 100); do
        SESSION_DISPLAY=$(cat "$work/probe/display" 2>/dev/null) || true
        [[ -z "$SESSION_DISPLAY" ]] || return 0
        sleep 0.1
    done
}

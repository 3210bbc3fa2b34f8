# Sourced by the scripts that listen to the game: a sound server of their own with one silent
# output ("out") whose monitor ("out.monitor") can be recorded.
#   start_private_pulseaudio DIR   starts it with its runtime files under DIR, exports
#                                  XDG_RUNTIME_DIR and PULSE_CLIENTCONFIG, and adds its pid to
#                                  the array `pids` (which the caller kills on exit); the
#                                  server's pid is also in `pulseaudio_pid` (to stop and
#                                  continue it)
# The socket is opened last, so a client that finds it finds the output too.
# Every client gets `autospawn = no`, as on desktops where the session starts the server: a
# client that misses the server must stay silent, not start a default server of its own.
# The output mixes without taking back what it mixed ahead (norewinds): with a recorder on its
# monitor asking for small fragments, the recording then keeps time with the clock. (Mixing
# ahead and taking back, with a recorder of the default 2 s fragments, loses or shifts sounds:
# paplay's own tones go missing from such a recording.)
start_private_pulseaudio() {
    local dir=$1
    mkdir -p "$dir/runtime" "$dir/pulse-config"
    chmod 700 "$dir/runtime"
    export XDG_RUNTIME_DIR=$dir/runtime
    export PULSE_CLIENTCONFIG=$dir/client.conf
    printf 'autospawn = no\n' >"$PULSE_CLIENTCONFIG"
    cat >"$dir/server.pa" <<'EOF'
load-module module-null-sink sink_name=out rate=44100 norewinds=1
set-default-sink out
load-module module-native-protocol-unix
EOF
    # The cookie goes to the private configuration folder, not to the user's.
    XDG_CONFIG_HOME=$dir/pulse-config pulseaudio -n --daemonize=no --exit-idle-time=-1 \
        --use-pid-file=no -F "$dir/server.pa" >>"$dir/pulseaudio.log" 2>&1 &
    pulseaudio_pid=$!
    pids+=("$pulseaudio_pid")
    for _ in $(seq 100); do pactl info >/dev/null 2>&1 && return 0; sleep 0.05; done
    echo "the private sound server did not start" >&2
    return 1
}

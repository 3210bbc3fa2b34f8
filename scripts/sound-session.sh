# Sourced by the sound test and the sound benchmark: the game on a private X server with a
# window manager and a private sound server whose output is recorded, ready to be clicked.
# Sourcing it makes `work`, a temporary folder, and `pids`, processes killed (and the folder
# removed) on exit. Then
#   start_listened_game PROGRAM_DIR [LEVEL]  (default level 1), sound on,
# which leaves `main` (the main window), `game` (its pid) and the recording in $work/rec.raw
# (s16le, 1 channel, 44100 Hz). Then:
#   play_reference_tones [N]       plays N tones (default 1), once no sound plays: they fix
#                                  the recording's time line
#   click_cell NAME COLUMN ROW [BUTTON]  clicks a board cell, noting "NAME time" in $work/events
#   click_at X Y                    clicks a point of the main window (no sound expected)
#   stop_recording                 ends the recording
#   start_recording FILE           records anew, into FILE
here=$(dirname "${BASH_SOURCE[0]}")
source "$here/private-xserver.sh"
source "$here/private-pulseaudio.sh"
start_scratch_area
probe=$here/sound-probe.py
# The system's Python: it starts in a tenth of a second, where a version manager's shim may
# take a whole one between a click and the next.
python=$(command -v /usr/bin/python3 || command -v python3)

start_listened_game() {
    local program_dir=$1 level=${2:-1} splash
    start_private_xserver
    start_window_manager
    start_private_pulseaudio "$work/pulse"

    # A player who has chosen English before.
    export XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=xcb
    mkdir -p "$XDG_CONFIG_HOME/WumpleGames/Sluicery"
    printf '[common]\ntongue=0\nsound=1\nlevel=%s\n' "$level" \
        >"$XDG_CONFIG_HOME/WumpleGames/Sluicery/V2.conf"

    start_recording "$work/rec.raw"
    : >"$work/events"

    "$program_dir/slcy2_4" >"$work/game.log" 2>&1 &
    game=$!
    pids+=("$game")
    splash=$(window_of_size 200 150 10) || { echo "no splash window" >&2; return 1; }
    xdotool mousemove --window "$splash" 100 75 click 1
    main=$(window_of_size 500 366 10) || { echo "no main window" >&2; return 1; }
    wait_until 5 no_window_of_size 200 150 || { echo "the splash window stayed" >&2; return 1; }
}

# Records the sound server's output into FILE (the recorder's pid in `recorder`).
start_recording() {
    parec -d out.monitor --raw --format=s16le --channels=1 --rate=44100 --latency-msec=10 >"$1" &
    recorder=$!
    pids+=("$recorder")
}

now() { date +%s.%N; }

# Waits (up to ten seconds) until no sound is playing, such as the one at the start of a level.
wait_until_quiet() {
    for _ in $(seq 100); do
        [[ $("$python" "$probe" segments "$work/rec.raw") == \
           $("$python" "$probe" segments "$work/rec.raw" --complete) ]] && return 0
        sleep 0.1
    done
    return 1
}

# paplay's own delay, from its start to its tone, is part of the reference: the game's delays
# are measured beyond it.
play_reference_tones() {
    "$python" "$probe" tone "$work/tone.wav"
    wait_until_quiet
    for _ in $(seq "${1:-1}"); do
        echo "reference $(now)" >>"$work/events"
        paplay "$work/tone.wav"
        sleep 0.2  # apart, so that each is heard as a sound of its own
    done
}

# The time of a click is taken when the press is sent, not when a tool starts.
click_cell() {
    local name=$1 column=$2 row=$3 button=${4:-1}
    xdotool mousemove --window "$main" $((22 + 36 * (column - 1) + 18)) $((33 + 22 + 36 * (row - 1) + 18))
    echo "$name $("$python" "$probe" click "$button" "$work/rec.raw")" >>"$work/events"
}

click_at() {
    xdotool mousemove --window "$main" "$1" "$2" click 1
}

stop_recording() {
    kill "$recorder" 2>/dev/null || true
    wait "$recorder" 2>/dev/null || true
}

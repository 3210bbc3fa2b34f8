#!/usr/bin/env bash
# What a player hears, on a real X server and a private sound server whose output is recorded
# beside a reference tone played by paplay. Level 1:
#   once the splash has gone, the game is connected to the sound server, before any sound;
#   a hundred clicks on the dry end piece (6,7) while the sound server stands still: once it
#   goes on and the sounds have ended, none of the game's streams is left on it (it takes 256
#   per output, for all programs together), and the next click is heard;
#   the end piece at the source (4,6) turned left wets four pieces: the water sound, at once;
#   a click on the dry end piece (6,7): the refusal, at once, after the water;
#   (4,6) turned back dries them: the water sound, which plays to its end although the sound
#   button goes up while it plays; with the button up, a refusal and a turn are silent;
#   with the button down again, the refusal is heard again;
#   the bend at (6,8) turned right solves the level: water, cut off by the fanfare.
# Then a start on level 500, whose first flood is heard at once, behind the splash.
# The bounds are generous (half a second): the benchmark measures how quick the sounds are.
# Usage: sound_e2e.sh <program directory>
set -euo pipefail

program_dir=$1
source "$(dirname "$0")/../../scripts/sound-session.sh"
fail() {
    echo "FAIL: $*" >&2
    "$python" "$probe" segments "$work/rec.raw" >&2 || true
    mkdir -p /tmp/sluicery-sound-e2e-fail
    cp "$work"/{rec.raw,events,game.log} /tmp/sluicery-sound-e2e-fail/ 2>/dev/null || true
    import -window root /tmp/sluicery-sound-e2e-fail/screen.png 2>/dev/null || true
    exit 1
}

start_listened_game "$program_dir" || fail "the game did not start"
# The start dialogs are over: the game is connected, ready for the first move's sound.
game_connected() { pactl list short clients | grep -q slcy2_4; }
wait_until 5 game_connected || fail "not connected to the sound server after the start dialogs"

# Waits until the recording holds `count` sounds after the first `earlier` ones (with
# --complete: sounds that have ended).
earlier=0
wait_for_sounds() {
    local count=$1 what=$2 option=${3:-}
    for _ in $(seq 100); do
        (($("$python" "$probe" segments "$work/rec.raw" $option | wc -l) >= earlier + count)) && return 0
        sleep 0.1
    done
    fail "not heard: $what"
}
sound_button() { click_at 151 16; }

wait_until_quiet || fail "the sound at the start of the level did not end"
xdotool mousemove --window "$main" $((22 + 36 * 5 + 18)) $((33 + 22 + 36 * 6 + 18))  # (6,7)
kill -STOP "$pulseaudio_pid"
xdotool click --repeat 100 --delay 1 1
kill -CONT "$pulseaudio_pid"
for _ in $(seq 100); do [[ -z $(pactl list short sink-inputs) ]] && break; sleep 0.1; done
[[ -z $(pactl list short sink-inputs) ]] ||
    fail "streams left on the sound server after it stood still: $(pactl list short sink-inputs)"
earlier=$("$python" "$probe" segments "$work/rec.raw" | wc -l)
click_cell refused-after-stall 6 7
wait_for_sounds 1 "the refusal after the sound server stood still" --complete
earlier=$((earlier + 1))

play_reference_tones 3
wait_for_sounds 3 "the reference tones" --complete
click_cell water 4 6 1
wait_for_sounds 4 "the water sound" --complete
click_cell refused 6 7
wait_for_sounds 5 "the refusal" --complete

# While the water sound plays (0.88 s): the button goes up, two clicks that would ask for
# sounds; the sound's end is also about the moment the game has dealt with them.
click_cell water-then-off 4 6 3
wait_for_sounds 6 "the water sound after the refusal"
sound_button
click_cell muted-refused 6 7
click_cell muted-water 4 6 1
wait_for_sounds 6 "the water sound while the sound button went up" --complete
read -r start end < <("$python" "$probe" segments "$work/rec.raw" --complete | tail -1)
awk -v a="$start" -v b="$end" 'BEGIN { exit !(b - a > 0.8) }' ||
    fail "the water sound stopped when the sound button went up: heard from $start to $end"
sound_button
click_cell refused-again 6 7
wait_for_sounds 7 "the refusal with the sound button down again" --complete

click_cell solving 6 8 3
wait_for_sounds 9 "the water and the fanfare of the solving move"
kill -0 "$game" || fail "the game ended"
stop_recording

"$python" "$probe" latencies "$work/rec.raw" "$work/events" --window 0.5 >"$work/latencies"
cat "$work/latencies"
heard_within_bound() { grep -Eq "^$1 +-?[0-9.]+ ms" "$work/latencies" || fail "$1: $(grep "^$1 " "$work/latencies")"; }
for event in water refused water-then-off refused-again solving; do heard_within_bound "$event"; done
for event in muted-refused muted-water; do
    grep -Eq "^$event +silent" "$work/latencies" || fail "$event was heard with the sound button up"
done

# The solving move: the water sound starts and is cut off before its end (0.88 s) by the
# fanfare, which begins with half a second of silence.
read -r water_start water_end fanfare_start < <("$python" "$probe" segments "$work/rec.raw" |
    tail -2 | tr '\n' ' ' | awk '{ print $1, $2, $3 }')
awk -v a="$water_start" -v b="$water_end" -v c="$fanfare_start" \
    'BEGIN { exit !(b - a < 0.8 && c - b > 0.3 && c - b < 1.0) }' ||
    fail "the solving move was not heard as water cut off by the fanfare: water $water_start-$water_end, fanfare from $fanfare_start"
echo "water, refusal, silence with the sound button up (but not for a sound already playing)," \
    "and water then fanfare: all heard as expected"

# The sound output is ready by the time the first level floods, while the window is still coming.
kill "$game"
wait "$game" 2>/dev/null || true
printf '[common]\ntongue=0\nsound=1\nlevel=500\n' >"$XDG_CONFIG_HOME/WumpleGames/Sluicery/V2.conf"
start_recording "$work/start.raw"
"$program_dir/slcy2_4" >>"$work/game.log" 2>&1 &
game=$!
pids+=("$game")
for _ in $(seq 50); do
    [[ -n $("$python" "$probe" segments "$work/start.raw") ]] && break
    sleep 0.1
done
[[ -n $("$python" "$probe" segments "$work/start.raw") ]] ||
    fail "the water at the start of level 500 was not heard"
echo "the water at the start of a level is heard as the game starts"

#!/usr/bin/env bash
# How soon a player hears the game: the delay from a click to its sound, recorded from a
# private sound server's output. Measured twice: beyond the delay of reference tones played by
# paplay in the same recording, and from the point the recording had reached at the click.
# Level 500 (time enough for all the clicks): a click on the dry tee at (2,2) is refused
# (sound 3); the bend at the source (8,2), turned left and back right, changes the wet pieces
# each time (sound 1, after the two turn frames).
# Usage: bench/sound_latency.sh <program directory>   (CLICKS=n of each, GAP=s between clicks)
set -euo pipefail

program_dir=$1
clicks=${CLICKS:-9}
gap=${GAP:-1.2}

source "$(dirname "$0")/../scripts/sound-session.sh"
start_listened_game "$program_dir" 500
play_reference_tones 3
for i in $(seq "$clicks"); do
    sleep "$gap"  # each sound ends before the next click: a new sound would cut it off
    click_cell refused 2 2
    sleep "$gap"
    if ((i % 2)); then click_cell water 8 2 1; else click_cell water 8 2 3; fi
done
sleep "$gap"
stop_recording
"$python" "$probe" latencies "$work/rec.raw" "$work/events" --window "$gap" >"$work/latencies"
if [[ -n "${VERBOSE:-}" ]]; then cat "$work/latencies"; "$python" "$probe" segments "$work/rec.raw"; fi
grep '^median' "$work/latencies" | sed 's/^median /sound latency, /'

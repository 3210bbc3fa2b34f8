#!/usr/bin/env bash
# What the game keeps in memory, against a bare Qt window of the same size started the same
# way: resident memory 1.5 s after start, by kind of mapping (/proc/PID/smaps), the median of
# several starts, on a private Xvfb with openbox and a session bus, for a player who has chosen
# a language before (no language dialog).
# Usage: bench/memory.sh <program directory>   (RUNS=n for more or fewer starts; SETTLE=s to
# measure s seconds after start instead: 4 is after the splash, once the sound is connected)
set -euo pipefail

# A desktop has a session bus, and Qt talks to it at start (accessibility, the theme): so do
# we, on a bus of our own.
if [[ -z "${SLCY_MEMORY_BUS:-}" ]] && command -v dbus-run-session >/dev/null; then
    SLCY_MEMORY_BUS=1 exec dbus-run-session -- "$0" "$@" 2> >(grep -v "Failed to set fd limit" >&2)
fi

directory=$1
runs=${RUNS:-5}
settle=${SETTLE:-1.5}
source "$(dirname "$0")/../scripts/private-xserver.sh"
start_scratch_area
start_private_xserver
start_window_manager

export XDG_CONFIG_HOME=$work/config
mkdir -p "$XDG_CONFIG_HOME/WumpleGames/Sluicery"

# Resident kB by kind of mapping of the process, as lines "kind kB".
resident_by_kind() {
    awk -v program="$2" '
        /^[0-9a-f]+-[0-9a-f]+ / { path = $6; for (i = 7; i <= NF; ++i) path = path " " $i; next }
        /^Rss:/ {
            if (path == "") kind = "anonymous"
            else if (path == "[heap]") kind = "heap"
            else if (path == program) kind = "program"
            else if (path ~ /libharfbuzz|libfreetype|libfontconfig|\/fonts\/|fontconfig\/.*cache|\.(ttf|otf|pfb)$/)
                kind = "text"
            else if (path ~ /libpulse|pulsecommon|libsndfile|libFLAC|libvorbis|libogg|libopus|libmpg123|libmp3lame|memfd:pulseaudio/)
                kind = "sound"
            else if (path ~ /libQt6Widgets/) kind = "widgets"
            else kind = "other"
            kb[kind] += $2
        }
        END { for (k in kb) print k, kb[k] }' "/proc/$1/smaps"
}

# One start of the program: its resident memory by kind `settle` seconds later, appended to
# `file`.
measure() {
    local program=$1 file=$2 pid
    "$program" >/dev/null 2>&1 &
    pid=$!
    pids+=("$pid")
    sleep "$settle"
    resident_by_kind "$pid" "$(readlink -f "$program")" >>"$file"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

for name in bare_window slcy2_4; do
    printf '[common]\ntongue=0\n' >"$XDG_CONFIG_HOME/WumpleGames/Sluicery/V2.conf"
    measure "$directory/$name" /dev/null  # warm the file cache
    : >"$work/$name"
    for _ in $(seq "$runs"); do
        printf '[common]\ntongue=0\n' >"$XDG_CONFIG_HOME/WumpleGames/Sluicery/V2.conf"
        measure "$directory/$name" "$work/$name"
        echo "run total" >>"$work/$name"
    done
done

# The median of each kind over the runs, and of the total, in MB.
medians() {
    awk '
        $1 == "run" { for (k in now) { v[k, ++n[k]] = now[k]; t += now[k] } v["total", ++n["total"]] = t
                      t = 0; delete now; next }
        { now[$1] = $2 }
        END {
            for (k in n) {
                m = n[k]
                for (i = 1; i <= m; ++i) a[i] = v[k, i]
                for (i = 2; i <= m; ++i) for (j = i; j > 1 && a[j - 1] > a[j]; --j) { x = a[j]; a[j] = a[j - 1]; a[j - 1] = x }
                print k, a[int((m + 1) / 2)] / 1024
            }
        }' "$1"
}
medians "$work/bare_window" >"$work/bare.median"
medians "$work/slcy2_4" >"$work/game.median"

join -a1 -a2 -e 0 -o 0,1.2,2.2 <(sort "$work/bare.median") <(sort "$work/game.median") | awk '
    BEGIN {
        split("anonymous heap program text sound widgets other total", order)
        name["anonymous"] = "anonymous"; name["heap"] = "[heap]"; name["program"] = "the program itself"
        name["text"] = "text shaping and fonts"; name["sound"] = "sound client and codecs"
        name["widgets"] = "Qt widgets"; name["other"] = "other"; name["total"] = "total"
        printf "resident memory 1.5 s after start, MB (median of '"$runs"' starts)\n"
        printf "%-26s %8s %8s %8s\n", "", "bare", "game", "more"
    }
    { bare[$1] = $2; game[$1] = $3 }
    END {
        for (i = 1; i <= 8; ++i) {
            k = order[i]
            printf "%-26s %8.2f %8.2f %+8.2f\n", name[k], bare[k], game[k], game[k] - bare[k]
        }
        printf "%-26s %8s %8.2f x\n", "game / bare", "", game["total"] / bare["total"]
    }'

#!/usr/bin/env bash
# Installs into a temporary prefix and starts the game through the link in games/: it must find
# its levels and help beside the real program (a missing catalogue would stop it at a message
# box), and the desktop entry and the AppStream data must validate.
# Usage: install_test.sh <build directory>
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
icon_sizes=(32 48 64 128 256)
icons=()
for s in "${icon_sizes[@]}"; do icons+=("share/icons/hicolor/${s}x${s}/apps/sluicery.png"); done
for f in games/slcy2_4 lib/games/sluicery/slcy2_4 lib/games/sluicery/slcy.dat \
         lib/games/sluicery/slcy.rcc lib/games/sluicery/slcy2x.rcc share/applications/sluicery.desktop \
         "${icons[@]}" \
         share/metainfo/example.wumplegames.Sluicery.metainfo.xml share/man/man6/slcy2_4.6.gz \
         share/doc/sluicery/copyright share/doc/sluicery/changelog.gz; do
    [[ -e "$prefix/$f" ]] || { echo "FAIL: $f was not installed"; exit 1; }
done
[[ -L "$prefix/games/slcy2_4" ]] || { echo "FAIL: games/slcy2_4 is not a link"; exit 1; }
for i in "${!icon_sizes[@]}"; do
    file "$prefix/${icons[i]}" | grep -q ", ${icon_sizes[i]} x ${icon_sizes[i]}," ||
        { echo "FAIL: ${icons[i]} is not ${icon_sizes[i]} pixels square"; exit 1; }
done

desktop-file-validate "$prefix/share/applications/sluicery.desktop"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/example.wumplegames.Sluicery.metainfo.xml" \
    >/dev/null || appstreamcli validate --no-net "$prefix/share/metainfo/example.wumplegames.Sluicery.metainfo.xml"

config=$(mktemp -d)
trap 'rm -rf "$prefix" "$config"' EXIT
mkdir -p "$config/WumpleGames/Sluicery"
printf '[common]\ntongue=0\n' >"$config/WumpleGames/Sluicery/V2.conf"
# It reports its first paint as the start-up benchmark reads it.
XDG_CONFIG_HOME=$config QT_QPA_PLATFORM=offscreen SLCY_QUIT_AFTER_FIRST_PAINT=1 \
    timeout 20 "$prefix/games/slcy2_4" >"$config/started" ||
    { echo "FAIL: the installed game did not start cleanly"; exit 1; }
grep -qE '^first paint [0-9]{19}$' "$config/started" ||
    { echo "FAIL: no first paint reported: $(cat "$config/started")"; exit 1; }
echo "installed layout, desktop data and a start through the link: all as expected"

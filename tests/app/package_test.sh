#!/usr/bin/env bash
# Builds the Debian package into a temporary folder and checks it as a distribution would:
# its control fields and contents, lintian, and a start of the game unpacked into a temporary
# root, where it must find its levels and its help beside the real program.
# Usage: package_test.sh <build directory> <version>
# Exits 77 (skipped) for a build the package is never made from: one with the sanitizers or
# without the optimiser (app/debian/check_build.cmake).
set -euo pipefail
build=$(realpath "$1")
version=$2
cached() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
if [[ $(cached SLCY_SANITIZE) == ON || ! $(cached CMAKE_BUILD_TYPE) =~ ^(Release|RelWithDebInfo|MinSizeRel)$ ]]; then
    echo "SKIP: the package is made only from an optimised build without the sanitizers;" \
         "this one is '$(cached CMAKE_BUILD_TYPE)', sanitizers $(cached SLCY_SANITIZE)"
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) ||
    { cat "$work/cpack.log"; fail "cpack could not make the package"; }
deb=$work/out/sluicery_${version}_$(dpkg --print-architecture).deb
[[ -f "$deb" ]] || fail "no $(basename "$deb"); cpack made: $(ls "$work/out")"

# --- Control fields -------------------------------------------------------------------------
field() { dpkg-deb --field "$deb" "$1"; }
expect_field() {
    local value
    value=$(field "$1")
    [[ "$value" == $2 ]] || fail "$1 is '$value', expected $2"
}
expect_field Package sluicery
expect_field Version "$version"
expect_field Section games
expect_field Maintainer 'Wumple Games <*@wumple-games.example>'
expect_field Homepage https://wumple-games.example/
# Computed from the binary, and what it loads without linking: the platform plugin (in Qt's
# Gui package on Debian 12) and the fonts of its windows.
for dependency in libqt6widgets6 libqt6gui6 libpulse0 libxcb1 libc6 'fonts-liberation | fonts-liberation2' qt6-wayland; do
    [[ ", $(field Depends), " == *", $dependency"[\ ,]* ]] ||
        fail "Depends lacks $dependency: $(field Depends)"
done
(($(field Description | wc -l) > 3)) || fail "no long description"
# Under 3 MB with the art at twice the size beside the program (the program itself, stripped,
# is under 1 MB).
(($(field Installed-Size) < 3072)) || fail "installed size $(field Installed-Size) KiB is 3 MB or more"

# --- Contents: Debian's places for a game, all owned by root ----------------------------------
dpkg-deb --contents "$deb" >"$work/contents"
icon_sizes=(32 48 64 128 256)
icons=()
for s in "${icon_sizes[@]}"; do icons+=("./usr/share/icons/hicolor/${s}x${s}/apps/sluicery.png"); done
for path in ./usr/lib/games/sluicery/slcy2_4 ./usr/lib/games/sluicery/slcy.dat \
            ./usr/lib/games/sluicery/slcy.rcc ./usr/lib/games/sluicery/slcy2x.rcc ./usr/games/slcy2_4 \
            ./usr/share/applications/sluicery.desktop \
            "${icons[@]}" ./usr/share/metainfo/example.wumplegames.Sluicery.metainfo.xml \
            ./usr/share/man/man6/slcy2_4.6.gz \
            ./usr/share/doc/sluicery/copyright ./usr/share/doc/sluicery/changelog.gz; do
    grep -q " $path\( ->.*\)\?$" "$work/contents" || fail "$path is not in the package"
done
grep -q ' ./usr/games/slcy2_4 -> ../lib/games/sluicery/slcy2_4$' "$work/contents" ||
    fail "/usr/games/slcy2_4 is not a link to the program"
awk '$2 != "root/root" || ($6 !~ /^\.\/usr\// && $6 != "./")' "$work/contents" | grep . &&
    fail "entries outside /usr or not owned by root"

root=$work/root
dpkg-deb --extract "$deb" "$root"
file "$root/usr/lib/games/sluicery/slcy2_4" | grep -q ', stripped' || fail "the program is not stripped"
gzip -t "$root/usr/share/man/man6/slcy2_4.6.gz" "$root/usr/share/doc/sluicery/changelog.gz"
for i in "${!icon_sizes[@]}"; do
    file "$root/${icons[i]}" | grep -q ", ${icon_sizes[i]} x ${icon_sizes[i]}," ||
        fail "${icons[i]} is not ${icon_sizes[i]} pixels square: $(file "$root/${icons[i]}")"
done
# As Debian's tools count it (deb-substvars(5)): each file and link by its own size, rounded up
# to KiB, each directory 1 KiB; the program once, not once more through its link.
size=$(find "$root" \( -type f -o -type l \) -printf '%s\n' -o -printf '1024\n' |
    awk '{ kib += int(($1 + 1023) / 1024) } END { print kib }')
[[ $(field Installed-Size) == "$size" ]] ||
    fail "Installed-Size is $(field Installed-Size) KiB, the files take $size KiB"

# --- lintian: no error, no warning ----------------------------------------------------------
lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 ||
    { cat "$work/lintian.log"; fail "lintian reports errors or warnings"; }

# --- The unpacked game starts through its link, from elsewhere, and uses its own directory ----
# With /debug the log lies beside the program when that is writable, as it is here; the game
# ends at its first paint, which it reaches only when the level catalogue was read (a missing
# catalogue stops it at a message box).
mkdir -p "$work/config/WumpleGames/Sluicery" "$work/elsewhere"
printf '[common]\ntongue=0\n' >"$work/config/WumpleGames/Sluicery/V2.conf"
(cd "$work/elsewhere" &&
    XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=offscreen SLCY_QUIT_AFTER_FIRST_PAINT=1 \
        timeout 30 "$root/usr/games/slcy2_4" /debug) ||
    fail "the unpacked game did not reach its first paint"
program_dir=$(realpath "$root/usr/lib/games/sluicery")
log=$program_dir/HHDebug.txt
[[ -f "$log" ]] || fail "no diagnostic log beside the program"
grep '^_ModuleDir' "$log" | grep -qF "$program_dir" ||
    fail "the game took another directory: $(grep _ModuleDir "$log")"
grep -qF "THookHelpSystem.Create(\"$program_dir/slcy.rcc\"" "$log" ||
    fail "the game looks for its help elsewhere: $(grep -F 'THookHelpSystem.Create' "$log")"
echo "package $(basename "$deb"): fields, contents, lintian and a start from the unpacked root as expected"

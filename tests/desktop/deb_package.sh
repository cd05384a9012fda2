#!/usr/bin/env bash
# Builds the Debian package, checks it as Debian would (lintian, fields, changelog, the
# stripped program and its debug file), unpacks it into a scratch root (a test never installs
# into the machine it runs on) and starts the unpacked program under its own X server until
# its main window is mapped.
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
(cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >/dev/null)
deb=$(ls "$scratch"/out/vantrel_*.deb)

# No error and no warning from lintian; informational tags are shown but let through.
if ! report=$(lintian --display-info --fail-on error,warning "$deb" 2>/dev/null); then
    echo "lintian: $report"
    exit 1
fi
echo "lintian: ${report:-clean}"

depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
for package in libqt6widgets6 libjpeg62-turbo fonts-liberation2 qt6-translations-l10n \
    libqt6printsupport6 libqrencode4; do
    [[ $depends == *"$package"* ]] || { echo "Depends lacks $package"; exit 1; }
done

dpkg -x "$deb" "$scratch/root"
binary=$scratch/root/usr/bin/vantrel
[[ -x $binary ]]
version=$(dpkg-deb --field "$deb" Version)
changelog=$(zcat "$scratch/root/usr/share/doc/vantrel/changelog.gz" | dpkg-parsechangelog -l - -S Version)
[[ $changelog == "$version" ]] || { echo "changelog is at $changelog, package at $version"; exit 1; }
[[ $("$binary" --version | head -1) == "Vantrel $version" ]]

# Stripped, with its debug information beside the package under the same build ID.
file "$binary" | grep -q ', stripped' || { echo "the program is not stripped"; exit 1; }
build_id() { readelf -n "$1" 2>/dev/null | sed -n 's/.*Build ID: //p'; }
debug=${deb%.deb}.debug
[[ -s $debug && $(build_id "$debug") == "$(build_id "$binary")" ]] ||
    { echo "no debug file for the program's build ID"; exit 1; }

xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    "$1" & program=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --classname vantrel | head -1)
    width=$( [[ -n $window ]] && xwininfo -id "$window" | sed -n "s/^ *Width: //p")
    kill "$program"
    echo "main window mapped, ${width:-no} pixels wide"
    [[ $width == 695 ]]
' _ "$binary"

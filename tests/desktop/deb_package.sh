#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root and starts the unpacked program
# under its own X server until its main window is mapped.
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
(cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >/dev/null)
deb=$(ls "$scratch"/out/vantrel_*.deb)
depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
[[ $depends == *libqt6widgets6* && $depends == *fonts-liberation2* && $depends == *libjpeg62-turbo* ]]
dpkg -x "$deb" "$scratch/root"
binary=$scratch/root/usr/bin/vantrel
[[ -x $binary ]]
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    "$1" & program=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --classname vantrel | head -1)
    width=$( [[ -n $window ]] && xwininfo -id "$window" | sed -n "s/^ *Width: //p")
    kill "$program"
    echo "main window mapped, ${width:-no} pixels wide"
    [[ $width == 695 ]]
' _ "$binary"

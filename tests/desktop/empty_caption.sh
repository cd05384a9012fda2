#!/usr/bin/env bash
# Starts the real program under its own X server and reads the main window's X properties:
# its caption bar is empty until the caption starts to scroll a second later, while its
# class keeps the application's name.
set -euo pipefail
program=$1
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    set -euo pipefail
    "$1" & pid=$!
    trap "kill $pid" EXIT
    window=$(timeout 20 xdotool search --sync --onlyvisible --classname vantrel | head -1)
    early=$(xprop -id "$window" _NET_WM_NAME WM_CLASS)
    sleep 1.5
    later=$(xprop -id "$window" _NET_WM_NAME)
    printf "first second:\n%s\nlater:\n%s\n" "$early" "$later"
    grep -qx "_NET_WM_NAME(UTF8_STRING) = " <<<"$early"
    grep -q "WM_CLASS(STRING) = \"vantrel\", \"Vantrel\"" <<<"$early"
    grep -q "...:::Vantrel:::...\"$" <<<"$later"
' _ "$program"

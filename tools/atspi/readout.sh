#!/usr/bin/env bash
# Opens a window of the real program from the keyboard, fills it in from outside and prints
# its line and the result box's accessible description, as a screen reader hears them; a
# screenshot with the box's tooltip goes to ${SHOT:-/tmp/vantrel-readout.png}. Needs xvfb, xdotool,
# imagemagick, at-spi2-core and python3-pyatspi.
#   tools/atspi/readout.sh PROGRAM "MENU KEYS" CAPTION PICK...
#   tools/atspi/readout.sh build/vantrel "alt+Cyrillic_e Return Return 4" "4 полосы" \
#       Жёлт. Фиол. Крас. Золот.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
exec dbus-run-session -- xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    program=$1 keys=$2 here=$3; shift 3
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 & bus=$!
    sleep 1
    "$program" 2>/dev/null & pid=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --classname vantrel | head -1)
    xdotool mousemove --window "$window" 300 200 click 1 # give it the keyboard
    sleep 0.5
    for key in $keys; do xdotool key "$key"; sleep 0.3; done
    /usr/bin/python3 "$here/${READER:-read_window.py}" "$@"
    sleep 1.5 # the tooltip shows after the mouse rests
    import -window root "${SHOT:-/tmp/vantrel-readout.png}"
    kill "$pid" "$bus"
' _ "$1" "$2" "$here" "${@:3}" 2> >(grep -v -e "fd limit" -e XDG_RUNTIME_DIR >&2)

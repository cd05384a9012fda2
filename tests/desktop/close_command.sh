#!/usr/bin/env bash
# Starts the real program under its own X server, chooses "&Файл" > "&Закрыть" from the
# keyboard, and expects it to end by itself with exit code 0.
set -euo pipefail
program=$1
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    "$1" & pid=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --classname vantrel | head -1)
    xdotool mousemove --window "$window" 300 200 click 1 # give it the keyboard, as a click does
    sleep 0.5
    xdotool key alt+Cyrillic_ef
    sleep 0.5
    xdotool key Return
    status=0
    timeout 10 tail --pid="$pid" -f /dev/null || { kill "$pid"; echo "still running"; exit 1; }
    wait "$pid" || status=$?
    echo "exit code $status"
    exit "$status"
' _ "$program"

#!/usr/bin/env bash
# The real program's command line with no display at all, as over ssh or in a build log:
# --help and --version answer and exit 0, an unknown option is one line and exit 2, and Qt's
# own options still reach Qt (-platform offscreen starts the program without a display).
set -uo pipefail
program=$1
version=$2
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
ulimit -c 0
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0

# expect DESCRIPTION CODE FIRST-LINE-OF-OUTPUT ERROR-PATTERN [ARGUMENT...]
expect() {
    local description=$1 code=$2 first=$3 error=$4
    shift 4
    timeout 3 "$program" "$@" >"$scratch/out" 2>"$scratch/err"
    local got=$? out err
    out=$(head -n 1 "$scratch/out")
    err=$(<"$scratch/err")
    if [[ $got == "$code" && $out == "$first" && $err == $error ]]; then
        echo "ok: $description"
    else
        echo "FAIL: $description: exit code $got, output «$out», errors «$err»"
        failures=$((failures + 1))
    fi
}

expect "--help" 0 "Использование: vantrel [ПАРАМЕТР]... [МАРКИРОВКА]..." "" --help
expect "--version" 0 "Vantrel $version" "" --version
expect "an unknown option" 2 "" $'vantrel: неизвестный параметр «--bogus»\nСправка: vantrel --help' \
    --bogus
# No option is left to Qt, which finds no display and stops the program.
expect "no option" 134 "" "*could not connect to display*"
# Qt's own options reach Qt: off screen the program starts and runs until it is stopped.
expect "Qt's own options" 124 "" "*" -platform offscreen -style=Fusion
((failures == 0))

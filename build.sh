#!/usr/bin/env bash
# Sets Vantrel up on a Debian 12 machine: installs the Debian packages it needs when they are
# missing, builds it with CMake, then starts the program or runs its checks.
#   ./build.sh run        build and start Vantrel
#   ./build.sh test       build and run every test (CTest prints the summary last)
#   ./build.sh sanitize   the test suite built with AddressSanitizer and UBSan (the soak, the
#                         memory bound under ulimit, which the sanitizer's shadow memory
#                         cannot run in, the locale repeats, the package checks and the
#                         core's build against libc++ run in the plain build only)
#   ./build.sh fuzz       build the libFuzzer targets with clang and run each for a while
#                         (FUZZ_SECONDS, 15 by default)
#   ./build.sh mutants    apply each change of tools/mutants/mutants.txt to the core and check
#                         that a core test fails
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-run}
# Build and program (with Qt's Russian texts); the tests' offscreen windows need nothing more,
# the package tests start the installed program under Xvfb, validate the desktop files and the
# manual page, and check the package with lintian.
packages=(g++ cmake make pkg-config qt6-base-dev libjpeg62-turbo-dev libxcb1-dev libgtest-dev
    libqrencode-dev fonts-liberation2 qt6-translations-l10n)
case "$mode" in
run) ;;
mutants) packages+=(ccache ninja-build) ;;
test | sanitize)
    packages+=(desktop-file-utils appstream dpkg-dev file lintian man-db groff-base
        xvfb xauth xdotool x11-utils locales)
    # The PDFs' text is read back, and their QR codes decoded.
    packages+=(poppler-utils zbar-tools)
    # The core is also compiled against LLVM's C++ library.
    if [[ $mode == test ]]; then packages+=(clang-16 libc++-16-dev libc++abi-16-dev); fi
    ;;
fuzz) packages+=(clang libclang-rt-14-dev) ;;
*)
    echo "usage: $0 [run|test|sanitize|fuzz|mutants]" >&2
    exit 2
    ;;
esac

as_root() {
    if ((EUID == 0)); then "$@"; else sudo "$@"; fi
}

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ $status == "install ok installed" ]] || missing+=("$package")
done
if ((${#missing[@]})); then
    echo "Installing ${missing[*]}"
    as_root apt-get update -q
    as_root env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q --no-install-recommends "${missing[@]}" </dev/null
fi

if [[ $mode == test || $mode == sanitize ]]; then
    # The tests run under these locales too.
    for locale in ru_RU en_US; do
        if ! locale -a 2>/dev/null | grep -qi "^$locale\.utf-\?8$"; then
            as_root sed -i "s/^# *\($locale\.UTF-8 UTF-8\)/\1/" /etc/locale.gen
            generate=1
        fi
    done
    if [[ -n ${generate:-} ]]; then as_root locale-gen >/dev/null; fi
fi

jobs=$(nproc)
case "$mode" in
run | test)
    cmake --preset default
    cmake --build --preset default --parallel "$jobs"
    if [[ $mode == run ]]; then exec ./build/vantrel; fi
    exec ctest --preset default --parallel "$jobs"
    ;;
sanitize)
    cmake --preset sanitize
    cmake --build --preset sanitize --parallel "$jobs"
    exec ctest --preset sanitize --parallel "$jobs"
    ;;
mutants)
    # One worker a core, each in a folder of its own, taking the mutants in turn from one queue.
    # The first builds the unchanged core on every core, and the others start once it has, so
    # that they build from its compiler cache; the first then builds the rest of the program.
    workers=$jobs pids=()
    mkdir -p build-mutants
    rm -f build-mutants/0/ready
    echo 0 >build-mutants/queue
    for ((worker = 0; worker < workers; ++worker)); do
        tools/mutants/run.sh "build-mutants/$worker" tools/mutants/mutants.txt \
            build-mutants/queue &
        pids+=($!)
        while ((worker == 0)) && [[ ! -e build-mutants/0/ready ]] && kill -0 "$!" 2>/dev/null; do
            sleep 1
        done
    done
    status=0
    for pid in "${pids[@]}"; do wait "$pid" || status=$?; done
    exit "$status"
    ;;
fuzz)
    cmake --preset fuzz
    cmake --build --preset fuzz --parallel "$jobs"
    # The JPEG decoder also starts from the program's own pictures.
    declare -A seeds=([jpeg]=pictures)
    fuzz() { # target: runs it for its time, says what it found
        local target=$1 found status=0
        found=$(mktemp -d) # new inputs go here; the committed seeds stay as they are
        ./build-fuzz/fuzz/${target}_fuzzer -max_total_time="${FUZZ_SECONDS:-15}" -timeout=10 \
            -print_final_stats=1 "$found" "fuzz/corpus/$target" ${seeds[$target]:-} \
            >"$found.log" 2>&1 || status=$?
        echo "Fuzzed $target for ${FUZZ_SECONDS:-15} s"
        grep -E '^(Done|stat::number_of_executed_units)' "$found.log" || true
        if ((status != 0)); then
            tail -n 40 "$found.log"
            echo "$target found a fault; the input is saved in $PWD" >&2
            return 1
        fi
        rm -rf "$found" "$found.log"
    }
    # Each target runs on one core: as many at once as there are cores.
    targets=(resistor_codes capacitor_codes networks parts_list jpeg) status=0
    for ((first = 0; first < ${#targets[@]}; first += jobs)); do
        pids=()
        for target in "${targets[@]:first:jobs}"; do
            fuzz "$target" &
            pids+=($!)
        done
        for pid in "${pids[@]}"; do wait "$pid" || status=1; done
    done
    ((status == 0)) || exit 1
    echo "Every fuzz target ran without a finding"
    ;;
esac

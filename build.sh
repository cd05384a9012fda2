#!/usr/bin/env bash
# Sets Vantrel up on a Debian 12 machine: installs the Debian packages it needs when they are
# missing, builds it with CMake, then starts the program or runs every test.
#   ./build.sh run     build and start Vantrel
#   ./build.sh test    build and run every test (CTest prints the summary last)
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-run}
case "$mode" in
run | test) ;;
*)
    echo "usage: $0 [run|test]" >&2
    exit 2
    ;;
esac

# Build, program, and what the tests use: offscreen windows need nothing more, the package
# test starts the installed program under Xvfb and validates the desktop files.
packages=(g++ cmake make pkg-config qt6-base-dev libjpeg62-turbo-dev libgtest-dev fonts-liberation2
    desktop-file-utils appstream dpkg-dev file xvfb xauth xdotool x11-utils)
missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ $status == "install ok installed" ]] || missing+=("$package")
done
if ((${#missing[@]})); then
    echo "Installing ${missing[*]}"
    sudo=()
    ((EUID == 0)) || sudo=(sudo)
    "${sudo[@]}" apt-get update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q --no-install-recommends "${missing[@]}" </dev/null
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel "$(nproc)"

if [[ $mode == run ]]; then
    exec ./build/vantrel
fi
cd build
exec ctest --output-on-failure --parallel "$(nproc)"

#!/usr/bin/env bash
# Sets up a Debian 12 machine for Tidewell, builds it, and either starts the program or runs every test.
#   scripts/tidewell.sh run [ARGS...]   install what is missing, build, start tidewell
#   scripts/tidewell.sh test            install what is missing, build, run all tests
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(g++ cmake ninja-build pkg-config ccache qt6-base-dev qt6-l10n-tools libgl-dev libxml2-dev
          libsqlite3-dev libxml2-utils xvfb xauth python3 libcurl4-openssl-dev libssl-dev
          python3-pyftpdlib python3-asyncssh python3-openssl)

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

build() {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" ${CMAKE_ARGS:-}
    cmake --build build
}

cmd="${1:-run}"
shift || true
install_missing
build
case "$cmd" in
run)
    if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
        exec xvfb-run -a build/bin/tidewell "$@"
    fi
    exec build/bin/tidewell "$@"
    ;;
test)
    cd build
    ctest --output-on-failure -j2
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac

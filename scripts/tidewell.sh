#!/usr/bin/env bash
# Sets up a Debian 12 machine for Tidewell, builds it, and either starts the program or runs every test.
#   scripts/tidewell.sh setup           install what is missing
#   scripts/tidewell.sh run [ARGS...]   install what is missing, build, start tidewell
#   scripts/tidewell.sh test            install what is missing, build, run all tests
#   scripts/tidewell.sh test-asan       install what is missing, build with AddressSanitizer (and UBSan)
#                                       in build-asan, run all tests there with leak detection
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(g++ cmake ninja-build pkg-config ccache qt6-base-dev qt6-l10n-tools libgl-dev libxml2-dev
          libsqlite3-dev libxml2-utils sqlite3 zlib1g-dev xvfb xauth python3 libcurl4-openssl-dev libssl-dev
          python3-pyftpdlib python3-asyncssh python3-openssl python3-feedparser clang-format)

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

# build DIR [CMAKE OPTIONS...]
build() {
    local dir="$1"
    shift
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" ${CMAKE_ARGS:-} "$@"
    cmake --build "$dir"
}

cmd="${1:-run}"
shift || true
install_missing
case "$cmd" in
setup) ;;
run)
    build build
    if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
        exec xvfb-run -a build/bin/tidewell "$@"
    fi
    exec build/bin/tidewell "$@"
    ;;
test)
    build build
    cd build
    ctest --output-on-failure -j2
    ;;
test-asan)
    build build-asan -DTIDEWELL_SANITIZE=ON
    cd build-asan
    # Any memory error, undefined behaviour or leak fails the test that shows it. The suite needs no
    # leak suppressions (Qt's offscreen platform and fontconfig are clean here); add one only for a
    # system library, never for our own code.
    ASAN_OPTIONS="detect_leaks=1" UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
        ctest --output-on-failure -j2
    ;;
*)
    echo "usage: $0 setup|run|test|test-asan" >&2
    exit 2
    ;;
esac

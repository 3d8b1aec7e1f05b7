#!/usr/bin/env bash
# Builds the benchmark in an optimised build of its own and runs it: export, .chf load and save, and
# xmllint --noout (package libxml2-utils) on the written .rss, for synthetic channels of 1,000, 10,000
# and 100,000 items (or the counts given as arguments).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${TIDEWELL_BENCH_BUILD:-$root/build-bench}"
command -v xmllint >/dev/null || { echo "xmllint is missing: apt-get install libxml2-utils" >&2; exit 1; }
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target tidewell-bench -j 2 >/dev/null
"$build/bin/tidewell-bench" "$@"

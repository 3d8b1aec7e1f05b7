#!/usr/bin/env bash
# Builds the publishing benchmark in an optimised build of its own and runs it: a blog of 10,000 entries
# (or the counts given as arguments) published with the feed and the archive pages, beside Hugo (package
# hugo) building the same posts with a minimal theme and `cp -r` of the published folder. Files go to
# $TMPDIR.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${TIDEWELL_BENCH_BUILD:-$root/build-bench}"
command -v hugo >/dev/null || { echo "hugo is missing: apt-get install hugo" >&2; exit 1; }
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target tidewell-bench-publish -j 2 >/dev/null
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
"$build/bin/tidewell-bench-publish" "$@"

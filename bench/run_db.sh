#!/usr/bin/env bash
# Builds the database benchmark in an optimised build of its own and runs it: adding 10,000 and 100,000
# blog entries (or the counts given as arguments) through the engine in one transaction, and the blog's
# Repair (renumber every entry in one transaction, compact), each beside SQLite's own shell (package
# sqlite3) doing the same on the same rows or a copy of the same file; then the same through the blog
# tool's logic (BlogEntries) on a blog database with both entry tables in use. Files go to $TMPDIR.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${TIDEWELL_BENCH_BUILD:-$root/build-bench}"
command -v sqlite3 >/dev/null || { echo "sqlite3 is missing: apt-get install sqlite3" >&2; exit 1; }
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target tidewell-bench-db -j 2 >/dev/null
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
"$build/bin/tidewell-bench-db" "$@"

#!/usr/bin/env bash
# Builds the feeds benchmark in an optimised build of its own and runs it on synthetic RSS 2.0 feeds of
# 10,000 and 100,000 items (about 6 and 60 MB; or the counts given as arguments): our import (scan to
# .chf) and our validator beside `xmllint --stream --noout`, `xmllint --noout` (package libxml2-utils)
# and Python's feedparser (package python3-feedparser). Every step runs as a process of its own, timed by
# the kernel's accounting; each figure is the best of three runs, as CPU time (user + system, what the
# machine's other load does not change) and as wall time. Memory is the peak resident size of the import.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${TIDEWELL_BENCH_BUILD:-$root/build-bench}"
python=/usr/bin/python3 # the system interpreter, which has the Debian package
command -v xmllint >/dev/null || { echo "xmllint is missing: apt-get install libxml2-utils" >&2; exit 1; }
"$python" -c 'import feedparser' 2>/dev/null ||
    { echo "feedparser is missing: apt-get install python3-feedparser" >&2; exit 1; }
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target tidewell-bench-feeds -j 2 >/dev/null
bench="$build/bin/tidewell-bench-feeds"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
counts=("$@")
[ ${#counts[@]} -gt 0 ] || counts=(10000 100000)

# "cpu_ms wall_ms peak_KiB" of the best (least CPU) of three runs of a command, from the kernel's
# accounting of the finished process (wait4: microseconds, where /usr/bin/time rounds to 10 ms steps).
measure() {
    "$python" - "$@" <<'PY'
import os, sys, time
best = None
for _ in range(3):
    start = time.monotonic()
    pid = os.fork()
    if pid == 0:
        fd = os.open(os.devnull, os.O_WRONLY)
        os.dup2(fd, 1)
        os.execvp(sys.argv[1], sys.argv[1:])
    _, status, usage = os.wait4(pid, 0)
    wall = time.monotonic() - start
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit("failed: " + " ".join(sys.argv[1:]))
    run = ((usage.ru_utime + usage.ru_stime) * 1000, wall * 1000, usage.ru_maxrss)
    if best is None or run[0] < best[0]:
        best = run
print("%.0f %.0f %d" % best)
PY
}
feedparser() {
    "$python" -c 'import sys, feedparser; d = feedparser.parse(sys.argv[1]); assert len(d.entries) > 0' "$1"
}
export -f feedparser
export python

printf '%-7s %6s | %-15s %-15s %-15s | %-15s %-15s | %8s %5s | %-11s %-11s %-11s\n' items MB \
    "import cpu/wall" "stream cpu/wall" "feedp cpu/wall" "valid cpu/wall" "noout cpu/wall" \
    peak_MiB xsize "imp/stream" "feedp/imp" "valid/noout"
for n in "${counts[@]}"; do
    feed="$work/feed-$n.rss"
    size=$("$bench" generate "$n" "$feed")
    read -r imp_c imp_w imp_m <<<"$(measure "$bench" import "$feed")"
    read -r val_c val_w _ <<<"$(measure "$bench" validate "$feed")"
    read -r str_c str_w _ <<<"$(measure xmllint --stream --noout "$feed")"
    read -r noo_c noo_w _ <<<"$(measure xmllint --noout "$feed")"
    read -r fp_c fp_w _ <<<"$(measure bash -c 'feedparser "$0"' "$feed")"
    awk -v n="$n" -v size="$size" -v ic="$imp_c" -v iw="$imp_w" -v im="$imp_m" -v vc="$val_c" -v vw="$val_w" \
        -v sc="$str_c" -v sw="$str_w" -v oc="$noo_c" -v ow="$noo_w" -v fc="$fp_c" -v fw="$fp_w" '
        function q(a, b) { return b > 0 ? a / b : 0 }
        BEGIN {
            printf "%-7d %6.1f | %6d/%-8d %6d/%-8d %6d/%-8d | %6d/%-8d %6d/%-8d | %8.1f %5.2f | %4.1f/%-6.1f %4.1f/%-6.1f %4.2f/%-6.2f\n",
                n, size / 1048576, ic, iw, sc, sw, fc, fw, vc, vw, oc, ow, im / 1024, im * 1024 / size,
                q(ic, sc), q(iw, sw), q(fc, ic), q(fw, iw), q(vc, oc), q(vw, ow)
        }'
done
echo "Times in ms (cpu/wall), ratios as cpu/wall. Targets: imp/stream <= 3, feedp/imp >= 10,"
echo "peak x size <= 8, valid/noout <= 1, all growing linearly with the item count."

#!/usr/bin/env bash
# Cheap checks of the sources, run by CI before the build: the folder order of includes, the format
# (clang-format with the project's .clang-format) and that lupdate reads every translatable text
# without a warning.
set -uo pipefail
cd "$(dirname "$0")/.."
status=0

echo "== include order"
bash scripts/check_includes.sh || status=1

echo "== format"
mapfile -t sources < <(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h' 'fuzz/*.cpp' 'fuzz/*.h')
clang-format --dry-run --Werror "${sources[@]}" || status=1

echo "== translatable texts"
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$lupdate" -recursive src -ts "$scratch/check.ts" >"$scratch/lupdate.log" 2>&1 || status=1
# lupdate reports problems as "file:line: message" and still exits 0.
if grep -E '^[^ ]+:[0-9]+: ' "$scratch/lupdate.log"; then
    echo "lupdate cannot read every translatable text (see the lines above)"
    status=1
fi

[ $status -eq 0 ] && echo "source checks passed"
exit $status

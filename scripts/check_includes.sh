#!/usr/bin/env bash
# Fails when a source file includes a header of a folder above its own. The folders, lowest first:
#   platform -> channel -> feeds -> blog, transfer -> shell -> app
# A folder may include its own headers and those of any folder below it; blog and transfer stand side by
# side and do not include each other.
set -euo pipefail
cd "$(dirname "$0")/.."

rank() {
    case "$1" in
    platform) echo 0 ;;
    channel) echo 1 ;;
    feeds) echo 2 ;;
    blog | transfer) echo 3 ;;
    shell) echo 4 ;;
    app) echo 5 ;;
    *) echo -1 ;;
    esac
}

status=0
while IFS= read -r file; do
    folder=$(echo "$file" | cut -d/ -f2)
    own=$(rank "$folder")
    [ "$own" -ge 0 ] || continue
    while IFS=: read -r line target; do
        to=$(rank "$target")
        [ "$to" -ge 0 ] || continue
        if [ "$to" -gt "$own" ] || { [ "$to" -eq "$own" ] && [ "$target" != "$folder" ]; }; then
            echo "$file:$line: includes $target/ from $folder/ (folder order: platform -> channel -> feeds -> blog, transfer -> shell -> app)"
            status=1
        fi
    done < <(grep -n -o -E '^#include "[a-z]+/' "$file" | sed -E 's/^([0-9]+):#include "([a-z]+)\//\1:\2/')
done < <(find src -name '*.h' -o -name '*.cpp' | sort)
exit $status

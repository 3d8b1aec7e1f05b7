#!/usr/bin/env bash
# Fails when a translatable text of src/ has no translation in one of the given languages: lupdate
# merges the sources into scratch copies of translations/tidewell_<code>.ts, and any entry left
# unfinished (a new text, or one whose source changed) is listed.
# Usage: check_translations.sh LUPDATE SOURCE_DIR CODE...
set -uo pipefail
lupdate=$1
root=$2
shift 2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for code in "$@"; do
    cp "$root/translations/tidewell_$code.ts" "$scratch/tidewell_$code.ts" || exit 1
    (cd "$root" && "$lupdate" -silent -recursive src -ts "$scratch/tidewell_$code.ts" -no-obsolete -locations none) ||
        exit 1
    # An entry spans from <message> to </message>; print the source of every unfinished one.
    missing=$(awk '/<message/ { src = "" } /<source>/ { src = $0 } /type="unfinished"/ { print src }' \
        "$scratch/tidewell_$code.ts")
    if [ -n "$missing" ]; then
        echo "Texts without a translation in tidewell_$code.ts (run the update_translations target and fill them):"
        echo "$missing" | sed 's/^ *//'
        status=1
    fi
done
[ $status -eq 0 ] && echo "every text is translated into: $*"
exit $status

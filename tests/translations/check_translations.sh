#!/usr/bin/env bash
# Runs lupdate over each folder of src/ into a copy of its French .ts file
# and fails on any text that copy holds unfinished (new in the code, or not
# yet translated) or obsolete (gone from the code), naming each; also on a
# folder of src/ with no file.
# Usage: check_translations.sh LUPDATE SOURCE_FOLDER "LUPDATE OPTIONS" FOLDER...
set -euo pipefail
lupdate=$1 source=$2 options=$3
shift 3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

for dir in "$source"/src/*/; do
  folder=$(basename "$dir")
  [[ " $* " == *" $folder "* ]] || { echo "FAIL: src/$folder has no translations/${folder}_fr_CA.ts"; failures=$((failures + 1)); }
done

for folder in "$@"; do
  ts=$source/translations/${folder}_fr_CA.ts
  [ -f "$ts" ] || { echo "FAIL: $ts is missing"; failures=$((failures + 1)); continue; }
  cp "$ts" "$work/$folder.ts"
  # shellcheck disable=SC2086 # the options are words
  "$lupdate" $options "$source/src/$folder" -ts "$work/$folder.ts" >/dev/null
  # Each message whose translation is marked, with its context and English.
  found=$(awk -v folder="$folder" '
    /<name>/ { sub(/.*<name>/, ""); sub(/<\/name>.*/, ""); context = $0 }
    /<source>/ { text = $0; sub(/.*<source>/, "", text); sub(/<\/source>.*/, "", text) }
    /<translation[^>]*type="(unfinished|obsolete|vanished)"/ {
      match($0, /type="[a-z]+"/); kind = substr($0, RSTART + 6, RLENGTH - 7)
      printf "%s_fr_CA.ts: %s in %s: %s\n", folder, kind, context, text
    }' "$work/$folder.ts")
  if [ -n "$found" ]; then
    printf '%s\n' "$found"
    failures=$((failures + $(wc -l <<<"$found")))
  fi
done

if [ "$failures" -gt 0 ]; then
  echo "$failures text(s) to see to: run cmake --build build --target update_translations, then translate"
  echo "the unfinished ones in translations/ (see translations/CMakeLists.txt)."
  exit 1
fi
echo "every text is translated"

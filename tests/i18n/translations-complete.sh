#!/usr/bin/env bash
# Every text the window shows has its English and its Chinese translation,
# and the .ts files are up to date: lupdate over the sources finds nothing
# new, nothing gone and nothing unfinished.
# usage: translations-complete.sh LUPDATE SOURCE-LIST TS-FILE... -- LUPDATE-OPTIONS...
set -euo pipefail
lupdate=$1 list=$2
shift 2
ts_files=()
while [ "$1" != "--" ]; do ts_files+=("$1"); shift; done
shift
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
status=0
for ts in "${ts_files[@]}"; do
  name=$(basename "$ts")
  cp "$ts" "$tmp/$name"
  "$lupdate" "$@" "@$list" -ts "$tmp/$name" >"$tmp/log" 2>&1 || { cat "$tmp/log"; exit 1; }
  if grep -q 'type="unfinished"' "$tmp/$name"; then
    echo "$name: texts without a translation:"
    grep -B1 'type="unfinished"' "$tmp/$name" | grep '<source>' | head -40
    status=1
  fi
  if ! cmp -s "$ts" "$tmp/$name"; then
    echo "$name is not up to date with the sources (cmake --build build --target update_translations):"
    diff "$ts" "$tmp/$name" | head -40
    status=1
  fi
done
exit $status

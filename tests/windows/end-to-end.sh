#!/usr/bin/env bash
# The Windows programs under Wine against the Linux simulator: Wine's COM1
# is pointed at the simulator's pseudo-terminal.
#   end-to-end.sh ORTAVEL_SIM BIN_DIR
# WINEPREFIX must name a prefix made with wineboot.
set -euo pipefail
sim_program=$1
bin=$2
dir=$(mktemp -d /tmp/ortavel-wine.XXXXXX)
"$sim_program" --link "$dir/com1" >"$dir/sim.out" 2>"$dir/sim.err" &
sim=$!
cleanup() {
  kill "$sim" 2>/dev/null || true
  wait "$sim" 2>/dev/null || true
  wine reg delete 'HKLM\Software\Wine\Ports' /v COM1 /f >/dev/null 2>&1 || true
  wineserver -k >/dev/null 2>&1 || true
  rm -rf "$dir"
}
trap cleanup EXIT
for _ in $(seq 50); do [ -e "$dir/com1" ] && break; sleep 0.1; done
[ -e "$dir/com1" ] || { echo "the simulator did not start:"; cat "$dir/sim.err"; exit 1; }

# Wine makes its dosdevices/com1 link from this value when it starts.
wineserver -k >/dev/null 2>&1 || true
wine reg add 'HKLM\Software\Wine\Ports' /v COM1 /d "$dir/com1" /f >/dev/null
wineserver -k >/dev/null 2>&1 || true

fail() { echo "$*"; exit 1; }

echo "== ortavel-cli.exe --port 1 search --addresses 1-12"
found=$(wine "$bin/ortavel-cli.exe" --port 1 search --addresses 1-12 | tr -d '\r') || fail "search failed: $found"
echo "$found"
for want in '^01 .*9600' '^07 .*4800' '^12 .*2400'; do
  grep -q "$want" <<<"$found" || fail "search did not find $want"
done

echo "== ortavel-cli.exe --port 1 --baud 4800 --json read 07"
read07=$(wine "$bin/ortavel-cli.exe" --port 1 --baud 4800 --json read 07 | tr -d '\r') || fail "read failed: $read07"
echo "$read07" | head -20
grep -q '"07"' <<<"$read07" || fail "read 07 did not name 07"

echo "== ortavel.exe --screenshot after a search, and the Traffic window after a collect"
for window in Main Traffic; do
  args=(--settings-dir "Z:$dir/settings" --port-map 1=COM1 --screenshot "Z:$dir/$window.png" --search --search-last 12)
  [ "$window" = Main ] || args+=(--window "$window")
  QT_QPA_PLATFORM=offscreen wine "$bin/ortavel.exe" "${args[@]}" || fail "ortavel.exe --screenshot ($window) failed"
  [ "$(head -c 8 "$dir/$window.png" | od -An -c | tr -d ' \n')" = '211PNG\r\n032\n' ] || fail "$window.png is no PNG"
  echo "$window.png: $(stat -c %s "$dir/$window.png") bytes"
done
echo "end to end under Wine: good"

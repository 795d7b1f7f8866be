#!/usr/bin/env bash
# The Windows programs under Wine against the Linux simulator: Wine's COM1
# is pointed at the simulator's pseudo-terminal; then ser2net serves that
# line on loopback, raw and as RFC 2217.
#   end-to-end.sh ORTAVEL_SIM BIN_DIR [FEATURES]
# FEATURES, as built: "trend;history;network" (the default) or fewer.
# WINEPREFIX must name a prefix made with wineboot.
set -euo pipefail
sim_program=$1
bin=$2
features=${3-trend;history;network}
built() { [[ ";$features;" == *";$1;"* ]]; }
dir=$(mktemp -d /tmp/ortavel-wine.XXXXXX)
"$sim_program" --link "$dir/com1" >"$dir/sim.out" 2>"$dir/sim.err" &
sim=$!
ser2net=""
cleanup() {
  [ -z "$ser2net" ] || { kill "$ser2net" 2>/dev/null; wait "$ser2net" 2>/dev/null; } || true
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

echo "== ortavel.exe --screenshot after a search, and the Traffic and Trend windows after a collect"
windows=(Main Traffic)
! built trend || windows+=(Trend)
for window in "${windows[@]}"; do
  args=(--settings-dir "Z:$dir/settings" --port-map 1=COM1 --screenshot "Z:$dir/$window.png" --search --search-last 12)
  [ "$window" = Main ] || args+=(--window "$window")
  QT_QPA_PLATFORM=offscreen wine "$bin/ortavel.exe" "${args[@]}" || fail "ortavel.exe --screenshot ($window) failed"
  [ "$(head -c 8 "$dir/$window.png" | od -An -c | tr -d ' \n')" = '211PNG\r\n032\n' ] || fail "$window.png is no PNG"
  echo "$window.png: $(stat -c %s "$dir/$window.png") bytes"
done
if ! built network || ! built history; then
  echo "end to end under Wine: good (built without network links or history)"
  exit 0
fi

# Listening, from the kernel's table: a trial connection would make ser2net
# hold the line and refuse the program's own.
listening() { grep -q ":$(printf '%04X' "$1") 00000000:0000 0A" /proc/net/tcp; }
raw=$((20000 + RANDOM % 20000))
rfc2217=$((raw + 1))
line=$(readlink -f "$dir/com1")
printf '%s\n' "connection: &raw" "  accepter: tcp,127.0.0.1,$raw" "  connector: serialdev,$line,9600n81,local" \
  "connection: &rfc2217" "  accepter: telnet(rfc2217),tcp,127.0.0.1,$rfc2217" \
  "  connector: serialdev,$line,9600n81,local" >"$dir/ser2net.yaml"
/usr/sbin/ser2net -n -c "$dir/ser2net.yaml" -P "$dir/ser2net.pid" >"$dir/ser2net.out" 2>&1 &
ser2net=$!
for _ in $(seq 100); do listening "$raw" && listening "$rfc2217" && break; sleep 0.05; done
listening "$raw" && listening "$rfc2217" || fail "ser2net does not listen: $(cat "$dir/ser2net.out")"

# Searching two rates proves that RFC 2217 sets the line's rate; the runs go
# into an SQLite history, read back by the program, so its driver loads.
history=(--history "sqlite:Z:$dir/history.sqlite")
echo "== ortavel-cli.exe --device rfc2217://127.0.0.1:$rfc2217 search --addresses 1-7 --bauds 9600,4800"
found=$(wine "$bin/ortavel-cli.exe" "${history[@]}" --device "rfc2217://127.0.0.1:$rfc2217" search --addresses 1-7 \
  --bauds 9600,4800 | tr -d '\r') || fail "search over RFC 2217 failed: $found"
echo "$found"
for want in '^01 .*9600' '^07 .*4800'; do
  grep -q "$want" <<<"$found" || fail "search over RFC 2217 did not find $want"
done
echo "== ortavel-cli.exe --device tcp://127.0.0.1:$raw --json read 01"
read01=$(wine "$bin/ortavel-cli.exe" "${history[@]}" --json --device "tcp://127.0.0.1:$raw" read 01 | tr -d '\r') ||
  fail "read over raw TCP failed: $read01"
grep -q '"01"' <<<"$read01" || fail "read 01 over raw TCP did not name 01: $read01"
echo "== ortavel-cli.exe history"
kept=$(wine "$bin/ortavel-cli.exe" "${history[@]}" history | tr -d '\r') || fail "history failed: $kept"
echo "$kept"
grep -q " tcp://127.0.0.1:$raw  *01 " <<<"$kept" || fail "the history does not hold transmitter 01 read over TCP"
echo "end to end under Wine: good"

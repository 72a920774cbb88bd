#!/usr/bin/env bash
# Closing the window while a sync waits on a stalled cloud server ends the process within 2 s: a server
# whose records table another client holds locked, and a host that takes the connection and never
# answers (with connect_timeout=0, libpq's "for ever"). A second start on the data folder of a running
# app is refused with a message. Needs the test server (TINCTURA_TEST_PG) and xvfb-run with xdotool.
#   cloud_quit.sh APP     prints the seconds from closing to the end of each run
set -euo pipefail
app=$(realpath "$1")
[ -n "${TINCTURA_TEST_PG:-}" ] || { echo "no test database server (TINCTURA_TEST_PG)"; exit 77; }
command -v xvfb-run >/dev/null && command -v xdotool >/dev/null || { echo "no xvfb-run or xdotool"; exit 77; }
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"; fi

work=$(mktemp -d)
db="cloudquit_$$"
helpers=()
cleanup() {
  for pid in "${helpers[@]}"; do kill "$pid" 2>/dev/null || true; done
  psql "$TINCTURA_TEST_PG dbname=postgres" -qc "DROP DATABASE IF EXISTS $db WITH (FORCE)" >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT
export ASAN_OPTIONS=detect_leaks=0
failed=0

# A data folder with cloud storage on.
folder() { mkdir -p "$work/$1"; echo '{"CLOUD_STORAGE": true}' >"$work/$1/defaults.json"; echo "$work/$1"; }

# Starts the window on DATA with the cloud CONNINFO, lets its sync start, closes the window as the desktop
# does (SDL turns TERM into a quit) and checks the time to the process's end. With a 4th argument, a second
# start on the same folder is tried while the first runs.
close_while_syncing() {
  local name=$1 data=$2 conninfo=$3 second=${4:-}
  TINCTURA_CLOUD="$conninfo" "$app" --device phone --data-dir "$data" >"$work/$name.log" 2>&1 &
  local pid=$! wid=""
  for _ in $(seq 1 200); do
    wid=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -1 || true)
    [ -n "$wid" ] && break
    sleep 0.05
  done
  [ -n "$wid" ] || { echo "$name: no window appeared"; cat "$work/$name.log"; kill "$pid"; failed=1; return; }
  sleep 1  # the start's sync is now waiting on the server
  if [ "$name" = locked-table ]; then
    local waiting
    waiting=$(psql "$server" -Atc "SELECT count(*) FROM pg_stat_activity WHERE datname = '$db' AND wait_event_type = 'Lock'")
    [ "$waiting" -ge 1 ] || { echo "$name: the app's sync is not waiting on the lock"; failed=1; }
  fi
  if [ -n "$second" ]; then
    local status=0
    "$app" --headless --screenshot "$work/second.png" --data-dir "$data" >"$work/second.log" 2>&1 || status=$?
    if [ "$status" -ne 1 ] || ! grep -q "already running on the data folder" "$work/second.log"; then
      echo "second start on a held folder: exit $status"; cat "$work/second.log"; failed=1
    else
      echo "second start refused: $(cat "$work/second.log")"
    fi
  fi
  local start end
  start=$(date +%s.%N)
  kill -TERM "$pid"
  wait "$pid" || true
  end=$(date +%s.%N)
  local took
  took=$(echo "$end - $start" | bc)
  echo "$name: the process ended $took s after the window was closed"
  if [ "$(echo "$took > 2" | bc)" -eq 1 ] || grep -qE "Sanitizer|runtime error" "$work/$name.log"; then
    failed=1
    cat "$work/$name.log"
  fi
}

# A server whose records table another client holds for 40 s.
psql "$TINCTURA_TEST_PG dbname=postgres" -qc "CREATE DATABASE $db" >/dev/null
server="$TINCTURA_TEST_PG dbname=$db"
locked=$(folder locked)
TINCTURA_CLOUD="$server" "$app" --headless --screenshot "$work/first.png" --data-dir "$locked" >/dev/null 2>&1
psql "$server" -qc "BEGIN; LOCK TABLE tinctura_records IN ACCESS EXCLUSIVE MODE; SELECT pg_sleep(40)" >/dev/null 2>&1 &
helpers+=($!)
sleep 0.3
close_while_syncing locked-table "$locked" "$server"

# A host that never answers: a listening socket nobody reads.
port_file="$work/port"
python3 -c '
import socket, sys, time
s = socket.socket(); s.bind(("127.0.0.1", 0)); s.listen(8)
open(sys.argv[1], "w").write(str(s.getsockname()[1])); time.sleep(120)' "$port_file" &
helpers+=($!)
for _ in $(seq 1 100); do [ -s "$port_file" ] && break; sleep 0.05; done
close_while_syncing silent-host "$(folder silent)" \
  "host=127.0.0.1 port=$(cat "$port_file") dbname=x user=x connect_timeout=0 sslmode=disable" second

exit "$failed"

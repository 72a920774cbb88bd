#!/usr/bin/env bash
# Closing the window while a sync waits on a stalled cloud server ends the process within 2 s, cleanly: a
# server whose records table another client holds locked (closed during the first attempt, between it and
# the retry, and during the retry), and a host that takes the connection and never answers (with
# connect_timeout=0, libpq's "for ever"). A second start on the data folder of a running app is refused
# with a message. Needs the test server (TINCTURA_TEST_PG) and xvfb-run with xdotool.
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
  case "$name" in
    locked-first-attempt) await_wait 1 ;;
    locked-between-attempts) await_wait 1; await_no_wait; sleep 0.3 ;;
    locked-during-retry) await_wait 2 ;;
    *) sleep 1 ;;  # the start's sync is now waiting on the server
  esac
  if [ -n "$second" ]; then
    local status=0
    "$app" --headless --screenshot "$work/second.png" --data-dir "$data" >"$work/second.log" 2>&1 || status=$?
    if [ "$status" -ne 1 ] || ! grep -q "already open on this data folder" "$work/second.log"; then
      echo "second start on a held folder: exit $status"; cat "$work/second.log"; failed=1
    else
      echo "second start refused: $(cat "$work/second.log")"
    fi
  fi
  local start end
  start=$(date +%s.%N)
  kill -TERM "$pid"
  while kill -0 "$pid" 2>/dev/null && [ -d "/proc/$pid" ] && ! grep -q '^State:.*Z' "/proc/$pid/status"; do sleep 0.01; done
  end=$(date +%s.%N)
  local took status=0
  wait "$pid" || status=$?
  took=$(echo "$end - $start" | bc)
  echo "$name: the process ended $took s after the window was closed, exit $status"
  if [ "$status" -ne 0 ] || [ "$(echo "$took > 2" | bc)" -eq 1 ] ||
     grep -qE "Sanitizer|runtime error|pure virtual" "$work/$name.log"; then
    failed=1
    cat "$work/$name.log"
  fi
}

# The app's sessions waiting on the lock now. Each attempt of the sync waits until the server's lock
# timeout ends it; the retry follows a few seconds later.
lock_waits() {
  psql "$server" -Atc "SELECT count(*) FROM pg_stat_activity WHERE datname = '$db' AND wait_event_type = 'Lock'"
}
# Returns once the Nth wait on the lock (counted from the app's start) is under way.
await_wait() {
  local wanted=$1 seen=0 was=0 now
  for _ in $(seq 1 600); do
    now=$(lock_waits)
    if [ "$now" -ge 1 ] && [ "$was" -eq 0 ]; then seen=$((seen + 1)); fi
    was=$now
    [ "$seen" -lt "$wanted" ] || return 0
    sleep 0.05
  done
  echo "the app's sync did not wait on the lock $wanted times"; failed=1
}
await_no_wait() {
  for _ in $(seq 1 600); do [ "$(lock_waits)" -ge 1 ] || return 0; sleep 0.05; done
}

# A server whose records table another client holds locked for the whole of these closes.
psql "$TINCTURA_TEST_PG dbname=postgres" -qc "CREATE DATABASE $db" >/dev/null
server="$TINCTURA_TEST_PG dbname=$db"
locked=$(folder locked)
TINCTURA_CLOUD="$server" "$app" --headless --screenshot "$work/first.png" --data-dir "$locked" >/dev/null 2>&1
psql "$server" -qc "BEGIN; LOCK TABLE tinctura_records IN ACCESS EXCLUSIVE MODE; SELECT pg_sleep(120)" >/dev/null 2>&1 &
helpers+=($!)
sleep 0.3
for moment in first-attempt between-attempts during-retry; do
  close_while_syncing "locked-$moment" "$locked" "$server"
done

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

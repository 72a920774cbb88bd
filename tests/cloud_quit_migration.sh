#!/usr/bin/env bash
# Closing the window while the first sync prepares the tables of a new server database, with the server's
# process for that connection stopped (SIGSTOP), ends the app within 2 s. The tables' making is held on a
# lock by another client, so the app is caught inside it. Needs the test server (TINCTURA_TEST_PG),
# permission to signal the server's processes, and xvfb-run with xdotool.
#   cloud_quit_migration.sh APP     prints the seconds from closing to the end
set -euo pipefail
app=$(realpath "$1")
[ -n "${TINCTURA_TEST_PG:-}" ] || { echo "no test database server (TINCTURA_TEST_PG)"; exit 77; }
command -v xvfb-run >/dev/null && command -v xdotool >/dev/null || { echo "no xvfb-run or xdotool"; exit 77; }
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"; fi

work=$(mktemp -d)
db="cloudquitmig_$$"
pids=()
stopped=""
cleanup() {
  [ -z "$stopped" ] || kill -CONT "$stopped" 2>/dev/null || true
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  psql "$TINCTURA_TEST_PG dbname=postgres" -qc "DROP DATABASE IF EXISTS $db WITH (FORCE)" >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT
export ASAN_OPTIONS=detect_leaks=0

psql "$TINCTURA_TEST_PG dbname=postgres" -qc "CREATE DATABASE $db" >/dev/null
server="$TINCTURA_TEST_PG dbname=$db"
# Another client makes the change sequence and keeps its transaction open: the app's making of the same
# sequence waits on it.
psql "$server" -qc "BEGIN; CREATE SEQUENCE tinctura_change_seq; SELECT pg_sleep(60)" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 1 100); do
  [ "$(psql "$server" -Atc "SELECT count(*) FROM pg_stat_activity WHERE datname = '$db' AND query LIKE '%pg_sleep%' AND pid <> pg_backend_pid()")" -ge 1 ] && break
  sleep 0.05
done

mkdir -p "$work/data"
echo '{"CLOUD_STORAGE": true}' >"$work/data/defaults.json"
TINCTURA_CLOUD="$server" "$app" --device phone --data-dir "$work/data" >"$work/app.log" 2>&1 &
app_pid=$!
pids+=($app_pid)

# The app's server process, once it waits on the lock inside the tables' making.
backend=""
for _ in $(seq 1 200); do
  backend=$(psql "$server" -Atc "SELECT pid FROM pg_stat_activity WHERE datname = '$db' AND wait_event_type = 'Lock' AND query LIKE '%tinctura_change_seq%' AND query NOT LIKE '%pg_sleep%' LIMIT 1")
  [ -n "$backend" ] && break
  sleep 0.05
done
[ -n "$backend" ] || { echo "the app's sync never waited inside the making of the tables"; cat "$work/app.log"; exit 1; }
kill -STOP "$backend" 2>/dev/null || { echo "cannot signal the server's process"; exit 77; }
stopped=$backend

wid=""
for _ in $(seq 1 200); do
  wid=$(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | head -1 || true)
  [ -n "$wid" ] && break
  sleep 0.05
done
[ -n "$wid" ] || { echo "no window appeared"; cat "$work/app.log"; exit 1; }

start=$(date +%s.%N)
kill -TERM "$app_pid"
# Waited for at most 60 s: a process still running then has hung for good.
for _ in $(seq 1 600); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
end=$(date +%s.%N)
if kill -0 "$app_pid" 2>/dev/null; then
  echo "the process was still running 60 s after the window was closed"
  kill -KILL "$app_pid"
  exit 1
fi
wait "$app_pid" || true
took=$(echo "$end - $start" | bc)
echo "first migration with a stopped server: the process ended $took s after the window was closed"
if [ "$(echo "$took > 2" | bc)" -eq 1 ] || grep -qE "Sanitizer|runtime error" "$work/app.log"; then
  cat "$work/app.log"
  exit 1
fi

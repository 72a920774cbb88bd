#!/usr/bin/env bash
# A start refused because another holds its data folder shows its message box, and still ends within 2 s
# of SIGTERM (as a session manager or a script sends it), leaving no process of it behind: not the box's
# own drawing process either. Needs xvfb-run and xdotool.
#   refused_start.sh APP     prints the seconds from SIGTERM to the end of the refused start
set -euo pipefail
source "$(dirname "$(realpath "$0")")/refusal_box.sh"
app=$(realpath "$1")
command -v xvfb-run >/dev/null && command -v xdotool >/dev/null && command -v xwininfo >/dev/null ||
  { echo "no xvfb-run, xdotool or xwininfo"; exit 77; }
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"; fi

work=$(mktemp -d)
first=""
second=""
cleanup() {
  for pid in $first $second; do kill -KILL "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
export ASAN_OPTIONS=detect_leaks=0

"$app" --device phone --data-dir "$work/data" >"$work/first.log" 2>&1 &
first=$!
for _ in $(seq 1 300); do
  [ -n "$(xdotool search --onlyvisible --pid "$first" 2>/dev/null || true)" ] && break
  sleep 0.1
done

"$app" --device phone --data-dir "$work/data" >"$work/second.log" 2>&1 &
second=$!
box=$(refusal_box "$second")
[ -n "$box" ] || { echo "no message box showed"; cat "$work/second.log"; exit 1; }

# Every process of the refused start: itself and what it forked (the box).
tree="$second $(pgrep -P "$second" | tr '\n' ' ')"
start=$(date +%s.%N)
kill -TERM "$second"
ended=""
for _ in $(seq 1 200); do
  alive=""
  for pid in $tree; do
    if [ -d "/proc/$pid" ] && ! grep -q '^State:.*Z' "/proc/$pid/status" 2>/dev/null; then alive="$alive $pid"; fi
  done
  [ -z "$alive" ] && { ended=$(awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN { printf "%.2f", b - a }'); break; }
  sleep 0.01
done
[ -z "$ended" ] && kill -KILL $tree 2>/dev/null
wait "$second" 2>/dev/null || true
second=""
failed=0
if [ -z "$ended" ]; then
  echo "the refused start lives on 2 s after SIGTERM:$alive"; ps -o pid,ppid,stat,cmd -p "${alive// /,}" || true
  failed=1
else
  echo "the refused start and its box ended $ended s after SIGTERM (processes: $tree)"
  awk -v e="$ended" 'BEGIN { exit !(e > 2) }' && failed=1
fi
kill -0 "$first" 2>/dev/null || { echo "the first start did not live on"; cat "$work/first.log"; failed=1; }
kill -TERM "$first" 2>/dev/null || true
wait "$first" 2>/dev/null || true
first=""
exit $failed

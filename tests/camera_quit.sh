#!/usr/bin/env bash
# Ends the app many times with each camera screen open, while its camera delivers frames: headless
# (the screenshot run ends by itself) and in a real window under a virtual X server (closed with the
# signal a desktop sends). Every run must exit cleanly: no abort, no sanitizer report.
set -euo pipefail

app=${1:?usage: camera_quit.sh PATH_TO_TINCTURA [ROUNDS]}
app=$(realpath "$app")
rounds=${2:-20}
screens="ValueCheckerVC ColorPicker2VC"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export TINCTURA_CAMERA="synthetic:bars@1280x720@30" ASAN_OPTIONS=detect_leaks=0

# One run: "headless SCREEN N" or "window SCREEN N"; prints the failure, if any.
cat > "$work/one.sh" <<'ONE'
#!/usr/bin/env bash
mode=$1 screen=$2 n=$3 app=$4 work=$5
log="$work/$mode-$screen-$n.log"
data="$work/data-$mode-$screen-$n"
if [ "$mode" = headless ]; then
  "$app" --headless --screenshot "$work/$screen-$n.png" --screen "$screen" --data-dir "$data" >"$log" 2>&1
  status=$?
else
  "$app" --screen "$screen" --data-dir "$data" >"$log" 2>&1 &
  pid=$!
  # Close at a different moment of each run: while the camera starts, and while frames flow.
  sleep "0.$(( (n * 37) % 9 + 1 ))"
  for _ in $(seq 1 100); do
    xdotool search --pid "$pid" >/dev/null 2>&1 && break
    sleep 0.05
  done
  kill -TERM "$pid" 2>/dev/null
  wait "$pid"
  status=$?
fi
if [ "$status" -ne 0 ] || grep -qE "pure virtual|Sanitizer|runtime error" "$log"; then
  echo "$mode $screen run $n: exit $status"
  cat "$log"
fi
ONE
chmod +x "$work/one.sh"

jobs_for() {
  for screen in $screens; do
    for n in $(seq 1 "$rounds"); do echo "$1 $screen $n"; done
  done
}

run_all() {
  xargs -P 4 -L 1 sh -c '"$0" "$1" "$2" "$3" "$4" "$5"' "$work/one.sh" >>"$work/failures" \
    < <(jobs_for "$1" | sed "s|\$| $app $work|")
}

: >"$work/failures"
if [ "${3:-}" = --window ]; then
  run_all window
else
  run_all headless
  if command -v xvfb-run >/dev/null && command -v xdotool >/dev/null; then
    xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$app" "$rounds" --window >>"$work/failures" || true
  fi
fi
if [ -s "$work/failures" ]; then cat "$work/failures"; exit 1; fi
[ "${3:-}" = --window ] || echo "camera screens: $rounds quits each, headless and in a window, all clean"

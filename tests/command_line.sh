#!/usr/bin/env bash
# The command line: --help names every option on its first line and lists the window's keys; an
# unknown --screen names the screens there are and fails, headless and in a window alike.
#   command_line.sh APP
set -uo pipefail
app=${1:?usage: command_line.sh PATH_TO_TINCTURA}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ASAN_OPTIONS=detect_leaks=0
failed=0
expect() {  # expect WHAT COMMAND...
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failed=1; fi
}

"$app" --help >"$work/help" || { echo "FAILED: --help ends with status $?"; failed=1; }
first=$(head -1 "$work/help")
# Every option the text explains, on the usage line.
for option in $(grep -oE '^  --[a-z-]+' "$work/help"); do
  expect "the usage line names $option" grep -qe "$option\b" <<<"$first"
done
expect "--verbose is explained" grep -qE '^  --verbose' "$work/help"
for key in Tab Shift+Tab Return Space Escape "Page Up" Ctrl+R Ctrl+Q Ctrl+W; do
  expect "the keys include $key" grep -qF "$key" "$work/help"
done
# The environment the app reads, each named with what it does.
expect "--help has an environment block" grep -qx 'Environment:' "$work/help"
for variable in TINCTURA_CAMERA TINCTURA_CAMERA_ACCESS TINCTURA_CLOUD TINCTURA_EXIT_SCREENSHOT; do
  expect "--help explains $variable" grep -qE "^  $variable +[a-z]" "$work/help"
done

# A mistyped screen: the valid identifiers and a failure status.
unknown() {  # unknown NAME ARGS...: runs the app on --screen Nope and checks its refusal
  local name=$1 status=0
  shift
  timeout 60 "$@" --screen Nope --data-dir "$work/data-$name" >"$work/$name.out" 2>"$work/$name.err" || status=$?
  expect "$name: an unknown screen ends the start with a failure (status $status)" test "$status" -ne 0 -a "$status" -ne 124
  expect "$name: the message lists the screens" grep -q "no screen Nope; the screens are: .*SwatchesVC.*MainMenuSecondPageVC" "$work/$name.err"
}
unknown headless "$app" --headless --screenshot "$work/never.png"
if command -v xvfb-run >/dev/null; then
  unknown window xvfb-run -a -s "-screen 0 1280x1024x24" "$app"
else
  echo "no xvfb-run: the window case is not tried"
fi
cat "$work"/*.err
exit $failed

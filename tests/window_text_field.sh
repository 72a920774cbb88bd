#!/usr/bin/env bash
# A text field in the real window, under a virtual X server, with real X key events from xdotool
# and the X clipboard from xclip:
#  - Ctrl+V and Shift+Insert paste what another program put on the clipboard;
#  - Ctrl+A then Ctrl+C put the whole text on the clipboard, where another program reads it;
#  - Home, typing, End and Backspace edit at the caret; Shift+Home selects back to the start.
set -euo pipefail

program=${1:?usage: window_text_field.sh PATH_TO_TEXT_FIELD_WINDOW}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ASAN_OPTIONS=detect_leaks=0

cat > "$work/drive.sh" <<'DRIVE'
#!/usr/bin/env bash
set -euo pipefail
program=$1 work=$2
# Another program owns the clipboard, as a browser does after a copy.
printf ' 1e90ff ' | xclip -selection clipboard -i
"$program" "$work/window.png" >"$work/field.txt" &
pid=$!
wid=""
for _ in $(seq 1 300); do
  wid=$(xdotool search --onlyvisible --name '^Text$' 2>/dev/null | head -1 || true)
  [ -n "$wid" ] && break
  sleep 0.1
done
if [ -z "$wid" ]; then echo "no Text window appeared"; kill "$pid" 2>/dev/null || true; exit 1; fi
sleep 1
# The phone screen fits a 1280 x 1024 display at 1:1: window points are pixels.
eval "$(xdotool getwindowgeometry --shell "$wid")"
xdotool mousemove $((X + 187)) $((Y + 120)) click 1
sleep 0.5
xdotool key --delay 100 ctrl+v shift+Insert
sleep 0.5
xdotool key --delay 100 ctrl+a ctrl+c
sleep 0.5
xclip -selection clipboard -o >"$work/copied.txt" || true
xdotool key --delay 100 Home
xdotool type --delay 100 'X'
xdotool key --delay 100 End BackSpace shift+Home
sleep 1
kill -TERM "$pid"
wait "$pid"
DRIVE
chmod +x "$work/drive.sh"

xvfb-run -a -s "-screen 0 1280x1024x24" "$work/drive.sh" "$program" "$work"
[ -z "${E2E_KEEP:-}" ] || cp "$work/window.png" "$E2E_KEEP/text-field-window.png"

failures=0
expect() {
  if [ "$2" = "$3" ]; then echo "ok: $1"; else echo "FAILED: $1: got [$2], expected [$3]"; failures=1; fi
}
expect "Ctrl+A and Ctrl+C copy both pastes to the X clipboard" "$(cat "$work/copied.txt")" " 1e90ff  1e90ff "
expect "Home, typing, End, Backspace and Shift+Home edit at the caret" "$(cat "$work/field.txt")" \
  "text [X 1e90ff  1e90ff] caret 0"
exit $failures

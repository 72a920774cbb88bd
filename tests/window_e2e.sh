#!/usr/bin/env bash
# Drives the real window under a virtual X server with real X events from xdotool:
#  - a click on "More Tools" shows the second menu page;
#  - the mouse wheel scrolls the swatch list by whole lines;
#  - Escape leaves the settings for the main menu;
#  - over a chart on a scrolling page, the wheel scrolls the page and Ctrl + wheel zooms the chart;
#  - a window made larger shows the swatch list across all of it, not the phone between black bars;
#  - Tab, Tab and Return on the main menu open the second control of its top row (the videos);
#  - Ctrl+Q and Ctrl+W end the app as the close button does, with its last frame written;
#  - a second start on the data folder of a running app says so in a message box.
# The app's checks compare the frame it writes on exit with headless renders of the same screens.
set -euo pipefail

app=${1:?usage: window_e2e.sh PATH_TO_TINCTURA PATH_TO_CHART_WINDOW}
chart=${2:?usage: window_e2e.sh PATH_TO_TINCTURA PATH_TO_CHART_WINDOW}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ASAN_OPTIONS=detect_leaks=0

cat > "$work/drive.sh" <<'DRIVE'
#!/usr/bin/env bash
# drive.sh TITLE OUTPUT XDOTOOL_SCRIPT PROGRAM ARGS...: starts the program, waits for its window,
# runs the xdotool script, then closes the window as the desktop does (SDL turns TERM into a quit).
set -euo pipefail
title=$1 output=$2 script=$3
shift 3
"$@" >"$output" &
pid=$!
wid=""
for _ in $(seq 1 300); do
  wid=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -1 || true)
  [ -n "$wid" ] && break
  sleep 0.1
done
if [ -z "$wid" ]; then echo "no $title window appeared"; kill "$pid" 2>/dev/null || true; exit 1; fi
sleep 1
# The phone screen (375 x 812 points) fits a 1280 x 1024 display at 1:1: window points are pixels.
eval "$(xdotool getwindowgeometry --shell "$wid")"
python3 -c '
import re, sys
x, y = int(sys.argv[1]), int(sys.argv[2])
for line in open(sys.argv[3]):
    line = re.sub(r"@X\+(\d+)", lambda m: str(x + int(m.group(1))), line)
    print(re.sub(r"@Y\+(\d+)", lambda m: str(y + int(m.group(1))), line), end="")
' "$X" "$Y" "$script" | xdotool -
sleep 1.5
kill -TERM "$pid"
wait "$pid"
DRIVE
chmod +x "$work/drive.sh"

# xdotool scripts in window points: "@X+x" and "@Y+y" become screen pixels.
cat > "$work/more-tools.xdo" <<'XDO'
mousemove @X+187 @Y+744
click 1
sleep 1.5
XDO
# Four wheel steps down over the list: 4 lines of 40 points.
cat > "$work/wheel.xdo" <<'XDO'
mousemove @X+187 @Y+500
sleep 0.3
click --repeat 4 --delay 80 5
XDO
cat > "$work/escape.xdo" <<'XDO'
mousemove @X+187 @Y+400
key Escape
sleep 1
XDO
# Over the chart (x 20...355, y 200...600): three steps down scroll the page 120 points, then three
# steps up with Ctrl zoom in by 1.1^3 about the pointer.
cat > "$work/chart.xdo" <<'XDO'
mousemove @X+187 @Y+400
sleep 0.3
click --repeat 3 --delay 80 5
sleep 0.3
keydown ctrl
click --repeat 3 --delay 80 4
keyup ctrl
XDO

cat > "$work/tab-return.xdo" <<'XDO'
mousemove @X+187 @Y+400
sleep 0.3
key Tab
sleep 0.2
key Tab
sleep 0.2
key Return
sleep 1.5
XDO

cat > "$work/resize.xdo" <<'XDO'
search --name "^Tinctura$" windowsize %1 900 700
sleep 1
XDO

run() { xvfb-run -a -s "-screen 0 1280x1024x24" "$work/drive.sh" "$@"; }
shot() { "$app" --headless --device phone --data-dir "$work/data-$1" --screen "$1" --screenshot "$work/$1.png"; }

run Tinctura /dev/null "$work/more-tools.xdo" \
  "$app" --device phone --data-dir "$work/data1" --exit-screenshot "$work/more-tools.png"
run Tinctura /dev/null "$work/wheel.xdo" \
  "$app" --device phone --data-dir "$work/data2" --screen SwatchesVC --exit-screenshot "$work/wheel.png"
run Tinctura /dev/null "$work/escape.xdo" \
  "$app" --device phone --data-dir "$work/data3" --screen SettingsVC --exit-screenshot "$work/escape.png"
run Tinctura /dev/null "$work/resize.xdo" \
  "$app" --device phone --data-dir "$work/data4" --screen SwatchesVC --exit-screenshot "$work/resized.png"
run Tinctura /dev/null "$work/tab-return.xdo" \
  "$app" --device phone --data-dir "$work/data5" --exit-screenshot "$work/tab-return.png"
run Chart "$work/chart.txt" "$work/chart.xdo" "$chart"

# Ctrl+Q and Ctrl+W: the app must end by itself, with status 0 and its exit frame written.
cat > "$work/quit-key.sh" <<'QUIT'
#!/usr/bin/env bash
# quit-key.sh KEY APP ARGS...: prints "ended STATUS" or "still running".
key=$1
shift
"$@" &
pid=$!
for _ in $(seq 1 300); do
  wid=$(xdotool search --onlyvisible --name '^Tinctura$' 2>/dev/null | head -1 || true)
  [ -n "$wid" ] && break
  sleep 0.1
done
sleep 1
eval "$(xdotool getwindowgeometry --shell "$wid")"
# What ties the window to its launcher in a dock: its class and its icon.
[ -z "${PROPS:-}" ] || { xprop -id "$wid" WM_CLASS; xprop -id "$wid" _NET_WM_ICON | head -3; } >"$PROPS"
xdotool mousemove $((X + 187)) $((Y + 400))
sleep 0.3
xdotool key "$key"
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
  echo "still running"
  kill -TERM "$pid"
  wait "$pid"
else
  status=0
  wait "$pid" || status=$?
  echo "ended $status"
fi
QUIT
chmod +x "$work/quit-key.sh"
for key in ctrl+q ctrl+w; do
  PROPS=$work/props-$key.txt xvfb-run -a -s "-screen 0 1280x1024x24" "$work/quit-key.sh" "$key" \
    "$app" --device phone --data-dir "$work/data-$key" --exit-screenshot "$work/quit-$key.png" >"$work/quit-$key.txt"
done

# A second start on a held data folder: a message box titled so, closed with Return; then status 1.
cat > "$work/second-start.sh" <<'SECOND'
#!/usr/bin/env bash
# second-start.sh APP DATA: prints "box" when the message box showed, then "second STATUS".
app=$1 data=$2
source "$REFUSAL_BOX"
"$app" --device phone --data-dir "$data" &
first=$!
for _ in $(seq 1 300); do
  [ -n "$(xdotool search --onlyvisible --name '^Tinctura$' 2>/dev/null || true)" ] && break
  sleep 0.1
done
"$app" --device phone --data-dir "$data" 2>/dev/null &
second=$!
box=$(refusal_box "$second")
if [ -n "$box" ]; then
  echo box
  sleep 0.5
  xdotool key --window "$box" Return
fi
for _ in $(seq 1 50); do
  kill -0 "$second" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$second" 2>/dev/null && kill -TERM "$second"
status=0
wait "$second" || status=$?
echo "second $status"
kill -TERM "$first"
wait "$first" || true
SECOND
chmod +x "$work/second-start.sh"
REFUSAL_BOX=$(dirname "$(realpath "$0")")/refusal_box.sh \
  xvfb-run -a -s "-screen 0 1280x1024x24" "$work/second-start.sh" "$app" "$work/data-held" >"$work/second-start.txt"
for screen in MainMenuVC MainMenuSecondPageVC SwatchesVC SettingsVC VideosVC; do shot "$screen"; done
[ -z "${E2E_KEEP:-}" ] || cp "$work"/*.png "$E2E_KEEP"/

python3 - "$work" <<'PY'
import os, struct, sys, zlib

def read_png(path):
    data = open(path, "rb").read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
    pos, idat, width = 8, b"", 0
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour = struct.unpack(">IIBB", body[:10])
            assert depth == 8 and colour in (2, 6), "unexpected PNG format"
            channels = 4 if colour == 6 else 3
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    raw = zlib.decompress(idat)
    stride = width * channels
    rows, prev = [], bytearray(stride)
    for y in range(height):
        f = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - channels] if i >= channels else 0
            b = prev[i]
            c = prev[i - channels] if i >= channels else 0
            if f == 1: line[i] = (line[i] + a) & 255
            elif f == 2: line[i] = (line[i] + b) & 255
            elif f == 3: line[i] = (line[i] + (a + b) // 2) & 255
            elif f == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append(line)
        prev = line
    return width, rows, channels

work = sys.argv[1]
frames = {}
def frame(name):
    if name not in frames:
        frames[name] = read_png(os.path.join(work, name + ".png"))
    return frames[name]

SCALE = 3  # pixels per point on the phone

def difference(a, b, top, bottom, shift=0):
    """Mean absolute difference of two frames over rows top...bottom (points) of `a`, against the
    rows `shift` points lower in `b`, sampled every few pixels."""
    (wa, ra, ca), (wb, rb, cb) = frame(a), frame(b)
    total = count = 0
    for y in range(top * SCALE, bottom * SCALE, 5):
        for x in range(0, min(wa, wb), 7):
            for c in range(3):
                total += abs(ra[y][x * ca + c] - rb[y + shift * SCALE][x * cb + c])
                count += 1
    return total / count

failures = []
def expect(ok, what):
    print(("ok: " if ok else "FAILED: ") + what)
    if not ok:
        failures.append(what)

expect(difference("more-tools", "MainMenuSecondPageVC", 0, 812) < 2 < difference("more-tools", "MainMenuVC", 0, 812),
       "a click on More Tools shows the second menu page")
expect(difference("escape", "MainMenuVC", 0, 812) < 2 < difference("escape", "SettingsVC", 0, 812),
       "Escape goes back from the settings to the main menu")
expect(difference("wheel", "SwatchesVC", 0, 100) < 2, "the swatch header stays in place under the wheel")
expect(difference("wheel", "SwatchesVC", 150, 600, 160) < 2 < difference("wheel", "SwatchesVC", 150, 600),
       "four wheel steps scroll the swatch list 160 points")
width, rows, channels = frame("resized")
right = [rows[y * SCALE][(900 - 10) * SCALE * channels:(900 - 10) * SCALE * channels + 3] for y in (200, 400, 600)]
expect(width == 900 * SCALE and len(rows) == 700 * SCALE and all(sum(p) > 60 for p in right),
       "a window resized to 900 x 700 points shows the swatch rows to its right edge (%d x %d px)" % (width, len(rows)))
expect(difference("tab-return", "VideosVC", 0, 812) < 2 < difference("tab-return", "MainMenuVC", 0, 812),
       "Tab, Tab and Return on the main menu open the video instructions")
for key in ("ctrl+q", "ctrl+w"):
    said = open(os.path.join(work, "quit-%s.txt" % key)).read().strip()
    expect(said == "ended 0" and os.path.exists(os.path.join(work, "quit-%s.png" % key)),
           "%s ends the app as the close button does (%s)" % (key, said))
props = open(os.path.join(work, "props-ctrl+q.txt")).read()
expect('"tinctura"' in props.split("WM_CLASS")[1].splitlines()[0] if "WM_CLASS" in props else False,
       "the window's class is the launcher's StartupWMClass (%s)" % props.splitlines()[:1])
expect("Icon (64 x 64)" in props, "the window shows the app's icon")
said = open(os.path.join(work, "second-start.txt")).read().split()
expect(said == ["box", "second", "1"], "a second start shows its refusal in a message box (%s)" % " ".join(said))
chart = open(os.path.join(work, "chart.txt")).read().split()
print("chart window:", " ".join(chart))
expect(chart[:2] == ["page", "120.0"], "the wheel over a chart scrolls the page")
expect(chart[2:] == ["scale", "1.331", "1.331"], "Ctrl + wheel zooms the chart by the pinch path")
sys.exit(1 if failures else 0)
PY

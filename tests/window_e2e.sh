#!/usr/bin/env bash
# Starts the real window under a virtual X server, clicks the "More Tools" tile with xdotool, closes
# the window and checks, in the frame the app writes on exit, that the second menu page is shown.
set -euo pipefail

app=${1:?usage: window_e2e.sh PATH_TO_TINCTURA}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat > "$work/drive.sh" <<'DRIVE'
#!/usr/bin/env bash
set -euo pipefail
app=$1 work=$2
ASAN_OPTIONS=detect_leaks=0 "$app" --device phone --data-dir "$work/data" --exit-screenshot "$work/exit.png" &
pid=$!
wid=""
for _ in $(seq 1 150); do
  wid=$(xdotool search --name '^Tinctura$' 2>/dev/null | head -1 || true)
  [ -n "$wid" ] && break
  sleep 0.1
done
if [ -z "$wid" ]; then echo "no window appeared"; kill "$pid" 2>/dev/null || true; exit 1; fi
sleep 1
# The phone screen (375 x 812 points) fits a 1280 x 1024 display at 1:1. The "More Tools" tile is
# the last of the ten tiles between y = 100 and y = 778.
xdotool mousemove --window "$wid" 187 744 click 1
sleep 2.5
kill -TERM "$pid"
wait "$pid"
DRIVE
chmod +x "$work/drive.sh"

xvfb-run -a -s "-screen 0 1280x1024x24" "$work/drive.sh" "$app" "$work"
[ -f "$work/exit.png" ] || { echo "the app wrote no exit frame"; exit 1; }

# The second page's first tile is the purple one, at the top of the column where the first page
# has its red tile: sample it in the exit frame (3 pixels per point).
python3 - "$work/exit.png" <<'PY'
import struct, sys, zlib

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

width, rows, ch = read_png(sys.argv[1])
samples = [(x, y) for x in range(250, 900, 50) for y in range(320, 380, 10)]
r = sum(rows[y][x * ch] for x, y in samples) / len(samples)
g = sum(rows[y][x * ch + 1] for x, y in samples) / len(samples)
b = sum(rows[y][x * ch + 2] for x, y in samples) / len(samples)
print(f"top tile colour: {r:.0f} {g:.0f} {b:.0f}")
if not (b > 90 and b > g + 30):
    sys.exit("the second menu page is not shown (top tile is not the purple one)")
print("second menu page shown")
PY

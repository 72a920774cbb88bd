#!/usr/bin/env bash
# Installs a build into a temporary prefix and uses it as a user and another project would: checks
# the desktop entry, the AppStream data and the icons, starts the installed app headless from a
# moved prefix, and builds the chart-to-png example against the installed package and probes its PNG.
set -euo pipefail

build=${1:?usage: install_check.sh BUILD_DIR PNG_PROBE}
probe=${2:?usage: install_check.sh BUILD_DIR PNG_PROBE}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
app_id=org.tinctura.Tinctura
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "install check: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$work/staged" >/dev/null
# Moving the prefix shows that nothing in it depends on where it was installed.
mv "$work/staged" "$work/prefix"
prefix=$work/prefix

# Desktop integration.
desktop-file-validate "$prefix/share/applications/$app_id.desktop"
# One main category (two list the app twice in menus); the window's class ties it to its launcher.
grep -qx 'Categories=Graphics;' "$prefix/share/applications/$app_id.desktop" || fail "desktop categories"
grep -qx 'StartupWMClass=tinctura' "$prefix/share/applications/$app_id.desktop" || fail "no StartupWMClass"
appstreamcli validate --no-net --explain "$prefix/share/metainfo/$app_id.metainfo.xml" >"$work/appstream.log" ||
  { cat "$work/appstream.log"; fail "AppStream metadata not accepted"; }
[ -f "$prefix/share/icons/hicolor/scalable/apps/$app_id.svg" ] || fail "no scalable icon"
for size in 16 24 32 48 64 128 256 512; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png
  [ "$("$probe" "$icon")" = "$size $size" ] || fail "icon $icon is not ${size}x${size}"
done

# The installed app, away from the source tree's artwork: it must draw its own installed assets,
# so taking them away changes the picture.
run_app() {
  env -u TINCTURA_SOURCE_DIR -u TINCTURA_ASSETS_DIR ASAN_OPTIONS=detect_leaks=0 \
    "$prefix/bin/tinctura" --headless --screenshot "$1" --data-dir "$work/data"
}
run_app "$work/start.png"
[ "$("$probe" "$work/start.png" | head -1)" = "1125 2436" ] || fail "start screen has the wrong size"
mv "$prefix/share/tinctura/assets" "$work/assets-away"
run_app "$work/bare.png"
mv "$work/assets-away" "$prefix/share/tinctura/assets"
! cmp -s "$work/start.png" "$work/bare.png" || fail "the installed app does not use its installed assets"

# Its modules, found from the moved prefix: the server's (it checks a connection string) and the window's.
env -u TINCTURA_SOURCE_DIR ASAN_OPTIONS=detect_leaks=0 "$prefix/bin/tinctura" --data-dir "$work/data" \
  --cloud "host='unclosed" --headless --screenshot "$work/cloud.png" 2>"$work/cloud.log" || true
grep -q "not a valid connection string" "$work/cloud.log" || { cat "$work/cloud.log"; fail "no PostgreSQL module"; }
env -u TINCTURA_SOURCE_DIR ASAN_OPTIONS=detect_leaks=0 DISPLAY=:7357 WAYLAND_DISPLAY= SDL_VIDEODRIVER= \
  "$prefix/bin/tinctura" --data-dir "$work/data" 2>"$work/window.log" || true
grep -q "cannot open a window: x11" "$work/window.log" || { cat "$work/window.log"; fail "no window module"; }

# The chart library as another project sees it.
PKG_CONFIG_PATH=$prefix/lib/pkgconfig pkg-config --cflags --libs tinctura-charting >"$work/pc.txt" ||
  fail "pkg-config cannot resolve tinctura-charting"
pc_include=$(grep -o -- '-I[^ ]*' "$work/pc.txt" | head -1)
[ "$(realpath "${pc_include#-I}")" = "$prefix/include/tinctura" ] || fail "pkg-config include folder: $pc_include"

# It needs drawing and text, not the app's store, media or artwork: every object of the installed
# libraries links with what the package requires and nothing more.
requires=$(PKG_CONFIG_PATH=$prefix/lib/pkgconfig pkg-config --print-requires tinctura-charting | tr '\n' ' ')
! grep -qE 'sqlite3|librsvg|nlohmann|zlib|libpq|sdl2' <<<"$requires" || fail "the package requires $requires"
echo 'int main() {}' >"$work/whole.cpp"
# shellcheck disable=SC2046
c++ -std=c++20 "$work/whole.cpp" -o "$work/whole" -Wl,--whole-archive "$prefix"/lib/tinctura/lib{charting,kit_core}.a \
  -Wl,--no-whole-archive $(PKG_CONFIG_PATH=$prefix/lib/pkgconfig pkg-config --libs tinctura-charting) ||
  fail "the chart libraries need more than their package's requirements"

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$source_dir/examples/chart-to-png" -B "$work/example" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_PREFIX_PATH="$prefix" "${launcher[@]}" >/dev/null
cmake --build "$work/example" >/dev/null
example=$work/example/chart-to-png

"$example" "$work/numbers.png" 50 20 15 10 5
# Two 400 x 400 point charts at scale 2: the line chart left, the pie right.
read -r -a got <<<"$("$probe" "$work/numbers.png" 4 4 400 560 1200 390 1335 255 | tr '\n' ' ')"
[ "${got[0]} ${got[1]}" = "1600 800" ] || fail "chart PNG is ${got[0]}x${got[1]}, not 1600x800"
channels() { echo $((16#${1:0:2})) $((16#${1:2:2})) $((16#${1:4:2})); }
read -r r g b <<<"$(channels "${got[2]}")"
((r > 240 && g > 240 && b > 240)) || fail "corner is not white: ${got[2]}"
read -r r g b <<<"$(channels "${got[3]}")"
((b > r + 40)) || fail "no blue fill under the line: ${got[3]}"
read -r r g b <<<"$(channels "${got[4]}")"
((r > 240 && g > 240 && b > 240)) || fail "pie hole is not white: ${got[4]}"
read -r r g b <<<"$(channels "${got[5]}")"
((r > g + 60 && r > b + 60)) || fail "first (red) slice missing: ${got[5]}"

"$example" "$work/csv.png" --csv "$source_dir/examples/chart-to-png/sample.csv"
cmp -s "$work/numbers.png" "$work/csv.png" && fail "CSV labels made no difference"
printf 'a,1\nb,x\n' >"$work/bad.csv"
! "$example" "$work/bad.png" --csv "$work/bad.csv" 2>/dev/null || fail "a bad CSV row was accepted"
[ ! -e "$work/bad.png" ] || fail "a bad CSV still wrote a picture"
# A missing value is a gap; an infinite one is refused with its row.
printf 'a,1\nb,\nc,nan\nd,4\n' >"$work/gaps.csv"
"$example" "$work/gaps.png" --csv "$work/gaps.csv" 2>/dev/null || fail "a CSV with missing values was refused"
[ "$("$probe" "$work/gaps.png" | head -1)" = "1600 800" ] || fail "no chart of a CSV with missing values"
printf 'a,1\nb,2\nc,inf\n' >"$work/inf.csv"
! "$example" "$work/inf.png" --csv "$work/inf.csv" 2>"$work/inf.log" || fail "an infinite value was accepted"
grep -q "inf.csv:3:" "$work/inf.log" || { cat "$work/inf.log"; fail "the refusal does not name the row"; }
echo "install check passed"

#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a fixed time (default 20 s), all at once,
# from a copy of its seed corpus. Fails when any target crashes; the crashing input is kept and
# its path printed. Prints the inputs each target ran.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-20}
build=${TINCTURA_FUZZ_BUILD:-build/fuzz}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DTINCTURA_FUZZ=ON -DTINCTURA_TESTS=OFF >/dev/null
cmake --build "$build" --target fuzz_targets

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
targets=(hex_text number_fields chart_colour_text settings image_decode cloud_fields)
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1
for t in "${targets[@]}"; do
  mkdir -p "$work/$t/corpus" "$work/$t/crash"
  # New inputs go to the copy; the committed seeds stay as they are.
  "$build/tests/fuzz/fuzz_$t" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$work/$t/crash/" "$work/$t/corpus" tests/fuzz/corpus/"$t" >"$work/$t/log" 2>&1 &
done
failed=0
wait || true
for t in "${targets[@]}"; do
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/$t/log" | tail -1)
  if ls "$work/$t/crash/"* >/dev/null 2>&1 || ! grep -q '^Done ' "$work/$t/log"; then
    failed=1
    keep=$(mktemp -d /tmp/tinctura-fuzz-"$t"-XXXX)
    cp -r "$work/$t/crash" "$work/$t/log" "$keep/"
    echo "fuzz $t: FAILED after ${runs:-?} inputs; crash input and log in $keep"
    grep -m1 -E 'ERROR|runtime error|check failed|deadly signal' "$work/$t/log" || true
  else
    echo "fuzz $t: ${runs:-?} inputs, no crash"
  fi
done
exit "$failed"

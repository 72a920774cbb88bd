#!/usr/bin/python3
"""Filter table from the lines filterprobe and pil_filters.py print: minima per size and operation,
and the ratios the targets name (to a memcpy of the frame, and to Pillow)."""
import collections, re, statistics, sys

d = collections.defaultdict(list)
for line in open(sys.argv[1]):
    m = re.match(r"filter size=(\S+) op=(\S+) min_ms=([\d.]+) med_ms=([\d.]+)", line)
    if m:
        d[(m[1], m[2])].append((float(m[3]), float(m[4])))
print("| size | op | min ms | median ms |")
print("|---|---|---:|---:|")
for (size, op), v in d.items():
    print(f"| {size} | {op} | {min(a for a, _ in v):.3f} | {statistics.median(b for _, b in v):.3f} |")
print()
print("| size | sepia / memcpy | posterize / memcpy | grey / memcpy | sepia / Pillow | posterize / Pillow | grey / Pillow |")
print("|---|---:|---:|---:|---:|---:|---:|")
for size in ("1280x720", "4000x3000"):
    g = lambda op: min(a for a, _ in d[(size, op)])
    print(f"| {size} | {g('sepia') / g('memcpy'):.1f} | {g('posterize4') / g('memcpy'):.1f} | {g('grey') / g('memcpy'):.1f} "
          f"| {g('sepia') / g('pil_sepia_matrix'):.2f} | {g('posterize4') / g('pil_posterize2bits'):.2f} "
          f"| {g('grey') / g('pil_grayscale'):.2f} |")

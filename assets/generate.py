#!/usr/bin/env python3
"""Writes the app's SVG icons and painted colour tiles into this folder. Deterministic: run again
after changing a colour or a shape and commit the result."""
import math
import random
from pathlib import Path

HERE = Path(__file__).parent

TILES = {
    "red": "#d7263d",
    "orange": "#f07a2a",
    "yellow": "#efc12f",
    "yellow green": "#9bbf34",
    "green": "#2e9f5b",
    "blue green": "#1b998b",
    "cyan blue": "#1f7fd1",
    "ultramarine": "#3b3fc4",
    "violet": "#7d3fb0",
    "purple": "#9a2f86",
}


def shade(hex_colour, f):
    r, g, b = (int(hex_colour[i:i + 2], 16) for i in (1, 3, 5))
    mix = (lambda c: c + (255 - c) * f) if f > 0 else (lambda c: c * (1 + f))
    return "#%02x%02x%02x" % tuple(max(0, min(255, round(mix(c)))) for c in (r, g, b))


def tile(name, colour):
    # A flat coat with a few broad, translucent brush strokes, so tiles read as paint, not plastic.
    rnd = random.Random(name)
    w, h = 400, 100
    parts = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" viewBox="0 0 {w} {h}" preserveAspectRatio="none">',
             f'<rect width="{w}" height="{h}" fill="{colour}"/>']
    for i in range(14):
        y = rnd.uniform(-10, h + 10)
        x0 = rnd.uniform(-60, w * 0.6)
        length = rnd.uniform(120, 320)
        bend = rnd.uniform(-14, 14)
        width = rnd.uniform(6, 22)
        tone = shade(colour, rnd.choice([0.12, 0.2, -0.12, -0.2]))
        opacity = rnd.uniform(0.18, 0.4)
        parts.append(f'<path d="M{x0:.1f},{y:.1f} q{length / 2:.1f},{bend:.1f} {length:.1f},{rnd.uniform(-6, 6):.1f}" '
                     f'stroke="{tone}" stroke-width="{width:.1f}" stroke-linecap="round" fill="none" stroke-opacity="{opacity:.2f}"/>')
    parts.append(f'<rect width="{w}" height="{h}" fill="none" stroke="#000" stroke-opacity="0.18" stroke-width="2"/>')
    parts.append('</svg>')
    return "\n".join(parts) + "\n"


def back_button(colour):
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="45" height="40" viewBox="0 0 45 40">\n'
            f'<path d="M26 11 L17 20 L26 29" fill="none" stroke="{colour}" stroke-width="3" '
            'stroke-linecap="round" stroke-linejoin="round"/>\n</svg>\n')


def settings_icon():
    # A cog: eight teeth around a ring.
    cx = cy = 20
    pts = []
    for i in range(16):
        a = i * math.pi / 8 - math.pi / 16
        r = 15 if (i // 1) % 2 == 0 else 11.5
        for da in (-0.16, 0.16):
            pts.append(f"{cx + r * math.cos(a + da):.2f},{cy + r * math.sin(a + da):.2f}")
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="40" height="40" viewBox="0 0 40 40">\n'
            f'<polygon points="{" ".join(pts)}" fill="#ffffff"/>\n'
            f'<circle cx="{cx}" cy="{cy}" r="5" fill="#2b2b30"/>\n</svg>\n')


def video_icon():
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="40" height="40" viewBox="0 0 40 40">\n'
            '<rect x="3" y="8" width="34" height="24" rx="6" fill="#ffffff"/>\n'
            '<path d="M16 14 L26 20 L16 26 Z" fill="#2b2b30"/>\n</svg>\n')


def main():
    for name, colour in TILES.items():
        (HERE / f"{name}.svg").write_text(tile(name, colour))
    (HERE / "back-btn.svg").write_text(back_button("#ffffff"))
    (HERE / "back-btn-dark.svg").write_text(back_button("#1c1c1e"))
    (HERE / "settings-btn.svg").write_text(settings_icon())
    (HERE / "video-btn.svg").write_text(video_icon())


if __name__ == "__main__":
    main()

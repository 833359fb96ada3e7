#!/usr/bin/env python3
"""Writes the SVG sources of the shipped skins from one palette per skin.

Every picture of a skin is drawn here, on the program's fixed pixel grid: fills sit on whole
pixels and 1-pixel lines on half pixels, so rendering keeps them crisp. The rectangles come
from skins/layout.json, the same table scripts/check-skins verifies the rendered PNGs against.

    skinart.py OUT_DIR      writes OUT_DIR/<skin>/<image>.svg for every skin
"""

import json
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
LAYOUT = json.load(open(os.path.join(HERE, "..", "layout.json")))

# Two palettes and two shape languages: rounded graphite with green light for the default skin
# (it matches the default caption colour), chamfered midnight blue with ice-blue light for Frost.
SKINS = {
    "Default": dict(
        shape="round",
        win_top="#16191c", win_bottom="#0b0d0e", texture="carbon", tex="#ffffff", tex_op=0.035,
        frame="#2c3238", title_top="#1e2226", title_bottom="#121416", line="#262b30",
        panel="#131619", panel_edge="#2a3036", panel_head="#1a1e22", head_line="#323940",
        accent="#1fe35a", accent_hi="#8dffad", accent_lo="#0e5a26",
        field="#07090a", field_edge="#30373e",
        btn_top="#2b3137", btn_bottom="#191c20", btn_edge="#3d454d", btn_hi="#ffffff",
        over_top="#1f4a2d", over_bottom="#132a1b", over_edge="#3dff78",
        icon="#8d979f", icon_hi="#b8ffcb", danger="#e0343a", rec="#ff3340",
        cell_off="#1b1f23", cell_off_edge="#2c3339", pane_edge="#5d6770", list_bg="#0e0f0e", glow_op=0.55,
    ),
    "Frost": dict(
        shape="chamfer",
        win_top="#121c2b", win_bottom="#070b12", texture="grid", tex="#8fc8ff", tex_op=0.07,
        frame="#2a3d57", title_top="#17253a", title_bottom="#0d1522", line="#1f2d42",
        panel="#0e1623", panel_edge="#25374f", panel_head="#132034", head_line="#2d4666",
        accent="#36c5ff", accent_hi="#b5ecff", accent_lo="#124766",
        field="#05080d", field_edge="#2b3f5a",
        btn_top="#1f2f46", btn_bottom="#121c2b", btn_edge="#34506f", btn_hi="#cfe9ff",
        over_top="#174a6c", over_bottom="#0d2a40", over_edge="#58d2ff",
        icon="#8aa0bb", icon_hi="#d2f3ff", danger="#e2405a", rec="#ff4d6a",
        cell_off="#142033", cell_off_edge="#233650", pane_edge="#4f6a8c", list_bg="#0e0f0e", glow_op=0.6,
    ),
}


class Svg:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.defs, self.body, self.ids = [], [], 0

    def uid(self, stem):
        self.ids += 1
        return f"{stem}{self.ids}"

    def add(self, text):
        self.body.append(text)

    def vgrad(self, stops, x1=0, y1=0, x2=0, y2=1):
        """A linear gradient over the object's box; stops are (offset, colour, opacity)."""
        gid = self.uid("g")
        parts = "".join(
            f'<stop offset="{o}" stop-color="{c}" stop-opacity="{a}"/>' for o, c, a in stops
        )
        self.defs.append(
            f'<linearGradient id="{gid}" x1="{x1}" y1="{y1}" x2="{x2}" y2="{y2}">{parts}</linearGradient>'
        )
        return f"url(#{gid})"

    def rgrad(self, stops):
        gid = self.uid("r")
        parts = "".join(
            f'<stop offset="{o}" stop-color="{c}" stop-opacity="{a}"/>' for o, c, a in stops
        )
        self.defs.append(f'<radialGradient id="{gid}">{parts}</radialGradient>')
        return f"url(#{gid})"

    def blur(self, radius):
        fid = self.uid("f")
        self.defs.append(
            f'<filter id="{fid}" x="-50%" y="-50%" width="200%" height="200%">'
            f'<feGaussianBlur stdDeviation="{radius}"/></filter>'
        )
        return f"url(#{fid})"

    def text(self):
        return (
            f'<svg xmlns="http://www.w3.org/2000/svg" width="{self.width}" height="{self.height}" '
            f'viewBox="0 0 {self.width} {self.height}">\n<defs>{"".join(self.defs)}</defs>\n'
            + "\n".join(self.body)
            + "\n</svg>\n"
        )


# ---------------------------------------------------------------- shapes


def outline(p, x, y, w, h, size=None):
    """Path of a control's outline in the skin's shape language (rounded or chamfered)."""
    if p["shape"] == "round":
        r = min(size if size is not None else 4, w / 2, h / 2)
        return (
            f"M{x + r},{y} H{x + w - r} A{r},{r} 0 0 1 {x + w},{y + r} V{y + h - r} "
            f"A{r},{r} 0 0 1 {x + w - r},{y + h} H{x + r} A{r},{r} 0 0 1 {x},{y + h - r} "
            f"V{y + r} A{r},{r} 0 0 1 {x + r},{y} Z"
        )
    c = min(size if size is not None else 5, w / 2, h / 2)
    return (
        f"M{x + c},{y} H{x + w} V{y + h - c} L{x + w - c},{y + h} H{x} V{y + c} Z"
    )


def shape(s, p, x, y, w, h, fill, edge=None, size=None, opacity=1, extra=""):
    """Fills the outline and strokes a 1-pixel edge inside it (on half pixels, so it is crisp)."""
    s.add(f'<path d="{outline(p, x, y, w, h, size)}" fill="{fill}" opacity="{opacity}" {extra}/>')
    if edge:
        inner = None if size is None else max(size - 0.5, 0)
        d = outline(p, x + 0.5, y + 0.5, w - 1, h - 1, inner)
        s.add(f'<path d="{d}" fill="none" stroke="{edge}" stroke-width="1" opacity="{opacity}"/>')


def hline(s, x0, x1, y, colour, opacity=1):
    s.add(f'<rect x="{x0}" y="{y}" width="{x1 - x0}" height="1" fill="{colour}" opacity="{opacity}"/>')


def vline(s, x, y0, y1, colour, opacity=1):
    s.add(f'<rect x="{x}" y="{y0}" width="1" height="{y1 - y0}" fill="{colour}" opacity="{opacity}"/>')


def fade_line(s, x0, x1, y, colour, opacity=1, both=False):
    stops = [(0, colour, opacity), (1, colour, 0)]
    if both:
        stops = [(0, colour, 0), (0.5, colour, opacity), (1, colour, 0)]
    s.add(f'<rect x="{x0}" y="{y}" width="{x1 - x0}" height="1" fill="{s.vgrad(stops, 0, 0, 1, 0)}"/>')


# ---------------------------------------------------------------- icons (24-unit boxes)


def gear_path(cx, cy, outer, inner, teeth):
    points = []
    for i in range(teeth * 4):
        a = (i / (teeth * 4)) * 2 * math.pi - math.pi / 2
        r = outer if i % 4 in (0, 1) else inner
        points.append(f"{cx + r * math.cos(a):.2f},{cy + r * math.sin(a):.2f}")
    return "M" + " L".join(points) + " Z"


ICONS = {
    "mouse": [
        ("s", "M12 2.5 C7.2 2.5 5.5 5.6 5.5 10 V14.5 C5.5 19 8.3 21.5 12 21.5 C15.7 21.5 18.5 19 18.5 14.5 V10 C18.5 5.6 16.8 2.5 12 2.5 Z"),
        ("s", "M5.5 10 H18.5 M12 2.5 V10"),
        ("f", "M11 5.2 h2 v3 h-2 z"),
    ],
    "gear": [("s", gear_path(12, 12, 10, 7.6, 8)), ("s", "M15.2 12 A3.2 3.2 0 1 1 8.8 12 A3.2 3.2 0 1 1 15.2 12 Z")],
    "keycap": [
        ("s", "M5 4 H19 A2.5 2.5 0 0 1 21.5 6.5 V17.5 A2.5 2.5 0 0 1 19 20 H5 A2.5 2.5 0 0 1 2.5 17.5 V6.5 A2.5 2.5 0 0 1 5 4 Z"),
        ("s", "M7.5 7 H16.5 A1.5 1.5 0 0 1 18 8.5 V13 A1.5 1.5 0 0 1 16.5 14.5 H7.5 A1.5 1.5 0 0 1 6 13 V8.5 A1.5 1.5 0 0 1 7.5 7 Z"),
    ],
    "combo": [
        ("s", "M3 6 H10 A1.5 1.5 0 0 1 11.5 7.5 V14.5 A1.5 1.5 0 0 1 10 16 H3 A1.5 1.5 0 0 1 1.5 14.5 V7.5 A1.5 1.5 0 0 1 3 6 Z"),
        ("s", "M14 6 H21 A1.5 1.5 0 0 1 22.5 7.5 V14.5 A1.5 1.5 0 0 1 21 16 H14 A1.5 1.5 0 0 1 12.5 14.5 V7.5 A1.5 1.5 0 0 1 14 6 Z"),
        ("s", "M12 18.5 V22.5 M10 20.5 H14"),
    ],
    "fire": [
        ("s", "M19 12 A7 7 0 1 1 5 12 A7 7 0 1 1 19 12 Z"),
        ("s", "M12 1.5 V7 M12 17 V22.5 M1.5 12 H7 M17 12 H22.5"),
        ("f", "M13.5 12 A1.5 1.5 0 1 1 10.5 12 A1.5 1.5 0 1 1 13.5 12 Z"),
    ],
    "clock": [
        ("s", "M20 13.5 A8 8 0 1 1 4 13.5 A8 8 0 1 1 20 13.5 Z"),
        ("s", "M12 13.5 V8.5 M12 13.5 L15.5 15.5 M9.5 2.5 H14.5 M12 2.5 V5.5 M18.5 5.5 L20 7"),
    ],
    "palette": [
        ("s", "M12 2.5 C6.5 2.5 2.5 6.6 2.5 12 C2.5 17.4 6.6 21.5 12 21.5 C13.4 21.5 14.2 20.6 14.2 19.5 C14.2 18.2 13 17.7 13 16.6 C13 15.5 13.9 14.8 15 14.8 H17 C19.7 14.8 21.5 13 21.5 10.5 C21.5 6 17.4 2.5 12 2.5 Z"),
        ("f", "M8.9 11 A1.4 1.4 0 1 1 6.1 11 A1.4 1.4 0 1 1 8.9 11 Z M11.4 7 A1.4 1.4 0 1 1 8.6 7 A1.4 1.4 0 1 1 11.4 7 Z M16.4 7 A1.4 1.4 0 1 1 13.6 7 A1.4 1.4 0 1 1 16.4 7 Z M18.9 10.6 A1.4 1.4 0 1 1 16.1 10.6 A1.4 1.4 0 1 1 18.9 10.6 Z"),
    ],
    "media": [
        ("s", "M21.5 12 A9.5 9.5 0 1 1 2.5 12 A9.5 9.5 0 1 1 21.5 12 Z"),
        ("f", "M9.8 7.6 L16.8 12 L9.8 16.4 Z"),
    ],
    "windows": [
        ("s", "M5 3.5 H19 A2 2 0 0 1 21 5.5 V18.5 A2 2 0 0 1 19 20.5 H5 A2 2 0 0 1 3 18.5 V5.5 A2 2 0 0 1 5 3.5 Z"),
        ("s", "M3 8.5 H21"),
        ("f", "M6 5.2 h1.6 v1.6 h-1.6 z M8.8 5.2 h1.6 v1.6 h-1.6 z"),
    ],
    "macro": [
        ("s", "M3 6 H14 M3 11 H11 M3 16 H9"),
        ("f", "M14.5 10 L21.5 14.5 L14.5 19 Z"),
    ],
    "pointer": [("s", "M6.5 2.5 V19 L10.5 15 L13.5 21.5 L16.2 20.3 L13.2 14 H18.5 Z")],
    "scroll": [
        ("s", "M12 4.5 C8.2 4.5 6.5 7 6.5 10.5 V14 C6.5 17.6 8.8 20 12 20 C15.2 20 17.5 17.6 17.5 14 V10.5 C17.5 7 15.8 4.5 12 4.5 Z"),
        ("f", "M11 7.5 h2 v4 h-2 z M12 0.5 L14.5 3 H9.5 Z M12 23.5 L14.5 21 H9.5 Z"),
    ],
    "dblclick": [
        ("s", "M10 8 V20.5 L13 17.5 L15.3 22 L17.6 21 L15.4 16.6 H19.5 Z"),
        ("s", "M6.5 6.5 L4 4 M10 4.5 V1 M5 10 H1.5 M13.8 6 L16 3.8"),
    ],
}


def icon(s, name, x, y, size, colour, width=1.6, opacity=1):
    """Draws icon `name` with its 24-unit box scaled to `size` pixels at (x, y)."""
    k = size / 24
    out = []
    for kind, d in ICONS[name]:
        if kind == "s":
            out.append(
                f'<path d="{d}" fill="none" stroke="{colour}" stroke-width="{width / k:.3f}" '
                f'stroke-linecap="round" stroke-linejoin="round"/>'
            )
        else:
            out.append(f'<path d="{d}" fill="{colour}"/>')
    s.add(f'<g transform="translate({x},{y}) scale({k:.4f})" opacity="{opacity}">{"".join(out)}</g>')


def chevron(s, cx, cy, colour, half=3.5, up=False):
    k = -1 if up else 1
    s.add(
        f'<path d="M{cx - half},{cy - k * half / 2} L{cx},{cy + k * half / 2} L{cx + half},{cy - k * half / 2}" '
        f'fill="none" stroke="{colour}" stroke-width="1.6" stroke-linecap="round" stroke-linejoin="round"/>'
    )


# ---------------------------------------------------------------- controls

# Every control has the same soft, semi-transparent shadow ring in each of its states. The program
# redraws a control over itself (normal over over, dark over lit) without restoring what was
# behind it, so a state-specific glow outside the opaque body would linger after the change, and
# a ring that differs between states would drift; a faint shadow that only deepens is harmless.
RING = 0.3


def soft_ring(s, p, w, h, size):
    shape(s, p, 0, 0, w, h, "#000000", size=size, opacity=RING)



def push_button(p, w, h, over):
    """The OK/Cancel-type button: soft outer ring (semi-transparent), edge, gradient body."""
    s = Svg(w, h)
    soft_ring(s, p, w, h, 5)
    top, bottom = (p["over_top"], p["over_bottom"]) if over else (p["btn_top"], p["btn_bottom"])
    fill = s.vgrad([(0, top, 1), (1, bottom, 1)])
    shape(s, p, 1, 1, w - 2, h - 2, fill, p["over_edge"] if over else p["btn_edge"], size=4)
    hline(s, 4, w - 4, 2, p["btn_hi"], 0.10 if not over else 0.16)
    if p["shape"] == "chamfer":
        s.add(f'<path d="M{2 + 3},2 H{w - 2} V{h // 2} H2 V5 Z" fill="{p["btn_hi"]}" opacity="0.07"/>')
        if not over:
            fade_line(s, 6, w - 6, h - 3, p["accent"], 0.35, both=True)
    if over:
        glow = s.vgrad([(0, p["accent"], 0), (1, p["accent"], 0.35)])
        s.add(f'<rect x="2" y="{h // 2}" width="{w - 4}" height="{h - 2 - h // 2}" fill="{glow}"/>')
        fade_line(s, 6, w - 6, h - 3, p["accent_hi"], 0.9, both=True)
    return s


def title_button(p, kind, over):
    s = Svg(18, 18)
    danger = kind == "close" and over
    soft_ring(s, p, 18, 18, 5)
    if danger:
        fill, edge = p["danger"], "#ff8a8f"
    elif over:
        fill = s.vgrad([(0, p["over_top"], 1), (1, p["over_bottom"], 1)])
        edge = p["over_edge"]
    else:
        fill = s.vgrad([(0, p["btn_top"], 1), (1, p["btn_bottom"], 1)])
        edge = p["btn_edge"]
    shape(s, p, 1, 1, 16, 16, fill, edge, size=4)
    colour = "#ffffff" if danger else (p["icon_hi"] if over else p["icon"])
    if kind == "min":
        s.add(f'<rect x="5" y="9" width="8" height="2" fill="{colour}"/>')
    elif kind == "close":
        s.add(
            f'<path d="M5.5,5.5 L12.5,12.5 M12.5,5.5 L5.5,12.5" stroke="{colour}" '
            f'stroke-width="1.7" stroke-linecap="round"/>'
        )
    else:
        icon(s, "palette", 3, 3, 12, colour, width=1.3)
    return s


def tab_button(p, name, over):
    s = Svg(40, 40)
    soft_ring(s, p, 40, 40, 8)
    top, bottom = (p["over_top"], p["over_bottom"]) if over else (p["btn_top"], p["btn_bottom"])
    shape(s, p, 1, 1, 38, 38, s.vgrad([(0, top, 1), (1, bottom, 1)]),
          p["over_edge"] if over else p["btn_edge"], size=7)
    hline(s, 7, 33, 2, p["btn_hi"], 0.12)
    if over:
        s.add(f'<circle cx="20" cy="20" r="14" fill="{s.rgrad([(0, p["accent"], 0.45), (1, p["accent"], 0)])}"/>')
    icon(s, name, 9, 9, 22, p["icon_hi"] if over else p["icon"], width=1.7)
    return s


def dropdown_box(p, over):
    w, h = 211, 21
    s = Svg(w, h)
    soft_ring(s, p, w, h, 4)
    body = s.vgrad([(0, p["field"], 1), (1, p["panel_head"], 1)])
    shape(s, p, 1, 1, w - 2, h - 2, body, p["over_edge"] if over else p["field_edge"], size=3)
    # number strip, 20 pixels, then its separator on column 20
    strip = p["over_bottom"] if over else p["btn_bottom"]
    s.add(f'<rect x="2" y="2" width="18" height="{h - 4}" fill="{strip}"/>')
    vline(s, 20, 2, h - 2, p["over_edge"] if over else p["field_edge"])
    # arrow button
    s.add(f'<rect x="{w - 21}" y="2" width="19" height="{h - 4}" '
          f'fill="{s.vgrad([(0, p["btn_top"] if not over else p["over_top"], 1), (1, p["btn_bottom"] if not over else p["over_bottom"], 1)])}"/>')
    vline(s, w - 22, 2, h - 2, p["over_edge"] if over else p["field_edge"])
    chevron(s, w - 11.5, 10.5, p["accent_hi"] if over else p["icon"])
    if over:
        fade_line(s, 21, w - 22, h - 3, p["accent"], 0.8)
    return s


def pane(p, ticked):
    s = Svg(16, 16)
    soft_ring(s, p, 16, 16, 4)
    pane_body(s, p, 0, 0, ticked)
    return s


def pane_body(s, p, x, y, ticked):
    if ticked:
        fill = s.vgrad([(0, p["accent_hi"], 1), (1, p["accent"], 1)])
        shape(s, p, x + 1, y + 1, 14, 14, fill, p["accent"], size=3)
        s.add(
            f'<path d="M{x + 4.2},{y + 8.2} L{x + 6.9},{y + 10.9} L{x + 11.8},{y + 5.2}" fill="none" '
            f'stroke="{p["field"]}" stroke-width="2" stroke-linecap="round" stroke-linejoin="round"/>'
        )
    else:
        shape(s, p, x + 1, y + 1, 14, 14, p["field"], p["pane_edge"], size=3)
        hline(s, x + 3, x + 13, y + 2, "#000000", 0.5)


def slanted(s, x, y, w, h, fill, edge=None, opacity=1):
    """A parallelogram leaning right by its height, the chamfered style's bar segment."""
    d = f"M{x + h * 0.4:.1f},{y} H{x + w} L{x + w - h * 0.4:.1f},{y + h} H{x} Z"
    s.add(f'<path d="{d}" fill="{fill}" opacity="{opacity}"/>')
    if edge:
        s.add(f'<path d="{d}" fill="none" stroke="{edge}" stroke-width="1" opacity="{opacity}" '
              f'transform="translate(0,0)"/>')


def bar(p, w, h, lit, inset):
    """Chamfered style: a slanted bar segment, dark or lit, `inset` pixels in from each side."""
    s = Svg(w, h)
    x, bw = inset, w - 2 * inset
    if lit:
        slanted(s, x, 0, bw, h, "#000000", opacity=RING)
        fill = s.vgrad([(0, p["accent_hi"], 1), (0.5, p["accent"], 1), (1, p["accent_lo"], 1)])
        slanted(s, x + 1, 1, bw - 2, h - 2, fill)
        hline(s, x + 5, x + bw - 4, 2, "#ffffff", 0.35)
    else:
        slanted(s, x, 0, bw, h, "#000000", opacity=RING)
        slanted(s, x + 1, 1, bw - 2, h - 2, p["cell_off"], p["cell_off_edge"])
    return s


def cell(p, w, h, lit, size=3):
    """A slider cell or LED: dark well, or lit with a glow ring and a highlight."""
    if p["shape"] == "chamfer" and w > h:
        return bar(p, w, h, lit, 0)
    s = Svg(w, h)
    if lit:
        soft_ring(s, p, w, h, size + 1)
        fill = s.vgrad([(0, p["accent_hi"], 1), (0.45, p["accent"], 1), (1, p["accent_lo"], 1)])
        shape(s, p, 1, 1, w - 2, h - 2, fill, None, size=size)
        hline(s, 3, w - 3, 2, "#ffffff", 0.35)
    else:
        soft_ring(s, p, w, h, size + 1)
        shape(s, p, 1, 1, w - 2, h - 2, p["cell_off"], p["cell_off_edge"], size=size)
    return s


def slider_segment(p, lit):
    """24 x 11 cell of the pointer sliders: a 22-pixel segment, so neighbours show a gap."""
    if p["shape"] == "chamfer":
        return bar(p, 24, 11, lit, 1)
    s = Svg(24, 11)
    if lit:
        shape(s, p, 1, 0, 22, 11, "#000000", size=3, opacity=RING)
        fill = s.vgrad([(0, p["accent_hi"], 1), (0.5, p["accent"], 1), (1, p["accent_lo"], 1)])
        shape(s, p, 2, 1, 20, 9, fill, None, size=2)
        hline(s, 4, 20, 2, "#ffffff", 0.35)
    else:
        shape(s, p, 1, 0, 22, 11, "#000000", size=3, opacity=RING)
        shape(s, p, 2, 1, 20, 9, p["cell_off"], p["cell_off_edge"], size=2)
    return s


# ---------------------------------------------------------------- window furniture


def texture(s, p, x, y, w, h):
    pid = s.uid("t")
    if p["texture"] == "carbon":
        # a woven carbon look: short diagonal pairs on a 6-pixel grid
        s.defs.append(
            f'<pattern id="{pid}" width="6" height="6" patternUnits="userSpaceOnUse">'
            f'<rect width="3" height="2" fill="{p["tex"]}"/><rect x="3" y="3" width="3" height="2" fill="{p["tex"]}"/>'
            f'<rect x="0" y="2" width="3" height="1" fill="{p["tex"]}" opacity="0.5"/></pattern>'
        )
        s.add(f'<rect x="{x}" y="{y}" width="{w}" height="{h}" fill="url(#{pid})" opacity="{p["tex_op"]}"/>')
    else:
        # a blueprint grid: faint lines every 16 pixels, stronger every 64
        s.defs.append(
            f'<pattern id="{pid}" width="64" height="64" patternUnits="userSpaceOnUse" x="{x}" y="{y}">'
            + "".join(
                f'<rect x="{i}" y="0" width="1" height="64" fill="{p["tex"]}" opacity="{1 if i == 0 else 0.45}"/>'
                f'<rect x="0" y="{i}" width="64" height="1" fill="{p["tex"]}" opacity="{1 if i == 0 else 0.45}"/>'
                for i in (0, 16, 32, 48)
            )
            + "</pattern>"
        )
        s.add(f'<rect x="{x}" y="{y}" width="{w}" height="{h}" fill="url(#{pid})" opacity="{p["tex_op"]}"/>')


def corner_marks(s, p, w, h, length=14):
    c = p["accent"]
    for x, y, dx, dy in ((1, 1, 1, 1), (w - 1, 1, -1, 1), (1, h - 1, 1, -1), (w - 1, h - 1, -1, -1)):
        x0 = x if dx > 0 else x - length
        y0 = y if dy > 0 else y - 2
        s.add(f'<rect x="{x0}" y="{y0}" width="{length}" height="2" fill="{c}" opacity="0.8"/>')
        x1 = x if dx > 0 else x - 2
        y1 = y if dy > 0 else y - length
        s.add(f'<rect x="{x1}" y="{y1}" width="2" height="{length}" fill="{c}" opacity="0.8"/>')


def title_plate(s, p, title_h):
    """Chamfered style only: a lit plate with a slanted end behind the mark."""
    if p["shape"] != "chamfer":
        return
    s.add(f'<path d="M1,1 H118 L{118 - title_h + 8},{title_h - 1} H1 Z" '
          f'fill="{s.vgrad([(0, p["accent_lo"], 0.8), (1, p["accent_lo"], 0.1)], 0, 0, 1, 0)}"/>')
    s.add(f'<path d="M118.5,1 L{118.5 - title_h + 8},{title_h - 1}" stroke="{p["accent"]}" opacity="0.7"/>')


def logo(s, p, x, y):
    """The program's mark: a hexagon with a claw of three slashes, in the accent light."""
    hexagon = " ".join(
        f"{x + 11 + 10 * math.cos(math.radians(a)):.2f},{y + 11 + 10 * math.sin(math.radians(a)):.2f}"
        for a in range(-90, 270, 60)
    )
    s.add(f'<polygon points="{hexagon}" fill="{p["accent"]}" opacity="0.25" filter="{s.blur(2)}"/>')
    s.add(f'<polygon points="{hexagon}" fill="{p["field"]}" stroke="{p["accent"]}" stroke-width="1.5"/>')
    for i in range(3):
        x0 = x + 6 + 4 * i
        s.add(f'<path d="M{x0 + 4},{y + 5.5} L{x0},{y + 16.5}" stroke="{p["accent_hi"]}" '
              f'stroke-width="1.6" stroke-linecap="round"/>')
    # speed stripes after the mark
    for i in range(4):
        x0 = x + 30 + 9 * i
        s.add(f'<path d="M{x0 + 6},{y + 6} h4 l-6,10 h-4 z" fill="{p["accent"]}" opacity="{0.7 - 0.15 * i:.2f}"/>')


def watermark(s, p, cx, cy, r):
    """The program's mark, large and faint, for empty stretches of a panel."""
    hexagon = " ".join(
        f"{cx + r * math.cos(math.radians(a)):.2f},{cy + r * math.sin(math.radians(a)):.2f}"
        for a in range(-90, 270, 60)
    )
    s.add(f'<polygon points="{hexagon}" fill="none" stroke="{p["panel_edge"]}" stroke-width="2"/>')
    s.add(f'<polygon points="{hexagon}" fill="{p["accent"]}" opacity="0.04"/>')
    for i in range(3):
        x0 = cx - r * 0.45 + r * 0.36 * i
        s.add(f'<path d="M{x0 + r * 0.36:.1f},{cy - r * 0.5:.1f} L{x0:.1f},{cy + r * 0.5:.1f}" '
              f'stroke="{p["panel_edge"]}" stroke-width="{r * 0.14:.1f}" stroke-linecap="round"/>')


def header_ornament(s, p):
    """Right of the page title: a lit rule that ends in slanted bars."""
    s.add(f'<rect x="340" y="75" width="440" height="1" '
          f'fill="{s.vgrad([(0, p["accent"], 0), (1, p["accent"], 0.5)], 0, 0, 1, 0)}"/>')
    for i in range(8):
        x = 788 + 9 * i
        s.add(f'<path d="M{x + 6},68 h4 l-6,14 h-4 z" fill="{p["accent"]}" opacity="{0.15 + 0.1 * i:.2f}"/>')


def window_base(p, w, h, title_h):
    s = Svg(w, h)
    s.add(f'<rect width="{w}" height="{h}" fill="{s.vgrad([(0, p["win_top"], 1), (1, p["win_bottom"], 1)])}"/>')
    texture(s, p, 1, title_h + 1, w - 2, h - title_h - 2)
    # a wide soft light from the top centre
    s.add(f'<ellipse cx="{w / 2}" cy="{title_h}" rx="{w * 0.6}" ry="{h * 0.45}" '
          f'fill="{s.rgrad([(0, p["accent"], 0.06), (1, p["accent"], 0)])}"/>')
    s.add(f'<rect width="{w}" height="{title_h}" fill="{s.vgrad([(0, p["title_top"], 1), (1, p["title_bottom"], 1)])}"/>')
    hline(s, 1, w - 1, 1, "#ffffff", 0.06)
    hline(s, 0, w, title_h, p["line"])
    fade_line(s, 0, min(w, 320), title_h, p["accent"], 0.9)
    s.add(f'<rect x="0" y="{title_h - 2}" width="{min(w, 180)}" height="2" '
          f'fill="{s.vgrad([(0, p["accent"], 0.35), (1, p["accent"], 0)], 0, 0, 1, 0)}"/>')
    s.add(f'<rect x="0.5" y="0.5" width="{w - 1}" height="{h - 1}" fill="none" stroke="{p["frame"]}"/>')
    corner_marks(s, p, w, h)
    return s


def panel(s, p, x0, y0, x1, y1, heads=()):
    """A section panel; `heads` are the title rectangles the program writes section titles into."""
    w, h = x1 - x0, y1 - y0
    cut = 8 if p["shape"] == "round" else 12
    s.add(f'<path d="{outline(p, x0 + 2, y0 + 3, w, h, cut)}" fill="#000000" opacity="0.35" filter="{s.blur(2)}"/>')
    fill = s.vgrad([(0, p["panel"], 0.96), (1, p["panel"], 0.88)])
    shape(s, p, x0, y0, w, h, fill, p["panel_edge"], size=cut)
    if p["shape"] == "round":
        hline(s, x0 + 8, x1 - 8, y0 + 1, "#ffffff", 0.05)
    else:
        # lit chamfers and a lit stretch of the top edge
        s.add(f'<path d="M{x0 + 0.5},{y0 + cut + 0.5} L{x0 + cut + 0.5},{y0 + 0.5} H{x0 + 70}" fill="none" '
              f'stroke="{p["accent"]}" stroke-width="1"/>')
        s.add(f'<path d="M{x1 - 0.5},{y1 - cut - 0.5} L{x1 - cut - 0.5},{y1 - 0.5} H{x1 - 40}" fill="none" '
              f'stroke="{p["accent"]}" stroke-width="1" opacity="0.6"/>')
    for left, top, right, bottom in heads:
        hy0, hy1 = top - 4, bottom + 4
        if p["shape"] == "round":
            s.add(f'<rect x="{x0 + 1}" y="{hy0}" width="{w - 2}" height="{hy1 - hy0}" '
                  f'fill="{s.vgrad([(0, p["panel_head"], 1), (1, p["panel_head"], 0)], 0, 0, 1, 0)}"/>')
            s.add(f'<rect x="{x0 + 7}" y="{top + 4}" width="3" height="{bottom - top - 8}" fill="{p["accent"]}"/>')
            s.add(f'<rect x="{x0 + 5}" y="{top + 2}" width="7" height="{bottom - top - 4}" fill="{p["accent"]}" '
                  f'opacity="0.3" filter="{s.blur(1.5)}"/>')
            fade_line(s, x0 + 1, x1 - 1, hy1, p["head_line"])
        else:
            hx0 = x0 + (cut + 1 if hy0 - y0 < cut else 1)
            s.add(f'<path d="M{hx0},{hy0} H{x1 - 1} V{hy1} H{x0 + 1} V{min(hy0 + cut, hy1)} Z" '
                  f'fill="{s.vgrad([(0, p["accent_lo"], 0.55), (0.7, p["panel_head"], 0.6), (1, p["panel_head"], 0)], 0, 0, 1, 0)}"/>')
            hline(s, x0 + 1, x1 - 1, hy1, p["accent"], 0.35)
            for i in range(3):
                s.add(f'<path d="M{x1 - 34 + 8 * i},{hy1 - 5} l5,-10 h3 l-5,10 z" fill="{p["accent"]}" '
                      f'opacity="{0.25 + 0.2 * i:.2f}"/>')


def well(s, p, x0, y0, x1, y1, fill=None, size=3):
    """A recessed field that frames the rectangle (x0, y0, x1, y1) by one pixel all round."""
    shape(s, p, x0 - 1, y0 - 1, x1 - x0 + 2, y1 - y0 + 2, fill or p["field"], p["field_edge"], size=size)


def arrow_button(s, p, x0, y0, x1, y1):
    """The drop-down arrow drawn in a background at the right end of a field."""
    w, h = x1 - x0, y1 - y0
    s.add(f'<rect x="{x0}" y="{y0}" width="{w}" height="{h}" '
          f'fill="{s.vgrad([(0, p["btn_top"], 1), (1, p["btn_bottom"], 1)])}"/>')
    vline(s, x0, y0, y1, p["field_edge"])
    chevron(s, x0 + w / 2 + 0.5, y0 + h / 2, p["accent"], half=3)


def field_with_arrow(s, p, field, arrow_left):
    x0, y0, x1, y1 = field
    well(s, p, x0, y0, x1, y1)
    arrow_button(s, p, arrow_left, y0, x1, y1)


def record_button(s, p, x0, y0, x1, y1, stop):
    w, h = x1 - x0, y1 - y0
    shape(s, p, x0, y0, w, h, s.vgrad([(0, p["btn_top"], 1), (1, p["btn_bottom"], 1)]), p["btn_edge"], size=6)
    hline(s, x0 + 5, x1 - 5, y0 + 1, p["btn_hi"], 0.12)
    cx, cy = x0 + w / 2, y0 + h / 2
    if stop:
        s.add(f'<rect x="{cx - 5}" y="{cy - 5}" width="10" height="10" rx="1.5" fill="{p["icon"]}"/>')
    else:
        s.add(f'<circle cx="{cx}" cy="{cy}" r="8" fill="{p["rec"]}" opacity="0.45" filter="{s.blur(2)}"/>')
        s.add(f'<circle cx="{cx}" cy="{cy}" r="6" fill="{p["rec"]}"/>')
        s.add(f'<circle cx="{cx - 1.5}" cy="{cy - 2}" r="2" fill="#ffffff" opacity="0.35"/>')


def emblem(s, p, name, cx, cy, radius, opacity=1):
    """A large ornamental icon in a lit ring."""
    s.add(f'<circle cx="{cx}" cy="{cy}" r="{radius * 1.25}" fill="{s.rgrad([(0, p["accent"], 0.16 * opacity), (1, p["accent"], 0)])}"/>')
    s.add(f'<circle cx="{cx}" cy="{cy}" r="{radius}" fill="{p["field"]}" fill-opacity="0.55" '
          f'stroke="{p["accent_lo"]}" stroke-width="2" opacity="{opacity}"/>')
    s.add(f'<circle cx="{cx}" cy="{cy}" r="{radius}" fill="none" stroke="{p["accent"]}" stroke-width="2" '
          f'stroke-dasharray="{radius * 0.9:.1f} {radius * 0.67:.1f}" opacity="{0.8 * opacity}"/>')
    s.add(f'<circle cx="{cx}" cy="{cy}" r="{radius - 7}" fill="none" stroke="{p["panel_edge"]}" stroke-width="1"/>')
    size = radius * 1.05
    icon(s, name, cx - size / 2, cy - size / 2, size, p["accent"], width=2.2, opacity=0.85 * opacity)


# ---------------------------------------------------------------- main window


def rects(window):
    return {c["name"]: c["rect"] for c in LAYOUT["controls"] if c["window"] == window}


def main_window(p, page):
    w, h = LAYOUT["images"]["main.png"]["size"]
    s = window_base(p, w, h, 32)
    title_plate(s, p, 32)
    logo(s, p, 10, 5)
    # tab rail and the lit edge under the tab of this page
    shape(s, p, 9, 49, 96, 50, p["field"], p["line"], size=8, opacity=0.7)
    if page:
        left = 14 if page == "basic" else 60
        s.add(f'<rect x="{left + 2}" y="97" width="36" height="3" fill="{p["accent"]}" opacity="0.6" filter="{s.blur(2)}"/>')
        s.add(f'<rect x="{left + 4}" y="97" width="32" height="2" fill="{p["accent_hi"]}"/>')
    fade_line(s, 14, 862, 108, p["head_line"], 1, both=True)
    header_ornament(s, p)
    # footer: a lit tray that docks OK / Apply / Cancel at the bottom right
    s.add(f'<path d="M548,645 L562,616 H876 V645 Z" fill="{p["panel_head"]}"/>')
    s.add(f'<path d="M548.5,645 L562.5,616.5 H875" fill="none" stroke="{p["head_line"]}"/>')
    fade_line(s, 14, 540, 630, p["line"], 1)
    for i in range(5):
        s.add(f'<rect x="{18 + 8 * i}" y="627" width="5" height="7" fill="{p["accent"]}" opacity="{0.8 - 0.14 * i:.2f}"/>')
    s.add(f'<rect x="0.5" y="0.5" width="{w - 1}" height="{h - 1}" fill="none" stroke="{p["frame"]}"/>')
    corner_marks(s, p, w, h)
    if page is None:
        watermark(s, p, w // 2, 360, 90)
    if page == "basic":
        basic_page(s, p)
    elif page == "advanced":
        advanced_page(s, p)
    return s


def mouse_illustration(s, p, cx, cy):
    body = (
        f"M{cx},{cy - 120} C{cx - 48},{cy - 120} {cx - 66},{cy - 88} {cx - 68},{cy - 40} "
        f"L{cx - 70},{cy + 30} C{cx - 72},{cy + 92} {cx - 40},{cy + 126} {cx},{cy + 126} "
        f"C{cx + 40},{cy + 126} {cx + 72},{cy + 92} {cx + 70},{cy + 30} L{cx + 68},{cy - 40} "
        f"C{cx + 66},{cy - 88} {cx + 48},{cy - 120} {cx},{cy - 120} Z"
    )
    s.add(f'<ellipse cx="{cx}" cy="{cy + 10}" rx="95" ry="150" fill="{s.rgrad([(0, p["accent"], 0.18), (1, p["accent"], 0)])}"/>')
    if p["shape"] == "round":
        s.add(f'<path d="{body}" fill="{s.vgrad([(0, p["btn_top"], 1), (1, p["field"], 1)])}" stroke="{p["btn_edge"]}" stroke-width="1.5"/>')
    else:
        s.add(f'<path d="{body}" fill="none" stroke="{p["accent"]}" stroke-width="5" opacity="0.35" filter="{s.blur(3)}"/>')
        s.add(f'<path d="{body}" fill="{s.vgrad([(0, p["accent_lo"], 0.55), (1, p["field"], 0.9)])}" stroke="{p["accent"]}" stroke-width="1.5"/>')
    # buttons, wheel, DPI key, side keys, light strip
    s.add(f'<path d="M{cx - 68},{cy - 36} Q{cx},{cy - 22} {cx + 68},{cy - 36} M{cx},{cy - 120} V{cy - 29}" '
          f'fill="none" stroke="{p["field"]}" stroke-width="3"/>')
    s.add(f'<path d="M{cx - 68},{cy - 36} Q{cx},{cy - 22} {cx + 68},{cy - 36} M{cx},{cy - 120} V{cy - 29}" '
          f'fill="none" stroke="{p["panel_edge"]}" stroke-width="1"/>')
    s.add(f'<rect x="{cx - 7}" y="{cy - 98}" width="14" height="34" rx="7" fill="{p["field"]}" stroke="{p["btn_edge"]}"/>')
    for i in range(5):
        hline(s, cx - 4, cx + 4, cy - 92 + 6 * i, p["icon"], 0.6)
    s.add(f'<rect x="{cx - 5}" y="{cy - 56}" width="10" height="16" rx="3" fill="{p["accent"]}" opacity="0.85"/>')
    for dy in (-6, 26):
        s.add(f'<rect x="{cx - 74}" y="{cy + dy}" width="7" height="26" rx="3" fill="{p["btn_top"]}" stroke="{p["btn_edge"]}"/>')
    strip = f"M{cx - 54},{cy + 70} C{cx - 40},{cy + 104} {cx + 40},{cy + 104} {cx + 54},{cy + 70}"
    s.add(f'<path d="{strip}" fill="none" stroke="{p["accent"]}" stroke-width="7" opacity="0.5" filter="{s.blur(3)}"/>')
    s.add(f'<path d="{strip}" fill="none" stroke="{p["accent_hi"]}" stroke-width="2" stroke-linecap="round"/>')
    s.add(f'<path d="{body}" fill="none" stroke="#ffffff" stroke-width="1" opacity="0.08" transform="translate(0,1)"/>')
    # a ring of ticks around it, like a sensor read-out
    for i in range(60):
        a = math.radians(i * 6)
        k0, k1 = (0.94, 1.0) if i % 5 == 0 else (0.965, 0.99)
        rx, ry = 92, 152
        s.add(f'<path d="M{cx + k0 * rx * math.sin(a):.1f},{cy - k0 * ry * math.cos(a):.1f} '
              f'L{cx + k1 * rx * math.sin(a):.1f},{cy - k1 * ry * math.cos(a):.1f}" '
              f'stroke="{p["accent"] if i % 5 == 0 else p["panel_edge"]}" stroke-width="1.2" opacity="0.8"/>')


def spectrum_ring(s, cx, cy, r0, r1, segments=36):
    for i in range(segments):
        a0 = math.radians(i * 360 / segments + 1.5)
        a1 = math.radians((i + 1) * 360 / segments - 1.5)
        colour = "#%02x%02x%02x" % tuple(
            int(255 * max(0, min(1, abs((i / segments * 6 + k) % 6 - 3) - 1))) for k in (0, 4, 2)
        )
        pts = [
            (cx + r0 * math.sin(a0), cy - r0 * math.cos(a0)),
            (cx + r1 * math.sin(a0), cy - r1 * math.cos(a0)),
            (cx + r1 * math.sin(a1), cy - r1 * math.cos(a1)),
            (cx + r0 * math.sin(a1), cy - r0 * math.cos(a1)),
        ]
        d = (f"M{pts[0][0]:.2f},{pts[0][1]:.2f} L{pts[1][0]:.2f},{pts[1][1]:.2f} "
             f"A{r1},{r1} 0 0 1 {pts[2][0]:.2f},{pts[2][1]:.2f} L{pts[3][0]:.2f},{pts[3][1]:.2f} "
             f"A{r0},{r0} 0 0 0 {pts[0][0]:.2f},{pts[0][1]:.2f} Z")
        s.add(f'<path d="{d}" fill="{colour}" opacity="0.85"/>')


def basic_page(s, p):
    r = rects("basic")
    panel(s, p, 14, 150, 228, 598)
    mouse_illustration(s, p, 121, 372)
    panel(s, p, 240, 150, 478, 598, [r["Key Setting title"]])
    panel(s, p, 490, 150, 870, 258, [r["Report Rate Setting title"]])
    panel(s, p, 490, 266, 682, 598, [r["DPI Setting title"]])
    panel(s, p, 690, 266, 870, 598, [r["DPI Effect title"]])
    # key panel: a groove under the Mode A / Mode B pair
    x0, y0 = r["Mode A"][0], r["Mode A"][1]
    well(s, p, x0 - 1, y0 - 2, r["Mode B"][2] + 1, r["Mode B"][3] + 2, size=5)
    fade_line(s, 252, 463, 503, p["head_line"], 1, both=True)
    watermark(s, p, 358, 442, 42)
    # report rate: one groove holding the four segments, with a tick under each
    segs = [r[f"report rate {hz}"] for hz in (125, 250, 500, 1000)]
    well(s, p, segs[0][0] - 2, segs[0][1] - 2, segs[-1][2] + 2, segs[-1][3] + 2, size=4)
    for left, top, right, bottom in segs:
        vline(s, (left + right) // 2, bottom + 3, bottom + 7, p["accent_lo"])
    # DPI: one column track per stage, frames round the colour swatches
    for st in range(1, 5):
        top = r[f"DPI stage {st} level 12"]
        bottom = r[f"DPI stage {st} level 1"]
        well(s, p, top[0] - 1, top[1] - 1, bottom[2] + 1, bottom[3] + 1, size=4)
        sw = r[f"DPI colour swatch {st}"]
        well(s, p, sw[0], sw[1], sw[2], sw[3], size=1)
    for n in range(1, 13):
        y = r[f"DPI stage 1 level {n}"][1] + 8
        hline(s, 546, 551, y, p["panel_edge"])
    # light area: three fields whose arrow part is drawn here, and an RGB ring
    for name in ("light mode", "light parameter", "light effect"):
        box = r[name + " box"]
        field_with_arrow(s, p, box, r[name + " label"][2])
    spectrum_ring(s, 779, 505, 48, 58)
    s.add(f'<circle cx="779" cy="505" r="44" fill="{p["field"]}" stroke="{p["panel_edge"]}"/>')
    s.add(f'<circle cx="779" cy="505" r="70" fill="none" stroke="{p["panel_edge"]}" stroke-dasharray="2 4"/>')
    icon(s, "mouse", 761, 487, 36, p["accent"], width=2)


def advanced_page(s, p):
    r = rects("advanced")
    heads = [r["Mouse Speed title"], r["Scrolling Speed title"], r["Double-Click Speed title"]]
    panel(s, p, 14, 150, 434, 614, heads)
    for y in (297, 447):
        fade_line(s, 24, 424, y, p["head_line"], 1, both=True)
    for row, name in ((1, "pointer"), (2, "scroll"), (3, "dblclick")):
        first, last = r[f"slider row {row} cell 1"], r[f"slider row {row} cell 11"]
        well(s, p, first[0] - 1, first[1] - 2, last[2] + 1, last[3] + 2, size=4)
        emblem(s, p, name, 385, first[1] + 7, 26)
    fade_line(s, 24, 424, 574, p["head_line"], 1, both=True)
    # macro editor: a table of two lists and the recording column
    panel(s, p, 446, 150, 870, 600, [r["Macro Setting title"]])
    top, bottom, left, right = 196, 514, 456, 864
    shape(s, p, left, top, right - left, bottom - top, p["list_bg"], p["field_edge"], size=4)
    s.add(f'<rect x="{left + 1}" y="{top + 1}" width="{right - left - 2}" height="23" '
          f'fill="{s.vgrad([(0, p["btn_top"], 1), (1, p["panel_head"], 1)])}"/>')
    hline(s, left + 1, right - 1, 220, p["accent_lo"])
    vline(s, 591, top + 1, bottom - 1, p["field_edge"])
    vline(s, 725, top + 1, bottom - 1, p["field_edge"])
    s.add(f'<rect x="726" y="221" width="{right - 727}" height="{bottom - 222}" fill="{p["panel"]}"/>')
    record_button(s, p, *r["Start Recording"], stop=False)
    record_button(s, p, *r["Stop Recording"], stop=True)
    for name in ("macro name edit", "loop times edit"):
        well(s, p, *r[name], size=2)
    box = r["insert mouse event box"]
    field_with_arrow(s, p, (box[0] - 1, box[1], box[2] + 1, box[3]), r["insert mouse event label"][2])
    fade_line(s, 456, 864, 524, p["head_line"], 1, both=True)


# ---------------------------------------------------------------- sub-dialogs

DIALOG_ICONS = {
    "single-key": "keycap", "windows-key": "windows", "media-key": "media", "fire-key": "fire",
    "macro-key": "macro", "combo-key": "combo", "delay-time": "clock", "skins": "palette",
}


def dialog(p, name):
    w, h = LAYOUT["images"][name + ".png"]["size"]
    s = window_base(p, w, h, 30)
    title_plate(s, p, 30)
    icon(s, DIALOG_ICONS[name], 10, 6, 18, p["accent_hi"] if p["shape"] == "chamfer" else p["accent"], width=1.6)
    for i in range(3):
        s.add(f'<path d="M{40 + 9 * i},24 l6,-12 h4 l-6,12 z" fill="{p["accent"]}" opacity="{0.6 - 0.17 * i:.2f}"/>')
    panel(s, p, 8, 40, w - 8, 248)
    s.add(f'<path d="M152,{h} L162,248 H{w} V{h} Z" fill="{p["panel_head"]}" opacity="0.8"/>')
    s.add(f'<path d="M152.5,{h} L162.5,248.5 H{w - 1}" fill="none" stroke="{p["head_line"]}"/>')
    s.add(f'<rect x="0.5" y="0.5" width="{w - 1}" height="{h - 1}" fill="none" stroke="{p["frame"]}"/>')
    corner_marks(s, p, w, h)
    r = rects(name)
    if "drop-down field" in r:
        field_with_arrow(s, p, r["drop-down field"], r["value display"][2])
    if name == "single-key":
        well(s, p, *r["key display"])
        emblem(s, p, "keycap", 300, 140, 56)
    elif name == "combo-key":
        field_with_arrow(s, p, r["modifier field"], r["modifier display"][2])
        for key in ("key 1 field", "key 2 field"):
            x0, y0, x1, y1 = r[key]
            well(s, p, x0 - 1, y0 - 1, x1 + 1, y1 + 1)
        # the captions of this dialog are pictures: a modifier badge and "+" between the fields
        icon(s, "keycap", 20, 69, 17, p["icon"], width=1.4)
        chevron(s, 28.5, 77, p["accent"], half=2.5, up=True)  # the modifier's badge: a shift-like caret
        for key in ("key 1 field", "key 2 field"):
            icon(s, "keycap", 20, r[key][1] - 1, 17, p["icon"], width=1.4)
            cy = r[key][1] - 17
            s.add(f'<path d="M90.5,{cy - 6} V{cy + 6} M84.5,{cy} H96.5" stroke="{p["accent"]}" '
                  f'stroke-width="2" stroke-linecap="round"/>')
        emblem(s, p, "combo", 300, 140, 56)
    elif name == "fire-key":
        field_with_arrow(s, p, r["key field"], r["key display"][2])
        for key in ("speed field", "times field"):
            x0, y0, x1, y1 = r[key]
            well(s, p, x0 - 1, y0 - 1, x1 + 1, y1 + 1)
        emblem(s, p, "fire", 300, 112, 52)
    elif name == "delay-time":
        x0, y0, x1, y1 = r["delay field"]
        well(s, p, x0, y0, x1, y1)
        emblem(s, p, "clock", 306, 140, 56)
    elif name == "skins":
        well(s, p, *r["colour swatch"], size=1)
        emblem(s, p, "palette", 300, 150, 56)
    elif name == "macro-key":
        for k in (1, 2, 3):
            x0, y0 = r[f"mode {k} box"][:2]
            shape(s, p, x0, y0, 16, 16, "#000000", size=4, opacity=0.3)
            pane_body(s, p, x0, y0, False)
    elif name in ("media-key", "windows-key"):
        emblem(s, p, DIALOG_ICONS[name], 300, 140, 56)
    return s


# ---------------------------------------------------------------- the whole skin


def skin(p):
    out = {
        "main.png": main_window(p, None),
        "BasicSet2.png": main_window(p, "basic"),
        "AdvancedSet2.png": main_window(p, "advanced"),
        "button-normal.png": push_button(p, 105, 21, False),
        "button-over.png": push_button(p, 105, 21, True),
        "DropdownBox-normal.png": dropdown_box(p, False),
        "DropdownBox-over.png": dropdown_box(p, True),
        "button-PrePage-normal.png": tab_button(p, "mouse", False),
        "button-PrePage-over.png": tab_button(p, "mouse", True),
        "button-NextPage-normal.png": tab_button(p, "gear", False),
        "button-NextPage-over.png": tab_button(p, "gear", True),
        "Pane.png": pane(p, False),
        "PaneMakingTick.png": pane(p, True),
        "slider-DPI-dark.png": cell(p, 16, 16, False),
        "slider-DPI-light.png": cell(p, 16, 16, True),
        "slider-RP-dark.png": cell(p, 70, 11, False),
        "slider-RP-light.png": cell(p, 70, 11, True),
        "slider-dark.png": slider_segment(p, False),
        "slider-light.png": slider_segment(p, True),
    }
    for kind, name in (("min", "min"), ("close", "close"), ("skins", "Skins")):
        out[f"button-{name}-normal.png"] = title_button(p, kind, False)
        out[f"button-{name}-over.png"] = title_button(p, kind, True)
    for name in DIALOG_ICONS:
        out[name + ".png"] = dialog(p, name)
    return out


def main(argv):
    if len(argv) != 2:
        sys.exit(__doc__)
    for name, palette in SKINS.items():
        folder = os.path.join(argv[1], name)
        os.makedirs(folder, exist_ok=True)
        images = skin(palette)
        missing = set(LAYOUT["images"]) - set(images)
        if missing:
            sys.exit(f"skinart: no drawing for {sorted(missing)}")
        for image, svg in images.items():
            want = LAYOUT["images"][image]["size"]
            if [svg.width, svg.height] != want:
                sys.exit(f"skinart: {image} is {svg.width}x{svg.height}, the layout says {want}")
            with open(os.path.join(folder, image[:-4] + ".svg"), "w") as f:
                f.write(svg.text())


if __name__ == "__main__":
    main(sys.argv)

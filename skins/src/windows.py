"""The backgrounds: main.png, the two page backgrounds and the eight sub-dialogs."""

import json
import math
import os

from controls import pane_body
from furniture import (
    corner_marks, emblem, field_with_arrow, header_ornament, logo, panel, record_button, title_plate,
    watermark, well, window_base,
)
from svgkit import chevron, fade_line, hline, icon, shape, vline

LAYOUT = json.load(open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "layout.json")))


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
    # the mouse panel has no title: its header carries a mouse icon and signal bars instead
    panel(s, p, 14, 150, 228, 598, [(40, 160, 200, 181)])
    icon(s, "mouse", 24, 162, 17, p["accent"], width=1.5)
    for i in range(5 if p["shape"] == "round" else 0):  # the chamfered header has its slashes there
        s.add(f'<rect x="{184 + 6 * i}" y="{176 - 3 * i}" width="4" height="{4 + 3 * i}" '
              f'fill="{p["accent"]}" opacity="{0.35 + 0.13 * i:.2f}"/>')
    mouse_illustration(s, p, 121, 380)
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

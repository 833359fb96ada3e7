"""What every window background is made of: texture, title bar, mark, panels, fields, emblems."""

import math

from svgkit import Svg, chevron, fade_line, hline, icon, outline, shape, vline


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
            # a lit stretch of the panel's left edge, clear of titles that overflow their rectangle
            s.add(f'<rect x="{x0 - 2}" y="{top}" width="6" height="{bottom - top}" fill="{p["accent"]}" '
                  f'opacity="0.45" filter="{s.blur(1.5)}"/>')
            s.add(f'<rect x="{x0}" y="{top + 2}" width="2" height="{bottom - top - 4}" fill="{p["accent_hi"]}"/>')
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

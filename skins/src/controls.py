"""The small control images of a skin: buttons, drop-down box, option boxes, slider cells."""

from svgkit import Svg, chevron, fade_line, hline, icon, shape, vline


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

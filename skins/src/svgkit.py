"""Drawing on the program's pixel grid as SVG text: the document, shapes, lines and icons.

Fills sit on whole pixels and 1-pixel lines on half pixels, so that rendering keeps them crisp.
Every function takes the skin's palette `p`; its "shape" picks rounded or chamfered outlines.
"""

import math


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

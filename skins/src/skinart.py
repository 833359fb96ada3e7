#!/usr/bin/env python3
"""Writes the SVG sources of the shipped skins from one palette per skin.

The pictures are drawn by svgkit (primitives), controls (small control images), furniture
(what backgrounds are made of) and windows (main window, pages, sub-dialogs), on the program's
fixed pixel grid. The rectangles come from skins/layout.json, the same table scripts/check-skins
verifies the rendered PNGs against.

    skinart.py OUT_DIR      writes OUT_DIR/<skin>/<image>.svg for every skin
"""

import os
import sys

from controls import cell, dropdown_box, pane, push_button, slider_segment, tab_button, title_button
from windows import DIALOG_ICONS, LAYOUT, dialog, main_window

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
        cell_off="#1b1f23", cell_off_edge="#2c3339", pane_edge="#5d6770", list_bg="#0e0f0e",
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
        cell_off="#142033", cell_off_edge="#233650", pane_edge="#4f6a8c", list_bg="#0e0f0e",
    ),
}


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

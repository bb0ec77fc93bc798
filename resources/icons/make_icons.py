#!/usr/bin/env python3
"""Writes the program's icons as small SVG files; the build compiles every one of them in.

One flat style throughout: a 16 x 16 grid, a dark 1-pixel outline, soft fills. Run it from
this folder after changing a drawing; its output is committed beside it.
"""
import os

OUT = os.path.dirname(os.path.abspath(__file__))
LINE = "#3b3f45"


def svg(body, size=16):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{size}" height="{size}" '
            f'viewBox="0 0 16 16">{body}</svg>\n')


def rect(x, y, w, h, fill, rx=1.0, stroke=LINE, width=1.0):
    return (f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="{rx}" fill="{fill}" '
            f'stroke="{stroke}" stroke-width="{width}"/>')


def path(d, fill="none", stroke=LINE, width=1.0, extra=""):
    return (f'<path d="{d}" fill="{fill}" stroke="{stroke}" stroke-width="{width}" '
            f'stroke-linejoin="round" stroke-linecap="round" {extra}/>')


# Letters drawn as strokes, so that no picture needs a font: each is a list of strokes in a box
# one unit wide and one high (the cap height), with dots as (x, y) pairs.
GLYPHS = {
    "?": (0.6, ["M0.1 0.3C0.1 -0.05 0.9 -0.05 0.9 0.3C0.9 0.5 0.5 0.5 0.5 0.72"], [(0.5, 0.97)]),
    "i": (0.3, ["M0.5 0.38L0.5 1"], [(0.5, 0.06)]),
    "M": (0.85, ["M0 1L0 0L0.5 0.65L1 0L1 1"], []),
    "S": (0.65, ["M0.9 0.15C0.75 -0.02 0.1 -0.05 0.1 0.27C0.1 0.55 0.9 0.45 0.9 0.73"
                 "C0.9 1.05 0.25 1.05 0.08 0.85"], []),
}


def text(x, y, t, size=7, fill="#ffffff"):
    """The letter t centred on x with its baseline on y, as tall as a bold letter of the size."""
    ratio, strokes, dots = GLYPHS[t]
    height = 0.72 * size
    width = ratio * height
    left, top = x - width / 2, y - height
    stroke = round(0.16 * size, 2)

    def point(u, v):
        return f"{round(left + u * width, 2)} {round(top + v * height, 2)}"

    def scaled(d):
        out, numbers = [], []
        for token in d.replace("M", " M ").replace("L", " L ").replace("C", " C ").split():
            if token in "MLC":
                out.append(token)
            else:
                numbers.append(float(token))
                if len(numbers) == 2:
                    out.append(point(*numbers))
                    numbers = []
        return " ".join(out)

    body = "".join(path(scaled(d), stroke=fill, width=stroke) for d in strokes)
    for u, v in dots:
        cx, cy = point(u, v).split()
        body += f'<circle cx="{cx}" cy="{cy}" r="{round(stroke * 0.65, 2)}" fill="{fill}"/>'
    return body


def folder(fill="#f2c94c"):
    return path("M1.5 4.5h5l1.5 1.5h6.5v7.5h-13z", fill) + path("M1.5 6.5h13", stroke="#c9a227")


def document(fill="#ffffff", lines=False):
    body = path("M3.5 1.5h6l3 3v10h-9z", fill) + path("M9.5 1.5v3h3")
    if lines:
        body += "".join(path(f"M5 {y}h6", stroke="#8a8f98") for y in (7, 9, 11))
    return body


def cartridge(fill, label=None):
    body = path("M3.5 2.5h9v8h-1v3h-7v-3h-1z", fill) + rect(5.5, 4.5, 5, 3, "#ffffffaa", 0.5)
    if label:
        body += text(8, 13, label, 4, LINE)
    return body


def floppy(fill, pattern=False):
    body = path("M2.5 2.5h10l1 1v10h-11z", fill) + rect(5, 2.5, 6, 4, "#e8ebef", 0.3)
    body += rect(4.5, 9.5, 7, 4, "#ffffff", 0.3)
    if pattern:
        body += "".join(path(f"M{x} 10v3", stroke="#6c7a89") for x in (6, 8, 10))
    return body


def cassette(fill="#6d6875"):
    return (rect(1.5, 3.5, 13, 9, fill) + rect(3.5, 5.5, 9, 4, "#f4f1de", 0.5) +
            f'<circle cx="5.8" cy="7.5" r="1.2" fill="{LINE}"/>'
            f'<circle cx="10.2" cy="7.5" r="1.2" fill="{LINE}"/>' + path("M4.5 12.5l1-2h5l1 2"))


def window(fill="#4f86c6"):
    return rect(1.5, 2.5, 13, 11, "#ffffff") + rect(1.5, 2.5, 13, 3, fill, 1) + \
        path("M4 9l2 1.5L4 12", stroke="#4f86c6")


def cross():
    return path("M4 4l8 8M12 4l-8 8", stroke="#d64545", width=2.4)


def square(fill, letter=None):
    body = rect(2.5, 2.5, 11, 11, fill, 2)
    if letter:
        body += text(8, 11, letter, 8)
    return body


MAPPER_COLOURS = ["#e76f51", "#f4a261", "#e9c46a", "#8ab17d", "#2a9d8f", "#287271",
                  "#4895ef", "#3a0ca3", "#b5179e", "#4f86c6", "#7d8597"]


def media_icons():
    icons = {
        0: cartridge("#d9dde3"),
        1: floppy("#d9dde3"),
        2: cartridge("#f28db2"),
        3: cassette("#b9bcc4"),
        4: cassette(),
        5: cross(),
        6: path("M8 13V4M4.5 7.5L8 4l3.5 3.5", stroke="#2f6fb3", width=1.6),
        18: rect(1.5, 5.5, 13, 6, "#cfd4da") + rect(4, 7.5, 8, 1.5, LINE, 0.3) +
        path("M11.5 10.5h1", stroke="#3ecf63", width=1.2),
    }
    for index, colour in enumerate(MAPPER_COLOURS):
        icons[7 + index] = square(colour, "S" if 7 + index in (12, 14) else None)
    return icons


def file_icons():
    return {
        0: folder(),
        1: document(),
        2: cartridge("#f28db2"),
        3: floppy("#5b8fd9"),
        4: cassette(),
        5: window(),
        6: path("M8 12.5V4M4.5 7.5L8 4l3.5 3.5", stroke="#2f6fb3", width=1.6) +
        "".join(f'<circle cx="{x}" cy="14" r="0.8" fill="{LINE}"/>' for x in (6, 8, 10)),
        7: cartridge("#b9bcc4"),
        8: floppy("#b9bcc4"),
        9: floppy("#8fb3e0", pattern=True),
        10: path("M2.5 6h3l3.5-3v10l-3.5-3h-3z", "#e9c46a") +
        path("M11 5.5q2 2.5 0 5M12.5 4q3.5 4 0 8", stroke="#4f86c6"),
        11: rect(1.5, 4.5, 13, 8, "#ffffff") +
        "".join(rect(x, 4.5, 1.6, 4.5, LINE, 0.2) for x in (3.6, 6.2, 9.8, 12.4)),
        12: f'<circle cx="8" cy="8" r="6.5" fill="#7d8597" stroke="{LINE}"/>' +
        "".join(f'<circle cx="{x}" cy="{y}" r="1.4" fill="#ffffff"/>'
                for x, y in ((8, 4.5), (8, 11.5), (4.5, 8), (11.5, 8))),
        13: document() + rect(5, 7, 6, 5, "#8ecae6", 0.3, width=0.6),
        14: document() + rect(5, 7, 6, 5, "#95d5b2", 0.3, width=0.6),
        15: document() + rect(5, 7, 6, 5, "#f4a261", 0.3, width=0.6),
        16: document() + f'<circle cx="8" cy="9.5" r="3" fill="#90e0ef" stroke="{LINE}" '
        f'stroke-width="0.6"/>' + path("M5 9.5h6M8 6.5v6", stroke=LINE, width=0.6),
        17: document(lines=True),
        18: rect(2.5, 5.5, 11, 8, "#d4a373") + path("M1.5 3.5h13v2h-13z", "#e6ccb2") +
        path("M7 8.5h2", width=1.4),
    }


def drive_icons():
    body = lambda fill: rect(1.5, 4.5, 13, 7, fill)  # noqa: E731
    return {
        "removable": body("#cfd4da") + rect(4, 6.5, 8, 1.5, LINE, 0.3),
        "fixed": body("#aab2bd") + path("M11.5 9.5h1", stroke="#3ecf63", width=1.4),
        "remote": body("#aab2bd") + path("M8 11.5v3M4 14.5h8", stroke="#2f6fb3", width=1.2),
        "cdrom": f'<circle cx="8" cy="8" r="6.5" fill="#e0e7ef" stroke="{LINE}"/>'
        f'<circle cx="8" cy="8" r="1.6" fill="#ffffff" stroke="{LINE}"/>',
        "ramdisk": rect(1.5, 5.5, 13, 5, "#8ab17d") +
        "".join(rect(x, 10.5, 1, 2, LINE, 0) for x in (3, 5.5, 8, 10.5, 13)),
    }


def tool_icons():
    return {
        "unknown": window("#9aa0a6") + text(11.5, 12.5, "?", 6, "#d64545"),
        "known": window() + path("M8.5 10.5l2 2 3.5-4", stroke="#2e9e55", width=1.6),
        "system": rect(1.5, 3.5, 13, 8, "#4f86c6") + path("M5.5 13.5h5"),
        "resolution": rect(1.5, 2.5, 13, 10, "#ffffff") +
        path("M4 5.5v-1.5h2M12 5.5v-1.5h-2M4 9.5v1.5h2M12 9.5v1.5h-2", stroke="#2f6fb3"),
        "edit": document(lines=True) + path("M7 13l6-6 1.5 1.5-6 6h-1.5z", "#e9c46a"),
        "check": document(lines=True) + f'<circle cx="10.5" cy="10.5" r="3" fill="#ffffff88" '
        f'stroke="{LINE}"/>' + path("M12.8 12.8l2 2", width=1.6),
        "run": path("M4.5 2.5l9 5.5-9 5.5z", "#2e9e55"),
        "emulator": rect(1.5, 4.5, 13, 8, "#3a3f58") + rect(3, 6, 7, 5, "#90e0ef", 0.3) +
        f'<circle cx="12" cy="8.5" r="1" fill="#e76f51"/>',
        "folder": folder(),
        "big": rect(1.5, 1.5, 6, 6, "#8ecae6") + rect(8.5, 1.5, 6, 6, "#8ecae6") +
        rect(1.5, 8.5, 6, 6, "#8ecae6") + rect(8.5, 8.5, 6, 6, "#8ecae6"),
        "small": "".join(rect(x, y, 3, 3, "#8ecae6", 0.5) for x in (2, 7, 12) for y in (3, 7, 11)),
        "list": "".join(rect(2, y, 3, 2.4, "#8ecae6", 0.4) + path(f"M7 {y + 1.2}h7")
                        for y in (2.5, 6.8, 11.1)),
        "report": rect(1.5, 2.5, 13, 11, "#ffffff", 0.5) + path("M1.5 5.5h13M6 2.5v11"),
        "eject": cross(),
        "new-file": document() + path("M11 10v5M8.5 12.5h5", stroke="#2e9e55", width=1.6),
        "new-folder": folder() + path("M11 9v5M8.5 11.5h5", stroke="#2e9e55", width=1.6),
        "open": folder() + path("M8 12V8M6 10l2-2 2 2", stroke="#2f6fb3", width=1.2),
        "rename": rect(1.5, 5.5, 13, 5, "#ffffff", 0.5) + path("M10 4v8M8.5 4h3M8.5 12h3"),
        "move": document() + path("M6 10h6M10 8l2 2-2 2", stroke="#2f6fb3", width=1.4),
        "copy": rect(2.5, 2.5, 8, 9, "#ffffff", 0.5) + rect(5.5, 5.5, 8, 9, "#ffffff", 0.5),
        "join": rect(1.5, 3.5, 5, 9, "#ffffff", 0.5) + rect(9.5, 3.5, 5, 9, "#ffffff", 0.5) +
        path("M6.5 8h3", stroke="#2f6fb3", width=1.4),
        "trash": path("M4 5.5h8l-1 9h-6z", "#cfd4da") + path("M2.5 4h11M6.5 4V2.5h3V4"),
        "refresh": path("M13 8a5 5 0 1 1-1.5-3.5M11.5 1.5v3h-3", stroke="#2e9e55", width=1.5),
        "about": f'<circle cx="8" cy="8" r="6.5" fill="#4f86c6" stroke="{LINE}"/>' +
        text(8, 12, "i", 9),
        "help": f'<circle cx="8" cy="8" r="6.5" fill="#2e9e55" stroke="{LINE}"/>' +
        text(8, 12, "?", 9),
        "home": path("M2 8l6-5.5 6 5.5M3.5 7v7h9V7", "#f4f1de") + rect(6.5, 10, 3, 4, "#d4a373", 0),
        # The button of a band or menu bar too short for all its items.
        "more-h": path("M4 4.5l3.5 3.5-3.5 3.5M8.5 4.5l3.5 3.5-3.5 3.5", width=1.4),
        "more-v": path("M4.5 4l3.5 3.5 3.5-3.5M4.5 8.5l3.5 3.5 3.5-3.5", width=1.4),
    }


def program_icon():
    return svg(rect(0.5, 2.5, 15, 11, "#3a3f58", 2) + rect(2.5, 4.5, 8, 7, "#90e0ef", 0.5) +
               text(6.5, 10, "M", 6, "#3a3f58") +
               f'<circle cx="13" cy="6" r="1.1" fill="#e76f51"/>'
               f'<circle cx="13" cy="10" r="1.1" fill="#e9c46a"/>', 64)


def main():

    def write(name, content):
        full = os.path.join(OUT, name)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        with open(full, "w", encoding="utf-8") as out:
            out.write(content)

    for index, body in sorted(media_icons().items()):
        write(f"media/{index}.svg", svg(body))
    for index, body in sorted(file_icons().items()):
        write(f"files/{index}.svg", svg(body, 32))
    for name, body in drive_icons().items():
        write(f"drives/{name}.svg", svg(body))
    for name, body in tool_icons().items():
        write(f"tools/{name}.svg", svg(body))
    write("program.svg", program_icon())



if __name__ == "__main__":
    main()

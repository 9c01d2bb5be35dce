#!/usr/bin/env python3
"""End to end on a screen of two device pixels to a logical one (QT_SCALE_FACTOR=2 on a 2048 x 1536 virtual
screen, so 1024 x 768 logical): the main window and the palettes keep their layout in logical pixels; the
button faces, the palette's skin glyphs and its thumbnails on the screen are, pixel for pixel, the pictures
the generator drew for that ratio and not the plain ones enlarged; and the canvas shows each pixel of the
saved picture as a sharp 2 x 2 block."""

import os
import sys

from harness import Failure, Picture, make_picture, read_artwork, read_bmp, read_picture, run_test, write_bmp
from program_ui import BMP, BUTTONS, GRID_PALETTE_SIZE, THUMBNAIL_COLUMNS, THUMBNAIL_ROWS, Festoon

RATIO = 2
SCREEN = (2048, 1536)
LOGICAL = (SCREEN[0] // RATIO, SCREEN[1] // RATIO)
WINDOW = (LOGICAL[0] - 4, LOGICAL[1] - 25)
CANVAS = (LOGICAL[0] - 148, LOGICAL[1] - 101)
CANVAS_ORIGIN = (117, 61)
FACES = {"New": "New", "Save": "Save", "Photo": "Photo", "Backdrop": "Backdrop", "Mask": "Mask",
         "Flower": "Flower", "Cartoon": "Cartoon", "Text": "Text", "Frame": "Frame", "Del Frame": "DelFrame",
         "Help": "Help", "Copy": "Copy", "Delete": "Delete", "Open": "Open", "Export": "Export"}
LAYOUT = dict(BUTTONS)
# The order the main window makes its buttons in: a later one is drawn over an earlier one.
CREATION_ORDER = ("New", "Save", "Photo", "Backdrop", "Mask", "Flower", "Cartoon", "Text", "Frame", "Del Frame",
                  "Help", "Copy", "Delete", "Open", "Export")


def device(box):
    return tuple(value * RATIO for value in box)


class SharpFestoon(Festoon):
    """The program with its buttons pressed where they are on the scaled screen."""

    def press(self, button):
        left, top, width, height = device(BUTTONS[button])
        self.session.click((left + width // 2, top + height // 2))


def enlarged(picture):
    """The picture enlarged as a stretch would enlarge it: each pixel a block of RATIO x RATIO."""
    rows = []
    for y in range(picture.height):
        row = picture.rgb[y * picture.width * 3:(y + 1) * picture.width * 3]
        wide = b"".join(row[x * 3:x * 3 + 3] * RATIO for x in range(picture.width))
        rows.extend([wide] * RATIO)
    return Picture(picture.width * RATIO, picture.height * RATIO, b"".join(rows))


def differing(shown, art, key=None, tolerance=0, rows=None):
    """How many pixels of the art the screen does not show (pixels of the key colour aside), in the given
    rows or all of them."""
    count = 0
    for y in rows if rows is not None else range(art.height):
        for x in range(art.width):
            colour = art.pixel(x, y)
            if colour != key and any(abs(a - b) > tolerance for a, b in zip(shown.pixel(x, y), colour)):
                count += 1
    return count


def uncovered_rows(button):
    """The rows of a button (in device pixels, from its top) that no button made after it covers: the
    column's buttons of the layout share a row or two of their transparent margins, where the later one
    is drawn over the earlier."""
    left, top, width, height = device(LAYOUT[button])
    later = [device(LAYOUT[other]) for other in CREATION_ORDER[CREATION_ORDER.index(button) + 1:]]
    return [y for y in range(height)
            if not any(o[0] < left + width and left < o[0] + o[2] and o[1] <= top + y < o[1] + o[3]
                       for o in later)]


def expect_drawn_for_ratio(screen, box, sharp, plain, what, key=None, tolerance=0, rows=None):
    """The screen shows the picture drawn for the ratio in box (device pixels), not the plain one enlarged."""
    if (sharp.width, sharp.height) != (box[2], box[3]) or (plain.width * RATIO, plain.height * RATIO) != box[2:]:
        raise Failure(f"{what}: the pictures are {sharp.width} x {sharp.height} and {plain.width} x "
                      f"{plain.height}, the place on the screen {box[2]} x {box[3]}")
    shown = screen.crop(*box)
    wrong = differing(shown, sharp, key, tolerance, rows)
    if wrong:
        raise Failure(f"{what}: {wrong} pixels differ from the picture drawn for ratio {RATIO}")
    if differing(shown, enlarged(plain), key, tolerance, rows) == 0:
        raise Failure(f"{what}: the plain picture enlarged looks the same; the check would prove nothing")
    print(f"{what}: the picture drawn for ratio {RATIO}, pixel for pixel")


def run(session):
    plain_env = session.env
    session.env = lambda: dict(plain_env(), QT_SCALE_FACTOR=str(RATIO))
    program_folder = os.path.dirname(session.program)
    resources = os.path.join(os.path.dirname(program_folder), "artwork-resources")
    if not os.path.isdir(resources):
        raise Failure(f"no generated resources at {resources}")

    # A photo whose fine detail shows any smoothing.
    photo = make_picture(333, 207, lambda x, y: ((x * 7) % 256, (y * 11) % 256, ((x + y) * 5) % 256))
    write_bmp(session.path("detail.bmp"), photo)
    process = session.start_program(args=[session.path("detail.bmp")])
    main = session.wait_for_window(lambda w: (w.x, w.y, w.width, w.height) == (0, 0) + device(WINDOW),
                                   "the main window, its usual layout at twice the pixels", process=process)
    app = SharpFestoon(session)
    app.process, app.main = process, main
    session.move((SCREEN[0] - 40, SCREEN[1] - 40))
    screen = session.wait_until_settled()
    session.screenshot("sharp-main-window")

    for button, art in FACES.items():
        sharp = read_bmp(os.path.join(resources, "buttons", f"{art}_rest@2x.bmp"))
        plain = read_bmp(os.path.join(resources, "buttons", f"{art}_rest.bmp"))
        # The column's faces are keyed out where they show their bottom-left colour.
        key = sharp.pixel(0, sharp.height - 1) if button not in ("Copy", "Delete") else None
        expect_drawn_for_ratio(screen, device(LAYOUT[button]), sharp, plain, f"the {button} button", key,
                               rows=uncovered_rows(button))

    palette_size = device(GRID_PALETTE_SIZE)
    before = session.windows()
    app.press("Mask")
    palette = session.wait_for_new_window(before, "the mask palette at twice the pixels", palette_size)
    shown = session.wait_until_settled(region=(palette.x, palette.y, palette.width, palette.height))
    session.screenshot("sharp-mask-palette")
    for item in (1, 7, 20):
        left, top = THUMBNAIL_COLUMNS[(item - 1) % 5], THUMBNAIL_ROWS[(item - 1) // 5]
        box = (palette.x + left * RATIO, palette.y + top * RATIO, 80 * RATIO, 80 * RATIO)
        sharp = read_artwork(os.path.join(program_folder, "pic", "mask", "1", "small", f"{item}@2x.ssl"))
        plain = read_artwork(os.path.join(program_folder, "pic", "mask", "1", "small", f"{item}.ssl"))
        expect_drawn_for_ratio(shown, box, sharp, plain, f"mask thumbnail {item}", tolerance=2)
    session.focus(palette)
    session.key("Escape")
    session.wait_window_gone(palette, "the mask palette")

    app.save_as(session.path("card.bmp"), BMP)
    saved = read_picture(session.path("card.bmp"))
    if (saved.width, saved.height) != CANVAS:
        raise Failure(f"the saved picture is {saved.width} x {saved.height}, expected the logical canvas {CANVAS}")
    session.move((SCREEN[0] - 40, SCREEN[1] - 40))
    region = device(CANVAS_ORIGIN + CANVAS)
    canvas = session.wait_until_settled(region=region).crop(*region)
    session.screenshot("sharp-saved")
    if canvas.rgb != enlarged(saved).rgb:
        wrong = differing(canvas, enlarged(saved))
        raise Failure(f"{wrong} device pixels of the canvas differ from the saved picture's 2 x 2 blocks")
    print(f"the canvas shows all {saved.width * saved.height} pixels of the saved picture as 2 x 2 blocks")


if __name__ == "__main__":
    sys.exit(run_test(run, SCREEN, __doc__))

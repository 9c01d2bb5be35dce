#!/usr/bin/env python3
"""End to end at 1024 x 768: what the canvas shows on the screen is, pixel for pixel, what Save writes. At
start (the start backdrop alone), with a photo and a cartoon before saving (the selection marks aside),
and after saving, when no marks are left."""

import sys

from canvas_model import selection_bounds
from harness import Failure, make_picture, read_picture, run_test, write_bmp
from program_ui import BMP, Festoon

SCREEN = (1024, 768)
MARK = (254, 3, 3)


def compare(shown, saved, what, skip_marks=False):
    """Fails unless every pixel of the canvas on the screen equals the saved picture's."""
    if (shown.width, shown.height) != (saved.width, saved.height):
        raise Failure(f"{what}: the canvas is {shown.width} x {shown.height}, the saved picture "
                      f"{saved.width} x {saved.height}")
    differing = 0
    first = None
    marks = 0
    handle = (0, 0, 0, 0)
    if skip_marks:
        # The turn handle: a ring on a stem above the middle of the selected object's top edge.
        left, top, width, _ = selection_bounds(shown)
        handle = (left + width // 2 - 7, top - 30, 15, 31)
    for y in range(saved.height):
        for x in range(saved.width):
            on_screen = shown.pixel(x, y)
            in_handle = handle[0] <= x < handle[0] + handle[2] and handle[1] <= y < handle[1] + handle[3]
            if skip_marks and (on_screen == MARK or in_handle):
                marks += 1
                continue
            if on_screen != saved.pixel(x, y):
                differing += 1
                first = first or (x, y, on_screen, saved.pixel(x, y))
    if differing:
        x, y, on_screen, in_file = first
        raise Failure(f"{what}: {differing} pixels differ, first at {x}, {y}: {on_screen} on the screen, "
                      f"{in_file} in the file")
    print(f"{what}: all {saved.width * saved.height - marks} pixels equal" +
          (f" ({marks} mark pixels aside)" if skip_marks else ""))


def run(session):
    app = Festoon(session).start()
    session.screenshot("started")
    at_start = app.canvas_shot()
    app.save_as(session.path("start.bmp"), BMP)
    compare(at_start, read_picture(session.path("start.bmp")), "at start")

    # A photo whose fine detail shows any difference between two ways of scaling it.
    photo = make_picture(333, 207, lambda x, y: ((x * 7) % 256, (y * 11) % 256, ((x + y) * 5) % 256))
    write_bmp(session.path("detail.bmp"), photo)
    app.open_file("Photo", session.path("detail.bmp"))
    palette = app.open_palette("Cartoon")
    app.place(palette, 2, "placing a cartoon")
    app.hide_palette(palette)
    session.screenshot("photo-and-cartoon")
    with_marks = app.canvas_shot()
    app.save_as(session.path("card.bmp"), BMP)
    saved = read_picture(session.path("card.bmp"))
    compare(with_marks, saved, "before saving", skip_marks=True)
    session.screenshot("saved")
    compare(app.canvas_shot(), saved, "after saving")


if __name__ == "__main__":
    sys.exit(run_test(run, SCREEN, __doc__))

#!/usr/bin/env python3
"""End to end at 1024 x 768: load a photo through the real open dialog, drag it across the canvas with the
real pointer, save it as a BMP through the real save dialog, and check the saved picture's size and where
the photo ended up."""

import sys

from harness import Failure, close_to, read_picture, run_test, solid, write_bmp
from program_ui import BMP, Festoon

SCREEN = (1024, 768)
PHOTO_COLOUR = (230, 30, 40)
PHOTO_SIZE = (200, 100)  # shown at 400 x 200 at 10, 10 on the canvas
DRAG = (200, 250)


def run(session):
    write_bmp(session.path("photo.bmp"), solid(*PHOTO_SIZE, PHOTO_COLOUR))
    app = Festoon(session).start()
    session.screenshot("started")

    app.open_file("Photo", session.path("photo.bmp"))
    session.screenshot("photo-loaded")
    app.expect_selection((10, 10, 400, 200), "the photo")

    # Pressed in the photo's move zone and dragged in small steps, as a hand would.
    start = (10 + 200, 10 + 100)
    app.drag_on_canvas(start, (start[0] + DRAG[0], start[1] + DRAG[1]), "dragging the photo")
    session.screenshot("dragged")

    app.save_as(session.path("result.bmp"), BMP)
    session.screenshot("saved")
    saved = read_picture(session.path("result.bmp"))
    if (saved.width, saved.height) != session.canvas_size:
        raise Failure(f"saved picture is {saved.width} x {saved.height}, expected {session.canvas_size}")
    moved_centre = (10 + 200 + DRAG[0], 10 + 100 + DRAG[1])
    if saved.pixel(*moved_centre) != PHOTO_COLOUR:
        raise Failure(f"photo colour expected at {moved_centre}, found {saved.pixel(*moved_centre)}")
    old_centre = (10 + 200 - 50, 10 + 100 - 50)  # inside the old place, outside the new one
    if close_to(saved.pixel(*old_centre), PHOTO_COLOUR, 12):
        raise Failure(f"the photo is still at its old place ({old_centre})")
    print(f"saved {saved.width} x {saved.height}; photo found at {moved_centre}")


if __name__ == "__main__":
    sys.exit(run_test(run, SCREEN, __doc__))

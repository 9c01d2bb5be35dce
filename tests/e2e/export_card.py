#!/usr/bin/env python3
"""End to end at 1024 x 768: a phone photo stored on its side with an EXIF orientation of 6 opens upright
through the real open dialog; Ctrl+E opens the Export dialog, whose Export button (three times the
canvas, JPEG, at first) leads to the real save dialog; the exported file is three times the canvas, with
the photo upright at three times its place."""

import os
import struct
import subprocess
import sys

from harness import Failure, close_to, read_picture, run_test, solid, write_bmp
from program_ui import Festoon

SCREEN = (1024, 768)
TOP, BOTTOM = (220, 40, 40), (40, 60, 220)  # the upright photo: red above blue


def with_orientation(jpeg, orientation):
    """The JPEG with an APP1 marker after its start declaring the EXIF orientation, as a phone writes it:
    a little-endian TIFF structure of one directory holding one entry."""
    tiff = b"II*\0" + struct.pack("<IH", 8, 1) + struct.pack("<HHIHH", 0x0112, 3, 1, orientation, 0)
    payload = b"Exif\0\0" + tiff + struct.pack("<I", 0)
    return jpeg[:2] + b"\xff\xe1" + struct.pack(">H", len(payload) + 2) + payload + jpeg[2:]


def stored_on_its_side(session):
    """A 300 x 200 JPEG stored turned a quarter anticlockwise (red on the left), tagged to be turned
    a quarter clockwise: upright it is 200 x 300, red above blue."""
    write_bmp(session.path("left.bmp"), solid(150, 200, TOP))
    write_bmp(session.path("right.bmp"), solid(150, 200, BOTTOM))
    subprocess.run(["convert", session.path("left.bmp"), session.path("right.bmp"), "+append", "-quality", "95",
                    session.path("stored.jpg")], check=True)
    with open(session.path("stored.jpg"), "rb") as stored, open(session.path("phone.jpg"), "wb") as phone:
        phone.write(with_orientation(stored.read(), 6))
    return session.path("phone.jpg")


def run(session):
    photo = stored_on_its_side(session)
    app = Festoon(session).start()
    app.open_file("Photo", photo)
    session.screenshot("photo-upright")
    # Upright, 400 pixels along its longer side: 266 x 400 at 10, 10.
    app.expect_selection((10, 10, 266, 400), "the upright photo")

    before = session.windows()
    session.focus(app.main)
    session.key("ctrl+e")
    dialog = session.wait_for_new_window(before, "the Export dialog")
    session.focus(dialog)
    session.screenshot("export-dialog")
    session.key("Return")
    save = session.wait_for_window(lambda w: w.name.startswith("Save the picture as"), "the export's save dialog")
    session.focus(save)
    target = session.path("card-3x.jpg")
    session.type_text(target)
    session.key("Return")
    session.wait_window_gone(save, "the export's save dialog")
    session.poll(lambda: os.path.exists(target), f"{target} to be written", 60)
    session.screenshot("exported")
    session.keep(target)

    exported = read_picture(target)
    width, height = session.canvas_size
    if (exported.width, exported.height) != (3 * width, 3 * height):
        raise Failure(f"the export is {exported.width} x {exported.height}, expected 3 x {width} x {height}")
    top, bottom = exported.pixel(3 * (10 + 133), 3 * (10 + 100)), exported.pixel(3 * (10 + 133), 3 * (10 + 300))
    if not close_to(top, TOP, 40) or not close_to(bottom, BOTTOM, 40):
        raise Failure(f"the photo in the export is not upright: {top} above, {bottom} below")
    print(f"exported {exported.width} x {exported.height}; the photo upright, red {top} above blue {bottom}")


if __name__ == "__main__":
    sys.exit(run_test(run, SCREEN, __doc__))

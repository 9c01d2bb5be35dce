#!/usr/bin/env python3
"""End to end at 1024 x 768, on a copy of the program folder with a cartoon's mask deleted and a flower
thumbnail of page 2 cut short: each shows its message in the error box ("Cannot open file <full path>",
"JPEG error #<n>"), nothing half-done is left on the canvas, and the program goes on working."""

import os
import re
import shutil
import sys

from canvas_model import Composition, PlacedObject
from harness import Failure, read_picture, run_test, solid, write_bmp
from program_ui import BMP, Festoon

SCREEN = (1024, 768)
BACKDROP_COLOUR = (120, 100, 160)


def broken_copy(session):
    """The built program folder copied, then damaged: the program finds main/ and pic/ beside itself."""
    folder = session.path("program")
    shutil.copytree(os.path.dirname(session.program), folder)
    missing = os.path.join(folder, "pic", "cartoon", "1", "mask", "3.ssl")
    os.remove(missing)
    truncated = os.path.join(folder, "pic", "flower", "2", "small", "5.ssl")
    with open(truncated, "r+b") as thumbnail:
        thumbnail.truncate(os.path.getsize(truncated) // 2)
    return os.path.join(folder, os.path.basename(session.program)), missing


def run(session):
    program, missing = broken_copy(session)
    write_bmp(session.path("plain.bmp"), solid(40, 30, BACKDROP_COLOUR))
    model = Composition(session.canvas_size, solid(40, 30, BACKDROP_COLOUR))
    app = Festoon(session, program).start()
    app.open_file("Backdrop", session.path("plain.bmp"))

    # The cartoon whose mask is missing: the message names the file, and no object appears.
    cartoons = app.open_palette("Cartoon")
    before = session.windows()
    session.click(app.thumbnail(cartoons, 3))
    app.expect_error_box(before, re.escape(f"Cannot open file {missing}"), "a cartoon without its mask")
    app.hide_palette(cartoons)
    model.check(app.canvas_shot(), 0, "the canvas after the failed cartoon")

    # The program goes on: the next cartoon is placed as usual.
    cartoon = app.place_artwork(model, "Cartoon", 4, "cartoon/1/pic/4.ssl", "cartoon/1/mask/4.ssl", (240, 240),
                                "cartoon 4")
    app.move_object(cartoon, (500, 300), "the cartoon")

    # Page 2 of the flowers, with thumbnail 5 cut short: items 1 to 4 come from page 2, the rest stay
    # those of page 1, and the page folder stays page 1's.
    flowers = app.open_palette("Flower")
    page_1 = session.grab().crop(flowers.x, flowers.y, flowers.width, flowers.height)
    before = session.windows()
    session.click(app.page_2_button(flowers, "Flower"))
    app.expect_error_box(before, r"JPEG error #\d+", "a thumbnail cut short")
    palette_area = (flowers.x, flowers.y, flowers.width, flowers.height)
    now = session.wait_until_settled(region=palette_area).crop(*palette_area)
    session.screenshot("flower-page-2-half-read")
    for item in range(1, 21):
        left, top = app.thumbnail(flowers, item)
        same = now.crop(left - flowers.x - 40, top - flowers.y - 40, 80, 80).rgb == page_1.crop(
            left - flowers.x - 40, top - flowers.y - 40, 80, 80).rgb
        if same != (item >= 5):
            raise Failure(f"flower thumbnail {item} {'kept' if same else 'changed'} its picture of page 1")
    app.place(flowers, 7, "placing flower 7")
    app.hide_palette(flowers)
    flower = app.artwork("flower/1/big/7.ssl")
    app.expect_selection((10, 10, flower.width, flower.height), "flower 7 of page 1")
    model.objects.append(
        PlacedObject("flower 7", 10, 10, flower.width, flower.height, flower, app.artwork("flower/1/mask/7.ssl")))
    model.recomposed()

    app.save_as(session.path("after-errors.bmp"), BMP)
    points, worst = model.check(read_picture(session.path("after-errors.bmp")), 0, "the saved BMP")
    print(f"saved BMP: {points} points compared, largest difference {worst}")


if __name__ == "__main__":
    sys.exit(run_test(run, SCREEN, __doc__))

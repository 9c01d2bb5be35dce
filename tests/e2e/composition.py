#!/usr/bin/env python3
"""End to end at 1024 x 768: a whole composition as a user makes it. A backdrop of the test's own, a frame
laid, taken off and another laid; a JPEG and a BMP photo, one cut into a heart from page 2 of the mask
palette; a cartoon, a shrunk and a full-size flower, a balloon and a line of lettering; saved as JPEG and as
BMP, and both files checked point by point against the composition computed from the placed files."""

import sys

from canvas_model import Composition, PlacedObject
from harness import Failure, make_picture, read_picture, run_test, write_bmp, write_jpeg
from program_ui import BMP, JPEG, Festoon

SCREEN = (1024, 768)
TEXT_COLOUR = (30, 144, 200)


def backdrop_picture():
    """A warm gradient, a quarter of the canvas in each direction, so that stretching shows."""
    return make_picture(219, 167, lambda x, y: (250 - y * 50 // 167, 196 + x * 40 // 219 - y * 20 // 167,
                                                150 + y * 70 // 167))


def sky_photo():
    """A landscape: sky fading to pale at the horizon, a green field below."""
    return make_picture(480, 320, lambda x, y: (70 + y // 2, 140 + y // 3, 230) if y < 200
                        else (60 + x // 12, 150 - (y - 200) // 4, 50))


def rings_photo():
    """Bands of pink and orange around the middle."""
    def colour(x, y):
        ring = ((x - 150) ** 2 + (y - 150) ** 2) // 900
        return (240, 120, 150) if ring % 2 else (250, 170, 60)

    return make_picture(300, 300, colour)


def run(session):
    backdrop, sky, rings = backdrop_picture(), sky_photo(), rings_photo()
    write_bmp(session.path("backdrop.bmp"), backdrop)
    write_jpeg(session.path("sky.jpg"), sky)
    write_bmp(session.path("rings.bmp"), rings)
    sky = read_picture(session.path("sky.jpg"))  # the photo as JPEG left it
    model = Composition(session.canvas_size, backdrop)

    app = Festoon(session).start()
    session.screenshot("started")

    # The backdrop, shown stretched to the canvas exactly.
    app.open_file("Backdrop", session.path("backdrop.bmp"))
    session.screenshot("backdrop")
    model.check(app.canvas_shot(), 0, "the canvas with the new backdrop")

    # A frame, Del Frame (the plain backdrop again), and another frame.
    for item in (1, 2):
        frames = app.open_palette("Frame")
        app.place(frames, item, f"laying frame {item}")
        model.frame = (app.artwork(f"Frame/1/big/{item}.ssl"), app.artwork(f"Frame/1/mask/{item}.ssl"))
        app.hide_palette(frames)
        session.screenshot(f"frame-{item}")
        model.check(app.canvas_shot(), 0, f"the canvas with frame {item}")
        if item == 1:
            session.act_and_settle(lambda: app.press("Del Frame"), "Del Frame", region=app.canvas_region())
            model.frame = None
            session.screenshot("frame-taken-off")
            model.check(app.canvas_shot(), 0, "the canvas after Del Frame")

    # Two photos with the default mask; the second is cut into a heart from page 2 of the mask palette.
    default_mask = read_picture(app.file_beside("main", "Defaultmask.jpg"))
    app.open_file("Photo", session.path("sky.jpg"))
    photo = PlacedObject("the JPEG photo", 10, 10, 400, 266, sky, default_mask)
    model.objects.append(photo)
    app.expect_selection((10, 10, 400, 266), "the JPEG photo")
    app.move_object(photo, (40, 50), "the JPEG photo")
    app.open_file("Photo", session.path("rings.bmp"))
    heart = PlacedObject("the BMP photo", 10, 10, 400, 400, rings, default_mask)
    model.objects.append(heart)
    model.recomposed()
    app.expect_selection((10, 10, 400, 400), "the BMP photo")
    app.move_object(heart, (450, 30), "the BMP photo")
    masks = app.open_palette("Mask")
    app.choose_page_2(masks, "Mask")
    session.screenshot("mask-palette-page-2")
    app.place(masks, 1, "cutting the photo into a heart")
    heart.mask = app.artwork("mask/2/big/1.ssl")
    model.recomposed()
    app.hide_palette(masks)
    session.screenshot("photos")
    model.check(app.canvas_shot(), 0, "the canvas with the photos")

    # Artwork: a cartoon, a flower shrunk by 4 (item 1), a full-size flower (item 7) and a balloon.
    cartoon = app.place_artwork(model, "Cartoon", 3, "cartoon/1/pic/3.ssl", "cartoon/1/mask/3.ssl", (240, 240),
                                "cartoon 3")
    app.move_object(cartoon, (70, 380), "the cartoon")
    small = app.place_artwork(model, "Flower", 1, "flower/1/big/1.ssl", "flower/1/mask/1.ssl", (250, 250),
                              "flower 1")
    app.move_object(small, (600, 400), "flower 1")
    full = app.place_artwork(model, "Flower", 7, "flower/1/big/7.ssl", "flower/1/mask/7.ssl", (285, 320),
                             "flower 7")
    app.move_object(full, (330, 330), "flower 7")
    balloon = app.place_artwork(model, "Text", 1, "text/big/1.ssl", "text/mask/1.ssl", (272, 212), "balloon 1")
    app.move_object(balloon, (560, 150), "the balloon")

    # Lettering: typed into the text palette, its look chosen in the font dialog. The palette opens
    # active with its field taking the keys, so no click is needed before typing.
    left, top, width, height = app.place_lettering("Hooray!", 46, TEXT_COLOUR, bold=True)
    if (left, top) != (14, 10) or not (150 < width < 400 and 40 < height < 120):
        raise Failure(f"the lettering landed at {left}, {top} as {width} x {height}")
    # Into the balloon's white middle, pressed on a letter: between the letters a press reaches beneath.
    lettering = app.move_lettering_into(balloon, (left, top, width, height), TEXT_COLOUR)
    model.unknown.append(lettering)
    session.screenshot("composition")

    # Saved twice, as JPEG and as BMP; the BMP must match the computed composition, the JPEG come close.
    app.save_as(session.path("card.jpg"), JPEG)
    app.save_as(session.path("card.bmp"), BMP)
    session.screenshot("saved")
    model.recomposed()
    saved_bmp = read_picture(session.path("card.bmp"))
    points, worst = model.check(saved_bmp, 0, "the saved BMP")
    print(f"saved BMP: {points} points compared, largest difference {worst}")
    points, worst = model.check(read_picture(session.path("card.jpg")), 12, "the saved JPEG", flat_only=True)
    print(f"saved JPEG: {points} flat points compared, largest difference {worst}")
    inked = saved_bmp.crop(*lettering)
    count = sum(1 for x in range(width) for y in range(height) if inked.pixel(x, y) == TEXT_COLOUR)
    if count < width * height // 20:
        raise Failure(f"the lettering shows its colour {TEXT_COLOUR} in only {count} of {width * height} pixels")


if __name__ == "__main__":
    sys.exit(run_test(run, SCREEN, __doc__))

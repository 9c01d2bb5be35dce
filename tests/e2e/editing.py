#!/usr/bin/env python3
"""End to end at 1920 x 1080: editing with the mouse. Three pieces of artwork on a plain backdrop; the
lowest is selected by a click on it, moved, widened at its right edge and resized at its corner; it is
copied with the small copy button, the copy deleted with the delete button, another object deleted with
the Delete key while a palette has the keyboard; the saved BMP must show exactly the computed result."""

import sys

from canvas_model import Composition
from harness import read_picture, run_test, solid, write_bmp
from program_ui import BMP, Festoon

SCREEN = (1920, 1080)
BACKDROP_COLOUR = (90, 150, 200)


def select(app, model, placed, what):
    """A click on a visible part of an object selects it and puts it on top."""
    above = model.objects[model.objects.index(placed) + 1:]
    app.click_on_canvas(placed.visible_point(avoid=above), f"selecting {what}")
    model.raise_to_top(placed)
    app.expect_selection((placed.left, placed.top, placed.width, placed.height), f"{what} once selected")


def run(session):
    write_bmp(session.path("plain.bmp"), solid(64, 48, BACKDROP_COLOUR))
    model = Composition(session.canvas_size, solid(64, 48, BACKDROP_COLOUR))
    app = Festoon(session).start()
    app.open_file("Backdrop", session.path("plain.bmp"))

    cartoon = app.place_artwork(model, "Cartoon", 3, "cartoon/1/pic/3.ssl", "cartoon/1/mask/3.ssl", (240, 240),
                                "cartoon 3")
    app.move_object(cartoon, (700, 520), "the cartoon")
    flower = app.place_artwork(model, "Flower", 7, "flower/1/big/7.ssl", "flower/1/mask/7.ssl", (285, 320),
                               "flower 7")
    app.move_object(flower, (860, 600), "the flower")
    balloon = app.place_artwork(model, "Text", 2, "text/big/2.ssl", "text/mask/2.ssl", (272, 212), "balloon 2")
    app.move_object(balloon, (1300, 500), "the balloon")
    session.screenshot("three-objects")
    model.check(app.canvas_shot(), 0, "the canvas with three objects")

    # The cartoon lies beneath the flower; a click on its free part selects it and brings it up.
    select(app, model, cartoon, "the cartoon")
    session.screenshot("cartoon-selected")
    app.move_object(cartoon, (760, 640), "the selected cartoon")

    # Its right edge zone (the six columns inside the right edge) widens it by the distance dragged.
    select(app, model, cartoon, "the moved cartoon")
    edge = (cartoon.left + cartoon.width - 3, cartoon.top + cartoon.height // 2)
    app.drag_on_canvas(edge, (edge[0] + 100, edge[1] + 50), "widening the cartoon")
    cartoon.width += 100
    select(app, model, cartoon, "the widened cartoon")

    # The bottom-right corner resizes in both directions.
    corner = (cartoon.left + cartoon.width - 3, cartoon.top + cartoon.height - 3)
    app.drag_on_canvas(corner, (corner[0] - 40, corner[1] + 60), "resizing the cartoon at its corner")
    cartoon.width -= 40
    cartoon.height += 60
    select(app, model, cartoon, "the resized cartoon")
    session.screenshot("cartoon-resized")

    # A copy lands 20 pixels right of and below its source, on top and selected; Delete takes it away.
    session.act_and_settle(lambda: app.press("Copy"), "copying the cartoon", region=app.canvas_region())
    app.expect_selection((cartoon.left + 20, cartoon.top + 20, cartoon.width, cartoon.height), "the copy")
    session.screenshot("copied")
    session.act_and_settle(lambda: app.press("Delete"), "deleting the copy", region=app.canvas_region())
    model.recomposed()
    model.check(app.canvas_shot(), 0, "the canvas after the copy was deleted")

    # The Delete key deletes the topmost object while a palette (one without a text field) has the keyboard.
    # A click beside every object clears the selection, and the next click selects the balloon.
    session.click(session.on_screen((1700, 100)))
    app.canvas_shot()
    select(app, model, balloon, "the balloon")
    palette = app.open_palette("Mask")
    session.click(palette.at(200, 25))  # its title strip: no drag, but it takes the focus
    session.focus(palette)
    session.act_and_settle(lambda: session.key("Delete"), "pressing Delete", region=app.canvas_region())
    model.objects.remove(balloon)
    model.recomposed()
    app.hide_palette(palette)
    session.screenshot("balloon-deleted")

    app.save_as(session.path("edited.bmp"), BMP)
    model.recomposed()
    points, worst = model.check(read_picture(session.path("edited.bmp")), 0, "the saved BMP")
    print(f"saved BMP: {points} points compared, largest difference {worst}")


if __name__ == "__main__":
    sys.exit(run_test(run, SCREEN, __doc__))

#!/usr/bin/env python3
"""End to end at 1024 x 768: editing as a user expects it. A photo, a cartoon and a balloon with lettering on
it; the balloon sent backward from its right-click menu and brought forward with Page Up; the photo selected
with one click, dragged (the photo itself follows the pointer) and resized from its left edge with Shift; the
cartoon turned by 30 degrees with its turn handle and Shift; the lettering's words and colour changed
through a double-click; the saved BMP compared with the composition the test computes, turn included."""

import math
import sys

from canvas_model import Composition, PlacedObject, rounded, selection_bounds
from harness import Failure, make_picture, read_picture, run_test, solid, write_bmp
from program_ui import BMP, Festoon

SCREEN = (1024, 768)
BACKDROP_COLOUR = (90, 150, 200)
FIRST_COLOUR = (250, 230, 20)
SECOND_COLOUR = (200, 30, 60)
TURN_HANDLE_DISTANCE = 22  # above the middle of the top edge


def photo_picture():
    return make_picture(480, 320, lambda x, y: (60 + x // 3, 200 - y // 2, 40 + (x + y) // 6))


def centre(placed):
    return placed.left + placed.width / 2, placed.top + placed.height / 2


def clear_selection(app, model, what):
    """A click on bare backdrop takes the marks away, so that the canvas can be compared."""
    app.session.click(app.session.on_screen((5, model.height - 5)))
    model.check(app.canvas_shot(), 0, f"the canvas after {what}")


def run(session):
    write_bmp(session.path("plain.bmp"), solid(64, 48, BACKDROP_COLOUR))
    write_bmp(session.path("photo.bmp"), photo_picture())
    model = Composition(session.canvas_size, solid(64, 48, BACKDROP_COLOUR))
    app = Festoon(session).start()
    app.open_file("Backdrop", session.path("plain.bmp"))

    default_mask = read_picture(app.file_beside("main", "Defaultmask.jpg"))
    app.open_file("Photo", session.path("photo.bmp"))
    photo = PlacedObject("the photo", 10, 10, 400, 266, photo_picture(), default_mask)
    model.objects.append(photo)
    app.expect_selection((10, 10, 400, 266), "the photo")
    app.move_object(photo, (40, 330), "the photo")
    cartoon = app.place_artwork(model, "Cartoon", 3, "cartoon/1/pic/3.ssl", "cartoon/1/mask/3.ssl", (240, 240),
                                "cartoon 3")
    app.move_object(cartoon, (500, 60), "the cartoon")
    balloon = app.place_artwork(model, "Text", 2, "text/big/2.ssl", "text/mask/2.ssl", (272, 212), "balloon 2")
    app.move_object(balloon, (540, 230), "the balloon")  # over the foot of the cartoon

    box = app.place_lettering("Hi there!", 36, FIRST_COLOUR, bold=True)
    model.recomposed()  # placing an object recomposes the card
    model.unknown.append(app.move_lettering_into(balloon, box, FIRST_COLOUR))
    session.screenshot("placed")
    clear_selection(app, model, "placing everything")

    # The balloon, sent one step back from its menu, lies beneath the cartoon; Page Up brings it forward.
    point = session.on_screen(balloon.visible_point(avoid=[cartoon], allowed=model.computable))
    before = session.windows()
    session.click(point, button=3)
    menu = session.wait_for_new_window(before, "the object menu")
    session.screenshot("object-menu")
    session.act_and_settle(lambda: session.key("b"), "Send backward", region=app.canvas_region())
    session.wait_window_gone(menu, "the object menu")
    model.objects.remove(balloon)
    model.objects.insert(model.objects.index(cartoon), balloon)
    clear_selection(app, model, "sending the balloon backward")
    before = session.windows()
    session.click(point, button=3)
    menu = session.wait_for_new_window(before, "the object menu")
    session.key("Escape")
    session.wait_window_gone(menu, "the object menu")
    session.focus(app.main)
    session.act_and_settle(lambda: session.key("Prior"), "Page Up", region=app.canvas_region())
    model.objects.remove(balloon)
    model.objects.append(balloon)
    clear_selection(app, model, "bringing the balloon forward")

    # One click selects the photo; a drag moves the photo itself, drawn blended at every step.
    start = photo.visible_point()
    app.click_on_canvas(start, "selecting the photo")
    model.raise_to_top(photo)
    app.expect_selection((photo.left, photo.top, photo.width, photo.height), "the photo selected with one click")
    middle = (start[0] + 60, start[1] - 40)
    session.move(session.on_screen(start))
    session.xdotool("mousedown", 1)
    for step in range(1, 7):
        session.move(session.on_screen((start[0] + 10 * step, start[1] - 40 * step // 6)))
    shot = app.canvas_shot()
    session.screenshot("live-drag")
    photo.moved(60, -40)
    photo.passes = 1
    beneath = Composition(session.canvas_size, model.backdrop)
    beneath.objects = [placed for placed in model.objects if placed is not photo]
    for dx, dy in ((40, 40), (200, 130), (350, 200), (120, 220)):
        x, y = photo.left + dx, photo.top + dy
        expected = photo.render(x, y, beneath.at(x, y))
        if shot.pixel(x, y) != expected:
            raise Failure(f"during the drag the photo shows {shot.pixel(x, y)} at {x}, {y}, expected {expected}")
    session.move(session.on_screen(middle))
    session.xdotool("mouseup", 1)
    app.canvas_shot()
    model.check(app.canvas_shot(), 0, "the canvas after the drag")

    # The left edge dragged 50 pixels out with Shift: the photo grows in proportion about its middle row.
    edge = (photo.left + 2, photo.top + photo.height // 2 + 20)
    session.xdotool("keydown", "shift")
    app.drag_on_canvas(edge, (edge[0] - 50, edge[1] + 7), "widening the photo from its left edge")
    session.xdotool("keyup", "shift")
    width = photo.width + 50
    height = rounded(photo.height * width / photo.width)
    photo.left -= 50
    photo.top += math.floor((photo.height - height) / 2)
    photo.width, photo.height = width, height
    session.screenshot("photo-resized")
    model.check(app.canvas_shot(), 0, "the canvas after the resize")

    # The cartoon's turn handle dragged with Shift to 31 degrees clockwise of straight up: it snaps to 30.
    app.click_on_canvas(cartoon.visible_point(avoid=[photo, balloon]), "selecting the cartoon")
    model.raise_to_top(cartoon)
    cx, cy = centre(cartoon)
    handle = (round(cx), round(cy - cartoon.height / 2 - TURN_HANDLE_DISTANCE))
    reach = 150
    towards = (round(cx + reach * math.sin(math.radians(31))), round(cy - reach * math.cos(math.radians(31))))
    session.xdotool("keydown", "shift")
    app.drag_on_canvas(handle, towards, "turning the cartoon")
    session.xdotool("keyup", "shift")
    cartoon.angle = 30
    cartoon.passes = 1
    session.screenshot("cartoon-turned")
    clear_selection(app, model, "turning the cartoon")

    # A double-click on the lettering opens its words in the text palette; new words in a new colour.
    box = model.unknown[0]
    on_words = app.point_of_colour(box, FIRST_COLOUR)
    session.xdotool("mousemove", "--sync", *session.on_screen(on_words))
    session.xdotool("click", "--repeat", 2, "--delay", 80, 1)
    texts = session.wait_for_window(lambda w: "Balloons and Lettering" in w.name, "the text palette")
    model.recomposed()  # the press raised the lettering
    session.focus(texts)
    session.key("ctrl+a")
    session.type_text("Hooray!")
    session.click(texts.at(240 + 40, 320 + 11))
    app.answer_font_dialog(36, "#%02x%02x%02x" % SECOND_COLOUR)  # still bold: the dialog shows the lettering's
    app.hide_palette(texts)
    new_box = selection_bounds(app.canvas_shot())
    if new_box[:2] != box[:2]:
        raise Failure(f"the lettering moved from {box[:2]} to {new_box[:2]} when its words were changed")
    model.unknown[0] = new_box
    session.screenshot("lettering-edited")

    app.save_as(session.path("edited.bmp"), BMP)
    model.recomposed()
    saved = read_picture(session.path("edited.bmp"))
    points, worst = model.check(saved, 0, "the saved BMP")
    print(f"saved BMP: {points} points compared, largest difference {worst}")
    inked = saved.crop(*new_box)
    count = sum(1 for x in range(new_box[2]) for y in range(new_box[3]) if inked.pixel(x, y) == SECOND_COLOUR)
    if count < new_box[2] * new_box[3] // 20:
        raise Failure(f"the edited lettering shows {SECOND_COLOUR} in only {count} pixels")


if __name__ == "__main__":
    sys.exit(run_test(run, SCREEN, __doc__))

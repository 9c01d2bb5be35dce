#!/usr/bin/env python3
"""End to end at 1920 x 1080: a new task. Answered No, the objects go and the frame stays; answered Yes
with the save dialog cancelled, nothing is written and the canvas is cleared all the same; answered No
with only a frame left, the frame goes too."""

import os
import sys

from canvas_model import Composition
from harness import Failure, read_picture, run_test, solid, write_bmp
from program_ui import Festoon

SCREEN = (1920, 1080)
QUESTION = "Save the current photo before a new task?"


def new_task(app, answer_key, what):
    """Presses New, checks the question, and answers it with the button's mnemonic (Alt+Y, Alt+N)."""
    before = app.session.windows()
    app.press("New")
    app.answer_question(before, QUESTION, answer_key, what)


def expect_canvas(app, expected, what):
    if app.canvas_shot().rgb != expected.rgb:
        app.session.screenshot(f"unexpected-{what.replace(' ', '-')}")
        raise Failure(f"the canvas {what} is not what it should be")


def place_objects(app):
    palette = app.open_palette("Cartoon")
    app.place(palette, 2, "placing a cartoon")
    app.hide_palette(palette)
    app.open_file("Photo", app.session.path("photo.bmp"))


def run(session):
    write_bmp(session.path("photo.bmp"), solid(320, 240, (200, 60, 90)))
    app = Festoon(session).start()
    plain = app.canvas_shot()
    frames = app.open_palette("Frame")
    app.place(frames, 4, "laying frame 4")
    app.hide_palette(frames)
    framed = app.canvas_shot()
    if framed.rgb == plain.rgb:
        raise Failure("the frame did not change the canvas")

    place_objects(app)
    session.screenshot("objects-on-frame")
    new_task(app, "alt+n", "New answered No")
    expect_canvas(app, framed, "after New answered No (the frame should stay, the objects go)")
    session.screenshot("after-no")

    place_objects(app)
    files_before = sorted(os.listdir(session.work))
    new_task(app, "alt+y", "New answered Yes")
    dialog = session.wait_for_window(lambda w: w.name.startswith("Save the picture as"), "the save dialog")
    session.screenshot("save-dialog-after-yes")
    session.focus(dialog)
    session.key("Escape")
    session.wait_window_gone(dialog, "the save dialog")
    expect_canvas(app, framed, "after New answered Yes and the save cancelled")
    if sorted(os.listdir(session.work)) != files_before:
        raise Failure(f"a cancelled save wrote files: {sorted(set(os.listdir(session.work)) - set(files_before))}")

    # The clean backdrop comes back, stretched to the canvas as the program stretches.
    new_task(app, "alt+n", "New with only a frame")
    session.screenshot("after-no-frame-gone")
    start_backdrop = Composition(session.canvas_size, read_picture(app.file_beside("main", "mainb.jpg")))
    start_backdrop.check(app.canvas_shot(), 0, "the canvas after New with only a frame (the frame should go)")


if __name__ == "__main__":
    sys.exit(run_test(run, SCREEN, __doc__))

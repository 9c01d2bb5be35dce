#!/usr/bin/env python3
"""End to end at 1024 x 768: photos from outside the program. A photo named on the command line opens as a
new piece; a second start with another photo hands it to the running program and ends without a window of
its own; Ctrl+V pastes a picture put on the clipboard by another program; Ctrl+Shift+C copies the finished
card, which another program then reads from the clipboard."""

import subprocess
import sys

from canvas_model import selection_bounds
from harness import Failure, read_picture, run_test, solid, write_bmp, write_jpeg
from program_ui import Festoon

SCREEN = (1024, 768)
FIRST = (230, 30, 40)    # 200 x 100: shown 400 x 200
SECOND = (30, 40, 230)   # 100 x 200: shown 200 x 400
PASTED = (40, 200, 60)   # 300 x 300: shown 400 x 400


def clipboard_in(session, path):
    """Another program owns the clipboard and offers the picture as PNG, as a browser or a screenshot tool."""
    holder = subprocess.Popen(["xclip", "-selection", "clipboard", "-t", "image/png", "-i", path],
                              env=session.env(), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    session.processes.append(holder)


def clipboard_png(session, path):
    """The clipboard's picture as PNG, as another program pasting it would get it."""
    def read():
        result = subprocess.run(["xclip", "-selection", "clipboard", "-t", "image/png", "-o"], env=session.env(),
                                capture_output=True, timeout=10)
        return result.stdout if result.returncode == 0 and result.stdout.startswith(b"\x89PNG") else None

    data = session.poll(read, "a picture on the clipboard", 10)
    with open(path, "wb") as out:
        out.write(data)
    return read_picture(path)


def run(session):
    write_bmp(session.path("first photo.bmp"), solid(200, 100, FIRST))
    write_jpeg(session.path("second.jpg"), solid(100, 200, SECOND), quality=100)
    write_bmp(session.path("pasted.bmp"), solid(300, 300, PASTED))
    subprocess.run(["convert", session.path("pasted.bmp"), session.path("pasted.png")], check=True)

    # Named relative to the working folder, as a shell would.
    app = Festoon(session).start("first photo.bmp")
    app.expect_selection((10, 10, 400, 200), "the photo named on the command line")
    session.screenshot("started-with-a-photo")

    second = session.start_program(name="second-start", args=[session.path("second.jpg")])
    session.poll(lambda: second.poll() is not None, "the second start to end by itself", 20, process=app.process)
    if second.returncode != 0:
        raise Failure(f"the second start ended with code {second.returncode}")
    session.poll(lambda: selection_bounds(app.canvas_shot()) == (10, 10, 200, 400),
                 "the photo handed over by the second start to be selected on the canvas")
    session.screenshot("second-start-photo")

    clipboard_in(session, session.path("pasted.png"))
    session.focus(app.main)
    session.act_and_settle(lambda: session.key("ctrl+v"), "pasting", region=app.canvas_region())
    app.expect_selection((10, 10, 400, 400), "the pasted picture")
    canvas = app.canvas_shot()
    if canvas.pixel(210, 210) != PASTED:
        raise Failure(f"the pasted picture shows {canvas.pixel(210, 210)} in its middle, expected {PASTED}")
    session.screenshot("pasted")

    session.key("ctrl+shift+c")
    copied = clipboard_png(session, session.path("copied.png"))
    session.keep(session.path("copied.png"))
    if (copied.width, copied.height) != session.canvas_size:
        raise Failure(f"the copied card is {copied.width} x {copied.height}, expected {session.canvas_size}")
    # The finished card: the pasted picture on top, no selection marks at its corner.
    for point in ((210, 210), (600, 500)):
        if copied.pixel(*point) != canvas.pixel(*point):
            raise Failure(f"the copied card shows {copied.pixel(*point)} at {point}, the screen {canvas.pixel(*point)}")
    if copied.pixel(10, 10) == (254, 3, 3):
        raise Failure("the copied card carries the selection marks")


if __name__ == "__main__":
    sys.exit(run_test(run, SCREEN, __doc__))

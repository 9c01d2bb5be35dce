#!/usr/bin/env python3
"""End to end at 1024 x 768: killed with kill -9 after a card was made, the program offers the card back
at the next start; answered Yes, it saves the very same picture. The same after closing the window with
its button. Then the card saved as a card file (the save dialog's third type) is read by an independent
reader (zipfile and Pillow) whose composite of its layers matches the picture saved of the same card."""

import os
import signal
import subprocess
import sys
import time

from harness import Failure, read_picture, run_test, solid, write_bmp
from program_ui import BMP, CARD, Festoon

SCREEN = (1024, 768)
QUESTION = "Restore the card you were working on?"


def start_and_restore(session, what):
    """Starts the program, expects the restore question, and answers Yes with its mnemonic."""
    before = session.windows()
    app = Festoon(session).start()
    app.answer_question(before, QUESTION, "alt+y", f"restoring {what}")
    session.wait_until_settled()
    return app


def expect_same_picture(app, path, expected, what):
    app.save_as(path, BMP)
    if read_picture(path).rgb != expected.rgb:
        app.session.screenshot(f"differs-{what.replace(' ', '-')}")
        raise Failure(f"{what}: the restored card saves another picture")
    print(f"{what}: the restored card saves the same picture")


def run(session):
    write_bmp(session.path("photo.bmp"), solid(300, 200, (200, 60, 90)))
    app = Festoon(session).start()
    app.open_file("Photo", session.path("photo.bmp"))
    palette = app.open_palette("Cartoon")
    app.place(palette, 2, "placing a cartoon")
    app.hide_palette(palette)
    app.drag_on_canvas((60, 40), (300, 260), "moving the cartoon")
    session.screenshot("card-made")

    app.save_as(session.path("card.bmp"), BMP)
    saved = read_picture(session.path("card.bmp"))

    # The recovery file is written within two seconds of the last change; then the program dies.
    time.sleep(2.5)
    app.process.send_signal(signal.SIGKILL)
    app.process.wait()
    session.processes.remove(app.process)
    app = start_and_restore(session, "after kill -9")
    expect_same_picture(app, session.path("after-kill.bmp"), saved, "after kill -9")

    # Closed with the window's own cross: the card stays recoverable.
    width = session.main_window_size[0]
    session.click((width - 77 + 14 + 8, 14 + 8))
    ended = app.process
    session.poll(lambda: ended.poll() is not None, "the program to end after its window closed", 10, process=ended)
    session.processes.remove(ended)
    app = start_and_restore(session, "after closing")
    expect_same_picture(app, session.path("after-close.bmp"), saved, "after closing")

    # Saved as a card file, the card is safe: its layers make the saved picture for another reader.
    app.save_as(session.path("card.ora"), CARD)
    checker = os.path.join(os.path.dirname(os.path.abspath(__file__)), "ora_check.py")
    result = subprocess.run([sys.executable, checker, session.path("card.ora"), session.path("card.bmp")],
                            capture_output=True, text=True)
    print(result.stdout.strip())
    if result.returncode not in (0, 77):
        raise Failure(f"the independent reader does not make the saved picture of the card file: {result.stdout}")


if __name__ == "__main__":
    sys.exit(run_test(run, SCREEN, __doc__))

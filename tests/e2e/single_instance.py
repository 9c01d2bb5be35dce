#!/usr/bin/env python3
"""End to end at 1024 x 768: only one instance runs. Minimised with its own button, the program comes back
when it is started a second time; the second start shows no window of its own and ends by itself, also
when the first window is already on show."""

import sys

from harness import Failure, run_test
from program_ui import Festoon

SCREEN = (1024, 768)


def start_second(app, what):
    """Starts the program again and waits for it to end by itself, watching that it opens no window."""
    session = app.session
    before = {window.id for window in session.windows()}
    second = session.start_program(name="second-start")
    new_windows = []

    def ended():
        new_windows.extend(w for w in session.windows() if w.id not in before and w.id != app.main.id)
        return second.poll() is not None

    session.poll(ended, f"the second start to end by itself ({what})", 20, process=app.process)
    if second.returncode != 0:
        raise Failure(f"the second start ended with code {second.returncode} ({what})")
    if new_windows:
        raise Failure(f"the second start showed windows ({what}): {new_windows}")


def main_window_visible(app):
    return any(window.id == app.main.id for window in app.session.windows())


def run(session):
    app = Festoon(session).start()
    palette = app.open_palette("Flower")
    app.hide_palette(palette)

    # Minimise with the window's own button. Without a window manager nobody acts on the request, so the
    # test unmaps the window itself, as a window manager iconifying it would.
    width = session.main_window_size[0]
    session.click((width - 77 + 8, 14 + 8))
    session.xdotool("windowunmap", "--sync", app.main.id)
    if main_window_visible(app):
        raise Failure("the main window is still on show after minimising")
    session.screenshot("minimised")

    start_second(app, "while minimised")
    session.poll(lambda: main_window_visible(app), "the main window to come back", 10)
    session.wait_until_settled()
    session.screenshot("restored")

    start_second(app, "while on show")
    if not main_window_visible(app) or app.process.poll() is not None:
        raise Failure("the first instance did not stay on show after the second start")
    # The first instance still works: a palette opens.
    app.hide_palette(app.open_palette("Cartoon"))


if __name__ == "__main__":
    sys.exit(run_test(run, SCREEN, __doc__))

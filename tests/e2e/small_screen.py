#!/usr/bin/env python3
"""End to end at 800 x 600, a screen smaller than the layout is drawn for: the program opens; every button
of the main window is where the layout puts it, inside the screen, shows its own face when the pointer is
on it (so nothing covers it) and overlaps no other control; every palette and every dialog opens inside the
screen, with its controls inside it too."""

import itertools
import os
import sys

from harness import Failure, read_bmp, run_test, solid, write_bmp
from program_ui import BUTTONS, GRID_PALETTE_SIZE, TEXT_PALETTE_SIZE, THUMBNAIL_COLUMNS, THUMBNAIL_ROWS, \
    TEXT_THUMBNAILS, Festoon

SCREEN = (800, 600)
# The main window's buttons in the order it makes them (a later one is drawn over an earlier one where
# their transparent margins share a row), with their faces' names.
LAYOUT = dict(BUTTONS, Undo=(35, 532, 30, 30), Redo=(69, 532, 30, 30))
CREATION_ORDER = ("New", "Save", "Photo", "Backdrop", "Mask", "Flower", "Cartoon", "Text", "Frame", "Del Frame",
                  "Help", "Copy", "Delete", "Open", "Export", "Undo", "Redo")
FACES = {name: name.replace(" ", "") for name in CREATION_ORDER}
PALETTE_HIDE_BUTTONS = ((412, 10, 12, 12), (425, 10, 12, 12))
# A face's pixels this far from its transparent colour are what a user sees of the button.
VISIBLE = 24


def inside(box, area):
    return (box[0] >= area[0] and box[1] >= area[1] and box[0] + box[2] <= area[0] + area[2]
            and box[1] + box[3] <= area[1] + area[3])


def overlap(a, b):
    return a[0] < b[0] + b[2] and b[0] < a[0] + a[2] and a[1] < b[1] + b[3] and b[1] < a[1] + a[3]


def expect_apart(controls, what):
    for (name_a, a), (name_b, b) in itertools.combinations(controls.items(), 2):
        if overlap(a, b):
            raise Failure(f"{what}: {name_a} {a} and {name_b} {b} overlap")


def expect_on_screen(window, boxes, what):
    screen = (0, 0) + SCREEN
    area = (window.x, window.y, window.width, window.height)
    if not inside(area, screen):
        raise Failure(f"{what} lies at {area}, not inside the {SCREEN[0]} x {SCREEN[1]} screen")
    for name, box in boxes.items():
        if not inside(box, (0, 0, window.width, window.height)):
            raise Failure(f"{what}: {name} {box} lies outside its window of {window.width} x {window.height}")


def seen(colour, key):
    return max(abs(a - b) for a, b in zip(colour, key)) > VISIBLE


def visible_box(box, face):
    """The part of a button a user sees: its face's pixels that stand out from the transparent colour."""
    key = face.pixel(0, face.height - 1)
    points = [(x, y) for y in range(face.height) for x in range(face.width) if seen(face.pixel(x, y), key)]
    if not points:
        raise Failure(f"the face at {box} shows nothing")
    left, top = min(x for x, _ in points), min(y for _, y in points)
    right, bottom = max(x for x, _ in points), max(y for _, y in points)
    return box[0] + left, box[1] + top, right - left + 1, bottom - top + 1


def uncovered_rows(button):
    """The rows of a button that no button made after it covers."""
    left, top, width, height = LAYOUT[button]
    later = [LAYOUT[other] for other in CREATION_ORDER[CREATION_ORDER.index(button) + 1:]]
    return [y for y in range(height)
            if not any(o[0] < left + width and left < o[0] + o[2] and o[1] <= top + y < o[1] + o[3] for o in later)]


def shows_face(screen, box, face, rows):
    """Whether the screen shows the face in box, in the given rows, its transparent colour aside."""
    key = face.pixel(0, face.height - 1)
    shown = screen.crop(*box)
    return all(face.pixel(x, y) in (key, shown.pixel(x, y)) for y in rows for x in range(face.width))


def check_main_window(session, app, resources):
    width, height = app.main.width, app.main.height
    faces = {button: read_bmp(os.path.join(resources, "buttons", f"{FACES[button]}_rest.bmp"))
             for button in CREATION_ORDER}
    expect_on_screen(app.main, LAYOUT, "the main window")
    seen_parts = {button: visible_box(LAYOUT[button], faces[button]) for button in CREATION_ORDER}
    # The minimise and close buttons are one pair in one recess of the skin, sharing their edge (the
    # layout puts them 14 pixels apart): together they are one control here.
    expect_apart(dict(seen_parts, canvas=(114, 58, width - 138, height - 70), window_buttons=(width - 77, 14, 30, 16)),
                 "the main window")
    for button in CREATION_ORDER:
        box = LAYOUT[button]
        # Undo has a step to take back (the photo); Redo has nothing and shows its greyed face.
        state = "disabled" if button == "Redo" else "hover"
        face = read_bmp(os.path.join(resources, "buttons", f"{FACES[button]}_{state}.bmp"))
        session.move(app.main.at(box[0] + box[2] // 2, box[1] + box[3] // 2))
        session.poll(lambda: shows_face(session.grab(), app.main.at(*box[:2]) + box[2:], face, uncovered_rows(button)),
                     f"the {button} button to show its {state} face under the pointer", 5)
    session.move(app.main.at(width - 30, height - 30))
    print(f"all {len(LAYOUT)} buttons of the main window are on the screen, uncovered and apart")


PALETTE_TITLES = {"Mask": "Masks", "Flower": "Flowers", "Cartoon": "Cartoons", "Frame": "Frames",
                  "Text": "Balloons and Lettering"}


def check_palettes(session, app):
    for button in ("Mask", "Flower", "Cartoon", "Frame", "Text"):
        size = TEXT_PALETTE_SIZE if button == "Text" else GRID_PALETTE_SIZE
        palette = app.open_palette(button)
        # The title as the window system shows it, with nothing appended to it.
        if palette.name != f"Festoon \u2013 {PALETTE_TITLES[button]}":
            raise Failure(f"the {button} palette is titled {palette.name!r}")
        if button == "Text":
            thumbnails = {f"thumbnail {i + 1}": (x, y, 80, 80) for i, (x, y) in enumerate(TEXT_THUMBNAILS)}
        else:
            thumbnails = {f"thumbnail {i + 1}": (THUMBNAIL_COLUMNS[i % 5], THUMBNAIL_ROWS[i // 5], 80, 80)
                          for i in range(20)}
        controls = dict(thumbnails, hide=PALETTE_HIDE_BUTTONS[0], close=PALETTE_HIDE_BUTTONS[1])
        expect_on_screen(palette, controls, f"the {button} palette ({size[0]} x {size[1]})")
        expect_apart(controls, f"the {button} palette")
        session.screenshot(f"{button.lower()}-palette")
        session.focus(palette)
        session.key("Escape")
        session.wait_window_gone(palette, f"the {button} palette")
    print("every palette opens inside the screen")


def press(session, app, button):
    """Presses a button of the main window, the Open, Export, Undo and Redo buttons below the column
    included."""
    left, top, width, height = LAYOUT[button]
    session.click(app.main.at(left + width // 2, top + height // 2))


def check_dialog(session, app, button, what):
    """Presses the button, waits for the dialog it opens (a titled window, larger than a tooltip), checks
    that it lies inside the screen, and closes it with Esc."""
    known = {window.id for window in session.windows()}
    press(session, app, button)
    dialog = session.wait_for_window(lambda w: w.id not in known and w.name and w.width > 150 and w.height > 80,
                                     what)
    session.wait_until_settled(region=(dialog.x, dialog.y, dialog.width, dialog.height))
    expect_on_screen(dialog, {}, f"{what} ({dialog.width} x {dialog.height})")
    session.screenshot(what.replace(" ", "-"))
    session.focus(dialog)
    session.key("Escape")
    session.wait_window_gone(dialog, what)


def run(session):
    write_bmp(session.path("photo.bmp"), solid(160, 120, (200, 120, 60)))
    app = Festoon(session).start(session.path("photo.bmp"))
    session.screenshot("started")
    resources = os.path.join(os.path.dirname(os.path.dirname(session.program)), "artwork-resources")
    check_main_window(session, app, resources)
    check_palettes(session, app)
    check_dialog(session, app, "Photo", "the open dialog")
    check_dialog(session, app, "Save", "the save dialog")
    check_dialog(session, app, "Open", "the card dialog")
    check_dialog(session, app, "Export", "the Export dialog")
    check_dialog(session, app, "New", "the question of a new task")
    print("every dialog opens inside the screen")


if __name__ == "__main__":
    sys.exit(run_test(run, SCREEN, __doc__))

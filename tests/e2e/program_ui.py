"""The program as a user sees it: where its buttons, palettes and dialogs are, and the few steps (open a
file, save, pick a thumbnail, answer a box) that the end-to-end tests repeat. Built on the harness."""

import os
import re

from canvas_model import PlacedObject, selection_bounds
from harness import Failure, read_artwork

# The main window's column of buttons and the two small object buttons (left, top, width, height).
BUTTONS = {
    "New": (26, 112, 80, 33), "Save": (26, 144, 80, 33), "Photo": (26, 176, 80, 33),
    "Backdrop": (26, 208, 80, 33), "Mask": (26, 240, 80, 33), "Flower": (26, 272, 80, 33),
    "Cartoon": (26, 305, 80, 33), "Text": (26, 336, 80, 33), "Frame": (26, 369, 80, 33),
    "Del Frame": (26, 401, 80, 33), "Help": (26, 432, 80, 33), "Open": (26, 464, 80, 33),
    "Export": (26, 496, 80, 33),
    "Copy": (35, 80, 30, 30), "Delete": (69, 80, 30, 30),
}
GRID_PALETTE_SIZE = (470, 444)
TEXT_PALETTE_SIZE = (470, 369)
THUMBNAIL_COLUMNS = (24, 110, 196, 282, 368)
THUMBNAIL_ROWS = (74, 160, 250, 338)
TEXT_THUMBNAILS = ((24, 74), (126, 74), (236, 74), (346, 74), (24, 162), (128, 160), (238, 160), (348, 160))
PAGE_BUTTON_2 = {"Mask": 40, "Frame": 48, "Cartoon": 64, "Flower": 64}  # x inside the page selector
PAGE_SELECTOR_LEFT = {"Mask": 16, "Frame": 16, "Cartoon": 16, "Flower": 18}
JPEG, BMP, CARD = 1, 2, 3  # the save dialog's file types


def centre(box):
    return box[0] + box[2] // 2, box[1] + box[3] // 2


class Festoon:
    """The running program on a harness Session."""

    def __init__(self, session, program=None):
        self.session = session
        self.program = program or session.program
        self.process = None
        self.main = None

    def start(self, *args):
        self.process, self.main = self.session.start_and_wait_for_main_window(self.program, args)
        return self

    def file_beside(self, *relative):
        """A file of the program folder (main/, pic/) of the running copy."""
        return os.path.join(os.path.dirname(self.program), *relative)

    def artwork(self, relative):
        return read_artwork(self.file_beside("pic", relative))

    def press(self, button):
        self.session.click(centre(BUTTONS[button]))

    # --- palettes

    def open_palette(self, button):
        size = TEXT_PALETTE_SIZE if button == "Text" else GRID_PALETTE_SIZE
        before = self.session.windows()
        self.press(button)
        palette = self.session.wait_for_new_window(before, f"the {button} palette", size)
        self.session.wait_until_settled(region=(palette.x, palette.y, palette.width, palette.height))
        return palette

    def hide_palette(self, palette):
        self.session.click(palette.at(425 + 6, 10 + 6))
        self.session.wait_window_gone(palette, "the palette")

    def thumbnail(self, palette, item):
        if palette.height == TEXT_PALETTE_SIZE[1]:
            left, top = TEXT_THUMBNAILS[item - 1]
        else:
            left, top = THUMBNAIL_COLUMNS[(item - 1) % 5], THUMBNAIL_ROWS[(item - 1) // 5]
        return palette.at(left + 40, top + 40)

    @staticmethod
    def page_2_button(palette, catalog):
        return palette.at(PAGE_SELECTOR_LEFT[catalog] + PAGE_BUTTON_2[catalog] + 10, 40 + 8 + 8)

    def choose_page_2(self, palette, catalog):
        self.session.act_and_settle(lambda: self.session.click(self.page_2_button(palette, catalog)),
                                    f"choosing page 2 of the {catalog} palette",
                                    region=(palette.x, palette.y, palette.width, palette.height))

    def place(self, palette, item, what):
        """Clicks a thumbnail whose artwork changes the canvas, and waits until it is drawn."""
        return self.session.act_and_settle(lambda: self.session.click(self.thumbnail(palette, item)),
                                           what, region=self.canvas_region())

    # --- the canvas

    def canvas_region(self):
        return self.session.CANVAS_ORIGIN + self.session.canvas_size

    def canvas_shot(self):
        """The canvas on the screen, once it has stopped changing."""
        return self.session.wait_until_settled(region=self.canvas_region()).crop(*self.canvas_region())

    def drag_on_canvas(self, start, end, what):
        screen = self.session
        return screen.act_and_settle(lambda: screen.drag(screen.on_screen(start), screen.on_screen(end)), what,
                                     region=self.canvas_region())

    def click_on_canvas(self, point, what):
        screen = self.session
        return screen.act_and_settle(lambda: screen.click(screen.on_screen(point)), what,
                                     region=self.canvas_region())

    def place_lettering(self, text, pixel_size, colour, bold=False):
        """Types the words into the text palette (it opens with its field taking the keys), presses OK and
        answers the font dialog; returns the lettering's bounds as its selection marks show them."""
        texts = self.open_palette("Text")
        self.session.type_text(text)
        self.session.click(texts.at(240 + 40, 320 + 11))
        self.answer_font_dialog(pixel_size, "#%02x%02x%02x" % tuple(colour), bold=bold)
        self.hide_palette(texts)
        return selection_bounds(self.canvas_shot())

    def move_lettering_into(self, balloon, box, colour):
        """Drags lettering of `colour` at box, pressed on a letter, into the white middle of the balloon;
        returns its new bounds."""
        left, top, width, height = box
        to = (balloon.left + 136 - width // 2, balloon.top + 84 - height // 2)
        grip = self.point_of_colour(box, colour)
        self.drag_on_canvas(grip, (grip[0] + to[0] - left, grip[1] + to[1] - top), "moving the lettering")
        return to + (width, height)

    def point_of_colour(self, box, colour):
        """A canvas point inside box (left, top, width, height) that shows exactly `colour`, with the same
        colour all around it, nearest the box's middle."""
        shot = self.canvas_shot()
        left, top, width, height = box
        points = sorted(((x, y) for y in range(top + 1, top + height - 1) for x in range(left + 1, left + width - 1)),
                        key=lambda p: abs(p[0] - left - width // 2) + abs(p[1] - top - height // 2))
        for x, y in points:
            if all(shot.pixel(x + dx, y + dy) == tuple(colour) for dx in (-1, 0, 1) for dy in (-1, 0, 1)):
                return x, y
        raise Failure(f"no point of colour {colour} in {box}")

    def expect_selection(self, bounds, what):
        """Checks where the selection marks show the selected object: left, top, width, height."""
        found = selection_bounds(self.canvas_shot())
        if found != tuple(bounds):
            raise Failure(f"{what}: the selected object lies at {found}, expected {tuple(bounds)}")

    def place_artwork(self, model, button, item, picture, mask, size, what):
        """Places item of a palette's current page, checks that it lands at 10, 10 in the given size, and
        adds it to the model as the topmost object. The palette is hidden again, so that it covers nothing."""
        palette = self.open_palette(button)
        self.session.screenshot(f"{button.lower()}-palette")
        self.place(palette, item, f"placing {what}")
        self.hide_palette(palette)
        placed = PlacedObject(what, 10, 10, size[0], size[1], self.artwork(picture), self.artwork(mask))
        self.expect_selection((10, 10) + tuple(size), what)
        model.objects.append(placed)
        model.recomposed()
        self.session.screenshot(f"placed-{what.replace(' ', '-')}")
        return placed

    def move_object(self, placed, to, what):
        """Drags the topmost object, pressed where it shows near its middle, so that its top-left corner
        lands at `to`."""
        start = placed.visible_point()
        self.drag_on_canvas(start, (start[0] + to[0] - placed.left, start[1] + to[1] - placed.top),
                            f"moving {what}")
        placed.moved(to[0] - placed.left, to[1] - placed.top)
        placed.passes = 1

    # --- dialogs

    def open_file(self, button, path):
        """Presses Photo or Backdrop and picks the file by typing its name into the open dialog."""
        self.press(button)
        dialog = self.session.wait_for_window(lambda w: w.name.startswith("Open a picture"), "the open dialog")
        self.session.focus(dialog)
        self.session.type_text(path)
        self.session.key("Return")
        self.session.wait_window_gone(dialog, "the open dialog")
        self.canvas_shot()

    def open_save_dialog(self, via="Save"):
        self.press(via)
        dialog = self.session.wait_for_window(lambda w: w.name.startswith("Save the picture as"),
                                              "the save dialog")
        self.session.focus(dialog)
        return dialog

    def save_as(self, path, file_type):
        """Saves through the real save dialog: the name typed into its name box, the type chosen in its
        file-type list (Tab leads there from the name; the list shows the type used last, so Home goes
        to JPEG first)."""
        dialog = self.open_save_dialog()
        self.session.type_text(path)
        self.session.key("Tab", "Home", *(["Down"] * (file_type - 1)))
        self.session.screenshot(f"save-dialog-{os.path.basename(path)}")
        self.session.key("Return")
        self.session.wait_window_gone(dialog, "the save dialog")
        self.session.poll(lambda: os.path.exists(path), f"{path} to be written", 20)
        # The file is written in one go; wait until its size stops changing all the same.
        sizes = [-1]

        def steady():
            size = os.path.getsize(path)
            stable = size == sizes[0] and size > 0
            sizes[0] = size
            return stable

        self.session.poll(steady, f"{path} to be complete")
        self.session.keep(path)

    def answer_font_dialog(self, pixel_size, colour_name, bold=False, underline=False):
        """Answers the font dialog through its widgets: the size box (Alt+Z), the style boxes (their
        mnemonics), the colour box (which takes a typed #rrggbb), then OK in the button row."""
        dialog = self.session.wait_for_window(lambda w: w.name.startswith("Font"), "the font dialog")
        self.session.wait_until_settled(region=(dialog.x, dialog.y, dialog.width, dialog.height))
        self.session.focus(dialog)
        self.session.key("alt+z", "ctrl+a")
        self.session.type_text(str(pixel_size))
        if bold:
            self.session.key("alt+b")
        if underline:
            self.session.key("alt+u")
        # The focus order runs size, Bold, Italic, Underline, Strikeout, Colour..., colour name; Enter is OK.
        self.session.key("alt+z", *(["Tab"] * 6), "ctrl+a")
        self.session.type_text(colour_name)
        self.session.screenshot("font-dialog")
        self.session.key("Return")
        self.session.wait_window_gone(dialog, "the font dialog")

    def first_line_of_text(self, box):
        """A point on the first line of a message box's text: dark pixels right of the icon, above the
        buttons."""
        picture = self.session.grab().crop(box.x, box.y, box.width, box.height)
        dark = [(x, y) for y in range(4, box.height - 40) for x in range(56, box.width - 8)
                if sum(picture.pixel(x, y)) < 200]
        if not dark:
            raise Failure(f"no text in the message box {box}")
        top = min(y for _, y in dark)
        line = [(x, y) for x, y in dark if y < top + 10]
        return min(x for x, _ in line) + 20, (top + max(y for _, y in line)) // 2

    def message_box_text(self, box):
        """The text of a message box, selected as a user would (three clicks on it) and copied."""
        self.session.move(box.at(*self.first_line_of_text(box)))
        self.session.xdotool("click", "--repeat", 3, "--delay", 80, 1)
        self.session.key("ctrl+c")
        return self.session.poll(lambda: self.session.clipboard().strip(), "the message to reach the clipboard", 10)

    def wait_for_message_box(self, before, what):
        """A message box (titled with the program's name, smaller than any palette) that was not there."""
        known = {window.id for window in before}
        return self.session.wait_for_window(
            lambda w: w.id not in known and w.name == "Festoon" and w.width < 700 and w.height < 300, what)

    def answer_question(self, before, question, key, what):
        """Waits for a question box that was not there, checks its text, and answers it with a key (the
        mnemonics Alt+Y and Alt+N)."""
        box = self.wait_for_message_box(before, f"the question of {what}")
        text = self.message_box_text(box)
        if text != question:
            raise Failure(f"{what}: the box asks {text!r}, expected {question!r}")
        self.session.screenshot(f"question-{what.replace(' ', '-')}")
        self.session.focus(box)
        self.session.key(key)
        self.session.wait_window_gone(box, "the question")

    def expect_error_box(self, before, pattern, what):
        """Waits for the error box, checks its text against a regular expression, and closes it with OK."""
        box = self.wait_for_message_box(before, f"the error box after {what}")
        self.session.screenshot(f"error-{what.replace(' ', '-')}")
        text = self.message_box_text(box)
        if not re.fullmatch(pattern, text):
            raise Failure(f"{what}: the error box says {text!r}, expected {pattern!r}")
        self.session.focus(box)
        self.session.key("Return")
        self.session.wait_window_gone(box, "the error box")
        return text

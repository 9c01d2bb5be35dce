#!/usr/bin/env python3
"""End to end: start the built program under Xvfb at 1024 x 768, load a photo through the real open
dialog, drag it across the canvas with the real pointer, save it as a BMP through the real save dialog,
and check the saved picture's size and where the photo ended up."""

import argparse
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time

SCREEN = (1024, 768)
CANVAS = (876, 667)  # (screen width - 148) x (screen height - 101)
CANVAS_ORIGIN = (117, 61)  # the canvas panel at 114, 58 plus its 3-pixel border
PHOTO_BUTTON = (26 + 40, 176 + 16)
SAVE_BUTTON = (26 + 40, 144 + 16)
PHOTO_COLOUR = (230, 30, 40)  # red, green, blue
PHOTO_SIZE = (200, 100)  # shown at 400 x 200 at 10, 10 on the canvas
DRAG = (200, 250)
SKIP = 77


def write_bmp(path, width, height, rgb):
    row = bytes((rgb[2], rgb[1], rgb[0])) * width
    row += b"\0" * ((4 - len(row) % 4) % 4)
    pixels = row * height
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, "wb") as out:
        out.write(header + info + pixels)


def read_bmp(path):
    """A 24-bit BMP as (width, height, pixel(x, y) -> (r, g, b))."""
    with open(path, "rb") as source:
        data = source.read()
    if data[:2] != b"BM":
        raise ValueError(f"{path} is not a BMP file")
    offset = struct.unpack_from("<I", data, 10)[0]
    width, height, _, bits = struct.unpack_from("<iiHH", data, 18)
    if bits != 24:
        raise ValueError(f"{path} has {bits} bits per pixel")
    stride = (width * 3 + 3) // 4 * 4
    bottom_up = height > 0
    height = abs(height)

    def pixel(x, y):
        row = height - 1 - y if bottom_up else y
        at = offset + row * stride + x * 3
        return data[at + 2], data[at + 1], data[at]

    return width, height, pixel


def close_to(colour, expected, tolerance=12):
    return all(abs(a - b) <= tolerance for a, b in zip(colour, expected))


class Session:
    """The virtual display, the program on it, and the screenshots taken along the way."""

    def __init__(self, program, artefacts):
        self.program = program
        self.artefacts = artefacts
        self.display = None
        self.xvfb = None
        self.app = None
        self.shots = 0
        self.work = tempfile.mkdtemp(prefix="festoon-e2e-")
        self.runtime = os.path.join(self.work, "runtime")
        os.mkdir(self.runtime, 0o700)

    def env(self):
        env = dict(os.environ)
        env.update(DISPLAY=self.display, QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=self.runtime)
        env.pop("WAYLAND_DISPLAY", None)
        return env

    def start_display(self):
        for number in range(90, 140):
            if os.path.exists(f"/tmp/.X{number}-lock") or os.path.exists(f"/tmp/.X11-unix/X{number}"):
                continue
            display = f":{number}"
            xvfb = subprocess.Popen(
                ["Xvfb", display, "-screen", "0", f"{SCREEN[0]}x{SCREEN[1]}x24", "-nolisten", "tcp"],
                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            self.display = display
            if self.poll(lambda: xvfb.poll() is None and self.x_ok(["xdpyinfo"]), 10):
                self.xvfb = xvfb
                return
            xvfb.kill()
            xvfb.wait()
        raise RuntimeError("no free display for Xvfb")

    def x_ok(self, command):
        return subprocess.run(command, env=self.env(), stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL).returncode == 0

    def xdotool(self, *args):
        subprocess.run(["xdotool", *map(str, args)], env=self.env(), check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def find_window(self, title, timeout=20):
        found = []

        def search():
            result = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                                    env=self.env(), capture_output=True, text=True)
            found[:] = result.stdout.split()
            return bool(found)

        if not self.poll(search, timeout):
            self.screenshot(f"no-window-{title.replace(' ', '-')}")
            raise RuntimeError(f'the window "{title}" did not appear')
        return found[-1]

    def wait_window_gone(self, title, timeout=20):
        def gone():
            result = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                                    env=self.env(), capture_output=True, text=True)
            return not result.stdout.split()

        if not self.poll(gone, timeout):
            raise RuntimeError(f'the window "{title}" did not close')

    def poll(self, condition, timeout):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if condition():
                return True
            if self.app is not None and self.app.poll() is not None:
                raise RuntimeError(f"the program ended with code {self.app.returncode}")
            time.sleep(0.1)
        return False

    def screenshot(self, name):
        self.shots += 1
        target = os.path.join(self.artefacts, f"{self.shots:02d}-{name}.png")
        subprocess.run(["import", "-window", "root", target], env=self.env(),
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def start_program(self):
        self.app = subprocess.Popen([self.program], env=self.env(), cwd=self.work,
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.find_window("Festoon")
        time.sleep(0.5)  # let the first paint land before the screenshot

    def click(self, point):
        self.xdotool("mousemove", point[0], point[1])
        self.xdotool("click", 1)

    def type_into(self, window, text):
        self.xdotool("windowfocus", "--sync", window)
        self.xdotool("type", "--delay", 20, text)

    def close(self):
        for process in (self.app, self.xvfb):
            if process is not None and process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        shutil.rmtree(self.work, ignore_errors=True)


def run(session):
    photo = os.path.join(session.work, "photo.bmp")
    write_bmp(photo, PHOTO_SIZE[0], PHOTO_SIZE[1], PHOTO_COLOUR)
    saved = os.path.join(session.work, "result.bmp")

    session.start_display()
    session.start_program()
    session.screenshot("started")

    session.click(PHOTO_BUTTON)
    dialog = session.find_window("Open a picture")
    session.screenshot("open-dialog")
    session.type_into(dialog, photo)
    session.xdotool("key", "Return")
    session.wait_window_gone("Open a picture")
    time.sleep(0.5)
    session.screenshot("photo-loaded")

    # Press in the photo's move zone and drag it in small steps, as a hand would.
    start = (CANVAS_ORIGIN[0] + 10 + 200, CANVAS_ORIGIN[1] + 10 + 100)
    session.xdotool("mousemove", start[0], start[1])
    time.sleep(0.2)
    session.xdotool("mousedown", 1)
    steps = 10
    for step in range(1, steps + 1):
        session.xdotool("mousemove", start[0] + DRAG[0] * step // steps, start[1] + DRAG[1] * step // steps)
        time.sleep(0.05)
    session.screenshot("dragging")
    session.xdotool("mouseup", 1)
    time.sleep(0.5)
    session.screenshot("dragged")

    session.click(SAVE_BUTTON)
    dialog = session.find_window("Save the picture as")
    session.type_into(dialog, saved)
    # Tab leads from the file name to the file type list, where Down picks the BMP entry.
    session.xdotool("key", "Tab", "Down")
    session.screenshot("save-dialog")
    session.xdotool("key", "Return")
    session.wait_window_gone("Save the picture as")
    session.poll(lambda: os.path.exists(saved), 10)
    session.screenshot("saved")

    if not os.path.exists(saved):
        others = [name for name in os.listdir(session.work) if name.startswith("result")]
        raise AssertionError(f"{saved} was not written (found: {others})")
    width, height, pixel = read_bmp(saved)
    if (width, height) != CANVAS:
        raise AssertionError(f"saved picture is {width} x {height}, expected {CANVAS[0]} x {CANVAS[1]}")
    moved_centre = (10 + 200 + DRAG[0], 10 + 100 + DRAG[1])
    if not close_to(pixel(*moved_centre), PHOTO_COLOUR):
        raise AssertionError(f"photo colour expected at {moved_centre}, found {pixel(*moved_centre)}")
    old_centre = (10 + 200 - 50, 10 + 100 - 50)  # inside the old place, outside the new one
    if close_to(pixel(*old_centre), PHOTO_COLOUR):
        raise AssertionError(f"the photo is still at its old place ({old_centre})")
    print(f"saved {width} x {height}; photo found at {moved_centre}")


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--program", required=True)
    parser.add_argument("--artefacts", required=True)
    args = parser.parse_args()
    for tool in ("Xvfb", "xdotool", "xdpyinfo", "import"):
        if shutil.which(tool) is None:
            print(f"{tool} is not installed (scripts/setup.sh installs it); skipping")
            return SKIP
    os.makedirs(args.artefacts, exist_ok=True)
    for old in os.listdir(args.artefacts):
        if old.endswith(".png"):
            os.remove(os.path.join(args.artefacts, old))
    session = Session(os.path.abspath(args.program), args.artefacts)
    try:
        run(session)
    except (AssertionError, RuntimeError, subprocess.CalledProcessError) as failure:
        session.screenshot("failure")
        print(f"FAILED: {failure}", file=sys.stderr)
        return 1
    finally:
        session.close()
    return 0


if __name__ == "__main__":
    sys.exit(main())

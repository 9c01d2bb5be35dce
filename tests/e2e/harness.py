"""What the end-to-end tests share: a virtual X display of a chosen size, the program on it, real pointer
and key events through xdotool, screenshots kept as artefacts, and the pixels of the pictures involved.

Every wait polls with a timeout and fails with a message that names what did not happen; the display and
every program started are ended on every path."""

import argparse
import os
import random
import re
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77
TOOLS = ("Xvfb", "xdpyinfo", "xdotool", "xwininfo", "import", "convert", "xclip")
LEFT_BUTTON = 1


class Failure(Exception):
    """A check of the test did not hold."""


# ----------------------------------------------------------------------------------------------------------
# Pictures


class Picture:
    """An RGB picture in memory: width, height and pixel(x, y) -> (r, g, b)."""

    def __init__(self, width, height, rgb):
        if len(rgb) != width * height * 3:
            raise ValueError(f"{len(rgb)} bytes for a {width} x {height} picture")
        self.width = width
        self.height = height
        self.rgb = rgb

    def pixel(self, x, y):
        if not (0 <= x < self.width and 0 <= y < self.height):
            raise IndexError(f"{x}, {y} lies outside {self.width} x {self.height}")
        at = (y * self.width + x) * 3
        return tuple(self.rgb[at:at + 3])

    def crop(self, left, top, width, height):
        rows = [self.rgb[((top + y) * self.width + left) * 3:((top + y) * self.width + left + width) * 3]
                for y in range(height)]
        return Picture(width, height, b"".join(rows))


def read_bmp(path):
    """A 24-bit BMP file, read exactly, without any library in between."""
    with open(path, "rb") as source:
        data = source.read()
    if data[:2] != b"BM":
        raise Failure(f"{path} is not a BMP file")
    offset = int.from_bytes(data[10:14], "little")
    width = int.from_bytes(data[18:22], "little", signed=True)
    height = int.from_bytes(data[22:26], "little", signed=True)
    bits = int.from_bytes(data[28:30], "little")
    if bits != 24:
        raise Failure(f"{path} has {bits} bits per pixel, not 24")
    stride = (width * 3 + 3) // 4 * 4
    rows = []
    for y in range(abs(height)):
        row = height - 1 - y if height > 0 else y
        start = offset + row * stride
        bgr = data[start:start + width * 3]
        rgb = bytearray(len(bgr))
        rgb[0::3], rgb[1::3], rgb[2::3] = bgr[2::3], bgr[1::3], bgr[0::3]
        rows.append(bytes(rgb))
    return Picture(width, abs(height), b"".join(rows))


def _decode(source, data=None):
    """Any picture ImageMagick reads, as a Picture. JPEGs are decoded with libjpeg's default integer
    transform, the one the program uses, so that decoded pixels can be compared exactly."""
    result = subprocess.run(["convert", "-define", "jpeg:dct-method=islow", source, "-depth", "8", "ppm:-"],
                            input=data, capture_output=True)
    if result.returncode != 0:
        raise Failure(f"cannot decode {source if data is None else 'a picture'}: {result.stderr.decode()}")
    match = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", result.stdout)
    if match is None:
        raise Failure("ImageMagick gave no PPM picture")
    width, height = int(match.group(1)), int(match.group(2))
    return Picture(width, height, result.stdout[match.end():match.end() + width * height * 3])


def read_picture(path):
    """A BMP read exactly, or any other picture (JPEG, PNG) through ImageMagick."""
    with open(path, "rb") as source:
        is_bmp = source.read(2) == b"BM"
    return read_bmp(path) if is_bmp else _decode(path)


ARTWORK_HEADER = bytes.fromhex("FFD8FFE000104A464946000111000001")


def read_artwork(path):
    """An artwork file of the catalogs: a JPEG whose first 16 bytes are replaced before decoding."""
    with open(path, "rb") as source:
        data = bytearray(source.read())
    data[:16] = ARTWORK_HEADER
    return _decode("jpeg:-", bytes(data))


def write_bmp(path, picture):
    """A bottom-up 24-bit BMP file of a Picture."""
    stride = (picture.width * 3 + 3) // 4 * 4
    size = 54 + stride * picture.height
    header = b"BM" + size.to_bytes(4, "little") + bytes(4) + (54).to_bytes(4, "little")
    info = b"".join([(40).to_bytes(4, "little"), picture.width.to_bytes(4, "little"),
                     picture.height.to_bytes(4, "little"), (1).to_bytes(2, "little"), (24).to_bytes(2, "little"),
                     bytes(4), (stride * picture.height).to_bytes(4, "little"), (2835).to_bytes(4, "little"),
                     (2835).to_bytes(4, "little"), bytes(8)])
    padding = bytes(stride - picture.width * 3)
    rows = []
    for y in reversed(range(picture.height)):
        rgb = picture.rgb[y * picture.width * 3:(y + 1) * picture.width * 3]
        bgr = bytearray(len(rgb))
        bgr[0::3], bgr[1::3], bgr[2::3] = rgb[2::3], rgb[1::3], rgb[0::3]
        rows.append(bytes(bgr) + padding)
    with open(path, "wb") as out:
        out.write(header + info + b"".join(rows))


def write_jpeg(path, picture, quality=95):
    subprocess.run(["convert", "-size", f"{picture.width}x{picture.height}", "-depth", "8", "rgb:-",
                    "-quality", str(quality), path], input=picture.rgb, check=True)


def make_picture(width, height, colour_at):
    """A Picture whose pixel x, y is colour_at(x, y)."""
    rgb = bytearray(width * height * 3)
    at = 0
    for y in range(height):
        for x in range(width):
            rgb[at:at + 3] = bytes(colour_at(x, y))
            at += 3
    return Picture(width, height, bytes(rgb))


def solid(width, height, colour):
    return Picture(width, height, bytes(colour) * (width * height))


def close_to(colour, expected, tolerance):
    return all(abs(a - b) <= tolerance for a, b in zip(colour, expected))


# ----------------------------------------------------------------------------------------------------------
# Windows


class Window:
    def __init__(self, wid, name, x, y, width, height):
        self.id, self.name = wid, name
        self.x, self.y, self.width, self.height = x, y, width, height

    def at(self, x, y):
        """A point given in the window's own coordinates, on the screen."""
        return self.x + x, self.y + y

    def __repr__(self):
        return f'<window {self.id:#x} "{self.name}" {self.width}x{self.height}+{self.x}+{self.y}>'


_CHILD_LINE = re.compile(r'^\s*(0x[0-9a-f]+) (?:"(.*?)"|\(has no name\)): \(.*?\)\s+(\d+)x(\d+)\+-?\d+\+-?\d+\s+'
                         r'\+(-?\d+)\+(-?\d+)\s*$')


class Session:
    """One virtual display of a given size, the programs started on it and the screenshots taken."""

    def __init__(self, program, artefacts, screen):
        self.program = program
        self.artefacts = artefacts
        self.screen = screen
        self.work = tempfile.mkdtemp(prefix="festoon-e2e-")
        # A runtime folder of its own keeps the single-instance lock apart from other tests running at once.
        self.runtime = os.path.join(self.work, "runtime")
        os.mkdir(self.runtime, 0o700)
        # So is the state folder, where the program keeps its recovery file.
        self.state = os.path.join(self.work, "state")
        os.mkdir(self.state, 0o700)
        self.display = None
        self.xvfb = None
        self.processes = []
        self.shots = 0

    # --- the screen's geometry as the program lays it out

    @property
    def canvas_size(self):
        return self.screen[0] - 148, self.screen[1] - 101

    @property
    def main_window_size(self):
        return self.screen[0] - 4, self.screen[1] - 25

    CANVAS_ORIGIN = (117, 61)  # the canvas panel at 114, 58 inside its 3-pixel border

    def on_screen(self, canvas_point):
        return canvas_point[0] + self.CANVAS_ORIGIN[0], canvas_point[1] + self.CANVAS_ORIGIN[1]

    # --- display and programs

    def env(self):
        env = dict(os.environ)
        env.update(DISPLAY=self.display or "", QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=self.runtime,
                   XDG_STATE_HOME=self.state)
        env.pop("WAYLAND_DISPLAY", None)
        env.pop("XAUTHORITY", None)
        return env

    def start_display(self):
        """Xvfb on a free display number drawn at random from a range that desktops and fixed test set-ups
        leave alone; a number taken meanwhile by someone else makes that Xvfb fail, and the next is tried."""
        size = f"{self.screen[0]}x{self.screen[1]}"
        for number in random.sample(range(300, 900), 40):
            if os.path.exists(f"/tmp/.X{number}-lock") or os.path.exists(f"/tmp/.X11-unix/X{number}"):
                continue
            self.display = f":{number}"
            # -noreset: without it the server resets whenever its last client leaves, and refuses the
            # connections that arrive meanwhile.
            self.xvfb = subprocess.Popen(["Xvfb", self.display, "-screen", "0", f"{size}x24", "-nolisten", "tcp",
                                          "-noreset"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            deadline = time.monotonic() + 10
            while self.xvfb.poll() is None and time.monotonic() < deadline:
                # Our own server answers with our screen size; another one on the same number would not.
                info = subprocess.run(["xdpyinfo"], env=self.env(), capture_output=True, text=True).stdout
                if f"dimensions:    {size} pixels" in info and self.xvfb.poll() is None:
                    return
                time.sleep(0.1)
            self.xvfb.kill()
            self.xvfb.wait()
        self.display = self.xvfb = None
        raise Failure("no free display for Xvfb")

    def start_program(self, program=None, name="program", args=()):
        """Starts the program (or another copy of it) with the given arguments in the session's working
        folder, and returns its process."""
        log = open(os.path.join(self.artefacts, f"{name}.log"), "wb")
        process = subprocess.Popen([program or self.program, *args], env=self.env(), cwd=self.work,
                                   stdout=log, stderr=subprocess.STDOUT)
        log.close()
        self.processes.append(process)
        return process

    def start_and_wait_for_main_window(self, program=None, args=()):
        process = self.start_program(program, args=args)
        window = self.wait_for_window(lambda w: (w.width, w.height) == self.main_window_size and (w.x, w.y) == (0, 0),
                                      "the main window", process=process)
        self.wait_until_settled()
        return process, window

    def close(self):
        for process in list(reversed(self.processes)) + [self.xvfb]:
            if process is not None and process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        shutil.rmtree(self.work, ignore_errors=True)

    # --- waiting

    def poll(self, condition, what, timeout=20, process=None):
        """Polls condition() until it gives a true value, which is returned; fails after timeout seconds."""
        deadline = time.monotonic() + timeout
        while True:
            value = condition()
            if value:
                return value
            watched = process if process is not None else (self.processes[0] if self.processes else None)
            if watched is not None and watched.poll() is not None:
                raise Failure(f"the program ended (code {watched.returncode}) while waiting for {what}")
            if time.monotonic() > deadline:
                raise Failure(f"timed out after {timeout} s waiting for {what}")
            time.sleep(0.1)

    def windows(self):
        """The visible top-level windows, the topmost first."""
        visible = subprocess.run(["xdotool", "search", "--onlyvisible", "--maxdepth", "1", "--name", ""],
                                 env=self.env(), capture_output=True, text=True).stdout.split()
        visible = {int(wid) for wid in visible}
        listing = subprocess.run(["xwininfo", "-root", "-children"], env=self.env(), capture_output=True,
                                 text=True).stdout
        found = []
        for line in listing.splitlines():
            match = _CHILD_LINE.match(line)
            if match and int(match.group(1), 16) in visible:
                wid = int(match.group(1), 16)
                width, height, x, y = (int(match.group(i)) for i in range(3, 7))
                found.append(Window(wid, match.group(2) or "", x, y, width, height))
        return found

    def wait_for_window(self, predicate, what, timeout=20, process=None):
        seen = []

        def search():
            seen[:] = self.windows()
            matches = [window for window in seen if predicate(window)]
            return matches[0] if matches else None

        try:
            return self.poll(search, what, timeout, process)
        except Failure as failure:
            raise Failure(f"{failure}; the visible windows: {seen}") from None

    def wait_for_new_window(self, before, what, size=None, timeout=20):
        known = {window.id for window in before}
        return self.wait_for_window(
            lambda w: w.id not in known and (size is None or (w.width, w.height) == size), what, timeout)

    def wait_window_gone(self, window, what, timeout=20):
        self.poll(lambda: all(w.id != window.id for w in self.windows()), f"{what} to close", timeout)

    def grab(self):
        """The whole screen as a Picture."""
        result = subprocess.run(["import", "-window", "root", "-depth", "8", "rgb:-"], env=self.env(),
                                capture_output=True)
        if result.returncode != 0 or len(result.stdout) != self.screen[0] * self.screen[1] * 3:
            raise Failure(f"cannot take a screenshot: {result.stderr.decode()}")
        return Picture(self.screen[0], self.screen[1], result.stdout)

    def wait_until_settled(self, timeout=20, region=None):
        """Waits until two screenshots in a row are the same (within region: left, top, width, height, if
        given, so that a blinking text cursor elsewhere does not count): the program has drawn what it had
        to. Returns the last screenshot."""
        def area(picture):
            return picture.crop(*region).rgb if region else picture.rgb

        previous = [self.grab()]

        def same():
            current = self.grab()
            settled = area(current) == area(previous[0])
            previous[0] = current
            return current if settled else None

        return self.poll(same, "the screen to settle", timeout)

    def act_and_settle(self, action, what, region=None, timeout=20):
        """Runs action() and waits until the screen (or region: left, top, width, height) has changed and
        settled again; returns the settled screen."""
        before = self.grab()
        action()

        def area(picture):
            return picture.crop(*region).rgb if region else picture.rgb

        self.poll(lambda: area(self.grab()) != area(before), f"the screen to change after {what}", timeout)
        return self.wait_until_settled(timeout, region)

    # --- input

    def xdotool(self, *args):
        result = subprocess.run(["xdotool", *map(str, args)], env=self.env(), capture_output=True, text=True)
        if result.returncode != 0:
            raise Failure(f"xdotool {' '.join(map(str, args))} failed: {result.stderr.strip()}")
        return result.stdout

    def move(self, point):
        self.xdotool("mousemove", "--sync", point[0], point[1])

    def click(self, point, button=LEFT_BUTTON):
        self.move(point)
        self.xdotool("click", button)

    def drag(self, start, end, button=LEFT_BUTTON, steps=8):
        """Presses at start, moves to end in small steps as a hand would, and releases there."""
        # A move onto the start point first, so that the program sees the pointer arrive there.
        self.move((start[0] - 1, start[1]))
        self.move(start)
        self.xdotool("mousedown", button)
        for step in range(1, steps + 1):
            self.move((start[0] + (end[0] - start[0]) * step // steps,
                       start[1] + (end[1] - start[1]) * step // steps))
            time.sleep(0.03)
        self.xdotool("mouseup", button)

    def focus(self, window):
        """Gives the window the keyboard; without a window manager nothing else does."""
        self.xdotool("windowfocus", "--sync", window.id)

    def key(self, *keys):
        self.xdotool("key", "--delay", 30, *keys)

    def type_text(self, text):
        self.xdotool("type", "--delay", 20, text)

    def clipboard(self):
        result = subprocess.run(["xclip", "-selection", "clipboard", "-o"], env=self.env(), capture_output=True,
                                text=True, timeout=10)
        return result.stdout if result.returncode == 0 else ""

    # --- artefacts

    def screenshot(self, step):
        """Keeps the screen as artefacts/NN-step.png and returns its path."""
        self.shots += 1
        target = os.path.join(self.artefacts, f"{self.shots:02d}-{step}.png")
        subprocess.run(["import", "-window", "root", target], env=self.env(), stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)
        return target

    def keep(self, path):
        """Keeps a file the program wrote (a saved picture) beside the screenshots, as saved-<name>."""
        shutil.copyfile(path, os.path.join(self.artefacts, "saved-" + os.path.basename(path)))

    def path(self, name):
        return os.path.join(self.work, name)


def run_test(body, screen, description):
    """Entry point of a test script: parses --program and --artefacts, skips (77) without the tools,
    runs body(session) with a display of the given size, and reports a failure with a last screenshot."""
    parser = argparse.ArgumentParser(description=description)
    parser.add_argument("--program", required=True)
    parser.add_argument("--artefacts", required=True)
    args = parser.parse_args()
    missing = [tool for tool in TOOLS if shutil.which(tool) is None]
    if missing:
        print(f"{', '.join(missing)} not installed (scripts/setup.sh installs them); skipping")
        return SKIP
    os.makedirs(args.artefacts, exist_ok=True)
    for old in os.listdir(args.artefacts):
        if old.endswith((".png", ".log")) or old.startswith("saved-"):
            os.remove(os.path.join(args.artefacts, old))
    session = Session(os.path.abspath(args.program), args.artefacts, screen)
    started = time.monotonic()
    try:
        session.start_display()
        body(session)
    except (Failure, subprocess.SubprocessError, OSError) as failure:
        if session.display is not None:
            session.screenshot("failure")
        print(f"FAILED: {failure}", file=sys.stderr)
        return 1
    finally:
        session.close()
    print(f"passed in {time.monotonic() - started:.1f} s; screenshots in {args.artefacts}")
    return 0

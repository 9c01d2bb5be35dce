#!/usr/bin/env python3
"""End to end at 1024 x 768: the program installed as a desktop program. The install holds the executable
with main/, pic/, help.chm and the help pages beside it, a link in bin/, the desktop entry that opens
pictures, the icons and the software-centre metadata; the installed program starts from another working
folder, reads its artwork, places a cartoon and opens a photo named on its command line.

With --program pointing at the built program, the test installs it under a prefix of its own first; with
--installed, --program is <prefix>/bin/festoon of a tree installed already (the unpacked Debian package)."""

import configparser
import os
import subprocess
import sys

from harness import Failure, run_test, solid, write_bmp
from program_ui import Festoon

SCREEN = (1024, 768)
ICON_SIZES = ("48x48", "128x128", "256x256")


def prefix_of(session, installed):
    if installed:
        return os.path.dirname(os.path.dirname(session.program))
    build = os.path.dirname(os.path.dirname(session.program))
    prefix = session.path("prefix")
    result = subprocess.run(["cmake", "--install", build, "--prefix", prefix], capture_output=True, text=True)
    if result.returncode != 0:
        raise Failure(f"cmake --install failed: {result.stderr.strip()}")
    return prefix


def png_size(path):
    with open(path, "rb") as picture:
        header = picture.read(24)
    if header[:8] != b"\x89PNG\r\n\x1a\n":
        raise Failure(f"{path} is not a PNG picture")
    return int.from_bytes(header[16:20], "big"), int.from_bytes(header[20:24], "big")


def check_installed_files(prefix):
    program_folder = os.path.join(prefix, "lib", "festoon")
    for relative in ("festoon", "help.chm", "help/index.html", "help/style.css", "main/mainx.bmp",
                     "main/mainb.jpg", "main/Defaultmask.jpg", "pic/cartoon/1/pic/1.ssl", "pic/Frame/2/mask/20.ssl",
                     "pic/text/big/8.ssl"):
        if not os.path.isfile(os.path.join(program_folder, relative)):
            raise Failure(f"{relative} is not installed beside the program")
    link = os.path.join(prefix, "bin", "festoon")
    if os.path.realpath(link) != os.path.realpath(os.path.join(program_folder, "festoon")):
        raise Failure("bin/festoon does not lead to the installed program")
    entry = configparser.ConfigParser(interpolation=None)
    entry.read(os.path.join(prefix, "share", "applications", "festoon.desktop"))
    desktop = entry["Desktop Entry"]
    if desktop.get("Exec") != "festoon %F" or "Graphics" not in desktop.get("Categories", "").split(";"):
        raise Failure(f"the desktop entry is not a Graphics program opening files with festoon: {dict(desktop)}")
    if not {"image/jpeg", "image/bmp", "image/png", "image/webp", "image/tiff", "image/gif",
            "image/openraster"} <= set(desktop.get("MimeType", "").split(";")):
        raise Failure(f"the desktop entry does not offer to open every picture format and cards: {desktop.get('MimeType')}")
    icons = os.path.join(prefix, "share", "icons", "hicolor")
    for size in ICON_SIZES:
        icon = os.path.join(icons, size, "apps", f"{desktop.get('Icon')}.png")
        if not os.path.isfile(icon):
            raise Failure(f"the desktop entry's icon is not installed at {icon}")
        if "x".join(map(str, png_size(icon))) != size:
            raise Failure(f"the {size} icon is {png_size(icon)}")
    if not os.path.isfile(os.path.join(icons, "scalable", "apps", f"{desktop.get('Icon')}.svg")):
        raise Failure("the scalable icon is not installed")
    if not os.path.isfile(os.path.join(prefix, "share", "metainfo", "org.festoon.Festoon.metainfo.xml")):
        raise Failure("the software-centre metadata is not installed")
    return link


def run(session, installed):
    link = check_installed_files(prefix_of(session, installed))
    write_bmp(session.path("photo.bmp"), solid(200, 100, (230, 30, 40)))
    # The harness starts programs in a working folder of its own, away from the installed tree.
    app = Festoon(session, program=link).start("photo.bmp")
    app.expect_selection((10, 10, 400, 200), "the photo named on the command line")
    session.screenshot("installed-program")
    palette = app.open_palette("Cartoon")
    app.place(palette, 1, "placing cartoon 1 from the installed artwork")
    session.screenshot("installed-cartoon")


if __name__ == "__main__":
    installed = "--installed" in sys.argv
    if installed:
        sys.argv.remove("--installed")
    sys.exit(run_test(lambda session: run(session, installed), SCREEN, __doc__))

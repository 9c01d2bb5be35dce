#!/usr/bin/env python3
"""End to end at 1024 x 768: the program installed under a prefix as a desktop program. The install holds
the executable with main/, pic/ and help.chm beside it, a link in bin/, the desktop entry and the icon; the
installed program starts from another working folder, reads its artwork and places a cartoon."""

import configparser
import os
import subprocess
import sys

from harness import Failure, run_test
from program_ui import Festoon

SCREEN = (1024, 768)


def install(session):
    build = os.path.dirname(os.path.dirname(session.program))
    prefix = session.path("prefix")
    result = subprocess.run(["cmake", "--install", build, "--prefix", prefix], capture_output=True, text=True)
    if result.returncode != 0:
        raise Failure(f"cmake --install failed: {result.stderr.strip()}")
    return prefix


def check_installed_files(prefix):
    program_folder = os.path.join(prefix, "lib", "festoon")
    for relative in ("festoon", "help.chm", "main/mainx.bmp", "main/mainb.jpg", "main/Defaultmask.jpg",
                     "pic/cartoon/1/pic/1.ssl", "pic/Frame/2/mask/20.ssl", "pic/text/big/8.ssl"):
        if not os.path.isfile(os.path.join(program_folder, relative)):
            raise Failure(f"{relative} is not installed beside the program")
    link = os.path.join(prefix, "bin", "festoon")
    if os.path.realpath(link) != os.path.realpath(os.path.join(program_folder, "festoon")):
        raise Failure("bin/festoon does not lead to the installed program")
    entry = configparser.ConfigParser(interpolation=None)
    entry.read(os.path.join(prefix, "share", "applications", "festoon.desktop"))
    desktop = entry["Desktop Entry"]
    if desktop.get("Exec") != "festoon" or "Graphics" not in desktop.get("Categories", "").split(";"):
        raise Failure(f"the desktop entry is not a Graphics program starting festoon: {dict(desktop)}")
    icon = os.path.join(prefix, "share", "icons", "hicolor", "256x256", "apps", f"{desktop.get('Icon')}.png")
    if not os.path.isfile(icon):
        raise Failure(f"the desktop entry's icon is not installed at {icon}")
    return link


def run(session):
    link = check_installed_files(install(session))
    # The harness starts programs in a working folder of its own, away from the installed tree.
    app = Festoon(session, program=link).start()
    session.screenshot("installed-program")
    palette = app.open_palette("Cartoon")
    app.place(palette, 1, "placing cartoon 1 from the installed artwork")
    session.screenshot("installed-cartoon")


if __name__ == "__main__":
    sys.exit(run_test(run, SCREEN, __doc__))

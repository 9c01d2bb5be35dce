#!/usr/bin/env python3
"""Checks the Debian package that scripts/package.sh made, as a user installing it would meet it: its name
and control fields, the libraries it depends on, that everything lies under /usr where it belongs, the
desktop entry and the software-centre metadata as their validators judge them, and then the program
itself, unpacked with dpkg-deb -x and run from there by the installed-program end-to-end test.

Usage: scripts/check-package.py build/package/festoon_<version>_<arch>.deb [artefacts folder]"""

import os
import re
import shutil
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
# Libraries the program links; dpkg-shlibdeps must have found each.
NEEDED = ("libc6", "libstdc++6", "libjpeg62-turbo", "libqt6core6", "libqt6gui6", "libqt6widgets6",
          "libqt6network6", "libqt6printsupport6", "libexif12", "qt6-image-formats-plugins")
INSTALLED = (
    "usr/bin/festoon", "usr/lib/festoon/festoon", "usr/lib/festoon/help.chm", "usr/lib/festoon/help/index.html",
    "usr/lib/festoon/main/mainx.bmp", "usr/lib/festoon/main/mainb.jpg", "usr/lib/festoon/main/Defaultmask.jpg",
    "usr/lib/festoon/pic/mask/1/big/1.ssl", "usr/lib/festoon/pic/Frame/1/small/1.ssl",
    "usr/lib/festoon/pic/cartoon/1/pic/1.ssl", "usr/lib/festoon/pic/flower/1/small/1.ssl",
    "usr/lib/festoon/pic/text/big/1.ssl", "usr/lib/festoon/main/mainx@2x.bmp",
    "usr/lib/festoon/pic/mask/1/small/1@2x.ssl", "usr/lib/festoon/help/cards.html",
    "usr/share/applications/festoon.desktop",
    "usr/share/icons/hicolor/48x48/apps/festoon.png", "usr/share/icons/hicolor/128x128/apps/festoon.png",
    "usr/share/icons/hicolor/256x256/apps/festoon.png", "usr/share/icons/hicolor/scalable/apps/festoon.svg",
    "usr/share/metainfo/org.festoon.Festoon.metainfo.xml", "usr/share/man/man1/festoon.1.gz")


class Failure(Exception):
    pass


def run(*command, **options):
    result = subprocess.run(command, capture_output=True, text=True, **options)
    if result.returncode != 0:
        raise Failure(f"{' '.join(command)} failed:\n{result.stdout}{result.stderr}")
    return result.stdout


def project_version():
    with open(os.path.join(ROOT, "CMakeLists.txt")) as cmake:
        match = re.search(r"project\(Festoon VERSION ([0-9.]+)", cmake.read())
    return match.group(1)


def check_control(deb):
    fields = {}
    for line in run("dpkg-deb", "-f", deb).splitlines():
        if ":" in line and not line.startswith(" "):
            name, value = line.split(":", 1)
            fields[name] = value.strip()
    architecture = run("dpkg", "--print-architecture").strip()
    expected_name = f"festoon_{project_version()}_{architecture}.deb"
    if os.path.basename(deb) != expected_name:
        raise Failure(f"the package is named {os.path.basename(deb)}, expected {expected_name}")
    for name, value in (("Package", "festoon"), ("Version", project_version()), ("Architecture", architecture),
                        ("Section", "graphics")):
        if fields.get(name) != value:
            raise Failure(f"{name} is {fields.get(name)!r}, expected {value!r}")
    depends = {re.match(r"[a-z0-9.+-]+", item.strip()).group(0) for item in fields.get("Depends", "").split(",")}
    missing = [library for library in NEEDED if library not in depends]
    if missing:
        raise Failure(f"Depends lacks {missing}: {fields.get('Depends')}")
    if not fields.get("Maintainer") or not fields.get("Description"):
        raise Failure("the package has no maintainer or no description")
    print(f"control: {expected_name}, Depends: {fields['Depends']}", flush=True)


def check_contents(deb):
    listing = run("dpkg-deb", "-c", deb).splitlines()
    paths = [line.split()[5].lstrip(".").lstrip("/") for line in listing]
    outside = [path for path in paths if path and not path.startswith("usr")]
    if outside:
        raise Failure(f"the package installs outside /usr: {outside[:5]}")
    for path in INSTALLED:
        if path not in paths:
            raise Failure(f"the package does not install /{path}")
    strays = [path for path in paths if re.search(r"(gtest|gmock|_tests$|bench|\.a$|\.h$)", path)]
    if strays:
        raise Failure(f"the package carries build or test files: {strays[:5]}")
    print(f"contents: {len(paths)} entries, all under /usr", flush=True)


def check_unpacked(tree):
    link = os.path.join(tree, "usr", "bin", "festoon")
    if os.readlink(link) != "../lib/festoon/festoon":
        raise Failure(f"/usr/bin/festoon links to {os.readlink(link)}")
    program = os.path.join(tree, "usr", "lib", "festoon", "festoon")
    if "not stripped" in run("file", program):
        raise Failure("the installed program is not stripped")
    run("desktop-file-validate", os.path.join(tree, "usr/share/applications/festoon.desktop"))
    run("appstreamcli", "validate", "--no-net", os.path.join(tree, "usr/share/metainfo/org.festoon.Festoon.metainfo.xml"))
    version = run(program, "--version", env=dict(os.environ, QT_QPA_PLATFORM="offscreen")).strip()
    if version != f"festoon {project_version()}":
        raise Failure(f"festoon --version says {version!r}")
    print("unpacked: the desktop entry and the metadata validate, the program knows its version", flush=True)


def main():
    if len(sys.argv) not in (2, 3):
        print(__doc__, file=sys.stderr)
        return 2
    deb = os.path.abspath(sys.argv[1])
    artefacts = os.path.abspath(sys.argv[2] if len(sys.argv) == 3 else os.path.join(os.path.dirname(deb), "e2e"))
    tree = tempfile.mkdtemp(prefix="festoon-package-")
    try:
        check_control(deb)
        check_contents(deb)
        run("dpkg-deb", "-x", deb, tree)
        check_unpacked(tree)
        test = subprocess.run([sys.executable, os.path.join(ROOT, "tests", "e2e", "installed.py"), "--installed",
                               "--program", os.path.join(tree, "usr", "bin", "festoon"), "--artefacts", artefacts])
        if test.returncode != 0:
            raise Failure(f"the end-to-end test of the unpacked program ended with {test.returncode}")
    except Failure as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        return 1
    finally:
        shutil.rmtree(tree, ignore_errors=True)
    print("package: passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())

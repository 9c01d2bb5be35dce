"""The help as it is shipped: every page the contents and the index point to exists, every link and picture
of a page leads to a file that is compiled into help.chm and copied beside it as HTML, and every picture
is a small PNG. Exit status 0 when all of that holds, 1 with the faults listed otherwise."""

import argparse
import html.parser
import os
import re
import sys


class References(html.parser.HTMLParser):
    """The local files a page refers to: links, pictures and style sheets."""

    def __init__(self):
        super().__init__()
        self.files = []

    def handle_starttag(self, tag, attrs):
        values = dict(attrs)
        for name in ("href", "src"):
            target = values.get(name)
            if target and not re.match(r"^[a-z]+:", target) and not target.startswith("#"):
                self.files.append(target.split("#")[0])
        if tag == "param" and values.get("name") == "Local":
            self.files.append(values.get("value"))


def referenced(path):
    parser = References()
    with open(path, encoding="utf-8") as page:
        parser.feed(page.read())
    return parser.files


def project_files(hhp):
    with open(hhp, encoding="utf-8") as project:
        text = project.read()
    section = text.split("[FILES]", 1)[1]
    return {line.strip() for line in section.splitlines() if line.strip() and not line.startswith("[")}


def png_size(path):
    with open(path, "rb") as picture:
        header = picture.read(24)
    if header[:8] != b"\x89PNG\r\n\x1a\n":
        return None
    return int.from_bytes(header[16:20], "big"), int.from_bytes(header[20:24], "big")


def check(source, shipped):
    faults = []
    compiled = project_files(os.path.join(source, "festoon.hhp"))
    pages = sorted(name for name in os.listdir(source) if name.endswith(".html"))
    for page in pages:
        if page not in compiled:
            faults.append(f"{page} is not compiled into help.chm")
    contents = set(referenced(os.path.join(source, "toc.hhc")))
    for page in pages:
        if page not in contents:
            faults.append(f"{page} is missing from the contents (toc.hhc)")
    for listing in ("toc.hhc", "index.hhk") + tuple(pages):
        for target in referenced(os.path.join(source, listing)):
            if target not in compiled:
                faults.append(f"{listing} refers to {target}, which help.chm does not hold")
            if not os.path.isfile(os.path.join(source, target)):
                faults.append(f"{listing} refers to {target}, which does not exist")
            elif listing.endswith(".html") and not os.path.isfile(os.path.join(shipped, target)):
                faults.append(f"{listing} refers to {target}, which is not shipped beside help.chm")
    for name in sorted(compiled):
        if not os.path.isfile(os.path.join(source, name)):
            faults.append(f"help.chm is to hold {name}, which does not exist")
        elif name.endswith(".png"):
            size = png_size(os.path.join(source, name))
            if size is None or max(size) > 640 or os.path.getsize(os.path.join(source, name)) > 200_000:
                faults.append(f"{name} is not a small PNG ({size})")
    return faults


def main():
    arguments = argparse.ArgumentParser(description=__doc__)
    arguments.add_argument("--source", required=True, help="the help folder of the sources")
    arguments.add_argument("--shipped", required=True, help="the help folder beside the built program")
    options = arguments.parse_args()
    faults = check(options.source, options.shipped)
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())

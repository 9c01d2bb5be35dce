#!/usr/bin/env python3
"""An independent reader of card files: opens an OpenRaster file with Python's zipfile and Pillow only,
checks what painting programs rely on (the mimetype entry first and stored, stack.xml, PNG layers, the
merged picture, a thumbnail of at most 256 pixels), composites the visible layers bottom to top with their
alpha, opacity and place, and compares the result with a given picture.

    ora_check.py CARD.ora PICTURE [--tolerance N] [--mean M] [--merged-tolerance K]

PICTURE is any picture Pillow reads (the BMP or JPEG the program saved). The composite may differ from it
by at most N levels in any channel and M levels on average (the program blends each object twice and
rounds down each time; compositing rounds once), mergedimage.png by at most K. Exit status 0 when every
check holds, 1 otherwise, 77 without Pillow."""

import argparse
import io
import os
import sys
import xml.etree.ElementTree as ElementTree
import zipfile

SKIP = 77

# Debian's python3-pil installs Pillow for the system's interpreter, which may not be the first on the path.
SYSTEM_PYTHON = "/usr/bin/python3"

try:
    from PIL import Image, ImageChops, ImageStat
except ImportError:
    if os.path.realpath(sys.executable) != os.path.realpath(SYSTEM_PYTHON) and os.access(SYSTEM_PYTHON, os.X_OK):
        os.execv(SYSTEM_PYTHON, [SYSTEM_PYTHON, *sys.argv])
    print("Pillow is not installed (python3-pil): skipped")
    sys.exit(SKIP)


class Failure(Exception):
    """A check did not hold."""


def read_png(archive, name):
    if not name.lower().endswith(".png"):
        raise Failure(f"layer {name} is not a PNG file")
    picture = Image.open(io.BytesIO(archive.read(name)))
    if picture.format != "PNG":
        raise Failure(f"{name} holds a {picture.format} picture, not a PNG")
    return picture.convert("RGBA")


def check_archive(archive):
    first = archive.infolist()[0]
    if first.filename != "mimetype" or first.compress_type != zipfile.ZIP_STORED:
        raise Failure(f"the first entry is {first.filename}, compression {first.compress_type}; "
                      "OpenRaster wants mimetype first and stored")
    if archive.read("mimetype") != b"image/openraster":
        raise Failure(f"mimetype says {archive.read('mimetype')!r}")
    thumbnail = read_png(archive, "Thumbnails/thumbnail.png")
    if max(thumbnail.size) > 256:
        raise Failure(f"the thumbnail is {thumbnail.size}, more than 256 pixels")


def visible_layers(element, offset=(0, 0), opacity=1.0):
    """The visible layers under a stack element, topmost first, with their place and opacity."""
    for child in element:
        if child.attrib.get("visibility", "visible") == "hidden":
            continue
        place = (offset[0] + int(float(child.attrib.get("x", 0))), offset[1] + int(float(child.attrib.get("y", 0))))
        seen = opacity * float(child.attrib.get("opacity", 1.0))
        if child.tag == "stack":
            yield from visible_layers(child, place, seen)
        elif child.tag == "layer":
            yield child.attrib["src"], place, seen


def composite(archive):
    image = ElementTree.fromstring(archive.read("stack.xml"))
    size = (int(image.attrib["w"]), int(image.attrib["h"]))
    canvas = Image.new("RGBA", size, (0, 0, 0, 0))
    layers = list(visible_layers(image.find("stack")))
    for src, (x, y), opacity in reversed(layers):
        layer = read_png(archive, src)
        if opacity < 1.0:
            layer.putalpha(layer.getchannel("A").point(lambda a: round(a * opacity)))
        # Parts off the canvas are cut away first: Pillow places layers at non-negative positions only.
        left, top = max(0, -x), max(0, -y)
        if left >= layer.width or top >= layer.height:
            continue
        canvas.alpha_composite(layer, dest=(max(0, x), max(0, y)), source=(left, top))
    return canvas.convert("RGB"), len(layers)


def difference(a, b, what):
    if a.size != b.size:
        raise Failure(f"{what}: {a.size} against {b.size}")
    diff = ImageChops.difference(a, b)
    largest = max(high for _, high in diff.getextrema())
    mean = sum(ImageStat.Stat(diff).mean) / 3
    return largest, mean


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("card")
    parser.add_argument("picture")
    parser.add_argument("--tolerance", type=int, default=8)
    parser.add_argument("--mean", type=float, default=1.5)
    parser.add_argument("--merged-tolerance", type=int, default=0)
    args = parser.parse_args()
    try:
        with zipfile.ZipFile(args.card) as archive:
            check_archive(archive)
            result, count = composite(archive)
            merged = read_png(archive, "mergedimage.png").convert("RGB")
        expected = Image.open(args.picture).convert("RGB")
        largest, mean = difference(result, expected, "the composite of the layers")
        print(f"{count} layers composited: largest difference {largest}, mean {mean:.3f}")
        if largest > args.tolerance or mean > args.mean:
            raise Failure(f"the composite differs from {args.picture} by up to {largest} (mean {mean:.3f}); "
                          f"allowed {args.tolerance} (mean {args.mean})")
        largest, mean = difference(merged, expected, "mergedimage.png")
        print(f"mergedimage.png: largest difference {largest}, mean {mean:.3f}")
        if largest > args.merged_tolerance:
            raise Failure(f"mergedimage.png differs from {args.picture} by up to {largest}")
    except (Failure, KeyError, zipfile.BadZipFile, OSError) as problem:
        print(f"FAILED: {problem}")
        return 1
    print("the card opens as layers that make the saved picture")
    return 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""End to end at 1024 x 768: a scan bomb (a small progressive JPEG of 2,000 scans over 6000 x 6000)
chosen in the open dialog. Selecting it starts its preview, and the dialog still opens it at once; while
the program reads it, a click on Cartoon opens the cartoon palette; then the error box says
"JPEG error #16" (libjpeg's code for a progression it refuses), and the canvas is as it was."""

import os
import sys

from harness import Failure, run_test, solid, write_bmp
from program_ui import Festoon, GRID_PALETTE_SIZE

SCREEN = (1024, 768)
BAD_PROGRESSION = 16  # JERR_BAD_PROGRESSION in libjpeg's message table
FIRST_FILE_IN_LIST = (160, 70)  # the first row of the open dialog's list of files


def _marker(code):
    return bytes((0xFF, code))


def _segment(code, payload):
    return _marker(code) + (len(payload) + 2).to_bytes(2, "big") + payload


def _end_of_band_runs(blocks):
    """`blocks` zero blocks as end-of-band runs: 4-bit code n, then n extra bits, for runs of 2^n to
    2^(n+1) - 1 blocks; bytes FF are followed by a stuffed zero."""
    bits = []
    while blocks > 0:
        run = min(blocks, 32767)
        n = run.bit_length() - 1
        bits += [(n >> i) & 1 for i in range(3, -1, -1)]
        bits += [((run - (1 << n)) >> i) & 1 for i in range(n - 1, -1, -1)]
        blocks -= run
    bits += [1] * (-len(bits) % 8)
    out = bytearray()
    for i in range(0, len(bits), 8):
        byte = int("".join(map(str, bits[i:i + 8])), 2)
        out.append(byte)
        if byte == 0xFF:
            out.append(0)
    return bytes(out)


def scan_bomb(side, scans):
    """A flat grey progressive JPEG, three components at full resolution: a DC scan, then AC scans that
    send and refine one coefficient of one component bit by bit, each valid, each a pass over the picture."""
    data = bytearray(_marker(0xD8))
    data += _segment(0xDB, b"\x00" + b"\x01" * 64)
    data += _segment(0xC2, b"\x08" + side.to_bytes(2, "big") * 2 + b"\x03" +
                     b"".join(bytes((c, 0x11, 0)) for c in (1, 2, 3)))
    data += _segment(0xC4, b"\x00" + b"\x01" + b"\x00" * 15 + b"\x00")
    data += _segment(0xC4, b"\x10" + b"\x00" * 3 + b"\x0f" + b"\x00" * 12 + bytes(n << 4 for n in range(15)))
    blocks = ((side + 7) // 8) ** 2
    data += _segment(0xDA, b"\x03" + b"".join(bytes((c, 0)) for c in (1, 2, 3)) + b"\x00\x00\x00")
    data += bytes((blocks * 3 + 7) // 8)
    runs = _end_of_band_runs(blocks)
    written = 1
    for component in (1, 2, 3):
        for k in range(1, 64):
            for step in range(14):
                if written == scans:
                    return bytes(data + _marker(0xD9))
                ah, al = (0 if step == 0 else 14 - step), 13 - step
                data += _segment(0xDA, bytes((1, component, 0, k, k, ah << 4 | al))) + runs
                written += 1
    return bytes(data + _marker(0xD9))


def choose_in_open_dialog(app, folder):
    """Presses Photo, goes to the folder (which holds the bomb alone), selects the file in the list, which
    starts its preview, and opens it with Return at once. Returns when the dialog has closed."""
    session = app.session
    app.press("Photo")
    dialog = session.wait_for_window(lambda w: w.name.startswith("Open a picture"), "the open dialog")
    session.focus(dialog)
    session.type_text(folder)
    session.key("Return")
    session.wait_until_settled(region=(dialog.x, dialog.y, dialog.width, dialog.height))
    session.click(dialog.at(*FIRST_FILE_IN_LIST))
    session.screenshot("bomb-selected-preview-under-way")
    session.key("Return")
    session.wait_window_gone(dialog, "the open dialog opening the scan bomb")


def run(session):
    write_bmp(session.path("plain.bmp"), solid(40, 30, (150, 110, 70)))
    folder = session.path("hostile")
    os.mkdir(folder)
    with open(os.path.join(folder, "bomb.jpg"), "wb") as bomb:
        bomb.write(scan_bomb(6000, 2000))

    app = Festoon(session).start()
    app.open_file("Backdrop", session.path("plain.bmp"))
    canvas_before = app.canvas_shot()

    choose_in_open_dialog(app, folder)
    # The window answers while the bomb is being read: the palette opens before any error box.
    before = session.windows()
    app.press("Cartoon")
    shown = session.wait_for_window(
        lambda w: w.id not in {b.id for b in before} and (
            (w.width, w.height) == GRID_PALETTE_SIZE or w.name == "Festoon"), "the cartoon palette or an error box")
    if (shown.width, shown.height) != GRID_PALETTE_SIZE:
        raise Failure("the error box came before the cartoon palette: the window did not answer during the decode")
    session.screenshot("palette-open-during-the-decode")

    # The refusal takes the decoder a second or so of work; a busy machine may stretch that out.
    session.wait_for_window(lambda w: w.id not in {b.id for b in before} and w.name == "Festoon" and w.height < 300,
                            "the error box after the scan bomb", timeout=120)
    app.expect_error_box(before, f"JPEG error #{BAD_PROGRESSION}", "the scan bomb")
    app.hide_palette(shown)
    if app.canvas_shot().rgb != canvas_before.rgb:
        raise Failure("the canvas changed after the scan bomb was refused")
    session.screenshot("after-the-scan-bomb")


if __name__ == "__main__":
    sys.exit(run_test(run, SCREEN, __doc__))

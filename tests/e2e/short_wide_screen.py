#!/usr/bin/env python3
"""End to end at 1024 x 600, a netbook's screen: wide enough for the layout but shorter than it is drawn for.
The same checks as at 800 x 600 (small_screen.py): every button on the screen, uncovered and apart, every
palette and dialog inside it."""

import sys

import small_screen
from harness import run_test

if __name__ == "__main__":
    small_screen.SCREEN = (1024, 600)
    sys.exit(run_test(small_screen.run, small_screen.SCREEN, __doc__))

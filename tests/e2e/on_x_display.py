"""Runs a command on a private Xvfb display, with Qt drawing there through X
as it does on a desktop (not in memory, as Qt's offscreen platform does):

    on_x_display.py COMMAND [ARGS...]

Exits with the command's status (128 + the signal's number when a signal ended it)."""

import os
import subprocess
import sys

sys.dont_write_bytecode = True  # nothing written beside the sources
from x_screen import Display


def main(argv):
    if len(argv) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    display = Display()
    try:
        status = subprocess.run(argv[1:], env=dict(os.environ, DISPLAY=display.name, QT_QPA_PLATFORM="xcb")).returncode
        return 128 - status if status < 0 else status
    finally:
        display.close()


if __name__ == "__main__":
    sys.exit(main(sys.argv))

"""A private Xvfb, the main window on it, what its screen shows, and keys."""

import os
import select
import struct
import subprocess

from processes import spawn, stop

CONTENT_HEIGHT = 250
LIGHT_ON, LIGHT_OFF = 0xFB2A32, 0x360E0F
BACKGROUND = 0x6C8EFE

# Rectangles (left, top, right, bottom; exclusive) in the window's content area.
LIGHT = (442, 21, 579, 69)  # the light's fill, inside its border
LABEL = (461, 35, 560, 55)  # its caption, drawn over the fill
PLAYER = (27, 116, 580, 190)


class Display:
    """Xvfb on the first free display number, reachable only through its local socket."""

    def __init__(self, timeout=15):
        read_end, write_end = os.pipe()
        self._process = spawn(["Xvfb", "-displayfd", str(write_end), "-nolisten", "tcp",
                               "-screen", "0", "1024x768x24"],
                              pass_fds=(write_end,), stderr=subprocess.DEVNULL)
        os.close(write_end)
        ready, _, _ = select.select([read_end], [], [], timeout)
        number = os.read(read_end, 16).decode().strip() if ready else ""
        os.close(read_end)
        if not number:
            stop(self._process)
            raise RuntimeError("Xvfb did not start")
        self.name = ":" + number

    def close(self):
        stop(self._process)

    def run(self, *args):
        done = subprocess.run(args, env=dict(os.environ, DISPLAY=self.name), capture_output=True, timeout=10)
        if done.returncode != 0:
            raise RuntimeError(f"{' '.join(args)}: status {done.returncode}: {done.stderr.decode(errors='replace')}")
        return done.stdout


class Image:
    """A 24-bit ZPixmap screen dump as xwd writes it."""

    def __init__(self, dump):
        f = struct.unpack(">25I", dump[:100])
        header_size, pixmap_format, byte_order, bits_per_pixel = f[0], f[2], f[7], f[11]
        self._bytes_per_line, masks, colors = f[12], f[14:17], f[19]
        if pixmap_format != 2 or bits_per_pixel not in (24, 32) or masks != (0xFF0000, 0xFF00, 0xFF):
            raise RuntimeError(f"unexpected screen dump format {f}")
        self._bytes_per_pixel = bits_per_pixel // 8
        self._order = "little" if byte_order == 0 else "big"
        self._pixels = memoryview(dump)[header_size + 12 * colors:]

    def rgb(self, x, y):
        at = y * self._bytes_per_line + self._bytes_per_pixel * x
        return int.from_bytes(self._pixels[at:at + self._bytes_per_pixel], self._order) & 0xFFFFFF


class MainWindow:
    """The application's window as the screen shows it."""

    def __init__(self, display):
        self._display = display
        self.id = display.run("xdotool", "search", "--sync", "--onlyvisible", "--name",
                              "^QAX Tembrel").split()[0].decode()

    def _content_origin(self):
        geometry = dict(line.split("=", 1) for line in
                        self._display.run("xdotool", "getwindowgeometry", "--shell", self.id)
                        .decode().split())
        # The menu bar takes the top of the window; the content area is below it.
        bottom = int(geometry["Y"]) + int(geometry["HEIGHT"])
        return int(geometry["X"]), bottom - CONTENT_HEIGHT

    def state(self):
        """(light colour or None when the light is not of one colour, whether the player shows)."""
        x0, y0 = self._content_origin()
        image = Image(self._display.run("xwd", "-root", "-silent"))
        light = {image.rgb(x0 + x, y0 + y) for x, y in _points(LIGHT, 1) if not _inside(LABEL, x, y)}
        player = [image.rgb(x0 + x, y0 + y) for x, y in _points(PLAYER, 3)]
        drawn = sum(1 for c in player if c != BACKGROUND)
        return (light.pop() if len(light) == 1 else None), drawn > len(player) // 4

    def press(self, keys):
        # Plain Xvfb has no window manager to give the window the focus.
        self._display.run("xdotool", "windowfocus", "--sync", self.id)
        self._display.run("xdotool", "key", keys)


def _points(rect, step):
    left, top, right, bottom = rect
    return [(x, y) for y in range(top, bottom, step) for x in range(left, right, step)]


def _inside(rect, x, y):
    left, top, right, bottom = rect
    return left <= x < right and top <= y < bottom

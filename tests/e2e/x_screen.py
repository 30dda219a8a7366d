"""A private Xvfb, the main window on it, what its screen shows, and keys."""

import os
import select
import struct
import subprocess
import time

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
        # NOTE: up to the line's end: Xvfb writes the number and the line end one
        # after the other, and dies if the second write finds the pipe closed.
        number = _read_line(read_end, timeout)
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
        self.id = self.shown_ids()[0]

    def shown_ids(self):
        """The X windows shown now with the application's title."""
        return self._display.run("xdotool", "search", "--sync", "--onlyvisible", "--name",
                                 "^QAX Tembrel").decode().split()

    def _geometry(self):
        """(left, top, width, height) of the window on the screen."""
        geometry = dict(line.split("=", 1) for line in
                        self._display.run("xdotool", "getwindowgeometry", "--shell", self.id)
                        .decode().split())
        return tuple(int(geometry[key]) for key in ("X", "Y", "WIDTH", "HEIGHT"))

    def _content_origin(self):
        left, top, _, height = self._geometry()
        # The menu bar takes the top of the window; the content area is below it.
        return left, top + height - CONTENT_HEIGHT

    def _screen(self):
        return Image(self._display.run("xwd", "-root", "-silent"))

    def state(self):
        """(light colour or None when the light is not of one colour, whether the player shows)."""
        x0, y0 = self._content_origin()
        image = self._screen()
        light = {image.rgb(x0 + x, y0 + y) for x, y in _points(LIGHT, 1) if not _inside(LABEL, x, y)}
        player = [image.rgb(x0 + x, y0 + y) for x, y in _points(PLAYER, 3)]
        drawn = sum(1 for c in player if c != BACKGROUND)
        return (light.pop() if len(light) == 1 else None), drawn > len(player) // 4

    def title(self):
        return self._display.run("xdotool", "getwindowname", self.id).decode().rstrip("\n")

    def colors(self):
        """Every colour that the window shows, its menu bar included."""
        left, top, width, height = self._geometry()
        image = self._screen()
        return {image.rgb(left + x, top + y) for x, y in _points((0, 0, width, height), 1)}

    def menu_items_span(self):
        """(first, last): the columns of the menu bar, from the window's left edge,
        where something is drawn over its rows' own colour (the items' names)."""
        left, top, width, height = self._geometry()
        image = self._screen()
        drawn = []
        for y in range(top, top + height - CONTENT_HEIGHT):
            row = [image.rgb(left + x, y) for x in range(width)]
            background = max(set(row), key=row.count)
            drawn += [x for x, color in enumerate(row) if color != background]
        return (min(drawn), max(drawn)) if drawn else None

    def press(self, keys):
        # Plain Xvfb has no window manager to give the window the focus.
        self._display.run("xdotool", "windowfocus", "--sync", self.id)
        self._display.run("xdotool", "key", keys)


def _read_line(fd, timeout):
    """What `fd` gives up to its first line end, without it; "" when nothing complete comes within `timeout` s."""
    deadline = time.monotonic() + timeout
    text = b""
    while not text.endswith(b"\n"):
        ready, _, _ = select.select([fd], [], [], max(0, deadline - time.monotonic()))
        chunk = os.read(fd, 16) if ready else b""
        if not chunk:
            return ""
        text += chunk
    return text.decode().strip()


def _points(rect, step):
    left, top, right, bottom = rect
    return [(x, y) for y in range(top, bottom, step) for x in range(left, right, step)]


def _inside(rect, x, y):
    left, top, right, bottom = rect
    return left <= x < right and top <= y < bottom

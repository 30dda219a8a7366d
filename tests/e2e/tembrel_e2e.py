"""The built application end to end: headless under Xvfb, in a private network
namespace whose loopback carries a stand-in stream server, watched from the
outside through screen grabs and the namespace's TCP counters.

    tembrel_e2e.py APP TONE_MP3

Exits 77 (skipped) where no network namespace can be made."""

import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.dont_write_bytecode = True  # nothing written beside the sources
from processes import spawn, stop
from stream_server import StreamServer
from x_screen import LIGHT_OFF, LIGHT_ON, Display, MainWindow

SKIPPED = 77
WATCHDOG_S = 170
PERIOD_S = 15
TIME_LIMIT_S = 10
# Room for the machine to be busy: start-up of the HTML engine, a loaded CI host.
SLACK_S = 10
NAMESPACE = ["unshare", "--net"]

ON_AIR = (LIGHT_ON, True)
OFF_AIR = (LIGHT_OFF, False)


class Failure(Exception):
    pass


def describe(state):
    light, player = state
    color = "of more than one color" if light is None else f"#{light:06X}"
    return f"light {color}, player {'shown' if player else 'hidden'}"


def why_no_namespace():
    if os.geteuid() != 0:
        return "not root, so no private network namespace"
    for tool in ("unshare", "ip"):
        if shutil.which(tool) is None:
            return f"{tool} is not installed"
    probe = subprocess.run(NAMESPACE + ["ip", "link", "set", "lo", "up"], capture_output=True, text=True)
    if probe.returncode != 0:
        return "cannot make a network namespace: " + probe.stderr.strip()
    return None


def refused_connects():
    """Connects that this namespace has seen fail, as a refused probe does."""
    with open("/proc/self/net/snmp") as f:
        rows = [line.split() for line in f if line.startswith("Tcp:")]
    return int(rows[1][rows[0].index("AttemptFails")])


class Run:
    def __init__(self, app_log):
        self._start = time.monotonic()
        self.app_log = app_log
        self.app = None
        self.window = None

    def say(self, text):
        print(f"[{time.monotonic() - self._start:5.1f} s] {text}", flush=True)

    def wait_for(self, what, done, seconds):
        deadline = time.monotonic() + seconds
        while True:
            if self.app.poll() is not None:
                raise Failure(f"the application exited ({self.app.returncode}) while waiting for: {what}")
            if done():
                self.say(what)
                return
            if time.monotonic() > deadline:
                raise Failure(f"not within {seconds} s: {what}; the screen shows {describe(self.window.state())}")
            time.sleep(0.25)

    def expect_display(self, what, expected, seconds):
        self.wait_for(what, lambda: self.window.state() == expected, seconds)

    def app_output(self):
        with open(self.app_log, errors="replace") as f:
            return f.read()


def scenario(app_path, tone_path, private):
    subprocess.run(["ip", "link", "set", "lo", "up"], check=True)
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", TMPDIR=private, XDG_RUNTIME_DIR=private)
    run = Run(os.path.join(private, "app.log"))
    server = StreamServer(tone_path)
    server.set_mode(200)
    display = Display()
    env["DISPLAY"] = display.name
    try:
        with open(run.app_log, "w") as log:
            run.app = spawn([app_path], env=env, stdout=log, stderr=subprocess.STDOUT)
        run.window = MainWindow(display)
        run.say(f"window {run.window.id} on {display.name}")

        run.expect_display("on the air, the player shown", ON_AIR, PERIOD_S + SLACK_S)
        if server.check_count() != 1:
            raise Failure(f"on the air only after {server.check_count()} checks, not with the first")

        server.set_mode(404)
        run.expect_display("off the air after 404, the player hidden", OFF_AIR, PERIOD_S + TIME_LIMIT_S + SLACK_S)

        server.set_mode(200)
        run.expect_display("back on the air after 200", ON_AIR, PERIOD_S + SLACK_S)

        server.set_mode("down")
        refused = refused_connects()
        # The player may knock too; a probe is due a period after the last check.
        run.wait_for("a probe refused",
                     lambda: refused_connects() > refused and server.seconds_since_last_check() > PERIOD_S,
                     PERIOD_S + SLACK_S)
        time.sleep(1)  # time for a display that wrongly followed the refusal to be drawn
        if run.window.state() != ON_AIR:
            raise Failure(f"a refused probe changed the display: {describe(run.window.state())}")
        run.say("the refused probe left the light on")

        server.set_mode(404)
        run.expect_display("checks go on once the server is back: off the air", OFF_AIR, PERIOD_S + SLACK_S)

        run.window.press("ctrl+q")
        status = run.app.wait(TIME_LIMIT_S)
        if status != 0:
            raise Failure(f"Ctrl+Q: exit status {status}")
        run.say("Ctrl+Q: exit status 0")
        left = [name for name in os.listdir(private) if name.startswith("tembrel-")]
        if left:
            raise Failure(f"temporary files left behind: {left}")
        return 0
    except Exception as e:  # whatever goes wrong fails the run, with what the application said
        print(f"FAILED: {e!r}\n--- application output ---\n{run.app_output() if run.app else ''}", flush=True)
        return 1
    finally:
        if run.app:
            stop(run.app)
        display.close()
        server.close()


def main(argv):
    if len(argv) == 4 and argv[1] == "--inside":
        with tempfile.TemporaryDirectory(prefix="tembrel-e2e-") as private:
            return scenario(argv[2], argv[3], private)
    if len(argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    reason = why_no_namespace()
    if reason:
        print(f"SKIPPED: {reason}")
        return SKIPPED
    inside = spawn(NAMESPACE + [sys.executable, os.path.abspath(__file__), "--inside", argv[1], argv[2]])
    try:
        return inside.wait(WATCHDOG_S)
    except subprocess.TimeoutExpired:
        print(f"FAILED: the run took more than {WATCHDOG_S} s")
        stop(inside)
        return 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))

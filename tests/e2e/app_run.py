"""One run of the application inside the private network namespace: a
stand-in stream server answering 200, a private Xvfb and temporary folder, the
application's output in a log, and waiting for what the screen and the
process show."""

import os
import subprocess
import time

from processes import spawn, stop
from stream_server import StreamServer
from x_screen import Display, MainWindow

PERIOD_S = 15
TIME_LIMIT_S = 10
# Room for the machine to be busy: start-up of the HTML engine, a loaded CI host.
SLACK_S = 10
# From a request to quit to the process's end.
QUIT_S = 10


class Failure(Exception):
    pass


def describe(state):
    light, player = state
    color = "of more than one color" if light is None else f"#{light:06X}"
    return f"light {color}, player {'shown' if player else 'hidden'}"


class Run:
    def __init__(self, app_path, private, server, display):
        self._start = time.monotonic()
        self._app_path = app_path
        self.private = private
        self.server = server
        self.display = display
        self.app_log = os.path.join(private, "app.log")
        self.app = None
        self.window = None

    def start(self, *args, tmpdir=None, ignored_signals=()):
        """Starts the application with `args` on its command line."""
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", TMPDIR=tmpdir or self.private, XDG_RUNTIME_DIR=self.private,
                   DISPLAY=self.display.name)
        with open(self.app_log, "w") as log:
            self.app = spawn([self._app_path, *args], env=env, stdout=log, stderr=subprocess.STDOUT,
                             ignored_signals=ignored_signals)

    def find_window(self):
        self.window = MainWindow(self.display)
        self.say(f"window {self.window.id} on {self.display.name}")

    def start_on_the_air(self, *args, **kwargs):
        """Starts the application and waits until its player page asks for the stream: the HTML
        engine runs. NOTE: only then is the window looked for: the engine's start may re-create
        the native window, and the id found before would be gone."""
        self.start(*args, **kwargs)
        self.wait_for("on the air: the player asks for the stream", lambda: self.server.stream_requests() > 0,
                      PERIOD_S + SLACK_S)
        self.find_window()

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
                shown = f"; the screen shows {describe(self.window.state())}" if self.window else ""
                raise Failure(f"not within {seconds} s: {what}{shown}")
            time.sleep(0.25)

    def expect_display(self, what, expected, seconds):
        self.wait_for(what, lambda: self.window.state() == expected, seconds)

    def temporary_files(self):
        return [name for name in os.listdir(self.private) if name.startswith("tembrel-")]

    def expect_clean_exit(self, how):
        """The application ends within QUIT_S with status 0, as File > Quit ends it, and leaves no temporary file."""
        try:
            status = self.app.wait(QUIT_S)
        except subprocess.TimeoutExpired:
            raise Failure(f"{how}: still running after {QUIT_S} s") from None
        if status != 0:
            raise Failure(f"{how}: exit status {status}")
        left = self.temporary_files()
        if left:
            raise Failure(f"{how}: temporary files left behind: {left}")
        self.say(f"{how}: exit status 0, no temporary file left")

    def quit_with_ctrl_q(self):
        self.window.press("ctrl+q")
        self.expect_clean_exit("Ctrl+Q")

    def app_output(self):
        with open(self.app_log, errors="replace") as f:
            return f.read()


def run_scenario(scenario, app_path, tone_path, private):
    """Runs `scenario(run)` on a fresh loopback, server and display; 0 when it passes."""
    subprocess.run(["ip", "link", "set", "lo", "up"], check=True)
    server = StreamServer(tone_path)
    server.set_mode(200)
    display = Display()
    run = Run(app_path, private, server, display)
    try:
        scenario(run)
        return 0
    except Exception as e:  # whatever goes wrong fails the run, with what the application said
        print(f"FAILED: {e!r}\n--- application output ---\n{run.app_output() if run.app else ''}", flush=True)
        return 1
    finally:
        if run.app:
            stop(run.app)
        display.close()
        server.close()

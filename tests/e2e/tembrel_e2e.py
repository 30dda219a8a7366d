"""The built application end to end: headless under Xvfb, in a private network
namespace whose loopback carries a stand-in stream server, watched from the
outside through screen grabs, the namespace's TCP counters and sockets, and the
process's exit.

    tembrel_e2e.py SCENARIO APP TONE_MP3

SCENARIO is one of the names in SCENARIOS. Exits 77 (skipped) where no network
namespace can be made."""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

sys.dont_write_bytecode = True  # nothing written beside the sources
from app_run import PERIOD_S, SLACK_S, TIME_LIMIT_S, Failure, describe, run_scenario
from processes import spawn, stop
from x_screen import LIGHT_OFF, LIGHT_ON

SKIPPED = 77
NAMESPACE = ["unshare", "--net"]

ON_AIR = (LIGHT_ON, True)
OFF_AIR = (LIGHT_OFF, False)
TITLE = "QAX Tembrel - Waiting"


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


def listening_ports():
    """TCP ports on which something listens in this namespace."""
    ports = set()
    for table in ("/proc/self/net/tcp", "/proc/self/net/tcp6"):
        with open(table) as f:
            for row in list(f)[1:]:
                fields = row.split()
                if fields[3] == "0A":  # LISTEN
                    ports.add(int(fields[1].rsplit(":", 1)[1], 16))
    return ports


def on_and_off_the_air(run):
    server = run.server
    run.start()
    run.find_window()

    run.expect_display("on the air, the player shown", ON_AIR, PERIOD_S + SLACK_S)
    if server.check_count() != 1:
        raise Failure(f"on the air only after {server.check_count()} checks, not with the first")
    expect_same_window(run)

    server.set_mode(404)
    run.expect_display("off the air after 404, the player hidden", OFF_AIR, PERIOD_S + TIME_LIMIT_S + SLACK_S)

    server.set_mode(200)
    run.expect_display("back on the air after 200", ON_AIR, PERIOD_S + SLACK_S)
    expect_same_window(run)

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

    run.quit_with_ctrl_q()


def expect_same_window(run):
    """The X window found at start is still the one shown: the player's
    coming did not make it anew."""
    shown = run.window.shown_ids()
    if shown != [run.window.id]:
        raise Failure(f"the window {run.window.id} found at start is gone; shown now: {shown}")
    run.say(f"still the window {run.window.id}")


def failed_event(run):
    """A player page that cannot be stored (the temporary folder is a plain
    file) fails one event: it is reported, and the application and its checks
    go on."""
    plain_file = os.path.join(run.private, "not-a-folder")
    open(plain_file, "w").close()
    run.start(tmpdir=plain_file)
    run.wait_for("the failed event reported",
                 lambda: "Unhandled exception: RuntimeException: Cannot create a temporary file" in run.app_output(),
                 PERIOD_S + SLACK_S)
    failed = run.server.check_count()
    run.wait_for("the next check", lambda: run.server.check_count() > failed, PERIOD_S + SLACK_S)
    run.find_window()
    run.quit_with_ctrl_q()


DEBUGGING_PORT = 9333
STYLE_SHEET_COLOR = 0x00FF00


def command_line(run):
    """Options that Qt and the HTML engine would take from a command line take no effect."""
    style_sheet = os.path.join(run.private, "style.qss")
    with open(style_sheet, "w") as f:
        f.write(f"* {{ background-color: #{STYLE_SHEET_COLOR:06X}; }}")
    run.start_on_the_air("-reverse", "-qwindowtitle", "Another title", "-stylesheet", style_sheet,
                         "--webEngineArgs", f"--remote-debugging-port={DEBUGGING_PORT}")
    run.expect_display("the light on, the player shown", ON_AIR, SLACK_S)
    if DEBUGGING_PORT in listening_ports():
        raise Failure(f"--webEngineArgs: the engine listens for a debugger on port {DEBUGGING_PORT}")
    if run.window.title() != TITLE:
        raise Failure(f"-qwindowtitle: the title reads {run.window.title()!r}")
    if STYLE_SHEET_COLOR in run.window.colors():
        raise Failure("-stylesheet: the window shows the style sheet's color")
    span = run.window.menu_items_span()
    if span is None or span[1] > 300:
        raise Failure(f"-reverse: the menu bar's items are drawn in its columns {span}, not at its left")
    run.say("no port, title, style sheet or mirrored layout from the command line")
    run.quit_with_ctrl_q()


def quit_signal(number):
    """The signal ends the application on the air as File > Quit does."""

    def scenario(run):
        run.start_on_the_air()
        if not run.temporary_files():
            raise Failure("no temporary file for the player page")
        run.app.send_signal(number)
        run.expect_clean_exit(number.name)

    return scenario


def ignored_sighup(run):
    """Started with SIGHUP ignored (nohup), the application keeps ignoring it."""
    run.start_on_the_air(ignored_signals=(signal.SIGHUP,))
    run.app.send_signal(signal.SIGHUP)
    time.sleep(1)  # time for a wrongly handled signal to end it
    if run.app.poll() is not None:
        raise Failure(f"SIGHUP ended the application: exit status {run.app.returncode}")
    run.say("SIGHUP ignored")
    run.quit_with_ctrl_q()


# Each with the most seconds that it may take.
SCENARIOS = {
    "on_and_off_the_air": (on_and_off_the_air, 170),
    "failed_event": (failed_event, 60),
    "command_line": (command_line, 60),
    "sigterm": (quit_signal(signal.SIGTERM), 60),
    "sigint": (quit_signal(signal.SIGINT), 60),
    "sighup": (quit_signal(signal.SIGHUP), 60),
    "ignored_sighup": (ignored_sighup, 60),
}


def main(argv):
    if len(argv) == 5 and argv[1] == "--inside":
        scenario, _ = SCENARIOS[argv[2]]
        with tempfile.TemporaryDirectory(prefix="tembrel-e2e-") as private:
            return run_scenario(scenario, argv[3], argv[4], private)
    if len(argv) != 4 or argv[1] not in SCENARIOS:
        print(__doc__, file=sys.stderr)
        return 2
    reason = why_no_namespace()
    if reason:
        print(f"SKIPPED: {reason}")
        return SKIPPED
    name, app, tone = argv[1:]
    _, watchdog_s = SCENARIOS[name]
    inside = spawn(NAMESPACE + [sys.executable, os.path.abspath(__file__), "--inside", name, app, tone])
    try:
        return inside.wait(watchdog_s)
    except subprocess.TimeoutExpired:
        print(f"FAILED: the run took more than {watchdog_s} s")
        stop(inside)
        return 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))

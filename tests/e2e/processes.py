"""Child processes that cannot outlive the test."""

import ctypes
import signal
import subprocess

_PR_SET_PDEATHSIG = 1
_libc = ctypes.CDLL(None, use_errno=True)

# The signals by which a session or a terminal asks a program to end.
QUIT_SIGNALS = (signal.SIGTERM, signal.SIGINT, signal.SIGHUP)


def spawn(args, ignored_signals=(), **kwargs):
    """Starts `args` with the quit signals at their default actions, but for
    `ignored_signals`, whatever this test was started with (a background job of
    a shell ignores SIGINT, nohup SIGHUP)."""

    def prepare_child():
        # However the test ends (ctest's time-out kills it outright), its children go too.
        _libc.prctl(_PR_SET_PDEATHSIG, signal.SIGKILL)
        for number in QUIT_SIGNALS:
            signal.signal(number, signal.SIG_IGN if number in ignored_signals else signal.SIG_DFL)

    return subprocess.Popen(args, preexec_fn=prepare_child, **kwargs)


def stop(process, grace=5):
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(grace)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()

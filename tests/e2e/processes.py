"""Child processes that cannot outlive the test."""

import ctypes
import signal
import subprocess

_PR_SET_PDEATHSIG = 1
_libc = ctypes.CDLL(None, use_errno=True)


def _die_with_parent():
    # However the test ends (ctest's time-out kills it outright), its children go too.
    _libc.prctl(_PR_SET_PDEATHSIG, signal.SIGKILL)


def spawn(args, **kwargs):
    return subprocess.Popen(args, preexec_fn=_die_with_parent, **kwargs)


def stop(process, grace=5):
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(grace)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()

#!/bin/sh
# Starts the built application on the desktop of this session.
set -eu
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "tembrel needs a graphical desktop, and this session has none (DISPLAY and WAYLAND_DISPLAY are unset)." >&2
  echo "Run 'make run' from a desktop session, or under a virtual display: xvfb-run make run" >&2
  exit 1
fi
exec "$1"

#!/bin/sh
# Runs every benchmark and prints a table of figures: `make bench`, or
# `sh bench/run.sh <build dir>`. It enters a network namespace of its own,
# with loopback only, in which the built-in stream host names 127.0.0.1, so
# that the real tembrel binary probes the benchmarks' own servers; and it
# runs everything under a virtual X display. Each run's details go to
# <build dir>/bench/logs/.
set -eu
build=$(cd "${1:-build}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)

case ${2:-start} in
start)
  if [ "$(id -u)" -eq 0 ]; then as_root=""; else as_root="--map-root-user"; fi
  exec unshare $as_root --net --mount sh "$here/run.sh" "$build" namespace
  ;;
namespace)
  ip link set lo up
  host=$(sed -n 's/^TEMBREL_STREAM_HOST:STRING=//p' "$build/CMakeCache.txt")
  hosts=$(mktemp)
  { cat /etc/hosts; echo "127.0.0.1 $host"; } >"$hosts"
  mount --bind "$hosts" /etc/hosts # seen only in this namespace
  rm "$hosts"                       # the mount keeps it
  case $host in
  127.0.0.1 | *[!0-9.:]*) export BENCH_REAL_BINARY=yes ;;
  *) echo "The stream host $host is an address, not a name: the real binary cannot be pointed at loopback." >&2 ;;
  esac
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" sh "$here/run.sh" "$build" display
  ;;
esac

logs=$build/bench/logs
mkdir -p "$logs"
table=$(mktemp)

# A sound server of our own with a null sink: what the players play is
# captured from its monitor, not heard.
sound=$(mktemp -d)
export XDG_RUNTIME_DIR=$sound PULSE_SERVER=unix:$sound/native
pulseaudio -n --daemonize=no --exit-idle-time=-1 -L "module-null-sink sink_name=bench" \
  -L "module-native-protocol-unix socket=$sound/native" >"$logs/pulseaudio.log" 2>&1 &
pulse=$!
trap 'kill $pulse 2>/dev/null; rm -rf "$sound" "$table"' EXIT
for _ in 1 2 3 4 5 6 7 8 9 10; do pactl info >/dev/null 2>&1 && break || sleep 0.5; done
run() {
  name=$1
  shift
  echo "$name ..." >&2
  "$build/bench/$name" "$@" >>"$table" 2>"$logs/$name.log" || echo "$name|failed|see $logs/$name.log" >>"$table"
}
if [ -n "${BENCH_REAL_BINARY:-}" ]; then
  run bench_startup "$build/bin/tembrel" "$build/bench/bench_baseline"
  run bench_idle "$build/bin/tembrel" "$build/bench/bench_baseline"
  run bench_on_air "$build/bin/tembrel"
  run bench_playing "$build/bin/tembrel" "$build/bench/bench_bare_view"
fi
run bench_check_latency
run bench_header_scan
run bench_header_trickle
run bench_bytes_per_check

echo
echo "Machine: $(nproc) CPUs, $(sed -n 's/^model name\t*: //p' /proc/cpuinfo | head -n 1)," \
  "$(awk '/^MemTotal/ { printf "%.1f GiB", $2 / 1048576 }' /proc/meminfo)," \
  "Linux $(uname -r), Qt $(qtpaths6 --qt-version 2>/dev/null || echo '?'), display Xvfb"
awk -F'|' '{ printf "%-34s %-36s %s\n", $1, $2, $3 }' "$table"

#!/bin/sh
# Installs the Debian packages that building, running and testing Tembrel need,
# and only those that are missing. clang-14 with its sanitizer and libFuzzer
# runtimes (and llvm-14 for its symbolizer) builds `make sanitize` and `make fuzz`.
set -eu

packages="build-essential cmake ninja-build pkg-config qt6-base-dev qt6-webengine-dev
libqt6webenginecore6-bin libgtest-dev fonts-dejavu-core xvfb xauth iproute2 clang-14 libclang-rt-14-dev llvm-14
python3 util-linux x11-apps xdotool"

missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
echo "Installing:$missing"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends $missing

#!/bin/sh
# Installs the Debian packages that one or more commands need, and only those
# that are missing: `sh scripts/install-deps.sh build test`. The sets:
#   build     compiler, CMake, Ninja, Qt and GoogleTest (the tests are configured with the rest)
#   run       build, and a font for the window
#   test      run, and Xvfb with the X tools and the network tools of the end-to-end test, clang-format
#   bench     test's packages too: the benchmarks run the real binary in the same way;
#             and a sound server, whose null sink they listen to
#   clang     build, and clang-14 with its sanitizer and libFuzzer runtimes (llvm-14 for its symbolizer)
set -eu

build="build-essential cmake ninja-build pkg-config qt6-base-dev qt6-declarative-dev qt6-webengine-dev libqt6webenginecore6-bin
libgtest-dev python3"
run="fonts-dejavu-core"
test="xvfb xauth iproute2 util-linux x11-apps xdotool clang-format"
bench="pulseaudio pulseaudio-utils"
clang="clang-14 libclang-rt-14-dev llvm-14"

wanted=$build
for set in "$@"; do
  case $set in
  build) ;;
  run) wanted="$wanted $run" ;;
  test) wanted="$wanted $run $test" ;;
  bench) wanted="$wanted $run $test $bench" ;;
  clang) wanted="$wanted $run $clang" ;;
  *) echo "install-deps.sh: unknown set '$set' (build, run, test, bench, clang)" >&2; exit 2 ;;
  esac
done

missing=""
for p in $wanted; do
  case " $missing " in *" $p "*) continue ;; esac
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

# sudo drops the environment, so the front end goes through env.
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
echo "Installing:$missing"
$sudo apt-get update
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing

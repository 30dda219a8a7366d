#!/bin/sh
# Makes tone.mp3: 5 s of an A major chord (A4, C#5, E5), mono, 44.1 kHz,
# 64 kbit/s CBR. Needs sox and lame (Debian packages "sox" and "lame").
# No LAME/Xing info frame (-t): looped as a stream, that frame would recur
# mid-stream every 5 s.
set -e
cd "$(dirname "$0")"
tmp=$(mktemp --suffix=.wav)
trap 'rm -f "$tmp"' EXIT
sox -R -r 44100 -c 3 -n -b 16 -c 1 "$tmp" synth 5 sine 440 sine 554.37 sine 659.25 remix - gain -n -3 fade 0.05 5 0.05
lame --quiet -t --noreplaygain -m m -b 64 --cbr "$tmp" tone.mp3

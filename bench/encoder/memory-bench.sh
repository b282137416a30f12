#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Flat memory for any length: the peak memory of a conversion through
# vantorel-cli (its encoder and its output check included) of a short and a
# ten times longer 640x360 clip, for the iPod, PS3 720P, MP4 Video, WebM and
# GIF formats, and the ratio of the two (target <= 1.2 for each).
#   memory-bench.sh <AppDir> <fixturegen> [short seconds] [formats...]
set -eu
appdir=${1:?AppDir holding vantorel-cli and ridod2e}
fixturegen=${2:?path of the fixturegen program}
short=${3:-60}
shift $(($# < 3 ? $# : 3))
formats=${*:-0 15 31 32 35}
long=$((short * 10))

. "$(dirname "$0")/bench-common.sh"

# A low frame rate keeps the long clip's encoding within minutes; what
# memory could grow with is the number of pictures and of seconds of sound.
for seconds in "$short" "$long"; do
    "$fixturegen" avi "$work/clip-$seconds.avi" --seconds "$seconds" --size 640x360 --rate 10
done

peak_kb() { # <format> <seconds>: the largest resident size of the run's processes
    out="$work/out-$1-$2"
    rm -rf "$out"
    /usr/bin/time -f %M -o "$work/peak" "$appdir/vantorel-cli" --quiet --format "$1" --output-dir "$out" \
        "$work/clip-$2.avi" >/dev/null 2>&1 || { echo "format $1 failed on the $2 s clip" >&2; exit 1; }
    cat "$work/peak"
}

echo "peak memory, 640x360 at 10 fps: $short s against $long s"
for format in $formats; do
    a=$(peak_kb "$format" "$short")
    b=$(peak_kb "$format" "$long")
    printf 'format %2s: %7.1f MB  %7.1f MB  ratio %.3f (target <= 1.2)\n' "$format" \
        "$(awk -v k="$a" 'BEGIN { print k / 1024 }')" "$(awk -v k="$b" 'BEGIN { print k / 1024 }')" \
        "$(awk -v a="$a" -v b="$b" 'BEGIN { print b / a }')"
done

#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The preview of a 1080p H.264 source at half its length through the MP4
# Video row's line, against the Debian ffmpeg program decoding the one
# picture from the same seek: the median seconds of each over interleaved
# rounds and their ratio (the target is under a second on this machine).
# The source keeps x264's usual key frame every ten seconds, so the moment
# lies well inside a group of pictures, as in a film.
#   preview-bench.sh <AppDir> [rounds]
set -eu
appdir=${1:?AppDir holding ridod2e}
rounds=${2:-5}

. "$(dirname "$0")/bench-common.sh"

source="$work/source.mp4"
ffmpeg -loglevel error -f lavfi -i testsrc2=size=1920x1080:rate=25 -f lavfi -i sine=frequency=440 -t 34 \
    -c:v libx264 -preset veryfast -pix_fmt yuv420p -c:a aac "$source"
moment=17

seconds() { # <command...>: the seconds it takes
    /usr/bin/time -f %e -o "$work/time" "$@" >/dev/null 2>&1 || { echo "failed: $*" >&2; exit 1; }
    cat "$work/time"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

: >"$work/ours"
: >"$work/theirs"
round=0
while [ "$round" -lt "$rounds" ]; do
    seconds "$appdir/ridod2e" -@ -y -i "$source" -vcodec h264 -crf 23 -preset medium -acodec aac -ab 160 \
        -ac "2 (stereo)" -s keep -keepall -preview "$moment" "$work/ours.png" >>"$work/ours"
    seconds ffmpeg -loglevel error -y -ss "$moment" -i "$source" -frames:v 1 "$work/theirs.png" >>"$work/theirs"
    round=$((round + 1))
done
ours=$(median <"$work/ours")
theirs=$(median <"$work/theirs")
echo "preview of a 1080p H.264 source at 50 % ($moment s of 34 s), median of $rounds rounds"
printf 'ridod2e -preview: %.2f s (target < 1 s)\nffmpeg, one picture: %.2f s\nratio: %.2f\n' "$ours" "$theirs" \
    "$(awk -v a="$ours" -v b="$theirs" 'BEGIN { print (b > 0 ? a / b : 0) }')"

#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Encoder benchmark: the iPod job (format 0 command line) on a 60 s 640x352
# clip, the MP3 job on the same clip and the PS3 720P job on a 20 s clip,
# each run by ridod2e and by the Debian ffmpeg program with the same settings
# on the same libraries, and by an earlier ridod2e when one is given, all
# interleaved. Prints, per job, the median wall time and the peak memory of
# each program and the ratios of ours to theirs; whether the iPod job's
# video stream is bit-identical to ffmpeg's (packet checksums); and how
# ridod2e's peak memory for the iPod job grows from the 20 s clip to the
# 60 s one.
#   encoder-bench.sh <AppDir> <fixturegen> [rounds] [earlier ridod2e]
set -eu
appdir=${1:?AppDir holding ridod2e}
fixturegen=${2:?path of the fixturegen program}
rounds=${3:-5}
earlier=${4:-}

. "$(dirname "$0")/bench-common.sh"
# Copies under names of their own, so that their runs are easy to tell apart.
cp "$appdir/ridod2e" "$work/ridod2e-ours"
variants="ours reference"
if [ -n "$earlier" ]; then
    cp "$earlier" "$work/ridod2e-earlier"
    variants="ours earlier reference"
fi
"$fixturegen" avi "$work/clip60.avi" --seconds 60 --size 640x352
"$fixturegen" avi "$work/clip20.avi" --seconds 20 --size 640x352

# One run: prints "<wall seconds> <peak KiB>".
measure() {
    /usr/bin/time -f "%e %M" -o "$work/time.txt" "$@" >/dev/null 2>&1 || { echo "failed: $*" >&2; exit 1; }
    cat "$work/time.txt"
}

# <job>_<program> <variant> [clip]: "ours" and "earlier" are ridod2e builds.
ipod_ridod2e() {
    measure "$work/ridod2e-$1" -@ -y -i "$work/${2:-clip60}.avi" -vcodec "mpeg4" -b "1500" -acodec "mpeg4aac" \
        -ab "64" -ar "44100" -ac "2 (stereo)" -s 320x176 -padtop 32 -padbottom 32 "$work/ipod-$1.mp4"
}
ipod_ffmpeg() {
    measure ffmpeg -nostdin -y -i "$work/clip60.avi" -c:v mpeg4 -b:v 1500k -c:a aac -b:a 64k -ar 44100 -ac 2 \
        -vf "scale=320:176:flags=bicubic,pad=320:240:0:32:black,format=yuv420p,setsar=1" "$work/ipod-reference.mp4"
}
mp3_ridod2e() {
    measure "$work/ridod2e-$1" -@ -y -i "$work/clip60.avi" -id3v1 -id3v2 -acodec "mp3" -ab "192" -ar "48000" \
        -ac "2 (stereo)" "$work/mp3-$1.mp3"
}
mp3_ffmpeg() {
    measure ffmpeg -nostdin -y -i "$work/clip60.avi" -vn -c:a libmp3lame -b:a 192k -ar 48000 -ac 2 \
        -id3v2_version 3 -write_id3v1 1 "$work/mp3-reference.mp3"
}
ps3_ridod2e() {
    measure "$work/ridod2e-$1" -@ -y -i "$work/clip20.avi" -bitexact -vcodec "h264" -b "2000" -maxrate "3500" \
        -bufsize "1280" -r "29.97" -acodec "mpeg4aac" -ab "256" -ar "44100" -ac "2 (stereo)" -g "250" \
        -qscale "25" -coder "1" -s 1280x704 -padtop 8 -padbottom 8 "$work/ps3-$1.mp4"
}
ps3_ffmpeg() {
    measure ffmpeg -nostdin -y -i "$work/clip20.avi" -bitexact -c:v libx264 -b:v 2000k -maxrate 3500k \
        -bufsize 1280k -r 30000/1001 -g 250 -coder 1 -c:a aac -b:a 256k -ar 44100 -ac 2 \
        -vf "scale=1280:704:flags=bicubic,pad=1280:720:0:8:black,format=yuv420p,setsar=1" "$work/ps3-reference.mp4"
}
run() {
    if [ "$2" = reference ]; then "$1_ffmpeg"; else "$1_ridod2e" "$2"; fi
}

# Median of the numbers on standard input.
median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
time_of() { cut -d' ' -f1 "$work/$1-$2.txt" | median; }
memory_of() { cut -d' ' -f2 "$work/$1-$2.txt" | sort -n | tail -1; }

jobs="ipod mp3 ps3"
for job in $jobs; do
    for variant in $variants; do
        : > "$work/$job-$variant.txt"
    done
done
# Each round starts with the next program, so that none always runs first.
round=1
order=$variants
while [ "$round" -le "$rounds" ]; do
    for job in $jobs; do
        for variant in $order; do
            run "$job" "$variant" >> "$work/$job-$variant.txt"
        done
    done
    order="$(echo "$order" | cut -d' ' -f2-) $(echo "$order" | cut -d' ' -f1)"
    round=$((round + 1))
done

echo "median wall time of $rounds interleaved rounds (s), peak memory (KiB); ratio = ridod2e / the other"
printf '%-5s %-9s %8s %7s %10s %7s\n' job program time ratio memory ratio
for job in $jobs; do
    for variant in $variants; do
        awk -v job="$job" -v variant="$variant" -v t="$(time_of "$job" "$variant")" \
            -v ot="$(time_of "$job" ours)" -v m="$(memory_of "$job" "$variant")" -v om="$(memory_of "$job" ours)" \
            'BEGIN { name = variant == "ours" ? "ridod2e" : variant == "earlier" ? "earlier" : "ffmpeg"
                     if (variant == "ours") printf "%-5s %-9s %8.2f %7s %10d %7s\n", job, name, t, "", m, ""
                     else printf "%-5s %-9s %8.2f %7.3f %10d %7.3f\n", job, name, t, ot / t, m, om / m }'
    done
done

video_checksums() {
    ffmpeg -nostdin -v error -i "$1" -map 0:v -c copy -f framemd5 - | grep -v '^#' | md5sum | cut -d' ' -f1
}
if [ "$(video_checksums "$work/ipod-ours.mp4")" = "$(video_checksums "$work/ipod-reference.mp4")" ]; then
    echo "ipod video stream bit-identical to ffmpeg's: yes"
else
    echo "ipod video stream bit-identical to ffmpeg's: NO"
fi
short_memory=$(ipod_ridod2e ours clip20 | cut -d' ' -f2)
long_memory=$(memory_of ipod ours)
awk -v s="$short_memory" -v l="$long_memory" \
    'BEGIN { printf "ridod2e iPod peak memory: 20 s clip %d KiB, 60 s clip %d KiB (ratio %.3f)\n", s, l, l / s }'
echo "targets: ipod time ratio to ffmpeg <= 0.85; against the earlier build time ratio <= 1.02 and memory"
echo "ratio <= 1.10 for every job; memory not growing with the clip's length"

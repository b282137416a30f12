#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The cost of the steps for today's sources (turning upright, colour,
# deinterlacing, every track). On an ordinary source (60 s 640x352, square,
# progressive, one track) the iPod and H.264 MP4 jobs against an earlier
# ridod2e (target: ratio <= 1.01, the new steps cost nothing there); on a
# phone clip turned 90 degrees, an HDR10 clip and a 576i clip the H.264 MP4
# job against the Debian ffmpeg program doing the same (transpose; zscale and
# tonemap; bwdif). Interleaved rounds; prints the median wall and processor
# times of both and their ratios.
#   todays-sources-bench.sh <AppDir> <fixturegen> [rounds] [earlier ridod2e]
set -eu
appdir=${1:?AppDir holding ridod2e}
fixturegen=${2:?path of the fixturegen program}
rounds=${3:-5}
earlier=${4:-}

. "$(dirname "$0")/bench-common.sh"
encoder="$work/ridod2e-bench"
cp "$appdir/ridod2e" "$encoder"
F="ffmpeg -nostdin -v error -y"
"$fixturegen" avi "$work/plain.avi" --seconds 60 --size 640x352
$F -f lavfi -i testsrc2=size=1280x720:rate=30:duration=20 -f lavfi -i sine=duration=20 -c:v libx264 -preset veryfast \
    -c:a aac "$work/phone0.mp4"
$F -i "$work/phone0.mp4" -c copy -metadata:s:v:0 rotate=90 "$work/phone.mp4"
$F -f lavfi -i testsrc2=size=1280x720:rate=25:duration=10 -c:v libx265 -preset ultrafast -pix_fmt yuv420p10le \
    -x265-params log-level=none -color_primaries bt2020 -color_trc smpte2084 -colorspace bt2020nc "$work/hdr.mp4"
$F -f lavfi -i testsrc2=size=720x576:rate=50:duration=20 -vf interlace=scan=tff -c:v mpeg2video -flags +ildct+ilme \
    -top 1 -q:v 3 "$work/576i.mpg"

h264="-vcodec h264 -crf 23 -preset medium -acodec aac -ab 160 -ac 2 -s keep -movflags +faststart -chapters -keepall"
ipod="-vcodec mpeg4 -b 1500 -acodec mpeg4aac -ab 64 -ar 44100 -ac 2 -s 320x176 -padtop 32 -padbottom 32"
reference() {
    x264="-c:v libx264 -crf 23 -preset medium -c:a aac -b:a 160k -ac 2 -movflags +faststart"
    case $1 in
    phone) echo -i "$work/phone.mp4" $x264 -vf transpose=clock,scale=720:1280:flags=bicubic,format=yuv420p ;;
    hdr) echo -i "$work/hdr.mp4" $x264 -vf "zscale=t=linear:npl=100,format=gbrpf32le,zscale=p=bt709,tonemap=tonemap=hable:desat=0,zscale=t=bt709:m=bt709:r=tv,format=yuv420p,scale=1280:720:flags=bicubic" -color_primaries bt709 -color_trc bt709 -colorspace bt709 ;;
    576i) echo -i "$work/576i.mpg" $x264 -vf bwdif=mode=send_frame:parity=tff:deint=all,scale=720:576:flags=bicubic,format=yuv420p ;;
    esac
}

measure() {
    /usr/bin/time -f "%e %U %S" -o "$work/time.txt" "$@" >/dev/null 2>&1 || { echo "failed: $*" >&2; exit 1; }
    awk '{ printf "%s %.2f\n", $1, $2 + $3 }' "$work/time.txt"
}

# job: <name> <ours: encoder input options> <theirs: a command>
run_pair() {
    name=$1
    for round in $(seq "$rounds"); do
        measure $2 >> "$work/$name.ours"
        measure $3 >> "$work/$name.theirs"
    done
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

report() {
    name=$1
    ours_wall=$(cut -d' ' -f1 "$work/$name.ours" | median)
    theirs_wall=$(cut -d' ' -f1 "$work/$name.theirs" | median)
    ours_cpu=$(cut -d' ' -f2 "$work/$name.ours" | median)
    theirs_cpu=$(cut -d' ' -f2 "$work/$name.theirs" | median)
    awk -v n="$name" -v a="$ours_wall" -v b="$theirs_wall" -v c="$ours_cpu" -v d="$theirs_cpu" -v against="$2" \
        'BEGIN { printf "%-12s %-8s %8.2f %8.2f %6.3f %8.2f %8.2f %6.3f\n", n, against, a, b, a / b, c, d, c / d }'
}

if [ -n "$earlier" ]; then
    run_pair plain-ipod "$encoder -@ -y -i $work/plain.avi $ipod $work/o1.mp4" \
        "$earlier -@ -y -i $work/plain.avi $ipod $work/o2.mp4"
    run_pair plain-h264 "$encoder -@ -y -i $work/plain.avi $h264 $work/o1.mp4" \
        "$earlier -@ -y -i $work/plain.avi $h264 $work/o2.mp4"
fi
for source in phone hdr 576i; do
    input=$(reference "$source" | cut -d' ' -f2)
    run_pair "$source" "$encoder -@ -y -i $input $h264 $work/o1.mp4" "ffmpeg -nostdin -y $(reference "$source") $work/o2.mp4"
done

printf '%-12s %-8s %8s %8s %6s %8s %8s %6s\n' job against ours_s other_s ratio ours_cpu oth_cpu ratio
[ -n "$earlier" ] && report plain-ipod earlier && report plain-h264 earlier
for source in phone hdr 576i; do report "$source" ffmpeg; done

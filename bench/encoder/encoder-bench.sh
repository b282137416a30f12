#!/bin/sh
# Encoder benchmark: the iPod job (format 0 command line) on a 60 s 640x352
# clip and the PS3 720P job on a 20 s clip, each run by ridod2e and by the
# Debian ffmpeg program with the same settings on the same libraries,
# interleaved. Prints the wall-time ratio (ours / ffmpeg, target <= 1.05) and
# the peak memory of both (target: ours <= ffmpeg's), and how ridod2e's peak
# memory for the iPod job grows from the 20 s clip to the 60 s one.
#   encoder-bench.sh <AppDir> <fixturegen> [rounds]
set -eu
appdir=${1:?AppDir holding ridod2e}
fixturegen=${2:?path of the fixturegen program}
rounds=${3:-3}

install_missing() {
    missing=""
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing="$missing $package"
    done
    [ -z "$missing" ] && return 0
    as_root=""
    [ "$(id -u)" -eq 0 ] || as_root="sudo"
    $as_root apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -qq $missing
}
install_missing ffmpeg time

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A copy under a name of its own: a test elsewhere on the machine that stops
# every "ridod2e" by name cannot end a measurement.
encoder="$work/ridod2e-bench"
cp "$appdir/ridod2e" "$encoder"
"$fixturegen" avi "$work/clip60.avi" --seconds 60 --size 640x352
"$fixturegen" avi "$work/clip20.avi" --seconds 20 --size 640x352

# One run: prints "<wall seconds> <peak KiB>".
measure() {
    /usr/bin/time -f "%e %M" -o "$work/time.txt" "$@" >/dev/null 2>&1 || { echo "failed: $*" >&2; exit 1; }
    cat "$work/time.txt"
}

ipod_ours() {
    measure "$encoder" -@ -y -i "$work/${1:-clip60}.avi" -vcodec "mpeg4" -b "1500" -acodec "mpeg4aac" -ab "64" \
        -ar "44100" -ac "2 (stereo)" -s 320x176 -padtop 32 -padbottom 32 "$work/ipod.mp4"
}
ipod_reference() {
    measure ffmpeg -nostdin -y -i "$work/clip60.avi" -c:v mpeg4 -b:v 1500k -c:a aac -b:a 64k -ar 44100 -ac 2 \
        -vf "scale=320:176:flags=bicubic,pad=320:240:0:32:black,format=yuv420p,setsar=1" "$work/ipod-ref.mp4"
}
ps3_ours() {
    measure "$encoder" -@ -y -i "$work/clip20.avi" -bitexact -vcodec "h264" -b "2000" -maxrate "3500" \
        -bufsize "1280" -r "29.97" -acodec "mpeg4aac" -ab "256" -ar "44100" -ac "2 (stereo)" -g "250" \
        -qscale "25" -coder "1" -s 1280x704 -padtop 8 -padbottom 8 "$work/ps3.mp4"
}
ps3_reference() {
    measure ffmpeg -nostdin -y -i "$work/clip20.avi" -bitexact -c:v libx264 -b:v 2000k -maxrate 3500k \
        -bufsize 1280k -r 30000/1001 -g 250 -coder 1 -c:a aac -b:a 256k -ar 44100 -ac 2 \
        -vf "scale=1280:704:flags=bicubic,pad=1280:720:0:8:black,format=yuv420p,setsar=1" "$work/ps3-ref.mp4"
}

# Median of the numbers on standard input.
median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

for job in ipod ps3; do
    : > "$work/$job-ours.txt"
    : > "$work/$job-reference.txt"
done
round=1
while [ "$round" -le "$rounds" ]; do
    for job in ipod ps3; do
        "${job}_ours" >> "$work/$job-ours.txt"
        "${job}_reference" >> "$work/$job-reference.txt"
    done
    round=$((round + 1))
done

printf '%-6s %10s %10s %7s %12s %12s %7s\n' job ours_s ffmpeg_s ratio ours_KiB ffmpeg_KiB ratio
for job in ipod ps3; do
    ours_time=$(cut -d' ' -f1 "$work/$job-ours.txt" | median)
    reference_time=$(cut -d' ' -f1 "$work/$job-reference.txt" | median)
    ours_memory=$(cut -d' ' -f2 "$work/$job-ours.txt" | sort -n | tail -1)
    reference_memory=$(cut -d' ' -f2 "$work/$job-reference.txt" | sort -n | tail -1)
    awk -v job="$job" -v ot="$ours_time" -v rt="$reference_time" -v om="$ours_memory" -v rm="$reference_memory" \
        'BEGIN { printf "%-6s %10.2f %10.2f %7.3f %12d %12d %7.3f\n", job, ot, rt, ot / rt, om, rm, om / rm }'
done
short_memory=$(ipod_ours clip20 | cut -d' ' -f2)
long_memory=$(cut -d' ' -f2 "$work/ipod-ours.txt" | sort -n | tail -1)
awk -v s="$short_memory" -v l="$long_memory" \
    'BEGIN { printf "ridod2e iPod peak memory: 20 s clip %d KiB, 60 s clip %d KiB (ratio %.3f)\n", s, l, l / s }'
echo "targets: time ratio <= 1.05, memory ratio <= 1.00 (median wall time of $rounds interleaved rounds, peak memory)"

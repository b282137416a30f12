#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Encoder benchmark for the newer outputs: each job of the application's
# newer rows (H.264, H.265 and AV1 MP4, VP9/Opus WebM, stream copies into MP4
# and MKV, GIF, FLAC, Opus, OGG Vorbis, WAV) on a 60 s 640x352 clip, run by
# ridod2e and by the Debian ffmpeg program with the same settings on the same
# libraries, interleaved. Prints per job the median wall time of both and
# their ratio (ours / ffmpeg, target <= 1.05), the ratio of the processor
# time both took (steadier than wall time on a shared machine), and the peak
# memory of both.
#   newer-formats-bench.sh <AppDir> <fixturegen> [rounds] [job ...]
set -eu
appdir=${1:?AppDir holding ridod2e}
fixturegen=${2:?path of the fixturegen program}
rounds=${3:-3}
shift $(( $# < 3 ? $# : 3 ))
jobs=${*:-"h264 h265 av1 webm mp4copy mkvcopy gif flac opus ogg wav"}

. "$(dirname "$0")/bench-common.sh"
# A copy under a name of its own, so that its runs are easy to tell apart.
encoder="$work/ridod2e-bench"
cp "$appdir/ridod2e" "$encoder"
clip="$work/clip60.avi"
"$fixturegen" avi "$clip" --seconds 60 --size 640x352
# The copy jobs take what they are for: an H.264/AAC Matroska file.
mkv="$work/clip60.mkv"
"$fixturegen" matroska "$mkv" --seconds 60 --size 640x352 --audio aac

# One run: prints "<wall seconds> <peak KiB> <processor seconds>".
measure() {
    /usr/bin/time -f "%e %M %U %S" -o "$work/time.txt" "$@" >/dev/null 2>&1 || { echo "failed: $*" >&2; exit 1; }
    awk '{ printf "%s %s %.2f\n", $1, $2, $3 + $4 }' "$work/time.txt"
}

# The application's command line for the job, after the input.
ours_options() {
    case $1 in
    h264) echo -vcodec h264 -crf 23 -preset medium -acodec aac -ab 160 -ac 2 -s keep -movflags +faststart -chapters -keepall ;;
    h265) echo -vcodec h265 -crf 28 -preset medium -acodec aac -ab 160 -ac 2 -s keep -movflags +faststart -chapters -keepall ;;
    av1) echo -vcodec av1 -crf 35 -preset 8 -acodec aac -ab 160 -ac 2 -s keep -movflags +faststart -chapters -keepall ;;
    webm) echo -vcodec vp9 -crf 32 -preset 4 -acodec opus -ab 128 -ac 2 -s keep -chapters -keepall ;;
    mp4copy) echo -vcodec copy -acodec copy -movflags +faststart -chapters ;;
    mkvcopy) echo -vcodec copy -acodec copy -chapters ;;
    gif) echo -vcodec gif -r 12 -s 480x0 -fit -an ;;
    flac) echo -acodec flac -ac 2 -vn -chapters ;;
    opus) echo -acodec opus -ab 128 -ac 2 -vn -chapters ;;
    ogg) echo -acodec vorbis -ab 160 -ac 2 -vn -chapters ;;
    wav) echo -acodec pcm_s16le -ac 2 -vn ;;
    esac
}
# The same settings for ffmpeg, with the filters ridod2e builds.
reference_options() {
    keep="scale=640:352:flags=bicubic,format=yuv420p"
    case $1 in
    h264) echo -c:v libx264 -crf 23 -preset medium -vf $keep -c:a aac -b:a 160k -ac 2 -movflags +faststart ;;
    h265) echo -c:v libx265 -crf 28 -preset medium -x265-params log-level=none -tag:v hvc1 -vf $keep \
        -c:a aac -b:a 160k -ac 2 -movflags +faststart ;;
    av1) echo -c:v libsvtav1 -crf 35 -preset 8 -vf $keep -c:a aac -b:a 160k -ac 2 -movflags +faststart ;;
    webm) echo -c:v libvpx-vp9 -crf 32 -b:v 0 -cpu-used 4 -row-mt 1 -vf $keep -c:a libopus -b:a 128k -ac 2 ;;
    mp4copy) echo -c copy -movflags +faststart ;;
    mkvcopy) echo -c copy ;;
    gif) echo -an -vf "scale=480:264:flags=bicubic,setsar=1,fps=12/1,split[all][copy];[all]palettegen[palette];[copy][palette]paletteuse" ;;
    flac) echo -vn -c:a flac -ac 2 ;;
    opus) echo -vn -c:a libopus -b:a 128k -ac 2 ;;
    ogg) echo -vn -c:a libvorbis -b:a 160k -ac 2 ;;
    wav) echo -vn -c:a pcm_s16le -ac 2 ;;
    esac
}
input_of() {
    case $1 in *copy) echo "$mkv" ;; *) echo "$clip" ;; esac
}
extension_of() {
    case $1 in h264|h265|av1|mp4copy) echo mp4 ;; webm) echo webm ;; mkvcopy) echo mkv ;; *) echo "$1" ;; esac
}

# Median of the numbers on standard input.
median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

for job in $jobs; do
    : > "$work/$job-ours.txt"
    : > "$work/$job-reference.txt"
done
round=1
while [ "$round" -le "$rounds" ]; do
    for job in $jobs; do
        out="$work/$job.$(extension_of "$job")"
        # shellcheck disable=SC2046
        measure "$encoder" -@ -y -i "$(input_of "$job")" $(ours_options "$job") "$out" >> "$work/$job-ours.txt"
        # shellcheck disable=SC2046
        measure ffmpeg -nostdin -y -i "$(input_of "$job")" $(reference_options "$job") "$out" \
            >> "$work/$job-reference.txt"
    done
    round=$((round + 1))
done

printf '%-8s %9s %9s %6s %9s %9s %6s %10s %10s %6s\n' job ours_s ffmpeg_s ratio ours_cpu ffm_cpu ratio \
    ours_KiB ffmpeg_KiB ratio
for job in $jobs; do
    ours_time=$(cut -d' ' -f1 "$work/$job-ours.txt" | median)
    reference_time=$(cut -d' ' -f1 "$work/$job-reference.txt" | median)
    ours_cpu=$(cut -d' ' -f3 "$work/$job-ours.txt" | median)
    reference_cpu=$(cut -d' ' -f3 "$work/$job-reference.txt" | median)
    ours_memory=$(cut -d' ' -f2 "$work/$job-ours.txt" | sort -n | tail -1)
    reference_memory=$(cut -d' ' -f2 "$work/$job-reference.txt" | sort -n | tail -1)
    awk -v job="$job" -v ot="$ours_time" -v rt="$reference_time" -v oc="$ours_cpu" -v rc="$reference_cpu" \
        -v om="$ours_memory" -v rm="$reference_memory" \
        'function ratio(a, b) { return a / (b > 0 ? b : 0.01) }
         BEGIN { printf "%-8s %9.2f %9.2f %6.3f %9.2f %9.2f %6.3f %10d %10d %6.3f\n", job, ot, rt, ratio(ot, rt),
                 oc, rc, ratio(oc, rc), om, rm, om / rm }'
done
echo "targets: time ratio <= 1.05 (median wall time of $rounds interleaved rounds; copies and audio jobs last"
echo "a fraction of a second, so their ratios mostly weigh the programs' start-up)"

#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Several files at once: vantorel-cli converts a batch of four 20 s
# standard-definition clips to the iPod format with one job and with two at a
# time, and a batch of eight MP3 jobs with one job and with "auto",
# interleaved over several rounds. Prints each batch's median wall time and
# the ratio of the parallel run to the one-at-a-time run.
#   jobs-at-once-bench.sh <AppDir> <fixturegen> [rounds]
set -eu
appdir=${1:?AppDir holding vantorel-cli and ridod2e}
fixturegen=${2:?path of the fixturegen program}
rounds=${3:-3}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/sd" "$work/audio"
for clip in 1 2 3 4; do
    "$fixturegen" avi "$work/sd/clip$clip.avi" --seconds 20 --size 640x352
done
for clip in 1 2 3 4 5 6 7 8; do
    "$fixturegen" avi "$work/audio/song$clip.avi" --seconds 60 --size 160x120
done

# One batch: prints its wall time in seconds.
batch() { # <format> <jobs> <folder>
    out="$work/out-$1-$2"
    rm -rf "$out"
    start=$(date +%s.%N)
    "$appdir/vantorel-cli" --format "$1" --jobs "$2" --quiet --output-dir "$out" "$work/$3"/* >/dev/null \
        || { echo "batch failed: format $1, jobs $2" >&2; exit 1; }
    end=$(date +%s.%N)
    awk -v a="$start" -v b="$end" 'BEGIN { print b - a }'
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

for round in $(seq "$rounds"); do
    batch 0 1 sd >>"$work/sd-1.txt"
    batch 0 2 sd >>"$work/sd-2.txt"
    batch 23 1 audio >>"$work/mp3-1.txt"
    batch 23 auto audio >>"$work/mp3-auto.txt"
    echo "round $round of $rounds done" >&2
done

report() { # <label> <serial file> <parallel file> <target>
    serial=$(median <"$1")
    parallel=$(median <"$2")
    printf '%s: one at a time %.2f s, %s %.2f s, ratio %.3f (target <= %s)\n' \
        "$3" "$serial" "$4" "$parallel" "$(awk -v p="$parallel" -v s="$serial" 'BEGIN { print p / s }')" "$5"
}
echo "cores: $(nproc)"
report "$work/sd-1.txt" "$work/sd-2.txt" "four 20 s SD clips to iPod" "2 jobs" 0.75
report "$work/mp3-1.txt" "$work/mp3-auto.txt" "eight MP3 jobs" "auto" 0.60

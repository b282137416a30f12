#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Little cost per file: four 4 s 720p clips to the PS3 720P (H.264) format
# through vantorel-cli, one job at a time against the encoder run alone on
# the same command lines, and "auto" against the encoder two at a time in
# xargs -P2. Median wall times of several rounds and their ratios.
#   short-hd-bench.sh <AppDir> <fixturegen> [rounds]
set -eu
appdir=${1:?AppDir holding vantorel-cli and ridod2e}
fixturegen=${2:?path of the fixturegen program}
rounds=${3:-3}
format=15

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/in"
for clip in 1 2 3 4; do
    "$fixturegen" avi "$work/in/clip$clip.avi" --seconds 4 --size 1280x720
done

seconds() { # <command...>: runs it, prints its wall time
    start=$(date +%s.%N)
    "$@" >/dev/null 2>&1 || { echo "failed: $*" >&2; exit 1; }
    end=$(date +%s.%N)
    awk -v a="$start" -v b="$end" 'BEGIN { print b - a }'
}

# The encoder's own command lines, one script a clip, writing into <folder>.
scripts() { # <folder>
    rm -rf "$1" && mkdir -p "$1"
    for clip in "$work"/in/*.avi; do
        line=$("$appdir/vantorel-cli" --dry-run --format "$format" --output-dir "$1" "$clip")
        printf '%s\n' "$line" >"$1/$(basename "$clip").sh"
    done
}
alone() { for script in "$work"/alone/*.sh; do sh "$script" || return 1; done; }
pairs() { ls "$work"/pairs/*.sh | xargs -P2 -n1 sh; }
cli() { # <jobs>
    rm -rf "$work/cli-$1"
    "$appdir/vantorel-cli" --format "$format" --jobs "$1" --quiet --output-dir "$work/cli-$1" "$work"/in/*.avi
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

for round in $(seq "$rounds"); do
    scripts "$work/alone"
    scripts "$work/pairs"
    seconds alone >>"$work/alone.txt"
    seconds cli 1 >>"$work/cli-1.txt"
    seconds pairs >>"$work/pairs.txt"
    seconds cli auto >>"$work/cli-auto.txt"
    echo "round $round of $rounds done" >&2
done

report() { # <label> <reference label> <reference file> <ours file> <target>
    ours=$(median <"$4")
    reference=$(median <"$3")
    printf '%s: %.2f s against %s %.2f s, ratio %.3f (target <= %s)\n' "$1" "$ours" "$2" "$reference" \
        "$(awk -v o="$ours" -v r="$reference" 'BEGIN { print o / r }')" "$5"
}
echo "cores: $(nproc); four 4 s 1280x720 clips to format $format, median of $rounds rounds"
report "vantorel-cli, one job" "the encoder alone" "$work/alone.txt" "$work/cli-1.txt" 1.03
report "vantorel-cli --jobs auto" "xargs -P2 of the encoder" "$work/pairs.txt" "$work/cli-auto.txt" 1.05

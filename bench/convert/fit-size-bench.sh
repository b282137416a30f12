#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Fit to a size against the plain ways: for clips of different difficulty
# (static bars, a moving pattern, motion with noise) and limits, vantorel-cli
# --fit-size (two passes, the output checked) beside the plain estimate
# (one pass at bitrate = limit / length, sound taken off), printing each
# output's share of the limit, whether it went over, its SSIM against the
# source, and the fit's time against the one-pass constant-quality job.
#   fit-size-bench.sh <AppDir> [seconds]
set -eu
appdir=${1:?AppDir holding vantorel-cli and ridod2e}
seconds=${2:-30}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
make_clip() { # <name> <picture source>
    ffmpeg -nostdin -loglevel error -y -f lavfi -i "$2" -f lavfi -i "anoisesrc=a=0.05:r=48000" \
        -t "$seconds" -c:v libx264 -crf 12 -c:a flac "$work/$1.mkv"
}
make_clip bars "smptebars=size=1280x720:rate=25"
make_clip pattern "testsrc2=size=1280x720:rate=25"
make_clip noise "testsrc2=size=1280x720:rate=25,noise=alls=40:allf=t"

now() { date +%s.%N; }
elapsed() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.2f", b - a }'; }
ssim() { # <output> <source>
    ffmpeg -nostdin -i "$1" -i "$2" -lavfi "[0:v]scale=640:360[o];[1:v]scale=640:360[r];[o][r]ssim" -f null - 2>&1 \
        | sed -n 's/.*All:\([0-9.]*\).*/\1/p'
}
size() { stat -c %s "$1"; }

printf '%-8s %-6s %-10s %8s %6s %5s %7s %8s\n' clip limit way bytes share over ssim seconds
for clip in bars pattern noise; do
    source="$work/$clip.mkv"
    start=$(now)
    "$appdir/vantorel-cli" --quiet --format 31 --output-dir "$work/cq-$clip" "$source" >/dev/null
    cq=$(elapsed "$start")
    printf '%-8s %-6s %-10s %8s %6s %5s %7s %8s\n' "$clip" - "one pass" "$(size "$work/cq-$clip/$clip.mp4")" - - \
        "$(ssim "$work/cq-$clip/$clip.mp4" "$source")" "$cq"
    for limit in 2 5 10; do
        out="$work/fit-$clip-$limit"
        start=$(now)
        "$appdir/vantorel-cli" --format 31 --fit-size "${limit}MB" --output-dir "$out" "$source" \
            >/dev/null 2>"$out.log" || true
        fit=$(elapsed "$start")
        file="$out/$clip.mp4"
        bytes=$( [ -f "$file" ] && size "$file" || echo 0)
        extra=$(grep -c 'again at' "$out.log" || true)
        printf '%-8s %-6s %-10s %8s %5.1f%% %5s %7s %8s  (%s extra attempts, %.2fx the one-pass time)\n' \
            "$clip" "${limit}MB" "fit" "$bytes" "$(awk -v b="$bytes" -v l="$limit" 'BEGIN { print 100 * b / l / 1e6 }')" \
            "$( [ "$bytes" -gt $((limit * 1000000)) ] && echo yes || echo no)" \
            "$( [ "$bytes" -gt 0 ] && ssim "$file" "$source" || echo -)" "$fit" "$extra" \
            "$(awk -v f="$fit" -v c="$cq" 'BEGIN { print f / c }')"
        # The plain estimate: the whole limit over the length, less the sound, in one pass.
        kbps=$(awk -v l="$limit" -v s="$seconds" 'BEGIN { printf "%d", l * 8000 / s - 160 }')
        plain="$work/plain-$clip-$limit.mp4"
        "$appdir/ridod2e" -@ -y -i "$source" -vcodec h264 -b "$kbps" -preset medium -acodec aac -ab 160 \
            -s keep -movflags +faststart "$plain" >/dev/null
        bytes=$(size "$plain")
        printf '%-8s %-6s %-10s %8s %5.1f%% %5s %7s\n' "$clip" "${limit}MB" "plain" "$bytes" \
            "$(awk -v b="$bytes" -v l="$limit" 'BEGIN { print 100 * b / l / 1e6 }')" \
            "$( [ "$bytes" -gt $((limit * 1000000)) ] && echo yes || echo no)" "$(ssim "$plain" "$source")"
    done
done

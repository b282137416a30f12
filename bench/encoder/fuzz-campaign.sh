#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# A fault campaign, run by hand: damaged copies of clips of eleven
# containers, each converted by vantorel-cli into the formats 0, 31-35, 37
# and 38 with an encoder built with AddressSanitizer and UBSan. Prints the
# conversions made, the sanitizer reports, the conversions that hung and
# the "Done" FLAC files that fail `flac -t`.
#   fuzz-campaign.sh <sanitized ridod2e> <vantorel-cli> <fixturegen> [damaged copies per clip] [seed]
# The sanitized encoder, in a build folder of its own:
#   cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
#     -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer" \
#     -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
#   cmake --build build-asan --target ridod2e
set -eu
encoder=${1:?path of a sanitized ridod2e}
cli=${2:?path of vantorel-cli}
fixturegen=${3:?path of the fixturegen program}
copies=${4:-8}
seed=${5:-24}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# vantorel-cli runs the encoder that lies beside it.
mkdir -p "$work/app" "$work/clips" "$work/damaged" "$work/reports"
cp "$cli" "$work/app/vantorel-cli"
cp "$encoder" "$work/app/ridod2e"

for container in avi mp4 mov matroska mpeg asf flv rm 3gp wav mp3; do
    "$fixturegen" "$container" "$work/clips/$container.$container" --seconds 3 >/dev/null
done
python3 - "$work/clips" "$work/damaged" "$copies" "$seed" <<'PY'
import os, random, sys
clips, damaged, copies, seed = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
rng = random.Random(seed)
for name in sorted(os.listdir(clips)):
    data = open(os.path.join(clips, name), 'rb').read()
    for n in range(copies):
        b = bytearray(data)
        kind = n % 4
        if kind == 0:    # scattered bytes
            for _ in range(rng.randint(1, 40)):
                b[rng.randrange(len(b))] = rng.randrange(256)
        elif kind == 1:  # single bit flips, also in headers and timestamps
            for _ in range(rng.randint(1, 8)):
                i = rng.randrange(min(len(b), 4096) if rng.random() < 0.5 else len(b))
                b[i] ^= 1 << rng.randrange(8)
        elif kind == 2:  # a stretch overwritten
            at = rng.randrange(len(b)); size = rng.randint(16, 4096)
            b[at:at + size] = bytes(rng.randrange(256) for _ in range(min(size, len(b) - at)))
        else:            # cut short, or a stretch repeated
            at = rng.randrange(len(b) // 4, len(b))
            b = b[:at] if rng.random() < 0.5 else b[:at] + b[at - rng.randint(1, 2048):]
        stem, ext = os.path.splitext(name)
        open(os.path.join(damaged, f'{stem}-{n}{ext}'), 'wb').write(bytes(b))
PY

export ASAN_OPTIONS="log_path=$work/reports/asan:detect_leaks=1"
export UBSAN_OPTIONS="log_path=$work/reports/ubsan:print_stacktrace=1"
conversions=0; hung=0; done=0; flacs=0; badFlacs=0
for format in 0 31 32 33 34 35 37 38; do
    out="$work/out-$format"
    for input in "$work/damaged"/*; do
        conversions=$((conversions + 1))
        status=0
        timeout 600 "$work/app/vantorel-cli" --format "$format" --json --overwrite --output-dir "$out" "$input" \
            >"$work/row.json" 2>/dev/null || status=$?
        [ "$status" -eq 124 ] && { hung=$((hung + 1)); echo "hung: format $format, $input" >&2; }
        grep -q '"outcome":"Done"' "$work/row.json" || continue
        done=$((done + 1))
        [ "$format" -eq 37 ] || continue
        flacs=$((flacs + 1))
        output=$(sed -n 's/.*"output":"\([^"]*\)".*/\1/p' "$work/row.json")
        flac -t -s "$output" 2>/dev/null || { badFlacs=$((badFlacs + 1)); echo "flac -t fails: $input" >&2; }
    done
done
reports=$(find "$work/reports" -type f | wc -l)
[ "$reports" -eq 0 ] || cat "$work/reports"/* >&2
echo "Conversions: $conversions ($done Done); sanitizer reports: $reports; hung: $hung;" \
     "Done FLAC files failing flac -t: $badFlacs of $flacs"

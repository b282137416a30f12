#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and runs the installed programs
# as a user would.
#   installed.sh BUILD_DIR FIXTUREGEN VERSION APP_ID programs|settings
set -eu
build=$1 fixturegen=$2 version=$3 app_id=$4 check=$5
work=$(realpath "$(mktemp -d)")
pid=""
# Only the program this script started is ever ended by it.
trap '[ -z "$pid" ] || kill -KILL "$pid" 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

# Whether the process has a handler for signal number $2.
handles() {
  mask=$(awk '/^SigCgt:/ { print $2 }' "/proc/$1/status")
  [ $(( (0x$mask >> ($2 - 1)) & 1 )) -eq 1 ]
}

case $check in
programs)
  for file in bin/vantorel bin/vantorel-cli libexec/vantorel/ridod2e share/vantorel/help.html \
      share/vantorel/vantorel_de.qm share/vantorel/vantorel_fr.qm \
      "share/applications/$app_id.desktop" "share/metainfo/$app_id.metainfo.xml" \
      "share/icons/hicolor/scalable/apps/$app_id.svg" "share/icons/hicolor/48x48/apps/$app_id.png" \
      "share/icons/hicolor/128x128/apps/$app_id.png" "share/icons/hicolor/256x256/apps/$app_id.png" \
      share/man/man1/vantorel-cli.1.gz share/man/man1/vantorel.1.gz; do
    [ -s "$prefix/$file" ] || fail "$file is not installed"
  done
  [ ! -e "$prefix/bin/ridod2e" ] || fail "the encoder lies in bin/"
  [ "$(file -b --mime-type "$prefix/share/icons/hicolor/48x48/apps/$app_id.png")" = image/png ] || fail "the 48 px icon is no PNG"

  said=$("$prefix/bin/vantorel-cli" --version)
  [ "$said" = "vantorel-cli $version" ] || fail "--version says '$said'"

  "$fixturegen" avi "$work/clip.avi" --seconds 2 --size 320x240 >/dev/null
  "$prefix/bin/vantorel-cli" --dry-run --output-dir "$work/out" "$work/clip.avi" >"$work/dry"
  grep -qF "\"$prefix/libexec/vantorel/ridod2e\" -@ -y" "$work/dry" || fail "the dry run does not name the installed encoder: $(cat "$work/dry")"
  "$prefix/bin/vantorel-cli" --output-dir "$work/out" "$work/clip.avi" >"$work/rows" 2>"$work/log" \
    || fail "the conversion failed: $(cat "$work/rows" "$work/log")"
  grep -qF "$work/clip.avi	320 x 240	25	00:00:02	MP4	Done	" "$work/rows" || fail "rows: $(cat "$work/rows")"
  [ "$(cat "$work/log")" = "$(printf 'clip.avi: Done\nAll Conversion Jobs Done!')" ] || fail "progress: $(cat "$work/log")"
  [ -s "$work/out/clip.mp4" ] || fail "no clip.mp4"
  ;;
settings)
  config=$work/config
  XDG_CONFIG_HOME=$config QT_QPA_PLATFORM=offscreen "$prefix/bin/vantorel" >"$work/log" 2>&1 &
  pid=$!
  # Its window is up once it handles SIGTERM; then it is asked to close.
  tries=0
  until handles "$pid" 15; do
    kill -0 "$pid" 2>/dev/null || fail "vantorel ended at start: $(cat "$work/log")"
    tries=$((tries + 1))
    [ "$tries" -lt 1200 ] || fail "vantorel did not come up"
    sleep 0.1
  done
  kill -TERM "$pid"
  status=0
  wait "$pid" || status=$?
  pid=""
  [ "$status" -eq 0 ] || fail "vantorel ended with status $status: $(cat "$work/log")"
  [ -f "$config/vantorel/plumly.ini" ] || fail "no settings under XDG_CONFIG_HOME"
  grep -q '^OutputFormat=0' "$config/vantorel/plumly.ini" || fail "settings: $(cat "$config/vantorel/plumly.ini")"
  [ ! -e "$prefix/bin/plumly.ini" ] || fail "settings written beside the executable"
  ;;
*)
  fail "unknown check $check"
  ;;
esac

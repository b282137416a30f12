#!/bin/sh
# Makes the Debian package from the build folder and reads it back.
#   package.sh BUILD_DIR APP_ID
set -eu
build=$1 app_id=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work") >"$work/cpack.log" 2>&1 || fail "cpack: $(cat "$work/cpack.log")"
set -- "$work"/vantorel_*.deb
[ -f "$1" ] || fail "no package: $(cat "$work/cpack.log")"
dpkg-deb -I "$1" >"$work/info"
depends=$(sed -n 's/^ Depends: //p' "$work/info")
for library in libavcodec59 libavformat59 libqt6widgets6 libqt6core6 libopencore-amrnb0 libc6; do
  echo "$depends" | grep -q "$library" || fail "$library is not among the dependencies: $depends"
done
dpkg-deb -c "$1" >"$work/files"
for file in usr/bin/vantorel usr/bin/vantorel-cli usr/libexec/vantorel/ridod2e usr/share/vantorel/help.html \
    "usr/share/applications/$app_id.desktop" "usr/share/metainfo/$app_id.metainfo.xml"; do
  grep -q " \./$file\$" "$work/files" || fail "$file is not in the package"
done

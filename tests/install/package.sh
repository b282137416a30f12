#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the two Debian packages from the build folder, reads them back and
# has lintian judge them.
#   package.sh BUILD_DIR APP_ID VERSION CONFIG
set -eu
build=$1 app_id=$2 version=$3 config=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work") >"$work/cpack.log" 2>&1 || fail "cpack: $(cat "$work/cpack.log")"

# package FILES...: the package's files are these and its doc folder.
check_package() {
  package=$1
  shift
  deb=$work/${package}_${version}_$(dpkg --print-architecture).deb
  [ -f "$deb" ] || fail "no $package package: $(cat "$work/cpack.log")"
  dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort >"$work/$package.files"
  for file in "$@" "usr/share/doc/$package/copyright" "usr/share/doc/$package/changelog.gz"; do
    echo "./$file"
  done | sort >"$work/$package.expected"
  diff "$work/$package.expected" "$work/$package.files" >&2 || fail "the files of $package differ"

  [ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "$package has version $(dpkg-deb -f "$deb" Version)"
  dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//' | sort -u >"$work/$package.depends"
  mkdir "$work/$package"
  dpkg-deb -x "$deb" "$work/$package"
  doc=$work/$package/usr/share/doc/$package
  grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$doc/copyright" \
    && grep -qx 'License: GPL-3+' "$doc/copyright" || fail "$package: copyright: $(cat "$doc/copyright")"
  zcat "$doc/changelog.gz" >"$work/$package.changelog"
  [ "$(dpkg-parsechangelog -l "$work/$package.changelog" -S Version)" = "$version" ] \
    || fail "$package: the changelog does not name version $version"
}

check_package vantorel-cli usr/bin/vantorel-cli usr/libexec/vantorel/ridod2e usr/share/man/man1/vantorel-cli.1.gz
check_package vantorel usr/bin/vantorel usr/share/vantorel/help.html usr/share/man/man1/vantorel.1.gz \
  usr/share/vantorel/vantorel_de.qm usr/share/vantorel/vantorel_fr.qm \
  "usr/share/applications/$app_id.desktop" "usr/share/metainfo/$app_id.metainfo.xml" \
  "usr/share/icons/hicolor/scalable/apps/$app_id.svg" "usr/share/icons/hicolor/48x48/apps/$app_id.png" \
  "usr/share/icons/hicolor/128x128/apps/$app_id.png" "usr/share/icons/hicolor/256x256/apps/$app_id.png"

depends() { grep -qx "$2" "$work/$1.depends" || fail "$1 does not depend on $2: $(cat "$work/$1.depends")"; }
for library in libavcodec59 libavformat59 libopencore-amrnb0 libqt6core6 libc6; do
  depends vantorel-cli "$library"
done
! grep -q '^libqt6\(widgets\|gui\)' "$work/vantorel-cli.depends" || fail "vantorel-cli needs Qt's windows: $(cat "$work/vantorel-cli.depends")"
depends vantorel libqt6widgets6
dpkg-deb -f "$work"/vantorel_*.deb Depends | grep -q "vantorel-cli (= $version)" || fail "vantorel does not depend on this vantorel-cli"

# A release build is hardened: position-independent, relocations read-only
# and bound at start, checked buffer functions, a guarded stack.
case $config in Release | RelWithDebInfo | MinSizeRel) programs="vantorel-cli/usr/bin/vantorel-cli
  vantorel-cli/usr/libexec/vantorel/ridod2e vantorel/usr/bin/vantorel" ;; *) programs="" ;; esac
for program in $programs; do
  readelf -hldW "$work/$program" >"$work/elf"
  grep -q 'Type: *DYN' "$work/elf" && grep -q GNU_RELRO "$work/elf" && grep -q 'FLAGS_1.*NOW.*PIE' "$work/elf" \
    || fail "$program is not hardened: $(grep -E 'Type:|RELRO|FLAGS' "$work/elf")"
  readelf --dyn-syms -W "$work/$program" >"$work/symbols"
  grep -q '__[a-z0-9_]*_chk@' "$work/symbols" && grep -q '__stack_chk_fail@' "$work/symbols" \
    || fail "$program has no checked functions or no stack guard"
done

lintian --fail-on error,warning "$work"/vantorel-cli_*.deb "$work"/vantorel_*.deb >"$work/lintian" 2>&1 \
  || fail "lintian: $(cat "$work/lintian")"

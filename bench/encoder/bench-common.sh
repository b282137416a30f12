# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the encoder benchmarks (sourced): the reference program and the
# time tool installed when missing, and a work folder removed at the end.

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

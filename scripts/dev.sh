#!/usr/bin/env bash
# Sets up a Debian 12 machine for Tidewell, then builds and either starts the
# program (start), runs the test suite (test) or the suite under the
# sanitizers as well (ci).
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(build-essential cmake ninja-build qt6-base-dev qt6-base-dev-tools dpkg-dev
          libqt6sql6-sqlite libgl-dev fonts-liberation fonts-dejavu-core xauth xvfb
          desktop-file-utils appstream libqt6sql6-psql postgresql
          dbus-daemon dbus-bin at-spi2-core python3 python3-gi gir1.2-atspi-2.0)

install_missing() {
    local missing=()
    for package in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}

build() {
    cmake --preset "$1"
    cmake --build --preset "$1"
}

test_suite() {
    build "$1"
    QT_QPA_PLATFORM=offscreen ctest --preset "$1"
}

install_missing
case "${1:-}" in
start)
    build default
    exec ./build/default/bin/tidewell
    ;;
test)
    test_suite default
    ;;
ci)
    test_suite default
    test_suite sanitize
    ;;
*)
    echo "usage: $0 start|test|ci" >&2
    exit 2
    ;;
esac

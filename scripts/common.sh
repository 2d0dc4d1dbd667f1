# Shared by the README's commands: installs what is missing and builds.
# shellcheck shell=bash
set -euo pipefail

LUMO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
LUMO_BUILD="${LUMO_BUILD:-$LUMO_ROOT/build}"

# What the player needs to build and run.
LUMO_PACKAGES=(
    cmake make g++ pkg-config ccache
    qt6-base-dev qt6-l10n-tools qt6-translations-l10n qt6-qpa-plugins qt6-wayland libx11-dev fonts-dejavu-core fonts-liberation2
    libvlc-dev libvlc-bin vlc-plugin-base vlc-plugin-video-output
    libcurl4-openssl-dev libtag1-dev
    xvfb xauth
)
# What the tests need on top.
LUMO_TEST_PACKAGES=(libgtest-dev python3 python3-pyftpdlib ffmpeg desktop-file-utils xdotool dbus
    appstream libglib2.0-bin shared-mime-info playerctl weston at-spi2-core python3-pyatspi python3-gi icecast2
    openbox)

ensure_packages() {
    local missing=() package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    if [ "${#missing[@]}" -eq 0 ]; then
        return 0
    fi
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# build [cmake options...] [-- targets...]
build() {
    local options=() targets=()
    while [ "$#" -gt 0 ] && [ "$1" != "--" ]; do options+=("$1"); shift; done
    [ "$#" -gt 0 ] && shift
    targets=("$@")
    cmake -S "$LUMO_ROOT" -B "$LUMO_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}"
    if [ "${#targets[@]}" -gt 0 ]; then
        cmake --build "$LUMO_BUILD" -j2 --target "${targets[@]}"
    else
        cmake --build "$LUMO_BUILD" -j2
    fi
}

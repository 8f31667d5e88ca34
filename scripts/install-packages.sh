#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is
# missing: with apt-get as root, through sudo otherwise. Sourced by the other
# scripts; does nothing on a machine that already has everything.
set -euo pipefail

hitvault_packages=(g++ cmake ninja-build pkg-config libncurses-dev libgmime-3.0-dev libgtest-dev
    libbenchmark-dev tmux chromium python3)

install_missing_packages() {
    if ! command -v dpkg-query >/dev/null 2>&1; then
        echo "Not a Debian system: please install ${hitvault_packages[*]} yourself." >&2
        return 0
    fi
    local missing=()
    local p
    for p in "${hitvault_packages[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$p")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing ${missing[*]} ..."
    local run=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null 2>&1; then
            echo "Missing packages: ${missing[*]}; run this script as root or install sudo." >&2
            return 1
        fi
        run=(sudo)
    fi
    "${run[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    "${run[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
        "${missing[@]}"
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    install_missing_packages
fi

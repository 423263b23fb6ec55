#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Brimbal authors
#
# Installs the Debian packages Brimbal needs to build, test and run: deps.sh [--package]
# With --package also what scripts/package.sh needs to build and check the Debian package.
# Only missing packages are installed; apt-get update runs only then.
set -euo pipefail

packages=(
    cmake g++ make ninja-build ccache clang-format
    qt6-base-dev qt6-base-private-dev qt6-base-dev-tools qt6-qpa-plugins qt6-translations-l10n
    qt6-l10n-tools qt6-tools-dev
    libbenchmark-dev
    fonts-liberation
    xvfb xauth
    desktop-file-utils appstream
)
if [ "${1:-}" = "--package" ]; then
    # dpkg-shlibdeps and dpkg-buildflags, file (CPack looks for shared objects with it), lintian.
    packages+=(dpkg-dev file lintian)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"

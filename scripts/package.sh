#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Brimbal authors
#
# Builds the Debian package from a clean build directory and checks it with lintian:
#   build-package/brimbal_<version>_amd64.deb
# Prints the package's path on standard output; everything else goes to standard error.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh --package >&2

build_dir=build-package
rm -rf "$build_dir"

generator=()
if command -v ninja >/dev/null 2>&1; then
    generator=(-G Ninja)
fi

# Debian's build flags with all hardening (bindnow too); CMake reads CXXFLAGS and LDFLAGS when
# it first configures.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS

# Only the program and its compressed pages are built: installing does not wait for the tests.
cmake -S . -B "$build_dir" "${generator[@]}" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
    -DBRIMBAL_BENCHMARKS=OFF \
    -DBRIMBAL_DEBIAN_PACKAGE=ON >&2
cmake --build "$build_dir" -j2 --target brimbal brimbal_docs >&2
(cd "$build_dir" && cpack -G DEB) >&2

package=$(find "$build_dir" -maxdepth 1 -name 'brimbal_*.deb' -print -quit)
if [ -z "$package" ]; then
    echo "no package in $build_dir" >&2
    exit 1
fi
# Errors fail the script; warnings are shown.
lintian --info "$package" >&2
echo "$package"

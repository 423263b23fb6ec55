#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Brimbal authors
#
# Configures and builds Brimbal into a build directory: build.sh [--sanitize]
# Prints the build directory on its last line.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=build
args=()
if [ "${1:-}" = "--sanitize" ]; then
    build_dir=build-sanitize
    args+=(-DBRIMBAL_SANITIZE=ON -DBRIMBAL_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=Debug)
fi
if [ -n "${CI:-}" ]; then
    args+=(-DBRIMBAL_WERROR=ON)
fi

generator=()
if [ ! -f "$build_dir/CMakeCache.txt" ] && command -v ninja >/dev/null 2>&1; then
    generator=(-G Ninja)
fi

cmake -S . -B "$build_dir" "${generator[@]}" "${args[@]}" >/dev/null
cmake --build "$build_dir" -j2
echo "$build_dir"

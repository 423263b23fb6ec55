#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Brimbal authors
#
# Configures and builds Brimbal into a build directory: build.sh [--sanitize|--threads] [TARGET]
# Builds everything, or only TARGET (such as brimbal, the game). --sanitize builds with
# AddressSanitizer and UndefinedBehaviorSanitizer, --threads with ThreadSanitizer.
# Prints the build directory on standard output; everything else goes to standard error.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=build
args=()
if [ "${1:-}" = "--sanitize" ]; then
    build_dir=build-sanitize
    args+=(-DBRIMBAL_SANITIZE=ON -DBRIMBAL_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=Debug)
    shift
elif [ "${1:-}" = "--threads" ]; then
    build_dir=build-tsan
    args+=(-DBRIMBAL_TSAN=ON -DBRIMBAL_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo)
    shift
fi
targets=()
if [ -n "${1:-}" ]; then
    targets=(--target "$1")
fi
if [ -n "${CI:-}" ]; then
    args+=(-DBRIMBAL_WERROR=ON)
fi

generator=()
if [ ! -f "$build_dir/CMakeCache.txt" ] && command -v ninja >/dev/null 2>&1; then
    generator=(-G Ninja)
fi

cmake -S . -B "$build_dir" "${generator[@]}" "${args[@]}" >/dev/null
# Build output goes to standard error: standard output carries only the directory.
cmake --build "$build_dir" -j2 "${targets[@]}" >&2
echo "$build_dir"

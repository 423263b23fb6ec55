#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Brimbal authors
#
# Installs what is missing, builds the game (not the tests and benchmarks) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
build_dir=$(scripts/build.sh brimbal)

exec "$build_dir/src/app/brimbal" "$@"

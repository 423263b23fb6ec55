#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Brimbal authors
#
# Installs what is missing, builds Brimbal and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
build_dir=$(scripts/build.sh | tail -n 1)

program="$build_dir/src/app/brimbal"
if [ ! -x "$program" ]; then
    echo "Brimbal builds, but it has no window yet: nothing to start."
    exit 0
fi
exec "$program" "$@"

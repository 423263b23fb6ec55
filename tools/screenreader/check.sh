#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Brimbal authors
#
# Looks at the board as a screen reader does: starts the game under Xvfb with a window manager
# and an accessibility bus, lists the board's cells over AT-SPI, marks the group under the
# keyboard cursor with the keys alone, and reads the marked cells back.
#   tools/screenreader/check.sh [PROGRAM]      (default: build/src/app/brimbal)
# Needs: xvfb, openbox, xdotool, dbus, at-spi2-core, python3-pyatspi.
set -euo pipefail
cd "$(dirname "$0")/../.."
program=$(realpath "${1:-build/src/app/brimbal}")
here=$(realpath tools/screenreader)
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

# Mode 2, "Fortlaufend", so that there is a preview column to read as well.
mkdir -p "$home/config/Zelkor"
printf '[General]\nModus=2\n' >"$home/config/Zelkor/Brimbal.conf"
export HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home"
dbus-run-session -- bash -c '
    set -euo pipefail
    . "$1/session.sh"
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$0" 2>/dev/null & game=$!
    sleep 3
    /usr/bin/python3 "$1/board.py" list
    /usr/bin/python3 "$1/board.py" hostile
    kill -0 "$game" && echo "the game still runs"
    window=$(xdotool search --sync --name "Brimbal -" | head -n 1)
    xdotool windowactivate --sync "$window"
    # To the bottom row, then the first ball with a neighbour of its colour: mark it.
    xdotool key --delay 30 Next
    for column in 0 1 2 3 4 5 6 7 8 9; do
        xdotool key space
        sleep 0.3
        if /usr/bin/python3 "$1/board.py" selected | grep -q "selected: \[.\+\]"; then
            break
        fi
        xdotool key Right
    done
    /usr/bin/python3 "$1/board.py" selected
    kill "$game" "$xvfb"
' "$program" "$here"

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Brimbal authors
#
# Plays a game by keys with the screen reader Orca listening, and prints what Orca said after
# each key. Everything runs in a private session: Xvfb on a free display, a session bus, the
# accessibility bus, a window manager, Orca with its speech going to a log instead of a
# synthesizer, and the game with a settings folder of its own.
#   tools/screenreader/speech.sh [PROGRAM]      (default: build/src/app/brimbal)
# Needs: xvfb, openbox, xdotool, dbus, at-spi2-core, python3-pyatspi, orca.
set -euo pipefail
cd "$(dirname "$0")/../.."
for tool in Xvfb openbox xdotool dbus-run-session orca; do
    if ! command -v "$tool" >/dev/null; then
        echo "speech.sh needs $tool: see README.md, \"Screen readers\"" >&2
        exit 1
    fi
done
program=$(realpath "${1:-build/src/app/brimbal}")
here=$(realpath tools/screenreader)
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

# Orca reads its preferences from its own folder; speech goes to the speech log.
mkdir -p "$home/orca" "$home/config"
cp "$here/orca-customizations.py" "$here/speechlog.py" "$home/orca/"
export HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data"
export XDG_RUNTIME_DIR="$home" BRIMBAL_SPEECH_LOG="$home/speech.log"
: >"$BRIMBAL_SPEECH_LOG"
dbus-run-session -- bash -c '
    set -euo pipefail
    program=$1 here=$2
    . "$here/session.sh"
    orca -u "$HOME/orca" >"$HOME/orca.out" 2>&1 & orca=$!
    # Orca is listening once it has greeted.
    for _ in $(seq 100); do [ -s "$BRIMBAL_SPEECH_LOG" ] && break; sleep 0.1; done
    echo "Orca on display $DISPLAY: $(head -n 1 "$BRIMBAL_SPEECH_LOG")"
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$program" >/dev/null 2>&1 & game=$!
    window=$(xdotool search --sync --name "Brimbal -" | head -n 1)
    xdotool windowactivate --sync "$window"
    sleep 2
    status=0
    /usr/bin/python3 "$here/play.py" "$BRIMBAL_SPEECH_LOG" || status=$?
    kill "$game" "$orca" "$xvfb" 2>/dev/null || true
    exit $status
' bash "$program" "$here"

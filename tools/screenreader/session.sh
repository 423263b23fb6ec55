# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Brimbal authors
#
# Sourced by check.sh and speech.sh inside their private session bus: a desktop to run the game
# on. Xvfb on a free display (it writes the number it chose), a window manager and the
# accessibility bus. Sets DISPLAY and xvfb, the server's process id.
Xvfb -displayfd 3 -screen 0 1024x768x24 3>"$HOME/display" >/dev/null 2>&1 & xvfb=$!
for _ in $(seq 100); do [ -s "$HOME/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$HOME/display")"
openbox >/dev/null 2>&1 &
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
sleep 1

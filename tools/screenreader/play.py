#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Brimbal authors
#
# Plays Brimbal by keys while Orca runs, and prints what Orca said after each key. speech.sh
# starts everything and runs it; the board is read over AT-SPI only to choose the keys.
#   play.py SPEECH_LOG
# Moves to a group, marks it (Space) and removes it (Return), plays on in the same way to the
# end of the game, files a name, then starts new games with Ctrl+N and with the mode key 2.
import subprocess
import sys
import time

import pyatspi

from boardbus import application, find

LOG = sys.argv[1]
COLUMNS = ROWS = 11


class Speech:
    """What Orca has written to the speech log since the last look."""

    def __init__(self, path):
        self.file = open(path, encoding="utf-8")
        self.file.seek(0, 2)

    def since(self, settle=1.2, longest=6.0):
        """The lines spoken from now until Orca has been quiet for settle seconds."""
        lines, start, last = [], time.monotonic(), time.monotonic()
        while time.monotonic() - start < longest:
            line = self.file.readline()
            if line:
                lines.append(line.rstrip("\n"))
                last = time.monotonic()
            elif time.monotonic() - last >= settle:
                break
            else:
                time.sleep(0.05)
        return lines


def key(name, speech, note=""):
    subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)
    said = speech.since()
    label = f"{name} ({note})" if note else name
    print(f"{label:<24} | " + (" / ".join(said) if said else "(nothing)"), flush=True)
    return said


def board(table):
    """The colour of each cell as the table names it (None for an empty cell), by [row][column]."""
    table.clearCache()
    cells = table.queryTable()
    grid = []
    for row in range(ROWS):
        names = [cells.getAccessibleAt(row, column).name.split(",")[0] for column in range(COLUMNS)]
        grid.append([None if name == "Leer" else name for name in names])
    return grid


def groups(grid):
    """One cell of each pair of equal neighbours."""
    for row in range(ROWS):
        for column in range(COLUMNS):
            colour = grid[row][column]
            if colour and ((column + 1 < COLUMNS and grid[row][column + 1] == colour) or
                           (row + 1 < ROWS and grid[row + 1][column] == colour)):
                yield row, column


def move(cursor, target, speech):
    """Arrow keys from the cursor to the target cell."""
    (row, column), (to_row, to_column) = cursor, target
    while column != to_column:
        key("Right" if to_column > column else "Left", speech)
        column += 1 if to_column > column else -1
    while row != to_row:
        key("Down" if to_row > row else "Up", speech)
        row += 1 if to_row > row else -1
    return target


def main():
    speech = Speech(LOG)
    app = application()
    table = find(app, lambda a: a.getRoleName() == "table" and a.name == "Spielfeld")
    if table is None:
        sys.exit("no table 'Spielfeld'")
    print(f"{'key':<24} | what Orca said")
    print(f"{'-' * 24} | {'-' * 40}")
    # The cursor starts at the top left; Home and Page Up put it there in any case.
    key("Home", speech)
    key("Prior", speech, "Page Up")
    cursor = (0, 0)
    removals = 0
    while True:
        found = list(groups(board(table)))
        if not found:
            break
        # The nearest group, to keep the walk short.
        target = min(found, key=lambda cell: abs(cell[0] - cursor[0]) + abs(cell[1] - cursor[1]))
        cursor = move(cursor, target, speech)
        key("space", speech, "mark")
        said = key("Return", speech, "remove")
        removals += 1
        if any("Spiel zu Ende" in line for line in said):
            break
        if removals > 200:
            sys.exit("the game does not end")
    # The name entry: a name, then Return files it and, as the box is checked, deals anew.
    for letter in "Orca":
        key(letter, speech)
    key("Return", speech, "file the name")
    key("ctrl+n", speech, "new game")
    key("2", speech, "mode Fortlaufend")
    key("Right", speech)


main()

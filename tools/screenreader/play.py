#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Brimbal authors
#
# Plays Brimbal by keys while Orca runs, and prints what Orca said after each key. speech.sh
# starts everything and runs it; the board is read over AT-SPI only to choose the keys.
#   play.py SPEECH_LOG
# Reads the position (I) and the preview (V), moves one row at a time, marks a group (Space),
# steps onto it, drops the mark (Escape), marks it again and removes it (Return), plays on in
# the same way to the end of the game, files a name, changes the mode in the high score dialog,
# starts new games with Ctrl+N and with the mode key 2, reads the preview there and opens the
# About dialog from the menu. Lines that show a point are tagged "#N"; a summary lists them.
import re
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
        self.heard = []  # every line, for the summary

    def since(self, settle=1.2, longest=6.0):
        """The lines spoken from now until Orca has been quiet for settle seconds."""
        lines, start, last = [], time.monotonic(), time.monotonic()
        while time.monotonic() - start < longest:
            line = self.file.readline()
            if line:
                lines.append(line.rstrip("\n"))
                self.heard.append(lines[-1])
                last = time.monotonic()
            elif time.monotonic() - last >= settle:
                break
            else:
                time.sleep(0.05)
        return lines


# What the run shows, by number; key() files the lines tagged with one of them.
POINTS = {
    1: "one cell per vertical move; the cell on entering the board, then the first arrow",
    2: "'markiert' on a cell of the marked group",
    3: "the group's size and colour on marking",
    4: "the framed cell after a removal, after the points",
    5: "Escape drops the mark",
    6: "the mode and its best in the high score dialog",
    7: "the preview on V",
    8: "the position on I",
    9: "the name entry's name at game over; no role word before announcements",
    10: "the About dialog's text on opening; a link by Tab",
}
shown = {point: [] for point in POINTS}


def key(name, speech, note="", point=None):
    subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)
    said = speech.since()
    label = f"{name} ({note})" if note else name
    if point:
        label = f"#{point} {label}"
    line = f"{label:<32} | " + (" / ".join(said) if said else "(nothing)")
    print(line, flush=True)
    if point:
        shown[point].append(line)
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


def neighbour(grid, cell):
    """The key to a neighbour of the same colour, right or below, and that neighbour."""
    row, column = cell
    if column + 1 < COLUMNS and grid[row][column + 1] == grid[row][column]:
        return "Right", (row, column + 1)
    return "Down", (row + 1, column)


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
    print(f"{'key':<32} | what Orca said")
    print(f"{'-' * 32} | {'-' * 40}")
    # The cursor starts at the top left; Home and Page Up put it there in any case.
    key("Home", speech)
    key("Prior", speech, "Page Up")
    key("i", speech, "position", 8)
    key("v", speech, "preview, mode 1", 7)
    key("Next", speech, "Page Down", 1)
    key("Up", speech, "", 1)
    key("Prior", speech, "Page Up", 1)
    key("Down", speech, "", 1)
    key("Up", speech, "", 1)
    cursor = (0, 0)
    removals = 0
    while True:
        grid = board(table)
        found = list(groups(grid))
        if not found:
            break
        # The nearest group, to keep the walk short.
        target = min(found, key=lambda cell: abs(cell[0] - cursor[0]) + abs(cell[1] - cursor[1]))
        cursor = move(cursor, target, speech)
        if removals == 0:
            # The first group: marked, stepped on, dropped and marked again.
            key("space", speech, "mark", 3)
            step, cursor = neighbour(grid, cursor)
            key(step, speech, "onto the group", 2)
            key("Escape", speech, "drop the mark", 5)
            key("space", speech, "mark")
            said = key("Return", speech, "remove", 4)
        else:
            key("space", speech, "mark")
            said = key("Return", speech, "remove")
        removals += 1
        if any("Spiel zu Ende" in line for line in said):
            shown[9].append(f"{'(game over, above)':<32} | " + " / ".join(said))
            break
        if removals > 200:
            sys.exit("the game does not end")
    # The name entry: a name, then Return files it and, as the box is checked, deals anew.
    for letter in "Orca":
        key(letter, speech)
    key("Return", speech, "file the name")
    # The high score dialog: the mode box has the focus; Escape gives it back to the board.
    key("ctrl+h", speech, "high scores", 6)
    key("Down", speech, "mode box", 6)
    key("Up", speech, "mode box", 6)
    said = key("Escape", speech, "back to the board", 1)
    # Up, or Down from the top row: the cell's name ends in its row, counted from 1.
    row = re.search(r"Zeile (\d+)", " ".join(said))
    arrow = "Up" if row and int(row.group(1)) > 1 else "Down"
    key(arrow, speech, "first arrow", 1)
    key(arrow, speech, "", 1)
    key("ctrl+n", speech, "new game")
    key("2", speech, "mode Fortlaufend")
    key("v", speech, "preview", 7)
    key("Right", speech)
    # Help menu, About (its accelerator "b"; the rules item is disabled), a link by Tab.
    key("alt+h", speech, "menu Hilfe")
    key("b", speech, "About", 10)
    key("Tab", speech, "link", 10)
    key("Tab", speech, "link", 10)
    key("Escape", speech, "close")
    named = sum("Benachrichtigung" in line for line in speech.heard)
    shown[9].append(f"{'(whole run)':<32} | 'Benachrichtigung' heard {named} times")
    print("\nWhat the run shows:")
    for point, title in POINTS.items():
        print(f"{point}. {title}")
        for line in shown[point] or ["(no line)"]:
            print(f"   {line}")


main()

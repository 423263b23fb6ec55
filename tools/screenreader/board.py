#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Brimbal authors
#
# Reads the board as a screen reader gets it over AT-SPI: the table "Spielfeld" with its cells,
# the list "Vorschau", and after the keys that check.sh sends, the marked cells and the focus.
# Usage (check.sh runs it): board.py list | board.py hostile | board.py selected
import sys

import pyatspi

from boardbus import application, find

app = application()
table = find(app, lambda a: a.getRoleName() == "table" and a.name == "Spielfeld")
if table is None:
    sys.exit("no table 'Spielfeld'")
cells = table.queryTable()
if sys.argv[1:] == ["list"]:
    print(f"table {table.name!r}: {cells.nRows} rows, {cells.nColumns} columns, "
          f"{table.childCount} children")
    for row in (0, 5, 10):
        print("  " + " | ".join(cells.getAccessibleAt(row, column).name
                                for column in (0, 1, 10)))
    preview = find(app, lambda a: a.getRoleName() == "list" and a.name == "Vorschau")
    print("list 'Vorschau':", "none" if preview is None else
          [preview.getChildAtIndex(i).name for i in range(preview.childCount)])
elif sys.argv[1:] == ["hostile"]:
    # Questions about cells that do not exist, as any client on the bus may ask them: each gets
    # an empty answer or an error, and the game stays.
    def ask(question):
        try:
            return question()
        except Exception as error:  # the bridge's error reply
            return type(error).__name__
    for row, column in ((11, 0), (0, 11), (-1, 0), (121, 1000)):
        print(f"  ({row}, {column}):", ask(lambda: cells.isSelected(row, column)),
              ask(lambda: cells.getRowExtentAt(row, column)),
              ask(lambda: cells.getColumnExtentAt(row, column)),
              ask(lambda: cells.getAccessibleAt(row, column)))
    for index in (-1, 121, 1000):
        print(f"  [{index}]:", ask(lambda: cells.getRowAtIndex(index)),
              ask(lambda: cells.getRowColumnExtentsAtIndex(index)))
    print("still there:", cells.nRows, "rows")
else:
    selected = [cells.getAccessibleAt(r, c).name
                for r in range(cells.nRows) for c in range(cells.nColumns)
                if cells.isSelected(r, c)]
    focused = [cells.getAccessibleAt(r, c).name
               for r in range(cells.nRows) for c in range(cells.nColumns)
               if cells.getAccessibleAt(r, c).getState().contains(pyatspi.STATE_FOCUSED)]
    print("selected:", selected)
    print("focused:", focused)

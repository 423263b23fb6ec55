# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Brimbal authors
#
# What board.py and play.py share: the game on the accessibility bus, and a search of its tree.
import sys
import time

import pyatspi


def application():
    """The game's application object, waiting up to ten seconds for it to appear."""
    desktop = pyatspi.Registry.getDesktop(0)
    for _ in range(50):
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name.lower() == "brimbal":
                return app
        time.sleep(0.2)
    sys.exit("no application 'brimbal' on the accessibility bus")


def find(root, predicate, depth=0):
    """The first object below root, root included, that the predicate accepts."""
    if root is None or depth > 12:
        return None
    if predicate(root):
        return root
    for i in range(root.childCount):
        found = find(root.getChildAtIndex(i), predicate, depth + 1)
        if found is not None:
            return found
    return None

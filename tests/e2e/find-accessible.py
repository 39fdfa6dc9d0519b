#!/usr/bin/python3
"""Prints the screen rectangle "x y width height" of the first showing accessible element of
process PID whose name starts with PREFIX (is NAME, with "exact"), and whether it is enabled,
or nothing. With "count", prints how many elements are named NAME, showing or not.
Usage: find-accessible.py PID PREFIX [exact|count]"""
import sys

import pyatspi

pid, prefix = int(sys.argv[1]), sys.argv[2]
exact = sys.argv[3:] == ["exact"]
count = sys.argv[3:] == ["count"]


def wanted(node):
    name = node.name or ""
    return (node.getRoleName() != "application"
            and node.getState().contains(pyatspi.STATE_SHOWING)
            and (name == prefix if exact else name.startswith(prefix)))


if count:
    total = 0
    for app in pyatspi.Registry.getDesktop(0):
        try:
            if app.get_process_id() == pid:
                total = len(pyatspi.findAllDescendants(app, lambda n: (n.name or "") == prefix))
        except Exception:
            continue
    print(total)
    sys.exit(0)

for app in pyatspi.Registry.getDesktop(0):
    try:
        node = pyatspi.findDescendant(app, wanted) if app.get_process_id() == pid else None
    except Exception:
        continue
    if node is not None:
        extents = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        enabled = node.getState().contains(pyatspi.STATE_ENABLED)
        print(extents.x, extents.y, extents.width, extents.height,
              "enabled" if enabled else "disabled")
        break

#!/usr/bin/python3
"""Prints the screen rectangle "x y width height" of the first showing accessible element of
process PID whose name starts with PREFIX (is NAME, with "exact"), and whether it is enabled,
or nothing. Usage: find-accessible.py PID PREFIX [exact]"""
import sys

import pyatspi

pid, prefix = int(sys.argv[1]), sys.argv[2]
exact = sys.argv[3:] == ["exact"]


def wanted(node):
    name = node.name or ""
    return (node.getRoleName() != "application"
            and node.getState().contains(pyatspi.STATE_SHOWING)
            and (name == prefix if exact else name.startswith(prefix)))


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

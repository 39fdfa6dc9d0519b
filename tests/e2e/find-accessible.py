#!/usr/bin/python3
"""Prints the screen rectangle "x y width height" of the first showing accessible element of
process PID whose name starts with PREFIX (is NAME, with "exact"), and whether it is enabled,
or nothing. Usage: find-accessible.py PID PREFIX [exact]"""
import sys

import pyatspi


def find(node, prefix, exact, depth=0):
    if node is None or depth > 40:
        return None
    try:
        name = node.name or ""
        showing = node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return None
    if depth > 0 and showing and (name == prefix if exact else name.startswith(prefix)):
        return node
    try:
        children = list(node)
    except Exception:
        return None
    for child in children:
        found = find(child, prefix, exact, depth + 1)
        if found is not None:
            return found
    return None


def main():
    pid, prefix = int(sys.argv[1]), sys.argv[2]
    exact = len(sys.argv) > 3 and sys.argv[3] == "exact"
    for app in pyatspi.Registry.getDesktop(0):
        try:
            if app is None or app.get_process_id() != pid:
                continue
        except Exception:
            continue
        node = find(app, prefix, exact)
        if node is not None:
            extents = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            states = node.getState()
            enabled = states.contains(pyatspi.STATE_ENABLED)
            print(extents.x, extents.y, extents.width, extents.height,
                  "enabled" if enabled else "disabled")
            return


main()

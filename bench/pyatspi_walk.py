#!/usr/bin/python3
"""The same menu walk through pyatspi, for comparison: find the application by pid, find the
menu bar of its active window, and read role, name, states and key binding of every menu
node down to the depth the harvest reads. Usage: pyatspi_walk.py RUNS PID [PID...]"""
import statistics
import sys
import time

import pyatspi

MENU_ROLES = (pyatspi.ROLE_MENU, pyatspi.ROLE_POPUP_MENU, pyatspi.ROLE_MENU_ITEM,
              pyatspi.ROLE_CHECK_MENU_ITEM, pyatspi.ROLE_RADIO_MENU_ITEM)


def find_application(pid):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def find_menu_bar(node, depth=0):
    if depth > 4:
        return None
    for child in node:
        if child is None:
            continue
        if child.getRole() == pyatspi.ROLE_MENU_BAR:
            return child
        found = find_menu_bar(child, depth + 1)
        if found is not None:
            return found
    return None


def walk(node, depth, counter):
    for child in node:
        if child is None:
            continue
        role = child.getRole()
        _ = child.name
        _ = child.getState()
        if role in MENU_ROLES[2:]:
            try:
                child.queryAction().getKeyBinding(0)
            except NotImplementedError:
                pass
        counter[0] += 1
        if role in MENU_ROLES and depth < 6:
            walk(child, depth + 1, counter)


def read(pid):
    app = find_application(pid)
    windows = [w for w in app if w is not None]
    windows.sort(key=lambda w: not w.getState().contains(pyatspi.STATE_ACTIVE))
    for window in windows:
        bar = find_menu_bar(window)
        if bar is not None:
            counter = [0]
            walk(bar, 0, counter)
            return counter[0]
    return 0


def main():
    runs = int(sys.argv[1])
    for pid in map(int, sys.argv[2:]):
        times = []
        nodes = 0
        for _ in range(runs):
            start = time.perf_counter()
            nodes = read(pid)
            times.append((time.perf_counter() - start) * 1000)
        print("pid %d nodes %d median_ms %.2f" % (pid, nodes, statistics.median(times)))


main()

#!/usr/bin/python3
"""What a screen reader hears of Earnmeter, read over AT-SPI as Orca would.

Usage: atspi_check.py main|advanced
Checks the showing window of the running program and prints one PASS or FAIL
line per check; exits 1 when any check fails. Waits up to 10 s for the figures.
"""
import re
import sys
import time

import pyatspi


def showing_frame():
    for app in pyatspi.Registry.getDesktop(0):
        if app is None or app.name != "Earnmeter":
            continue
        for frame in app:
            if frame is not None and frame.getState().contains(pyatspi.STATE_SHOWING):
                return frame
    return None


def controls(frame):
    """Every accessible below the window's client area, menus left out."""
    found = []
    stack = [frame]
    while stack:
        node = stack.pop()
        for child in node:
            if child is None or child.getRoleName() in ("menu bar", "popup menu"):
                continue
            found.append(child)
            stack.append(child)
    return found


def by_description(nodes, description):
    return [n for n in nodes if n.description == description]


def text_of(node):
    try:
        text = node.queryText()
    except NotImplementedError:
        return None
    return text.getText(0, text.characterCount)


def checks(which):
    frame = showing_frame()
    if frame is None:
        return [("a window of the program is showing", False)]
    nodes = controls(frame)
    names = [n.name for n in nodes]
    figures = {d: [n.name for n in by_description(nodes, d)] for d in ("Elapsed time", "Money earned")}
    result = [
        ("the elapsed time is heard as shown, e.g. 00:00:03: %s" % figures["Elapsed time"],
         any(re.fullmatch(r"00:00:0[1-9]", n) for n in figures["Elapsed time"])),
        ("the money earned is heard as shown, e.g. $0.03: %s" % figures["Money earned"],
         any(re.fullmatch(r"\$0\.[0-9][1-9]", n) for n in figures["Money earned"])),
    ]
    if which == "advanced":
        current = [n.name for n in by_description(nodes, "Current hourly wage")]
        combos = [n for n in nodes if n.getRoleName() == "combo box"]
        result += [
            ("the current wage is heard as shown: %s" % current, current == ["36.00"]),
            ("the minimum wage option is heard with its rate", "Minimum Wage  ($6.75)/hr" in names),
            ("the DREAM wage option is heard with its rate", "DREAM Wage  ($45.50)/hr" in names),
            ("the period list is named Pay period: %s" % [c.name for c in combos],
             [c.name for c in combos] == ["Pay period"]),
            ("the period list's text is its current entry: %s" % [text_of(c) for c in combos],
             [text_of(c) for c in combos] == ["Hourly"]),
        ]
    return result


def main():
    which = sys.argv[1] if len(sys.argv) > 1 else "main"
    deadline = time.monotonic() + 10
    while True:
        result = checks(which)
        if all(ok for _, ok in result) or time.monotonic() > deadline:
            break
        time.sleep(0.5)
    for what, ok in result:
        print(("PASS: " if ok else "FAIL: ") + what)
    return 0 if all(ok for _, ok in result) else 1


if __name__ == "__main__":
    sys.exit(main())

"""Reads the running program over the accessibility bus (AT-SPI), as a screen
reader does, and checks that controls are announced as they are drawn. It
knows only what the bus gives a reader: names, roles, places and actions."""
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

MAIN, FICHT = "Velmo V 1.00", "OutBoard Fitch"
# (menu item pressed first, window, control, name heard). The control is the
# window, "frame of X": the frame holding the shown control X (and so on up),
# or "beside X": the label drawn right of the caption X, on its line.
CHECKS = [
    (None, MAIN, "window", MAIN),
    ("Setting", MAIN, "frame of English", "Languaje"),
    (None, MAIN, "frame of COM1", "Port"),
    (None, MAIN, "frame of Celsius", "Celsius, Farenheit"),
    (None, MAIN, "frame of frame of COM1", "Settings"),
    ("Evinrude Fitch", FICHT, "window", FICHT),
    (None, FICHT, "frame of Engine Model", "Vehicle Data"),
    (None, FICHT, "beside Engine Model", "Engine Model"),
    (None, FICHT, "beside Software Ver:", "Software Ver:"),
]


def children(node):
    return [c for c in (node.get_child_at_index(i) for i in range(node.get_child_count())) if c]


def shown(node):
    return node.get_state_set().contains(Atspi.StateType.SHOWING)


def find(node, wanted, hidden_too=False):
    for child in children(node):
        if hidden_too or shown(child):
            found = child if wanted(child) else find(child, wanted, hidden_too)
            if found:
                return found
    return None


def window(app, name):
    return next((w for w in children(app) if w.get_name() == name and shown(w)), None)


def beside(caption):
    at = caption.get_extents(Atspi.CoordType.WINDOW)
    line = at.y + at.height / 2
    right = [(e.x, n) for n in children(caption.get_parent())
             if n.get_role() == Atspi.Role.LABEL and shown(n)
             for e in [n.get_extents(Atspi.CoordType.WINDOW)]
             if e.x >= at.x + at.width - 1 and abs(e.y + e.height / 2 - line) < at.height / 2]
    return min(right, key=lambda r: r[0])[1] if right else None


def heard(app, window_name, control):
    node = window(app, window_name)
    if node and control.startswith("beside "):
        caption = control[len("beside "):]
        node = find(node, lambda n: n.get_role() == Atspi.Role.LABEL and n.get_name() == caption)
        node = node and beside(node)
    elif node and control != "window":
        ups = control.count("frame of ")
        member = control.replace("frame of ", "")
        node = find(node, lambda n: n.get_name() == member)
        for _ in range(ups):
            node = node and node.get_parent()
    return node.get_name() if node else None


def press(app, item):
    leaf = find(window(app, MAIN), lambda n: n.get_role() == Atspi.Role.MENU_ITEM and
                n.get_name() == item and n.get_child_count() == 0, hidden_too=True)
    with warnings.catch_warnings():
        # Its newer name clashes with the accessible's own in these bindings.
        warnings.simplefilter("ignore", DeprecationWarning)
        names = [leaf.get_action_name(i).lower() for i in range(leaf.get_n_actions())]
    leaf.do_action(names.index("press") if "press" in names else 0)


def until(seconds, read, good):
    deadline = time.monotonic() + seconds
    while True:
        got = read()
        if good(got) or time.monotonic() > deadline:
            return got
        time.sleep(0.2)


def main():
    def program():
        apps = [a for a in children(Atspi.get_desktop(0)) if a.get_name() == "tidewell"]
        return apps[0] if apps and window(apps[0], MAIN) else None

    app = until(60, program, bool)
    if not app:
        print("the program did not appear on the accessibility bus")
        return 1
    app.set_cache_mask(Atspi.Cache.NONE)
    failures = 0
    for item, window_name, control, expected in CHECKS:
        if item:
            press(app, item)
        got = until(20, lambda: app.clear_cache() or heard(app, window_name, control),
                    lambda name: name == expected)
        failures += got != expected
        print(f"{'ok' if got == expected else 'FAIL'} {window_name}: {control}: heard {got!r}"
              f", expected {expected!r}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

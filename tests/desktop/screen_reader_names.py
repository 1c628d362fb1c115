"""Reads the running program over the accessibility bus, as a screen reader
does, and checks that each control is announced by what is drawn for it.

The program is found and driven by what the bus gives a reader: window and
control names, roles, places and actions; nothing from inside the program.
Each step presses a menu item (or none), then every check of the step is
read again until it holds or its time runs out.
"""

import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

PROGRAM = "tidewell"
MAIN = "Velmo V 1.00"
FICHT = "OutBoard Fitch"
APPEAR_SECONDS = 60
STEP_SECONDS = 20

# (menu item to press, [(window, what, expected name)]). `what` is
#   ("window",): the window itself;
#   ("holding", name, levels): the frame `levels` above the shown control
#       of that name;
#   ("beside", caption): the label drawn right of the caption, on its line.
STEPS = [
    (None, [(MAIN, ("window",), MAIN)]),
    ("Setting", [
        (MAIN, ("holding", "English", 1), "Languaje"),
        (MAIN, ("holding", "COM1", 1), "Port"),
        (MAIN, ("holding", "Celsius", 1), "Celsius, Farenheit"),
        (MAIN, ("holding", "COM1", 2), "Settings"),
    ]),
    ("Evinrude Fitch", [
        (FICHT, ("window",), FICHT),
        (FICHT, ("holding", "Engine Model", 1), "Vehicle Data"),
        (FICHT, ("holding", "Connect with ECM", 1), FICHT),
        (FICHT, ("beside", "Engine Model"), "Engine Model"),
        (FICHT, ("beside", "Software Ver:"), "Software Ver:"),
    ]),
]


def children(node):
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield child


def showing(node):
    return node.get_state_set().contains(Atspi.StateType.SHOWING)


def find(node, wanted, shown_only=True):
    """Depth first: the first descendant `wanted` accepts."""
    for child in children(node):
        if shown_only and not showing(child):
            continue
        if wanted(child):
            return child
        found = find(child, wanted, shown_only)
        if found is not None:
            return found
    return None


def program():
    desktop = Atspi.get_desktop(0)
    for app in children(desktop):
        if app.get_name() == PROGRAM:
            app.set_cache_mask(Atspi.Cache.NONE)
            return app
    return None


def window(app, name):
    for top in children(app):
        if top.get_name() == name and showing(top):
            return top
    return None


def beside(caption):
    """The label drawn right of the caption whose middle is on its line."""
    place = caption.get_extents(Atspi.CoordType.WINDOW)
    middle = place.y + place.height / 2
    best = None
    for other in children(caption.get_parent()):
        if other.get_role() != Atspi.Role.LABEL or not showing(other):
            continue
        at = other.get_extents(Atspi.CoordType.WINDOW)
        if at.x >= place.x + place.width and abs(at.y + at.height / 2 - middle) < place.height / 2:
            if best is None or at.x < best[0]:
                best = (at.x, other)
    return best[1] if best else None


def heard(app, window_name, what):
    """What a reader hears of `what`, or None while it is not on the screen."""
    top = window(app, window_name)
    if top is None:
        return None
    if what[0] == "window":
        return top.get_name()
    if what[0] == "holding":
        node = find(top, lambda n: n.get_name() == what[1])
        for _ in range(what[2]):
            node = node.get_parent() if node is not None else None
        return node.get_name() if node is not None else None
    caption = find(top, lambda n: n.get_role() == Atspi.Role.LABEL and n.get_name() == what[1])
    label = beside(caption) if caption is not None else None
    return label.get_name() if label is not None else None


def press_menu(app, item):
    """Presses a menu item of the main window as a reader's action does."""
    top = window(app, MAIN)
    leaf = find(top, lambda n: n.get_role() == Atspi.Role.MENU_ITEM and n.get_name() == item
                and n.get_child_count() == 0, shown_only=False)
    if leaf is None:
        raise RuntimeError(f"no menu item {item!r}")
    with warnings.catch_warnings():
        # Its newer name clashes with the accessible's own in these bindings.
        warnings.simplefilter("ignore", DeprecationWarning)
        names = [leaf.get_action_name(i).lower() for i in range(leaf.get_n_actions())]
    leaf.do_action(names.index("press") if "press" in names else 0)


def main():
    deadline = time.monotonic() + APPEAR_SECONDS
    app = program()
    while (app is None or window(app, MAIN) is None) and time.monotonic() < deadline:
        time.sleep(0.5)
        app = program()
    if app is None or window(app, MAIN) is None:
        print(f"{PROGRAM} did not appear on the accessibility bus in {APPEAR_SECONDS} s")
        return 1
    failures = 0
    for item, checks in STEPS:
        if item:
            press_menu(app, item)
        for window_name, what, expected in checks:
            deadline = time.monotonic() + STEP_SECONDS
            while True:
                app.clear_cache()
                got = heard(app, window_name, what)
                if got == expected or time.monotonic() > deadline:
                    break
                time.sleep(0.2)
            verdict = "ok  " if got == expected else "FAIL"
            failures += got != expected
            print(f"{verdict} {window_name}: {what} heard {got!r}, expected {expected!r}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

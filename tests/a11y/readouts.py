#!/usr/bin/python3
"""The program's readouts as a screen reader reads them, through AT-SPI.

  readouts.py wait CAPTION=VALUE...
      Waits until the value next to each caption reads VALUE.
  readouts.py change CAPTION VALUE READY_FILE
      Notes the value next to CAPTION, creates READY_FILE, then waits for the value label to
      announce that its name changed to VALUE.

Prints what it read and exits 0 when it found it, 1 after the timeout.
"""

import sys
import time

import pyatspi
from gi.repository import GLib

APP = "colvexa"
TIMEOUT = 10.0


def pump(seconds):
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def find_app():
    end = time.monotonic() + TIMEOUT
    while time.monotonic() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == APP:
                return app
        pump(0.1)
    sys.exit("no accessible application named " + APP)


def static_texts(node, found):
    try:
        if node.getRole() == pyatspi.ROLE_LABEL:
            box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            found.append((node, node.name, box.x, box.y))
        for child in node:
            if child is not None:
                static_texts(child, found)
    except GLib.GError:
        pass
    return found


def readouts(app):
    """{caption: value label} for the labels that have a label to their right on their row."""
    texts = static_texts(app, [])
    pairs = {}
    for node, name, x, y in texts:
        right = [t for t in texts if t[3] == y and t[2] > x]
        if right:
            pairs[name] = min(right, key=lambda t: t[2])[0]
    return pairs


def show(pairs):
    for caption, label in pairs.items():
        print(f"{caption!r} -> {label.name!r}")


def wait(expected):
    app = find_app()
    end = time.monotonic() + TIMEOUT
    while True:
        pairs = readouts(app)
        if all(c in pairs and pairs[c].name == v for c, v in expected.items()):
            show(pairs)
            return 0
        if time.monotonic() > end:
            show(pairs)
            return 1
        pump(0.1)


def change(caption, value, ready_file):
    app = find_app()
    pairs = readouts(app)
    if caption not in pairs:
        show(pairs)
        return 1
    label = pairs[caption]
    before = label.name
    announced = []

    def on_name(event):
        # Qt's bridge carries no new name in the event: read it as a screen reader does.
        if event.source == label:
            announced.append(event.source.name)

    pyatspi.Registry.registerEventListener(on_name, "object:property-change:accessible-name")
    pump(0.2)
    open(ready_file, "w").close()
    end = time.monotonic() + TIMEOUT
    while value not in announced and time.monotonic() < end:
        pump(0.05)
    print(f"{caption!r} read {before!r}, announced {announced!r}, now {label.name!r}")
    return 0 if value in announced and label.name == value else 1


def main(argv):
    if len(argv) >= 2 and argv[1] == "wait":
        return wait(dict(arg.split("=", 1) for arg in argv[2:]))
    if len(argv) == 5 and argv[1] == "change":
        return change(argv[2], argv[3], argv[4])
    sys.exit(__doc__)


if __name__ == "__main__":
    sys.exit(main(sys.argv))

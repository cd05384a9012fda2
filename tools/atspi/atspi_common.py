"""What the AT-SPI readers of tools/atspi share: finding a node, the program on the bus, its
shown window by caption, and a real mouse click."""
import subprocess
import sys
import time

import pyatspi

def find(node, pred, depth=0):
    if node is None or depth > 40:
        return None
    try:
        if pred(node):
            return node
        for i in range(node.childCount):
            hit = find(node.getChildAtIndex(i), pred, depth + 1)
            if hit is not None:
                return hit
    except Exception:
        return None
    return None

def app():
    desktop = pyatspi.Registry.getDesktop(0)
    for _ in range(100):
        for i in range(desktop.childCount):
            a = desktop.getChildAtIndex(i)
            if a is not None and a.name.lower() == "vantrel":
                return a
        time.sleep(0.1)
    sys.exit("no Vantrel on the bus")

def click(node):  # a real mouse click in the middle of the control's left part
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(box.x + 8), str(box.y + box.height // 2), "click", "1"], check=True)
    time.sleep(0.2)

def window(title):  # the program's dialog with this caption, once it shows
    a = app()
    for _ in range(50):
        win = find(a, lambda n: n.getRole() == pyatspi.ROLE_DIALOG and n.name == title and n.getState().contains(pyatspi.STATE_SHOWING))
        if win:
            return win
        time.sleep(0.1)
    sys.exit("window not shown: " + title)

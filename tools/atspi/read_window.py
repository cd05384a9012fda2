"""Drives the real program from outside and reads what a screen reader reads.

Finds the open window by its caption over AT-SPI, clicks the named colours (one per band,
in band order) with the real mouse, fills edit boxes named by their labels ("label=text"),
clicks «Считать!!!», then prints the result box's text and its accessible description, and
leaves the mouse over the box so that its tooltip shows. Started by readout.sh.
"""
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

title = sys.argv[1]
picks = sys.argv[2:]
a = app()
win = None
for _ in range(50):
    win = find(a, lambda n: n.getRole() == pyatspi.ROLE_DIALOG and n.name == title and n.getState().contains(pyatspi.STATE_SHOWING))
    if win: break
    time.sleep(0.1)
if not win:
    sys.exit("window not shown: " + title)
band = 0
for pick in picks:
    if "=" in pick:  # an edit box named by its label, and the text to put in it
        name, typed = pick.split("=", 1)
        edit = find(win, lambda n: n.getRole() == pyatspi.ROLE_TEXT and n.name == name)
        edit.queryEditableText().setTextContents(typed)
        continue
    band += 1
    group = find(win, lambda n: n.getRole() == pyatspi.ROLE_PANEL and n.name == f"{band}-я полоса")
    radio = find(group, lambda n: n.getRole() == pyatspi.ROLE_RADIO_BUTTON and n.name == pick)
    click(radio)
button = find(win, lambda n: n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name == "Считать!!!")
click(button)
time.sleep(0.3)
box = find(win, lambda n: n.name == "Результат")
text = box.queryText()
print("line:", text.getText(0, -1))
print("description:", box.description.replace("\n", " / "))
extents = box.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
subprocess.run(["xdotool", "mousemove", str(extents.x + extents.width // 3),
                str(extents.y + extents.height // 2)], check=True)

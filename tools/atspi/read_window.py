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

from atspi_common import click, find, window

title = sys.argv[1]
picks = sys.argv[2:]
win = window(title)
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

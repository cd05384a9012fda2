"""Reads «Что за маркировка?» of the real program from outside, as a screen reader does.

Finds the window by its caption over AT-SPI, types each text given into its box with the real
keyboard (xdotool), and prints what the screen reader finds: the box's name, every row of the
readings list, the markings list's name and rows, and the nearest standard values where shown.
With "pick=N" it clicks row N of the nearest values first. Started by readout.sh with
READER=read_any_marking.py.
"""
import subprocess
import sys
import time

import pyatspi

from atspi_common import click, find, window

def rows(node):
    return [node.getChildAtIndex(i).name for i in range(node.childCount)]

def named_list(win, name):
    return find(win, lambda n: n.getRole() == pyatspi.ROLE_LIST and n.name.startswith(name))

win = window(sys.argv[1])
edit = find(win, lambda n: n.getRole() == pyatspi.ROLE_TEXT)
print("box:", edit.name)
for text in sys.argv[2:]:
    if text.startswith("pick="):
        nearest = named_list(win, "Ближайшие")
        click(nearest.getChildAtIndex(int(text[5:])))
    else:
        edit.queryEditableText().setTextContents("")
        subprocess.run(["xdotool", "type", "--delay", "40", text], check=True)
        print("typed:", text)
    time.sleep(0.5)
    print("  readings:", " | ".join(rows(named_list(win, "Прочтения"))))
    markings = named_list(win, "Так маркируют") or named_list(win, "Маркировки")
    print("  " + markings.name, " | ".join(rows(markings)))
    nearest = named_list(win, "Ближайшие")
    if nearest.getState().contains(pyatspi.STATE_SHOWING):
        print("  " + nearest.name + ":", " | ".join(rows(nearest)))

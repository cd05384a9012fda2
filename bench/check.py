#!/usr/bin/env python3
"""Vantrel's parts-list benchmark: a 100 000-line list checked with no window.

Builds the program in Release mode and prints the medians and whether each target is met:
  a 100 000-line KiCad list, --check, on one core          < 1,5 s
  the same with --json                                     < 2 s
  its sorting sheet, --sheet -o FILE.pdf                   < 2 s
Every JSON line is parsed, and the lines with findings counted; the sheet's pages counted.
Usage: bench/check.py
"""
import json
import os
import random
import statistics
import sys
import tempfile

import run  # the start-up benchmark beside this one, for its Release build
from markings import report, timed

COUNT = 100_000


def parts_list():
    """A list as kicad-cli writes it: resistors, capacitors and inductors with footprints and
    part numbers, some of them wrong, with DNP lines and parts that are no passives."""
    rng = random.Random(2039)
    e24 = [10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30, 33, 36, 39, 43, 47, 51, 56, 62, 68, 75,
           82, 91]
    sizes = [("0402", "1005"), ("0603", "1608"), ("0805", "2012"), ("1206", "3216")]
    rows = ['"Reference","Value","Footprint","Qty","DNP","MPN"']
    for line in range(1, COUNT + 1):
        inch, metric = rng.choice(sizes)
        figures = rng.choice(e24) if rng.random() > 0.05 else rng.randint(10, 99)
        kind = rng.random()
        mpn, dnp = "", "DNP" if rng.random() < 0.03 else ""
        if kind < 0.5:
            value = f"{figures // 10}k{figures % 10}" if figures % 10 else f"{figures // 10}k"
            footprint = f"Resistor_SMD:R_{inch}_{metric}Metric"
            if rng.random() < 0.3:
                mpn = f"RC{rng.choice(sizes)[0]}FR-07{figures // 10}K{figures % 10}L"
        elif kind < 0.85:
            value = f"{figures}nF {rng.choice(['16V', '50V', '25V X7R'])}"
            footprint = f"Capacitor_SMD:C_{inch}_{metric}Metric"
            if rng.random() < 0.3:
                mpn = f"GRM188R71H{figures}{rng.choice('1234')}KA93D"
        elif kind < 0.95:
            value = f"{figures}uH"
            footprint = f"Inductor_SMD:L_{inch}_{metric}Metric"
        else:
            value, footprint = "LM358", "Package_SO:SOIC-8_3.9x4.9mm_P1.27mm"
        prefix = "R" if kind < 0.5 else "C" if kind < 0.85 else "L" if kind < 0.95 else "U"
        rows.append(f'"{prefix}{line}","{value}","{footprint}","1","{dnp}","{mpn}"')
    return "\r\n".join(rows) + "\r\n"


def main():
    run.build(["vantrel"])
    vantrel = os.path.join(run.BUILD, "vantrel")
    with tempfile.NamedTemporaryFile("w", suffix=".csv") as bom, \
            tempfile.TemporaryDirectory() as folder:
        bom.write(parts_list())
        bom.flush()
        sheet = os.path.join(folder, "sheet.pdf")
        results = {}
        for name, extra in [("json", ["--check", bom.name, "--json"]),
                            ("text", ["--check", bom.name]),
                            ("sheet", ["--sheet", bom.name, "-o", sheet])]:
            times = []
            for _ in range(5):
                seconds, result = timed(["taskset", "-c", "0", vantrel] + extra)
                if result.returncode not in (0, 1):
                    sys.exit(f"{name} ended with {result.returncode}: {result.stderr.decode()}")
                times.append(seconds)
            results[name] = (statistics.median(times), result.stdout.decode())
        with open(sheet, "rb") as pdf:
            pages = pdf.read().count(b"/Type /Page\n")
    lines = results["json"][1].splitlines()
    if len(lines) != COUNT:
        sys.exit(f"{len(lines)} JSON lines for {COUNT} lines of the list")
    found = sum(1 for line in lines if json.loads(line)["findings"])
    json_s, text_s, sheet_s = (results[name][0] for name in ("json", "text", "sheet"))
    print(f"{found} of {COUNT} lines with findings, a sheet of {pages} pages; "
          "5 runs of each on core 0; medians")
    return report([
        (f"{COUNT} lines, --check", f"{text_s:.3f} s", text_s < 1.5, "< 1,5 s"),
        (f"{COUNT} lines, --check --json", f"{json_s:.3f} s", json_s < 2.0, "< 2 s"),
        (f"{COUNT} lines, --sheet", f"{sheet_s:.3f} s", sheet_s < 2.0, "< 2 s"),
    ])

if __name__ == "__main__":
    sys.exit(main())

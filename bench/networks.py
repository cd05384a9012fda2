#!/usr/bin/env python3
"""Vantrel's search benchmark: the best networks of standard parts on the command line.

Builds the program in Release mode and times, pair by pair against `vantrel --version`, an
exhaustive search of networks of up to three parts for targets that no series holds, then
prints the medians of the differences, which are the search's own time, and whether each
target is met:
  --combine over E96, 673 values from 1 Ом to 10 МОм         < 50 ms over --version
  --combine over E192, 1345 values                            < 200 ms over --version
  --divider over E192, a pair and one side of two parts       (measured, no target)
Every answer is parsed as JSON and must end with its best single part.
Usage: bench/networks.py [--runs N]
"""
import argparse
import json
import os
import statistics
import subprocess
import sys
import time

import run  # the start-up benchmark beside this one, for its Release build

# Values none of the series holds, spread over the decades: the search is as long for any.
TARGETS = ["4k321", "1.2345", "67.89k", "3,1416 МОм", "271.8", "5.55", "12345", "999k"]


def timed(command):
    start = time.monotonic()
    result = subprocess.run(command, capture_output=True, check=True)
    return time.monotonic() - start, result


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--runs", type=int, default=25, help="launches of each command")
    args = parser.parse_args()
    run.build(["vantrel"])
    vantrel = os.path.join(run.BUILD, "vantrel")
    cases = [
        ("--combine, E96", ["--series", "E96"], 0.050),
        ("--combine, E192", ["--series", "E192"], 0.200),
    ]
    for _ in range(3):  # warm the page cache
        timed([vantrel, "--version"])
    rows = []
    for name, options, limit in cases:
        over = []
        for run_index in range(args.runs):
            target = TARGETS[run_index % len(TARGETS)]
            seconds, result = timed([vantrel, "--json", "--combine", target] + options)
            networks = json.loads(result.stdout)["networks"]
            if not networks or networks[-1]["shape"] != "a":
                sys.exit(f"{target}: {result.stdout.decode()}")
            over.append(seconds - timed([vantrel, "--version"])[0])
        rows.append((name, statistics.median(over), limit))
    divider = []
    for run_index in range(args.runs):
        seconds, result = timed([vantrel, "--json", "--divider", "5", f"1.{run_index + 11}",
                                 "--series", "E192"])
        json.loads(result.stdout)
        divider.append(seconds - timed([vantrel, "--version"])[0])
    rows.append(("--divider, E192", statistics.median(divider), None))

    print(f"{args.runs} interleaved pairs of launches against --version; medians of the "
          "differences")
    passed = True
    for name, seconds, limit in rows:
        ok = limit is None or seconds < limit
        passed &= ok
        target = f"< {limit * 1000:.0f} ms" if limit else ""
        verdict = ("PASS" if ok else "FAIL") if limit else ""
        print(f"{name:24}{seconds * 1000:>10.1f} ms{target:>10}  {verdict}")
    print("every target met" if passed else "a target was missed")
    return 0 if passed else 1


if __name__ == "__main__":
    sys.exit(main())

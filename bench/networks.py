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
import sys

import run  # the start-up benchmark beside this one, for its Release build
from markings import report, timed  # the table of figures; a launch's time and result

# Values none of the series holds, spread over the decades: the search is as long for any.
TARGETS = ["4k321", "1.2345", "67.89k", "3,1416 МОм", "271.8", "5.55", "12345", "999k"]


def answered(command):
    """A launch that must answer: its wall time and its JSON."""
    seconds, result = timed(command)
    if result.returncode != 0:
        sys.exit(f"{' '.join(command)}: exit code {result.returncode}\n{result.stderr.decode()}")
    return seconds, json.loads(result.stdout)


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
            seconds, answer = answered([vantrel, "--json", "--combine", target] + options)
            networks = answer["networks"]
            if not networks or networks[-1]["shape"] != "a":
                sys.exit(f"{target}: {answer}")
            over.append(seconds - timed([vantrel, "--version"])[0])
        rows.append((name, statistics.median(over), limit))
    divider = []
    for run_index in range(args.runs):
        seconds, _ = answered([vantrel, "--json", "--divider", "5", f"1.{run_index + 11}",
                               "--series", "E192"])
        divider.append(seconds - timed([vantrel, "--version"])[0])
    rows.append(("--divider, E192", statistics.median(divider), None))

    print(f"{args.runs} interleaved pairs of launches against --version; medians of the "
          "differences")
    return report([(name, f"{seconds * 1000:.1f} ms", limit is None or seconds < limit,
                    f"< {limit * 1000:.0f} ms" if limit else "")
                   for name, seconds, limit in rows])


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""Vantrel's command-line benchmark: markings read with no window.

Builds the program in Release mode and prints the medians and whether each target is met:
  100 000 markings of mixed forms from standard input, --json, on one core   < 1 s
  one marking on the command line, start to exit                 <= 1.2 x `vantrel --version`
Every output line of the first is parsed as JSON and counted.
Usage: bench/markings.py [--runs N]
"""
import argparse
import json
import os
import random
import statistics
import subprocess
import sys
import tempfile
import time

import run  # the start-up benchmark beside this one, for its Release build

COUNT = 100_000


def markings():
    """A parts list of every form, with the digits varied, some of it no marking at all."""
    rng = random.Random(2026)
    colours = ["чёрн", "кор", "красн", "оранж", "жёлт", "зел", "гол", "фиол", "сер", "бел",
               "серебр", "золот", "brown", "black", "red", "Оранжевый", "Золотой"]
    digits = lambda n: "".join(rng.choice("0123456789") for _ in range(n))
    forms = [
        lambda: digits(3), lambda: digits(4), lambda: digits(2) + rng.choice("ZYXABCDEFRSH"),
        lambda: f"{digits(1)}R{digits(1)}", lambda: f"{digits(1)}K{digits(1)}{rng.choice('FGJKM')}",
        lambda: " ".join(rng.choice(colours) for _ in range(rng.randint(3, 6))),
        lambda: f"{digits(1)}n{digits(1)}", lambda: f"{digits(2)}nF", lambda: f"0.{digits(2)}",
        lambda: f"2A{digits(3)}J", lambda: f"{digits(3)}K250V", lambda: f"{digits(2)}uF {digits(2)}V",
        lambda: f"{digits(3)}мкФ 35В", lambda: f"{digits(1)},{digits(1)} кОм ±5 %",
        lambda: f"{digits(2)}N", lambda: f"{digits(2)}uH", lambda: "hello", lambda: digits(7),
    ]
    return "".join(rng.choice(forms)() + "\n" for _ in range(COUNT))


def timed(command, stdin=None):
    start = time.monotonic()
    result = subprocess.run(command, stdin=stdin, capture_output=True)
    return time.monotonic() - start, result


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--runs", type=int, default=41, help="launches of each command")
    args = parser.parse_args()
    run.build(["vantrel"])
    vantrel = os.path.join(run.BUILD, "vantrel")
    one_core = ["taskset", "-c", "0"]
    with tempfile.TemporaryFile("w+") as parts_list:
        parts_list.write(markings())
        parts_list.flush()
        bulk = []
        for _ in range(5):
            parts_list.seek(0)
            seconds, result = timed(one_core + [vantrel, "--json", "-"], stdin=parts_list)
            bulk.append(seconds)
    lines = result.stdout.decode().splitlines()
    read = sum(1 for line in lines if json.loads(line)["readings"])
    if len(lines) != COUNT:
        sys.exit(f"{len(lines)} JSON lines for {COUNT} markings")

    one, version = [], []
    for _ in range(3):  # warm the page cache
        timed([vantrel, "472"])
        timed([vantrel, "--version"])
    for _ in range(args.runs):
        one.append(timed([vantrel, "472"])[0])
        version.append(timed([vantrel, "--version"])[0])
    ratio = statistics.median(a / b for a, b in zip(one, version))

    bulk_s = statistics.median(bulk)
    rows = [
        (f"{COUNT} markings, --json", f"{bulk_s:.3f} s", bulk_s < 1.0, "< 1 s"),
        ("vantrel 472", f"{statistics.median(one) * 1000:.1f} ms", True, ""),
        ("vantrel --version", f"{statistics.median(version) * 1000:.1f} ms", True, ""),
        ("ratio, pair by pair", f"{ratio:.3f}", ratio <= 1.2, "<= 1.2"),
    ]
    print(f"{read} of {COUNT} markings read; 5 runs of the parts list on core 0, "
          f"{args.runs} interleaved pairs of single launches; medians")
    return report(rows)


def report(rows):
    """Prints each (name, value, met, target) row, a verdict where it has a target, and the
    exit code: 0 when every target is met."""
    passed = True
    for name, value, ok, target in rows:
        passed &= ok
        verdict = ("PASS" if ok else "FAIL") if target else ""
        print(f"{name:28}{value:>12}{target:>9}  {verdict}")
    print("every target met" if passed else "a target was missed")
    return 0 if passed else 1


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""Vantrel's command-line benchmark: markings read with no window.

Builds the program in Release mode and prints the medians and whether each target is met:
  100 000 markings of mixed forms from standard input, --json, on one core   < 1 s
  100 000 whole parts-list lines, a value and its facts in any order, the same way  < 1.5 s
  one marking on the command line, start to exit                 <= 1.2 x `vantrel --version`
Every output line of the first two is parsed as JSON and counted.
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


def part_lines():
    """Parts-list lines: a value and facts in any order and separation, some of them refused
    (an unknown word, a fact twice, a semiconductor)."""
    rng = random.Random(2037)
    digits = lambda n: "".join(rng.choice("123456789") for _ in range(n))
    kinds = [
        (lambda: f"{digits(2)}k", ["1%", "5%", "±1 %", "0603", "0805", "1206", "1/4W", "0,125Вт",
                                   "200V", "SMD", "чип"]),
        (lambda: f"{digits(2)}nF", ["10%", "50V", "16 В", "X7R", "C0G", "0402", "1608M", "ceramic",
                                    "2KV"]),
        (lambda: f"{digits(3)}uF", ["25V", "105°C", "85C", "20%", "electrolytic", "63VDC"]),
        (lambda: f"{digits(1)},{digits(1)} мкГн", ["1,5 А", "300mA", "20%", "1210", "SMD"]),
        (lambda: f"{digits(3)}", ["1kV", "X7R", "5%", "0603"]),
    ]
    odd = ["DNP", "trimmer", "1N4148", "BC547B", "2SC1815"]
    lines = []
    for _ in range(COUNT):
        value, facts = rng.choice(kinds)
        words = [value()] + rng.sample(facts, rng.randint(1, min(4, len(facts))))
        if rng.random() < 0.1:
            words.append(rng.choice(odd))
        rng.shuffle(words)
        lines.append(rng.choice([" ", ", ", "_", " / ", ";"]).join(words))
    return "".join(line + "\n" for line in lines)


def bulk_json(vantrel, text):
    """Five runs of the text through `vantrel --json -` on one core: the median time, and how
    many of its lines have a reading."""
    with tempfile.TemporaryFile("w+") as parts_list:
        parts_list.write(text)
        parts_list.flush()
        bulk = []
        for _ in range(5):
            parts_list.seek(0)
            seconds, result = timed(["taskset", "-c", "0", vantrel, "--json", "-"],
                                    stdin=parts_list)
            bulk.append(seconds)
    lines = result.stdout.decode().splitlines()
    if len(lines) != COUNT:
        sys.exit(f"{len(lines)} JSON lines for {COUNT} lines of input")
    return statistics.median(bulk), sum(1 for line in lines if json.loads(line)["readings"])


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
    bulk_s, read = bulk_json(vantrel, markings())
    lines_s, lines_read = bulk_json(vantrel, part_lines())

    one, version = [], []
    for _ in range(3):  # warm the page cache
        timed([vantrel, "472"])
        timed([vantrel, "--version"])
    for _ in range(args.runs):
        one.append(timed([vantrel, "472"])[0])
        version.append(timed([vantrel, "--version"])[0])
    ratio = statistics.median(a / b for a, b in zip(one, version))

    rows = [
        (f"{COUNT} markings, --json", f"{bulk_s:.3f} s", bulk_s < 1.0, "< 1 s"),
        (f"{COUNT} lines, --json", f"{lines_s:.3f} s", lines_s < 1.5, "< 1.5 s"),
        ("vantrel 472", f"{statistics.median(one) * 1000:.1f} ms", True, ""),
        ("vantrel --version", f"{statistics.median(version) * 1000:.1f} ms", True, ""),
        ("ratio, pair by pair", f"{ratio:.3f}", ratio <= 1.2, "<= 1.2"),
    ]
    print(f"{read} of {COUNT} markings and {lines_read} of {COUNT} lines read; "
          f"5 runs of each list on core 0, "
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

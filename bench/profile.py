#!/usr/bin/env python3
"""Where Vantrel's start-up spends processor time that the bare Qt window does not.

Launches the two programs of bench/run.py in turns, N times each, under one `perf record`
(Debian package linux-perf) in a private Xvfb, each launch quitting at its first paint (so its
samples include quitting), and prints the samples of each program's main thread per library,
in milliseconds per launch, side by side, the largest differences first; then those of the
other threads and the processes they started. perf's own sampling slows the programs down:
read the differences, not the sums.
Usage: bench/profile.py [--launches N]
"""
import argparse
import collections
import os
import shutil
import subprocess
import sys
import tempfile

import run

FREQUENCY = 20000  # samples a second


def profile(programs, launches, env, folder):
    """Samples per (program, thread, library) over all launches, the programs launched in
    turns under one perf record, so that the machine's drift falls on both alike."""
    data = os.path.join(folder, "start-up.data")
    loop = "; ".join(f'"{program}" >/dev/null 2>&1' for program in programs)
    subprocess.run(["perf", "record", "-q", "-F", str(FREQUENCY), "-o", data, "--", "sh", "-c",
                    f"for i in $(seq {launches}); do {loop}; done"], env=env, check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    script = subprocess.run(["perf", "script", "-i", data, "-F", "comm,pid,tid,ip,dso"],
                            check=True, capture_output=True, text=True).stdout
    names = {os.path.basename(program)[:15]: program for program in programs}  # 15: the kernel's
    samples, current = collections.Counter(), None
    for line in script.splitlines():
        words = line.split()
        if len(words) < 4 or "/" not in words[-3]:
            continue
        comm, (pid, tid), dso = " ".join(words[:-3]), words[-3].split("/"), words[-1].strip("()")
        if comm in names and pid == tid:  # a program's main thread: its launch has begun
            current = names[comm]
            samples[(current, "main thread", os.path.basename(dso))] += 1
        elif current and comm not in ("sh", "seq"):  # the launch's other threads and children
            samples[(current, comm, os.path.basename(dso))] += 1
    return samples


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--launches", type=int, default=50)
    args = parser.parse_args()
    for tool in ("perf", "Xvfb"):
        if not shutil.which(tool):
            sys.exit(f"{tool} is needed: apt-get install linux-perf xvfb")
    run.build(("vantrel_first_paint", "bench_bare_qt"))
    server, display = run.start_xvfb()
    run.park_pointer(display)
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb")
    env.pop("WAYLAND_DISPLAY", None)
    env.pop("DBUS_SESSION_BUS_ADDRESS", None)
    vantrel = os.path.join(run.BUILD, "vantrel_first_paint")
    bare = os.path.join(run.BUILD, "bench_bare_qt")
    try:
        with tempfile.TemporaryDirectory() as folder:
            samples = profile((bare, vantrel), args.launches, env, folder)
    finally:
        server.terminate()
        server.wait()
    ours = collections.Counter({key[1:]: n for key, n in samples.items() if key[0] == vantrel})
    theirs = collections.Counter({key[1:]: n for key, n in samples.items() if key[0] == bare})

    def ms(count):
        return count * 1000.0 / FREQUENCY / args.launches

    print(f"processor time per launch to the first paint, {args.launches} launches each")
    print(f"{'':44}{'Vantrel':>10}{'bare Qt':>10}{'more':>9}")
    for title, wanted in (("main thread", lambda t: t == "main thread"),
                          ("other threads and processes", lambda t: t != "main thread")):
        keys = [key for key in set(ours) | set(theirs) if wanted(key[0])]
        total = sum(ours[key] for key in keys), sum(theirs[key] for key in keys)
        print(f"{title:44}{ms(total[0]):>7.2f} ms{ms(total[1]):>7.2f} ms"
              f"{ms(total[0] - total[1]):>+6.2f} ms")
        for key in sorted(keys, key=lambda k: -abs(ours[k] - theirs[k]))[:12]:
            name = key[1] if key[0] == "main thread" else f"{key[0]}: {key[1]}"
            print(f"  {name[:42]:42}{ms(ours[key]):>7.2f} ms{ms(theirs[key]):>7.2f} ms"
                  f"{ms(ours[key] - theirs[key]):>+6.2f} ms")


if __name__ == "__main__":
    sys.exit(main())

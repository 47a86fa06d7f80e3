#!/usr/bin/env python3
"""Designs a second of zorvan.sweep and of zorvan-cli sweep over the same
100,000 W12 designs (100 vee angles x 1000 L/R ratios) with every figure,
on every core; the best of a few runs each.

    PYTHONPATH=build/python python3 bench/python_sweep_bench.py [build/zorvan-cli]
"""
import subprocess
import sys
import time

import zorvan

VARY = {"VeeAngle": (60, 159, 1), "LRRatio": (3, 3.999, 0.001)}
RUNS = 3


def best(run):
    times = []
    for _ in range(RUNS):
        start = time.perf_counter()
        designs = run()
        times.append(time.perf_counter() - start)
    return designs / min(times)


def module():
    study = zorvan.sweep(zorvan.Design.preset(6), vary=VARY)
    assert not any(study["error"])
    return len(study["error"])


def command_line(cli):
    args = [a for name, (f, t, s) in VARY.items() for a in ("--vary", f"{name}={f}:{t}:{s}")]
    with open("/dev/null", "wb") as nowhere:
        subprocess.run([cli, "sweep", "--preset", "6", *args], stdout=nowhere, check=True)
    return 100_000


if __name__ == "__main__":
    cli = sys.argv[1] if len(sys.argv) > 1 else "build/zorvan-cli"
    print(f"zorvan.sweep      {best(module):9.0f} designs/s")
    print(f"zorvan-cli sweep  {best(lambda: command_line(cli)):9.0f} designs/s")

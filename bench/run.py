#!/usr/bin/env python3
"""Builds the benchmarks and prints one table of figures, each against its floor.

Runs offscreen on a 1024 x 768 screen; start-up runs are interleaved (game,
bare Qt program, game, ...) and their medians compared.
"""
import os
import statistics
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.path.join(ROOT, "build", "release")
SCREEN = os.path.join(ROOT, "tests", "support", "schermo.json")
RUNS = int(os.environ.get("BENCH_RUNS", "15"))


def run(name):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen:configfile=" + SCREEN,
               BENCH_T0=str(time.monotonic_ns()))
    out = subprocess.run([os.path.join(BUILD, "bench", "bench_" + name)], env=env,
                         check=True, capture_output=True, text=True).stdout
    return [float(x) for x in out.split()]


def main():
    subprocess.run(["cmake", "--preset", "release"], cwd=ROOT, check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", "--preset", "release", "--target", "benchmarks", "-j2"],
                   cwd=ROOT, check=True, stdout=subprocess.DEVNULL)
    game, bare = [], []
    for _ in range(RUNS):
        game.append(run("avvio_tesselo"))
        bare.append(run("avvio_nudo"))
    rows = []
    for col, label, unit in ((0, "start-up to first paint", "ms"), (1, "start-up peak memory", "KiB")):
        g = statistics.median(r[col] for r in game)
        b = statistics.median(r[col] for r in bare)
        rows.append((label, g, b, unit))
    resize, direct, _ = run("resize_menu")
    rows.append(("ResizeControls on the menu", resize, direct, "us"))

    print(f"{'benchmark':32} {'program':>12} {'floor':>12} {'ratio':>7}")
    for label, g, b, unit in rows:
        print(f"{label:32} {g:>9.1f} {unit:<2} {b:>9.1f} {unit:<2} {g / b:>7.2f}")
    print(f"(medians of {RUNS} interleaved runs; floor = bare Qt program / direct setGeometry)")


if __name__ == "__main__":
    sys.exit(main())

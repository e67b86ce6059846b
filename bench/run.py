#!/usr/bin/env python3
"""Builds the benchmarks, runs them all and prints one table, each figure
against its floor.

Everything runs offscreen on the 1024 x 768 screen the tests use.
  start-up   the program as built and a bare Qt program (one full-screen
             window, three JPEG pictures), run alternately; a probe preloaded
             into both reports the first paint and the peak memory
  screens    each game opened from its menu button and each kind of new turn,
             click to end of paint, against decoding the same JPEG files with
             QImageReader alone
  resize     ResizeControls on the screen with the most controls, and whole
             window resizes, against setting the same geometries directly
  memory     the menu and each game visited in turn; resident memory at the
             end against after 100 visits
Figures are medians of interleaved runs.

  bench/run.py [--runs N] [--rounds N] [--visits N] [--skip-memory]

On a busy machine, BENCH_CPU=1 times the screens by the CPU time of the
process instead of the clock: steadier for comparing two versions.
"""
import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.path.join(ROOT, "build", "release")
SCREEN = os.path.join(ROOT, "tests", "support", "schermo.json")

# The ratio each figure should stay within, and the absolute limit of a turn.
TARGETS = {"start-up": 1.25, "open": 1.3, "turn": 1.3, "ResizeControls": 2.0, "memory": 1.05}
TURN_LIMIT_MS = 16.0


def environment(runtime):
    return dict(os.environ, QT_QPA_PLATFORM="offscreen:configfile=" + SCREEN, XDG_RUNTIME_DIR=runtime)


def start_up(executable, env):
    """Milliseconds from process start to first paint, and peak KiB."""
    env = dict(env, LD_PRELOAD=os.path.join(BUILD, "bench", "libbench_sonda.so"),
               BENCH_T0=str(time.monotonic_ns()))
    out = subprocess.run([executable], env=env, check=True, capture_output=True, text=True).stdout
    ms, kib = out.split()[-2:]
    return float(ms), float(kib)


def rows_of(name, env, extra_env=None):
    """The lines a benchmark prints: label, program, floor, unit, ratio."""
    out = subprocess.run([os.path.join(BUILD, "bench", "bench_" + name)], env=dict(env, **(extra_env or {})),
                         check=True, capture_output=True, text=True).stdout
    rows = []
    for line in out.splitlines():
        label, program, floor, unit, _ = line.split("\t")
        rows.append((label, float(program), float(floor), unit))
    return rows


def target_of(label):
    if label.startswith("start-up"):
        return TARGETS["start-up"]
    if label.startswith("open "):
        return TARGETS["open"]
    if label.startswith("ResizeControls"):
        return TARGETS["ResizeControls"]
    if label.startswith("resident memory"):
        return TARGETS["memory"]
    if ":" in label:
        return TARGETS["turn"]
    return None


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--runs", type=int, default=int(os.environ.get("BENCH_RUNS", "21")),
                        help="start-up runs of each program (default 21)")
    parser.add_argument("--rounds", type=int, default=15, help="openings of each game (default 15)")
    parser.add_argument("--visits", type=int, default=10000, help="visits in the memory benchmark")
    parser.add_argument("--skip-memory", action="store_true")
    args = parser.parse_args()

    subprocess.run(["cmake", "--preset", "release"], cwd=ROOT, check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", "--preset", "release", "--target", "benchmarks", "-j2"],
                   cwd=ROOT, check=True, stdout=subprocess.DEVNULL)

    with tempfile.TemporaryDirectory() as runtime:
        env = environment(runtime)
        program = os.path.join(BUILD, "tesselo", "tesselo")
        bare = os.path.join(BUILD, "bench", "bench_avvio_nudo")
        start_up(program, env), start_up(bare, env)  # one warm-up run each, not counted
        game_runs, bare_runs = [], []
        for _ in range(args.runs):
            game_runs.append(start_up(program, env))
            bare_runs.append(start_up(bare, env))
        rows = []
        for col, label, unit in ((0, "start-up to first paint", "ms"), (1, "start-up peak memory", "KiB")):
            rows.append((label, statistics.median(r[col] for r in game_runs),
                         statistics.median(r[col] for r in bare_runs), unit))
        rows += rows_of("schermi", env, {"BENCH_GIRI": str(args.rounds)})
        rows += rows_of("resize", env)
        if not args.skip_memory:
            rows += rows_of("memoria", env, {"BENCH_VISITE": str(args.visits)})

    width = max(len(r[0]) for r in rows)
    print(f"{'benchmark':{width}} {'program':>12} {'floor':>12} {'ratio':>6} {'target':>7}")
    for label, program_value, floor_value, unit in rows:
        ratio = program_value / floor_value
        target = target_of(label)
        mark = ""
        if target is not None:
            mark = f"{'<=' + format(target, '.2f'):>7}" + ("" if ratio <= target else " !")
        if ":" in label and unit == "ms" and program_value > TURN_LIMIT_MS:
            mark += f" (> {TURN_LIMIT_MS:.0f} ms)"
        print(f"{label:{width}} {program_value:>9.1f} {unit:<2} {floor_value:>9.1f} {unit:<2} {ratio:>6.2f} {mark}")
    print(f"(start-up: medians of {args.runs} interleaved runs; screens: medians of {args.rounds} rounds, "
          "each step followed by its floor; floors: bare Qt program, QImageReader alone, direct setGeometry, "
          "memory after 100 visits)")


if __name__ == "__main__":
    sys.exit(main())

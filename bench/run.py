#!/usr/bin/env python3
"""Builds the benchmarks, runs them all and prints one table, each figure
against its floor.

Everything runs offscreen on the 1024 x 768 screen the tests use.
  start-up   the program as built and a bare Qt program (one full-screen
             window, three JPEG pictures), run alternately; a probe preloaded
             into both reports the first paint and the peak memory over the
             first second after it
  pace       "trova il blocco" opened from a start with nothing decoded, the
             child looking at each screen for 0.15 s and for 1 s
  screens    each game opened from its menu button and each kind of new turn,
             click to end of paint, against decoding the same JPEG files with
             QImageReader alone
  resize     ResizeControls on the screen with the most controls, and whole
             window resizes, against setting the same geometries directly
  memory     the menu and each game visited in turn; resident memory after
             20 visits of every game against the menu, and at the end against
             after 100 visits
  register  the class register over a generated school year (bench_registro):
             file size, the class at a glance against the same query in the
             sqlite3 program, one child's record, and the game's cost of
             recording an answer; then 10,000 queued answers sent to a
             PostgreSQL server of its own (bench_invio), and the class at a
             glance of the same school year on that server against the same
             statement in psql (bench_registro_server)
  large register  registers of 54,000 to 4 million answers (bench_registro_grande):
             the game's click on the start screen to "Chi gioca?", the
             teachers' program's first paint and the longest its window does
             not answer while its figures arrive, each against an empty
             register in the same run, and the class at a glance against
             sqlite3
  paths      what a learning path costs a turn against the same turn without
             one (bench_percorsi): each game's turn drawn with two attributes
             in play against all four, a right answer counted for its step
             with its stars, and the menu opened with the path's marks
  school     a school of 40 classes of 30 children on a PostgreSQL server of its
             own, 21.6 million answers of one school year (bench_scuola, about
             half an hour): one class at a glance as its teacher under 1 s,
             within 2 x of the same statement in psql, and row-level security
             at most 1.2 x the tables' owner without it
Each of the first four is measured with the drawn media and with a photo media set (every
picture a 12-megapixel photograph, made by bench_foto in a temporary folder),
a photo figure printed against the same step with the drawn media. With
--base, an earlier version's build tree is measured in the same run, its
processes alternating with this version's, for a before and after table.
Figures are medians of interleaved runs.

  bench/run.py [--runs N] [--rounds N] [--repeat N] [--visits N] [--skip-memory]
               [--no-photos] [--skip-register] [--skip-large-register]
               [--only-large-register] [--large-runs N] [--skip-school] [--only-school]
               [--skip-paths] [--only-paths]
               [--base BUILD] [--no-build]

On a busy machine, BENCH_CPU=1 times the screens by the CPU time of the
process instead of the clock: steadier for comparing two versions.
"""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.path.join(ROOT, "build", "release")
SCREEN = os.path.join(ROOT, "tests", "support", "schermo.json")

# The ratio each figure should stay within, and the absolute limit of a turn.
TARGETS = {"start-up": 1.25, "start-up peak": 1.1, "open": 1.3, "turn": 1.3, "ResizeControls": 2.0,
           "memory": 1.05, "memory after 20 visits": 1.5, "pace": 1.0}
# A step at a child's pace with the photos, against the same with the drawn media.
PHOTO_PACE = 1.5
# How long after its first paint each start-up's peak memory is taken: the
# second the child looks at the start screen.
PEAK_AFTER_MS = 1000
TURN_LIMIT_MS = 16.0


def environment(runtime):
    # The program keeps its pictures fitted to their boxes in the user's cache:
    # one of the run's own, which its first start fills. Its heap is its own:
    # glibc's tunables, which the test suites set to keep freed memory, would
    # take the place of the program's settings.
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen:configfile=" + SCREEN, XDG_RUNTIME_DIR=runtime,
               XDG_CACHE_HOME=os.path.join(runtime, "cache"))
    env.pop("GLIBC_TUNABLES", None)
    return env


def start_up(build, executable, env):
    """Milliseconds from process start to first paint, and peak KiB."""
    env = dict(env, LD_PRELOAD=os.path.join(build, "bench", "libbench_sonda.so"),
               BENCH_PICCO_MS=str(PEAK_AFTER_MS), BENCH_T0=str(time.monotonic_ns()))
    out = subprocess.run([executable], env=env, check=True, capture_output=True, text=True).stdout
    ms, kib = out.split()[-2:]
    return float(ms), float(kib)


def rows_of(build, name, env, extra_env=None):
    """The lines a benchmark prints: label, program, floor, unit, ratio."""
    out = subprocess.run([os.path.join(build, "bench", "bench_" + name)], env=dict(env, **(extra_env or {})),
                         check=True, capture_output=True, text=True).stdout
    rows = []
    for line in out.splitlines():
        label, program, floor, unit, _ = line.split("\t")
        rows.append((label, float(program), float(floor), unit))
    return rows


def target_of(label):
    if label.startswith("start-up peak"):
        return TARGETS["start-up peak"]
    if label.startswith("pace "):
        return TARGETS["pace"]
    if label.startswith("resident memory after 20 visits"):
        return TARGETS["memory after 20 visits"]
    if label.startswith("start-up"):
        return TARGETS["start-up"]
    if label.startswith("open "):
        return TARGETS["open"]
    if label.startswith("ResizeControls"):
        return TARGETS["ResizeControls"]
    if label.startswith("resident memory"):
        return TARGETS["memory"]
    if label.startswith("decoded-picture cache"):
        return 1.0
    if ":" in label:
        return TARGETS["turn"]
    return None


def measure(build, media, env, args, program):
    """Every row of one build tree with one media folder."""
    env = dict(env, BENCH_MEDIA=media)
    bare = os.path.join(build, "bench", "bench_avvio_nudo")
    start_up(build, program, env), start_up(build, bare, env)  # one warm-up run each, not counted
    game_runs, bare_runs = [], []
    for _ in range(args.runs):
        game_runs.append(start_up(build, program, env))
        bare_runs.append(start_up(build, bare, env))
    rows = []
    for col, label, unit in ((0, "start-up to first paint", "ms"), (1, "start-up peak memory, first second", "KiB")):
        rows.append((label, statistics.median(r[col] for r in game_runs),
                     statistics.median(r[col] for r in bare_runs), unit))
    rows += rows_of(build, "schermi", env, {"BENCH_GIRI": str(args.rounds)})
    rows += rows_of(build, "resize", env)
    return rows


def median_rows(runs):
    """Rows of repeated runs, each figure the median over the runs."""
    merged = {}
    for rows in runs:
        for label, program, floor, unit in rows:
            merged.setdefault(label, ([], [], unit))
            merged[label][0].append(program)
            merged[label][1].append(floor)
    return [(label, statistics.median(p), statistics.median(f), unit) for label, (p, f, unit) in merged.items()]


def register(build):
    """The class register's rows, each against its limit: the file under
    60 MB, the class at a glance within 2 x of sqlite3 and under 1 s, a
    child's record under 1 s, an answer's cost to the game under 0.2 ms,
    10,000 queued answers sent to the school's server under 5 s, the class
    at a glance on the server within 2 x of psql."""
    rows = (rows_of(build, "registro", dict(os.environ)) + rows_of(build, "invio", dict(os.environ))
            + rows_of(build, "registro_server", dict(os.environ)))
    width = max(len(r[0]) for r in rows)
    print("\nclass register, a school year of a class of 30")
    print(f"{'benchmark':{width}} {'now':>12} {'against':>12} {'ratio':>6} {'target':>7}")
    for label, value, limit, unit in rows:
        target = 2.0 if label.startswith("class at a glance") and "against" not in label else 1.0
        ratio = value / limit
        mark = f"{'<=' + format(target, '.2f'):>7}" + ("" if ratio <= target else " !")
        print(f"{label:{width}} {value:>9.3f} {unit:<2} {limit:>9.3f} {unit:<2} {ratio:>6.2f} {mark}")


# A turn under a learning path against the same turn without one.
PATH_TARGET = 1.1


def paths(build, env):
    """The learning path's rows, each against the same step without a path."""
    rows = rows_of(build, "percorsi", env)
    width = max(len(r[0]) for r in rows)
    print("\nlearning path, each step against the same step without a path")
    print(f"{'benchmark':{width}} {'path':>12} {'no path':>12} {'ratio':>6} {'target':>7}")
    for label, value, floor, unit in rows:
        ratio = value / floor
        mark = f"{'<=' + format(PATH_TARGET, '.2f'):>7}" + ("" if ratio <= PATH_TARGET else " !")
        print(f"{label:{width}} {value:>9.3f} {unit:<2} {floor:>9.3f} {unit:<2} {ratio:>6.2f} {mark}")


# The school's goals, by the start of each row's label after "school of 40
# classes: ": the figure against its floor.
SCHOOL_GOALS = {"one class": 1.0, "the teacher against": 2.0, "the teacher (RLS)": 1.2}


def school(build):
    """The school's rows, each against its goal."""
    rows = rows_of(build, "scuola", dict(os.environ))
    width = max(len(r[0]) for r in rows)
    print("\nschool of 40 classes of 30 children, one school year (21.6 million answers) on one server")
    print(f"{'benchmark':{width}} {'now':>12} {'against':>12} {'ratio':>6} {'goal':>7}")
    for label, value, floor, unit in rows:
        goal = next(g for start, g in SCHOOL_GOALS.items() if label.split(": ", 1)[1].startswith(start))
        ratio = value / floor
        mark = f"{'<=' + format(goal, '.2f'):>7}" + ("" if ratio <= goal else " !")
        print(f"{label:{width}} {value:>9.3f} {unit:<2} {floor:>9.3f} {unit:<2} {ratio:>6.2f} {mark}")


# The large register's goals: each figure against the same step with an empty
# register, up to the number of answers given; the class at a glance against
# sqlite3 at every size.
LARGE_SIZES = (0, 54000, 540000, 1620000, 4000000)
LARGE_GOALS = {"chi-gioca": (1.2, 4000000), "finestra": (1.5, 1620000), "blocco": (1.5, 4000000)}
LARGE_LABELS = {"chi-gioca": 'click to "Chi gioca?"', "finestra": "teachers' program, first paint",
                "blocco": "teachers' window not answering while filled"}


def probe(sonda, program, env, mode, data):
    """Milliseconds a run of program reports through bench_sonda_registro."""
    env = dict(env, LD_PRELOAD=sonda, BENCH_T0=str(time.monotonic_ns()), BENCH_SONDA=mode, XDG_DATA_HOME=data)
    out = subprocess.run([program], env=env, check=True, capture_output=True, text=True, timeout=300).stdout
    return float(out.split()[-2])


def large_register(builds, env, runs):
    """The large register's table: the game and the teachers' program of each
    version, run alternately on registers of each size, medians of runs."""
    after = builds["after"]
    sonda = os.path.join(after, "bench", "libbench_sonda_registro.so")
    with tempfile.TemporaryDirectory() as folder, tempfile.TemporaryDirectory() as cache, \
            tempfile.TemporaryDirectory() as config:
        out = subprocess.run([os.path.join(after, "bench", "bench_registro_grande"), folder]
                             + [str(n) for n in LARGE_SIZES], env=env, check=True, capture_output=True,
                             text=True).stdout
        glance = [line.split("\t")[:4] for line in out.splitlines()]
        env = dict(env, XDG_CACHE_HOME=cache, XDG_CONFIG_HOME=config, XDG_CONFIG_DIRS=config)
        programs = {(v, "chi-gioca"): os.path.join(b, "tesselo", "tesselo") for v, b in builds.items()}
        for mode in ("finestra", "blocco"):
            programs.update({(v, mode): os.path.join(b, "tesselo", "tesselo-registro") for v, b in builds.items()})
        times = {}
        for repeat in range(runs + 1):  # the first round warms the caches and is not counted
            for size in LARGE_SIZES:
                data = os.path.join(folder, str(size))
                for (version, mode), program in programs.items():
                    ms = probe(sonda, program, env, mode, data)
                    if repeat:
                        times.setdefault((version, mode, size), []).append(ms)
    versions = list(builds)
    print(f"\nlarge register, against an empty register in the same run (medians of {runs} runs)")
    width = 64
    print(f"{'benchmark':{width}}" + "".join(f" {v:>12}" for v in reversed(versions))
          + f" {'against':>12} {'ratio':>6} goal")
    for mode in ("chi-gioca", "finestra", "blocco"):
        goal, up_to = LARGE_GOALS[mode]
        for size in LARGE_SIZES[1:]:
            line = f"{LARGE_LABELS[mode] + f', {size:,} answers':{width}}"
            for v in reversed(versions):
                runs_of = times[(v, mode, size)]
                # -1: "Chi gioca?" never came, the class not read in time.
                line += (f" {statistics.median(runs_of):>9.1f} ms" if min(runs_of) >= 0
                         else f" {'never':>12}")
            value = statistics.median(times[("after", mode, size)])
            empty = statistics.median(times[("after", mode, 0)])
            ratio = value / empty if value >= 0 else float("inf")
            mark = (f"<= {goal:.2f}" + ("" if ratio <= goal else " !")) if size <= up_to else "(no goal)"
            print(line + f" {empty:>9.1f} ms {ratio:>6.2f} {mark}")
    for label, value, limit, unit in glance[1:]:  # an empty register has no class at a glance to time
        ratio = float(value) / float(limit)
        print(f"{label + ', against sqlite3':{width}} {float(value):>9.1f} {unit:<2}"
              + "".join(f" {'':>12}" for _ in versions[1:])
              + f" {float(limit):>9.1f} {unit:<2} {ratio:>6.2f} <= 1.20" + ("" if ratio <= 1.2 else " !"))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--runs", type=int, default=int(os.environ.get("BENCH_RUNS", "21")),
                        help="start-up runs of each program (default 21)")
    parser.add_argument("--rounds", type=int, default=15, help="openings of each game (default 15)")
    parser.add_argument("--repeat", type=int, default=1,
                        help="runs of each benchmark process, alternating between versions (default 1)")
    parser.add_argument("--visits", type=int, default=10000, help="visits in the memory benchmark")
    parser.add_argument("--skip-memory", action="store_true")
    parser.add_argument("--no-photos", action="store_true", help="only the drawn media")
    parser.add_argument("--skip-register", action="store_true", help="leave out the class register")
    parser.add_argument("--skip-large-register", action="store_true",
                        help="leave out the registers of up to 4 million answers")
    parser.add_argument("--only-large-register", action="store_true",
                        help="measure the registers of up to 4 million answers alone")
    parser.add_argument("--skip-school", action="store_true",
                        help="leave out the school of 40 classes (21.6 million answers)")
    parser.add_argument("--only-school", action="store_true", help="measure the school of 40 classes alone")
    parser.add_argument("--skip-paths", action="store_true", help="leave out the learning path's cost")
    parser.add_argument("--only-paths", action="store_true", help="measure the learning path's cost alone")
    parser.add_argument("--large-runs", type=int, default=5,
                        help="runs of each program on each large register (default 5)")
    parser.add_argument("--base", metavar="BUILD",
                        help="the build tree of an earlier version (its benchmarks built), measured "
                             "alongside in the same run; its memory is not measured")
    parser.add_argument("--no-build", action="store_true", help="use the benchmarks as already built")
    parser.add_argument("--after", metavar="BUILD", default=BUILD,
                        help="the build tree measured as this version (default build/release)")
    args = parser.parse_args()

    if not args.no_build:
        subprocess.run(["cmake", "--preset", "release"], cwd=ROOT, check=True, stdout=subprocess.DEVNULL)
        subprocess.run(["cmake", "--build", "--preset", "release", "--target", "benchmarks", "-j2"],
                       cwd=ROOT, check=True, stdout=subprocess.DEVNULL)
    builds = {"after": os.path.abspath(args.after)}
    if args.base:
        builds["before"] = os.path.abspath(args.base)
    if args.only_school:
        school(builds["after"])
        return 0
    if args.only_paths:
        with tempfile.TemporaryDirectory() as runtime:
            paths(builds["after"], environment(runtime))
        return 0
    if args.only_large_register:
        with tempfile.TemporaryDirectory() as runtime:
            large_register(builds, environment(runtime), args.large_runs)
        return 0

    with tempfile.TemporaryDirectory() as runtime, tempfile.TemporaryDirectory() as photos:
        env = environment(runtime)
        drawn = os.path.join(builds["after"], "tesselo")
        media = {"drawn": drawn}
        programs = {(name, "drawn"): os.path.join(build, "tesselo", "tesselo") for name, build in builds.items()}
        if not args.no_photos:
            subprocess.run([os.path.join(builds["after"], "bench", "bench_foto"), drawn, photos], check=True,
                           stdout=subprocess.DEVNULL)
            media["photos"] = photos
            # The program finds its media beside itself: a copy of each
            # version's executable in the photo folder.
            for name, build in builds.items():
                copy = os.path.join(photos, "tesselo-" + name)
                shutil.copy2(os.path.join(build, "tesselo", "tesselo"), copy)
                programs[(name, "photos")] = copy
        runs = {}
        for _ in range(args.repeat):
            for kind, folder in media.items():
                for name, build in builds.items():
                    runs.setdefault((name, kind), []).append(
                        measure(build, folder, env, args, programs[(name, kind)]))
        rows = {key: median_rows(value) for key, value in runs.items()}
        memory = {}
        if not args.skip_memory:
            for kind, folder in media.items():
                memory[kind] = rows_of(builds["after"], "memoria", dict(env, BENCH_MEDIA=folder),
                                       {"BENCH_VISITE": str(args.visits)})

    versions = list(builds)
    for kind in media:
        print(f"\n{kind} media" + ("" if kind == "drawn" else ", each figure against the same step with the drawn media"))
        table = {v: {r[0]: r for r in rows[(v, kind)]} for v in versions}
        labels = [r[0] for r in rows[("after", kind)]] + [r[0] for r in memory.get(kind, [])]
        for r in memory.get(kind, []):
            table["after"][r[0]] = r
        width = max(len(label) for label in labels)
        header = f"{'benchmark':{width}}" + "".join(f" {v:>12}" for v in reversed(versions))
        print(header + f" {'against':>12} {'ratio':>6} {'target':>7}")
        for label in labels:
            after = table["after"][label]
            unit = after[3]
            against = after[2]
            if kind != "drawn" and label in {r[0] for r in rows[("after", "drawn")]}:
                against = {r[0]: r for r in rows[("after", "drawn")]}[label][1]
            line = f"{label:{width}}"
            for v in reversed(versions):
                value = table[v].get(label)
                line += f" {value[1]:>9.1f} {unit:<2}" if value else f" {'':>12}"
            ratio = after[1] / against
            mark = ""
            if kind == "drawn":
                target = target_of(label)
                if target is not None:
                    mark = f"{'<=' + format(target, '.2f'):>7}" + ("" if ratio <= target else " !")
                if ":" in label and unit == "ms" and after[1] > TURN_LIMIT_MS:
                    mark += f" (> {TURN_LIMIT_MS:.0f} ms)"
            elif label.startswith("pace ") and label.endswith("median"):
                mark = f"{'<=' + format(PHOTO_PACE, '.2f'):>7}" + ("" if ratio <= PHOTO_PACE else " !")
            elif label.startswith("resident memory after 20 visits") or label.startswith("start-up peak"):
                target = target_of(label)
                against = after[2]
                ratio = after[1] / against
                mark = f"{'<=' + format(target, '.2f'):>7} (own floor)" + ("" if ratio <= target else " !")
            elif label.startswith("start-up to"):
                mark = f"{'<=2.00':>7}" + ("" if ratio <= 2.0 else " !")
            elif label.startswith("resident memory"):
                # Within the decoded-picture cache's bound plus 5 %.
                bound = next((r[2] for r in memory.get(kind, []) if r[0].startswith("decoded-picture")), 0)
                limit = 1.05 * against + bound
                mark = f"<= {limit:.0f} KiB (1.05 x + bound)" + ("" if after[1] <= limit else " !")
            elif (":" in label or label.startswith("open ")) and unit == "ms":
                mark = f"{'<=16ms':>7}" + ("" if after[1] <= TURN_LIMIT_MS else " !")
            print(line + f" {against:>9.1f} {unit:<2} {ratio:>6.2f} {mark}")
    if not args.skip_register:
        register(builds["after"])
    if not args.skip_large_register:
        with tempfile.TemporaryDirectory() as runtime:
            large_register(builds, environment(runtime), args.large_runs)
    if not args.skip_paths:
        with tempfile.TemporaryDirectory() as runtime:
            paths(builds["after"], environment(runtime))
    if not args.skip_school:
        school(builds["after"])
    print(f"\n(start-up: medians of {args.runs} interleaved runs; screens: medians of {args.rounds} rounds, "
          "each step followed by its floor; floors: bare Qt program, QImageReader alone, direct setGeometry, "
          f"memory after 100 visits; {args.repeat} run(s) of each process, versions alternating; "
          "with the photos, a step is against the same step with the drawn media, and every opening and "
          f"turn should take at most {TURN_LIMIT_MS:.0f} ms)")


if __name__ == "__main__":
    sys.exit(main())

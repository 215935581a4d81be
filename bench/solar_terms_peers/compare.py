#!/usr/bin/env python3
"""Times namewright-cli beside its peers, whole processes in alternating rounds, and prints the ratios.

    python3 bench/solar_terms_peers/compare.py [--bin build/release/bin] [--rounds 15]

1. Every solar term of 1900-2060 in one process: `namewright-cli solar-terms --year 1900 --to 2060` against the
   JavaScript peers lunar-javascript and astronomy-engine (peers.mjs, the same lines). The peers run only where
   `npm ci` has filled node_modules beside this script and node is at hand; otherwise that part is skipped.
   Goal: at most half the time of lunar-javascript.
2. One solar-term chart: `namewright-cli chart --solar-terms ...` against `namewright-cli --version`, the cost of
   starting the program. Goal: at most 1.5 times.

Each round runs every command once, in turn, so that a busy machine slows all of them alike; the figures are medians
of wall time and of the CPU time (user + system) the process used. Build with the release preset first.
"""

import argparse
import os
import shutil
import statistics
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))


def timed(command):
    """Wall seconds and CPU seconds of one run, its output discarded; exits on a failed run."""
    start = time.perf_counter()
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, cwd=HERE)
    _, status, usage = os.wait4(process.pid, 0)
    wall = time.perf_counter() - start
    process.returncode = os.waitstatus_to_exitcode(status)
    if process.returncode != 0:
        sys.exit(f"failed ({process.returncode}): {' '.join(command)}: {process.stderr.read().decode()}")
    return wall, usage.ru_utime + usage.ru_stime


def measure(commands, rounds):
    """{name: (median wall, median cpu)} over alternating rounds after one warm-up round."""
    samples = {name: ([], []) for name in commands}
    for round_number in range(rounds + 1):
        for name, command in commands.items():
            wall, cpu = timed(command)
            if round_number > 0:
                samples[name][0].append(wall)
                samples[name][1].append(cpu)
    return {name: (statistics.median(w), statistics.median(c)) for name, (w, c) in samples.items()}


def report(title, results, ratios):
    """Prints the medians, then each (subject, reference, goal) ratio; goal None for a ratio shown for information."""
    print(title)
    for name, (wall, cpu) in results.items():
        print(f"  {name:<36} wall {wall * 1000:8.1f} ms   cpu {cpu * 1000:8.1f} ms")
    for subject, reference, goal in ratios:
        wall_ratio = results[subject][0] / results[reference][0]
        cpu_ratio = results[subject][1] / results[reference][1]
        verdict = "" if goal is None else f"  goal at most {goal}x: {'met' if wall_ratio <= goal else 'NOT met'}"
        print(f"  {subject} / {reference}: wall {wall_ratio:.2f}x, cpu {cpu_ratio:.2f}x{verdict}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--bin", default=os.path.join(ROOT, "build", "release", "bin"))
    parser.add_argument("--rounds", type=int, default=15)
    parser.add_argument("--first", type=int, default=1900)
    parser.add_argument("--last", type=int, default=2060)
    args = parser.parse_args()
    cli = os.path.join(os.path.abspath(args.bin), "namewright-cli")
    if not os.access(cli, os.X_OK):
        sys.exit(f"no program at {cli}: build the release preset first")

    years = [str(args.first), str(args.last)]
    node = shutil.which("node")
    if node and os.path.isdir(os.path.join(HERE, "node_modules", "lunar-javascript")) and os.path.isdir(
            os.path.join(HERE, "node_modules", "astronomy-engine")):
        terms = {
            "namewright-cli solar-terms": [cli, "solar-terms", "--year", years[0], "--to", years[1]],
            "lunar-javascript": [node, "peers.mjs", "lunar-javascript", *years],
            "astronomy-engine": [node, "peers.mjs", "astronomy-engine", *years],
        }
        ours = "namewright-cli solar-terms"
        report(f"Every solar term {args.first}-{args.last}, one process each ({args.rounds} rounds)",
               measure(terms, args.rounds), [(ours, "lunar-javascript", 0.5), (ours, "astronomy-engine", None)])
    else:
        print("Solar terms beside the peers: skipped (no node, or no node_modules: run `npm ci` in "
              "bench/solar_terms_peers)")

    chart = ["chart", "--solar-terms", "--date", "2024-02-04", "--hour", "16", "--minute", "30"]
    start = "namewright-cli --version"
    charts = {
        "namewright-cli chart --solar-terms": [cli, *chart],
        start: [cli, "--version"],
        "chart --solar-terms --longitude": [cli, *chart, "--longitude", "116.4"],
    }
    report(f"One solar-term chart against the program's start ({args.rounds} rounds)", measure(charts, args.rounds),
           [("namewright-cli chart --solar-terms", start, 1.5), ("chart --solar-terms --longitude", start, None)])


if __name__ == "__main__":
    main()

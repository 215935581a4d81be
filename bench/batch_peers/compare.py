#!/usr/bin/env python3
"""Times namewright-cli where a user runs it over many items, whole processes in alternating rounds.

    python3 bench/batch_peers/compare.py [--bin build/release/bin] [--rounds 11]

1. 1,000 names through `namewright-cli describe --batch` (every line of the description) against pinyin-pro giving
   only the pinyin of the same names in one Node.js process (pinyin_peer.mjs). The peer runs only where `npm ci` has
   filled node_modules beside this script and node is at hand; otherwise that part is skipped. The names are the
   given names of tests/data/popular_given_names.tsv under a round of common family names (a compound one among
   them). Goal: less time than the peer.
2. The default random series to /dev/null: `namewright-cli generate --family 李 --gender 男 ...` (879,978 rows with
   the shipped database) against a tight formatter that writes the same number of rows from compact records
   (bench_output's BM_TightFormatter, read from the benchmark's JSON) plus one process start
   (`namewright-cli --version`). Goal: at most 3 times by wall time; the CPU ratio is printed beside it. The run's
   own scoring is part of the generate process, as a user waiting on it sees it.

Each round runs every command once, in turn, so that a busy machine slows all of them alike; the figures are medians
of wall time and of the CPU time (user + system) the process used. Build with the release preset first (the
bench_output target too for the second comparison).
"""

import argparse
import json
import os
import shutil
import statistics
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
FAMILIES = ["李", "王", "张", "刘", "陈", "杨", "黄", "赵", "周", "吴", "欧阳"]


def names_input(count):
    """`count` lines family<TAB>given from the popular given names under the families in turn."""
    given = []
    with open(os.path.join(ROOT, "tests", "data", "popular_given_names.tsv"), encoding="utf-8") as table:
        for line in table:
            if line.startswith("#") or not line.strip():
                continue
            given.append(line.split("\t")[0])
    lines = []
    for i in range(count):
        lines.append(f"{FAMILIES[i % len(FAMILIES)]}\t{given[i % len(given)]}")
    return ("\n".join(lines) + "\n").encode()


def timed(command, stdin_bytes=None):
    """Wall seconds and CPU seconds of one run, its output discarded; exits on a failed run."""
    start = time.perf_counter()
    process = subprocess.Popen(command, stdin=subprocess.PIPE if stdin_bytes is not None else subprocess.DEVNULL,
                               stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, cwd=HERE)
    if stdin_bytes is not None:
        process.stdin.write(stdin_bytes)
        process.stdin.close()
    _, status, usage = os.wait4(process.pid, 0)
    wall = time.perf_counter() - start
    code = os.waitstatus_to_exitcode(status)
    if code != 0:
        sys.exit(f"failed ({code}): {' '.join(command)}: {process.stderr.read().decode()}")
    return wall, usage.ru_utime + usage.ru_stime


def measure(commands, rounds):
    """{name: (median wall, median cpu)} over alternating rounds after one warm-up round."""
    samples = {name: ([], []) for name in commands}
    for round_number in range(rounds + 1):
        for name, (command, stdin_bytes) in commands.items():
            wall, cpu = timed(command, stdin_bytes)
            if round_number > 0:
                samples[name][0].append(wall)
                samples[name][1].append(cpu)
    return {name: (statistics.median(w), statistics.median(c)) for name, (w, c) in samples.items()}


def show(results):
    for name, (wall, cpu) in results.items():
        print(f"  {name:<40} wall {wall * 1000:8.1f} ms   cpu {cpu * 1000:8.1f} ms")


def tight_formatter_seconds(bench, rows):
    """Wall and CPU seconds BM_TightFormatter takes for `rows` rows (its figures are per 879,978 rows)."""
    output = subprocess.run([bench, "--benchmark_filter=BM_TightFormatter", "--benchmark_format=json"], check=True,
                            capture_output=True, text=True).stdout
    run = json.loads(output)["benchmarks"][0]
    scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}[run["time_unit"]] * rows / 879_978
    return run["real_time"] * scale, run["cpu_time"] * scale


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--bin", default=os.path.join(ROOT, "build", "release", "bin"))
    parser.add_argument("--rounds", type=int, default=11)
    arguments = parser.parse_args()
    cli = os.path.join(arguments.bin, "namewright-cli")

    print("1. 1,000 names, one process each side")
    names = names_input(1000)
    commands = {"namewright-cli describe --batch": ([cli, "describe", "--batch"], names)}
    node = shutil.which("node")
    if node and os.path.isdir(os.path.join(HERE, "node_modules", "pinyin-pro")):
        commands["pinyin-pro (pinyin only)"] = ([node, os.path.join(HERE, "pinyin_peer.mjs")], names)
    else:
        print("  (pinyin-pro skipped: run npm ci in bench/batch_peers)")
    results = measure(commands, arguments.rounds)
    show(results)
    if len(results) == 2:
        ratio = results["namewright-cli describe --batch"][0] / results["pinyin-pro (pinyin only)"][0]
        print(f"  describe --batch / pinyin-pro: wall {ratio:.2f} (goal < 1)")

    print("2. the default random series to /dev/null")
    generate = [cli, "generate", "--family", "李", "--gender", "男", "--seed", "1", "--date", "2011-01-01", "--hour",
                "1"]
    results = measure({"namewright-cli generate": (generate, None), "namewright-cli --version": ([cli, "--version"],
                                                                                                  None)},
                      arguments.rounds)
    show(results)
    rows = subprocess.run(generate, check=True, capture_output=True).stdout.count(b"\n") - 1
    bench = os.path.join(arguments.bin, "bench_output")
    if os.path.exists(bench):
        tight, tight_cpu = tight_formatter_seconds(bench, rows)
        reference = tight + results["namewright-cli --version"][0]
        reference_cpu = tight_cpu + results["namewright-cli --version"][1]
        ratio = results["namewright-cli generate"][0] / reference
        cpu_ratio = results["namewright-cli generate"][1] / reference_cpu
        print(f"  {rows} rows; tight formatter {tight * 1000:.1f} ms + one start = {reference * 1000:.1f} ms; "
              f"generate / that: wall {ratio:.2f} (goal <= 3), cpu {cpu_ratio:.2f}")
    else:
        print(f"  {rows} rows; bench_output not built: no tight-formatter figure")


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Times one `namewright-cli describe` process (one name) against `namewright-cli --version`, whole processes.

    python3 bench/describe_process/measure.py [--bin build/release/bin] [--runs 50]

A user who describes one name waits for one process: its start, the opening of characters.db and the lines of the
one name. `--version` is the same process start with nothing opened, so the difference is what describing costs.
The commands run in turn, `--runs` times each, so that a busy machine slows them alike; the figures are the median
and the mean of the CPU time (user + system) each process used, and the median wall time. Build with the release
preset first (`cmake --preset release && cmake --build --preset release --target namewright-cli`).
"""

import argparse
import os
import statistics
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))

# A compound family name, a polyphonic family reading and a name with a verse: the one-name cases a user types.
COMMANDS = {
    "--version": ["--version"],
    "describe 曾 子涵": ["describe", "--family", "曾", "--given", "子涵"],
    "describe 欧阳 思远": ["describe", "--family", "欧阳", "--given", "思远"],
}


def timed(command):
    """Wall seconds and CPU seconds of one run, its output discarded; exits on a failed run."""
    start = time.perf_counter()
    process = subprocess.Popen(command, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    _, status, usage = os.wait4(process.pid, 0)
    wall = time.perf_counter() - start
    code = os.waitstatus_to_exitcode(status)
    if code != 0:
        sys.exit(f"{' '.join(command)} exited with {code}: {process.stderr.read().decode(errors='replace')}")
    process.stderr.close()
    return wall, usage.ru_utime + usage.ru_stime


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--bin", default=os.path.join(ROOT, "build", "release", "bin"))
    parser.add_argument("--runs", type=int, default=50)
    args = parser.parse_args()
    program = os.path.join(args.bin, "namewright-cli")
    if not os.access(program, os.X_OK):
        sys.exit(f"no {program}: build the release preset first")
    walls = {name: [] for name in COMMANDS}
    cpus = {name: [] for name in COMMANDS}
    for _ in range(args.runs):
        for name, arguments in COMMANDS.items():
            wall, cpu = timed([program] + arguments)
            walls[name].append(wall)
            cpus[name].append(cpu)
    print(f"{'command':<22} {'CPU median ms':>14} {'CPU mean ms':>12} {'wall median ms':>15}  ({args.runs} runs each)")
    for name in COMMANDS:
        print(f"{name:<22} {statistics.median(cpus[name]) * 1e3:>14.1f} {statistics.mean(cpus[name]) * 1e3:>12.1f} "
              f"{statistics.median(walls[name]) * 1e3:>15.1f}")


if __name__ == "__main__":
    main()

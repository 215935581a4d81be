#!/usr/bin/env bash
# Installs what is missing, then builds and runs the whole test suite three times: a debug build with warnings as
# errors, an AddressSanitizer + UndefinedBehaviorSanitizer build, and a ThreadSanitizer build of the threaded tests.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
for preset in dev asan tsan; do
    echo "== ${preset} =="
    cmake --preset "${preset}" >/dev/null
    cmake --build --preset "${preset}"
    ctest --preset "${preset}" -j "$(nproc)"
done

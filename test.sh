#!/usr/bin/env bash
# Installs what is missing, then builds and runs the whole test suite three times: a debug build with warnings as
# errors, an AddressSanitizer + UndefinedBehaviorSanitizer build, and a ThreadSanitizer build of the threaded tests.
# NAMEWRIGHT_REQUIRE_ACCESS_FIXTURES=ON in the environment (CI sets it) makes the Access tests fail, not skip, when
# the licensed sample files are missing.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
for preset in dev asan tsan; do
    echo "== ${preset} =="
    cmake --preset "${preset}" -DNAMEWRIGHT_REQUIRE_ACCESS_FIXTURES="${NAMEWRIGHT_REQUIRE_ACCESS_FIXTURES:-OFF}" >/dev/null
    cmake --build --preset "${preset}"
    ctest --preset "${preset}" -j "$(nproc)"
done

#!/usr/bin/env bash
# Installs what is missing, builds the optimised program with its naming database, and starts it.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release
exec build/release/bin/namewright

#!/usr/bin/env bash
# The second CI step: builds the asan preset (address and undefined-behaviour
# sanitizers) and runs every test under it, so reads past a buffer or
# undefined arithmetic fail the run even where results look right.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset asan
cmake --build --preset asan
ctest --preset asan

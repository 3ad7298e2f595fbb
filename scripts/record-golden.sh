#!/usr/bin/env bash
# Records the results of the whole-run cases of tests/golden/cases.txt with
# the current build of manifit, replacing what is stored under tests/golden/.
# Run it only when a change of the outputs is intended, and review the diff.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
cmake --build "$build" -j2 --target manifit test_driver
MANIFIT_RECORD_GOLDEN=1 "$build/tests/test_driver" --gtest_filter='Cases/GoldenRun.*'
git status --short tests/golden

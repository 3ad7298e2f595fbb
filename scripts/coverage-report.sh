#!/usr/bin/env bash
# Summarises the line coverage of the tests run in a coverage build (the
# "coverage" preset) over the product's sources: src/, include/ and
# python/src/, headers included. The HTML report lands in <build>/coverage/.
# Usage: scripts/coverage-report.sh <build folder> <source folder>
set -euo pipefail
build="$(cd "$1" && pwd)"
source="$(cd "$2" && pwd)"
cd "$build"
lcov --quiet --capture --directory . --output-file coverage-raw.info
# Headers are compiled through the per-library include roots (links to
# src/<folder>): name them by their place in src/, then merge the copies.
sed -E "s#^SF:$build/include-roots/[a-z_]+/#SF:$source/src/#" coverage-raw.info \
  > coverage-renamed.info
lcov --quiet --add-tracefile coverage-renamed.info --output-file coverage-merged.info
lcov --quiet --extract coverage-merged.info "$source/src/*" "$source/include/*" \
  "$source/python/src/*" --output-file coverage.info
genhtml --quiet coverage.info --output-directory coverage --title "manifit" --prefix "$source"
lcov --summary coverage.info

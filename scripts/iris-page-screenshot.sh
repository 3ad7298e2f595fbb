#!/usr/bin/env bash
# Regenerates the pictures of the viewer's page in docs/ (the README shows
# them): trains the iris example from examples/iris.csv with a test part,
# saves the model and the per-point file, draws the page from them with
# manifit-view, likewise the elastic graph of section 11, and photographs each
# view with headless Chromium (Debian package "chromium") driven by
# playwright-core (installed into tests/browser by npm ci).
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset default
cmake --build build -j2 --target manifit manifit-view
(cd tests/browser && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund > /dev/null)
work="build/screenshots"
rm -rf "$work"
mkdir -p "$work"
(
  cd "$work"
  ../manifit -d ../../examples/iris.csv -i ../../examples/manifit.ini -n 1 -o iris.map -t 20 \
    -model iris.json -points iris-points.csv > /dev/null
  ../manifit-view -model iris.json -d ../../examples/iris.csv -points iris-points.csv \
    -html iris.html
  ../manifit -d ../../examples/iris.csv -i ../../examples/manifit.ini -n 11 -o graph.map \
    -model graph.json -points graph-points.csv > /dev/null
  ../manifit-view -model graph.json -d ../../examples/iris.csv -points graph-points.csv \
    -html graph.html
)
node scripts/page-screenshots.js "$work/iris.html" "$work/graph.html" docs

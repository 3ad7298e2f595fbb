#!/usr/bin/env bash
# Regenerates docs/iris-page.png, the picture of the iris example's page in
# the README: trains the iris example, writes its page with manifit-view and
# photographs it with headless Chromium (Debian package "chromium").
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --workflow --preset example
cmake --build build --target manifit-view
(
  cd build/example
  ../manifit-view -map iris.map -normdat iris.norm -p iris.proj \
    -labels ../../examples/iris-labels.txt -html iris.html
)

profile="$(mktemp -d)"
trap 'rm -rf "$profile"' EXIT
chromium --headless --no-sandbox --disable-gpu --no-first-run \
  --disable-background-networking --disable-component-update --disable-sync \
  --user-data-dir="$profile" --hide-scrollbars --window-size=1200,800 \
  --screenshot="$PWD/docs/iris-page.png" "file://$PWD/build/example/iris.html" \
  > /dev/null 2>&1 || true
test -s docs/iris-page.png
echo "docs/iris-page.png written"

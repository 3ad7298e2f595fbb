#!/usr/bin/env bash
# Regenerates docs/python-iris.png, the picture of the README's "From Python"
# section: builds the Python package and runs python/examples/iris_map.py,
# which fits the iris example and saves ElasticMap.plot's figure.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset default
cmake --build build --target manifit_python
python="$(sed -n 's/^Python3_EXECUTABLE:FILEPATH=//p' build/CMakeCache.txt)"
PYTHONPATH=build/python MPLBACKEND=Agg "$python" python/examples/iris_map.py docs/python-iris.png

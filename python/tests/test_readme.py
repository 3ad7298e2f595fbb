"""The README's Python example and the example script run as printed."""

import os
import re
import subprocess
import sys

import pytest

from conftest import SOURCE_DIR


def test_readme_example_runs(tmp_path):
    readme = (SOURCE_DIR / "README.md").read_text()
    blocks = re.findall(r"```python\n(.*?)```", readme, re.S)
    example = next((block for block in blocks if "manifit.ElasticMap" in block), None)
    assert example is not None, "the README has no Python example"
    pytest.importorskip("matplotlib")
    (tmp_path / "examples").symlink_to(SOURCE_DIR / "examples")
    script = "import matplotlib\nmatplotlib.use('Agg')\n" + example
    completed = subprocess.run([sys.executable, "-c", script], cwd=tmp_path, capture_output=True,
                               text=True, timeout=600, env=os.environ)
    assert completed.returncode == 0, completed.stderr
    assert (tmp_path / "iris-map.png").stat().st_size > 0
    assert (tmp_path / "iris-model.json").read_text().startswith("{")


def test_example_script_runs(tmp_path):
    completed = subprocess.run(
        [sys.executable, str(SOURCE_DIR / "python" / "examples" / "iris_map.py")],
        cwd=tmp_path, capture_output=True, text=True, timeout=600, env=os.environ)
    assert completed.returncode == 0, completed.stderr
    assert "final error:" in completed.stdout

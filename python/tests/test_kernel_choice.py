"""MANIFIT_KERNEL forces the nearest-node kernel of the package too: a fit
with the plain kernel forced gives the same map as one with the fastest
kernel, and a request that names no usable kernel is reported as a warning
when the package is imported, never an error."""

import os
import subprocess
import sys

import numpy as np

from conftest import EXAMPLES

FIT = """
import sys
import numpy as np
import manifit
X = np.loadtxt(sys.argv[1], skiprows=1, dtype=np.float32)
model = manifit.ElasticMap(grid="line", size=8).fit(X)
np.save(sys.argv[2], model.nodes_)
"""


def run_python(code, arguments, kernel):
    environment = dict(os.environ)
    environment["MANIFIT_KERNEL"] = kernel
    return subprocess.run([sys.executable, "-W", "always", "-c", code, *arguments],
                          env=environment, capture_output=True, text=True)


def test_a_forced_kernel_gives_the_same_map(tmp_path):
    nodes = {}
    for kernel in ["plain", ""]:
        out = tmp_path / f"nodes-{kernel or 'fastest'}.npy"
        run = run_python(FIT, [str(EXAMPLES / "iris.txt"), str(out)], kernel)
        assert run.returncode == 0, run.stderr
        assert "MANIFIT_KERNEL" not in run.stderr
        nodes[kernel] = np.load(out)
    assert nodes["plain"].tobytes() == nodes[""].tobytes()


def test_an_unusable_request_is_a_warning():
    run = run_python("import manifit; print('imported')", [], "vector")
    assert run.returncode == 0, run.stderr
    assert run.stdout == "imported\n"
    assert "RuntimeWarning" in run.stderr
    assert "MANIFIT_KERNEL=vector is not a kernel (plain, avx2 or avx512)" in run.stderr

"""Fit a 10 x 10 elastic map to the iris flowers, print where the first
flowers sit on it, and draw the picture of the README.

    python3 python/examples/iris_map.py [picture.png]
"""

import pathlib
import sys

import numpy as np

import manifit

root = pathlib.Path(__file__).resolve().parents[2]
with open(root / "examples" / "iris.txt") as file:
    file.readline()  # the first line holds the table's sizes: 150 4
    X = np.loadtxt(file, dtype=np.float32)

model = manifit.ElasticMap(grid="rectangle", size=10).fit(X)
print("final error:", model.final_error_, "after", model.n_iter_, "iterations")
print("variance left unexplained by the nearest nodes:", round(model.fvu_, 4))
print("grid coordinates of the first three flowers:")
print(model.transform(X[:3]))

if len(sys.argv) > 1:
    import matplotlib

    matplotlib.use("Agg")
    figure = model.plot(X)
    figure.savefig(sys.argv[1], dpi=80)
    print("picture written to", sys.argv[1])

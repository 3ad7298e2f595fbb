"""The fraction of variance unexplained (fvu_), with the command-line tool's
arithmetic, so that it equals the "fvu" of the tool's model file."""

import numpy as np

from . import _core


def _squared_distances(points, nodes):
    """|x - node|^2 per point in 32-bit floats, the coordinates added in order."""
    squared = np.zeros(len(points), dtype=np.float32)
    for j in range(points.shape[1]):
        difference = points[:, j] - nodes[:, j]
        squared += difference * difference
    return squared


def _sequential_sum(values):
    """The sum in double precision, added in order (as a C loop adds)."""
    return float(np.cumsum(values)[-1]) if len(values) else 0.0


def _weighted_total_variance(points, weights):
    """Sum over the columns of the weighted variance (sum w (x - mean)^2 / W)."""
    values = points.astype(np.float64)
    centre = np.average(values, axis=0, weights=weights)
    return float(np.sum(np.average((values - centre) ** 2, axis=0, weights=weights)))


def unexplained_fraction(points, nearest_nodes, weights=None):
    """The (weighted) mean squared distance of the fitted points (fitted
    units, float32) to their nearest nodes over their total variance; 0 when
    either is 0. Unweighted, every step is the tool's, bit for bit; weighted,
    the total variance is numpy's, in double, and agrees with the tool's to
    float precision."""
    w = np.ones(len(points)) if weights is None else weights.astype(np.float64)
    squared = _squared_distances(points, nearest_nodes).astype(np.float64)
    total = _sequential_sum(w)
    if weights is None:
        variance = _core.total_variance(points)
    else:
        variance = _weighted_total_variance(points, w)
    if not total > 0.0 or not variance > 0.0:
        return 0.0
    return _sequential_sum(w * squared) / total / variance

"""ElasticMap.plot: the data and the map on the plane of the first two
principal components, and the map coloured by its nodes' hit counts."""

import numpy as np


def _require_matplotlib():
    try:
        import matplotlib.pyplot as plt
        from matplotlib.collections import LineCollection
    except ImportError as error:
        raise ImportError("ElasticMap.plot needs matplotlib "
                          "(Debian: apt-get install python3-matplotlib)") from error
    return plt, LineCollection


def _pc_plane(estimator, points):
    """Points (fitted units) on the plane of the first two components."""
    centred = points.astype(np.float64) - estimator.components_mean_
    return centred @ estimator.components_[:2].T


def _map_layout(estimator):
    """2-D positions of the nodes for the hit-count view, and which edges to draw."""
    coords = estimator.grid_coordinates_.astype(np.float64)
    edges = estimator.edges_
    kind = estimator.grid_type_
    if kind == "rectangle":
        return coords[:, :2], np.ones(len(edges), dtype=bool), ("grid coordinate 1",
                                                                 "grid coordinate 2")
    if kind == "sphere":
        longitude = np.degrees(np.arctan2(coords[:, 1], coords[:, 0]))
        latitude = np.degrees(np.arcsin(np.clip(coords[:, 2], -1.0, 1.0)))
        layout = np.column_stack([longitude, latitude])
        # Edges across the date line or to a pole would cross the whole sheet.
        span = np.abs(layout[edges[:, 0], 0] - layout[edges[:, 1], 0])
        keep = (span < 180.0) & (np.abs(layout[edges, 1]).max(axis=1) < 89.9)
        return layout, keep, ("longitude (degrees)", "latitude (degrees)")
    if kind in ("line", "circle"):
        return coords[:, :2], np.ones(len(edges), dtype=bool), ("grid coordinate 1",
                                                                "grid coordinate 2")
    # A graph has no layout of its own: its nodes on the components' plane.
    return _pc_plane(estimator, estimator.nodes_), np.ones(len(edges), dtype=bool), (
        "principal component 1", "principal component 2")


def _hit_counts(estimator, X):
    if X is not None:
        nearest = estimator.predict(X)
        return np.bincount(nearest, minlength=len(estimator.nodes_))
    if getattr(estimator, "hits_", None) is not None:
        return estimator.hits_
    return np.zeros(len(estimator.nodes_), dtype=np.int64)


def _cells(ax, layout, hits):
    """One square cell per node of a rectangle, coloured by its hit count."""
    from matplotlib.collections import PolyCollection

    def spacing(values):
        steps = np.diff(np.unique(values))
        return steps.min() if len(steps) else 1.0

    du = spacing(layout[:, 0]) / 2
    dv = spacing(layout[:, 1]) / 2
    corners = np.array([[-du, -dv], [du, -dv], [du, dv], [-du, dv]])
    cells = PolyCollection(layout[:, None, :] + corners[None], array=hits.astype(np.float64),
                           cmap="viridis", edgecolors="face", zorder=0)
    ax.add_collection(cells)
    return cells


def plot_map(estimator, X=None, ax=None):
    """Two panels (or the two given axes): the components' plane, and the map
    coloured by hit count. Returns the figure."""
    from sklearn.utils.validation import check_is_fitted

    check_is_fitted(estimator, "nodes_")
    plt, LineCollection = _require_matplotlib()
    if ax is None:
        figure, (data_ax, map_ax) = plt.subplots(1, 2, figsize=(11, 4.8))
    else:
        data_ax, map_ax = ax
        figure = data_ax.figure

    nodes = _pc_plane(estimator, estimator.nodes_)
    if X is not None:
        from ._validation import validate_table

        table = estimator._normalized(validate_table(estimator, X, reset=False))
        points = _pc_plane(estimator, table)
        data_ax.scatter(points[:, 0], points[:, 1], s=8, c="#4c72b0", alpha=0.6, label="data")
    data_ax.add_collection(LineCollection(nodes[estimator.edges_], colors="#c44e52",
                                          linewidths=0.8, label="map edges"))
    data_ax.scatter(nodes[:, 0], nodes[:, 1], s=6, c="#c44e52", zorder=3)
    fractions = estimator.explained_variance_ratio_
    data_ax.set_xlabel(f"principal component 1 ({100 * fractions[0]:.1f}% of the variance)")
    data_ax.set_ylabel(f"principal component 2 ({100 * fractions[1]:.1f}% of the variance)")
    data_ax.set_title(f"data and map ({estimator.grid_type_}, {len(nodes)} nodes)")
    data_ax.autoscale()
    data_ax.set_aspect("equal", adjustable="datalim")
    data_ax.legend(loc="best", fontsize="small")

    hits = _hit_counts(estimator, X)
    layout, keep, labels = _map_layout(estimator)
    map_ax.add_collection(LineCollection(layout[estimator.edges_[keep]], colors="#999999",
                                         linewidths=0.6, zorder=1))
    if estimator.grid_type_ == "rectangle":
        shading = _cells(map_ax, layout, hits)
    else:
        shading = map_ax.scatter(layout[:, 0], layout[:, 1], c=hits, s=60, cmap="viridis",
                                 edgecolors="k", linewidths=0.3, zorder=2)
    figure.colorbar(shading, ax=map_ax, label="points nearest to the node")
    map_ax.set_xlabel(labels[0])
    map_ax.set_ylabel(labels[1])
    map_ax.set_title("map coloured by hit count")
    map_ax.autoscale()
    map_ax.set_aspect("equal", adjustable="datalim")
    figure.tight_layout()
    return figure

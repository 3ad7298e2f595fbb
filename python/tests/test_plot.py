"""ElasticMap.plot: the components' plane with the data and the map, and the
map coloured by hit count."""

import sys

import matplotlib
import numpy as np
import pytest

import manifit

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402


@pytest.mark.parametrize("grid, size", [("rectangle", 6), ("sphere", (6, 4)), ("line", 8),
                                        ("circle", 8), ("graph", 10)])
def test_every_grid_type_plots(iris, grid, size):
    model = manifit.ElasticMap(grid=grid, size=size).fit(iris)
    figure = model.plot(iris)
    try:
        data_ax, map_ax = figure.axes[:2]
        # The data scatter holds every point; the map's edges are drawn.
        offsets = [c.get_offsets() for c in data_ax.collections if len(c.get_offsets()) == 150]
        assert len(offsets) == 1
        lines = [c for c in data_ax.collections if hasattr(c, "get_segments")]
        assert sum(len(c.get_segments()) for c in lines) == len(model.edges_)
        # The colour scale spans the hit counts.
        mappable = figure.axes[2].collections[0] if len(figure.axes) > 2 else None
        assert mappable is not None
        assert "hit count" in map_ax.get_title()
        assert "principal component 1" in data_ax.get_xlabel()
    finally:
        plt.close(figure)


@pytest.mark.parametrize("grid", ["line", "rectangle"])
def test_hit_counts_colour_the_map(iris, grid):
    model = manifit.ElasticMap(grid=grid, size=8).fit(iris)
    figure = model.plot()
    try:
        map_ax = figure.axes[1]
        scatter = [c for c in map_ax.collections if c.get_array() is not None][0]
        np.testing.assert_array_equal(np.asarray(scatter.get_array()), model.hits_)
        assert scatter.get_array().sum() == len(iris)
    finally:
        plt.close(figure)


def test_plot_on_given_axes(iris):
    model = manifit.ElasticMap(grid="circle", size=8).fit(iris)
    figure, axes = plt.subplots(1, 2)
    try:
        assert model.plot(iris[:50], ax=axes) is figure
        scatter = [c for c in axes[1].collections if c.get_array() is not None][0]
        assert scatter.get_array().sum() == 50
    finally:
        plt.close(figure)


def test_without_matplotlib(iris, monkeypatch):
    model = manifit.ElasticMap(grid="line", size=4).fit(iris)
    monkeypatch.setitem(sys.modules, "matplotlib.pyplot", None)
    with pytest.raises(ImportError, match="needs matplotlib"):
        model.plot()

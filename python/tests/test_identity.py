"""The package gives the command-line tool's numbers exactly: for the same
float table, configuration section and options, the node block of the
manifold file, the projections file and the final error agree."""

import numpy as np
import pytest

import manifit
from conftest import CONFIG, node_block, projection_lines

# Every grid type of the bundled configuration: rectangle, sphere, line,
# circle, a grown line (adaptation stage) and an elastic graph.
SECTIONS = {1: "rectangle", 2: "sphere", 3: "line", 4: "circle", 10: "line", 11: "graph"}


def final_error_line(stdout):
    return [line for line in stdout.splitlines() if line.startswith("Final MSE: ")][0]


def assert_same_run(model, X, tool):
    assert tool.status == 0, tool.stdout
    assert node_block(model.nodes_) == tool.block("out.map", "GRIDNODES")
    assert projection_lines(model.transform(X)) == tool.text("out.proj")
    # "Final MSE" is printed with six significant digits.
    assert final_error_line(tool.stdout) == "Final MSE: %g" % model.final_error_


@pytest.mark.parametrize("data", ["iris", "wine"])
@pytest.mark.parametrize("section", sorted(SECTIONS))
def test_configuration_sections_match_the_tool(datasets, run_tool, data, section):
    X = datasets[data]
    model = manifit.ElasticMap.from_config(CONFIG, section).fit(X)
    assert model.grid_type_ == SECTIONS[section]
    tool = run_tool(X, "-i", str(CONFIG), "-n", str(section), "-o", "out.map", "-p", "out.proj",
                    "-model", "out.json")
    assert_same_run(model, X, tool)
    # The model file holds every number exactly: the nodes in both units,
    # the normalization and the components are the estimator's, bit for bit.
    saved = manifit.load(tool.folder / "out.json")
    for name in ("nodes_", "nodes_input_", "mean_", "scale_", "components_",
                 "explained_variance_ratio_", "grid_coordinates_", "edges_", "ribs_", "triangles_"):
        np.testing.assert_array_equal(getattr(saved, name), getattr(model, name), err_msg=name)
    assert saved.history_ == model.history_
    assert saved.fvu_ == model.fvu_ and saved.final_error_ == model.final_error_
    # The manifold file written from the estimator is the tool's, byte for byte.
    model.write_manifold(tool.folder / "python.map")
    assert tool.text("python.map") == tool.text("out.map")


def test_progress_history_matches_the_tool(iris, run_tool):
    model = manifit.ElasticMap.from_config(CONFIG, 10).fit(iris)
    tool = run_tool(iris, "-i", str(CONFIG), "-n", "10", "-o", "out.map", "-p", "out.proj")
    lines = [line for line in tool.stdout.splitlines() if line.startswith("Ep: ")]
    assert len(model.history_) == len(lines) == model.n_iter_
    for record, line in zip(model.history_, lines):
        words = line.split()
        assert (record["stage"], record["iteration"]) == (int(words[1]), int(words[3]))
        assert "%g" % record["error"] == words[5]
        assert "%g" % record["df"] == words[7]
        assert record["test_error"] is None


def test_parameters_build_the_sections_schedule(iris, run_tool, tmp_path):
    """The estimator's defaults are section 1 of the example: a 10 x 10
    rectangle and three softening epochs."""
    tool = run_tool(iris, "-i", str(CONFIG), "-n", "1", "-o", "out.map", "-p", "out.proj")
    assert_same_run(manifit.ElasticMap().fit(iris), iris, tool)
    explicit = manifit.ElasticMap(grid="rectangle", size=(10, 10), schedule=[
        {"ep": e, "rp": e, "numiter": 20, "eps": 0.001} for e in (1, 0.1, 0.01)]).fit(iris)
    assert_same_run(explicit, iris, tool)


def test_simple_schedule_and_sizes_match_a_written_section(wine, run_tool, tmp_path):
    config = tmp_path / "line.ini"
    config.write_text("#ALG7\ngrid.type linear\ngrid.size1 12\ninit.stretch1 0.5\n"
                      "init.stretch2 0.5\ninit.stretch3 0.5\n"
                      "epoch.id 1\nepoch.ep 0.5\nepoch.rp 2\nepoch.id 2\nepoch.ep 0.05\n"
                      "epoch.rp 0.2\n")
    model = manifit.ElasticMap(grid="line", size=12, stretch=0.5,
                               schedule=[(0.5, 2), (0.05, 0.2)]).fit(wine)
    tool = run_tool(wine, "-i", str(config), "-n", "7", "-o", "out.map", "-p", "out.proj")
    assert_same_run(model, wine, tool)


def test_unnormalized_fit_matches_norm_0(iris, run_tool):
    model = manifit.ElasticMap.from_config(CONFIG, 3, normalize=False).fit(iris)
    tool = run_tool(iris, "-i", str(CONFIG), "-n", "3", "-o", "out.map", "-p", "out.proj",
                    "-norm", "0")
    assert_same_run(model, iris, tool)
    np.testing.assert_array_equal(model.nodes_input_, model.nodes_)


def test_weights_match_a_weights_file(iris, run_tool):
    weights = np.linspace(0.25, 2.0, len(iris)).astype(np.float32)
    model = manifit.ElasticMap.from_config(CONFIG, 1).fit(iris, sample_weight=weights)
    text = "".join(repr(float(w)) + "\n" for w in weights)
    tool = run_tool(iris, "-w", "w.txt", "-i", str(CONFIG), "-n", "1", "-o", "out.map", "-p",
                    "out.proj", "-model", "out.json", files={"w.txt": text})
    assert_same_run(model, iris, tool)
    # The weighted total variance is numpy's (in double), not the tool's (which
    # forms the weighted products in float), so the two agree to float precision.
    assert model.fvu_ == pytest.approx(manifit.load(tool.folder / "out.json").fvu_, rel=1e-6)
    unweighted = manifit.ElasticMap.from_config(CONFIG, 1).fit(iris)
    assert not np.array_equal(unweighted.nodes_, model.nodes_)


def test_test_split_matches_t(wine, run_tool):
    """test_size=0.2 draws the same points as -t 20; the projections file
    holds the fitted (kept) points only."""
    model = manifit.ElasticMap.from_config(CONFIG, 4, test_size=0.2).fit(wine)
    tool = run_tool(wine, "-i", str(CONFIG), "-n", "4", "-o", "out.map", "-p", "out.proj",
                    "-t", "20")
    assert tool.status == 0, tool.stdout
    assert node_block(model.nodes_) == tool.block("out.map", "GRIDNODES")
    kept = wine[model.rows_ == 0]
    assert 0 < len(kept) < len(wine)
    assert projection_lines(model.transform(kept)) == tool.text("out.proj")
    lines = [line for line in tool.stdout.splitlines() if line.startswith("Ep: ")]
    assert len(lines) == len(model.history_)
    for record, line in zip(model.history_, lines):
        train, test = line.split()[5].split("/")
        assert ("%g" % record["error"], "%g" % record["test_error"]) == (train, test)


@pytest.mark.parametrize("params", [
    {"grid": "rectangle", "size": (7, 5), "stretch": (0.9, 0.6, 0.3),
     "schedule": [(2, 0.5), {"ep": 0.2, "rp": 0.05, "extrapolate": 1, "numiter": 15}]},
    {"grid": "line", "size": 4, "schedule": [
        (1, 1), {"kind": "adapt", "type": "grow", "numstep": 4, "epsMSE": 0.0, "numiter": 10},
        {"kind": "adapt", "type": "break", "numstep": 2, "numiterSLAU": 50}]},
    {"grid": "graph", "size": 16, "minclust": 3, "schedule": [{"eps": 0.005, "epsSLAU": 0.001}]},
    {"grid": "sphere", "size": (5, 3), "schedule": [{"minimize": False}, (0.3, 0.3)]},
])
def test_recorded_section_runs_the_same_fit(wine, run_tool, params):
    """The configuration section a fitted estimator records (and saves in its
    model file) makes the command-line tool fit exactly the same map."""
    model = manifit.ElasticMap(**params).fit(wine)
    tool = run_tool(wine, "-i", "fit.ini", "-n", "0", "-o", "out.map", "-p", "out.proj",
                    files={"fit.ini": model._section})
    assert_same_run(model, wine, tool)

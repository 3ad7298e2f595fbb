"""Saved, loaded and pickled maps project exactly as the original."""

import pickle

import numpy as np
import pandas as pd
import pytest

import manifit

ATTRIBUTES = ("nodes_", "nodes_input_", "edges_", "ribs_", "triangles_", "grid_coordinates_",
              "mean_", "scale_", "components_", "explained_variance_ratio_")


def assert_same_map(copy, original, X):
    for name in ATTRIBUTES:
        np.testing.assert_array_equal(getattr(copy, name), getattr(original, name), err_msg=name)
    assert copy.history_ == original.history_
    assert copy.n_iter_ == original.n_iter_ and copy.fvu_ == original.fvu_
    new_points = X * np.float32(1.1) + np.float32(0.2)
    for data in (X, new_points):
        np.testing.assert_array_equal(copy.transform(data), original.transform(data))
        np.testing.assert_array_equal(copy.predict(data), original.predict(data))
        assert copy.score(data) == original.score(data)


def test_pickle_round_trip(iris, wine):
    for X, model in ((iris, manifit.ElasticMap(grid="sphere", size=(6, 5))),
                     (wine, manifit.ElasticMap(grid="graph", size=12, test_size=0.2))):
        model.fit(X)
        copy = pickle.loads(pickle.dumps(model))
        assert copy.get_params() == model.get_params()
        assert_same_map(copy, model, X)


def test_pickle_keeps_feature_names(iris):
    frame = pd.DataFrame(iris, columns=list("abcd"))
    copy = pickle.loads(pickle.dumps(manifit.ElasticMap(grid="line", size=5).fit(frame)))
    assert list(copy.feature_names_in_) == list("abcd")


def test_unfitted_pickle(iris):
    copy = pickle.loads(pickle.dumps(manifit.ElasticMap(size=(4, 7), schedule=[(1, 1)])))
    assert copy.get_params()["size"] == (4, 7)
    assert copy.fit(iris).nodes_.shape == (28, 4)


def test_model_file_round_trip(iris, wine, tmp_path):
    """A saved and loaded map is the original: same arrays, history and
    projections of the fitted and of new points; its parameters come back."""
    frame = pd.DataFrame(wine, columns=[f"c{k}" for k in range(wine.shape[1])])
    cases = ((iris, manifit.ElasticMap(grid="sphere", size=(6, 5))),
             (iris, manifit.ElasticMap(grid="line", size=4, test_size=0.25, schedule=[
                 (1, 1), {"kind": "adapt", "type": "grow", "numstep": 3, "numiter": 10}])),
             (frame, manifit.ElasticMap(grid="graph", size=12, normalize=False)))
    for number, (X, model) in enumerate(cases):
        model.fit(X)
        path = tmp_path / f"map{number}.json"
        model.save(path)
        copy = manifit.load(path)
        # The grid, schedule and normalization come back spelled out in full
        # and fit the same map; the file records the split's counts only.
        params = dict(copy.get_params(), test_size=model.test_size)
        refit = manifit.ElasticMap(**params).fit(X)
        np.testing.assert_array_equal(refit.nodes_, model.nodes_)
        assert_same_map(copy, model, X)
        if isinstance(X, pd.DataFrame):
            assert list(copy.feature_names_in_) == list(X.columns)
        else:
            assert not hasattr(copy, "feature_names_in_")
        # Saving the loaded copy gives the same file.
        copy.save(tmp_path / "again.json")
        assert (tmp_path / "again.json").read_bytes() == path.read_bytes()


def test_tool_model_file_loads(iris, run_tool):
    """manifit -model writes a file the package loads into the map the
    package itself fits for the same section."""
    from conftest import CONFIG

    tool = run_tool(iris, "-i", str(CONFIG), "-n", "2", "-o", "out.map", "-model", "out.json")
    assert tool.status == 0, tool.stdout
    loaded = manifit.load(tool.folder / "out.json")
    fitted = manifit.ElasticMap.from_config(CONFIG, 2).fit(iris)
    np.testing.assert_array_equal(loaded.nodes_, fitted.nodes_)
    np.testing.assert_array_equal(loaded.transform(iris), fitted.transform(iris))
    assert loaded.grid_type_ == "sphere" and loaded.final_error_ == fitted.final_error_


def test_unreadable_model_files(tmp_path):
    for text in ("", "{", '{"format": "something else"}', "[1, 2]"):
        path = tmp_path / "bad.json"
        path.write_text(text)
        with pytest.raises(ValueError, match="bad.json"):
            manifit.load(path)
    with pytest.raises(ValueError):
        manifit.load(tmp_path / "missing.json")

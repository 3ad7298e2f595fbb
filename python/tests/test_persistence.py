"""Saved, loaded and pickled maps project exactly as the original."""

import pickle

import numpy as np
import pandas as pd

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

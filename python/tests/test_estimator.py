"""ElasticMap's behaviour: parameters, fitted attributes, the methods and
their errors."""

import numpy as np
import pandas as pd
import pytest
from sklearn.exceptions import NotFittedError

import manifit
from conftest import CONFIG


@pytest.fixture(scope="module")
def fitted(iris):
    return manifit.ElasticMap().fit(iris)


class TestParameters:
    def test_init_only_stores_parameters(self):
        model = manifit.ElasticMap(grid="nonsense", size=-3, schedule="bad")
        assert model.get_params()["grid"] == "nonsense"
        assert model.set_params(size=(4, 5)).size == (4, 5)

    @pytest.mark.parametrize("params, message", [
        ({"grid": "hexagon"}, "grid must be one of"),
        ({"size": 1}, "at least 2 x 2"),
        ({"grid": "sphere", "size": (2, 5)}, "at least 3 x 2"),
        ({"grid": "circle", "size": 2}, "at least 3"),
        ({"grid": "line", "size": (4, 5)}, "one int"),
        ({"size": 2.5}, "an int or a pair"),
        ({"size": 2**31}, "32-bit"),
        ({"schedule": "epoch"}, "schedule must be"),
        ({"schedule": [(1, 1, 1)]}, r"schedule\[0\] must be"),
        ({"schedule": [(1, float("nan"))]}, r"schedule\[0\]: rp must be a finite"),
        ({"schedule": [(1, 1), {"kind": "adapt", "numstep": -1}]}, r"schedule\[1\]: numstep"),
        ({"schedule": [{"kind": "grow"}]}, "kind must be 'epoch' or 'adapt'"),
        ({"schedule": [{"epsilon": 0.1}]}, "unknown field 'epsilon'"),
        ({"schedule": [{"numiter": 2.5}]}, "numiter must be an int"),
        ({"schedule": [{"minimize": "true"}]}, "minimize must be True or False"),
        ({"stretch": 0}, "stretch must be a positive number"),
        ({"stretch": (1, 2)}, "three positive numbers"),
        ({"test_size": 1.0}, r"fraction in \[0, 1\)"),
        ({"minclust": -1}, "minclust must be an int of 0"),
        ({"n_threads": 0}, "n_threads must be an int of 1"),
        ({"normalize": "yes"}, "normalize must be True or False"),
    ])
    def test_bad_parameters_are_refused_at_fit(self, iris, params, message):
        with pytest.raises(ValueError, match=message):
            manifit.ElasticMap(**params).fit(iris)

    def test_library_failures_come_back_as_value_errors(self, iris, tmp_path):
        """What the library refuses raises ValueError with the tool's message,
        and the interpreter carries on."""
        with pytest.raises(ValueError, match="more than the 1000000 a grid can hold"):
            manifit.ElasticMap(size=(2000, 2000)).fit(iris)
        with pytest.raises(ValueError, match="drew all 5 points, so none are left to fit"):
            manifit.ElasticMap(size=3, test_size=0.999).fit(iris[:5])
        with pytest.raises(ValueError, match="no cluster holds more than 200 points"):
            manifit.ElasticMap(grid="graph", size=5, minclust=200).fit(iris)
        model = manifit.ElasticMap(grid="line", size=4).fit(iris)
        for write in (model.save, model.write_manifold):
            with pytest.raises(ValueError, match="Can not open file for writing"):
                write(tmp_path / "missing-folder" / "out")
        assert not (tmp_path / "missing-folder").exists()


class TestInput:
    def test_nan_and_inf_name_the_first_bad_cell(self, iris):
        X = iris.astype(np.float64)
        X[7, 2] = np.inf
        X[9, 0] = np.nan
        with pytest.raises(ValueError, match=r"infinity .* at row 7, column 2"):
            manifit.ElasticMap().fit(X)
        X[7, 2] = 1.0
        with pytest.raises(ValueError, match="NaN at row 9, column 0"):
            manifit.ElasticMap().fit(X)

    def test_values_beyond_float_range_are_refused(self, iris):
        X = iris.astype(np.float64)
        X[3, 1] = 1e300
        with pytest.raises(ValueError, match="row 3, column 1"):
            manifit.ElasticMap().fit(X)

    def test_nan_in_new_points(self, fitted, iris):
        X = iris[:5].copy()
        X[4, 3] = np.nan
        with pytest.raises(ValueError, match="NaN at row 4, column 3"):
            fitted.transform(X)

    def test_wrong_shapes(self, fitted, iris):
        with pytest.raises(ValueError, match="4 features"):
            fitted.predict(iris[:, :3])
        with pytest.raises(ValueError):
            manifit.ElasticMap().fit(iris[0])
        with pytest.raises(ValueError, match="minimum of 2"):
            manifit.ElasticMap().fit(iris[:1])

    @pytest.mark.parametrize("weights, message", [
        (np.ones(3), r"expected shape \(150,\)"),
        (np.r_[np.ones(149), -1.0], r"sample_weight\[149\] is -1"),
        (np.r_[np.ones(149), np.inf], r"sample_weight\[149\] is inf"),
        (np.zeros(150), "add up to 0"),
    ])
    def test_bad_weights(self, iris, weights, message):
        with pytest.raises(ValueError, match=message):
            manifit.ElasticMap().fit(iris, sample_weight=weights)

    def test_dataframe_columns_become_feature_names(self, iris):
        frame = pd.DataFrame(iris, columns=["sepal_length", "sepal_width", "petal_length",
                                            "petal_width"])
        model = manifit.ElasticMap(grid="line", size=6).fit(frame)
        assert list(model.feature_names_in_) == list(frame.columns)
        with pytest.warns(UserWarning, match="feature names"):
            plain = model.transform(iris)
        np.testing.assert_array_equal(model.transform(frame), plain)

    def test_float64_input_is_rounded_to_float32(self, iris):
        model32 = manifit.ElasticMap(grid="circle", size=8).fit(iris)
        model64 = manifit.ElasticMap(grid="circle", size=8).fit(iris.astype(np.float64))
        np.testing.assert_array_equal(model32.nodes_, model64.nodes_)


class TestFittedAttributes:
    def test_unfitted_model_raises(self, iris):
        model = manifit.ElasticMap()
        for method in (model.transform, model.predict, model.score, model.inverse_transform,
                       model.save, model.plot):
            with pytest.raises(NotFittedError):
                method(iris)

    def test_shapes_and_types(self, fitted, iris):
        assert fitted.nodes_.shape == (100, 4) and fitted.nodes_.dtype == np.float32
        assert fitted.edges_.shape == (180, 2)
        assert fitted.ribs_.shape == (160, 3)
        assert fitted.triangles_.shape == (162, 3)
        assert fitted.grid_coordinates_.shape == (100, 3)
        assert fitted.components_.shape == (3, 4)
        np.testing.assert_allclose(np.linalg.norm(fitted.components_, axis=1), 1.0, rtol=1e-6)
        assert fitted.explained_variance_ratio_.shape == (3,)
        assert 0.5 < fitted.explained_variance_ratio_[0] < 1.0
        assert fitted.n_features_in_ == 4
        assert fitted.hits_.sum() == len(iris)

    def test_normalization_statistics(self, fitted, iris):
        np.testing.assert_allclose(fitted.mean_, iris.astype(np.float64).mean(axis=0), rtol=1e-6)
        np.testing.assert_allclose(fitted.scale_, iris.astype(np.float64).std(axis=0),
                                   rtol=1e-5)
        expected = fitted.nodes_.astype(np.float64) * fitted.scale_ + fitted.mean_
        np.testing.assert_allclose(fitted.nodes_input_, expected, rtol=1e-6)

    def test_history(self, fitted):
        history = fitted.history_
        assert fitted.n_iter_ == len(history) > 3
        assert [r["stage"] for r in history] == sorted(r["stage"] for r in history)
        assert {r["stage"] for r in history} == {1, 2, 3}
        assert all(r["test_error"] is None for r in history)
        # Each epoch stops once the node movement is at most its eps (0.001)
        # or after 20 iterations.
        for stage in (1, 2, 3):
            records = [r for r in history if r["stage"] == stage]
            assert records[-1]["df"] <= 0.001 or len(records) == 20

    def test_fvu_agrees_with_the_nearest_nodes(self, fitted, iris):
        points = fitted._normalized(iris).astype(np.float64)
        nearest = fitted.predict(iris)
        residual = ((points - fitted.nodes_[nearest]) ** 2).sum()
        total = ((points - points.mean(axis=0)) ** 2).sum()
        assert fitted.fvu_ == pytest.approx(residual / total)
        assert 0 < fitted.fvu_ < 0.2

    def test_test_size_reports_a_test_error(self, wine):
        model = manifit.ElasticMap(grid="line", size=10, test_size=0.3).fit(wine)
        assert all(r["test_error"] is not None and r["test_error"] > 0 for r in model.history_)
        drawn = np.count_nonzero(model.rows_ == 1)
        assert 0.15 * len(wine) < drawn < 0.45 * len(wine)
        assert model.hits_.sum() == len(wine) - drawn


class TestMethods:
    def test_predict_is_the_nearest_node(self, fitted, iris):
        points = fitted._normalized(iris).astype(np.float64)
        distances = ((points[:, None, :] - fitted.nodes_[None].astype(np.float64)) ** 2).sum(2)
        np.testing.assert_array_equal(fitted.predict(iris), distances.argmin(axis=1))

    def test_transform_of_a_node_is_its_grid_coordinates(self, fitted):
        on_nodes = fitted.nodes_input_[[0, 45, 99]]
        np.testing.assert_allclose(fitted.transform(on_nodes),
                                   fitted.grid_coordinates_[[0, 45, 99]], atol=1e-4)

    def test_new_points_are_projected(self, fitted, iris):
        shifted = iris + np.float32(0.05)
        coordinates = fitted.transform(shifted)
        assert coordinates.shape == (len(iris), 3)
        assert np.all(np.abs(coordinates[:, :2]) <= 1.0) and np.all(coordinates[:, 2] == 0)
        assert not np.array_equal(coordinates, fitted.transform(iris))

    def test_score_is_minus_the_mean_squared_distance(self, fitted, iris):
        score = fitted.score(iris)
        assert score < 0
        far = iris * np.float32(3.0)
        assert fitted.score(far) < score
        # The distance is to the projection on the map's surface, which lies
        # nearer than the nearest node for most points; the score is minus
        # the mean of those distances, with weights a weighted mean.
        points = fitted._normalized(iris).astype(np.float64)
        nearest = ((points - fitted.nodes_[fitted.predict(iris)]) ** 2).sum(1)
        assert -nearest.mean() < score
        surface = fitted._normalized(fitted.inverse_transform(fitted.transform(iris)))
        to_surface = ((points - surface) ** 2).sum(1)
        assert score == pytest.approx(-to_surface.mean(), rel=1e-4)
        weights = np.r_[np.ones(75), np.zeros(75)]
        assert fitted.score(iris, sample_weight=weights) == pytest.approx(fitted.score(iris[:75]))

    def test_fit_transform_is_fit_then_transform(self, iris):
        model = manifit.ElasticMap(grid="sphere", size=(6, 4))
        coordinates = model.fit_transform(iris)
        np.testing.assert_array_equal(coordinates, model.transform(iris))

    @pytest.mark.parametrize("grid, size", [("rectangle", 8), ("sphere", (8, 6)), ("line", 10),
                                            ("circle", 12), ("graph", 10)])
    def test_inverse_transform_at_the_nodes_gives_the_nodes(self, iris, grid, size):
        model = manifit.ElasticMap(grid=grid, size=size).fit(iris)
        np.testing.assert_allclose(model.inverse_transform(model.grid_coordinates_),
                                   model.nodes_input_, rtol=1e-5, atol=1e-5)

    # (A graph's grid coordinates do not lay its edges out without crossings,
    # so only its nodes have a single surface point.)
    @pytest.mark.parametrize("grid, size", [("rectangle", 8), ("sphere", (8, 6)), ("line", 10),
                                            ("circle", 12)])
    def test_projections_map_back_onto_the_surface(self, iris, grid, size):
        """The surface point at a point's grid coordinates lies in a triangle
        (or on an edge) around its nearest node, so it is no farther from the
        point than that node."""
        model = manifit.ElasticMap(grid=grid, size=size).fit(iris)
        surface = model._normalized(model.inverse_transform(model.transform(iris)))
        points = model._normalized(iris).astype(np.float64)
        to_surface = ((points - surface) ** 2).sum(axis=1)
        to_node = ((points - model.nodes_[model.predict(iris)]) ** 2).sum(axis=1)
        assert np.all(to_surface <= to_node + 1e-4)
        assert np.mean(to_surface) < np.mean(to_node)

    def test_inverse_transform_interpolates_inside_a_triangle(self, fitted):
        t = fitted.triangles_[10]
        weights = np.array([0.2, 0.3, 0.5])
        coordinates = weights @ fitted.grid_coordinates_[t].astype(np.float64)
        expected = weights @ fitted.nodes_input_[t].astype(np.float64)
        np.testing.assert_allclose(fitted.inverse_transform(coordinates[None])[0], expected,
                                   rtol=1e-5)

    def test_inverse_transform_errors(self, fitted):
        with pytest.raises(ValueError, match="shape"):
            fitted.inverse_transform(np.zeros((3, 5)))
        with pytest.raises(ValueError, match="finite"):
            fitted.inverse_transform([[np.nan, 0.0]])

    def test_thread_count_does_not_change_the_result(self, wine):
        one = manifit.ElasticMap(n_threads=1).fit(wine)
        two = manifit.ElasticMap(n_threads=2).fit(wine)
        np.testing.assert_array_equal(one.nodes_, two.nodes_)
        np.testing.assert_array_equal(one.transform(wine), two.transform(wine))

    def test_refit_gives_the_same_map(self, wine):
        model = manifit.ElasticMap(grid="graph", size=15)
        first = model.fit(wine).nodes_.copy()
        np.testing.assert_array_equal(model.fit(wine).nodes_, first)

    def test_verbose_prints_the_progress_lines(self, iris, capsys):
        manifit.ElasticMap(grid="line", size=5, verbose=True).fit(iris)
        out = capsys.readouterr().out
        assert "Strategy: epoch\n" in out
        assert out.count("Ep: 1 It: 0 MSE: ") == 1
        manifit.ElasticMap(grid="line", size=5).fit(iris)
        assert capsys.readouterr().out == ""

    def test_progress_goes_to_the_logger(self, iris, caplog):
        with caplog.at_level("DEBUG", logger="manifit"):
            manifit.ElasticMap(grid="line", size=5).fit(iris)
        assert any(r.getMessage().startswith("Ep: 1 It: 0 ") for r in caplog.records)


class TestConfiguration:
    def test_sections_give_their_parameters(self):
        model = manifit.ElasticMap.from_config(CONFIG, 2)
        assert (model.grid, model.size) == ("sphere", (8, 6))
        assert [(s["ep"], s["numiter"]) for s in model.schedule] == [(1.0, 20), (0.1, 20)]
        grown = manifit.ElasticMap.from_config(CONFIG, 10, normalize=False)
        assert grown.normalize is False
        assert [s["kind"] for s in grown.schedule] == ["epoch", "adapt", "epoch"]
        assert grown.schedule[1]["type"] == "grow" and grown.schedule[1]["numstep"] == 10
        graph = manifit.ElasticMap.from_config(CONFIG, 11)
        assert (graph.grid, graph.size, graph.minclust) == ("graph", 20, 5)

    def test_other_strategies_train_nothing(self, tmp_path, iris):
        config = tmp_path / "a.ini"
        config.write_text("#ALG0\nalgtype none\ngrid.type linear\ngrid.size1 5\nepoch.id 1\n")
        model = manifit.ElasticMap.from_config(config, 0)
        assert model.schedule == []
        assert model.fit(iris).n_iter_ == 0

    def test_configuration_errors(self, tmp_path):
        with pytest.raises(ValueError, match="Can not open configuration file"):
            manifit.ElasticMap.from_config(tmp_path / "missing.ini", 1)
        with pytest.raises(ValueError, match="no line beginning with #ALG5"):
            manifit.ElasticMap.from_config(CONFIG, 5)
        config = tmp_path / "bad.ini"
        config.write_text("#ALG1\ngrid.type hexagon\n")
        with pytest.raises(ValueError, match="No such grid type : hexagon"):
            manifit.ElasticMap.from_config(config, 1)
        with pytest.raises(ValueError, match="0 or more"):
            manifit.ElasticMap.from_config(CONFIG, -1)

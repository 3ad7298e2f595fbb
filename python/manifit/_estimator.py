"""manifit.ElasticMap: an elastic principal manifold as a scikit-learn estimator."""

import logging
import sys

import numpy as np
from sklearn.base import BaseEstimator, TransformerMixin
from sklearn.utils.validation import check_is_fitted

from . import _core
from ._params import CONFIG_GRID_NAMES, TWO_SIZE_GRIDS, check_params, section_text
from ._statistics import unexplained_fraction
from ._surface import surface_points
from ._validation import as_weights, validate_table

logger = logging.getLogger("manifit")


class ElasticMap(TransformerMixin, BaseEstimator):
    """An elastic map: a grid of nodes fitted to the data by minimizing the
    mean squared distance of the points to their nearest nodes plus a
    stretching penalty on the grid's edges and a bending penalty on its ribs.

    Parameters
    ----------
    grid : {"rectangle", "sphere", "line", "circle", "graph"}, default "rectangle"
        The grid's shape; "graph" grows an elastic graph from clusters of the data.
    size : int or (int, int), default 10
        Node counts: a pair (or one int for both) for a rectangle (rows,
        columns) or a sphere (meridians, rings); one int for a line or a
        circle (nodes) and a graph (start nodes of its clustering).
    schedule : list, default None
        The training stages, in order. Simple form: (stretching, bending)
        elasticity pairs, one epoch each with the stage defaults (at most 100
        iterations, stop when the mean node movement is at most 0.01). Full
        form: dicts with any of the stage fields ``kind`` ("epoch" or
        "adapt"), ``ep``, ``rp``, ``eps``, ``epsSLAU``, ``epsMSE``,
        ``numiter``, ``numstep``, ``numiterSLAU``, ``extrapolate``,
        ``numevery``, ``minimize``, ``type`` ("grow" or "break"). None: three
        epochs with elasticities 1, 0.1 and 0.01, each at most 20 iterations
        with eps 0.001.
    stretch : float or three floats, default 0.8
        Initial spread of the grid along each of the first three principal
        components.
    normalize : bool, default True
        Centre each column and divide it by its standard deviation before fitting.
    test_size : float in [0, 1), default None
        Fraction of the points drawn at random as a test set whose error is
        reported in ``history_``; they take no part in the fit.
    minclust : int, default 5
        Graph grid: clusters of this many points or fewer are dropped.
    n_threads : int, default None
        Worker threads (None: the hardware's count). Results do not depend on it.
    verbose : bool or int, default False
        Print what the command-line tool prints during the fit (the
        components' progress, the strategy, one progress line per
        iteration). It always goes to the ``logging`` logger "manifit" at
        debug level; the tool's warnings go to it at warning level.

    Bad parameters or input raise ValueError naming the parameter, or the
    first bad row and column; what the library refuses (sizes over its
    limits, a graph that cannot grow, a split that leaves no point to fit, a
    file that cannot be written or read) raises ValueError with the
    command-line tool's message; the methods of an unfitted estimator raise
    NotFittedError.
    """

    def __init__(self, grid="rectangle", size=10, schedule=None, stretch=0.8, normalize=True,
                 test_size=None, minclust=5, n_threads=None, verbose=False):
        self.grid = grid
        self.size = size
        self.schedule = schedule
        self.stretch = stretch
        self.normalize = normalize
        self.test_size = test_size
        self.minclust = minclust
        self.n_threads = n_threads
        self.verbose = verbose

    @classmethod
    def from_config(cls, path, n, **params):
        """The estimator of section "#ALG<n>" of a configuration file; other
        parameters (normalize, test_size, ...) may be given as keywords."""
        section = _core.read_configuration(str(path), int(n))
        _warn_section(section)
        return cls(**_section_params(section), **params)

    def fit(self, X, y=None, sample_weight=None):
        """Fit the map to X (n_samples, n_features); y is ignored."""
        checked = check_params(self.get_params())
        table = validate_table(self, X, reset=True)
        weights = None if sample_weight is None else as_weights(sample_weight, table.shape[0])
        progress = _Progress(checked["verbose"])
        result = _core.fit(table, weights, _grid_settings(checked), checked["stages"],
                           _run_options(checked), progress)
        self._set_fitted(result)
        self._summarize_training(table, weights)
        self._section = section_text(checked)
        return self

    def transform(self, X):
        """Grid coordinates (three per point) of each point's projection onto the map."""
        return self._project(X)["coordinates"]

    def predict(self, X):
        """Index of each point's nearest node."""
        return self._project(X)["nearest"]

    def score(self, X, y=None, sample_weight=None):
        """Minus the mean squared distance of the points to the map (higher is
        better), in the units the map was fitted in."""
        distances = self._project(X)["distance"].astype(np.float64)
        if sample_weight is None:
            return -float(np.mean(distances))
        weights = as_weights(sample_weight, distances.shape[0]).astype(np.float64)
        return -float(np.sum(weights * distances) / np.sum(weights))

    def inverse_transform(self, X):
        """Points of the map's surface (in the input's units) at the given grid
        coordinates, interpolated on its triangles, or on its edges for grids
        without triangles."""
        check_is_fitted(self, "nodes_")
        coordinates = np.asarray(X, dtype=np.float64)
        if coordinates.ndim != 2 or coordinates.shape[1] not in (1, 2, 3):
            raise ValueError(f"inverse_transform takes grid coordinates of shape (n, 3) (or "
                             f"(n, 1), (n, 2) with the rest 0); got shape {coordinates.shape}")
        if not np.isfinite(coordinates).all():
            raise ValueError("inverse_transform: the grid coordinates must be finite")
        full = np.zeros((coordinates.shape[0], 3))
        full[:, : coordinates.shape[1]] = coordinates
        return surface_points(full, self.grid_coordinates_.astype(np.float64),
                              self.nodes_input_.astype(np.float64), self.triangles_, self.edges_)

    def save(self, path):
        """Write the fitted map to a model file that manifit.load reads back."""
        check_is_fitted(self, "nodes_")
        _core.write_model(self._model_file(), str(path))

    def write_manifold(self, path, data_name="none"):
        """Write the manifold file of the command-line tool's -o option."""
        check_is_fitted(self, "nodes_")
        _core.write_manifold(self._model()["map"], str(path), str(data_name))

    def plot(self, X=None, ax=None):
        """The data (when given) and the map's edges on the plane of the first
        two principal components, and the map coloured by its nodes' hit
        counts. Needs matplotlib; returns the figure."""
        from ._plot import plot_map

        return plot_map(self, X, ax)

    # Fitted state.

    def _set_fitted(self, result):
        fitted = result["map"]
        self.nodes_ = fitted["nodes"]
        self.edges_ = fitted["edges"]
        self.ribs_ = fitted["ribs"]
        self.triangles_ = fitted["triangles"]
        self.grid_coordinates_ = fitted["grid_coordinates"]
        self.edge_coefficients_ = fitted["edge_coefficients"]
        self.rib_coefficients_ = fitted["rib_coefficients"]
        self.grid_type_ = CONFIG_GRID_NAMES.get(fitted["type"], fitted["type"])
        self.grid_size_ = (int(fitted["size1"]), int(fitted["size2"]))
        self._manifold_dimension = int(fitted["manifold_dimension"])
        self.normalized_ = bool(result["normalized"])
        self.mean_ = result["mean"]
        self.scale_ = result["scale"]
        self.nodes_input_ = _input_units(self.nodes_, self.mean_, self.scale_)
        self.components_ = result["components"]
        self.components_mean_ = result["components_mean"]
        self.explained_variance_ratio_ = result["variance_fractions"]
        self.history_ = [dict(record) for record in result["history"]]
        self.n_iter_ = len(self.history_)
        self.final_error_ = float(result["final_error"])
        self.fvu_ = float(result["fvu"]) if "fvu" in result else None
        self.hits_ = None
        self.rows_ = result.get("rows")

    def _summarize_training(self, table, weights):
        """hits_ (fitted points nearest to each node) and fvu_ (the fraction
        of their variance the nearest nodes leave unexplained)."""
        fitted = self.rows_ == 0
        points = self._normalized(table)[fitted]
        nearest = _core.project(self._model()["map"], points,
                                _thread_count(self.n_threads))["nearest"]
        self.hits_ = np.bincount(nearest, minlength=len(self.nodes_))
        self.fvu_ = unexplained_fraction(points, self.nodes_[nearest],
                                         None if weights is None else weights[fitted])

    def _model(self):
        """The fitted map as the core's model record."""
        return {
            "map": {
                "type": _config_type(self.grid_type_),
                "size1": self.grid_size_[0],
                "size2": self.grid_size_[1],
                "nodes": self.nodes_,
                "edges": self.edges_,
                "ribs": self.ribs_,
                "triangles": self.triangles_,
                "grid_coordinates": self.grid_coordinates_,
                "edge_coefficients": self.edge_coefficients_,
                "rib_coefficients": self.rib_coefficients_,
                "manifold_dimension": self._manifold_dimension,
            },
            "normalized": self.normalized_,
            "mean": self.mean_,
            "scale": self.scale_,
            "components": self.components_,
            "components_mean": self.components_mean_,
            "variance_fractions": self.explained_variance_ratio_,
            "history": self.history_,
            "final_error": self.final_error_,
            "fvu": self.fvu_,
            "rows": self.rows_,
        }

    def _model_file(self):
        """The fitted map with everything the model file holds."""
        model = self._model()
        names = getattr(self, "feature_names_in_", None)
        model["columns"] = ([str(name) for name in names] if names is not None else
                            [f"x{k + 1}" for k in range(self.nodes_.shape[1])])
        model["configuration_file"] = ""
        model["algorithm"] = 0
        model["section"] = getattr(self, "_section", "")
        if self.rows_ is not None:
            counts = tuple(int(np.count_nonzero(self.rows_ == part)) for part in (0, 1, 2))
        else:  # a loaded map keeps the counts its file recorded
            counts = getattr(self, "_point_counts", (0, 0, 0))
        model["fit_points"], model["test_points"], model["discarded_points"] = counts
        return model

    def _normalized(self, table):
        """The table in the fitted units: (x - mean) / deviation per column,
        with the command-line tool's arithmetic."""
        if not self.normalized_:
            return table
        return _core.normalize(table, self.mean_, self.scale_)

    def _project(self, X):
        check_is_fitted(self, "nodes_")
        table = validate_table(self, X, reset=False)
        return _core.project(self._model()["map"], self._normalized(table),
                             _thread_count(self.n_threads))

    def _more_tags(self):
        return {"preserves_dtype": [np.float32], "requires_positive_X": False}

    def __sklearn_tags__(self):  # scikit-learn 1.6 and later
        tags = super().__sklearn_tags__()
        tags.transformer_tags.preserves_dtype = ["float32"]
        return tags


class _Progress:
    """Receives the fit's texts: the messages (progress lines and the rest of
    what the command-line tool prints) are printed when verbose and always
    logged at debug level; the warnings (the tool's standard error) are
    logged at warning level. The core checks for Ctrl-C after each call."""

    def __init__(self, verbose):
        self.verbose = verbose

    def __call__(self, kind, text):
        if kind == "warning":
            logger.warning(text.rstrip("\n"))
            return
        if self.verbose:
            sys.stdout.write(text)
            sys.stdout.flush()
        logger.debug(text.rstrip("\n"))


def _input_units(nodes, mean, scale):
    """Nodes in the input's units: x * deviation + mean per column in double
    precision, rounded once to float, as the model file writes them."""
    return (nodes.astype(np.float64) * scale + mean).astype(np.float32)


def _warn_section(section):
    """The warnings the command-line tool prints for a configuration section."""
    for text in section["warnings"]:
        logger.warning(text)


def _config_type(grid_name):
    from ._params import GRID_TYPES

    return GRID_TYPES[grid_name]


def _thread_count(n_threads):
    return 0 if n_threads is None else int(n_threads)


def _grid_settings(checked):
    return {
        "type": checked["config_type"],
        "size1": checked["size1"],
        "size2": checked["size2"],
        "stretch": checked["stretch"],
        "minclust": checked["minclust"],
    }


def _run_options(checked):
    test = checked["test_size"]
    return {
        "normalize": checked["normalize"],
        "test_fraction": -1.0 if test is None else test,
        "threads": _thread_count(checked["n_threads"]),
    }


def _section_params(section):
    """Estimator parameters from a configuration section read by the core."""
    settings = section["grid"]
    grid = CONFIG_GRID_NAMES[settings["type"]]
    size = (settings["size1"], settings["size2"]) if grid in TWO_SIZE_GRIDS else settings["size1"]
    stages = section["stages"]
    if grid != "graph" and section["strategy"] != "epoch":
        stages = []  # a strategy other than "epoch" trains nothing
    return {
        "grid": grid,
        "size": size,
        "schedule": [{key: _shortest(value) for key, value in stage.items()} for stage in stages],
        "stretch": tuple(_shortest(value) for value in settings["stretch"]),
        "minclust": settings["minclust"],
    }


def _shortest(value):
    """A 32-bit float setting as the shortest decimal that reads back as the
    same float (0.1 rather than 0.10000000149011612); other values as they are."""
    if isinstance(value, float):
        return float(str(np.float32(value)))
    return value


def load(path):
    """The fitted ElasticMap of a model file written by ElasticMap.save (or by
    manifit -model); its grid, schedule and normalization come from the
    configuration section the file records (the file keeps the counts of a
    test split, not test_size)."""
    model = _core.read_model(str(path))
    estimator = ElasticMap(**_recorded_params(model))
    estimator._set_fitted(model)
    estimator._section = model["section"]
    estimator._point_counts = (int(model["fit_points"]), int(model["test_points"]),
                               int(model["discarded_points"]))
    estimator.n_features_in_ = int(estimator.nodes_.shape[1])
    columns = list(model["columns"])
    if columns != [f"x{k + 1}" for k in range(len(columns))]:
        estimator.feature_names_in_ = np.asarray(columns, dtype=object)
    return estimator


def _recorded_params(model):
    """Estimator parameters from the model file's section text, or, when it
    has none that reads, from its grid."""
    params = {"normalize": bool(model["normalized"])}
    if model["section"]:
        try:
            section = _core.read_configuration_text(model["section"], model["algorithm"],
                                                    "the model's section")
            params.update(_section_params(section))
            return params
        except ValueError:
            pass
    fitted = model["map"]
    grid = CONFIG_GRID_NAMES.get(fitted["type"], "rectangle")
    size = (int(fitted["size1"]), int(fitted["size2"]))
    params.update(grid=grid, size=size if grid in ("rectangle", "sphere") else size[0])
    return params

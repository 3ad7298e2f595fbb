"""ElasticMap as scikit-learn sees it: its own estimator checks, pipelines
and a grid search."""

import numpy as np
import pytest
from sklearn.model_selection import GridSearchCV
from sklearn.pipeline import Pipeline
from sklearn.preprocessing import StandardScaler
from sklearn.utils.estimator_checks import parametrize_with_checks

import manifit

# Checks that cannot apply to this kind of model, with the reason.
NOT_APPLICABLE = {
    "check_sample_weights_invariance(kind=zeros)":
        "the columns are normalized with unweighted statistics (as the command-line tool does: "
        "weights are attached after normalization), so points of weight 0 still shift the "
        "normalization; test_zero_weights_without_normalization covers the rest",
}


def check_name(check):
    name = getattr(check, "func", check).__name__
    keywords = getattr(check, "keywords", {})
    if keywords:
        name += "(" + ", ".join(f"{k}={v}" for k, v in keywords.items()) + ")"
    return name


@parametrize_with_checks([manifit.ElasticMap(size=5)])
def test_scikit_learn_checks(estimator, check):
    reason = NOT_APPLICABLE.get(check_name(check))
    if reason:
        pytest.skip(reason)
    check(estimator)


def test_pipeline_with_a_scaler(iris):
    pipeline = Pipeline([("scale", StandardScaler()),
                         ("map", manifit.ElasticMap(grid="line", size=8, normalize=False))])
    coordinates = pipeline.fit_transform(iris)
    assert coordinates.shape == (len(iris), 3)
    assert np.all(np.abs(coordinates[:, 0]) <= 1.0)
    fitted = pipeline.named_steps["map"]
    np.testing.assert_array_equal(pipeline.predict(iris), fitted.predict(
        pipeline.named_steps["scale"].transform(iris)))
    assert pipeline.score(iris) == pytest.approx(fitted.score(
        pipeline.named_steps["scale"].transform(iris)))


def test_grid_search_over_size(wine):
    search = GridSearchCV(manifit.ElasticMap(grid="line"), {"size": [3, 12]}, cv=3)
    search.fit(wine)
    scores = search.cv_results_["mean_test_score"]
    assert np.all(scores < 0)
    # A longer curve leaves the points nearer to it.
    assert search.best_params_ == {"size": 12}
    assert search.best_estimator_.nodes_.shape == (12, wine.shape[1])


def test_zero_weights_without_normalization(iris):
    """Points of weight 0 take no part in the fit once the normalization is
    out of the picture."""
    from sklearn.utils.estimator_checks import check_sample_weights_invariance

    check_sample_weights_invariance("ElasticMap", manifit.ElasticMap(size=5, normalize=False),
                                    kind="zeros")

"""Turning user input into the float tables the core reads."""

import numpy as np

try:  # scikit-learn 1.6 and later
    from sklearn.utils.validation import validate_data as _validate_data
except ImportError:  # earlier versions: the estimator method
    _validate_data = None


def first_bad_cell(values):
    """(row, column, kind) of the first NaN or infinite value, or None."""
    bad = ~np.isfinite(values)
    if not bad.any():
        return None
    row, column = np.argwhere(bad)[0]
    kind = "NaN" if np.isnan(values[row, column]) else "infinity (or a value beyond the 32-bit float range)"
    return int(row), int(column), kind


def validate_table(estimator, X, reset, what="X"):
    """X as a C-ordered float32 copy, checked against (reset: recorded as) the
    fitted columns; NaN or inf refused, naming the first bad cell."""
    options = dict(dtype=np.float32, order="C", copy=True, force_all_finite=False,
                   ensure_min_samples=2 if reset else 1, reset=reset)
    # A value beyond the float range becomes inf here and is reported below.
    with np.errstate(over="ignore", invalid="ignore"):
        if _validate_data is not None:
            table = _validate_data(estimator, X, **options)
        else:
            table = estimator._validate_data(X, **options)
    bad = first_bad_cell(table)
    if bad is not None:
        row, column, kind = bad
        raise ValueError(f"Input {what} contains {kind} at row {row}, column {column} "
                         f"(counting from 0); every value must be a finite number")
    return table


def as_weights(sample_weight, count):
    """The point weights as float32: finite, 0 or more, and not all 0."""
    weights = np.asarray(sample_weight, dtype=np.float64)
    if weights.ndim == 0:
        weights = np.full(count, float(weights))
    if weights.shape != (count,):
        raise ValueError(f"sample_weight must hold one weight per sample: expected shape "
                         f"({count},), got {weights.shape}")
    weights = weights.astype(np.float32)
    for i, w in enumerate(weights):
        if not np.isfinite(w) or w < 0:
            raise ValueError(f"sample_weight[{i}] is {w}; every weight must be a finite number "
                             f"of 0 or more")
    if not (weights > 0).any():
        raise ValueError("sample_weight: the weights add up to 0, so there is nothing to fit")
    return weights

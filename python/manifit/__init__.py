"""manifit: elastic principal manifolds (elastic maps) for Python.

    >>> import manifit
    >>> model = manifit.ElasticMap(grid="rectangle", size=(10, 10)).fit(X)
    >>> coordinates = model.transform(X)   # each point's place on the map

ElasticMap is a scikit-learn estimator; manifit.load reads a saved map back.
"""

from ._estimator import ElasticMap, load

__version__ = "0.1.0"
__all__ = ["ElasticMap", "load", "__version__"]

"""Points of a fitted map's surface at given grid coordinates.

A query c (three grid coordinates) is placed on the triangle (or, for grids
without triangles, the edge) whose grid-coordinate image lies nearest to it,
at its nearest point there, and mapped to data space with the same weights:
x = n0 + u (n1 - n0) + v (n2 - n0)."""

import numpy as np

# Queries handled at once: bounds the (queries x triangles) work arrays.
_CHUNK = 256


def _segment_weights(c, a, b):
    """t in [0, 1] of the nearest point a + t (b - a) to each query, and the
    squared distance: shapes (Q, S)."""
    ab = b - a  # (S, 3)
    length = np.einsum("sk,sk->s", ab, ab)
    t = np.einsum("qsk,sk->qs", c[:, None, :] - a[None, :, :], ab)
    t = np.clip(np.divide(t, length, out=np.zeros_like(t), where=length > 0), 0.0, 1.0)
    nearest = a[None, :, :] + t[..., None] * ab[None, :, :]
    return t, np.sum((c[:, None, :] - nearest) ** 2, axis=2)


def _triangle_weights(c, p0, p1, p2):
    """(u, v) of the nearest point p0 + u (p1 - p0) + v (p2 - p0) of each
    triangle to each query, and its squared distance: shapes (Q, T)."""
    e1 = p1 - p0
    e2 = p2 - p0
    d11 = np.einsum("tk,tk->t", e1, e1)
    d12 = np.einsum("tk,tk->t", e1, e2)
    d22 = np.einsum("tk,tk->t", e2, e2)
    det = d11 * d22 - d12 * d12
    w = c[:, None, :] - p0[None, :, :]
    r1 = np.einsum("qtk,tk->qt", w, e1)
    r2 = np.einsum("qtk,tk->qt", w, e2)
    safe = np.where(det > 0, det, 1.0)
    u = (d22 * r1 - d12 * r2) / safe
    v = (d11 * r2 - d12 * r1) / safe
    inside = (det > 0) & (u >= 0) & (v >= 0) & (u + v <= 1)
    plane = p0[None] + u[..., None] * e1[None] + v[..., None] * e2[None]
    best = np.where(inside, np.sum((c[:, None, :] - plane) ** 2, axis=2), np.inf)
    best_u = np.where(inside, u, 0.0)
    best_v = np.where(inside, v, 0.0)
    # Outside (or degenerate): the nearest point of the three sides.
    for a, b, to_uv in ((p0, p1, lambda t: (t, 0 * t)), (p0, p2, lambda t: (0 * t, t)),
                        (p1, p2, lambda t: (1 - t, t))):
        t, d = _segment_weights(c, a, b)
        su, sv = to_uv(t)
        closer = d < best
        best = np.where(closer, d, best)
        best_u = np.where(closer, su, best_u)
        best_v = np.where(closer, sv, best_v)
    return best_u, best_v, best


def surface_points(coordinates, grid_coordinates, nodes, triangles, edges):
    """Data-space points at the given grid coordinates, (Q, 3) -> (Q, D)."""
    out = np.empty((coordinates.shape[0], nodes.shape[1]))
    triangles = np.asarray(triangles, dtype=np.intp).reshape(-1, 3)
    edges = np.asarray(edges, dtype=np.intp).reshape(-1, 2)
    if len(triangles) == 0 and len(edges) == 0:
        # A single node: every point of the map is that node.
        if len(nodes) == 0:
            raise ValueError("inverse_transform: the map has no nodes")
        out[:] = nodes[0]
        return out
    for start in range(0, coordinates.shape[0], _CHUNK):
        c = coordinates[start:start + _CHUNK]
        rows = np.arange(c.shape[0])
        if len(triangles):
            g = [grid_coordinates[triangles[:, i]] for i in range(3)]
            u, v, d = _triangle_weights(c, *g)
            k = np.argmin(d, axis=1)
            u, v = u[rows, k], v[rows, k]
            n0, n1, n2 = (nodes[triangles[k, i]] for i in range(3))
            out[start:start + _CHUNK] = n0 + u[:, None] * (n1 - n0) + v[:, None] * (n2 - n0)
        else:
            t, d = _segment_weights(c, grid_coordinates[edges[:, 0]],
                                    grid_coordinates[edges[:, 1]])
            k = np.argmin(d, axis=1)
            t = t[rows, k]
            n0, n1 = nodes[edges[k, 0]], nodes[edges[k, 1]]
            out[start:start + _CHUNK] = n0 + t[:, None] * (n1 - n0)
    return out

"""Checking the estimator's parameters and turning them into the records the
fitting core takes: the grid settings, the stages to run and the run options."""

import math
import numbers

# Estimator grid names and the configuration file's names for them.
GRID_TYPES = {
    "rectangle": "simplerectangular",
    "sphere": "sphere",
    "line": "linear",
    "circle": "circle",
    "graph": "elgraph",
}
CONFIG_GRID_NAMES = {config: name for name, config in GRID_TYPES.items()}

# Grids laid out on two sizes; the others take one.
TWO_SIZE_GRIDS = ("rectangle", "sphere")

# The smallest sizes each grid's layout needs.
MIN_SIZES = {"rectangle": (2, 2), "sphere": (3, 2), "line": (2,), "circle": (3,), "graph": (1,)}

# Every field of a schedule stage with its type; the defaults are those a
# stage of each kind gets in a configuration file.
STAGE_REALS = ("ep", "rp", "eps", "epsSLAU", "epsMSE")
STAGE_COUNTS = ("numiter", "numstep", "numiterSLAU", "extrapolate", "numevery")
STAGE_FIELDS = ("kind", "type", "minimize") + STAGE_REALS + STAGE_COUNTS
EPOCH_DEFAULTS = {
    "kind": "epoch", "type": "", "ep": 1.0, "rp": 1.0, "eps": 0.01, "epsSLAU": 0.01,
    "epsMSE": 0.0, "numiter": 100, "numstep": 0, "numiterSLAU": 100, "extrapolate": 0,
    "numevery": 0, "minimize": True,
}
ADAPT_DEFAULTS = dict(EPOCH_DEFAULTS, kind="adapt", epsMSE=0.01, numstep=100, numevery=1)

# Three epochs that soften the map, elasticities 1, 0.1 and 0.01.
DEFAULT_SCHEDULE = tuple(
    {"ep": e, "rp": e, "numiter": 20, "eps": 0.001} for e in (1.0, 0.1, 0.01))

# The most worker threads a fit may ask for.
MAX_THREADS = 1024


def _is_integer(value):
    return isinstance(value, numbers.Integral) and not isinstance(value, bool)


def _is_real(value):
    return isinstance(value, numbers.Real) and not isinstance(value, bool)


def _check_grid(grid):
    if not isinstance(grid, str) or grid not in GRID_TYPES:
        names = ", ".join(repr(name) for name in GRID_TYPES)
        raise ValueError(f"grid must be one of {names}; got {grid!r}")
    return grid


def _check_size(size, grid):
    """(size1, size2) from an int or a pair; one-size grids take an int."""
    if _is_integer(size):
        sizes = (int(size), int(size)) if grid in TWO_SIZE_GRIDS else (int(size), 10)
    elif isinstance(size, (tuple, list)) and len(size) == 2 and all(_is_integer(s) for s in size):
        if grid not in TWO_SIZE_GRIDS:
            raise ValueError(f"size of a {grid} grid is one int (its node count); got {size!r}")
        sizes = (int(size[0]), int(size[1]))
    else:
        raise ValueError(f"size must be an int or a pair of ints; got {size!r}")
    minimum = MIN_SIZES[grid]
    if max(sizes) > 2**31 - 1:
        raise ValueError(f"size must fit a 32-bit int; got {size!r}")
    if any(s < m for s, m in zip(sizes, minimum)):
        least = " x ".join(str(m) for m in minimum)
        raise ValueError(f"size of a {grid} grid must be at least {least}; got {size!r}")
    return sizes


def _check_stretch(stretch):
    values = stretch if isinstance(stretch, (tuple, list)) else (stretch,) * 3
    if len(values) != 3 or not all(_is_real(v) and math.isfinite(v) and v > 0 for v in values):
        raise ValueError(
            f"stretch must be a positive number or three positive numbers; got {stretch!r}")
    return tuple(float(v) for v in values)


def _check_stage(item, position):
    """One schedule entry: an (ep, rp) pair or a dict of stage fields."""
    where = f"schedule[{position}]"
    if isinstance(item, dict):
        kind = item.get("kind", "epoch")
        if kind not in ("epoch", "adapt"):
            raise ValueError(f"{where}: kind must be 'epoch' or 'adapt'; got {kind!r}")
        unknown = [key for key in item if key not in STAGE_FIELDS]
        if unknown:
            raise ValueError(f"{where}: unknown field {unknown[0]!r}; the fields are "
                             + ", ".join(STAGE_FIELDS))
        stage = dict(ADAPT_DEFAULTS if kind == "adapt" else EPOCH_DEFAULTS)
        stage.update(item)
    elif isinstance(item, (tuple, list)) and len(item) == 2:
        stage = dict(EPOCH_DEFAULTS, ep=item[0], rp=item[1])
    else:
        raise ValueError(
            f"{where} must be a (stretching, bending) pair or a dict of stage fields; got {item!r}")
    for key in STAGE_REALS:
        value = stage[key]
        if not _is_real(value) or not math.isfinite(value) or value < 0:
            raise ValueError(f"{where}: {key} must be a finite number of 0 or more; got {value!r}")
        stage[key] = float(value)
    for key in STAGE_COUNTS:
        value = stage[key]
        if not _is_integer(value) or value < 0 or value > 2**31 - 1:
            raise ValueError(f"{where}: {key} must be an int of 0 or more; got {value!r}")
        stage[key] = int(value)
    if not isinstance(stage["minimize"], bool):
        raise ValueError(f"{where}: minimize must be True or False; got {stage['minimize']!r}")
    kind_text = stage["type"]
    if (not isinstance(kind_text, str) or len(kind_text) > 999
            or any(c in kind_text for c in " =\t\r\n")):
        raise ValueError(f"{where}: type must be one word ('grow' or 'break'); got {kind_text!r}")
    return stage


def _check_schedule(schedule):
    if schedule is None:
        schedule = DEFAULT_SCHEDULE
    if isinstance(schedule, (str, bytes, dict)) or not hasattr(schedule, "__iter__"):
        raise ValueError(
            f"schedule must be a list of (stretching, bending) pairs or of stage dicts; "
            f"got {schedule!r}")
    return [_check_stage(item, i) for i, item in enumerate(schedule)]


def _check_fraction(test_size):
    if test_size is None:
        return None
    if not _is_real(test_size) or not 0 <= test_size < 1:
        raise ValueError(f"test_size must be None or a fraction in [0, 1); got {test_size!r}")
    return float(test_size)


def _check_count(name, value, minimum):
    if not _is_integer(value) or value < minimum:
        raise ValueError(f"{name} must be an int of {minimum} or more; got {value!r}")
    return int(value)


def check_params(params):
    """The checked parameters as one plain dict; ValueError names the first bad one."""
    grid = _check_grid(params["grid"])
    size1, size2 = _check_size(params["size"], grid)
    if not isinstance(params["normalize"], (bool,)) and params["normalize"] not in (0, 1):
        raise ValueError(f"normalize must be True or False; got {params['normalize']!r}")
    threads = params["n_threads"]
    if threads is not None:
        threads = _check_count("n_threads", threads, 1)
        if threads > MAX_THREADS:
            raise ValueError(f"n_threads must be at most {MAX_THREADS}; got {threads!r}")
    verbose = params["verbose"]
    if not (isinstance(verbose, bool) or _is_integer(verbose)):
        raise ValueError(f"verbose must be a bool or an int; got {verbose!r}")
    return {
        "grid": grid,
        "config_type": GRID_TYPES[grid],
        "size1": size1,
        "size2": size2,
        "stages": _check_schedule(params["schedule"]),
        "stretch": _check_stretch(params["stretch"]),
        "normalize": bool(params["normalize"]),
        "test_size": _check_fraction(params["test_size"]),
        "minclust": _check_count("minclust", params["minclust"], 0),
        "n_threads": threads,
        "verbose": int(verbose),
    }


def _setting(value):
    if isinstance(value, bool):
        return "true" if value else "false"
    if isinstance(value, float):
        import numpy as np

        return str(np.float32(value))  # reads back as the same 32-bit float
    return str(value)


def section_text(checked, number=0):
    """The checked parameters as a configuration section "#ALG<number>" that
    the command-line tool reads into the same grid and schedule."""
    lines = [f"#ALG{number}", "algtype epoch", f"grid.type {checked['config_type']}",
             f"grid.size1 {checked['size1']}", f"grid.size2 {checked['size2']}",
             f"grid.minclust {checked['minclust']}"]
    lines += [f"init.stretch{k + 1} {_setting(s)}" for k, s in enumerate(checked["stretch"])]
    for i, stage in enumerate(checked["stages"]):
        lines.append(f"{'adapt' if stage['kind'] == 'adapt' else 'epoch'}.id {i + 1}")
        # Every key sets the most recent stage, whatever its kind.
        for key in ("ep", "rp", "eps", "epsSLAU", "numiter", "numiterSLAU", "extrapolate",
                    "minimize"):
            lines.append(f"epoch.{key} {_setting(stage[key])}")
        for key in ("numstep", "numevery", "epsMSE"):
            lines.append(f"adapt.{key} {_setting(stage[key])}")
        if stage["type"]:
            lines.append(f"adapt.type {stage['type']}")
    return "\n".join(lines) + "\n"

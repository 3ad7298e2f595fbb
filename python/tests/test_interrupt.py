"""A running fit leaves the interpreter free (the GIL is released), stops
cleanly with KeyboardInterrupt on Ctrl-C, and does not disturb a fit running
beside it."""

import os
import re
import signal
import subprocess
import sys
import textwrap
import threading
import time

import numpy as np

import manifit

# A fit that takes a few seconds: many points, a large grid, no early stop.
LONG_FIT = textwrap.dedent("""
    import numpy as np, sys, time, manifit
    rng = np.random.default_rng(3)
    X = rng.normal(size=(40000, 12)).astype(np.float32)
    model = manifit.ElasticMap(size=(30, 30), verbose=True,
                               schedule=[{"numiter": 200, "eps": 0.0}])
    start = time.process_time()
    try:
        model.fit(X)
        print("finished")
    except KeyboardInterrupt:
        print("interrupted")
        print("fitted:", hasattr(model, "nodes_"))
        print("processor seconds:", time.process_time() - start)
""")


def test_other_threads_run_during_a_fit():
    rng = np.random.default_rng(1)
    X = rng.normal(size=(30000, 10)).astype(np.float32)
    model = manifit.ElasticMap(size=(20, 20), schedule=[{"numiter": 60, "eps": 0.0}])
    fitter = threading.Thread(target=model.fit, args=(X,))
    ticks = []
    started = time.monotonic()
    fitter.start()
    while fitter.is_alive():
        ticks.append(time.monotonic())
        time.sleep(0.001)
    fitter.join()
    duration = time.monotonic() - started
    assert model.n_iter_ == 60
    assert duration > 0.3, "the fit is too short to tell"
    # Holding the interpreter lock for the whole fit would leave one gap as
    # long as the fit itself.
    gaps = np.diff([started] + ticks)
    assert gaps.max() < duration / 4
    assert len(ticks) > 50


def test_ctrl_c_stops_a_fit():
    child = subprocess.Popen([sys.executable, "-c", LONG_FIT], stdout=subprocess.PIPE,
                             stderr=subprocess.PIPE, text=True, env=os.environ.copy())
    try:
        seen = []
        for line in child.stdout:
            seen.append(line)
            if line.startswith("Ep: 1 It: 1 "):
                break
        interrupted_at = time.monotonic()
        child.send_signal(signal.SIGINT)
        rest, errors = child.communicate(timeout=120)
        stopped_after = time.monotonic() - interrupted_at
    finally:
        if child.poll() is None:
            child.kill()
    lines = seen + rest.splitlines(keepends=True)
    assert child.returncode == 0, errors
    assert "interrupted\n" in lines and "fitted: False\n" in lines
    iterations = [line for line in lines if line.startswith("Ep: ")]
    assert len(iterations) < 10
    assert stopped_after < 30
    # Stopped at once, far from the 200 iterations asked for: the processor
    # time spent is that of a few iterations ("Time: S+(A,B)" in clock ticks).
    ticks = max(sum(int(t) for t in re.findall(r"\d+", line.split("Time: ")[1]))
                for line in iterations)
    spent = float([line for line in lines if line.startswith("processor seconds:")][0].split()[2])
    assert spent < 20 * ticks / 1e6 + 1.0


def test_two_fits_at_once_give_their_own_results(wine):
    """Fits in two threads at the same time (the interpreter lock released)
    each give exactly the map they give alone: random split, thread count
    and messages belong to each fit."""
    X = np.random.default_rng(5).normal(size=(20000, 6)).astype(np.float32)
    data = (X, wine)

    def make():
        return [manifit.ElasticMap(grid="sphere", size=(10, 8), test_size=0.2, n_threads=1),
                manifit.ElasticMap(grid="graph", size=12, n_threads=2, verbose=True)]

    alone = [model.fit(table) for model, table in zip(make(), data)]
    together = make()
    threads = [threading.Thread(target=model.fit, args=(table,))
               for model, table in zip(together, data)]
    for thread in threads:
        thread.start()
    for thread in threads:
        thread.join()
    for one, other in zip(alone, together):
        np.testing.assert_array_equal(other.nodes_, one.nodes_)
        np.testing.assert_array_equal(other.rows_, one.rows_)
        assert other.history_ == one.history_
